// The automatic-trading settings. Amount-based and coin-based trading exclude each other: each
// setter is refused while the other type is on.
#include "AutoAgent.h"

CAutoAgent::CAutoAgent()
    : m_nAutoType(AUTO_OFF), m_nAmount(0)
{
}

int CAutoAgent::SetAutoAmountType(int nAmount)
{
    if (m_nAutoType == AUTO_COIN)
        return 0;
    m_nAmount = nAmount;
    m_nAutoType = AUTO_AMOUNT;
    return 1;
}

int CAutoAgent::ResetAutoAmountType()
{
    if (m_nAutoType == AUTO_COIN)
        return 0;
    m_nAmount = 0;
    m_nAutoType = AUTO_OFF;
    return 1;
}

void CAutoAgent::StopAutoAmountType()
{
    if (m_nAutoType != AUTO_COIN)
        m_nAutoType = AUTO_OFF;
}

int CAutoAgent::IsCoinInRcmdList(CString strCode) const
{
    strCode.Trim();
    strCode.MakeUpper();
    for (INT_PTR i = 0; i < m_arrRcmdCoins.GetSize(); ++i)
        if (m_arrRcmdCoins[i] == strCode)
            return 1;
    return 0;
}

void CAutoAgent::SetRcmdCoinList(const CStringArray& arrCodes)
{
    m_arrRcmdCoins.RemoveAll();
    m_arrRcmdCoins.Append(arrCodes);
}

void CAutoAgent::GetRcmdCoinList(CStringArray& arrCodes) const
{
    arrCodes.RemoveAll();
    arrCodes.Append(m_arrRcmdCoins);
}

int CAutoAgent::SetAutoCoinType(CString strCode, int nAmount)
{
    if (m_nAutoType == AUTO_AMOUNT)
        return 0;
    m_mapCoinAmount.SetAt(strCode, nAmount);
    m_nAutoType = AUTO_COIN;
    return 1;
}

int CAutoAgent::GetAutoCoinAmount(CString strCode) const
{
    int amount = 0;
    return m_mapCoinAmount.Lookup(strCode, amount) ? amount : 0;
}

int CAutoAgent::IsCoinRuning(CString strCode) const
{
    int amount = 0;
    return m_mapCoinAmount.Lookup(strCode, amount) ? 1 : 0;
}

int CAutoAgent::StopAutoCoinType(CString strCode)
{
    if (m_nAutoType == AUTO_AMOUNT)
        return 0;
    m_mapCoinAmount.RemoveKey(strCode);
    if (m_mapCoinAmount.IsEmpty())
        m_nAutoType = AUTO_OFF;
    return 1;
}

int CAutoAgent::ResetAllCoinType()
{
    if (m_nAutoType == AUTO_AMOUNT)
        return 0;
    m_mapCoinAmount.RemoveAll();
    m_nAutoType = AUTO_OFF;
    return 1;
}
