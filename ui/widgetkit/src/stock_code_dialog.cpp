// CSTOCKCodectrlDlg: the code master by name in a grid window of twenty rows, the search by code
// or name, the initial-letter buttons and the choice sent to the owner.
#include "CodeDialogs.h"

#include <algorithm>
#include <cstring>

#include "ColorMap.h"
#include "ResourceMap.h"
#include "SharedData.h"
#include "WidgetKitModule.h"
#include "code_dialog_support.h"
#include "WidgetRules.h"

IMPLEMENT_DYNAMIC(CSTOCKCodectrlDlg, CBaseView)

BEGIN_MESSAGE_MAP(CSTOCKCodectrlDlg, CBaseView)
    ON_MESSAGE(WM_GRID_LBUTTONDOWN, OnGridLButtonDown)
    ON_MESSAGE(WM_GRID_LBUTTONDBLCLK, OnGridDblClk)
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace {

const char* const kPrefixes[CSTOCKCodectrlDlg::PREFIX_COUNT] = {
    "가", "나", "다", "라", "마", "바", "사", "아", "자", "차", "카", "타", "파", "하", "A", "1"};
const WORD kRisingName = 101;
const WORD kOtherName = 810;

CString Field(const char* field, int length)
{
    return CString(field, static_cast<int>(strnlen(field, length)));
}

void PutField(char* field, int length, const CString& text)
{
    memset(field, 0, length);
    memcpy(field, static_cast<const char*>(text), std::min(length, text.GetLength()));
}

} // namespace

tagSTOCKCODEROW MakeStockCodeRow(_API_CODE_INFO* record)
{
    tagSTOCKCODEROW row;
    memset(&row, 0, sizeof row);
    if (record == NULL)
        return row;
    row.nType = record->nMarketType;
    PutField(row.szCode, tagSTOCKCODEROW::CODE_LENGTH, CutOnCharBoundary(record->strCode, tagSTOCKCODEROW::CODE_LENGTH));
    PutField(row.szName, tagSTOCKCODEROW::NAME_LENGTH, CutOnCharBoundary(record->strName, tagSTOCKCODEROW::NAME_LENGTH));
    row.pRecord = record;
    return row;
}

