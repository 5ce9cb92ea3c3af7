// CDlgAccCfm: every account with the state of its password check, checked one by one or as a
// batch that this machine answers in steps.
#include "AccountCtrl.h"
#include "AccountDialogs.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "ColorMap.h"
#include "SharedData.h"
#include "WidgetKitModule.h"
#include "fitting_rows.h"

IMPLEMENT_DYNAMIC(CDlgAccCfm, CBaseView)

BEGIN_MESSAGE_MAP(CDlgAccCfm, CBaseView)
    ON_MESSAGE(WM_ACCPWD_ANSWER, OnAnswer)
    ON_MESSAGE(WM_ACCCFM_NEXTSTEP, OnNextStep)
    ON_MESSAGE(WM_GRID_LBUTTONDBLCLK, OnGridDblClk)
    ON_MESSAGE(WM_GRID_SETEDITDATA, OnGridEdited)
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace {

const char kConfirmed[] = "확인";
const char kUnconfirmed[] = "미확인";
const char kMismatch[] = "불일치";
const char kUnfinished[] = " 비밀번호 확인작업이 완료되지 않았습니다. \n\n 계좌비밀번호 확인 메뉴를 이용하여 일괄 확인이 가능합니다.";
const int kColumn[4] = {100, 100, 63, 60};
const char* const kHeader[4] = {"계좌번호", "계좌명", "비밀번호", "확인결과"};
const int kPasswordColumn = 2;
const int kCentred = 1;

// Copies text into a terminated field of n bytes, cut to it.
template <size_t N>
void PutText(char (&field)[N], const char* text)
{
    memset(field, 0, N);
    if (text != NULL)
        memcpy(field, text, strnlen(text, N - 1));
}

void SetResult(tagACCOUNTLIST& row, const char* text, char state)
{
    PutText(row.szResult, text);
    row.cState = state;
}

// The result column's colour from the row's state byte.
void ColourResultByState(void* field, tagCell* cell, void*)
{
    if (field != NULL && cell != NULL)
        cell->pForeColor = CColorMap::GetColorInfo(CDlgAccCfm::ResultColour(*static_cast<const char*>(field)));
}

} // namespace

CDlgAccCfm::CDlgAccCfm(CWnd* parent)
    : CBaseView(IDD, parent), m_bRunning(FALSE), m_nEntries(0), m_nPos(0), m_nStep(0)
{
    SetResourceModule(WidgetKitInstance());
    memset(m_szEntries, ' ', sizeof m_szEntries);
}

CDlgAccCfm::~CDlgAccCfm() {}

WORD CDlgAccCfm::ResultColour(char state)
{
    return state == ACCSTATE_MISMATCH ? 102 : state == ACCSTATE_CONFIRMED ? 103 : 101;
}

