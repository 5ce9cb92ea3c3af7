// CTxtSlider: the off-screen picture, scrolling a new text in, the border; CTickerBar's cells.
#include "TxtSlider.h"

#include "Draw.h"

IMPLEMENT_DYNAMIC(CTxtSlider, CStatic)
IMPLEMENT_DYNAMIC(CTickerBar, CTxtSlider)

BEGIN_MESSAGE_MAP(CTxtSlider, CStatic)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CTxtSlider::CTxtSlider()
    : m_clrText(static_cast<COLORREF>(-1)), m_clrBorder(0x0000FF), m_clrBack(0), m_bScrolling(FALSE), m_nOffset(0),
      m_nInterval(10), m_nStyle(TXTSLIDER_SCROLL), m_cx(0), m_cy(0)
{
}

CTxtSlider::~CTxtSlider() {}

void CTxtSlider::MakeBitmap(int width, int height)
{
    m_bitmap.DeleteObject();
    HDC screen = ::GetDC(NULL);
    m_bitmap.Attach(::CreateCompatibleBitmap(screen, width > 0 ? width : 1, height > 0 ? height : 1));
    ::ReleaseDC(NULL, screen);
}

CSize CTxtSlider::GetBitmapSize() const
{
    if (m_bitmap.GetSafeHandle() == NULL)
        return CSize(0, 0);
    BITMAP info;
    ::GetObject(m_bitmap.GetSafeHandle(), sizeof info, &info);
    return CSize(info.bmWidth, info.bmHeight);
}

COLORREF CTxtSlider::GetBitmapPixel(int x, int y) const
{
    HDC dc = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(dc, m_bitmap.GetSafeHandle());
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return colour;
}

int CTxtSlider::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatic::OnCreate(lpCreateStruct) == -1)
        return -1;
    return 0;
}

void CTxtSlider::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pDefFont->GetSafeHandle()), FALSE);
    CRect client;
    GetClientRect(&client);
    m_cx = client.Width();
    m_cy = client.Height();
    MakeBitmap(m_cx, m_cy);
}

void CTxtSlider::UpdateBitmap(BOOL asNew)
{
    if (m_hWnd == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    m_cx = client.Width();
    m_cy = client.Height();
    const int cx = m_cx > 0 ? m_cx : 1, cy = m_cy > 0 ? m_cy : 1;

    HDC screen = ::GetDC(NULL);
    CDC dc;
    dc.Attach(::CreateCompatibleDC(screen));
    int top = 0;
    if ((m_nStyle & TXTSLIDER_SCROLL) && asNew) {
        // The picture on screen now (mid-scroll: the part at the offset) above the new one, so
        // the picture never holds more than two texts however fast they come.
        CBitmap grown;
        grown.Attach(::CreateCompatibleBitmap(screen, cx, cy * 2));
        CBitmap* oldGrown = dc.SelectObject(&grown);
        dc.FillSolidRect(0, 0, cx, cy * 2, m_clrBack);
        if (m_bitmap.GetSafeHandle() != NULL) {
            CDC src;
            src.Attach(::CreateCompatibleDC(screen));
            CBitmap* oldSrc = src.SelectObject(&m_bitmap);
            dc.BitBlt(0, 0, cx, cy, &src, 0, m_nOffset, SRCCOPY);
            src.SelectObject(oldSrc);
            ::DeleteDC(src.Detach());
        }
        dc.SelectObject(oldGrown);
        m_bitmap.DeleteObject();
        m_bitmap.Attach(grown.Detach());
        m_nOffset = 0;
        top = cy;
    } else if (m_nStyle & TXTSLIDER_SCROLL) {
        if (m_bitmap.GetSafeHandle() == NULL)
            MakeBitmap(cx, cy);
        top = GetBitmapSize().cy - cy;
    } else {
        MakeBitmap(cx, cy);
        m_nOffset = 0;
    }
    ::ReleaseDC(NULL, screen);

    CBitmap* old = dc.SelectObject(&m_bitmap);
    CRect part(0, top, cx, top + cy);
    dc.FillSolidRect(&part, m_clrBack);
    dc.SetBkMode(TRANSPARENT);
    if (m_clrText != static_cast<COLORREF>(-1))
        dc.SetTextColor(m_clrText);
    CFont* oldFont = dc.SelectObject(m_pDefFont);
    part.OffsetRect(1, 1);
    OnDrawCtrl(&dc, part);
    dc.SelectObject(oldFont);
    dc.SelectObject(old);
    ::DeleteDC(dc.Detach());

    if ((m_nStyle & TXTSLIDER_SCROLL) && asNew) {
        m_bScrolling = SetTimer(TXTSLIDER_TIMER, static_cast<UINT>(m_nInterval), NULL) != 0;
    } else if (!(m_nStyle & TXTSLIDER_SCROLL) && m_bScrolling) {
        KillTimer(TXTSLIDER_TIMER);
        m_bScrolling = FALSE;
    }
    Invalidate(FALSE);
}

void CTxtSlider::OnDrawCtrl(CDC* dc, CRect rect)
{
    dc->DrawText(m_strText, &rect, DT_SINGLELINE | DT_VCENTER);
}

void CTxtSlider::SetText(CString text)
{
    m_strText = text;
    UpdateBitmap(TRUE);
}

void CTxtSlider::SetText(CString text, COLORREF background, COLORREF textColour)
{
    SetTextColor(textColour);
    SetBGColor(background);
    SetText(text);
}

void CTxtSlider::SetTextColor(COLORREF colour)
{
    m_clrText = colour;
    UpdateBitmap(FALSE);
}

void CTxtSlider::SetBGColor(COLORREF colour)
{
    m_clrBack = colour;
    UpdateBitmap(FALSE);
}

void CTxtSlider::SetBorderColor(COLORREF colour)
{
    m_clrBorder = colour;
    UpdateBitmap(FALSE);
}

void CTxtSlider::ModifyStyle(int remove, int add)
{
    m_nStyle &= ~remove;
    m_nStyle |= add;
}

void CTxtSlider::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TXTSLIDER_TIMER) {
        CStatic::OnTimer(nIDEvent);
        return;
    }
    if (!m_bScrolling)
        return; // a tick left over from a finished scroll
    ++m_nOffset;
    const int height = GetBitmapSize().cy;
    if (m_nOffset > height - m_cy) {
        KillTimer(TXTSLIDER_TIMER);
        m_bScrolling = FALSE;
        m_nOffset = 0;
        // Only the new picture stays.
        const int cx = m_cx > 0 ? m_cx : 1, cy = m_cy > 0 ? m_cy : 1;
        HDC screen = ::GetDC(NULL);
        HDC src = ::CreateCompatibleDC(screen);
        HDC dst = ::CreateCompatibleDC(screen);
        HBITMAP cut = ::CreateCompatibleBitmap(screen, cx, cy);
        HGDIOBJ oldSrc = ::SelectObject(src, m_bitmap.GetSafeHandle());
        HGDIOBJ oldDst = ::SelectObject(dst, cut);
        ::BitBlt(dst, 0, 0, cx, cy, src, 0, height - cy > 0 ? height - cy : 0, SRCCOPY);
        ::SelectObject(src, oldSrc);
        ::SelectObject(dst, oldDst);
        ::DeleteDC(src);
        ::DeleteDC(dst);
        ::ReleaseDC(NULL, screen);
        m_bitmap.DeleteObject();
        m_bitmap.Attach(cut);
    }
    Invalidate(FALSE);
}

