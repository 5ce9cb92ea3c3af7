// Export macro of FrameBase.dll: the library exports its classes, every other module imports
// them.
#pragma once

#ifdef FRAMEBASE_BUILD
#define FRAMEBASE_API __declspec(dllexport)
#else
#define FRAMEBASE_API __declspec(dllimport)
#endif
