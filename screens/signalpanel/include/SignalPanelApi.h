// Export macro of SignalPanel.dll: its classes and score rules are exported for the test host;
// the main program reaches the screen only through CreateScreen.
#pragma once

#ifdef SIGNALPANEL_BUILD
#define SIGNALPANEL_API __declspec(dllexport)
#else
#define SIGNALPANEL_API __declspec(dllimport)
#endif
