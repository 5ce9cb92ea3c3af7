// A 32-bit off-screen canvas for pixel checks, and masks of the pixels of one colour.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

class Canvas
{
public:
    Canvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    CDC* DC() { return &m_dc; }
    HDC Handle() const { return m_dc.m_hDC; }
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF color);
    // Rows of the rectangle, '#' where the pixel has the colour, '.' elsewhere.
    std::vector<std::string> Mask(const CRect& area, COLORREF color) const;
    int Count(const CRect& area, COLORREF color) const;

private:
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    int m_width, m_height;
};

// Rows of a mask, joined with '|' for readable failures.
std::string JoinRows(const std::vector<std::string>& rows);
