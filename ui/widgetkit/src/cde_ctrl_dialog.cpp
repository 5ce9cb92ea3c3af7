// CCdeCtrlDlg and its notifying grid CCdeGridList.
#include "CodeDialogs.h"

#include "ResourceMap.h"
#include "WidgetKitModule.h"
#include "code_dialog_support.h"

IMPLEMENT_DYNAMIC(CCdeGridList, CGridTable)
IMPLEMENT_DYNAMIC(CCdeCtrlDlg, CBaseView)

BEGIN_MESSAGE_MAP(CCdeGridList, CGridTable)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CCdeGridList::CCdeGridList() {}

CCdeGridList::~CCdeGridList() {}

void CCdeGridList::PostToParent(int code)
{
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), reinterpret_cast<LPARAM>(m_hWnd));
}

void CCdeGridList::OnLButtonDown(UINT nFlags, CPoint point)
{
    CGridTable::OnLButtonDown(nFlags, point);
    PostToParent(NOTIFY_PRESS);
}

void CCdeGridList::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CGridTable::OnLButtonDblClk(nFlags, point);
    PostToParent(NOTIFY_DBLCLK);
}

CCdeCtrlDlg::CCdeCtrlDlg(CWnd* owner) : CBaseView(IDD, owner), m_pOwnerCtrl(owner), m_pChoice(NULL)
{
    SetResourceModule(WidgetKitInstance());
}

CCdeCtrlDlg::~CCdeCtrlDlg() {}

BOOL CCdeCtrlDlg::OnInitDialog()
{
    CBaseView::OnInitDialog();
    SetDlgWindowStyle();
    if (CWnd* cancel = GetDlgItem(IDCANCEL)) {
        if (m_btnCancel.SubclassWindow(cancel->m_hWnd)) {
            m_btnCancel.LoadBitmaps(CResourceMap::GetBitmap(904), CResourceMap::GetBitmap(905),
                                    CResourceMap::GetBitmap(906), NULL);
            m_btnCancel.MoveWindow(470, 5, 58, 20);
        }
    }
    m_grid.Create(0, 1, 2, 11, WS_CHILD | WS_VISIBLE, CRect(5, 30, 528, 262), this, IDC_GRID);
    m_grid.SetRowSelect(1);
    m_grid.SetCellStyle(0, 0, 1, 0, GCS_HEADER, 0);
    SetFrameSize(540, 300);
    return TRUE;
}

BOOL CCdeCtrlDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_GRID) {
        if (HIWORD(wParam) == CCdeGridList::NOTIFY_DBLCLK)
            OnOK();
        return TRUE;
    }
    return CBaseView::OnCommand(wParam, lParam);
}

void CCdeCtrlDlg::OnOK()
{
    EndWithChoice(this, m_pOwnerCtrl, m_pChoice);
}

void CCdeCtrlDlg::OnCancel()
{
    EndDialog(IDCANCEL);
}
