#include "screen_shot.h"

size_t Shot::Differing(const Shot& other) const
{
    if (other.width != width || other.height != height)
        return pixels.size();
    size_t count = 0;
    for (size_t i = 0; i < pixels.size(); ++i)
        count += pixels[i] != other.pixels[i];
    return count;
}

Shot ShootScreen(const RECT& wanted)
{
    Shot shot;
    const RECT screen = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    RECT rect;
    if (!::IntersectRect(&rect, &wanted, &screen))
        return shot;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screenDC = ::GetDC(NULL);
    HDC memory = ::CreateCompatibleDC(screenDC);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screenDC, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (bitmap != NULL) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        if (::BitBlt(memory, 0, 0, width, height, screenDC, rect.left, rect.top, SRCCOPY)) {
            ::GdiFlush();
            // A DIB section holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
            const DWORD* source = static_cast<const DWORD*>(bits);
            const size_t count = size_t(width) * size_t(height);
            shot.pixels.reserve(count);
            for (size_t i = 0; i < count; ++i)
                shot.pixels.push_back(RGB((source[i] >> 16) & 0xFF, (source[i] >> 8) & 0xFF, source[i] & 0xFF));
            shot.width = width;
            shot.height = height;
        }
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(NULL, screenDC);
    return shot;
}

Shot ShootWindow(HWND window)
{
    RECT rect;
    if (!::GetWindowRect(window, &rect))
        return Shot();
    return ShootScreen(rect);
}
