// CSEdit: colours, frame, fonts, focus and the context menu.
#include "SEdit.h"

IMPLEMENT_DYNAMIC(CSEdit, CEdit)

BEGIN_MESSAGE_MAP(CSEdit, CEdit)
    ON_WM_CHAR()
    ON_MESSAGE(WM_PASTE, OnPaste)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CSEdit::CSEdit()
    : m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_clrBack(::GetSysColor(COLOR_WINDOW)),
      m_clrOutline(::GetSysColor(COLOR_BTNSHADOW)), m_bFlat(FALSE), m_bOutline(FALSE), m_bNumeric(FALSE),
      m_bUseComma(FALSE), m_rules(DefaultNumericRules()), m_nMenuId(0)
{
    ReadSystemColours();
    CreateBrushType();
}

CSEdit::~CSEdit() {}

void CSEdit::ReadSystemColours()
{
    m_clrFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrLight = ::GetSysColor(COLOR_3DLIGHT);
    m_clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
}

void CSEdit::CreateBrushType()
{
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(m_clrBack);
}

void CSEdit::SetNumeric(BOOL numeric, BOOL realType)
{
    m_bNumeric = numeric;
    m_rules.bReal = realType;
    if (numeric == 1 && m_hWnd != NULL)
        ModifyStyle(ES_LEFT | ES_CENTER, ES_RIGHT);
}

void CSEdit::SetValueGap(double minimum, double maximum)
{
    m_rules.dMin = minimum;
    m_rules.dMax = maximum;
    m_rules.bMinMax = TRUE;
}

CString CSEdit::GetText() const
{
    CString text;
    GetWindowText(text);
    if (m_bNumeric)
        text.Remove(',');
    return text;
}

void CSEdit::SetText(CString text)
{
    if (m_bNumeric && m_bUseComma)
        text = SeparatorText(StripSeparators(text));
    SetWindowText(text);
}

COLORREF CSEdit::SetBackColor(COLORREF colour)
{
    const COLORREF previous = m_clrBack;
    m_clrBack = colour;
    CreateBrushType();
    if (m_hWnd != NULL)
        Invalidate();
    return previous;
}

COLORREF CSEdit::SetTextColor(COLORREF colour)
{
    const COLORREF previous = m_clrText;
    m_clrText = colour;
    if (m_hWnd != NULL)
        Invalidate();
    return previous;
}

BOOL CSEdit::GetTextFont(LOGFONTA* logFont)
{
    memset(logFont, 0, sizeof *logFont);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (font == NULL)
        font = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    return ::GetObjectA(font, sizeof *logFont, logFont) != 0;
}

BOOL CSEdit::ApplyFont(const LOGFONTA& logFont)
{
    CFont font;
    if (!font.CreateFontIndirect(&logFont))
        return FALSE;
    // The window keeps using the old font until it has the new one.
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    m_font.DeleteObject();
    m_font.Attach(font.Detach());
    return TRUE;
}

namespace {

LONG PointsToHeight(int points)
{
    HDC screen = ::GetDC(NULL);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(NULL, screen);
    return -::MulDiv(points, dpi, 72);
}

} // namespace

BOOL CSEdit::SetTextFont(long points, BOOL bold, BOOL italic, const CString& face)
{
    LOGFONTA lf;
    memset(&lf, 0, sizeof lf);
    lf.lfHeight = PointsToHeight(points);
    lf.lfWeight = bold ? FW_BOLD : 0;
    lf.lfItalic = static_cast<BYTE>(italic ? 1 : 0);
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    ApplyFont(lf);
    return TRUE;
}

BOOL CSEdit::SetTextFont(const LOGFONTA& logFont)
{
    ApplyFont(logFont);
    return TRUE;
}

BOOL CSEdit::SetFontBold(BOOL bold)
{
    LOGFONTA lf;
    GetTextFont(&lf);
    lf.lfWeight = bold ? FW_BOLD : 0;
    ApplyFont(lf);
    return TRUE;
}

BOOL CSEdit::SetFontItalic(BOOL italic)
{
    LOGFONTA lf;
    GetTextFont(&lf);
    lf.lfItalic = static_cast<BYTE>(italic ? 1 : 0);
    ApplyFont(lf);
    return TRUE;
}

