// The automatic-trading manager: a hidden message-only window that receives the server's
// recommended-coin list and real-time trading orders (automatic-trading signals, settlement,
// forced sell) through the transaction agent and the last ticker prices from the exchange
// agent, keeps the current signal of every coin and a log of signals, places market orders on
// the exchange and reports every order to the order-alarm window. Everything runs on the
// user-interface thread; the lists the screens read are not locked.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include <vector>

#include "AutoAgent.h"
#include "TokenBoardApi.h"
#include "TokenBoardRecords.h"

namespace tokenboard {
struct BalanceReply;
}

typedef CMap<CString, LPCSTR, _AUTO_SIGNAL, const _AUTO_SIGNAL&> CAutoSignalMap;
typedef std::vector<_AUTO_SIGNAL*> CAutoSignalLog;
typedef CMap<CString, LPCSTR, LONGLONG, LONGLONG> CCoinPriceMap;

#define AUTO_SIGNAL_LOG_MAX 5000

class TOKENBOARD_API CRcmdCoinManager : public CWnd
{
public:
    CRcmdCoinManager();
    virtual ~CRcmdCoinManager();

    // Registers the window class once and creates the message-only window; 0 on failure.
    // Creating it asks for the recommended coins, registers settlement and forced sell and the
    // ticker of all coins.
    int Create();

    static CAutoAgent* GetAutoAgent() { return &m_AutoAgent; }
    static CAutoSignalMap* GetAutoSignalList() { return &m_mapAutoSignal; }
    static CAutoSignalLog* GetAutoSignalLogData() { return &m_arrAutoSignalLog; }
    // Display name of a coin ("btc" and " BTC " name Bitcoin too); the empty text for a code it
    // does not know.
    static CString GetCoinName(CString strCode);
    // Amount-based (type 1) / coin-based (type 2, one coin or "ALL") positions forgotten: the
    // ordered flag and mode of the stored signals go to 0 and the screens are told.
    static void ResetAmountAutoSignalData();
    static void ResetCoinTypeAutoSignalData(CString strCode);

    // Handles a body as a real-time code-100 frame.
    void TestSignal(const BYTE* pBody, int nLen = AUTO_SIGNAL_BODY_LEN);
    // A market buy with the units text as given / a market sell of the quantity formatted for
    // the coin. 1 when the exchange accepted it.
    int TestBuyOrder(CString strCode, CString strUnits);
    int TestSellOrder(CString strCode, CString strQuantity);
    int RequestData_t1110();
    // 0 when no signal is stored for the code; else copies it out and returns 1 while it is
    // watched, 2 while it waits.
    int GetAutoSignalStatus(CString strCode, _AUTO_SIGNAL* pSignal);
    void NotiModifiedSignal(int nKind, _AUTO_SIGNAL* pSignal);
    // The last ticker price of a coin; FALSE while none is known.
    BOOL GetCoinPrice(CString strCode, LONGLONG& nPrice) const;

    static CAutoAgent m_AutoAgent;
    static CAutoSignalMap m_mapAutoSignal;
    static CAutoSignalLog m_arrAutoSignalLog;
    static int m_bOnSettlementAcnt;
    static int m_bRegisted;
    static CString m_strClassName;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnZembraAPITickerDataReceived(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static BOOL RegisterControl();

    // Server transactions and registrations.
    void ReceiveData_t1110(const BYTE* pBody, int nLen);
    void SetRealData_100();
    void SetRealData_200();
    void SetRealData_300();
    void UnsetRealData_100();
    void UnsetRealData_200();
    void UnsetRealData_300();

    // Real-time frames.
    void ProcRD100Data(const BYTE* pBody, int nLen);
    void ProcRD200Data(const BYTE* pBody, int nLen);
    void ProcRD300Data(const BYTE* pBody, int nLen);
    void ProcAutoSignal(_AUTO_SIGNAL& signal, int nAutoType);
    void ProcessFileDownload();
    void AppendSignalLog(const _AUTO_SIGNAL& signal);
    static void RelayToScreens(HWND hSender, LPARAM lParam);

    // Orders. The balance queries keep the whole reply in pRead when one is given, to settle
    // an order whose reply cannot be read.
    LONGLONG GetAvailableMoney(const _AUTO_SIGNAL& signal, CString strCode, tokenboard::BalanceReply* pRead = NULL);
    double GetHoldQuantity(const _AUTO_SIGNAL& signal, CString strCode, tokenboard::BalanceReply* pRead = NULL);
    double GetOrderVol(CString strCode, LONGLONG nMoney, double dPercent) const;
    static CString GetStrVolume(CString strCode, double dQuantity);
    int BuyOrder(const _AUTO_SIGNAL& signal);
    int SellOrder(const _AUTO_SIGNAL& signal);
    int SendSellOrder(const _AUTO_SIGNAL& signal, double dQuantity, LPCSTR pszFailPrefix,
                      const tokenboard::BalanceReply* pBefore);
    // The outcome of an order sent: from its reply, or, when the reply is empty or no JSON (the
    // exchange may have carried it out), from the balance read again and compared with pBefore
    // (none: the outcome stays unknown). 1 when carried out; an unknown outcome counts as not.
    int OrderOutcome(const _AUTO_SIGNAL& signal, const CString& strReply, const tokenboard::BalanceReply* pBefore);
    int SettleFromBalance(const _AUTO_SIGNAL& signal, const tokenboard::BalanceReply* pBefore);
    void ShowOrderErrorInfo(const _AUTO_SIGNAL& signal, CString strText);
    int ShowMarketOrderReturnInfo(const _AUTO_SIGNAL& signal, CString strReply);
    void ProcessStattlement();
    int ForceSellOrder(CString strCode);
    static void SendOrderAlarm(COIN_ORD_INFO& info);

    CCoinPriceMap m_mapCoinPrice;
    // The coins whose code-100 keys are registered (the list may change with a new 1110 reply).
    CStringArray m_arrRegisteredCoins;
};
