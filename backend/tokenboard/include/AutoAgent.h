// The user's automatic-trading choice and the server's list of recommended coins. One instance
// lives in CRcmdCoinManager (GetAutoAgent); every caller runs on the user-interface thread.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include "TokenBoardApi.h"

typedef CMap<CString, LPCSTR, int, int> CCoinAmountMap;

class TOKENBOARD_API CAutoAgent
{
public:
    enum
    {
        AUTO_OFF = 0,
        AUTO_AMOUNT = 1, // amount-based
        AUTO_COIN = 2    // coin-based
    };

    CAutoAgent();

    // Amount-based trading; each of these is refused (0) while coin-based trading is on.
    int SetAutoAmountType(int nAmount);
    int ResetAutoAmountType();
    // Switches amount-based trading off and keeps the amount (nothing while coin-based).
    void StopAutoAmountType();
    int GetAmountTypeMoney() const { return m_nAmount; }
    int GetAutoType() const { return m_nAutoType; }

    // The code is trimmed and upper-cased, then compared exactly with each listed code.
    int IsCoinInRcmdList(CString strCode) const;
    void SetRcmdCoinList(const CStringArray& arrCodes);
    void GetRcmdCoinList(CStringArray& arrCodes) const;
    int GetRcmdCoinCount() const { return static_cast<int>(m_arrRcmdCoins.GetSize()); }

    // Coin-based trading, codes taken as they are; each setter is refused (0) while
    // amount-based trading is on.
    int SetAutoCoinType(CString strCode, int nAmount);
    int GetAutoCoinAmount(CString strCode) const;
    int IsCoinRuning(CString strCode) const;
    int StopAutoCoinType(CString strCode);
    int ResetAllCoinType();

private:
    int m_nAutoType;
    int m_nAmount;
    CStringArray m_arrRcmdCoins;
    CCoinAmountMap m_mapCoinAmount;
};
