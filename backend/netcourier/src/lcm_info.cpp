// The exported getters of the information store.
#include "InfoMng.h"
#include "Link.h"

namespace {

HWND volatile g_hDisconnectWnd = NULL;

} // namespace

extern "C" {

int LCM_GetServerInfo(tagServerInfo* pInfo)
{
    const tagServerInfo& server = TheInfoMng().GetMainServer();
    if (pInfo == NULL || server.szAddress[0] == '\0')
        return 0;
    memcpy(pInfo, &server, sizeof server);
    return 1;
}

int LCM_GetLocalIP(char* pszOut)
{
    const char* local = TheInfoMng().GetLocalIP();
    if (pszOut == NULL || local[0] == '\0')
        return 0;
    strcpy(pszOut, local);
    return 1;
}

int LCM_GetAccountList(void** ppList, int* pnCount)
{
    CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&>& accounts = TheInfoMng().GetAccounts();
    if (ppList != NULL)
        *ppList = accounts.GetData();
    if (pnCount != NULL)
        *pnCount = static_cast<int>(accounts.GetSize());
    return 1;
}

void LCM_GetUserInfo(void* pOut)
{
    if (pOut != NULL)
        memcpy(pOut, TheInfoMng().GetUserInfo(), LCM_USERINFO_SIZE);
}

const char* LCM_GetLastLoginTime()
{
    return TheInfoMng().m_strLastLoginTime;
}

const char* LCM_GetResidentNo()
{
    return TheInfoMng().m_strResidentNo;
}

int LCM_GetUserGroup()
{
    return TheInfoMng().m_nUserGroup;
}

int LCM_IsTempPwd()
{
    return TheInfoMng().m_bTempPwd;
}

int LCM_IsTempAccPwd()
{
    return TheInfoMng().m_bTempAccPwd;
}

int LCM_UsePublicSign()
{
    return TheInfoMng().m_bPublicSign;
}

char LCM_GetUserConfirmType()
{
    return TheInfoMng().m_cConfirmType;
}

HWND LCM_SetDisconnectHwnd(HWND hWnd)
{
    g_hDisconnectWnd = hWnd;
    return hWnd;
}

HWND LCM_GetDisconnectHwnd()
{
    return g_hDisconnectWnd;
}

int LCM_GetCommisionInfo()
{
    return 0;
}

} // extern "C"