int FindStockCodeRow(const std::vector<tagSTOCKCODEROW>& rows, const char* text)
{
    if (text == NULL || *text == '\0')
        return -1;
    const BOOL byCode = HasDigit(text);
    const size_t len = strlen(text);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (byCode) {
            const CString code = Field(rows[i].szCode, tagSTOCKCODEROW::CODE_LENGTH);
            if (static_cast<size_t>(code.GetLength()) >= len && strncmp(code, text, len) == 0)
                return static_cast<int>(i);
        } else if (NameReachesText(Field(rows[i].szName, tagSTOCKCODEROW::NAME_LENGTH), text)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const char* CSTOCKCodectrlDlg::PrefixText(int index)
{
    return index >= 0 && index < PREFIX_COUNT ? kPrefixes[index] : "";
}

CSTOCKCodectrlDlg::CSTOCKCodectrlDlg(CWnd* owner)
    : CBaseView(IDD, owner), m_pOwnerCtrl(owner), m_ptPlace(0, 0), m_bPlace(FALSE), m_pChoice(NULL),
      m_window(VISIBLE_ROWS)
{
    SetResourceModule(WidgetKitInstance());
}

CSTOCKCodectrlDlg::~CSTOCKCodectrlDlg() {}

BOOL CSTOCKCodectrlDlg::OnInitDialog()
{
    CBaseView::OnInitDialog();
    SetDlgWindowStyle();
    m_grid.Create(0, 1, 2, VISIBLE_ROWS + 1, WS_CHILD | WS_VISIBLE, CRect(7, 34, 220, 287), this, IDC_GRID);
    m_grid.SetRowSelect(1);
    m_grid.SetUseCellSelect(1);
    m_grid.SetColumnWidth(0, 50);
    m_grid.SetColumnWidth(1, 143);
    m_grid.SetCellStyle(0, 0, 1, 0, GCS_HEADER, 0);
    m_grid.SetCellText(0, 0, "코드");
    m_grid.SetCellText(1, 0, "종목명");
    m_grid.SetCellAlign(0, 0, 1, 0, 1, 0);

    const struct
    {
        UINT id;
        CRect rect;
    } places[] = {{IDC_SEARCH_LABEL, CRect(8, 14, 70, 27)}, {IDC_SEARCH_EDIT, CRect(49, 10, 220, 30)}};
    for (const auto& place : places)
        if (CWnd* item = GetDlgItem(place.id))
            item->MoveWindow(&place.rect);

    CBitmap* okLooks[3] = {CResourceMap::GetBitmap(916), CResourceMap::GetBitmap(917), CResourceMap::GetBitmap(918)};
    const struct
    {
        CImgButton* button;
        UINT id;
        CRect rect;
    } buttons[] = {{&m_btnOk, IDOK, CRect(40, 342, 111, 368)}, {&m_btnCancel, IDCANCEL, CRect(117, 342, 187, 368)}};
    for (const auto& b : buttons) {
        CWnd* item = GetDlgItem(b.id);
        if (item == NULL || !b.button->SubclassWindow(item->m_hWnd))
            continue;
        b.button->LoadBitmaps(okLooks[0], okLooks[1], okLooks[2], NULL);
        b.button->MoveWindow(&b.rect);
    }
    CFont* font = CSharedData::GetDefaultFont(1);
    for (int i = 0; i < PREFIX_COUNT; ++i) {
        const int x = 7 + (i % 8) * 27;
        const int y = i < 8 ? 292 : 314;
        m_btnPrefix[i].Create(kPrefixes[i], WS_CHILD | WS_VISIBLE, CRect(x, y, x + 25, y + 20), this,
                              IDC_FIRST_PREFIX + i);
        m_btnPrefix[i].LoadBitmaps(CResourceMap::GetBitmap(907), CResourceMap::GetBitmap(908),
                                   CResourceMap::GetBitmap(909), NULL);
        if (font != NULL)
            m_btnPrefix[i].SetFont(font);
    }
    SetFrameSize(230, 408);
    if (m_bPlace)
        SetWindowPos(NULL, m_ptPlace.x, m_ptPlace.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    FillRows();
    if (CWnd* edit = GetDlgItem(IDC_SEARCH_EDIT)) {
        edit->SetFocus();
        return FALSE;
    }
    return TRUE;
}

void CSTOCKCodectrlDlg::FillRows()
{
    m_rows.clear();
    ForEachStockRecord([this](_API_CODE_INFO* record) { m_rows.push_back(MakeStockCodeRow(record)); });
    // By name, ascending; equal names keep the master's order.
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const tagSTOCKCODEROW& a, const tagSTOCKCODEROW& b) {
        return strncmp(a.szName, b.szName, tagSTOCKCODEROW::NAME_LENGTH) < 0;
    });
    m_window.Reset(static_cast<int>(m_rows.size()));
    ShowRows();
}

void CSTOCKCodectrlDlg::ShowRows()
{
    m_grid.ClearSelection(1);
    for (int i = 0; i < VISIBLE_ROWS; ++i) {
        const int index = m_window.Top() + i;
        const UINT gridRow = static_cast<UINT>(i + 1);
        if (index < static_cast<int>(m_rows.size())) {
            const tagSTOCKCODEROW& row = m_rows[index];
            m_grid.SetCellText(0, gridRow, Field(row.szCode, tagSTOCKCODEROW::CODE_LENGTH));
            m_grid.SetCellText(1, gridRow, Field(row.szName, tagSTOCKCODEROW::NAME_LENGTH));
            m_grid.SetForeColor(1, gridRow, row.nType == 1 ? kRisingName : kOtherName);
        } else {
            m_grid.SetCellText(0, gridRow, "");
            m_grid.SetCellText(1, gridRow, "");
        }
    }
    const int selected = m_window.SelectedGridRow();
    if (selected > 0)
        m_grid.SelectCell(0, selected, 1, selected, 0);
    if (m_grid.m_hWnd != NULL)
        m_grid.Invalidate(FALSE);
}

void CSTOCKCodectrlDlg::SelectRow(int index)
{
    if (!m_window.Select(index))
        return;
    m_pChoice = m_rows[index].pRecord;
    ShowRows();
}

int CSTOCKCodectrlDlg::ItemCodeStringSrch(CString text)
{
    const int found = FindStockCodeRow(m_rows, text);
    if (found >= 0)
        SelectRow(found);
    return found;
}

BOOL CSTOCKCodectrlDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDC_SEARCH_EDIT && code == EN_CHANGE) {
        CString text;
        GetDlgItemText(IDC_SEARCH_EDIT, text);
        text.Trim();
        if (!text.IsEmpty())
            ItemCodeStringSrch(text);
        return TRUE;
    }
    if (id >= IDC_FIRST_PREFIX && id < IDC_FIRST_PREFIX + PREFIX_COUNT && code == BN_CLICKED) {
        ItemCodeStringSrch(kPrefixes[id - IDC_FIRST_PREFIX]);
        return TRUE;
    }
    return CBaseView::OnCommand(wParam, lParam);
}

int CSTOCKCodectrlDlg::OnKeyDown(MSG* msg)
{
    CWnd* edit = GetDlgItem(IDC_SEARCH_EDIT);
    if (edit != NULL && msg->hwnd == edit->m_hWnd) {
        CString text;
        edit->GetWindowText(text);
        text.Trim();
        if (!text.IsEmpty())
            ItemCodeStringSrch(text);
        OnOK();
    }
    return 0;
}

LRESULT CSTOCKCodectrlDlg::OnGridLButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (wParam != IDC_GRID || lParam == 0)
        return 0;
    tagGRDHITTEST hit;
    m_grid.HitTest(*reinterpret_cast<CPoint*>(lParam), &hit);
    SelectRow(m_window.RecordAt(hit));
    return 0;
}

LRESULT CSTOCKCodectrlDlg::OnGridDblClk(WPARAM wParam, LPARAM lParam)
{
    if (wParam != IDC_GRID || lParam == 0)
        return 0;
    const int index = m_window.RecordAt(*reinterpret_cast<const tagGRDHITTEST*>(lParam));
    if (index < 0)
        return 0;
    SelectRow(index);
    OnOK();
    return 0;
}

BOOL CSTOCKCodectrlDlg::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    (void)nFlags;
    (void)pt;
    m_window.Scroll(zDelta > 0 ? -3 : 3);
    ShowRows();
    return TRUE;
}

void CSTOCKCodectrlDlg::OnOK()
{
    EndWithChoice(this, m_pOwnerCtrl, m_pChoice);
}

void CSTOCKCodectrlDlg::OnCancel()
{
    EndDialog(IDCANCEL);
}
