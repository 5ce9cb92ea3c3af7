// Export macro of TokenBoard.dll: the library exports its classes, every other module imports
// them.
#pragma once

#ifdef TOKENBOARD_BUILD
#define TOKENBOARD_API __declspec(dllexport)
#else
#define TOKENBOARD_API __declspec(dllimport)
#endif
