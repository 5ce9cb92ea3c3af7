// Named values and the account list.
#include "SharedData.h"

#include <algorithm>
#include <cstring>

CMapStringToString CSharedData::m_arrSharedData;
CAccountArray CSharedData::m_arAccount;

namespace {

const char kDefaultAccountPassword[] = "9713";

CString Trimmed(const char* text)
{
    CString s(text != NULL ? text : "");
    s.Trim();
    return s;
}

} // namespace

void CSharedData::SetSharedData(CString key, CString value)
{
    m_arrSharedData.SetAt(key, value);
}

CString CSharedData::GetSharedData(CString key, int take)
{
    CString value;
    if (!m_arrSharedData.Lookup(key, value))
        return CString();
    if (take == 1)
        m_arrSharedData.RemoveKey(key);
    return value;
}

void CSharedData::DelSharedData(CString key)
{
    m_arrSharedData.RemoveKey(key);
}

void CSharedData::RegistAccount(const char* number, const char* name, const char* third, char flag, char kind,
                                const char* key)
{
    tagAccount account;
    account.strAccount = Trimmed(number);
    account.strName = Trimmed(name);
    account.strThird = Trimmed(third);
    account.strPassword = kDefaultAccountPassword;
    account.strKey = key != NULL ? key : "";
    account.nFlag = flag;
    account.nKind = kind;
    m_arAccount.Add(account);
}

int CSharedData::GetAccountCount()
{
    return static_cast<int>(m_arAccount.GetSize());
}

int CSharedData::GetAccount(int index, tagAccount** out)
{
    if (out == NULL || index < 0 || index >= m_arAccount.GetSize())
        return 0;
    *out = &m_arAccount[index];
    return 1;
}

tagAccount* CSharedData::GetAccount(const char* key)
{
    if (key == NULL)
        return NULL;
    for (INT_PTR i = 0; i < m_arAccount.GetSize(); ++i) {
        tagAccount& account = m_arAccount[i];
        if (account.strAccount == key || account.strKey == key)
            return &account;
    }
    return NULL;
}

int CSharedData::GetAccPwd(const char* key, char* buf, int size)
{
    tagAccount* account = GetAccount(key);
    if (account == NULL || account->strPassword.IsEmpty() || buf == NULL || size <= 0)
        return 0;
    memset(buf, 0, size);
    const int n = std::min(account->strPassword.GetLength(), size - 1);
    memcpy(buf, static_cast<const char*>(account->strPassword), n);
    return 1;
}
