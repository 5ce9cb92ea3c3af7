// Fixtures of the skin-file tests: files in a temporary folder, and bitmaps in a scratch folder
// under the install root's Images\ (the image map only reads from there).
#pragma once

#include <afxwin.h>

#include <string>

// The bytes of a BMP file: file and info headers of the given size and depth, then pixels.
std::string BmpBytes(int width, int height, int bits, const std::string& pixels);

// Writes a 24-bit bottom-up BMP of one colour.
void WriteSolidBmp(const std::string& path, int width, int height, COLORREF colour);

// The colour of the pixel at (x, y) of a bitmap.
COLORREF PixelOf(HBITMAP bitmap, int x, int y);

// A scratch folder under GetImageDir(), removed with its files afterwards.
class ScratchImageFolder
{
public:
    ScratchImageFolder();
    ~ScratchImageFolder();
    ScratchImageFolder(const ScratchImageFolder&) = delete;
    ScratchImageFolder& operator=(const ScratchImageFolder&) = delete;

    // The folder's name as the image file's "path" attribute gives it.
    const std::string& Name() const { return m_name; }
    std::string File(const std::string& file) const;

private:
    std::string m_name;
};

// COM for the XML reader, once per test program.
class ComScope
{
public:
    ComScope() { ::CoInitialize(NULL); }
    ~ComScope() { ::CoUninitialize(); }
};
