// Export macro of OrderDialogs.dll: the library exports its dialogs, every other module imports
// them.
#pragma once

#ifdef ORDERDIALOGS_BUILD
#define ORDERDIALOGS_API __declspec(dllexport)
#else
#define ORDERDIALOGS_API __declspec(dllimport)
#endif
