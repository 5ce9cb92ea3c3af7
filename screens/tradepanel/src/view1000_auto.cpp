// Screen 1000's switch of amount-based automatic trading: the tradable won query, start and
// stop, reset, and the state shown by the status cell, the lamp and the start/stop button.
#include "View1000.h"

#include <json/json.h>

#include <cstdlib>

#include "AutoAgent.h"
#include "ExchangeReply.h"
#include "GridTable.h"
#include "ImgButton.h"
#include "RcmdCoinManager.h"
#include "ResourceMap.h"
#include "SEdit.h"
#include "Utils.h"
#include "ZembraAPIAgent.h"

namespace {

const char kBalanceFailed[] = "view1000 잔고 조회에 실패했습니다.";

} // namespace

BOOL CView1000::ReadAvailableKrw(const CString& reply, LONGLONG& amount, CString& failure)
{
    amount = 0;
    failure = kBalanceFailed;
    Json::Value root;
    long status = 0;
    if (!ParseExchangeReply(reply, root) || !ReadReplyStatus(root, status))
        return FALSE;
    if (status != 0) {
        const Json::Value& message = root["message"];
        const CString text = message.isString() ? CZembraAPIAgent::UTF8toANSI(message.asCString()) : CString();
        failure = "view1000" + text;
        return FALSE;
    }
    const Json::Value& data = root["data"];
    if (!data.isObject())
        return FALSE;
    // A text, an array, an object or a number beyond 64 bits is a failed reading.
    return JsonToWonAmount(data["available_krw"], amount);
}

LONGLONG CView1000::QueryAvailableKrw()
{
    CString params;
    params.Format("currency=%s", (LPCSTR)m_strSelectedCode);
    const CString reply = CZembraAPIAgent::RequestPrivateData("/info/balance", params);
    LONGLONG amount = 0;
    CString failure;
    if (!ReadAvailableKrw(reply, amount, failure)) {
        CUtils::LogServer_WriteLog(failure);
        SetStatusMessage(failure);
        return 0;
    }
    return amount;
}

void CView1000::UpdateAutoState(BOOL running)
{
    if (m_pAutoStatus != NULL) {
        m_pAutoStatus->SetCellText(0, 0, running ? "자동매매 실행중" : "자동매매 실행 중지중");
        m_pAutoStatus->SetForeColor(0, 0, running ? 102 : 817, 1);
    }
    if (m_pLampButton != NULL) {
        CBitmap* lamp = CResourceMap::GetBitmap(running ? 815 : 816);
        m_pLampButton->LoadBitmaps(lamp, lamp, lamp, NULL);
        m_pLampButton->Invalidate();
    }
    if (m_pStartButton != NULL) {
        if (running)
            m_pStartButton->LoadBitmaps(CResourceMap::GetBitmap(803), CResourceMap::GetBitmap(804),
                                        CResourceMap::GetBitmap(533), NULL);
        else
            m_pStartButton->LoadBitmaps(CResourceMap::GetBitmap(800), CResourceMap::GetBitmap(801),
                                        CResourceMap::GetBitmap(802), NULL);
        m_pStartButton->Invalidate();
    }
}

void CView1000::OnQueryAmount()
{
    if (m_pAmountEdit == NULL)
        return;
    CString text;
    text.Format("%lld", static_cast<long long>(QueryAvailableKrw()));
    m_pAmountEdit->SetText(text);
}

void CView1000::OnStartStop()
{
    CAutoAgent* agent = CRcmdCoinManager::GetAutoAgent();
    const int type = agent->GetAutoType();
    if (type == CAutoAgent::AUTO_AMOUNT) {
        if (ShowMsgBox("금액별 자동주문을 정지 하시겠습니까?", 3, "예", "아니오", "") != 1)
            return;
        CRcmdCoinManager::ResetAmountAutoSignalData();
        agent->StopAutoAmountType();
        UpdateAutoState(agent->GetAutoType() == CAutoAgent::AUTO_AMOUNT);
        CUtils::LogServer_WriteLog("금액별 Stop 버튼 누름");
        CUtils::UserLog_WriteLog("자동매매", "금액별 자동매매 종료", "종료됨");
        return;
    }
    if (type != CAutoAgent::AUTO_OFF)
        return;
    const CString amount = m_pAmountEdit != NULL ? m_pAmountEdit->GetText() : CString();
    if (amount.IsEmpty()) {
        ShowMsgBox("매매 가능금액을 조회해 주세요", 1, "", "", "");
        return;
    }
    if (_atoi64(amount) <= 0) {
        ShowMsgBox("매매 가능금액을 확인해 주세요", 1, "", "", "");
        return;
    }
    // The amount only gates the start; the holder is not given it.
    if (!agent->SetAutoAmountType(0)) {
        // Refused (coin-based trading took over meanwhile): show what the holder really runs.
        UpdateAutoState(agent->GetAutoType() == CAutoAgent::AUTO_AMOUNT);
        const CString refused = "view1000 금액별 자동매매를 설정하지 못했습니다.";
        CUtils::LogServer_WriteLog(refused);
        SetStatusMessage(refused);
        return;
    }
    const CString message = "금액별 자동매매가 설정되었습니다.";
    UpdateAutoState(TRUE);
    CUtils::UserLog_WriteLog("자동매매", message, "시작");
    ShowMsgBox(message, 1, "", "", "");
    SetStatusMessage(message);
    CUtils::LogServer_WriteLog(message);
}

void CView1000::OnReset()
{
    CAutoAgent* agent = CRcmdCoinManager::GetAutoAgent();
    if (agent->GetAutoType() != CAutoAgent::AUTO_AMOUNT)
        return;
    if (ShowMsgBox("모든 금액별 자동주문이 리셋됩니다.\n계속 진행하시겠습니까?", 3, "예", "아니오", "") != 1)
        return;
    CRcmdCoinManager::ResetAmountAutoSignalData();
    if (!agent->ResetAutoAmountType()) {
        UpdateAutoState(agent->GetAutoType() == CAutoAgent::AUTO_AMOUNT);
        const CString refused = "view1000 금액별 자동매매를 리셋하지 못했습니다.";
        CUtils::LogServer_WriteLog(refused);
        SetStatusMessage(refused);
        return;
    }
    UpdateAutoState(FALSE);
    CUtils::LogServer_WriteLog("금액별 Reset 버튼 누름");
    CUtils::UserLog_WriteLog("자동매매", "금액별 자동매매 Reset", "종료됨");
}
