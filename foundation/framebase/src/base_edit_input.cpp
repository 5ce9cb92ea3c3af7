// The own-drawn edit's input: keys, characters, the input method, the mouse, the clipboard and
// the context menu.
#include "BaseEdit.h"

#include <imm.h>

#include <algorithm>
#include <cstring>

namespace {

const UINT kCtrlA = 1;
const UINT kCtrlC = 3;
const UINT kCtrlV = 0x16;
const UINT kCtrlX = 0x18;
const UINT kDelete = 127;

} // namespace

// --- keys -------------------------------------------------------------------------------

void CBaseEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const int caret = m_buffer.GetCaret();
    switch (nChar) {
    case VK_BACK:
        if (caret > 0) {
            m_buffer.SetCaret(m_buffer.PrevChar(caret));
            SendMessage(WM_KEYDOWN, VK_DELETE, 0);
        }
        return;
    case VK_END:
        m_buffer.SetCaret(m_buffer.GetLength());
        break;
    case VK_HOME:
        m_buffer.SetCaret(0);
        break;
    case VK_LEFT:
        if (caret > 0)
            m_buffer.SetCaret(m_buffer.PrevChar(caret));
        break;
    case VK_RIGHT:
        if (caret < m_buffer.GetLength())
            m_buffer.SetCaret(m_buffer.NextChar(caret));
        break;
    case VK_DELETE:
        m_buffer.DeleteAtCaret();
        m_bComposing = FALSE;
        Changed();
        return;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    UpdateCaret();
}

// --- characters ---------------------------------------------------------------------------

BOOL CBaseEdit::ReplaceSelection(const char* bytes, int n, int limit)
{
    int from = 0, to = 0;
    m_buffer.GetSelRange(from, to);
    const int after = m_buffer.GetLength() - (to - from) + n;
    if (m_buffer.GetData() == NULL || n <= 0 || after >= std::min(limit, m_buffer.GetMaxLength()))
        return FALSE;
    m_buffer.RemoveSelection();
    return m_buffer.Insert(bytes, n);
}

void CBaseEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    (void)nFlags;
    switch (nChar) {
    case kCtrlA:
        SelectAll();
        return;
    case kCtrlC:
        CopySelection();
        return;
    case kCtrlV:
        PasteClipboard();
        return;
    case kCtrlX:
        CutSelection();
        return;
    default:
        break;
    }
    if (nChar < 32 || nChar == kDelete)
        return;
    // A typed character keeps one byte spare beyond its terminator; each repetition is checked.
    const char ch = static_cast<char>(nChar);
    BOOL inserted = FALSE;
    for (UINT i = 0; i < std::max(nRepCnt, 1u); ++i) {
        if (!ReplaceSelection(&ch, 1, m_buffer.GetMaxLength() - 1))
            break;
        inserted = TRUE;
    }
    m_bComposing = FALSE;
    m_nComposedLength = 0;
    if (inserted)
        Changed();
}

// --- input method -------------------------------------------------------------------------

BOOL CBaseEdit::ReadCompositionString(CString& text)
{
    text.Empty();
    HIMC context = ::ImmGetContext(m_hWnd);
    if (context == NULL)
        return FALSE;
    const LONG size = ::ImmGetCompositionStringA(context, GCS_COMPSTR, NULL, 0);
    if (size > 0) {
        char* buf = text.GetBuffer(size + 1);
        const LONG got = ::ImmGetCompositionStringA(context, GCS_COMPSTR, buf, size);
        text.ReleaseBuffer(std::max(0L, std::min(got, size)));
    }
    ::ImmReleaseContext(m_hWnd, context);
    return TRUE;
}

void CBaseEdit::RemoveComposed()
{
    if (!m_bComposing)
        return;
    const int start = std::max(0, m_buffer.GetCaret() - m_nComposedLength);
    m_buffer.Remove(start, m_buffer.GetCaret() - start);
    m_buffer.SetCaret(start);
    m_bComposing = FALSE;
    m_nComposedLength = 0;
}

LRESULT CBaseEdit::OnImeStartComposition(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return 0; // no composition window of the input method: the edit shows the character itself
}

LRESULT CBaseEdit::OnImeComposition(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    m_buffer.RemoveSelection();
    if (lParam & GCS_COMPSTR) {
        CString composed;
        ReadCompositionString(composed);
        RemoveComposed();
        if (!composed.IsEmpty() && m_buffer.Insert(composed, composed.GetLength())) {
            m_bComposing = TRUE;
            m_nComposedLength = composed.GetLength();
        }
        Changed();
    }
    return Default();
}

