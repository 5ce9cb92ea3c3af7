// The user and network members of the session store.
#include "SharedData.h"

#include <cstring>

#include "text_fields.h"

char* CSharedData::m_lpszLocalIP = NULL;
char CSharedData::m_szPublicIP[16] = {0};
int CSharedData::m_nIRS = 0;
char CSharedData::m_szBranchIP[16] = {0};
char CSharedData::m_szExclusiveSals[4] = {0};
char CSharedData::m_szHeadquarter[4] = {0};
char CSharedData::m_szAgent[4] = {0};

namespace {

const int kPublicIPLength = 15;
const int kOfficeCodeLength = 3;

} // namespace

void CSharedData::SetLocalIP(const char* ip)
{
    text_fields::ReplaceHeapCopy(m_lpszLocalIP, ip);
}

int CSharedData::GetLocalIP(char* buf, int size)
{
    return text_fields::CopyOut(m_lpszLocalIP, buf, size);
}

void CSharedData::SetPublicIP(const char* ip)
{
    text_fields::CopyField(m_szPublicIP, sizeof m_szPublicIP, ip, kPublicIPLength);
}

int CSharedData::GetPublicIP(char* buf, int size)
{
    if (m_szPublicIP[0] == '\0' && m_lpszLocalIP != NULL)
        SetPublicIP(m_lpszLocalIP);
    if (buf == NULL || size < kPublicIPLength + 1)
        return 0;
    memset(buf, 0, size);
    memcpy(buf, m_szPublicIP, kPublicIPLength);
    return 1;
}

void CSharedData::SetIRSPort(int port)
{
    m_nIRS = port;
}

int CSharedData::GetIRSPort()
{
    return m_nIRS;
}

void CSharedData::SetBranchIP(const char* ip)
{
    text_fields::CopyField(m_szBranchIP, sizeof m_szBranchIP, ip);
}

CString CSharedData::GetBranchIP()
{
    return m_szBranchIP;
}

void CSharedData::SetOfficeInfo(const char* exclusive, const char* headquarter, const char* agent)
{
    text_fields::CopyField(m_szExclusiveSals, sizeof m_szExclusiveSals, exclusive, kOfficeCodeLength);
    text_fields::CopyField(m_szHeadquarter, sizeof m_szHeadquarter, headquarter, kOfficeCodeLength);
    text_fields::CopyField(m_szAgent, sizeof m_szAgent, agent, kOfficeCodeLength);
}

CString CSharedData::GetOfficeExclusive()
{
    return m_szExclusiveSals;
}

CString CSharedData::GetOfficeHeadquarter()
{
    return m_szHeadquarter;
}

CString CSharedData::GetOfficeAgent()
{
    return m_szAgent;
}
