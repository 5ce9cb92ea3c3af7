// Export macro of WidgetKit.dll: the library exports its classes and rules, every other module
// imports them.
#pragma once

#ifdef WIDGETKIT_BUILD
#define WIDGETKIT_API __declspec(dllexport)
#else
#define WIDGETKIT_API __declspec(dllimport)
#endif
