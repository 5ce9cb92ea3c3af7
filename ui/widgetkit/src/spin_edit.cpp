// CSpinEdit: creation with its button, showing values, typing, steps by key and wheel, and
// the range check on Enter and focus loss; CPriceSpinEdit's step from the price tick.
#include "SpinEdit.h"

#include <limits.h>

#include "Utils.h"

IMPLEMENT_DYNAMIC(CSpinEdit, CEdit)
IMPLEMENT_DYNAMIC(CPriceSpinEdit, CSpinEdit)

BEGIN_MESSAGE_MAP(CSpinEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnChange)
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_SIZE()
    ON_WM_SHOWWINDOW()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
const int kSpinWidth = 16;
const int kClientCut = 14;
} // namespace

CSpinEdit::CSpinEdit()
    : m_rcCreate(0, 0, 0, 0), m_bShowSpin(TRUE), m_chItemType(0), m_nDecimals(0), m_bSelfText(FALSE)
{
    m_spin.SetEdit(this);
}

CSpinEdit::~CSpinEdit() {}

BOOL CSpinEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id, NULL, m_bShowSpin);
}

BOOL CSpinEdit::CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id, void* param,
                         BOOL showSpin)
{
    m_rcCreate = rect;
    m_bShowSpin = showSpin;
    if (!m_spin.Create(WS_CHILD | UDS_ALIGNRIGHT | (showSpin ? WS_VISIBLE : 0), CRect(0, 0, 0, 0), parent, 0))
        return FALSE;
    // No range set is the whole int range: nothing is clamped until the caller sets one.
    m_spin.SetRange32(INT_MIN, INT_MAX);
    if (showSpin)
        m_spin.ShowWindow(SW_SHOW);
    return CEdit::CreateEx(exStyle | WS_EX_CLIENTEDGE, "Edit", "", style | ES_RIGHT, rect, parent, id, param);
}

int CSpinEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetMargins(5, 5);
    return 0;
}

void CSpinEdit::OnDestroy()
{
    if (m_spin.m_hWnd != NULL)
        m_spin.DestroyWindow();
    CEdit::OnDestroy();
}

void CSpinEdit::SetRange(int lower, int upper)
{
    m_spin.SetRange32(lower, upper);
}

void CSpinEdit::GetRange(int& lower, int& upper) const
{
    m_spin.GetRange32(lower, upper);
}

void CSpinEdit::SetDecimalPoint(int decimals)
{
    m_nDecimals = decimals < 0 ? 0 : decimals;
    if (m_hWnd != NULL)
        SetSpinValue(GetPos());
}

void CSpinEdit::SetShowSpinBtn(BOOL show)
{
    m_bShowSpin = show;
    if (m_spin.m_hWnd != NULL)
        m_spin.ShowWindow(show && IsWindowVisible() ? SW_SHOW : SW_HIDE);
    if (m_hWnd != NULL)
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void CSpinEdit::SendChgNotify()
{
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), SPIN_VALUE_CHANGED), reinterpret_cast<LPARAM>(m_hWnd));
}

void CSpinEdit::WriteText(const CString& text, int caret)
{
    m_bSelfText = TRUE;
    SetWindowText(text);
    m_bSelfText = FALSE;
    if (caret >= 0)
        SetSel(caret, caret);
}

void CSpinEdit::SetSpinValue(int value)
{
    m_spin.SetValue(value);
    if (m_hWnd == NULL)
        return;
    WriteText(SpinText(value, m_nDecimals), -1);
    SendChgNotify();
}

void CSpinEdit::CheckRange()
{
    int lower = INT_MIN, upper = INT_MAX;
    GetRange(lower, upper);
    const int value = GetPos();
    const int clamped = ClampSpin(value, lower, upper);
    if (clamped != value)
        SetSpinValue(clamped);
    Invalidate();
}

BOOL CSpinEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == m_hWnd)
        CheckRange();
    return CEdit::PreTranslateMessage(pMsg);
}

void CSpinEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    CheckRange();
}

void CSpinEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    (void)nRepCnt;
    (void)nFlags;
    CString text;
    GetWindowText(text);
    int start = 0, end = 0;
    GetSel(start, end);
    const int point = text.Find('.');
    if (nChar >= '0' && nChar <= '9') {
        const BOOL inDecimals = m_nDecimals > 0 && start == end && point >= 0 && start > point;
        Default();
        if (inDecimals) {
            GetSel(start, end);
            SetSel(start + 1, start + 1);
        }
        return;
    }
    switch (nChar) {
    case '-':
        if (text.Find('-') < 0) {
            WriteText("-" + text, -1);
            OnTextChanged();
            SetSel(start + 1, start + 1);
        }
        return;
    case '+':
        if (!text.IsEmpty() && text[0] == '-') {
            WriteText(text.Mid(1), -1);
            OnTextChanged();
            SetSel(start > 0 ? start - 1 : 0, start > 0 ? start - 1 : 0);
        }
        return;
    case VK_BACK:
        Default();
        return;
    case '.':
        if (m_nDecimals > 0 && point >= 0)
            SetSel(point + 1, point + 1);
        return;
    default:
        return; // everything else is dropped
    }
}

void CSpinEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_UP || nChar == VK_DOWN) {
        m_spin.Step(nChar == VK_UP ? 1 : -1);
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CSpinEdit::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    (void)nFlags;
    (void)pt;
    if (zDelta != 0)
        m_spin.Step(zDelta > 0 ? 1 : -1);
    return TRUE;
}

BOOL CSpinEdit::OnChange()
{
    if (!m_bSelfText)
        OnTextChanged();
    return FALSE;
}

void CSpinEdit::OnTextChanged()
{
    CString text;
    GetWindowText(text);
    int start = 0, end = 0;
    GetSel(start, end);
    const SpinParse parse = ParseSpinText(text, end, m_nDecimals);
    m_spin.SetValue(parse.nValue);
    WriteText(parse.strText, parse.nCaret);
    SendChgNotify();
}

void CSpinEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    const BOOL focused = ::GetFocus() == m_hWnd;
    CEdit::OnLButtonDown(nFlags, point);
    if (!focused)
        SetSel(0, -1);
}

void CSpinEdit::PlaceSpin()
{
    if (m_spin.m_hWnd == NULL || m_hWnd == NULL)
        return;
    CRect rect;
    GetWindowRect(&rect);
    GetParent()->ScreenToClient(&rect);
    m_spin.SetWindowPos(&CWnd::wndTop, rect.right - kSpinWidth, rect.top, kSpinWidth, rect.Height(),
                        SWP_NOACTIVATE);
}

void CSpinEdit::OnSize(UINT nType, int cx, int cy)
{
    CEdit::OnSize(nType, cx, cy);
    PlaceSpin();
}

void CSpinEdit::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CEdit::OnShowWindow(bShow, nStatus);
    if (m_spin.m_hWnd != NULL)
        m_spin.ShowWindow(bShow && m_bShowSpin ? SW_SHOW : SW_HIDE);
}

void CSpinEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CEdit::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (m_bShowSpin)
        lpncsp->rgrc[0].right -= kClientCut;
}

void CSpinEdit::OnNcPaint()
{
    Default();
    if (m_spin.m_hWnd != NULL)
        m_spin.Invalidate();
}

CPriceSpinEdit::CPriceSpinEdit() : m_nLastTick(1) {}

CPriceSpinEdit::~CPriceSpinEdit() {}

void CPriceSpinEdit::OnTextChanged()
{
    CString text;
    GetWindowText(text);
    text.Remove(',');
    text.Remove('.');
    text.Remove('-');
    text.Remove('+');
    text.Trim();
    if (!text.IsEmpty()) {
        const LONGLONG price = _atoi64(text);
        const int tick = CUtils::GetStockPriceTick(price > INT_MAX ? INT_MAX : static_cast<int>(price));
        if (tick != m_nLastTick) {
            m_nLastTick = tick;
            SetDeltaPos(tick);
        }
    }
    CSpinEdit::OnTextChanged();
}
