// A 32-bit memory picture for drawing tests, whose pixels are read back by colour.
#pragma once

#include <afxwin.h>

#include <cstring>

// 32-bit memory pictures whose pixels the test reads back: DIB sections, whose rows are stored
// from the top down or from the bottom up, or a bitmap compatible with the screen, which has no
// bits of its own for a drawer to write into.
class Picture
{
public:
    enum Layout
    {
        TopDown,
        BottomUp,
        Device
    };
    Picture(int width, int height, COLORREF fill, Layout layout = TopDown)
        : m_width(width), m_height(height), m_layout(layout)
    {
        HBITMAP handle;
        if (layout == Device)
        {
            HDC screen = ::GetDC(NULL);
            handle = ::CreateCompatibleBitmap(screen, width, height);
            ::ReleaseDC(NULL, screen);
        }
        else
        {
            BITMAPINFO info;
            memset(&info, 0, sizeof info);
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = width;
            info.bmiHeader.biHeight = layout == TopDown ? -height : height;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            handle = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), NULL, 0);
        }
        m_bitmap.Attach(handle);
        m_dc.CreateCompatibleDC(NULL);
        m_old = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, fill);
    }
    ~Picture() { Unselect(); }
    // Frees the bitmap for use in another device context.
    void Unselect()
    {
        if (m_old)
            m_dc.SelectObject(m_old);
        m_old = nullptr;
    }
    CDC& dc() { return m_dc; }
    CBitmap& bitmap() { return m_bitmap; }
    COLORREF At(int x, int y)
    {
        if (!m_bits)
            return m_dc.GetPixel(x, y);
        const DWORD p = Word(x, y);
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // A DIB section's pixel as stored, its unused top byte included.
    DWORD Word(int x, int y)
    {
        GdiFlush();
        return m_bits[(m_layout == TopDown ? y : m_height - 1 - y) * m_width + x];
    }
    // Sets every stored pixel of a DIB section.
    void Flood(DWORD word)
    {
        GdiFlush();
        for (int i = 0; i < m_width * m_height; ++i)
            m_bits[i] = word;
    }
    Layout layout() const { return m_layout; }
    void Set(int x, int y, COLORREF c) { m_dc.SetPixel(x, y, c); }

private:
    int m_width, m_height;
    Layout m_layout;
    DWORD* m_bits = nullptr;
    CBitmap m_bitmap;
    CDC m_dc;
    CBitmap* m_old = nullptr;
};
