// CSStatic: setters, fonts, flashing, links and the refresh of the label and what lies beneath.
#include "SStatic.h"

#include <shellapi.h>

#include "ColorMap.h"

IMPLEMENT_DYNAMIC(CSStatic, CStatic)

BEGIN_MESSAGE_MAP(CSStatic, CStatic)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

void ShellOpen(LPCSTR target)
{
    ::ShellExecuteA(NULL, "open", target, NULL, NULL, SW_SHOWNORMAL);
}

CSStatic::PFN_SHELLOPEN g_pfnShellOpen = &ShellOpen;

} // namespace

CSStatic::PFN_SHELLOPEN CSStatic::SetShellOpen(PFN_SHELLOPEN pfn)
{
    PFN_SHELLOPEN previous = g_pfnShellOpen;
    g_pfnShellOpen = pfn != NULL ? pfn : &ShellOpen;
    return previous;
}

BOOL CSStatic::IsOpenableLink(const CString& target)
{
    CString lower = target;
    lower.MakeLower();
    return lower.Find("http://") == 0 || lower.Find("https://") == 0 || lower.Find("mailto:") == 0;
}

CSStatic::CSStatic()
    : m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_clrHiLite(RGB(255, 255, 255)), m_pBkBrush(NULL),
      m_fillMode(Normal), m_clrBack(0), m_clrBack2(0), m_bTimer(FALSE), m_bState(FALSE), m_nFlashKind(0),
      m_nLinkKind(LinkNone), m_bNotifyParent(FALSE), m_hCursor(NULL), m_bTransparent(FALSE), m_bFont3D(FALSE),
      m_3dType(Raised), m_bRotation(FALSE), m_bUseUpDown(FALSE), m_chSign('3'), m_bBackImage(FALSE),
      m_bCustomBorder(FALSE), m_nBorderWidth(1), m_clrBorder(RGB(255, 255, 255)),
      m_clrUp(CColorMap::GetColor(CLR_GRID_FONT_UP)), m_clrDown(CColorMap::GetColor(CLR_GRID_FONT_DOWN))
{
    memset(&m_lf, 0, sizeof m_lf);
    m_brDefault.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
}

CSStatic::~CSStatic()
{
    // The background bitmap is the caller's.
    m_bmpBack.Detach();
    delete m_pBkBrush;
}

void CSStatic::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    CFont* font = GetFont();
    if (font == NULL || font->GetSafeHandle() == NULL)
        ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof m_lf, &m_lf);
    else
        ::GetObjectA(font->GetSafeHandle(), sizeof m_lf, &m_lf);
    ReconstructFont();
}

void CSStatic::ReconstructFont()
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_lf);
}

