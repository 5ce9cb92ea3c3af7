// Market orders of the automatic trading: balance queries, sizing, the buy and sell orders and
// the order events sent to the order-alarm window.
#include "RcmdCoinManager.h"

#include "SharedData.h"
#include "ZembraAPIAgent.h"
#include "exchange_replies.h"
#include "manager_log.h"
#include "order_rules.h"
#include "signal_records.h"

using namespace tokenboard;

namespace {

// The texts of one balance query's failures.
struct BalanceTexts
{
    const char* noReply;
    const char* unreadable;
    const char* noStatus;
    const char* noValue;
};

const BalanceTexts kMoneyTexts = {
    "가능 금액 조회 실패!!, API 응답을 받지 못했습니다.",
    "가능 금액 조회 실패!!, reader.parse 에러발생",
    "가능 금액 조회 실패!!, API 응답에 처리 결과가 없습니다.",
    "가능 금액 조회 실패!!, API 응답에 가능 금액이 없습니다.",
};

const BalanceTexts kQuantityTexts = {
    "잔고조회 실패!!, API 응답을 받지 못했습니다.",
    "잔고조회 실패!!, reader.parse 에러발생",
    "잔고조회 실패!!, API 응답에 처리 결과가 없습니다.",
    "잔고조회 실패!!, API 응답에 잔고 수량이 없습니다.",
};

// What an order whose reply could not be read came to, as the trader is told.
const char kSettledCarriedOut[] = "주문 응답을 확인할 수 없어 잔고로 확인했습니다: 체결됨";
const char kSettledNotCarriedOut[] = "주문 응답을 확인할 수 없어 잔고로 확인했습니다: 미체결";
const char kSettledUnknown[] =
    "주문 응답을 확인할 수 없고 잔고도 조회하지 못해 체결 여부를 알 수 없습니다. 잔고를 확인해 주십시오.";

enum BalanceValue
{
    VALUE_MONEY,
    VALUE_QUANTITY,
    VALUE_ANY // whatever the reply holds; the caller judges
};

} // namespace

// --- events ------------------------------------------------------------------------------

void CRcmdCoinManager::SendOrderAlarm(COIN_ORD_INFO& info)
{
    HWND alarm = CSharedData::GetOrdAlarmHandel();
    if (alarm != NULL && ::IsWindow(alarm))
        ::SendMessage(alarm, WM_ORDER_ALARM, reinterpret_cast<WPARAM>(&info), 0);
}

void CRcmdCoinManager::ShowOrderErrorInfo(const _AUTO_SIGNAL& signal, CString strText)
{
    COIN_ORD_INFO info;
    MakeOrderEvent(signal, strText, info);
    SendOrderAlarm(info);
}

int CRcmdCoinManager::ShowMarketOrderReturnInfo(const _AUTO_SIGNAL& signal, CString strReply)
{
    const CString side = SideText(signal);
    OrderReply reply = ReadOrderReply(strReply);
    CString failure;
    switch (reply.verdict)
    {
    case REPLY_UNREADABLE:
        failure.Format("%s주문 실패!!, 주문 응답을 해석할 수 없습니다.", (LPCSTR)side);
        break;
    case REPLY_NO_STATUS:
        failure.Format("%s주문 실패!!, 주문 응답에 처리 결과가 없습니다.", (LPCSTR)side);
        break;
    case REPLY_REFUSED:
        failure = CZembraAPIAgent::UTF8toANSI(reply.message);
        if (failure.IsEmpty())
            failure.Format("%s주문 실패!!, 거래소가 주문을 거부했습니다.", (LPCSTR)side);
        break;
    case REPLY_OK:
        break;
    }
    if (!failure.IsEmpty())
    {
        Log(failure);
        ShowOrderErrorInfo(signal, failure);
        return 0;
    }

    CString message;
    message.Format("%s 주문이 완료 되었습니다.", (LPCSTR)side);
    Log(message);
    for (const OrderFill& fill : reply.fills)
    {
        COIN_ORD_INFO info;
        MakeFillEvent(signal, reply.orderId, fill, message, info);
        SendOrderAlarm(info);
    }
    return 1;
}