BOOL CSEdit::SetFontHeight(int points)
{
    LOGFONTA lf;
    GetTextFont(&lf);
    lf.lfHeight = PointsToHeight(points);
    lf.lfWidth = 0;
    ApplyFont(lf);
    return TRUE;
}

BOOL CSEdit::SetFontFaceName(const CString& face)
{
    LOGFONTA lf;
    GetTextFont(&lf);
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    ApplyFont(lf);
    return TRUE;
}

BOOL CSEdit::SetFontRotation(int degrees)
{
    LOGFONTA lf;
    GetTextFont(&lf);
    lf.lfEscapement = lf.lfOrientation = degrees * 10;
    ApplyFont(lf);
    return TRUE;
}

void CSEdit::NotifyParent(UINT nChar)
{
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->SendMessage(WM_SEDIT_CHAR, nChar, reinterpret_cast<LPARAM>(this));
}

BOOL CSEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == m_hWnd)
        NotifyParent(VK_RETURN);
    return CEdit::PreTranslateMessage(pMsg);
}

BOOL CSEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return CEdit::OnChildNotify(message, wParam, lParam, pResult);
}

void CSEdit::OnSetFocus(CWnd* pOldWnd)
{
    CEdit::OnSetFocus(pOldWnd);
    SetSel(0, -1);
}

void CSEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->SendMessage(WM_KILLFOCUS, 0, reinterpret_cast<LPARAM>(this));
}

void CSEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    const BOOL focused = ::GetFocus() == m_hWnd;
    CEdit::OnLButtonDown(nFlags, point);
    if (focused)
        SetSel(0, -1);
}

void CSEdit::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    if (m_nMenuId == 0) {
        CEdit::OnContextMenu(pWnd, pos);
        return;
    }
    CMenu menu;
    if (!menu.LoadMenu(m_nMenuId))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (popup != NULL) {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
    }
}

HBRUSH CSEdit::CtlColor(CDC* pDC, UINT nCtlColor)
{
    (void)nCtlColor;
    pDC->SetTextColor(m_clrText);
    pDC->SetBkColor(m_clrBack);
    return static_cast<HBRUSH>(m_brBack.GetSafeHandle());
}

void CSEdit::OnPaint()
{
    Default();
    DrawBorder();
}

void CSEdit::OnNcPaint()
{
    Default();
    DrawBorder();
}

void CSEdit::OnSysColorChange()
{
    CEdit::OnSysColorChange();
    ReadSystemColours();
}

void CSEdit::DrawBorder()
{
    if (m_hWnd == NULL)
        return;
    CWindowDC dc(this);
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    if (m_bOutline) {
        CBrush outline(m_clrOutline);
        dc.FrameRect(&rect, &outline);
        rect.DeflateRect(1, 1);
    }
    const DWORD exStyle = GetExStyle();
    const BOOL modal = (exStyle & WS_EX_DLGMODALFRAME) != 0;
    const BOOL client = (exStyle & WS_EX_CLIENTEDGE) != 0;
    const BOOL statik = (exStyle & WS_EX_STATICEDGE) != 0 && !modal;
    const int rings = (modal ? 3 : 0) + (client ? 2 : 0) + (statik ? 1 : 0);
    CBrush ring(m_bFlat ? m_clrBack : m_clrFace);
    CRect inner = rect;
    for (int i = 0; i < rings; ++i) {
        dc.FrameRect(&inner, &ring);
        inner.DeflateRect(1, 1);
    }
    if (m_bFlat)
        return;
    // The 3D edges back, from the inside out.
    CRect edge = inner;
    if (client) {
        edge.InflateRect(1, 1);
        dc.Draw3dRect(&edge, m_clrDkShadow, m_clrLight);
        edge.InflateRect(1, 1);
        dc.Draw3dRect(&edge, m_clrShadow, m_clrHilite);
    }
    if (statik) {
        edge.InflateRect(1, 1);
        dc.Draw3dRect(&edge, m_clrShadow, m_clrHilite);
    }
    if (modal) {
        edge.InflateRect(1, 1);
        dc.Draw3dRect(&edge, m_clrFace, m_clrFace);
        edge.InflateRect(1, 1);
        dc.Draw3dRect(&edge, m_clrHilite, m_clrShadow);
        edge.InflateRect(1, 1);
        dc.Draw3dRect(&edge, m_clrLight, m_clrDkShadow);
    }
}
