// Export macro of BalancePanel.dll: its view class is exported for the test host; the main
// program reaches the screen only through CreateScreen.
#pragma once

#ifdef BALANCEPANEL_BUILD
#define BALANCEPANEL_API __declspec(dllexport)
#else
#define BALANCEPANEL_API __declspec(dllimport)
#endif
