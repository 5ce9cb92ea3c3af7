#include "ImgButton.h"

IMPLEMENT_DYNAMIC(CImgButton, CButton)

BEGIN_MESSAGE_MAP(CImgButton, CButton)
    ON_WM_CREATE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;

void AttachFile(CBitmap& bitmap, const char* path)
{
    if (path == NULL)
        return;
    HANDLE handle = ::LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE | LR_LOADFROMFILE);
    if (handle != NULL) {
        bitmap.DeleteObject();
        bitmap.Attach(handle);
    }
}

} // namespace

CImgButton::CImgButton()
    : m_bTracking(FALSE), m_bBorrowed(FALSE), m_bLoaded(FALSE), m_bCheck(FALSE), m_bPressedInside(FALSE),
      m_nState(kStateNormal), m_nColorMask(0), m_clrText(0xFFFFFFFF)
{
    const tagBtnColor none = {0, 0, 0, 0};
    m_colorNormal = m_colorOver = m_colorPressed = m_colorDisabled = none;
}

CImgButton::~CImgButton()
{
    if (m_bBorrowed) {
        m_bmpNormal.Detach();
        m_bmpOver.Detach();
        m_bmpPressed.Detach();
        m_bmpDisabled.Detach();
    }
}

BOOL CImgButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CButton::Create(lpszCaption, dwStyle | BS_OWNERDRAW, rect, pParentWnd, nID);
}

void CImgButton::LoadBitmaps(const char* normal, const char* over, const char* pressed)
{
    m_bLoaded = TRUE;
    AttachFile(m_bmpNormal, normal);
    AttachFile(m_bmpOver, over);
    AttachFile(m_bmpPressed, pressed);
}

void CImgButton::SetColorSet(int state, const tagBtnColor& colors)
{
    switch (state) {
    case kStateNormal:
        m_colorNormal = colors;
        break;
    case kStateOver:
        m_colorOver = colors;
        m_nColorMask |= kMaskOver;
        break;
    case kStatePressed:
        m_colorPressed = colors;
        m_nColorMask |= kMaskPressed;
        break;
    }
}

int CImgButton::GetCurState()
{
    // A disabled button paints its normal look, whatever the mouse did before it was disabled.
    if (m_hWnd != NULL && !IsWindowEnabled())
        return kStateNormal;
    return m_nState;
}

CBitmap* CImgButton::GetCurBitmap()
{
    CBitmap* bitmap = &m_bmpNormal;
    switch (GetCurState()) {
    case kStateOver:
        bitmap = &m_bmpOver;
        break;
    case kStatePressed:
        bitmap = &m_bmpPressed;
        break;
    }
    return bitmap->GetSafeHandle() != NULL ? bitmap : &m_bmpNormal;
}

tagBtnColor CImgButton::GetCurColor()
{
    switch (GetCurState()) {
    case kStateOver:
        return (m_nColorMask & kMaskOver) ? m_colorOver : m_colorNormal;
    case kStatePressed:
        return (m_nColorMask & kMaskPressed) ? m_colorPressed : m_colorNormal;
    }
    return m_colorNormal;
}

void CImgButton::OnClick()
{
    m_bCheck = !m_bCheck;
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
}

void CImgButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == NULL || lpDrawItemStruct->hDC == NULL)
        return;
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    DrawButton(&dc);
    dc.Detach();
}

