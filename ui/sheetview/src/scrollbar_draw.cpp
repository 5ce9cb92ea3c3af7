// The skinned scroll bar's drawing: eight bitmaps shared by every bar (loaded with the first,
// freed with the last), arrows stretched, page areas and the thumb's fill tiled, double-buffered.
#include "XeScrollBar.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CXeScrollBar, CXeScrollBarBase)

const UINT CXeScrollBar::s_slotIds[CXeScrollBar::SLOT_COUNT] = {
    IDB_XSB_HORZ_NORMAL, IDB_XSB_HORZ_HOT, IDB_XSB_HORZ_PRESSED, IDB_XSB_HORZ_DISABLED,
    IDB_XSB_VERT_NORMAL, IDB_XSB_VERT_HOT, IDB_XSB_VERT_PRESSED, IDB_XSB_VERT_DISABLED};

CXeScrollBar::SharedBitmap CXeScrollBar::s_bitmaps[CXeScrollBar::SLOT_COUNT];
int CXeScrollBar::s_instances = 0;

CXeScrollBar::CXeScrollBar()
{
    if (s_instances++ > 0)
        return;
    for (int i = 0; i < SLOT_COUNT; ++i) {
        SharedBitmap& b = s_bitmaps[i];
        memset(&b, 0, sizeof b);
        LPCSTR name = MAKEINTRESOURCE(s_slotIds[i]);
        b.bitmap = ::LoadBitmap(AfxFindResourceHandle(name, RT_BITMAP), name);
        if (b.bitmap == NULL)
            continue;
        BITMAP info;
        if (::GetObject(b.bitmap, sizeof info, &info) != 0) {
            b.size.cx = info.bmWidth;
            b.size.cy = info.bmHeight;
        }
        b.dc = ::CreateCompatibleDC(NULL);
        if (b.dc != NULL)
            b.old = ::SelectObject(b.dc, b.bitmap);
    }
}

CXeScrollBar::~CXeScrollBar()
{
    if (--s_instances > 0)
        return;
    for (SharedBitmap& b : s_bitmaps) {
        if (b.dc != NULL) {
            ::SelectObject(b.dc, b.old);
            ::DeleteDC(b.dc);
        }
        if (b.bitmap != NULL)
            ::DeleteObject(b.bitmap);
        memset(&b, 0, sizeof b);
    }
}

int CXeScrollBar::SlotOf(BOOL horizontal, int state)
{
    int offset;
    switch (state) {
    case STATE_HOT:
        offset = 1;
        break;
    case STATE_PRESSED:
        offset = 2;
        break;
    case STATE_DISABLED:
        offset = 3;
        break;
    default:
        offset = 0;
        break;
    }
    return (horizontal ? 0 : 4) + offset;
}

CRect CXeScrollBar::Span(const CRect& rect, int pos, int len) const
{
    return m_bHorizontal ? CRect(rect.left + pos, rect.top, rect.left + pos + len, rect.bottom)
                         : CRect(rect.left, rect.top + pos, rect.right, rect.top + pos + len);
}

void CXeScrollBar::CopyPart(CDC* pDC, int slot, int srcPos, int srcLen, const CRect& dst)
{
    const SharedBitmap& b = s_bitmaps[slot];
    if (b.dc == NULL || dst.IsRectEmpty() || srcLen <= 0)
        return;
    if (m_bHorizontal)
        ::StretchBlt(pDC->m_hDC, dst.left, dst.top, dst.Width(), dst.Height(), b.dc, srcPos, 0, srcLen, b.size.cy,
                     SRCCOPY);
    else
        ::StretchBlt(pDC->m_hDC, dst.left, dst.top, dst.Width(), dst.Height(), b.dc, 0, srcPos, b.size.cx, srcLen,
                     SRCCOPY);
}

void CXeScrollBar::TilePart(CDC* pDC, int slot, int srcPos, int srcLen, const CRect& dst)
{
    const int length = m_bHorizontal ? dst.Width() : dst.Height();
    for (int at = 0; at < length; at += srcLen) {
        const int n = std::min(srcLen, length - at);
        CopyPart(pDC, slot, srcPos, n, Span(dst, at, n));
    }
}

void CXeScrollBar::DrawThumb(CDC* pDC, int slot)
{
    // The thumb region: 4-pixel start cap, 4-pixel fill, 8-pixel grip, 4-pixel fill, end cap.
    const int kCap = 4, kFill = BMP_THUMB + 4, kGrip = BMP_THUMB + 8, kGripLen = 8, kEndCap = BMP_THUMB + 20;
    const CRect& t = m_rectThumb;
    const int length = m_bHorizontal ? t.Width() : t.Height();
    const int cap = length < 2 * kCap ? length / 2 : kCap;
    CopyPart(pDC, slot, BMP_THUMB, cap, Span(t, 0, cap));
    CopyPart(pDC, slot, kEndCap + kCap - cap, cap, Span(t, length - cap, cap));
    const int half = length / 2;
    const bool grip = half - kGripLen / 2 >= cap && m_bBlink;
    if (grip) {
        const int gripStart = half - kGripLen / 2;
        TilePart(pDC, slot, kFill, 4, Span(t, cap, gripStart - cap));
        CopyPart(pDC, slot, kGrip, kGripLen, Span(t, gripStart, kGripLen));
        TilePart(pDC, slot, kFill, 4, Span(t, gripStart + kGripLen, length - cap - gripStart - kGripLen));
    } else {
        TilePart(pDC, slot, kFill, 4, Span(t, cap, length - 2 * cap));
    }
}

void CXeScrollBar::DrawScrollBar(CDC* pDC)
{
    const CRect& c = m_rectClient;
    if (c.IsRectEmpty())
        return;
    CDC mem;
    CBitmap canvas;
    if (!mem.CreateCompatibleDC(pDC) || !canvas.CreateCompatibleBitmap(pDC, c.Width(), c.Height()))
        return;
    CBitmap* old = mem.SelectObject(&canvas);
    mem.FillSolidRect(&c, ::GetSysColor(COLOR_SCROLLBAR));
    ::SetStretchBltMode(mem.m_hDC, COLORONCOLOR);
    const struct
    {
        int area;
        const CRect* rect;
    } parts[] = {{AREA_ARROW1, &m_rectArrow1},
                 {AREA_ARROW2, &m_rectArrow2},
                 {AREA_PAGE_BEFORE, &m_rectPageBefore},
                 {AREA_PAGE_AFTER, &m_rectPageAfter},
                 {AREA_THUMB, &m_rectThumb}};
    for (const auto& part : parts) {
        if (part.rect->IsRectEmpty())
            continue;
        const int slot = SlotOf(m_bHorizontal, GetAreaState(part.area));
        switch (part.area) {
        case AREA_ARROW1:
            CopyPart(&mem, slot, BMP_ARROW1, BMP_ARROW_LEN, *part.rect);
            break;
        case AREA_ARROW2:
            CopyPart(&mem, slot, BMP_ARROW2, BMP_ARROW_LEN, *part.rect);
            break;
        case AREA_PAGE_BEFORE:
            TilePart(&mem, slot, BMP_PAGE_BEFORE, BMP_PAGE_LEN, *part.rect);
            break;
        case AREA_PAGE_AFTER:
            TilePart(&mem, slot, BMP_PAGE_AFTER, BMP_PAGE_LEN, *part.rect);
            break;
        default:
            DrawThumb(&mem, slot);
            break;
        }
    }
    pDC->BitBlt(c.left, c.top, c.Width(), c.Height(), &mem, 0, 0, SRCCOPY);
    mem.SelectObject(old);
}
