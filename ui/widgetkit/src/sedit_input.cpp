// CSEdit's numeric input: the filter on typed and pasted characters and the separators shown
// while typing.
#include "SEdit.h"

BOOL CSEdit::IsNotInputChar(UINT nChar)
{
    CString text;
    GetWindowText(text);
    int start = 0, end = 0;
    GetSel(start, end);
    return ::IsNotInputChar(m_rules, text, start, end, nChar);
}

void CSEdit::ShowNumber(const CString& plain, int caret)
{
    SetWindowText(m_bUseComma ? SeparatorText(plain) : plain);
    SetSel(caret, caret);
    SendMessage(EM_SCROLLCARET);
}

void CSEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    (void)nRepCnt;
    (void)nFlags;
    if (!IsWindowEnabled() || (GetStyle() & ES_READONLY))
        return;
    if (m_bNumeric && IsNotInputChar(nChar))
        return;
    Default();
    if (nChar == VK_RETURN || nChar == VK_TAB)
        return;
    if (m_bNumeric && m_bUseComma) {
        CString typed;
        GetWindowText(typed);
        int start = 0, end = 0;
        GetSel(start, end);
        ShowNumber(StripSeparators(typed), CaretAfterSeparators(typed, start));
    }
    NotifyParent(nChar);
}

LRESULT CSEdit::OnPaste(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    if (!m_bNumeric)
        return Default();
    if (!IsWindowEnabled() || (GetStyle() & ES_READONLY))
        return 0;
    // Pasted text passes the same filter as typed text, character by character.
    CString pasted;
    if (::OpenClipboard(m_hWnd)) {
        HANDLE data = ::GetClipboardData(CF_TEXT);
        const char* text = data != NULL ? static_cast<const char*>(::GlobalLock(data)) : NULL;
        if (text != NULL) {
            pasted = CString(text, static_cast<int>(strnlen(text, ::GlobalSize(data))));
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
    }
    CString text;
    GetWindowText(text);
    int start = 0, end = 0;
    GetSel(start, end);
    CString result;
    if (pasted.IsEmpty() || !PasteIntoNumber(m_rules, text, start, end, pasted, result)) {
        ::MessageBeep(MB_OK);
        return 0;
    }
    // The caret goes behind the pasted digits.
    CString pastedDigits = pasted;
    pastedDigits.Remove(',');
    const int caretPlain = StripSeparators(text.Left(start)).GetLength() + pastedDigits.GetLength();
    int caret = caretPlain;
    if (m_bUseComma) {
        const CString shown = SeparatorText(result);
        int digits = 0;
        caret = 0;
        while (caret < shown.GetLength() && digits < caretPlain) {
            if (shown[caret] != ',')
                ++digits;
            ++caret;
        }
    }
    ShowNumber(result, caret);
    return 0;
}