void CImgButton::DrawButton(CDC* pDC)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HGDIOBJ oldFont = font != NULL ? ::SelectObject(pDC->GetSafeHdc(), font) : NULL;
    CRect rect;
    GetClientRect(&rect);
    CString text;
    GetWindowText(text);

    if (m_bLoaded) {
        CBitmap* bitmap = GetCurBitmap();
        if (bitmap->GetSafeHandle() != NULL) {
            CDC memDC;
            memDC.CreateCompatibleDC(pDC);
            CBitmap* old = memDC.SelectObject(bitmap);
            BITMAP info;
            bitmap->GetBitmap(&info);
            pDC->StretchBlt(0, 0, rect.Width(), rect.Height(), &memDC, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
            memDC.SelectObject(old);
            memDC.DeleteDC();
        }
    } else {
        const tagBtnColor colors = GetCurColor();
        CPen frame(PS_SOLID, 1, colors.clrBorder);
        CPen highlight(PS_SOLID, 1, colors.clrHighlight);
        CPen shadow(PS_SOLID, 1, colors.clrShadow);
        CPen* oldPen = pDC->SelectObject(&frame);
        CGdiObject* oldBrush = pDC->SelectStockObject(NULL_BRUSH);
        pDC->FillSolidRect(&rect, colors.clrFill);
        pDC->Rectangle(&rect);
        CRect edge = rect;
        edge.DeflateRect(1, 1);
        edge.right -= 1;
        edge.bottom -= 1;
        pDC->SelectObject(&highlight);
        pDC->MoveTo(edge.left, edge.bottom);
        pDC->LineTo(edge.left, edge.top);
        pDC->LineTo(edge.right, edge.top);
        pDC->SelectObject(&shadow);
        pDC->MoveTo(edge.right, edge.top + 1);
        pDC->LineTo(edge.right, edge.bottom);
        pDC->LineTo(edge.left - 1, edge.bottom);
        pDC->SelectObject(oldPen);
        if (oldBrush != NULL)
            pDC->SelectObject(oldBrush);
    }

    CRect textRect = rect;
    if (GetCurState() == kStatePressed)
        textRect.OffsetRect(1, 1);
    if (IsWindowEnabled())
        pDC->SetTextColor(m_clrText);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(text, &textRect, kTextFormat);

    if ((GetStyle() & WS_TABSTOP) != 0 && ::GetFocus() == m_hWnd) {
        CRect focus = rect;
        focus.DeflateRect(2, 2);
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->DrawFocusRect(&focus);
    }
    if (font != NULL)
        ::SelectObject(pDC->GetSafeHdc(), oldFont);
}

void CImgButton::SetMouseState(int state)
{
    m_nState = state;
    InvalidateRect(NULL, TRUE);
}

int CImgButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetMouseState(kStateNormal);
    return 0;
}

void CImgButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CButton::OnMouseMove(nFlags, point);
    if (!m_bTracking) {
        TRACKMOUSEEVENT tme;
        tme.cbSize = sizeof tme;
        tme.dwFlags = TME_HOVER | TME_LEAVE;
        tme.hwndTrack = m_hWnd;
        tme.dwHoverTime = 1;
        m_bTracking = ::TrackMouseEvent(&tme);
    }
}

void CImgButton::OnMouseHover(UINT nFlags, CPoint point)
{
    CButton::OnMouseHover(nFlags, point);
    SetMouseState(kStateOver);
}

void CImgButton::OnMouseLeave()
{
    CButton::OnMouseLeave();
    m_bTracking = FALSE;
    SetMouseState(kStateNormal);
}

void CImgButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    CButton::OnLButtonDown(nFlags, point);
    SetCapture();
    m_bPressedInside = TRUE;
    SetMouseState(kStatePressed);
}

void CImgButton::OnLButtonUp(UINT, CPoint)
{
    // Not passed on: the system's button would report the click a second time (sent, besides
    // the posted one below). Releasing the capture ends its pushed look.
    ::ReleaseCapture();
    CPoint cursor;
    ::GetCursorPos(&cursor);
    CRect window;
    GetWindowRect(&window);
    if (m_bPressedInside && window.PtInRect(cursor))
        OnClick();
    m_bPressedInside = FALSE;
    SetMouseState(kStateOver);
}

void CImgButton::OnLButtonDblClk(UINT, CPoint)
{
    // Not passed on either: the system's button would report a click or a double click itself.
    OnClick();
    SetMouseState(kStatePressed);
}
