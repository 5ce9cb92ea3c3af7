// Export macro of SheetView.dll: the library exports its classes, every other module imports
// them.
#pragma once

#ifdef SHEETVIEW_BUILD
#define SHEETVIEW_API __declspec(dllexport)
#else
#define SHEETVIEW_API __declspec(dllimport)
#endif
