// The library's store of server and user information.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "NetCourier.h"

class CInfoMng
{
public:
    enum { kUserBlockSize = 96, kUserTextSize = 32 };

    CInfoMng();

    // Server records: the main one (LCM_GetServerInfo) and a second one that stays zero.
    void ResetServers();
    // The main record's address and port from User\system.ini [SERVER] IP and PORT, when set.
    void ApplyServerSetting();
    tagServerInfo& GetMainServer() { return m_servers[0]; }
    tagServerInfo& GetSecondServer() { return m_servers[1]; }
    // Stores `address` (at most 15 characters) as the main server's; FALSE when it is too long.
    BOOL SetMainServerAddress(const char* address);

    // The folder above the running program's folder, with a trailing backslash.
    const CString& GetInstallRoot();

    void LookUpLocalIP();
    const char* GetLocalIP() const { return m_szLocalIP; }

    CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&>& GetAccounts() { return m_accounts; }
    BYTE* GetUserInfo() { return m_userInfo; }
    // The user block: ID in [0,32), password in [32,64), zeros after. Each text is cut to 31
    // bytes so that the zero fill always ends it.
    void StoreUser(const char* id, const char* password);
    const BYTE* GetUserBlock() const { return m_userBlock; }

    CString m_strLastLoginTime;
    CString m_strResidentNo;
    int m_nUserGroup;
    int m_bTempPwd;
    int m_bTempAccPwd;
    int m_bPublicSign;
    char m_cConfirmType;

private:
    tagServerInfo m_servers[2];
    CString m_strInstallRoot;
    char m_szLocalIP[16];
    CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&> m_accounts;
    BYTE m_userInfo[LCM_USERINFO_SIZE];
    BYTE m_userBlock[kUserBlockSize];
};

// The one store of the process.
CInfoMng& TheInfoMng();
