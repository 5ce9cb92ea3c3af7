// CFilledOrdListTab: the trade-history page of the account tab window.
#include "FilledOrdListTab.h"

#include "Utils.h"
#include "ZembraAPIAgent.h"

BEGIN_MESSAGE_MAP(CFilledOrdListTab, CQueryTabPage)
    ON_BN_CLICKED(IDC_TRADE_QUERY, OnQuery)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TRADE_KIND_ALL, IDC_TRADE_KIND_SELL, OnKind)
END_MESSAGE_MAP()

CFilledOrdListTab::CFilledOrdListTab(UINT templateId, CWnd* parent, HINSTANCE resources)
    : CQueryTabPage(templateId, parent, TRADE_TAB_LAYOUT, resources)
{
}

CWnd* CFilledOrdListTab::GetSubControl(WORD id)
{
    return CTradeGrids::MakeSubControl(id);
}

void CFilledOrdListTab::SetupControls()
{
    m_Grids.Setup(this);
}

void CFilledOrdListTab::OnKind(UINT id)
{
    m_Grids.ChooseKind(id);
}

void CFilledOrdListTab::OnQuery()
{
    const CString coin = m_Grids.SelectedCoin();
    if (coin.IsEmpty()) {
        AfxMessageBox(CTradeGrids::NO_COIN_MESSAGE);
        return;
    }
    TradeReply reply;
    m_Grids.Query(coin, reply);
    if (reply.outcome == TradeReply::FAILED)
        CUtils::LogServer_WriteLog("CFilledOrdListTab 조회 실패했습니다.");
    else if (reply.outcome == TradeReply::REFUSED)
        CUtils::LogServer_WriteLog("CFilledOrdListTab " + CZembraAPIAgent::UTF8toANSI(reply.strMessage));
    m_Grids.Show(reply);
}
