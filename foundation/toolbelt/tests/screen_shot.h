// Pictures of what the screen shows (or of any pixels a test has), compared by pixels and
// saved as PNG files for the eye.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct Shot
{
    int width = 0, height = 0;
    std::vector<COLORREF> pixels; // rows top to bottom

    bool Empty() const { return pixels.empty(); }
    COLORREF At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    // Pixels that differ from another shot of the same size (all of them when the sizes differ).
    size_t Differing(const Shot& other) const;
};

// The screen's pixels within the rectangle, cut to the part on the screen; empty when none of
// it is on the screen or the screen could not be read.
Shot ShootScreen(const RECT& rect);
// The screen's pixels under the window's rectangle, whatever covers it there.
Shot ShootWindow(HWND window);

// 8-bit truecolour PNG. False when the shot holds no picture or its pixels do not fill its size
// (no file is written then), or when the file could not be written.
bool SavePng(const std::string& path, const Shot& shot);