BOOL CDlgAccCfm::OnInitDialog()
{
    CBaseView::OnInitDialog();
    SetDlgWindowStyle();
    const CRect place(4, 4, 348, 185);
    FitRowsToPlace(m_grid, place, BODY_ROWS + 1);
    m_grid.SetRecordSize(sizeof(tagACCOUNTLIST));
    m_grid.SetDataListScrollbar(GDL_SCROLL_VERT);
    m_grid.Create(0, 1, 4, BODY_ROWS + 1, WS_CHILD | WS_VISIBLE, place, this, IDC_GRID);
    m_grid.SetRowSelect(1);
    m_grid.SetUseCellSelect(1);
    // The selected row stays marked while a button is pressed for it.
    m_grid.KeepSelection(1);
    for (int c = 0; c < 4; ++c) {
        m_grid.SetColumnWidth(c, kColumn[c]);
        m_grid.SetCellText(c, 0, kHeader[c]);
    }
    m_grid.SetCellStyle(0, 0, 3, 0, GCS_HEADER, 0);
    m_grid.SetCellStyle(kPasswordColumn, 1, kPasswordColumn, BODY_ROWS, GCS_EDIT, 0);
    m_grid.SetCellAlign(0, 0, 3, 0, kCentred, 0);
    m_grid.AddColumnDataInfo(offsetof(tagACCOUNTLIST, szAccount), sizeof(tagACCOUNTLIST::szAccount), DT_TEXT, 0,
                             GDF_TEXT, 0, NULL, kCentred);
    m_grid.AddColumnDataInfo(offsetof(tagACCOUNTLIST, szName), sizeof(tagACCOUNTLIST::szName), DT_TEXT, 1, GDF_TEXT,
                             0, NULL, kCentred);
    m_grid.AddColumnDataInfo(offsetof(tagACCOUNTLIST, szPassword), sizeof(tagACCOUNTLIST::szPassword), DT_TEXT,
                             kPasswordColumn, GDF_MASK, 0, NULL, kCentred);
    m_grid.AddColumnDataInfo(offsetof(tagACCOUNTLIST, szResult), sizeof(tagACCOUNTLIST::szResult), DT_TEXT, 3,
                             GDF_TEXT, 0, NULL, kCentred);
    m_grid.AddColumnDataInfo(offsetof(tagACCOUNTLIST, cState), 1, DT_FLAG, 3, GDF_CALLBACK, 0, ColourResultByState,
                             kCentred);

    tagBtnColor looks[4];
    for (int i = 0; i < 3; ++i) {
        const WORD first = static_cast<WORD>(601 + i * 4);
        looks[i] = {CColorMap::GetColor(first), CColorMap::GetColor(first + 1), CColorMap::GetColor(first + 2),
                    CColorMap::GetColor(first + 3)};
    }
    looks[3] = {CColorMap::GetColor(601), CColorMap::GetColor(602), 0, 0};
    const struct
    {
        UINT id;
        const char* text;
        CRect rect;
    } buttons[4] = {{IDC_BATCH_INPUT, "일괄입력", CRect(4, 190, 84, 216)},
                    {IDC_BATCH_CHECK, "일괄확인", CRect(88, 190, 168, 216)},
                    {IDC_CHECK_ONE, "개별확인", CRect(172, 190, 252, 216)},
                    {IDC_CLOSE, "닫기", CRect(256, 190, 336, 216)}};
    CFont* font = CSharedData::GetDefaultFont(1);
    for (int i = 0; i < 4; ++i) {
        m_btn[i].Create(buttons[i].text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, buttons[i].rect, this, buttons[i].id);
        m_btn[i].LoadColors(&looks[0], &looks[1], &looks[2], &looks[3]);
        if (font != NULL)
            m_btn[i].SetFont(font);
    }
    m_wndReceiver.Create("static", "", WS_CHILD, CRect(0, 0, 0, 0), this, 0xFFFF);
    SetFrameSize(354, 246);
    CenterWindow(GetDesktopWindow());
    FillRows();
    return TRUE;
}

void CDlgAccCfm::FillRows()
{
    std::vector<tagACCOUNTLIST> rows;
    for (int i = 0; i < CSharedData::GetAccountCount(); ++i) {
        tagAccount* account = NULL;
        if (!CSharedData::GetAccount(i, &account))
            continue;
        tagACCOUNTLIST row;
        memset(&row, 0, sizeof row);
        PutText(row.szAccount, account->strAccount);
        PutText(row.szName, account->strName);
        row.cKind = static_cast<char>(account->nKind);
        if (!account->strPassword.IsEmpty()) {
            PutText(row.szPassword, account->strPassword);
            SetResult(row, kConfirmed, ACCSTATE_CONFIRMED);
        } else {
            SetResult(row, kUnconfirmed, ACCSTATE_UNCHECKED);
        }
        rows.push_back(row);
    }
    m_grid.SetData(reinterpret_cast<BYTE*>(rows.data()), static_cast<int>(rows.size() * sizeof(tagACCOUNTLIST)));
}

