// One-pixel vertical runs and lines written straight into the 32-bit DIB section a DC paints, where the DC
// would leave the same pixels: Wine fills such a run one pixel row at a time.
#pragma once

#include <afxwin.h>

#include "GraphKitApi.h"

class GRAPHKIT_API CPixelRows
{
public:
    // Whether the DC, as it is now, paints a one-pixel pen line into its selected bitmap's bits
    // unchanged: a 32-bit DIB section, MM_TEXT without a world transform or mirroring, copy mode
    // and a clip of one rectangle. Flushes what GDI has queued, so runs land over it.
    bool Attach(CDC* pDC);
    // Whether a pen of this colour paints it as it is (not through a palette).
    static bool Plain(COLORREF colour) { return (colour >> 24) == 0; }
    // The stored word of a plain colour.
    static DWORD Pixel(COLORREF colour)
    {
        return (DWORD(GetRValue(colour)) << 16) | (DWORD(GetGValue(colour)) << 8) | DWORD(GetBValue(colour));
    }
    // Rows y0 to y1 (exclusive, y0 <= y1) of logical column x, as far as the clip leaves them.
    void Run(int x, int y0, int y1, DWORD pixel) const
    {
        if (x < m_clip.left || x >= m_clip.right)
            return;
        if (y0 < m_clip.top)
            y0 = m_clip.top;
        if (y1 > m_clip.bottom)
            y1 = m_clip.bottom;
        if (y0 >= y1)
            return;
        BYTE* at = reinterpret_cast<BYTE*>(At(x, y0));
        for (int y = y0; y < y1; ++y, at += m_stride)
            *reinterpret_cast<DWORD*>(at) = pixel;
    }

    // The pixels a one-pixel pen line from (x0, y0) to (x1, y1) paints, its end left out.
    void Line(int x0, int y0, int x1, int y1, DWORD pixel) const;

private:
    DWORD* At(int x, int y) const
    {
        return reinterpret_cast<DWORD*>(m_top + ptrdiff_t(y + m_offset.y) * m_stride + ptrdiff_t(x + m_offset.x) * 4);
    }

    BYTE* m_top = nullptr;  // device row 0
    ptrdiff_t m_stride = 0; // from a device row to the one below it
    CPoint m_offset;        // from logical to device coordinates
    CRect m_clip;           // logical
};
