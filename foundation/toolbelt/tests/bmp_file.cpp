#include "bmp_file.h"

#include <algorithm>
#include <string.h>

namespace {

template <class T>
void Put(std::string& out, T value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

} // namespace

std::string MakeBmp(int bits, int width, int height, const std::vector<COLORREF>& pixels)
{
    std::vector<COLORREF> palette;
    if (bits == 8) {
        for (COLORREF c : pixels)
            if (std::find(palette.begin(), palette.end(), c) == palette.end())
                palette.push_back(c);
    }
    const int stride = ((width * bits + 31) / 32) * 4;
    const DWORD offset = 14 + 40 + DWORD(palette.size()) * 4;
    std::string out;
    Put<WORD>(out, 0x4D42);
    Put<DWORD>(out, offset + DWORD(stride * height));
    Put<DWORD>(out, 0);
    Put<DWORD>(out, offset);
    BITMAPINFOHEADER header;
    memset(&header, 0, sizeof header);
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height; // bottom-up
    header.biPlanes = 1;
    header.biBitCount = WORD(bits);
    header.biCompression = BI_RGB;
    header.biClrUsed = DWORD(palette.size());
    Put(out, header);
    for (COLORREF c : palette)
        Put<RGBQUAD>(out, RGBQUAD{GetBValue(c), GetGValue(c), GetRValue(c), 0});
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixels[size_t(y) * width + x];
            const BYTE r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            switch (bits) {
            case 8: row += char(std::find(palette.begin(), palette.end(), c) - palette.begin()); break;
            case 16: Put<WORD>(row, WORD(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))); break;
            case 24: row += char(b), row += char(g), row += char(r); break;
            default: Put<DWORD>(row, (DWORD(r) << 16) | (DWORD(g) << 8) | b); break;
            }
        }
        row.resize(stride, '\0');
        out += row;
    }
    return out;
}
