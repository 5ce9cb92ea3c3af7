#include "canvas.h"

Canvas::Canvas(int width, int height, COLORREF background) : m_width(width), m_height(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    m_hBitmap = ::CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    m_dc.Attach(::CreateCompatibleDC(NULL));
    m_hOld = ::SelectObject(m_dc.m_hDC, m_hBitmap);
    Fill(background);
}

Canvas::~Canvas()
{
    ::SelectObject(m_dc.m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    return ::GetPixel(m_dc.m_hDC, x, y);
}

void Canvas::Fill(COLORREF color)
{
    HBRUSH brush = ::CreateSolidBrush(color);
    RECT all = {0, 0, m_width, m_height};
    ::FillRect(m_dc.m_hDC, &all, brush);
    ::DeleteObject(brush);
}

std::vector<std::string> Canvas::Mask(const CRect& area, COLORREF color) const
{
    std::vector<std::string> rows;
    for (int y = area.top; y < area.bottom; ++y) {
        std::string row;
        for (int x = area.left; x < area.right; ++x)
            row += Pixel(x, y) == color ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

int Canvas::Count(const CRect& area, COLORREF color) const
{
    int n = 0;
    for (const std::string& row : Mask(area, color))
        for (char c : row)
            n += c == '#';
    return n;
}

std::string JoinRows(const std::vector<std::string>& rows)
{
    std::string all;
    for (const std::string& row : rows)
        all += (all.empty() ? "" : "|") + row;
    return all;
}