// --- balances ----------------------------------------------------------------------------

namespace {

// One balance query; false (after its failure was logged, and shown unless unreadable) when no
// value came back.
bool QueryBalance(const CString& strCode, const BalanceTexts& texts, BalanceValue want, BalanceReply& reply,
                  CString& failure)
{
    CString text = CZembraAPIAgent::RequestPrivateData(kBalancePath, BalanceParams(strCode));
    if (text.IsEmpty())
    {
        failure = texts.noReply;
        return false;
    }
    reply = ReadBalanceReply(text, strCode);
    switch (reply.verdict)
    {
    case REPLY_UNREADABLE:
        failure = texts.unreadable;
        return false;
    case REPLY_NO_STATUS:
        failure = texts.noStatus;
        return false;
    case REPLY_REFUSED:
        failure = CZembraAPIAgent::UTF8toANSI(reply.message);
        if (failure.IsEmpty())
            failure = texts.noStatus;
        return false;
    case REPLY_OK:
        break;
    }
    if ((want == VALUE_MONEY && !reply.hasMoney) || (want == VALUE_QUANTITY && !reply.hasQuantity))
    {
        failure = texts.noValue;
        return false;
    }
    return true;
}

} // namespace

LONGLONG CRcmdCoinManager::GetAvailableMoney(const _AUTO_SIGNAL& signal, CString strCode, BalanceReply* pRead)
{
    BalanceReply reply;
    CString failure;
    const bool read = QueryBalance(strCode, kMoneyTexts, VALUE_MONEY, reply, failure);
    if (pRead != NULL)
        *pRead = reply;
    if (read)
        return reply.availableKrw;
    Log(failure);
    if (failure != kMoneyTexts.unreadable)
        ShowOrderErrorInfo(signal, failure);
    return -1;
}

double CRcmdCoinManager::GetHoldQuantity(const _AUTO_SIGNAL& signal, CString strCode, BalanceReply* pRead)
{
    BalanceReply reply;
    CString failure;
    const bool read = QueryBalance(strCode, kQuantityTexts, VALUE_QUANTITY, reply, failure);
    if (pRead != NULL)
        *pRead = reply;
    if (read)
        return reply.availableCoin < 0 ? 0 : reply.availableCoin;
    Log(failure);
    if (failure != kQuantityTexts.unreadable)
        ShowOrderErrorInfo(signal, failure);
    return -1;
}

// --- sizing ------------------------------------------------------------------------------

double CRcmdCoinManager::GetOrderVol(CString strCode, LONGLONG nMoney, double dPercent) const
{
    LONGLONG price = 0;
    if (!m_mapCoinPrice.Lookup(strCode, price))
        return -1;
    return OrderVolume(nMoney, dPercent, price);
}

CString CRcmdCoinManager::GetStrVolume(CString strCode, double dQuantity)
{
    return FormatVolume(strCode, dQuantity);
}

// --- orders ------------------------------------------------------------------------------

int CRcmdCoinManager::BuyOrder(const _AUTO_SIGNAL& signal)
{
    Log("자동주문: 매수주문");
    const CString code = SignalCoinCode(signal);
    BalanceReply before;
    const LONGLONG money = GetAvailableMoney(signal, code, &before);
    const double quantity = GetOrderVol(code, money, signal.dPercent);
    if (quantity == -1)
    {
        const char* text = "매수주문 실패!!, 현재가를 찾지 못했습니다.";
        Log(text);
        ShowOrderErrorInfo(signal, text);
        return 0;
    }
    const CString units = GetStrVolume(code, quantity);
    if (quantity <= 0 || !IsPositiveVolume(units))
    {
        const char* text = "매수주문 실패!!, 설정 금액 대비 환산 주문 수량이 적습니다.";
        Log(text);
        ShowOrderErrorInfo(signal, text);
        return 0;
    }

    return OrderOutcome(signal, CZembraAPIAgent::RequestPrivateData(kBuyPath, OrderParams(units, code)), &before);
}

