// CView2000: start-up from its layout and the balance query with its report on the message line.
#include "View2000.h"

#include "InstallFolders.h"
#include "Utils.h"
#include "ZembraAPIAgent.h"

BEGIN_MESSAGE_MAP(CView2000, CMapView)
    ON_WM_COPYDATA()
    ON_BN_CLICKED(IDC_BALANCE_QUERY, OnQuery)
END_MESSAGE_MAP()

CView2000::CView2000(UINT templateId, CWnd* parent) : CMapView(templateId, parent) {}

CView2000::~CView2000() {}

CString CView2000::LayoutPath()
{
    return CString(GetMapDir()) + "MF_2000.xml";
}

BOOL CView2000::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    return CMapView::PreCreateWindow(cs);
}

BOOL CView2000::InitWindow()
{
    CMapView::InitWindow();
    return 1;
}

CWnd* CView2000::GetSubControl(WORD id)
{
    return CBalanceGrids::MakeSubControl(id);
}

BOOL CView2000::OnInitDialog()
{
    if (!CMapView::OnInitDialog())
        return 0;
    if (!LoadMapFile(this, LayoutPath()))
        return 0;
    InstallMsgCtrl(1);
    m_Grids.Setup(this);
    return 1;
}

BOOL CView2000::OnCopyData(CWnd* from, COPYDATASTRUCT* cds)
{
    return CBaseView::OnCopyData(from, cds);
}

void CView2000::OnQuery()
{
    BalanceReply reply;
    CBalanceGrids::Query(reply);
    if (reply.outcome == BalanceReply::FAILED) {
        SetStatusMessage("잔고 조회에 실패했습니다.");
        CUtils::LogServer_WriteLog("view2000 잔고 조회에 실패했습니다.");
        return;
    }
    if (reply.outcome == BalanceReply::REFUSED) {
        // The log is written in the system code page, like every other line of it.
        const CString message = CZembraAPIAgent::UTF8toANSI(reply.strMessage);
        SetStatusMessage(message);
        CUtils::LogServer_WriteLog("view2000" + message);
        return;
    }
    m_Grids.Show(reply);
    SetStatusMessage("조회 완료 되었습니다.");
}
