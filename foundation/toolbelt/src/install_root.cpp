#include "install_root.h"

#include "TextUtils.h"

#include <string.h>

void InstallRootOf(const char* modulePath, char* root, size_t rootSize)
{
    if (rootSize == 0)
        return;
    root[0] = '\0';
    CStringArray parts;
    const int count = ExStrTok(parts, modulePath, '\\');
    if (count < 3)
        return;
    CString joined;
    for (int i = 0; i < count - 2; ++i) {
        joined += parts[i];
        joined += '\\';
    }
    if (static_cast<size_t>(joined.GetLength()) < rootSize)
        memcpy(root, joined.GetString(), joined.GetLength() + 1);
}
