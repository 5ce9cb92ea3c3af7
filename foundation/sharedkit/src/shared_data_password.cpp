// The user's password, kept enciphered so that the clear text never stays in the store.
#include "SharedData.h"

#include <cstring>

#include "Utils.h"

char CSharedData::m_szUserPwd[260] = {0};
DWORD CSharedData::m_nUserPwdSize = 0;

namespace {

// The pass phrase goes in with its terminator (9 bytes).
char kPassPhrase[] = "PLOVERIN";

} // namespace

void CSharedData::SetUserPwd(const char* pwd)
{
    if (pwd == NULL || pwd[0] == '\0')
        return;
    const size_t len = strlen(pwd);
    if (len > sizeof m_szUserPwd)
        return;
    char cipher[sizeof m_szUserPwd];
    memset(cipher, 0, sizeof cipher);
    if (CUtils::GetEncrypt(kPassPhrase, sizeof kPassPhrase, const_cast<char*>(pwd), cipher,
                           static_cast<DWORD>(len)) != 0)
        return;
    memset(m_szUserPwd, 0, sizeof m_szUserPwd);
    memcpy(m_szUserPwd, cipher, len);
    m_nUserPwdSize = static_cast<DWORD>(len);
    SecureZeroMemory(cipher, sizeof cipher);
}

CString CSharedData::GetUserPwd()
{
    if (m_nUserPwdSize == 0)
        return CString();
    char clear[sizeof m_szUserPwd + 1];
    memset(clear, 0, sizeof clear);
    if (CUtils::GetDecrypt(kPassPhrase, sizeof kPassPhrase, m_szUserPwd, clear, m_nUserPwdSize) != 0)
        return CString();
    CString result(clear);
    SecureZeroMemory(clear, sizeof clear);
    return result;
}
