// CDlgAccCfm: every account with the state of its password check, checked one by one or as a
// batch that this machine answers in steps.
#include "AccountCtrl.h"
#include "AccountDialogs.h"

#include <algorithm>
#include <cstring>

#include "ColorMap.h"
#include "SharedData.h"
#include "WidgetKitModule.h"

IMPLEMENT_DYNAMIC(CDlgAccCfm, CBaseView)

BEGIN_MESSAGE_MAP(CDlgAccCfm, CBaseView)
    ON_MESSAGE(WM_ACCPWD_ANSWER, OnAnswer)
    ON_MESSAGE(WM_ACCCFM_NEXTSTEP, OnNextStep)
    ON_MESSAGE(WM_GRID_LBUTTONDOWN, OnGridLButtonDown)
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

} // namespace

CDlgAccCfm::CDlgAccCfm(CWnd* parent)
    : CBaseView(IDD, parent), m_window(VISIBLE_ROWS), m_bRunning(FALSE), m_nEntries(0), m_nPos(0), m_nStep(0)
{
    SetResourceModule(WidgetKitInstance());
    memset(m_szEntries, ' ', sizeof m_szEntries);
}

CDlgAccCfm::~CDlgAccCfm() {}

BOOL CDlgAccCfm::OnInitDialog()
{
    CBaseView::OnInitDialog();
    SetDlgWindowStyle();
    m_grid.Create(0, 1, 4, VISIBLE_ROWS + 1, WS_CHILD | WS_VISIBLE, CRect(4, 4, 348, 185), this, IDC_GRID);
    m_grid.SetRowSelect(1);
    m_grid.SetUseCellSelect(1);
    for (int c = 0; c < 4; ++c) {
        m_grid.SetColumnWidth(c, kColumn[c]);
        m_grid.SetCellText(c, 0, kHeader[c]);
    }
    m_grid.SetCellStyle(0, 0, 3, 0, GCS_HEADER, 0);
    m_grid.SetCellStyle(2, 1, 2, VISIBLE_ROWS, GCS_EDIT, 0);
    m_grid.SetCellAlign(0, 0, 3, VISIBLE_ROWS, 1, 0);

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
    m_rows.RemoveAll();
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
        m_rows.Add(row);
    }
    m_window.Reset(GetRowCount());
    ShowRows();
}

WORD CDlgAccCfm::GetResultColour(int index) const
{
    const char state = m_rows[index].cState;
    return state == ACCSTATE_MISMATCH ? 102 : state == ACCSTATE_CONFIRMED ? 103 : 101;
}

void CDlgAccCfm::ShowRows()
{
    m_grid.ClearSelection(1);
    for (int i = 0; i < VISIBLE_ROWS; ++i) {
        const int index = m_window.Top() + i;
        const UINT gridRow = static_cast<UINT>(i + 1);
        if (index < GetRowCount()) {
            const tagACCOUNTLIST& row = m_rows[index];
            m_grid.SetCellText(0, gridRow, row.szAccount);
            m_grid.SetCellText(1, gridRow, row.szName);
            m_grid.SetCellText(2, gridRow, CString('*', static_cast<int>(strlen(row.szPassword))));
            m_grid.SetCellText(3, gridRow, row.szResult);
            m_grid.SetForeColor(3, gridRow, GetResultColour(index));
        } else {
            for (UINT c = 0; c < 4; ++c)
                m_grid.SetCellText(c, gridRow, "");
        }
    }
    const int selected = m_window.SelectedGridRow();
    if (selected > 0)
        m_grid.SelectCell(0, selected, 3, selected, 0);
    if (m_grid.m_hWnd != NULL)
        m_grid.Invalidate(FALSE);
}

void CDlgAccCfm::SelectRow(int index)
{
    if (m_window.Select(index))
        ShowRows();
}

BOOL CDlgAccCfm::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_CHECK_ONE:
            CheckOne(m_window.Selected());
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
    tagAccount* kept = CSharedData::GetAccount(m_rows[index].szAccount);
    tagAccount account;
    if (kept != NULL)
        account = *kept;
    account.strAccount = m_rows[index].szAccount;
    account.strName = m_rows[index].szName;
    if (!GetAccountPWD(this, &account, TRUE))
        return;
    PutText(m_rows[index].szPassword, account.strPassword);
    SetResult(m_rows[index], kConfirmed, ACCSTATE_CONFIRMED);
    ShowRows();
}

void CDlgAccCfm::CopyPasswordToAll()
{
    char password[sizeof(tagACCOUNTLIST::szPassword)] = "";
    const int selected = m_window.Selected();
    if (selected >= 0 && selected < GetRowCount())
        memcpy(password, m_rows[selected].szPassword, sizeof password);
    for (int i = 0; i < GetRowCount(); ++i)
        memcpy(m_rows[i].szPassword, password, sizeof password);
    ShowRows();
}

void CDlgAccCfm::StartBatch()
{
    if (m_bRunning)
        return;
    int count = 0;
    memset(m_szEntries, ' ', sizeof m_szEntries);
    for (int i = 0; i < GetRowCount() && count < ACCCFM_MAX_ENTRIES; ++i) {
        const tagACCOUNTLIST& row = m_rows[i];
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
            tagACCOUNTLIST& row = m_rows[i];
            if (AccountWithoutDashes(row.szAccount) != account)
                continue;
            if (result->nOk) {
                SetResult(row, kConfirmed, ACCSTATE_CONFIRMED);
                if (tagAccount* kept = CSharedData::GetAccount(row.szAccount))
                    kept->strPassword = row.szPassword;
            } else {
                SetResult(row, kMismatch, ACCSTATE_MISMATCH);
            }
            break;
        }
        ShowRows();
    } else if (wParam == ACCPWD_BATCH_END) {
        GetDlgItem(IDC_BATCH_CHECK)->EnableWindow(TRUE);
        GetDlgItem(IDC_CLOSE)->EnableWindow(TRUE);
        m_bRunning = FALSE;
    }
    return 0;
}

LRESULT CDlgAccCfm::OnGridLButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (wParam != IDC_GRID || lParam == 0)
        return 0;
    tagGRDHITTEST hit;
    m_grid.HitTest(*reinterpret_cast<CPoint*>(lParam), &hit);
    m_window.Select(m_window.RecordAt(hit));
    return 0;
}

LRESULT CDlgAccCfm::OnGridDblClk(WPARAM wParam, LPARAM lParam)
{
    if (wParam != IDC_GRID || lParam == 0)
        return 0;
    const int index = m_window.RecordAt(*reinterpret_cast<const tagGRDHITTEST*>(lParam));
    if (m_window.Select(index))
        CheckOne(index);
    return 0;
}

LRESULT CDlgAccCfm::OnGridEdited(WPARAM wParam, LPARAM lParam)
{
    if (wParam != IDC_GRID)
        return 0;
    const int column = LOWORD(lParam);
    const int index = m_window.RecordAt(HIWORD(lParam));
    if (column != 2 || index < 0)
        return 0;
    CString typed = m_grid.GetCellText(2, HIWORD(lParam));
    typed.Trim();
    // An unchanged mask leaves the password as it was.
    if (typed != CString('*', static_cast<int>(strlen(m_rows[index].szPassword))))
        PutText(m_rows[index].szPassword, typed);
    ShowRows();
    return 0;
}

BOOL CDlgAccCfm::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    (void)nFlags;
    (void)pt;
    m_window.Scroll(zDelta > 0 ? -1 : 1);
    ShowRows();
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
