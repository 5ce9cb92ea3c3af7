// Export macro of PanelHost.dll: the library exports its views, every other module imports them.
#pragma once

#ifdef PANELHOST_BUILD
#define PANELHOST_API __declspec(dllexport)
#else
#define PANELHOST_API __declspec(dllimport)
#endif
