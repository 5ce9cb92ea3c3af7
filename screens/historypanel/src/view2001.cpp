// CView2001: start-up from its layout, the kind choices and the trade-history query with its
// report on the message line.
#include "View2001.h"

#include "InstallFolders.h"
#include "Utils.h"
#include "ZembraAPIAgent.h"

BEGIN_MESSAGE_MAP(CView2001, CMapView)
    ON_WM_COPYDATA()
    ON_BN_CLICKED(IDC_TRADE_QUERY, OnQuery)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TRADE_KIND_ALL, IDC_TRADE_KIND_SELL, OnKind)
END_MESSAGE_MAP()

CView2001::CView2001(UINT templateId, CWnd* parent) : CMapView(templateId, parent) {}

CView2001::~CView2001() {}

CString CView2001::LayoutPath()
{
    return CString(GetMapDir()) + "MF_2001.xml";
}

BOOL CView2001::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    return CMapView::PreCreateWindow(cs);
}

BOOL CView2001::InitWindow()
{
    CMapView::InitWindow();
    return 1;
}

CWnd* CView2001::GetSubControl(WORD id)
{
    return CTradeGrids::MakeSubControl(id);
}

BOOL CView2001::OnInitDialog()
{
    if (!CMapView::OnInitDialog())
        return 0;
    if (!LoadMapFile(this, LayoutPath()))
        return 0;
    InstallMsgCtrl(1);
    m_Grids.Setup(this);
    return 1;
}

BOOL CView2001::OnCopyData(CWnd* from, COPYDATASTRUCT* cds)
{
    return CBaseView::OnCopyData(from, cds);
}

void CView2001::OnKind(UINT id)
{
    m_Grids.ChooseKind(id);
}

void CView2001::OnQuery()
{
    const CString coin = m_Grids.SelectedCoin();
    if (coin.IsEmpty()) {
        AfxMessageBox(CTradeGrids::NO_COIN_MESSAGE);
        return;
    }
    TradeReply reply;
    m_Grids.Query(coin, reply);
    m_Grids.Show(reply);
    if (reply.outcome == TradeReply::FAILED) {
        SetStatusMessage("조회 실패했습니다.");
        CUtils::LogServer_WriteLog("view2001 조회 실패했습니다.");
        return;
    }
    if (reply.outcome == TradeReply::REFUSED) {
        // The log is written in the system code page, like every other line of it.
        const CString message = CZembraAPIAgent::UTF8toANSI(reply.strMessage);
        SetStatusMessage(message);
        CUtils::LogServer_WriteLog("view2001" + message);
        return;
    }
    SetStatusMessage("조회 완료 되었습니다.");
}
