// CNoticeDlg: the click-ordering notice: a framed panel, the introduction, the heading and the
// cautions on the dialog label colour.
#include "NoticeDlg.h"

#include <cstring>

#include "ColorMap.h"
#include "InstallFolders.h"
#include "OrderDialogsModule.h"
#include "SStatic.h"

IMPLEMENT_DYNAMIC(CNoticeDlg, CMapView)

BEGIN_MESSAGE_MAP(CNoticeDlg, CMapView)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace {

const char kLayoutFile[] = "MF_1001_Notice.xml";
const WORD kBackColour = 613;
const CRect kFrameRect(6, 6, 512, 256);

} // namespace

const char CNoticeDlg::s_szIntroduction[] =
    " 선물옵션 클릭자동주문은 호가를 마우스로 원크릭 또는 더블클릭하여 \n 주문을 실행시키는 전문가용 주문화면입니다.\n\n"
    " 아래 유의사항을 숙지하신 후 사용하시기 바랍니다.";
const char CNoticeDlg::s_szHeading[] = " [유의 사항]";
const char CNoticeDlg::s_szCautions[] =
    " 1. 주문확인창 보기를 해제하면 호가를 클릭하는 즉시 주문이 전송됩니다.\n"
    " 2. 주문 전에 주문수량과 주문가격을 반드시 확인하시기 바랍니다.\n"
    " 3. 스탑주문은 조건이 충족되면 주문확인 없이 바로 전송됩니다.\n"
    " 4. 주문을 끌어서 호가 영역 밖에 놓으면 그 주문은 취소됩니다.\n"
    " 5. 주문 처리 속도는 사용하시는 PC와 네트워크 환경에 따라 달라질 수 있습니다.";

CNoticeDlg::CNoticeDlg(CWnd* parent) : CMapView(IDD, parent)
{
    SetResourceModule(OrderDialogsInstance());
    m_brBack.CreateSolidBrush(CColorMap::GetColor(kBackColour));
}

CNoticeDlg::~CNoticeDlg() {}

BOOL CNoticeDlg::OnInitDialog()
{
    CMapView::OnInitDialog();
    SetDlgWindowStyle();
    // The panel goes first, so the layout's texts lie over it.
    m_stFrame.CreateEx(WS_EX_CLIENTEDGE, "static", "", WS_CHILD | WS_VISIBLE, kFrameRect, this, IDC_NOTICE_FRAME);
    if (!LoadMapFile(this, CString(GetMapDir()) + kLayoutFile))
        return 0;
    SetWindowText("유의 사항");
    const struct
    {
        WORD id;
        const char* text;
    } texts[] = {
        {IDC_NOTICE_INTRO, s_szIntroduction},
        {IDC_NOTICE_HEADING, s_szHeading},
        {IDC_NOTICE_CAUTIONS, s_szCautions},
    };
    for (const auto& t : texts) {
        CWnd* control = GetControl(t.id);
        if (control == NULL)
            continue;
        // The texts of several lines are drawn from the top left, line by line.
        if (strchr(t.text, '\n') != NULL)
            control->ModifyStyle(SS_TYPEMASK, SS_LEFTNOWORDWRAP);
        control->SetWindowText(t.text);
        if (CSStatic* label = dynamic_cast<CSStatic*>(control))
            label->SetBkColor(CColorMap::GetColor(kBackColour));
    }
    return 1;
}

HBRUSH CNoticeDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = CMapView::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(m_brBack.GetSafeHandle());
    }
    return brush;
}
