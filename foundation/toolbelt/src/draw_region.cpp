// Regions from a bitmap's opaque pixels, and a bitmap stretched over a rectangle.
#include "Draw.h"

#include <string.h>
#include <vector>

namespace {

// Rectangles of a region under construction, with the standard region-data header in front.
class RegionBuilder
{
public:
    explicit RegionBuilder(int height) : m_capacity(height + 2), m_count(0)
    {
        m_buffer.resize(sizeof(RGNDATAHEADER) + m_capacity * sizeof(RECT));
    }

    void Add(int left, int top, int right, int bottom)
    {
        if (m_count == m_capacity) {
            m_capacity += 40;
            m_buffer.resize(sizeof(RGNDATAHEADER) + m_capacity * sizeof(RECT));
        }
        RECT* rects = reinterpret_cast<RECT*>(m_buffer.data() + sizeof(RGNDATAHEADER));
        ::SetRect(&rects[m_count++], left, top, right, bottom);
        ::UnionRect(&m_bound, &m_bound, &rects[m_count - 1]);
    }

    HRGN Create()
    {
        RGNDATAHEADER* header = reinterpret_cast<RGNDATAHEADER*>(m_buffer.data());
        header->dwSize = sizeof(RGNDATAHEADER);
        header->iType = RDH_RECTANGLES;
        header->nCount = m_count;
        header->nRgnSize = m_count * sizeof(RECT);
        header->rcBound = m_bound;
        return ::ExtCreateRegion(NULL, DWORD(sizeof(RGNDATAHEADER) + m_count * sizeof(RECT)),
                                 reinterpret_cast<const RGNDATA*>(m_buffer.data()));
    }

private:
    std::vector<BYTE> m_buffer;
    int m_capacity;
    int m_count;
    RECT m_bound = {0, 0, 0, 0};
};

// The transparent colour in the form the pixels of a bottom-up DIB of that depth take.
DWORD TransparentKey(COLORREF transparent, int bitsPerPixel)
{
    const DWORD r = GetRValue(transparent), g = GetGValue(transparent), b = GetBValue(transparent);
    if (bitsPerPixel == 16) // uncompressed 16-bit DIBs are 5-5-5
        return ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
    return (r << 16) | (g << 8) | b; // red and blue exchanged
}

} // namespace

HRGN CDraw::CreateRgnFromFile(HBITMAP hBitmap, COLORREF transparent)
{
    BITMAP bm;
    if (hBitmap == NULL || ::GetObjectA(hBitmap, sizeof bm, &bm) == 0 || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return NULL;
    // 8, 16, 24 and 32 bits are read as they are; any other depth as 32 bits.
    int bits = bm.bmBitsPixel;
    if (bits != 8 && bits != 16 && bits != 24)
        bits = 32;

    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info;
    memset(&info, 0, sizeof info);
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = bm.bmWidth;
    info.header.biHeight = bm.bmHeight; // bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = WORD(bits);
    info.header.biCompression = BI_RGB;

    const int stride = ((bm.bmWidth * bits + 31) / 32) * 4;
    std::vector<BYTE> pixels(size_t(stride) * bm.bmHeight);
    HDC hDC = ::CreateICA("DISPLAY", NULL, NULL, NULL);
    if (hDC == NULL)
        return NULL;
    const int lines = ::GetDIBits(hDC, hBitmap, 0, bm.bmHeight, pixels.data(),
                                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ::DeleteDC(hDC);
    if (lines != bm.bmHeight)
        return NULL;

    const DWORD key = TransparentKey(transparent, bits);
    auto opaque = [&](const BYTE* row, int x) -> bool {
        switch (bits) {
        case 8: {
            const RGBQUAD& c = info.colors[row[x]];
            return ((DWORD(c.rgbRed) << 16) | (DWORD(c.rgbGreen) << 8) | c.rgbBlue) != key;
        }
        case 16: return (*reinterpret_cast<const WORD*>(row + 2 * x) & 0x7FFF) != key;
        case 24: return (row[3 * x] | (row[3 * x + 1] << 8) | (DWORD(row[3 * x + 2]) << 16)) != key;
        default: return *reinterpret_cast<const DWORD*>(row + 4 * x) != key;
        }
    };

    RegionBuilder region(bm.bmHeight);
    for (int y = 0; y < bm.bmHeight; ++y) {
        const BYTE* row = pixels.data() + size_t(stride) * (bm.bmHeight - 1 - y);
        int x = 0;
        while (x < bm.bmWidth) {
            while (x < bm.bmWidth && !opaque(row, x))
                ++x;
            if (x == bm.bmWidth)
                break;
            const int start = x;
            while (x < bm.bmWidth && opaque(row, x))
                ++x;
            region.Add(start, y, x, y + 1);
        }
    }
    return region.Create();
}

BOOL CDraw::LoadBitmapA(const char* path, CBitmap& bitmap)
{
    HANDLE hImage = ::LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0,
                                 LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE);
    if (hImage == NULL)
        return FALSE;
    bitmap.DeleteObject();
    return bitmap.Attach(hImage);
}

BOOL CDraw::GetBitmapInfo(CString path, BITMAP& info)
{
    HANDLE hImage = ::LoadImageA(NULL, path, IMAGE_BITMAP, 0, 0,
                                 LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE);
    if (hImage == NULL)
        return FALSE;
    const BOOL ok = ::GetObjectA(hImage, sizeof info, &info) != 0;
    ::DeleteObject(hImage);
    return ok;
}

CSize CDraw::GetTextSize(CWnd* pWnd, CString text)
{
    CSize size(0, 0);
    HWND hWnd = pWnd->GetSafeHwnd();
    HDC hDC = ::GetDC(hWnd);
    if (hDC == NULL)
        return size;
    const int saved = ::SaveDC(hDC);
    if (HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(::SendMessageA(hWnd, WM_GETFONT, 0, 0)))
        ::SelectObject(hDC, hFont);
    ::GetTextExtentPoint32A(hDC, text, text.GetLength(), &size);
    ::RestoreDC(hDC, saved);
    ::ReleaseDC(hWnd, hDC);
    return size;
}

void CDraw::StretchBitmap(CDC* pDC, const CRect& rect, HBITMAP hBitmap)
{
    BITMAP info;
    if (hBitmap == NULL || ::GetObject(hBitmap, sizeof info, &info) == 0)
        return;
    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    CDCSelectGuard bitmapGuard(memDC.GetSafeHdc(), hBitmap);
    pDC->SetStretchBltMode(COLORONCOLOR);
    pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memDC, 0, 0, info.bmWidth, info.bmHeight,
                    SRCCOPY);
}
