#include "NetCourierModule.h"

namespace {

const char kAnchor = 0;

} // namespace

HINSTANCE NetCourierInstance()
{
    HMODULE module = NULL;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, &kAnchor,
                       &module);
    return module;
}
