#include "skin_fixture.h"

#include <fstream>
#include <sstream>

#include "InstallFolders.h"

std::string BmpBytes(int width, int height, int bits, const std::string& pixels)
{
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(bits);
    info.biSizeImage = static_cast<DWORD>(pixels.size());
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    return std::string(reinterpret_cast<const char*>(&file), sizeof file) +
           std::string(reinterpret_cast<const char*>(&info), sizeof info) + pixels;
}

void WriteSolidBmp(const std::string& path, int width, int height, COLORREF colour)
{
    const int stride = (width * 3 + 3) & ~3;
    std::string pixels(static_cast<size_t>(stride) * height, '\0');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            char* p = &pixels[y * stride + x * 3];
            p[0] = static_cast<char>(GetBValue(colour));
            p[1] = static_cast<char>(GetGValue(colour));
            p[2] = static_cast<char>(GetRValue(colour));
        }
    }
    std::ofstream out(path, std::ios::binary);
    const std::string bytes = BmpBytes(width, height, 24, pixels);
    out.write(bytes.data(), bytes.size());
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    HDC dc = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return colour;
}

ScratchImageFolder::ScratchImageFolder()
{
    std::ostringstream name;
    name << "_test_" << ::GetCurrentProcessId();
    m_name = name.str();
    ::CreateDirectoryA((std::string(GetImageDir()) + m_name).c_str(), NULL);
}

ScratchImageFolder::~ScratchImageFolder()
{
    const std::string dir = std::string(GetImageDir()) + m_name + "\\";
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((dir + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA((dir + found.cFileName).c_str());
        } while (::FindNextFileA(find, &found));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(dir.c_str());
}

std::string ScratchImageFolder::File(const std::string& file) const
{
    return std::string(GetImageDir()) + m_name + "\\" + file;
}
