// A 32-bit memory picture for drawing tests, whose pixels are read back by colour.
#pragma once

#include <afxwin.h>

#include <cstring>

// 32-bit memory pictures whose pixels the test reads back.
class Picture
{
public:
    Picture(int width, int height, COLORREF fill) : m_width(width)
    {
        BITMAPINFO info;
        memset(&info, 0, sizeof info);
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HBITMAP handle = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), NULL, 0);
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
        GdiFlush();
        DWORD p = m_bits[y * m_width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    void Set(int x, int y, COLORREF c) { m_dc.SetPixel(x, y, c); }

private:
    int m_width;
    DWORD* m_bits = nullptr;
    CBitmap m_bitmap;
    CDC m_dc;
    CBitmap* m_old = nullptr;
};
