// Trades the server orders itself: settlement (real-time code 200, a buy of BTC with all the
// available money) and forced sell (code 300, a sell of a coin's whole holding).
#include "RcmdCoinManager.h"

#include "SharedData.h"
#include "ZembraAPIAgent.h"
#include "exchange_replies.h"
#include "manager_log.h"
#include "order_rules.h"
#include "signal_records.h"

#ifndef WM_FORCE_LOGOUT
#define WM_FORCE_LOGOUT (WM_USER + 52)
#endif

using namespace tokenboard;

namespace {

const char kSettlementCoin[] = "BTC";

} // namespace

void CRcmdCoinManager::ProcRD200Data(const BYTE* pBody, int nLen)
{
    if (pBody == NULL || nLen < SETTLEMENT_BODY_LEN)
    {
        LogF("정산 RD 길이 오류로 무시함 : %d바이트 (%d바이트 필요)", nLen, SETTLEMENT_BODY_LEN);
        return;
    }
    Log("정산 RD 발생");
    Log(BodyLogText(pBody, SETTLEMENT_BODY_LEN));
    m_bOnSettlementAcnt = pBody[0] == '1' ? 1 : 0;
    if (m_bOnSettlementAcnt)
        ProcessStattlement();
    else if (pBody[25] == '1')
        ProcessFileDownload();
}

void CRcmdCoinManager::ProcessFileDownload()
{
    AfxPlatformMessageBox(m_hWnd, "신규버전이 존재합니다.\n시스템 종료후 다시 시작해 주십시오.", AfxGetAppName(), MB_OK);
    HWND main = CSharedData::GetMainFrameHandle();
    if (main != NULL && ::IsWindow(main))
        ::PostMessage(main, WM_FORCE_LOGOUT, 0, 0);
}

void CRcmdCoinManager::ProcRD300Data(const BYTE* pBody, int nLen)
{
    if (pBody == NULL || nLen < FORCED_SELL_BODY_LEN)
    {
        LogF("강제 매도 RD 길이 오류로 무시함 : %d바이트 (%d바이트 필요)", nLen, FORCED_SELL_BODY_LEN);
        return;
    }
    Log("강제 매도 RD 발생");
    Log(BodyLogText(pBody, FORCED_SELL_BODY_LEN));
    CString code = FieldText(pBody, 24);
    code.MakeUpper();
    if (!m_AutoAgent.IsCoinInRcmdList(code))
    {
        Log("강제 매도 청산 : 추천 대상 코인이 아니라 로그처리만 함");
        return;
    }
    // Only a sell that went through ends the watch of the coin's position.
    if (!ForceSellOrder(code))
        return;
    _AUTO_SIGNAL stored;
    if (m_mapAutoSignal.Lookup(code, stored))
    {
        stored.nOrdered = 0;
        m_mapAutoSignal.SetAt(code, stored);
    }
}

int CRcmdCoinManager::ForceSellOrder(CString strCode)
{
    LogF(" 강제 매도 청산 시작 : %s", (LPCSTR)strCode);
    _AUTO_SIGNAL signal;
    MakeServerOrderSignal(strCode, '2', signal);
    BalanceReply before;
    const double quantity = GetHoldQuantity(signal, strCode, &before);
    if (quantity == -1)
    {
        const char* text = "강제 매도주문 실패!!, 잔고 체크중 Zembra API에서 에러 발생";
        Log(text);
        ShowOrderErrorInfo(signal, text);
        return 0;
    }
    const int done = SendSellOrder(signal, quantity, "강제 매도주문 실패!!", &before);
    if (done)
        LogF(" 강제 매도 청산 완료 : %s", (LPCSTR)strCode);
    return done;
}

void CRcmdCoinManager::ProcessStattlement()
{
    CString text = CZembraAPIAgent::RequestPrivateData(kBalancePath, BalanceParams(kSettlementCoin));
    if (text.IsEmpty())
    {
        Log("정산은 위한 가능 금액 조회 실패!!, API 응답을 받지 못했습니다.");
        return;
    }
    BalanceReply balance = ReadBalanceReply(text, kSettlementCoin);
    switch (balance.verdict)
    {
    case REPLY_UNREADABLE:
        Log("정산을 위한 가능 금액 조회 실패!!, reader.parse 에러발생");
        return;
    case REPLY_NO_STATUS:
        Log("정산을 위한 가능 금액 조회 실패!!, API 응답에 처리 결과가 없습니다.");
        return;
    case REPLY_REFUSED:
        Log(CZembraAPIAgent::UTF8toANSI(balance.message));
        return;
    case REPLY_OK:
        break;
    }
    if (!balance.hasMoney)
    {
        Log("정산을 위한 가능 금액 조회 실패!!, API 응답에 가능 금액이 없습니다.");
        return;
    }

    // An order that the known price cannot size is not sent.
    const double quantity = GetOrderVol(kSettlementCoin, balance.availableKrw, 100.0);
    if (quantity == -1)
    {
        Log("정산 매수주문 실패!!, 현재가를 찾지 못했습니다.");
        return;
    }
    const CString units = GetStrVolume(kSettlementCoin, quantity);
    if (!IsPositiveVolume(units))
    {
        Log("정산 매수주문 실패!!, 설정 금액 대비 환산 주문 수량이 적습니다.");
        return;
    }

    CString reply = CZembraAPIAgent::RequestPrivateData(kBuyPath, OrderParams(units, kSettlementCoin));
    // The events of the settlement read as a buy of BTC.
    _AUTO_SIGNAL signal;
    MakeServerOrderSignal(kSettlementCoin, '1', signal);
    OrderOutcome(signal, reply, &balance);
    if (!reply.IsEmpty())
        Log(reply);
}
