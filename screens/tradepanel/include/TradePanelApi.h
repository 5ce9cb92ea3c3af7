// Export macro of TradePanel.dll: its view classes are exported for the test host; the main
// program reaches the screen only through CreateScreen.
#pragma once

#ifdef TRADEPANEL_BUILD
#define TRADEPANEL_API __declspec(dllexport)
#else
#define TRADEPANEL_API __declspec(dllimport)
#endif
