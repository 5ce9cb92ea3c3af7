// A reference a worker thread holds on the module whose code it runs, so that the module cannot
// be unmapped under it when its last user frees it while the thread still runs.
#pragma once

#include <windows.h>

// Takes one reference on the module that holds this code (released with FreeLibrary, or by the
// thread itself with FreeLibraryAndExitThread as its very last step); null when none was taken.
// Taken by the starter before the thread is created: the thread's first instruction may come
// after its starter's caller has freed the module.
HMODULE PinOwnModule();
