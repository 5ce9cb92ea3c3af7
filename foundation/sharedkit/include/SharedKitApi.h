// Export macro of SharedKit.dll: the library exports its classes, every other module imports
// them.
#pragma once

#ifdef SHAREDKIT_BUILD
#define SHAREDKIT_API __declspec(dllexport)
#else
#define SHAREDKIT_API __declspec(dllimport)
#endif
