#include "ScreenShot.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>

size_t Shot::Differing(const Shot& other) const
{
    if (other.width != width || other.height != height)
        return pixels.size();
    size_t count = 0;
    for (size_t i = 0; i < pixels.size(); ++i)
        count += pixels[i] != other.pixels[i];
    return count;
}

size_t Shot::Count(COLORREF colour) const
{
    size_t count = 0;
    for (COLORREF c : pixels)
        count += c == colour;
    return count;
}

Shot ShootWindow(HWND window)
{
    Shot shot;
    RECT rect;
    if (!::GetWindowRect(window, &rect))
        return shot;
    // Only what lies on the desktop can be read.
    rect.left = std::max<LONG>(rect.left, 0);
    rect.top = std::max<LONG>(rect.top, 0);
    rect.right = std::min<LONG>(rect.right, ::GetSystemMetrics(SM_CXSCREEN));
    rect.bottom = std::min<LONG>(rect.bottom, ::GetSystemMetrics(SM_CYSCREEN));
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return shot;
    shot.width = rect.right - rect.left;
    shot.height = rect.bottom - rect.top;

    HDC screen = ::GetDC(NULL);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (bitmap != NULL) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, shot.width, shot.height, screen, rect.left, rect.top, SRCCOPY);
        ::GdiFlush();
        const DWORD* row = static_cast<const DWORD*>(bits);
        shot.pixels.reserve(size_t(shot.width) * size_t(shot.height));
        for (size_t i = 0; i < size_t(shot.width) * size_t(shot.height); ++i) {
            const DWORD p = row[i]; // 0x00RRGGBB
            shot.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
        }
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
    }
    ::DeleteDC(memory);
    ::ReleaseDC(NULL, screen);
    return shot;
}

namespace {

void PutBigEndian(std::vector<BYTE>& out, uLong value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(BYTE(value >> shift));
}

void PutChunk(std::vector<BYTE>& out, const char* type, const std::vector<BYTE>& data)
{
    PutBigEndian(out, uLong(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, crc32(0, out.data() + start, uInt(out.size() - start)));
}

} // namespace

bool SavePng(const std::string& path, const Shot& shot)
{
    if (shot.Empty())
        return false;
    std::vector<BYTE> raw;
    raw.reserve(size_t(shot.height) * (size_t(shot.width) * 3 + 1));
    for (int y = 0; y < shot.height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < shot.width; ++x) {
            const COLORREF c = shot.At(x, y);
            raw.push_back(GetRValue(c));
            raw.push_back(GetGValue(c));
            raw.push_back(GetBValue(c));
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<BYTE> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 6) != Z_OK)
        return false;
    packed.resize(packedSize);
    std::vector<BYTE> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<BYTE> header;
    PutBigEndian(header, uLong(shot.width));
    PutBigEndian(header, uLong(shot.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", {});
    FILE* out = fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool written = fwrite(file.data(), 1, file.size(), out) == file.size();
    return fclose(out) == 0 && written;
}
