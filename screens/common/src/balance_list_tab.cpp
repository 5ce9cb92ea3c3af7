// CBalanceListTab: the balance page of the account tab window.
#include "BalanceListTab.h"

#include "Utils.h"
#include "ZembraAPIAgent.h"

BEGIN_MESSAGE_MAP(CBalanceListTab, CQueryTabPage)
    ON_BN_CLICKED(IDC_BALANCE_QUERY, OnQuery)
END_MESSAGE_MAP()

CBalanceListTab::CBalanceListTab(UINT templateId, CWnd* parent, HINSTANCE resources)
    : CQueryTabPage(templateId, parent, BALANCE_TAB_LAYOUT, resources)
{
}

CWnd* CBalanceListTab::GetSubControl(WORD id)
{
    return CBalanceGrids::MakeSubControl(id);
}

void CBalanceListTab::SetupControls()
{
    m_Grids.Setup(this);
}

void CBalanceListTab::OnQuery()
{
    BalanceReply reply;
    CBalanceGrids::Query(reply);
    if (reply.outcome == BalanceReply::FAILED)
        CUtils::LogServer_WriteLog("CBalanceListTab 잔고조회 실패");
    else if (reply.outcome == BalanceReply::REFUSED)
        CUtils::LogServer_WriteLog("CBalanceListTab " + CZembraAPIAgent::UTF8toANSI(reply.strMessage));
    m_Grids.Show(reply);
}
