// The exchange's base address: built in, overridden by [EXCHANGE] BASEURL of the install root's
// "User\system.ini" (read once), or replaced at run time by SetBaseURL.
#include "base_url.h"

#include <afxmt.h>
#include <string.h>
#include "ZembraAPIAgent.h"
#include "module_instance.h"

namespace {

CCriticalSection g_csBase;
char g_szBase[256];
bool g_bLoaded = false;

// "<install root>\User\system.ini", the install root being the parent of this library's folder.
CString IniPath()
{
    char szPath[MAX_PATH] = "";
    DWORD n = GetModuleFileNameA(ExchLinkInstance(), szPath, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return CString();
    CString path(szPath);
    for (int cut = 0; cut < 2; ++cut) // drop the file name, then the "Bin" folder
    {
        int slash = path.ReverseFind('\\');
        if (slash < 0)
            return CString();
        path.Truncate(slash);
    }
    return path + "\\User\\" ZEMBRA_BASE_URL_INI;
}

void Store(LPCSTR pszBase)
{
    size_t len = strlen(pszBase);
    while (len > 0 && pszBase[len - 1] == '/')
        --len;
    if (len == 0 || len >= sizeof(g_szBase))
    {
        strcpy(g_szBase, ZEMBRA_DEFAULT_BASE_URL);
        return;
    }
    memcpy(g_szBase, pszBase, len);
    g_szBase[len] = '\0';
}

void LoadFromIni()
{
    char szValue[sizeof(g_szBase) + 1] = "";
    CString ini = IniPath();
    if (!ini.IsEmpty())
        GetPrivateProfileStringA(ZEMBRA_BASE_URL_SECTION, ZEMBRA_BASE_URL_KEY, "", szValue, sizeof(szValue), ini);
    Store(szValue);
    g_bLoaded = true;
}

} // namespace

CString ZembraBaseURL()
{
    CSingleLock lock(&g_csBase, TRUE);
    if (!g_bLoaded)
        LoadFromIni();
    return CString(g_szBase);
}

void ZembraSetBaseURL(LPCSTR pszBaseURL)
{
    CSingleLock lock(&g_csBase, TRUE);
    if (pszBaseURL && *pszBaseURL)
    {
        Store(pszBaseURL);
        g_bLoaded = true;
    }
    else
        LoadFromIni();
}
