// CPixelRows: finding where a DC's pixels are stored, and the order of their rows.
#include "pixel_rows.h"

#include <algorithm>
#include <cstdlib>

bool CPixelRows::Attach(CDC* pDC)
{
    const HDC dc = pDC->GetSafeHdc();
    DIBSECTION dib;
    const HGDIOBJ bitmap = ::GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || ::GetObject(bitmap, sizeof dib, &dib) != int(sizeof dib) || !dib.dsBm.bmBits ||
        dib.dsBm.bmBitsPixel != 32)
        return false;
    // Pixels 0x00RRGGBB, as the DC paints a COLORREF into them.
    const bool rgb = dib.dsBmih.biCompression == BI_RGB ||
                     (dib.dsBmih.biCompression == BI_BITFIELDS && dib.dsBitfields[0] == 0xFF0000 &&
                      dib.dsBitfields[1] == 0xFF00 && dib.dsBitfields[2] == 0xFF);
    if (!rgb || ::GetMapMode(dc) != MM_TEXT || ::GetROP2(dc) != R2_COPYPEN || ::GetLayout(dc) != 0)
        return false;
    XFORM xf;
    if (!::GetWorldTransform(dc, &xf) || xf.eM11 != 1.0f || xf.eM12 != 0.0f || xf.eM21 != 0.0f ||
        xf.eM22 != 1.0f || xf.eDx != 0.0f || xf.eDy != 0.0f)
        return false;
    RECT clip;
    if (::GetClipBox(dc, &clip) != SIMPLEREGION)
        return false;
    POINT viewport, window;
    ::GetViewportOrgEx(dc, &viewport);
    ::GetWindowOrgEx(dc, &window);
    m_offset = CPoint(viewport.x - window.x, viewport.y - window.y);
    const int width = dib.dsBm.bmWidth, height = dib.dsBm.bmHeight;
    m_clip = clip;
    m_clip &= CRect(-m_offset.x, -m_offset.y, width - m_offset.x, height - m_offset.y);
    BYTE* const first = static_cast<BYTE*>(dib.dsBm.bmBits);
    const ptrdiff_t stride = dib.dsBm.bmWidthBytes;
    m_top = first;
    m_stride = stride;
    if (height > 1)
    {
        // The section's header does not keep the sign of the height it was made with, so the
        // order of its rows is asked of the DC: a mark in the first stored row shows on the top
        // row of pixels only when the rows are stored from the top down.
        DWORD* const firstWord = reinterpret_cast<DWORD*>(first);
        const DWORD* const lastWord = reinterpret_cast<const DWORD*>(first + (height - 1) * stride);
        const DWORD kept = *firstWord;
        DWORD mark = kept ^ 1;
        if ((mark & 0xFFFFFF) == (*lastWord & 0xFFFFFF))
            mark = kept ^ 3;
        ::GdiFlush();
        *firstWord = mark;
        const int saved = ::SaveDC(dc);
        ::SelectClipRgn(dc, NULL);
        const COLORREF shown = ::GetPixel(dc, -m_offset.x, -m_offset.y);
        ::RestoreDC(dc, saved);
        *firstWord = kept;
        const COLORREF marked = RGB((mark >> 16) & 0xFF, (mark >> 8) & 0xFF, mark & 0xFF);
        const COLORREF last = RGB((*lastWord >> 16) & 0xFF, (*lastWord >> 8) & 0xFF, *lastWord & 0xFF);
        if (shown == last)
        {
            m_top = first + (height - 1) * stride;
            m_stride = -stride;
        }
        else if (shown != marked)
            return false;
    }
    // What GDI has queued lands before the runs are written over it.
    ::GdiFlush();
    return true;
}


void CPixelRows::Line(int x0, int y0, int x1, int y1, DWORD pixel) const
{
    // Step i of the longer axis moves the other by i * minor / major, rounded to the nearest
    // pixel; a tie rounds towards the smaller coordinate, as the DC's lines do.
    const long long dx = (long long)x1 - x0, dy = (long long)y1 - y0;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const long long major = alongX ? std::llabs(dx) : std::llabs(dy);
    const long long minor = alongX ? std::llabs(dy) : std::llabs(dx);
    const int majorStep = (alongX ? dx : dy) < 0 ? -1 : 1, minorStep = (alongX ? dy : dx) < 0 ? -1 : 1;
    const int majorFrom = alongX ? x0 : y0, minorFrom = alongX ? y0 : x0;
    // Only the steps whose longer-axis coordinate lies inside the clip.
    const int lo = alongX ? m_clip.left : m_clip.top, hi = alongX ? m_clip.right : m_clip.bottom;
    long long first = 0, last = major; // exclusive
    if (majorStep > 0)
    {
        first = std::max(first, (long long)lo - majorFrom);
        last = std::min(last, (long long)hi - majorFrom);
    }
    else
    {
        first = std::max(first, (long long)majorFrom - (hi - 1));
        last = std::min(last, (long long)majorFrom - lo + 1);
    }
    for (long long i = first; i < last; ++i)
    {
        const long long t = i * minor, q = t / major, r = t % major;
        const long long off = q + (2 * r > major || (2 * r == major && minorStep < 0) ? 1 : 0);
        const int a = int(majorFrom + majorStep * i), b = int(minorFrom + minorStep * off);
        const int x = alongX ? a : b, y = alongX ? b : a;
        if (x >= m_clip.left && x < m_clip.right && y >= m_clip.top && y < m_clip.bottom)
            *At(x, y) = pixel;
    }
}
