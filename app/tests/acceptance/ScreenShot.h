// What a window shows on the desktop, read back from the screen: compared by pixels and saved
// as PNG files for the eye.
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
    // Pixels of exactly this colour.
    size_t Count(COLORREF colour) const;
};

// The screen's pixels under the window's rectangle (the part on the desktop).
Shot ShootWindow(HWND window);
// 8-bit truecolour PNG; false when it could not be written.
bool SavePng(const std::string& path, const Shot& shot);
