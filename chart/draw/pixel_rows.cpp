// CPixelRows: finding where a DC's pixels are stored, and the order of their rows.
#include "pixel_rows.h"

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

