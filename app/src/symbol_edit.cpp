// The cue-text edit of the login dialog.
#include "SymbolEdit.h"

BEGIN_MESSAGE_MAP(CSymbolEdit, CEdit)
    ON_WM_PAINT()
    ON_WM_KILLFOCUS()
    ON_WM_CHAR()
END_MESSAGE_MAP()

CSymbolEdit::CSymbolEdit() : m_hIcon(NULL), m_clrCue(SYMBOL_EDIT_DEFAULT_CUE_COLOUR)
{
}

CSymbolEdit::~CSymbolEdit()
{
}

void CSymbolEdit::CreateOwnFont()
{
    if (m_font.GetSafeHandle() != NULL)
        return;
    LOGFONTA lf = {};
    lf.lfHeight = 12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    strcpy(lf.lfFaceName, "굴림체");
    m_font.CreateFontIndirect(&lf);
}

void CSymbolEdit::PreSubclassWindow()
{
    CEdit::PreSubclassWindow();
    CreateOwnFont();
}

void CSymbolEdit::SetIcon(HICON hIcon)
{
    m_hIcon = hIcon;
    if (m_hWnd == NULL)
        return;
    const DWORD margins = static_cast<DWORD>(SendMessage(EM_GETMARGINS, 0, 0));
    const int right = m_hIcon != NULL ? ::GetSystemMetrics(SM_CXSMICON) + 6 : 0;
    SetMargins(LOWORD(margins), right);
    Invalidate();
}

void CSymbolEdit::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.FillSolidRect(&rect, ::GetSysColor(COLOR_WINDOW));

    if (m_hIcon != NULL) {
        const int size = ::GetSystemMetrics(SM_CXSMICON);
        ::DrawIconEx(dc.GetSafeHdc(), rect.right - size - 3, rect.top + (rect.Height() - size) / 2, m_hIcon, size, size,
                     0, NULL, DI_NORMAL);
    }

    const DWORD margins = static_cast<DWORD>(SendMessage(EM_GETMARGINS, 0, 0));
    CRect text = rect;
    text.left += LOWORD(margins) + 1;
    text.right -= HIWORD(margins);
    text.top += 1;

    CString value;
    GetWindowText(value);
    dc.SetBkMode(TRANSPARENT);
    const UINT format = DT_SINGLELINE | DT_EDITCONTROL | DT_NOPREFIX;
    if (value.IsEmpty()) {
        if (!m_strCue.IsEmpty()) {
            CFont* old = dc.SelectObject(&m_font);
            dc.SetTextColor(m_clrCue);
            dc.DrawText(m_strCue, &text, format);
            dc.SelectObject(old);
        }
        return;
    }
    CFont* old = dc.SelectObject(GetFont());
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    if (GetStyle() & ES_PASSWORD)
        dc.DrawText(CString('*', value.GetLength()), &text, format);
    else
        dc.DrawText(value, &text, format);
    dc.SelectObject(old);
}

void CSymbolEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    Invalidate();
}

void CSymbolEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CEdit::OnChar(nChar, nRepCnt, nFlags);
    if (GetWindowTextLength() == 0)
        Invalidate();
}
