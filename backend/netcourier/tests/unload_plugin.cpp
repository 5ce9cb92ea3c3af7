// A plug-in that pulls in NetCourier.dll as the screens do: loading it loads the link (which
// starts its receive thread), freeing it frees the link's last user.
#include "NetCourier.h"

extern "C" __declspec(dllexport) int PluginLinkTerminated()
{
    return LCM_IsTerminated(-1);
}
