// CImgButtonCCL: an owner-drawn button with four looks from borrowed bitmaps or colour sets.
#include "Draw.h"
#include "ImgButtonCCL.h"

IMPLEMENT_DYNAMIC(CImgButtonCCL, CButton)

BEGIN_MESSAGE_MAP(CImgButtonCCL, CButton)
    ON_WM_CREATE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CImgButtonCCL::CImgButtonCCL()
    : m_bTracking(FALSE), m_bBorrowed(FALSE), m_bLoaded(FALSE), m_bPressedInside(FALSE), m_bFocusRect(TRUE),
      m_bCheck(FALSE), m_nMouseState(STATE_NORMAL), m_nColorMask(0), m_clrText(static_cast<COLORREF>(-1))
{
    const tagBtnColor system = {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_3DDKSHADOW),
                                ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_3DSHADOW)};
    for (tagBtnColor& colours : m_colours)
        colours = system;
}

CImgButtonCCL::~CImgButtonCCL()
{
    ReleaseBitmaps();
}

void CImgButtonCCL::ReleaseBitmaps()
{
    // The handles belong to the image map: let go of them, never delete them.
    for (CBitmap& bitmap : m_bitmap)
        bitmap.Detach();
}

BOOL CImgButtonCCL::Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CButton::Create(text, style | BS_OWNERDRAW, rect, parent, id);
}

void CImgButtonCCL::LoadBitmaps(CBitmap* normal, CBitmap* over, CBitmap* pressed, CBitmap* disabled)
{
    m_bLoaded = TRUE;
    m_bBorrowed = TRUE;
    ReleaseBitmaps();
    CBitmap* given[LOOK_COUNT] = {normal, over, pressed, disabled};
    for (int i = 0; i < LOOK_COUNT; ++i) {
        if (given[i] != NULL && given[i]->GetSafeHandle() != NULL)
            m_bitmap[i].Attach(given[i]->GetSafeHandle());
    }
    if (m_hWnd != NULL)
        Invalidate();
}

HBITMAP CImgButtonCCL::GetLookBitmap(int look) const
{
    return look >= 0 && look < LOOK_COUNT ? static_cast<HBITMAP>(m_bitmap[look].GetSafeHandle()) : NULL;
}

void CImgButtonCCL::SetButtonColor(int look, const tagBtnColor& colours)
{
    if (look < 0 || look >= LOOK_COUNT)
        return;
    m_colours[look] = colours;
    m_nColorMask |= 1u << look;
    if (m_hWnd != NULL)
        Invalidate();
}

int CImgButtonCCL::GetCurState()
{
    if (m_hWnd != NULL && !IsWindowEnabled())
        return STATE_DISABLED;
    return m_nMouseState;
}

int CImgButtonCCL::LookOf(int state) const
{
    switch (state) {
    case STATE_OVER:
        return LOOK_OVER;
    case STATE_PRESSED:
        return LOOK_PRESSED;
    case STATE_DISABLED:
        return LOOK_DISABLED;
    default:
        return LOOK_NORMAL;
    }
}

void CImgButtonCCL::OnClick()
{
    m_bCheck = !m_bCheck;
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(m_hWnd));
}

void CImgButtonCCL::SetState(int state)
{
    m_nMouseState = state;
    Invalidate();
}

int CImgButtonCCL::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pDefFont->GetSafeHandle()), FALSE);
    SetState(STATE_NORMAL);
    return 0;
}

void CImgButtonCCL::OnMouseHover(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    SetState(STATE_OVER);
}

void CImgButtonCCL::OnMouseLeave()
{
    m_bTracking = FALSE;
    SetState(STATE_NORMAL);
}

void CImgButtonCCL::OnMouseMove(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    if (m_bTracking)
        return;
    TRACKMOUSEEVENT track;
    track.cbSize = sizeof track;
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = m_hWnd;
    track.dwHoverTime = 1;
    m_bTracking = ::TrackMouseEvent(&track);
}

void CImgButtonCCL::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    SetCapture();
    m_bPressedInside = TRUE;
    SetState(STATE_PRESSED);
}

void CImgButtonCCL::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    if (GetCapture() == this)
        ::ReleaseCapture();
    CRect window;
    GetWindowRect(&window);
    CPoint screen = point;
    ClientToScreen(&screen);
    const BOOL click = m_bPressedInside && window.PtInRect(screen);
    m_bPressedInside = FALSE;
    SetState(STATE_OVER);
    if (click)
        OnClick();
}

void CImgButtonCCL::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    OnClick();
    SetState(STATE_PRESSED);
}

void CImgButtonCCL::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect client;
    GetClientRect(&client);
    CFont* oldFont = dc->SelectObject(GetFont());
    const int state = GetCurState();
    const int look = LookOf(state);

    if (m_bLoaded) {
        HBITMAP bitmap = GetLookBitmap(look);
        if (bitmap == NULL)
            bitmap = GetLookBitmap(LOOK_NORMAL);
        CDraw::StretchBitmap(dc, client, bitmap);
    } else {
        const tagBtnColor& colours = (m_nColorMask & (1u << look)) ? m_colours[look] : m_colours[LOOK_NORMAL];
        dc->FillSolidRect(&client, colours.clrFill);
        CPen frame(PS_SOLID, 1, colours.clrBorder);
        CPen* oldPen = dc->SelectObject(&frame);
        CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
        dc->Rectangle(&client);
        CRect inner = client;
        inner.DeflateRect(1, 1);
        inner.right -= 1;
        inner.bottom -= 1;
        CPen highlight(PS_SOLID, 1, colours.clrHighlight);
        dc->SelectObject(&highlight);
        dc->MoveTo(inner.left, inner.bottom);
        dc->LineTo(inner.left, inner.top);
        dc->LineTo(inner.right, inner.top);
        CPen shadow(PS_SOLID, 1, colours.clrShadow);
        dc->SelectObject(&shadow);
        dc->MoveTo(inner.right, inner.top + 1);
        dc->LineTo(inner.right, inner.bottom);
        dc->LineTo(inner.left - 1, inner.bottom);
        dc->SelectObject(oldPen);
        dc->SelectObject(oldBrush);
    }

    CString text;
    GetWindowText(text);
    if (!text.IsEmpty()) {
        CRect textRect = client;
        if (state == STATE_PRESSED)
            textRect.OffsetRect(1, 1);
        if (state != STATE_DISABLED && m_clrText != static_cast<COLORREF>(-1))
            dc->SetTextColor(m_clrText);
        dc->SetBkMode(TRANSPARENT);
        if (GetStyle() & BS_MULTILINE) {
            textRect.DeflateRect(5, 5);
            dc->DrawText(text, &textRect, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS);
        } else {
            dc->DrawText(text, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }

    if (m_bFocusRect && (GetStyle() & WS_TABSTOP) && GetFocus() == this) {
        CRect focus = client;
        focus.DeflateRect(2, 2);
        dc->DrawFocusRect(&focus);
    }
    if (oldFont != NULL)
        dc->SelectObject(oldFont);
}
