// CEdit.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::~CEdit() {}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::CanUndo() const { return (BOOL)::SendMessage(m_hWnd, EM_CANUNDO, 0, 0); }
int CEdit::GetLineCount() const { return (int)::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0); }
BOOL CEdit::GetModify() const { return (BOOL)::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0); }
void CEdit::SetModify(BOOL bModified) { ::SendMessage(m_hWnd, EM_SETMODIFY, bModified, 0); }
void CEdit::GetRect(LPRECT lpRect) const { ::SendMessage(m_hWnd, EM_GETRECT, 0, (LPARAM)lpRect); }
DWORD CEdit::GetSel() const { return (DWORD)::SendMessage(m_hWnd, EM_GETSEL, 0, 0); }

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD start = 0, end = 0;
    ::SendMessage(m_hWnd, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    nStartChar = (int)start;
    nEndChar = (int)end;
}

HLOCAL CEdit::GetHandle() const { return (HLOCAL)::SendMessage(m_hWnd, EM_GETHANDLE, 0, 0); }
void CEdit::SetHandle(HLOCAL hBuffer) { ::SendMessage(m_hWnd, EM_SETHANDLE, (WPARAM)hBuffer, 0); }

// The buffer's first word must hold its size; a buffer too small for that word gets the line
// through a scratch buffer instead of being overrun.
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (lpszBuffer == NULL || nMaxLength <= 0)
        return 0;
    if (nMaxLength < (int)sizeof(WORD)) {
        char scratch[sizeof(WORD)];
        *(LPWORD)scratch = (WORD)nMaxLength;
        int n = (int)::SendMessage(m_hWnd, EM_GETLINE, nIndex, (LPARAM)scratch);
        if (n > 0)
            lpszBuffer[0] = scratch[0];
        return n > nMaxLength ? nMaxLength : n;
    }
    *(LPWORD)lpszBuffer = (WORD)(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
    return (int)::SendMessage(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}

// The caller has put the buffer's size in characters into its first word.
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer) const
{
    return (int)::SendMessage(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}

int CEdit::GetFirstVisibleLine() const { return (int)::SendMessage(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0); }
TCHAR CEdit::GetPasswordChar() const { return (TCHAR)::SendMessage(m_hWnd, EM_GETPASSWORDCHAR, 0, 0); }
UINT CEdit::GetLimitText() const { return (UINT)::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0); }
DWORD CEdit::GetMargins() const { return (DWORD)::SendMessage(m_hWnd, EM_GETMARGINS, 0, 0); }

void CEdit::SetMargins(UINT nLeft, UINT nRight)
{
    ::SendMessage(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}

CPoint CEdit::PosFromChar(UINT nChar) const
{
    return CPoint((LPARAM)::SendMessage(m_hWnd, EM_POSFROMCHAR, nChar, 0));
}

int CEdit::CharFromPos(CPoint pt) const
{
    return (int)::SendMessage(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y));
}

void CEdit::EmptyUndoBuffer() { ::SendMessage(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0); }
BOOL CEdit::FmtLines(BOOL bAddEOL) { return (BOOL)::SendMessage(m_hWnd, EM_FMTLINES, bAddEOL, 0); }
void CEdit::LimitText(int nChars) { ::SendMessage(m_hWnd, EM_LIMITTEXT, nChars, 0); }
void CEdit::SetLimitText(UINT nMax) { ::SendMessage(m_hWnd, EM_SETLIMITTEXT, nMax, 0); }
int CEdit::LineFromChar(int nIndex) const { return (int)::SendMessage(m_hWnd, EM_LINEFROMCHAR, nIndex, 0); }
int CEdit::LineIndex(int nLine) const { return (int)::SendMessage(m_hWnd, EM_LINEINDEX, nLine, 0); }
int CEdit::LineLength(int nLine) const { return (int)::SendMessage(m_hWnd, EM_LINELENGTH, nLine, 0); }
void CEdit::LineScroll(int nLines, int nChars) { ::SendMessage(m_hWnd, EM_LINESCROLL, nChars, nLines); }

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    ::SendMessage(m_hWnd, EM_REPLACESEL, bCanUndo, (LPARAM)(lpszNewText != NULL ? lpszNewText : ""));
}

void CEdit::SetPasswordChar(TCHAR ch) { ::SendMessage(m_hWnd, EM_SETPASSWORDCHAR, (BYTE)ch, 0); }
void CEdit::SetRect(LPCRECT lpRect) { ::SendMessage(m_hWnd, EM_SETRECT, 0, (LPARAM)lpRect); }
void CEdit::SetRectNP(LPCRECT lpRect) { ::SendMessage(m_hWnd, EM_SETRECTNP, 0, (LPARAM)lpRect); }

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel((int)LOWORD(dwSelection), (int)HIWORD(dwSelection), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ::SendMessage(m_hWnd, EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        ::SendMessage(m_hWnd, EM_SCROLLCARET, 0, 0);
}

BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return (BOOL)::SendMessage(m_hWnd, EM_SETTABSTOPS, nTabStops, (LPARAM)rgTabStops);
}

void CEdit::SetTabStops() { ::SendMessage(m_hWnd, EM_SETTABSTOPS, 0, 0); }

BOOL CEdit::SetTabStops(const int& cxEachStop)
{
    return (BOOL)::SendMessage(m_hWnd, EM_SETTABSTOPS, 1, (LPARAM)&cxEachStop);
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return (BOOL)::SendMessage(m_hWnd, EM_SETREADONLY, bReadOnly, 0); }
BOOL CEdit::Undo() { return (BOOL)::SendMessage(m_hWnd, EM_UNDO, 0, 0); }
void CEdit::Clear() { ::SendMessage(m_hWnd, WM_CLEAR, 0, 0); }
void CEdit::Copy() { ::SendMessage(m_hWnd, WM_COPY, 0, 0); }
void CEdit::Cut() { ::SendMessage(m_hWnd, WM_CUT, 0, 0); }
void CEdit::Paste() { ::SendMessage(m_hWnd, WM_PASTE, 0, 0); }
