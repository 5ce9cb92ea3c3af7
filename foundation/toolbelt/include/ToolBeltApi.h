// Export macro of ToolBelt.dll: the library exports its classes and functions, every other
// module imports them.
#pragma once

#ifdef TOOLBELT_BUILD
#define TOOLBELT_API __declspec(dllexport)
#else
#define TOOLBELT_API __declspec(dllimport)
#endif