int CRcmdCoinManager::SellOrder(const _AUTO_SIGNAL& signal)
{
    const CString code = SignalCoinCode(signal);
    BalanceReply before;
    const double quantity = GetHoldQuantity(signal, code, &before);
    if (quantity == -1)
    {
        const char* text = "매도주문 실패!!, 잔고 체크중 Zembra API에서 에러 발생";
        Log(text);
        ShowOrderErrorInfo(signal, text);
        return 0;
    }
    return SendSellOrder(signal, quantity, "매도주문 실패!!", &before);
}

// The market sell of a held quantity; nothing is sent when the quantity comes to no unit.
int CRcmdCoinManager::SendSellOrder(const _AUTO_SIGNAL& signal, double dQuantity, LPCSTR pszFailPrefix,
                                    const BalanceReply* pBefore)
{
    const CString code = SignalCoinCode(signal);
    const CString units = GetStrVolume(code, dQuantity);
    CString text;
    if (!IsPositiveVolume(units))
    {
        text.Format("%s, 매도 가능 수량이 없습니다.", pszFailPrefix);
        Log(text);
        ShowOrderErrorInfo(signal, text);
        return 0;
    }
    return OrderOutcome(signal, CZembraAPIAgent::RequestPrivateData(kSellPath, OrderParams(units, code)), pBefore);
}

int CRcmdCoinManager::OrderOutcome(const _AUTO_SIGNAL& signal, const CString& strReply, const BalanceReply* pBefore)
{
    if (!strReply.IsEmpty() && ReadOrderReply(strReply).verdict != REPLY_UNREADABLE)
        return ShowMarketOrderReturnInfo(signal, strReply);
    // No reply (a cut connection, a time-out) or no JSON: the exchange may have carried the order
    // out all the same. Posting it again could trade twice; the account tells.
    LogF("%s주문 응답을 확인할 수 없음(%s), 잔고로 체결 여부 확인", (LPCSTR)SideText(signal),
         strReply.IsEmpty() ? "응답 없음" : "해석 불가");
    return SettleFromBalance(signal, pBefore);
}

int CRcmdCoinManager::SettleFromBalance(const _AUTO_SIGNAL& signal, const BalanceReply* pBefore)
{
    SettledOutcome outcome = SETTLED_UNKNOWN;
    if (pBefore != NULL)
    {
        BalanceReply after;
        CString failure;
        if (QueryBalance(SignalCoinCode(signal), kQuantityTexts, VALUE_ANY, after, failure))
            outcome = SettleByBalance(signal.cKind == '1', *pBefore, after);
        else
            Log(failure);
    }
    const char* text = outcome == SETTLED_CARRIED_OUT       ? kSettledCarriedOut
                       : outcome == SETTLED_NOT_CARRIED_OUT ? kSettledNotCarriedOut
                                                            : kSettledUnknown;
    Log(text);
    ShowOrderErrorInfo(signal, text);
    return outcome == SETTLED_CARRIED_OUT ? 1 : 0;
}

int CRcmdCoinManager::TestBuyOrder(CString strCode, CString strUnits)
{
    _AUTO_SIGNAL signal;
    MakeServerOrderSignal(strCode, '1', signal);
    return OrderOutcome(signal, CZembraAPIAgent::RequestPrivateData(kBuyPath, OrderParams(strUnits, strCode)), NULL);
}

int CRcmdCoinManager::TestSellOrder(CString strCode, CString strQuantity)
{
    _AUTO_SIGNAL signal;
    MakeServerOrderSignal(strCode, '2', signal);
    return SendSellOrder(signal, atof(strQuantity), "매도주문 실패!!", NULL);
}
