// Export macro of GraphKit.dll: the library exports its classes, every other module imports them.
#pragma once

#ifdef GRAPHKIT_BUILD
#define GRAPHKIT_API __declspec(dllexport)
#else
#define GRAPHKIT_API __declspec(dllimport)
#endif