void CSStatic::RedrawSurface()
{
    if (m_hWnd == NULL)
        return;
    CWnd* parent = GetParent();
    CRect rect;
    if (parent != NULL) {
        GetWindowRect(&rect);
        parent->ScreenToClient(&rect);
    }
    if (m_bTransparent && parent != NULL) {
        // What lies beneath shows through: the parent and every child under the label repaint
        // (the old text goes with them) and the label over them, its paint seeing to the order.
        parent->RedrawWindow(&rect, NULL, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    RedrawWindow(NULL, NULL, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    if (parent != NULL) {
        parent->InvalidateRect(&rect, TRUE);
        parent->UpdateWindow();
    }
}

CSStatic& CSStatic::SetBkColor(COLORREF color, COLORREF color2, BackFillMode mode)
{
    m_clrBack = color;
    m_clrBack2 = color2;
    m_fillMode = mode;
    delete m_pBkBrush;
    m_pBkBrush = NULL;
    if (mode == Normal) {
        m_pBkBrush = new CBrush;
        m_pBkBrush->CreateSolidBrush(color);
    }
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetTextColor(COLORREF color)
{
    m_clrText = color;
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetText(const CString& text)
{
    if (m_hWnd != NULL) {
        SetWindowText(text);
        RedrawSurface();
    }
    return *this;
}

CSStatic& CSStatic::SetFontBold(BOOL bold)
{
    m_lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    ReconstructFont();
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetFontName(const CString& face, BYTE charSet)
{
    m_lf.lfCharSet = charSet;
    lstrcpynA(m_lf.lfFaceName, face, LF_FACESIZE);
    ReconstructFont();
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetFontUnderline(BOOL underline)
{
    m_lf.lfUnderline = static_cast<BYTE>(underline ? 1 : 0);
    ReconstructFont();
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetFontItalic(BOOL italic)
{
    m_lf.lfItalic = static_cast<BYTE>(italic ? 1 : 0);
    ReconstructFont();
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetFontSize(int points)
{
    CFont font;
    if (font.CreatePointFont(points * 10, m_lf.lfFaceName)) {
        LOGFONTA lf;
        font.GetLogFont(&lf);
        m_lf.lfHeight = lf.lfHeight;
        m_lf.lfWidth = lf.lfWidth;
    }
    ReconstructFont();
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetSunken(BOOL sunken)
{
    if (m_hWnd != NULL)
        ModifyStyleEx(sunken ? 0 : WS_EX_STATICEDGE, sunken ? WS_EX_STATICEDGE : 0, SWP_FRAMECHANGED);
    return *this;
}

CSStatic& CSStatic::SetBorder(BOOL border)
{
    if (m_hWnd != NULL)
        ModifyStyle(border ? 0 : WS_BORDER, border ? WS_BORDER : 0, SWP_FRAMECHANGED);
    return *this;
}

CSStatic& CSStatic::SetTransparent(BOOL transparent)
{
    m_bTransparent = transparent;
    // Switching off takes the style away again.
    if (m_hWnd != NULL)
        ModifyStyleEx(transparent ? 0 : WS_EX_TRANSPARENT, transparent ? WS_EX_TRANSPARENT : 0);
    RedrawSurface();
    return *this;
}

BOOL CSStatic::RestartFlash(BOOL activate)
{
    if (m_bTimer && m_hWnd != NULL)
        KillTimer(SSTATIC_FLASH_TIMER);
    m_bTimer = FALSE;
    if (activate) {
        m_bState = FALSE;
        m_bTimer = m_hWnd != NULL && SetTimer(SSTATIC_FLASH_TIMER, 500, NULL) != 0;
    }
    return activate;
}

CSStatic& CSStatic::FlashText(BOOL activate)
{
    m_nFlashKind = RestartFlash(activate) ? 1 : 0;
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::FlashBackground(BOOL activate)
{
    // Switching off leaves the kind as it was.
    if (RestartFlash(activate))
        m_nFlashKind = 2;
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetLink(BOOL link, BOOL notify)
{
    m_nLinkKind = link ? LinkOpen : LinkNone;
    m_bNotifyParent = notify;
    if (m_hWnd != NULL)
        ModifyStyle(link ? 0 : SS_NOTIFY, link ? SS_NOTIFY : 0);
    return *this;
}

CSStatic& CSStatic::SetMailLink(BOOL link, BOOL notify)
{
    m_nLinkKind = link ? LinkMail : LinkNone;
    m_bNotifyParent = notify;
    if (m_hWnd != NULL)
        ModifyStyle(link ? 0 : SS_NOTIFY, link ? SS_NOTIFY : 0);
    return *this;
}

CSStatic& CSStatic::SetHyperLink(const CString& target)
{
    m_strHyperLink = target;
    return *this;
}

CSStatic& CSStatic::SetLinkCursor(HICON cursor)
{
    m_hCursor = cursor;
    return *this;
}

CSStatic& CSStatic::SetFont3D(BOOL set, Type3D type)
{
    m_bFont3D = set;
    m_3dType = type;
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetRotationAngle(UINT degrees, BOOL rotate)
{
    m_lf.lfEscapement = m_lf.lfOrientation = static_cast<LONG>(degrees * 10);
    m_bRotation = rotate;
    ReconstructFont();
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetText3DHiliteColor(COLORREF color)
{
    m_clrHiLite = color;
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetFont(LOGFONTA logFont)
{
    m_lf = logFont;
    ReconstructFont();
    RedrawSurface();
    return *this;
}

void CSStatic::SetFont(CFont* font, BOOL redraw)
{
    if (font == NULL || font->GetSafeHandle() == NULL)
        return;
    if (m_hWnd != NULL)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), redraw);
    ::GetObjectA(font->GetSafeHandle(), sizeof m_lf, &m_lf);
    ReconstructFont();
}

CSStatic& CSStatic::SetUseUpDown(BOOL use)
{
    m_bUseUpDown = use;
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetUpDownMark(char sign)
{
    m_chSign = sign;
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetBackgroundImg(CBitmap* bitmap)
{
    if (bitmap != NULL && bitmap->GetSafeHandle() != NULL) {
        m_bBackImage = TRUE;
        m_bmpBack.Detach();
        m_bmpBack.Attach(bitmap->GetSafeHandle());
        RedrawSurface();
    }
    return *this;
}

CSStatic& CSStatic::SetCustomBorder(int width, COLORREF color)
{
    m_nBorderWidth = width;
    m_clrBorder = color;
    RedrawSurface();
    return *this;
}

CSStatic& CSStatic::SetUseCustomBorder(BOOL use)
{
    m_bCustomBorder = use;
    if (use == TRUE)
        SetBorder(FALSE);
    RedrawSurface();
    return *this;
}

void CSStatic::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != SSTATIC_FLASH_TIMER) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    m_bState = !m_bState;
    RedrawSurface();
}

void CSStatic::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bNotifyParent) {
        NMHDR nm;
        nm.hwndFrom = m_hWnd;
        nm.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        nm.code = SSTATIC_NOTIFY_CLICK;
        CWnd* parent = GetParent();
        if (parent != NULL)
            parent->SendMessage(WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
        return;
    }
    if (m_nLinkKind == LinkOpen) {
        // Only the address the program set, and only a web or mail address: the window text
        // may come from anywhere.
        if (!m_strHyperLink.IsEmpty() && IsOpenableLink(m_strHyperLink))
            g_pfnShellOpen(m_strHyperLink);
    } else if (m_nLinkKind == LinkMail) {
        CString text;
        GetWindowText(text);
        text.Trim();
        if (!text.IsEmpty() && text.FindOneOf(" \t\r\n\"<>") < 0)
            g_pfnShellOpen("mailto:" + text);
    }
    CStatic::OnLButtonDown(nFlags, point);
}

BOOL CSStatic::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hCursor != NULL) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CStatic::OnSetCursor(pWnd, nHitTest, message);
}

void CSStatic::OnSysColorChange()
{
    CStatic::OnSysColorChange();
    m_brDefault.DeleteObject();
    m_brDefault.CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
}

void CSStatic::OnDestroy()
{
    if (m_bTimer)
        KillTimer(SSTATIC_FLASH_TIMER);
    m_bTimer = FALSE;
    CStatic::OnDestroy();
}

BOOL CSStatic::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}
