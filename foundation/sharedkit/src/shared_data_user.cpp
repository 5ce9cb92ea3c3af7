// The logged-in user: login copies, names, flags and the broker remnants.
#include "SharedData.h"

#include <cstring>

#include "text_fields.h"

char* CSharedData::m_lpszID = NULL;
char* CSharedData::m_lpszPwd = NULL;
char CSharedData::m_szUserName[32] = {0};
char CSharedData::m_szResidentNo[12] = {0};
char CSharedData::m_szAlias[32] = {0};
char CSharedData::m_szLastLoginTime[20] = {0};
CString CSharedData::m_strServerMessage;
DWORD CSharedData::m_dwUserType = 0;
int CSharedData::m_nAdmin = 0;
int CSharedData::m_bIsForTest = 0;
int CSharedData::m_nWendralExpireDate = 0;
char CSharedData::m_szWendralAccountNo[13] = {0};
char CSharedData::m_szWendralAcntName[51] = {0};
char CSharedData::m_szTarrowID[51] = {0};

namespace {

const int kLastLoginTimeLength = 17;
const int kServerMessageLength = 1023;
const int kWendralAccountLength = 12;
const int kBrokerTextLength = 50;
const DWORD kFreeUserType = 2;

} // namespace

void CSharedData::SetUserID(const char* id)
{
    text_fields::ReplaceHeapCopy(m_lpszID, id);
}

int CSharedData::GetUserID(char* buf, int size)
{
    return text_fields::CopyOut(m_lpszID, buf, size);
}

void CSharedData::SetPassword(const char* pwd)
{
    text_fields::ReplaceHeapCopy(m_lpszPwd, pwd);
}

int CSharedData::GetPassword(char* buf, int size)
{
    return text_fields::CopyOut(m_lpszPwd, buf, size);
}

void CSharedData::SetUserName(const char* name)
{
    text_fields::CopyField(m_szUserName, sizeof m_szUserName, name);
}

const char* CSharedData::GetUserName()
{
    return m_szUserName;
}

void CSharedData::SetResidentNo(const char* no)
{
    text_fields::CopyField(m_szResidentNo, sizeof m_szResidentNo, no);
}

const char* CSharedData::GetResidentNo()
{
    return m_szResidentNo;
}

void CSharedData::SetAlias(const char* alias)
{
    text_fields::CopyField(m_szAlias, sizeof m_szAlias, alias);
}

const char* CSharedData::GetAlias()
{
    return m_szAlias;
}

void CSharedData::SetLastLoginTime(char* time)
{
    text_fields::CopyField(m_szLastLoginTime, sizeof m_szLastLoginTime, time, kLastLoginTimeLength);
}

const char* CSharedData::GetLastLoginTime()
{
    return m_szLastLoginTime;
}

void CSharedData::SetServerMessage(char* text, int len)
{
    char buf[kServerMessageLength + 1];
    const size_t n = (text == NULL || len < 0) ? 0 : static_cast<size_t>(len);
    text_fields::CopyCounted(buf, sizeof buf, text, n);
    m_strServerMessage = buf;
}

CString CSharedData::GetServerMessage()
{
    return m_strServerMessage;
}

void CSharedData::SetUserType(DWORD type)
{
    m_dwUserType = type;
}

int CSharedData::IsFreeUser()
{
    return m_dwUserType == kFreeUserType ? 1 : 0;
}

void CSharedData::SetAdmin(int admin)
{
    m_nAdmin = admin;
}

int CSharedData::IsAdmin()
{
    return m_nAdmin;
}

int CSharedData::IsStaff()
{
    return 0;
}

void CSharedData::SetForTest(int test)
{
    m_bIsForTest = test;
}

int CSharedData::IsForTest()
{
    return m_bIsForTest;
}

void CSharedData::SetExpireDate(int yyyymmdd)
{
    m_nWendralExpireDate = yyyymmdd;
}

int CSharedData::GetExpireDate()
{
    return m_nWendralExpireDate;
}

void CSharedData::SetWendralAccount(const char* account)
{
    text_fields::CopyField(m_szWendralAccountNo, sizeof m_szWendralAccountNo, account, kWendralAccountLength);
}

const char* CSharedData::GetWendralAccout()
{
    return m_szWendralAccountNo;
}

void CSharedData::SetWendralAcntName(const char* name)
{
    text_fields::CopyField(m_szWendralAcntName, sizeof m_szWendralAcntName, name, kBrokerTextLength);
}

const char* CSharedData::GetWendralAcntName()
{
    return m_szWendralAcntName;
}

void CSharedData::SetTarrowID(const char* id)
{
    if (id == NULL || id[0] == '\0')
        return;
    text_fields::CopyField(m_szTarrowID, sizeof m_szTarrowID, id, kBrokerTextLength);
}

const char* CSharedData::GetetTarrowID()
{
    return m_szTarrowID;
}