const tagACCOUNTLIST& CDlgAccCfm::GetRow(int index)
{
    static const tagACCOUNTLIST none = {};
    const BYTE* record = m_grid.GetRecordPtr(index);
    return record != NULL && index >= 0 ? *reinterpret_cast<const tagACCOUNTLIST*>(record) : none;
}

void CDlgAccCfm::PutRow(int index, const tagACCOUNTLIST& row)
{
    tagACCOUNTLIST copy = row;
    m_grid.UpdateRecord(index, reinterpret_cast<BYTE*>(&copy), sizeof copy);
}

int CDlgAccCfm::GetSelectedRow() const
{
    // The list keeps the selected row in its own rows, the header row counted.
    const int index = m_grid.GetSelectRow() - 1;
    return index >= 0 && index < GetRowCount() ? index : -1;
}

void CDlgAccCfm::SelectRow(int index)
{
    m_grid.SelectRowByDataIndex(index);
}

BOOL CDlgAccCfm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_CHECK_ONE:
            CheckOne(GetSelectedRow());
            return TRUE;
        case IDC_BATCH_INPUT:
            CopyPasswordToAll();
            return TRUE;
        case IDC_BATCH_CHECK:
            StartBatch();
            return TRUE;
        case IDC_CLOSE:
            Close();
            return TRUE;
        default:
            break;
        }
    }
    return CBaseView::OnCommand(wParam, lParam);
}

void CDlgAccCfm::CheckOne(int index)
{
    if (index < 0 || index >= GetRowCount())
        return;
    tagACCOUNTLIST row = GetRow(index);
    tagAccount* kept = CSharedData::GetAccount(row.szAccount);
    tagAccount account;
    if (kept != NULL)
        account = *kept;
    account.strAccount = row.szAccount;
    account.strName = row.szName;
    if (!GetAccountPWD(this, &account, TRUE))
        return;
    PutText(row.szPassword, account.strPassword);
    SetResult(row, kConfirmed, ACCSTATE_CONFIRMED);
    PutRow(index, row);
}

void CDlgAccCfm::CopyPasswordToAll()
{
    char password[sizeof(tagACCOUNTLIST::szPassword)] = "";
    const int selected = GetSelectedRow();
    if (selected >= 0)
        memcpy(password, GetRow(selected).szPassword, sizeof password);
    for (int i = 0; i < GetRowCount(); ++i) {
        tagACCOUNTLIST row = GetRow(i);
        memcpy(row.szPassword, password, sizeof password);
        PutRow(i, row);
    }
}

void CDlgAccCfm::StartBatch()
{
    if (m_bRunning)
        return;
    int count = 0;
    memset(m_szEntries, ' ', sizeof m_szEntries);
    for (int i = 0; i < GetRowCount() && count < ACCCFM_MAX_ENTRIES; ++i) {
        const tagACCOUNTLIST& row = GetRow(i);
        if (row.szPassword[0] == '\0')
            continue;
        MakeBatchEntry(row.cKind, row.szAccount, row.szPassword, m_szEntries + count * ACCCFM_ENTRY_SIZE);
        ++count;
    }
    if (count == 0)
        return;
    GetDlgItem(IDC_BATCH_CHECK)->EnableWindow(FALSE);
    GetDlgItem(IDC_CLOSE)->EnableWindow(FALSE);
    m_bRunning = TRUE;
    m_nEntries = count;
    m_nPos = 0;
    m_nStep = std::min(count, ACCCFM_BATCH_STEP);
    PostMessage(WM_ACCCFM_NEXTSTEP);
}

LRESULT CDlgAccCfm::OnNextStep(WPARAM, LPARAM)
{
    RunBatchStep();
    return 0;
}

