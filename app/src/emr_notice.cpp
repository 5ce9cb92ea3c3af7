// The notice window of exchange errors.
#include "EMRNotice.h"

#include <cstring>

#include "ColorMap.h"
#include "GridDefs.h"
#include "ResourceMap.h"
#include "SharedData.h"
#include "ZembraRecords.h"
#include "../res/SessionResource.h"

static_assert(sizeof(tagAPIErrorNotice) == 260, "the notice record is 260 bytes");

BEGIN_MESSAGE_MAP(CEMRNotice, CDialog)
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_GRID_LBUTTONDOWN, OnGridLButtonDown)
    ON_BN_CLICKED(IDC_NOTICE_OK, OnOKButton)
END_MESSAGE_MAP()

namespace {

const WORD kBackColour = 201;
const UINT kListRows = 9; // the header and the rows the list's height shows
const int kTextRowHeight = 121;

} // namespace

CEMRNotice::CEMRNotice(CWnd* pParent, CWnd** slot) : CDialog(IDD_NOTICE, pParent), m_pSlot(slot) {}

CEMRNotice::~CEMRNotice() {}

CString CEMRNotice::FieldText(const char* field, size_t size)
{
    CString text(field, (int)strnlen(field, size));
    text.Trim();
    return text;
}

BOOL CEMRNotice::Create()
{
    if (!CDialog::Create(IDD_NOTICE, m_pParentWnd))
        return FALSE;
    ShowWindow(SW_SHOW);
    CenterWindow(GetDesktopWindow());
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(NULL, window.left, window.top, NOTICE_WIDTH, NOTICE_HEIGHT, SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CEMRNotice::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brBack.CreateSolidBrush(CColorMap::GetColor(kBackColour));

    m_list.SetDataListScrollbar(GDL_SCROLL_VERT);
    if (m_list.Create(0, 1, 2, kListRows, WS_CHILD | WS_VISIBLE, CRect(4, 4, 306, 166), this, IDC_NOTICE_LIST)) {
        m_list.SetColumnWidth(0, 70);
        m_list.SetColumnWidth(1, 212);
        m_list.SetCellText(0, 0, "시간");
        m_list.SetCellText(1, 0, "제목");
        m_list.SetRecordSize(sizeof(tagAPIErrorNotice));
        m_list.SetRowSelect(1);
        m_list.KeepSelection(1);
        m_list.AddColumnDataInfo(offsetof(tagAPIErrorNotice, szTime), sizeof(tagAPIErrorNotice::szTime), DT_TEXT, 0,
                                 GDF_TEXT, 0, NULL, 1);
        m_list.AddColumnDataInfo(offsetof(tagAPIErrorNotice, szTitle), sizeof(tagAPIErrorNotice::szTitle), DT_TEXT,
                                 1, GDF_TEXT, 0, NULL, 0);
    }

    if (m_table.Create(0, 0, 2, 2, WS_CHILD | WS_VISIBLE, CRect(4, 168, 306, 314), this, IDC_NOTICE_TABLE)) {
        m_table.SetColumnWidth(0, 70);
        m_table.SetColumnWidth(1, 229);
        m_table.SetUseCellSelect(0);
        m_table.SetCellText(0, 0, "제  목");
        m_table.SetCellStyle(0, 0, GCS_HEADER);
        m_table.SetBackColor(1, 0, kBackColour);
        m_table.SetRowHeight(1, kTextRowHeight);
        m_table.Merge(0, 1, 1, 1);
        CRect cell = m_table.GetCellRect(0, 1);
        m_table.ClientToScreen(&cell);
        ScreenToClient(&cell);
        CRect place(cell.left + 3, cell.top + 3, cell.right - 3, cell.bottom - 30);
        m_edit.CreateEx(0, "EDIT", "",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, place, this,
                        IDC_NOTICE_TEXT);
        if (CFont* font = CSharedData::GetDefaultFont(1))
            m_edit.SetFont(font);
        // The edit lies over the table: it must stay on top of the table's painting.
        m_edit.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_table.ModifyStyle(0, WS_CLIPSIBLINGS);
    }

    m_btnOK.Create("확인", WS_CHILD | WS_VISIBLE, CRect(123, 325, 203, 345), this, IDC_NOTICE_OK);
    m_btnOK.LoadBitmaps(CResourceMap::GetBitmap(904), CResourceMap::GetBitmap(905), CResourceMap::GetBitmap(906), NULL);
    return TRUE;
}

void CEMRNotice::AddNotice(const tagAPIErrorNotice& notice)
{
    if (m_list.GetSafeHwnd() == NULL)
        return;
    tagAPIErrorNotice copy = notice;
    m_list.InsertRecord(reinterpret_cast<BYTE*>(&copy), sizeof copy);
    while (m_list.GetRecordCount() > NOTICE_MAX_RECORDS)
        m_list.RemoveRecord(m_list.GetRecordCount() - 1, 1);
    ShowRecord(0);
    ShowWindow(SW_SHOW);
}

BOOL CEMRNotice::ShowRecord(int index)
{
    if (index < 0 || index >= m_list.GetRecordCount())
        return FALSE;
    const tagAPIErrorNotice* notice = reinterpret_cast<const tagAPIErrorNotice*>(m_list.GetRecordPtr(index));
    if (notice == NULL)
        return FALSE;
    if (m_table.GetSafeHwnd() != NULL)
        m_table.SetCellText(1, 0, FieldText(notice->szTitle, sizeof notice->szTitle), 1);
    if (m_edit.GetSafeHwnd() != NULL)
        m_edit.SetWindowText(FieldText(notice->szMessage, sizeof notice->szMessage));
    return TRUE;
}

LRESULT CEMRNotice::OnGridLButtonDown(WPARAM wParam, LPARAM lParam)
{
    const CPoint* point = reinterpret_cast<const CPoint*>(lParam);
    if (wParam != IDC_NOTICE_LIST || point == NULL)
        return 0;
    tagGRDHITTEST hit = {};
    m_list.HitTest(*point, &hit);
    // The list's hit test counts rows of records (the scrolled-away ones included).
    if (hit.nFlags & GHT_BODY)
        ShowRecord((hit.nRow - (int)m_list.GetRowHeadCount()) / m_list.GetRepeatCount());
    return 0;
}

void CEMRNotice::OnOKButton()
{
    ShowWindow(SW_HIDE);
}

void CEMRNotice::OnOK()
{
    ShowWindow(SW_HIDE);
}

void CEMRNotice::OnCancel()
{
    // The close box and Esc hide it as its button does; the frame's end destroys it.
    ShowWindow(SW_HIDE);
}

HBRUSH CEMRNotice::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_DLG && m_brBack.GetSafeHandle() != NULL)
        return (HBRUSH)m_brBack.GetSafeHandle();
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

BOOL CEMRNotice::OnEraseBkgnd(CDC* pDC)
{
    if (m_brBack.GetSafeHandle() == NULL)
        return CDialog::OnEraseBkgnd(pDC);
    CRect client;
    GetClientRect(&client);
    pDC->FillRect(&client, &m_brBack);
    return TRUE;
}

void CEMRNotice::PostNcDestroy()
{
    if (m_pSlot != NULL && *m_pSlot == this)
        *m_pSlot = NULL;
    delete this;
}
