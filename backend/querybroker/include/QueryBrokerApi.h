// Export macro of QueryBroker.dll: the library exports its classes, every other module imports
// them.
#pragma once

#ifdef QUERYBROKER_BUILD
#define QUERYBROKER_API __declspec(dllexport)
#else
#define QUERYBROKER_API __declspec(dllimport)
#endif
