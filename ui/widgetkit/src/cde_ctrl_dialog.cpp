// CCdeCtrlDlg and its notifying list of code rows CCdeGridList.
#include "CodeDialogs.h"

#include "ResourceMap.h"
#include "WidgetKitModule.h"
#include "code_dialog_support.h"
#include "fitting_rows.h"

IMPLEMENT_DYNAMIC(CCdeGridList, CGridList)
IMPLEMENT_DYNAMIC(CCdeCtrlDlg, CBaseView)

BEGIN_MESSAGE_MAP(CCdeGridList, CGridDataList)
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
    CGridDataList::OnLButtonDown(nFlags, point);
    PostToParent(NOTIFY_PRESS);
}

void CCdeGridList::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CGridDataList::OnLButtonDblClk(nFlags, point);
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
    const CRect place(5, 30, 528, 262);
    FitRowsToPlace(m_grid, place, BODY_ROWS + 1);
    BindStockCodeRows(m_grid);
    m_grid.SetDataListScrollbar(GDL_SCROLL_VERT);
    m_grid.Create(0, 1, 2, BODY_ROWS + 1, WS_CHILD | WS_VISIBLE, place, this, IDC_GRID);
    m_grid.SetRowSelect(1);
    m_grid.KeepSelection(1);
    m_grid.SetCellStyle(0, 0, 1, 0, GCS_HEADER, 0);
    // The code column as the first search dialog has it, the name the rest less the bar.
    m_grid.SetColumnWidth(0, 100);
    m_grid.SetColumnWidth(1, place.Width() - 100 - 3 - 17);
    m_grid.SetCellText(0, 0, "코드");
    m_grid.SetCellText(1, 0, "종목명");
    m_grid.SetCellAlign(0, 0, 1, 0, 1, 0);
    SetFrameSize(540, 300);
    return TRUE;
}

BOOL CCdeCtrlDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_GRID) {
        ChoosePressed();
        if (HIWORD(wParam) == CCdeGridList::NOTIFY_DBLCLK)
            OnOK();
        return TRUE;
    }
    return CBaseView::OnCommand(wParam, lParam);
}

void CCdeCtrlDlg::ChoosePressed()
{
    // The list has selected the pressed row (its rows, the header row counted).
    const int index = m_grid.GetSelectRow() - static_cast<int>(m_grid.GetRowHeadCount());
    const BYTE* record = index >= 0 ? m_grid.GetRecordPtr(index) : NULL;
    if (record != NULL)
        m_pChoice = reinterpret_cast<const tagSTOCKCODEROW*>(record)->pRecord;
}

void CCdeCtrlDlg::OnOK()
{
    EndWithChoice(this, m_pOwnerCtrl, m_pChoice);
}

void CCdeCtrlDlg::OnCancel()
{
    EndDialog(IDCANCEL);
}
