#include "InfoMng.h"

#include <winsock.h>

#include "AddressText.h"

namespace {

const char kDefaultAddress[] = "127.0.0.1";
const int kDefaultPort = 8088;
const char kDefaultAlias[] = "SVR1";

void CopyCut(char* dst, int width, const char* src)
{
    memset(dst, 0, width);
    if (src != NULL)
        strncpy(dst, src, width - 1);
}

} // namespace

CInfoMng& TheInfoMng()
{
    static CInfoMng info;
    return info;
}

CInfoMng::CInfoMng()
    : m_nUserGroup(-1), m_bTempPwd(0), m_bTempAccPwd(0), m_bPublicSign(0), m_cConfirmType(0)
{
    memset(m_szLocalIP, 0, sizeof m_szLocalIP);
    memset(m_userInfo, 0, sizeof m_userInfo);
    memset(m_userBlock, 0, sizeof m_userBlock);
    memset(m_servers, 0, sizeof m_servers);
}

void CInfoMng::ResetServers()
{
    memset(m_servers, 0, sizeof m_servers);
    CopyCut(m_servers[0].szAddress, sizeof m_servers[0].szAddress, kDefaultAddress);
    m_servers[0].nPort = kDefaultPort;
    CopyCut(m_servers[0].szAlias, sizeof m_servers[0].szAlias, kDefaultAlias);
}

void CInfoMng::ApplyServerSetting()
{
    const CString path = GetInstallRoot() + "User\\system.ini";
    char address[64] = {0};
    GetPrivateProfileStringA("SERVER", "IP", "", address, sizeof address, path);
    CString text(address);
    text.Trim();
    if (address_text::IsServerAddress(text))
        SetMainServerAddress(text);
    const int port = static_cast<int>(GetPrivateProfileIntA("SERVER", "PORT", 0, path));
    if (port > 0 && port <= 65535)
        m_servers[0].nPort = port;
}

BOOL CInfoMng::SetMainServerAddress(const char* address)
{
    if (address == NULL || strlen(address) >= sizeof m_servers[0].szAddress)
        return FALSE;
    CopyCut(m_servers[0].szAddress, sizeof m_servers[0].szAddress, address);
    return TRUE;
}

const CString& CInfoMng::GetInstallRoot()
{
    if (m_strInstallRoot.IsEmpty()) {
        char path[MAX_PATH] = {0};
        GetModuleFileNameA(NULL, path, MAX_PATH);
        CString folder(path);
        // Drop the program's name, then its folder.
        for (int i = 0; i < 2; ++i) {
            const int slash = folder.ReverseFind('\\');
            folder = slash >= 0 ? folder.Left(slash) : CString();
        }
        m_strInstallRoot = folder + "\\";
    }
    return m_strInstallRoot;
}

void CInfoMng::LookUpLocalIP()
{
    memset(m_szLocalIP, 0, sizeof m_szLocalIP);
    char host[256] = {0};
    if (gethostname(host, sizeof host) != 0)
        return;
    const hostent* entry = gethostbyname(host);
    if (entry == NULL || entry->h_addrtype != AF_INET || entry->h_addr_list == NULL || entry->h_addr_list[0] == NULL)
        return;
    in_addr addr;
    memcpy(&addr, entry->h_addr_list[0], sizeof addr);
    CopyCut(m_szLocalIP, sizeof m_szLocalIP, inet_ntoa(addr));
}

void CInfoMng::StoreUser(const char* id, const char* password)
{
    memset(m_userBlock, 0, sizeof m_userBlock);
    if (id != NULL)
        strncpy(reinterpret_cast<char*>(m_userBlock), id, kUserTextSize - 1);
    if (password != NULL)
        strncpy(reinterpret_cast<char*>(m_userBlock) + kUserTextSize, password, kUserTextSize - 1);
}
