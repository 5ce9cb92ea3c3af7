// CSTOCKCodectrlDlg: the code master by name in a record-bound list, the search by code or name,
// the initial-letter buttons and the choice sent to the owner; the binding of code rows that the
// second code search shares.
#include "CodeDialogs.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "ColorMap.h"
#include "ResourceMap.h"
#include "SharedData.h"
#include "WidgetKitModule.h"
#include "code_dialog_support.h"
#include "fitting_rows.h"
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

void ColourNameByType(void* field, tagCell* cell, void*)
{
    if (field == NULL || cell == NULL)
        return;
    int type = 0;
    memcpy(&type, field, sizeof type);
    cell->pForeColor = CColorMap::GetColorInfo(type == 1 ? kRisingName : kOtherName);
}

} // namespace

void BindStockCodeRows(CGridDataList& grid)
{
    const int centred = 1, left = 0;
    grid.SetRecordSize(sizeof(tagSTOCKCODEROW));
    grid.AddColumnDataInfo(offsetof(tagSTOCKCODEROW, szCode), tagSTOCKCODEROW::CODE_LENGTH, DT_TEXT, 0, GDF_TEXT, 0,
                           NULL, centred);
    grid.AddColumnDataInfo(offsetof(tagSTOCKCODEROW, szName), tagSTOCKCODEROW::NAME_LENGTH, DT_TEXT, 1, GDF_TEXT, 0,
                           NULL, left);
    grid.AddColumnDataInfo(offsetof(tagSTOCKCODEROW, nType), sizeof(int), DT_INT, 1, GDF_CALLBACK, 0, ColourNameByType,
                           left);
}

int CodeRowAt(CGridDataList& grid, const tagGRDHITTEST& hit)
{
    const int index = (hit.nFlags & GHT_BODY) ? hit.nRow - static_cast<int>(grid.GetRowHeadCount()) : -1;
    return index >= 0 && index < grid.GetRecordCount() ? index : -1;
}

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
    return FindStockCodeRow(static_cast<int>(rows.size()), [&rows](int i) { return &rows[i]; }, text);
}

int FindStockCodeRow(int count, const std::function<const tagSTOCKCODEROW*(int)>& rowAt, const char* text)
{
    if (text == NULL || *text == '\0')
        return -1;
    const BOOL byCode = HasDigit(text);
    const size_t len = strlen(text);
    for (int i = 0; i < count; ++i) {
        const tagSTOCKCODEROW* row = rowAt(i);
        if (row == NULL)
            continue;
        if (byCode) {
            const CString code = Field(row->szCode, tagSTOCKCODEROW::CODE_LENGTH);
            if (static_cast<size_t>(code.GetLength()) >= len && strncmp(code, text, len) == 0)
                return i;
        } else if (NameReachesText(Field(row->szName, tagSTOCKCODEROW::NAME_LENGTH), text)) {
            return i;
        }
    }
    return -1;
}

const char* CSTOCKCodectrlDlg::PrefixText(int index)
{
    return index >= 0 && index < PREFIX_COUNT ? kPrefixes[index] : "";
}

CSTOCKCodectrlDlg::CSTOCKCodectrlDlg(CWnd* owner)
    : CBaseView(IDD, owner), m_pOwnerCtrl(owner), m_ptPlace(0, 0), m_bPlace(FALSE), m_pChoice(NULL)
{
    SetResourceModule(WidgetKitInstance());
}

CSTOCKCodectrlDlg::~CSTOCKCodectrlDlg() {}

BOOL CSTOCKCodectrlDlg::OnInitDialog()
{
    CBaseView::OnInitDialog();
    SetDlgWindowStyle();
    const CRect listPlace(7, 34, 220, 287);
    FitRowsToPlace(m_grid, listPlace, BODY_ROWS + 1);
    BindStockCodeRows(m_grid);
    m_grid.SetDataListScrollbar(GDL_SCROLL_VERT);
    m_grid.Create(0, 1, 2, BODY_ROWS + 1, WS_CHILD | WS_VISIBLE, listPlace, this, IDC_GRID);
    m_grid.SetRowSelect(1);
    m_grid.SetUseCellSelect(1);
    // The choice stays marked while the focus is in the search edit or on a button.
    m_grid.KeepSelection(1);
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
    std::vector<tagSTOCKCODEROW> rows;
    ForEachStockRecord([&rows](_API_CODE_INFO* record) { rows.push_back(MakeStockCodeRow(record)); });
    m_grid.SetData(reinterpret_cast<BYTE*>(rows.data()), static_cast<int>(rows.size() * sizeof(tagSTOCKCODEROW)));
    m_grid.Sort(CODEROW_DESCRIPTION_NAME, 1); // by name, ascending
}

const tagSTOCKCODEROW* CSTOCKCodectrlDlg::GetRow(int index)
{
    return index >= 0 ? reinterpret_cast<const tagSTOCKCODEROW*>(m_grid.GetRecordPtr(index)) : NULL;
}

int CSTOCKCodectrlDlg::GetSelectedRow() const
{
    const int index = m_grid.GetSelectRow() - static_cast<int>(m_grid.GetRowHeadCount());
    return index >= 0 && index < GetRowCount() ? index : -1;
}

void CSTOCKCodectrlDlg::SelectRow(int index)
{
    const tagSTOCKCODEROW* row = GetRow(index);
    if (row == NULL)
        return;
    m_grid.SelectRowByDataIndex(index);
    m_pChoice = row->pRecord;
}

int CSTOCKCodectrlDlg::ItemCodeStringSrch(CString text)
{
    const int found = FindStockCodeRow(GetRowCount(), [this](int i) { return GetRow(i); }, text);
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
    // The list has marked the row; its record becomes the choice.
    if (const tagSTOCKCODEROW* row = GetRow(CodeRowAt(m_grid, hit)))
        m_pChoice = row->pRecord;
    return 0;
}

LRESULT CSTOCKCodectrlDlg::OnGridDblClk(WPARAM wParam, LPARAM lParam)
{
    if (wParam != IDC_GRID || lParam == 0)
        return 0;
    const tagSTOCKCODEROW* row = GetRow(CodeRowAt(m_grid, *reinterpret_cast<const tagGRDHITTEST*>(lParam)));
    if (row == NULL)
        return 0;
    m_pChoice = row->pRecord;
    OnOK();
    return 0;
}

BOOL CSTOCKCodectrlDlg::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    (void)nFlags;
    (void)pt;
    // The list scrolls itself for a wheel turned over it; elsewhere in the dialog (the search
    // edit keeps the focus) the turn scrolls it too.
    const HWND focus = ::GetFocus();
    if (m_grid.m_hWnd != NULL && focus != m_grid.m_hWnd && !::IsChild(m_grid.m_hWnd, focus))
        m_grid.SendMessage(WM_VSCROLL, zDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
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
