// Export macro of ExchLink.dll: the library exports its classes, every other module imports them.
#pragma once

#ifdef EXCHLINK_BUILD
#define EXCHLINK_API __declspec(dllexport)
#else
#define EXCHLINK_API __declspec(dllimport)
#endif