LRESULT CBaseEdit::OnImeChar(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    char bytes[2];
    int n = 0;
    if ((wParam >> 8) & 0xFF)
        bytes[n++] = static_cast<char>((wParam >> 8) & 0xFF);
    bytes[n++] = static_cast<char>(wParam & 0xFF);
    RemoveComposed();
    m_buffer.Insert(bytes, n);
    Changed();
    return 0;
}

// --- mouse --------------------------------------------------------------------------------

void CBaseEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    if (m_buffer.HasSelection()) {
        m_buffer.ClearSelection();
        Invalidate(FALSE);
    }
    m_buffer.SetCaret(HitTest(point.x));
    m_buffer.SetSelection(m_buffer.GetCaret(), m_buffer.GetCaret());
    SetCapture();
    m_bSelecting = TRUE;
    SetFocus();
    UpdateCaret();
}

void CBaseEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    (void)nFlags;
    if (!m_bSelecting)
        return;
    const int at = HitTest(point.x);
    m_buffer.SetSelection(m_buffer.GetAnchor(), at);
    m_buffer.SetCaret(at);
    UpdateCaret();
    Invalidate(FALSE);
}

void CBaseEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    if (m_bSelecting) {
        m_bSelecting = FALSE;
        ::ReleaseCapture();
    }
}

// --- clipboard ----------------------------------------------------------------------------

BOOL CBaseEdit::CopySelection()
{
    // A password never leaves the edit.
    if (m_bPassword || !m_buffer.HasSelection())
        return FALSE;
    const CString text = m_buffer.GetSelectedText();
    if (!::OpenClipboard(m_hWnd))
        return FALSE;
    ::EmptyClipboard();
    BOOL ok = FALSE;
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.GetLength() + 1);
    if (memory != NULL) {
        char* p = static_cast<char*>(::GlobalLock(memory));
        memcpy(p, static_cast<const char*>(text), text.GetLength());
        ::GlobalUnlock(memory);
        ok = ::SetClipboardData(CF_TEXT, memory) != NULL;
        if (!ok)
            ::GlobalFree(memory);
    }
    ::CloseClipboard();
    return ok;
}

BOOL CBaseEdit::CutSelection()
{
    if (!CopySelection())
        return FALSE;
    m_buffer.RemoveSelection();
    Changed();
    return TRUE;
}

BOOL CBaseEdit::PasteClipboard()
{
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(m_hWnd))
        return FALSE;
    CString text;
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (data != NULL) {
        const char* p = static_cast<const char*>(::GlobalLock(data));
        if (p != NULL) {
            text = CString(p, static_cast<int>(strnlen(p, ::GlobalSize(data))));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    // The whole text or nothing.
    if (text.IsEmpty() || !ReplaceSelection(text, text.GetLength(), m_buffer.GetMaxLength()))
        return FALSE;
    m_bComposing = FALSE;
    m_nComposedLength = 0;
    Changed();
    return TRUE;
}

// --- context menu -------------------------------------------------------------------------

void CBaseEdit::BuildContextMenu(CMenu& menu)
{
    menu.CreatePopupMenu();
    const UINT selection = (m_buffer.HasSelection() && !m_bPassword) ? MF_ENABLED : MF_GRAYED;
    menu.AppendMenu(MF_STRING | selection, ID_BASEEDIT_CUT, "잘라내기(&T)");
    menu.AppendMenu(MF_STRING | selection, ID_BASEEDIT_COPY, "복사(&C)");
    menu.AppendMenu(MF_STRING | (::IsClipboardFormatAvailable(CF_TEXT) ? MF_ENABLED : MF_GRAYED),
                    ID_BASEEDIT_PASTE, "붙여넣기(&P)");
    menu.AppendMenu(MF_STRING, ID_BASEEDIT_SELECTALL, "모두선택(&A)");
}

void CBaseEdit::RunEditCommand(UINT id)
{
    switch (id) {
    case ID_BASEEDIT_CUT:
        CutSelection();
        break;
    case ID_BASEEDIT_COPY:
        CopySelection();
        break;
    case ID_BASEEDIT_PASTE:
        PasteClipboard();
        break;
    case ID_BASEEDIT_SELECTALL:
        SelectAll();
        break;
    default:
        break;
    }
}

void CBaseEdit::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    (void)pWnd;
    CMenu menu;
    BuildContextMenu(menu);
    const UINT id = menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, pos.x, pos.y, this);
    RunEditCommand(id);
}