void CDlgAccCfm::RunBatchStep()
{
    if (!m_bRunning)
        return;
    // Nothing holds a password to compare with: the session keeps what the user gives, as a
    // single check does.
    const int end = std::min(m_nEntries, m_nPos + m_nStep);
    for (; m_nPos < end; ++m_nPos) {
        tagACCPWDRESULT result;
        memset(&result, 0, sizeof result);
        result.nOk = 1;
        const char* entry = m_szEntries + m_nPos * ACCCFM_ENTRY_SIZE;
        CString account(entry + 1, 20);
        account.TrimRight();
        PutText(result.szAccount, account);
        SendMessage(WM_ACCPWD_ANSWER, ACCPWD_BATCH_RESULT, reinterpret_cast<LPARAM>(&result));
    }
    if (m_nPos < m_nEntries)
        PostMessage(WM_ACCCFM_NEXTSTEP);
    else
        SendMessage(WM_ACCPWD_ANSWER, ACCPWD_BATCH_END, 0);
}

LRESULT CDlgAccCfm::OnAnswer(WPARAM wParam, LPARAM lParam)
{
    if (wParam == ACCPWD_BATCH_RESULT && lParam != 0) {
        const tagACCPWDRESULT* result = reinterpret_cast<const tagACCPWDRESULT*>(lParam);
        const CString account(result->szAccount, static_cast<int>(strnlen(result->szAccount, sizeof result->szAccount)));
        for (int i = 0; i < GetRowCount(); ++i) {
            tagACCOUNTLIST row = GetRow(i);
            if (AccountWithoutDashes(row.szAccount) != account)
                continue;
            if (result->nOk) {
                SetResult(row, kConfirmed, ACCSTATE_CONFIRMED);
                if (tagAccount* kept = CSharedData::GetAccount(row.szAccount))
                    kept->strPassword = row.szPassword;
            } else {
                SetResult(row, kMismatch, ACCSTATE_MISMATCH);
            }
            PutRow(i, row);
            break;
        }
    } else if (wParam == ACCPWD_BATCH_END) {
        GetDlgItem(IDC_BATCH_CHECK)->EnableWindow(TRUE);
        GetDlgItem(IDC_CLOSE)->EnableWindow(TRUE);
        m_bRunning = FALSE;
    }
    return 0;
}

LRESULT CDlgAccCfm::OnGridDblClk(WPARAM wParam, LPARAM lParam)
{
    if (wParam != IDC_GRID || lParam == 0)
        return 0;
    // The list hit-tests in its own rows (the header row counted).
    const tagGRDHITTEST* hit = reinterpret_cast<const tagGRDHITTEST*>(lParam);
    const int index = (hit->nFlags & GHT_BODY) ? hit->nRow - 1 : -1;
    if (index < 0 || index >= GetRowCount())
        return 0;
    SelectRow(index);
    CheckOne(index);
    return 0;
}

LRESULT CDlgAccCfm::OnGridEdited(WPARAM wParam, LPARAM lParam)
{
    // The list has written the text into the row; a password is kept without the blanks
    // around it, as the password dialog keeps it.
    const int index = static_cast<int>(HIWORD(wParam)) - 1;
    if (LOWORD(wParam) != kPasswordColumn || index < 0 || index >= GetRowCount())
        return 0;
    CString typed(lParam != 0 ? reinterpret_cast<const char*>(lParam) : "");
    typed.Trim();
    tagACCOUNTLIST row = GetRow(index);
    PutText(row.szPassword, typed);
    PutRow(index, row);
    return 0;
}

BOOL CDlgAccCfm::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    (void)nFlags;
    (void)pt;
    // The list scrolls itself for a wheel turned over it; elsewhere in the dialog the turn
    // scrolls it too.
    const HWND focus = ::GetFocus();
    if (m_grid.m_hWnd != NULL && focus != m_grid.m_hWnd && !::IsChild(m_grid.m_hWnd, focus))
        m_grid.SendMessage(WM_VSCROLL, zDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
    return TRUE;
}

void CDlgAccCfm::Close()
{
    if (m_bRunning)
        MessageBox(kUnfinished, "Molvane", MB_OK | MB_ICONINFORMATION);
    m_bRunning = FALSE;
    EndDialog(IDCANCEL);
}

void CDlgAccCfm::OnCancel()
{
    Close();
}
