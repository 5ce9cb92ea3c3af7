// Automatic-trading signals (real-time code 100): the current signal of each coin, the signal
// log, the decision to order, and the relay of every change to the open screens.
#include "RcmdCoinManager.h"

#include <string.h>

#include "RelayMsg.h"
#include "SharedData.h"
#include "manager_log.h"
#include "signal_records.h"

using namespace tokenboard;

namespace {

bool OpensPosition(const _AUTO_SIGNAL& signal)
{
    return signal.cKind == '1' && RecordText(signal.szSignalCode, sizeof signal.szSignalCode) == "B001";
}

void ClearPositions(bool (*matches)(const CString&, const CString&), const CString& strCode)
{
    CAutoSignalMap& map = *CRcmdCoinManager::GetAutoSignalList();
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        CString code;
        _AUTO_SIGNAL signal;
        map.GetNextAssoc(pos, code, signal);
        if (!matches(SignalCoinCode(signal), strCode))
            continue;
        signal.nOrdered = 0;
        signal.nAutoMode = 0;
        map.SetAt(code, signal);
    }
}

} // namespace

CString CRcmdCoinManager::GetCoinName(CString strCode)
{
    return CoinDisplayName(strCode);
}

void CRcmdCoinManager::TestSignal(const BYTE* pBody, int nLen)
{
    ProcRD100Data(pBody, nLen);
}

void CRcmdCoinManager::ProcRD100Data(const BYTE* pBody, int nLen)
{
    if (pBody == NULL || nLen < AUTO_SIGNAL_BODY_LEN)
    {
        LogF("자동주문 신호 길이 오류로 무시함 : %d바이트 (%d바이트 필요)", nLen, AUTO_SIGNAL_BODY_LEN);
        return;
    }
    Log(BodyLogText(pBody, AUTO_SIGNAL_BODY_LEN));

    _AUTO_SIGNAL signal;
    ReadSignalBody(pBody, signal);
    CString code = SignalCoinCode(signal);
    CString upper = code;
    upper.MakeUpper();
    if (!m_AutoAgent.IsCoinInRcmdList(upper))
    {
        Log("추천 대상 코인이 아니라 로그처리만 함");
        return;
    }

    const int type = m_AutoAgent.GetAutoType();
    if (type == CAutoAgent::AUTO_OFF)
    {
        m_mapAutoSignal.SetAt(code, signal);
        Log("자동주문 설정이 되어있지 않다면 데이터만 갱신");
    }
    else if (type == CAutoAgent::AUTO_AMOUNT || m_AutoAgent.IsCoinRuning(code))
        ProcAutoSignal(signal, type);

    AppendSignalLog(signal);
    RelayToScreens(m_hWnd, reinterpret_cast<LPARAM>(m_arrAutoSignalLog.back()));
}

void CRcmdCoinManager::ProcAutoSignal(_AUTO_SIGNAL& signal, int nAutoType)
{
    CString code = SignalCoinCode(signal);
    _AUTO_SIGNAL stored;
    if (!m_mapAutoSignal.Lookup(code, stored))
    {
        if (OpensPosition(signal))
        {
            Log("자동주문: 신규 진입");
            if (BuyOrder(signal))
            {
                signal.nAutoMode = nAutoType;
                signal.nOrdered = 1;
            }
        }
        m_mapAutoSignal.SetAt(code, signal);
        return;
    }

    if (stored.nOrdered == 0)
    {
        if (!OpensPosition(signal))
            return;
        signal.nAutoMode = nAutoType;
        if (BuyOrder(signal))
        {
            signal.nOrdered = 1;
            m_mapAutoSignal.SetAt(code, signal);
        }
        return;
    }

    switch (signal.cKind)
    {
    case '0':
        // The position stays as it is; the signal's figures are taken over.
        memcpy(&stored.cKind, &signal.cKind, offsetof(_AUTO_SIGNAL, nOrdered) - offsetof(_AUTO_SIGNAL, cKind));
        m_mapAutoSignal.SetAt(code, stored);
        Log("자동주문: 목표가 경우는 정보만 갱신");
        break;
    case '2':
        Log("자동주문: 매도주문");
        // A sell that did not go through leaves the position watched, so that a later sell
        // signal or a forced sell can still close it.
        if (SellOrder(signal))
            m_mapAutoSignal.SetAt(code, signal);
        else
            Log("자동주문: 매도 실패로 감시 상태 유지");
        break;
    case '1':
        if (BuyOrder(signal))
        {
            signal.nOrdered = 1;
            signal.nAutoMode = nAutoType;
            m_mapAutoSignal.SetAt(code, signal);
        }
        break;
    default:
        break;
    }
}

void CRcmdCoinManager::AppendSignalLog(const _AUTO_SIGNAL& signal)
{
    m_arrAutoSignalLog.push_back(new _AUTO_SIGNAL(signal));
    if (m_arrAutoSignalLog.size() > AUTO_SIGNAL_LOG_MAX)
    {
        delete m_arrAutoSignalLog.front();
        m_arrAutoSignalLog.erase(m_arrAutoSignalLog.begin());
    }
}

void CRcmdCoinManager::RelayToScreens(HWND hSender, LPARAM lParam)
{
    HWND main = CSharedData::GetMainFrameHandle();
    if (main == NULL || !::IsWindow(main))
        return;
    tagRelayMsg relay;
    relay.hSender = hSender;
    relay.nMessage = WM_AUTOSIGNAL_CHANGED;
    relay.wParam = WM_AUTOSIGNAL_CHANGED;
    relay.lParam = lParam;
    ::SendMessage(main, WM_RELAY_TO_SCREENS, 0, reinterpret_cast<LPARAM>(&relay));
}

void CRcmdCoinManager::NotiModifiedSignal(int nKind, _AUTO_SIGNAL* pSignal)
{
    (void)nKind;
    RelayToScreens(m_hWnd, reinterpret_cast<LPARAM>(pSignal));
}

void CRcmdCoinManager::ResetAmountAutoSignalData()
{
    if (m_AutoAgent.GetAutoType() != CAutoAgent::AUTO_AMOUNT)
        return;
    ClearPositions([](const CString&, const CString&) { return true; }, CString());
    RelayToScreens(NULL, 0);
}

void CRcmdCoinManager::ResetCoinTypeAutoSignalData(CString strCode)
{
    if (m_AutoAgent.GetAutoType() != CAutoAgent::AUTO_COIN)
        return;
    ClearPositions([](const CString& code, const CString& wanted) { return wanted == "ALL" || code == wanted; },
                   strCode);
    RelayToScreens(NULL, 0);
}

int CRcmdCoinManager::GetAutoSignalStatus(CString strCode, _AUTO_SIGNAL* pSignal)
{
    _AUTO_SIGNAL stored;
    if (!m_mapAutoSignal.Lookup(strCode, stored))
        return 0;
    if (pSignal != NULL)
        *pSignal = stored;
    return stored.nOrdered == 1 ? 1 : 2;
}
