// The login dialog's web addresses from User\system.ini.
#include "WebAddresses.h"

#include <afxwin.h>
#include <shellapi.h>

#include "IniFiles.h"
#include "InstallFolders.h"
#include "../res/resource.h"

namespace {

CString ReadWeb(const char* key)
{
    CString value = CIniFiles(CString(GetUserDir()) + "system.ini").ReadString("WEB", key, "");
    value.Trim();
    return value;
}

CString SitePage(const char* path)
{
    CString site = ReadWeb("SITE");
    if (site.IsEmpty())
        return site;
    site.TrimRight('/');
    return site + path;
}

} // namespace

CString LoginWebAddress(UINT nButtonID)
{
    switch (nButtonID) {
    case IDC_LOGIN_WEB_PAGE1:
        return SitePage("/27");
    case IDC_LOGIN_WEB_PAGE2:
        return SitePage("/25");
    case IDC_LOGIN_WEB_PAGE3:
        return SitePage("/19");
    case IDC_LOGIN_WEB_EDUCATION:
        return ReadWeb("EDUCATION");
    case IDC_LOGIN_WEB_EXCHANGE:
        return ReadWeb("EXCHANGE");
    default:
        return CString();
    }
}

void OpenWebAddress(const CString& address)
{
    if (address.IsEmpty())
        return;
    ::ShellExecuteA(NULL, "open", address, NULL, NULL, SW_SHOWNORMAL);
}

CString SystemWebAddress()
{
    return ReadWeb("SITE");
}
