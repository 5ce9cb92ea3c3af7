#include "ModulePin.h"

HMODULE PinOwnModule()
{
    HMODULE module = NULL;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&PinOwnModule), &module))
        return NULL;
    return module;
}