void CTxtSlider::Paint(CDC* dc)
{
    if (m_bitmap.GetSafeHandle() == NULL)
        return;
    CDC memDC;
    memDC.CreateCompatibleDC(dc);
    CBitmap* old = memDC.SelectObject(&m_bitmap);
    dc->BitBlt(0, 0, m_cx, m_cy, &memDC, 0, m_nOffset, SRCCOPY);
    memDC.SelectObject(old);
}

void CTxtSlider::OnPaint()
{
    CPaintDC paint(this);
    Paint(&paint);
}

BOOL CTxtSlider::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    if (GetStyle() & WS_BORDER) {
        CWindowDC dc(this);
        CRect client;
        GetClientRect(&client);
        ClientToScreen(&client);
        CRect window;
        GetWindowRect(&window);
        client.OffsetRect(-window.left, -window.top);
        client.InflateRect(1, 1);
        CPen pen(PS_SOLID, 1, m_clrBorder);
        CPen* oldPen = dc.SelectObject(&pen);
        CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(&client);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    }
    return TRUE;
}

void CTxtSlider::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    if (cx == m_cx && cy == m_cy)
        return;
    m_cx = cx;
    m_cy = cy;
    if (m_bScrolling) {
        KillTimer(TXTSLIDER_TIMER);
        m_bScrolling = FALSE;
    }
    m_nOffset = 0;
    MakeBitmap(cx, cy);
    UpdateBitmap(FALSE);
}

void CTxtSlider::OnDestroy()
{
    if (m_bScrolling)
        KillTimer(TXTSLIDER_TIMER);
    m_bScrolling = FALSE;
    CStatic::OnDestroy();
}

CTickerBar::CTickerBar() : m_pItems(NULL), m_nCount(0) {}

CTickerBar::~CTickerBar()
{
    delete[] m_pItems;
}

void CTickerBar::SetDrawItem(tagTickerItem* items, int count)
{
    delete[] m_pItems;
    m_pItems = NULL;
    m_nCount = 0;
    if (items != NULL && count > 0) {
        m_pItems = new tagTickerItem[count];
        for (int i = 0; i < count; ++i)
            m_pItems[i] = items[i];
        m_nCount = count;
    }
    UpdateBitmap(TRUE);
}

void CTickerBar::OnDrawCtrl(CDC* dc, CRect rect)
{
    if (m_pItems == NULL)
        return;
    int left = rect.left;
    for (int i = 0; i < m_nCount; ++i) {
        const tagTickerItem& item = m_pItems[i];
        CRect cell(left, rect.top, left + item.nWidth, rect.bottom);
        left += item.nWidth;
        if (item.nKind == 0) {
            dc->SetTextColor(item.clrText);
            dc->DrawText(item.strText, &cell, item.nFormat | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
            continue;
        }
        CRect box(cell.right - 20, cell.top, cell.right, cell.bottom);
        box.DeflateRect(5, 5);
        const COLORREF rise = 0x4C0DED, fall = 0xF82442;
        switch (item.chSign) {
        case '1':
            box.OffsetRect(0, -2);
            CDraw::DrawUpLimit(dc, box, rise);
            break;
        case '2':
            box.OffsetRect(0, -2);
            CDraw::DrawUp(dc, box, rise);
            break;
        case '4':
            box.OffsetRect(0, -1);
            CDraw::DrawDownLimit(dc, box, fall);
            break;
        case '5':
            box.OffsetRect(0, -1);
            CDraw::DrawDown(dc, box, fall);
            break;
        default:
            break; // no sign
        }
    }
}
