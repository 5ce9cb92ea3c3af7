// Export macro of HistoryPanel.dll: its view class is exported for the test host; the main
// program reaches the screen only through CreateScreen.
#pragma once

#ifdef HISTORYPANEL_BUILD
#define HISTORYPANEL_API __declspec(dllexport)
#else
#define HISTORYPANEL_API __declspec(dllimport)
#endif
