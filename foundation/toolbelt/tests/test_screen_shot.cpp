// The shared screen shots: PNG files read back chunk by chunk (CRCs, header, inflated rows),
// refusals that write nothing, and the screen read under a window of a known colour.
#include <gtest/gtest.h>

#include <windows.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "screen_shot.h"
#include "temp_dir.h"

namespace {

struct Chunk
{
    std::string type, data;
    bool crcMatches;
};

unsigned long BigEndian(const std::string& bytes, size_t at)
{
    unsigned long value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = (value << 8) | (unsigned char)bytes[at + i];
    return value;
}

// The chunks after the signature; a chunk that runs past the end ends the list with type "!".
std::vector<Chunk> Chunks(const std::string& file)
{
    std::vector<Chunk> chunks;
    for (size_t at = 8; at < file.size();) {
        if (file.size() - at < 12 || BigEndian(file, at) > file.size() - at - 12) {
            chunks.push_back({"!", "", false});
            break;
        }
        const size_t length = BigEndian(file, at);
        const std::string typed = file.substr(at + 4, 4 + length);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size()));
        chunks.push_back({typed.substr(0, 4), typed.substr(4), crc == BigEndian(file, at + 8 + length)});
        at += 12 + length;
    }
    return chunks;
}

std::string Inflate(const std::string& packed, size_t expected)
{
    std::string raw(expected + 16, '\0');
    uLongf size = uLongf(raw.size());
    if (uncompress(reinterpret_cast<Bytef*>(&raw[0]), &size, reinterpret_cast<const Bytef*>(packed.data()),
                   uLong(packed.size())) != Z_OK)
        return "(not a zlib stream)";
    raw.resize(size);
    return raw;
}

TEST(ScreenShotPng, ChunksHeaderAndRowsReadBack)
{
    // Channels all distinct, so a swap of red and blue or of rows shows.
    Shot shot;
    shot.width = 3;
    shot.height = 2;
    shot.pixels = {RGB(1, 2, 3), RGB(250, 0, 7), RGB(0, 128, 255), RGB(9, 8, 7), RGB(255, 255, 255), RGB(0, 0, 0)};
    TempDir dir;
    const std::string path = dir.File("tiny.png");
    ASSERT_TRUE(SavePng(path, shot));

    const std::string file = ReadFileBytes(path);
    ASSERT_GE(file.size(), 8u);
    EXPECT_EQ(std::string("\x89PNG\r\n\x1A\n", 8), file.substr(0, 8));
    const std::vector<Chunk> chunks = Chunks(file);
    ASSERT_EQ(3u, chunks.size());
    const char* types[] = {"IHDR", "IDAT", "IEND"};
    for (size_t i = 0; i < chunks.size(); ++i) {
        EXPECT_EQ(types[i], chunks[i].type);
        EXPECT_TRUE(chunks[i].crcMatches) << chunks[i].type;
    }
    // Width, height, 8 bits, truecolour, deflate, no filter method, no interlace.
    EXPECT_EQ(std::string("\0\0\0\x03\0\0\0\x02\x08\x02\0\0\0", 13), chunks[0].data);
    EXPECT_EQ(std::string("\0\x01\x02\x03\xFA\0\x07\0\x80\xFF"
                          "\0\x09\x08\x07\xFF\xFF\xFF\0\0\0",
                          20),
              Inflate(chunks[1].data, 20))
        << "rows top down, each behind filter byte 0, R G B";
    EXPECT_TRUE(chunks[2].data.empty());
}

TEST(ScreenShotPng, RefusesWhatItCannotWriteAndLeavesNoFile)
{
    Shot empty;
    Shot shortOfPixels;
    shortOfPixels.width = 3;
    shortOfPixels.height = 2;
    shortOfPixels.pixels.assign(5, RGB(1, 2, 3));
    Shot negative;
    negative.width = -1;
    negative.height = 1;
    negative.pixels.assign(1, RGB(1, 2, 3));
    Shot fine;
    fine.width = fine.height = 1;
    fine.pixels.assign(1, RGB(1, 2, 3));
    TempDir dir;
    const struct
    {
        const char* what;
        const Shot& shot;
        std::string path;
    } cases[] = {
        {"no picture", empty, dir.File("empty.png")},
        {"fewer pixels than its size", shortOfPixels, dir.File("short.png")},
        {"a negative width", negative, dir.File("negative.png")},
        {"a folder that does not exist", fine, dir.File("missing\\fine.png")},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(SavePng(c.path, c.shot)) << c.what;
        EXPECT_FALSE(FileExists(c.path)) << c.what;
    }
}

// A topmost popup of one colour at a known place.
class SolidWindow
{
public:
    SolidWindow(const RECT& rect, COLORREF colour) : m_brush(::CreateSolidBrush(colour))
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.hbrBackground = m_brush;
        wc.lpszClassName = "ScreenShotSolid";
        ::UnregisterClassA(wc.lpszClassName, wc.hInstance);
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE,
                                   rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, NULL, NULL,
                                   wc.hInstance, NULL);
        ::UpdateWindow(m_hWnd);
    }
    ~SolidWindow()
    {
        ::DestroyWindow(m_hWnd);
        ::UnregisterClassA("ScreenShotSolid", ::GetModuleHandleA(NULL));
        ::DeleteObject(m_brush);
    }
    HWND Handle() const { return m_hWnd; }

private:
    HBRUSH m_brush;
    HWND m_hWnd;
};

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

size_t CountOf(const Shot& shot, COLORREF colour)
{
    size_t count = 0;
    for (COLORREF c : shot.pixels)
        count += c == colour;
    return count;
}

TEST(ScreenShotCapture, ReadsTheScreenUnderAWindowInItsOwnColours)
{
    // Red, green and blue all differ: a channel swap shows.
    const COLORREF colour = RGB(200, 100, 20);
    const RECT place = {100, 120, 140, 140};
    SolidWindow window(place, colour);
    ASSERT_NE(HWND(NULL), window.Handle());
    // The desktop maps and paints the window on its own time.
    Shot shot;
    const DWORD start = ::GetTickCount();
    do {
        Pump();
        ::Sleep(20);
        shot = ShootWindow(window.Handle());
    } while (CountOf(shot, colour) != 40u * 20u && ::GetTickCount() - start < 5000);
    ASSERT_EQ(40, shot.width);
    ASSERT_EQ(20, shot.height);
    EXPECT_EQ(40u * 20u, CountOf(shot, colour));

    // A larger rectangle: the window's pixels stand at its offset within it.
    const Shot around = ShootScreen(RECT{90, 100, 160, 150});
    ASSERT_EQ(70, around.width);
    ASSERT_EQ(50, around.height);
    EXPECT_EQ(40u * 20u, CountOf(around, colour));
    // The window's corners, and the pixels just outside them.
    const struct
    {
        int x, y;
        bool inside;
    } points[] = {{10, 20, true}, {49, 39, true}, {9, 20, false}, {50, 39, false}, {10, 19, false}, {49, 40, false}};
    for (const auto& p : points)
        EXPECT_EQ(p.inside, around.At(p.x, p.y) == colour) << p.x << "," << p.y;
}

TEST(ScreenShotCapture, KeepsToThePartOnTheScreen)
{
    const LONG cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    const struct
    {
        RECT rect;
        int width, height;
    } cases[] = {
        {{-10, -20, 30, 40}, 30, 40},
        {{cx - 25, cy - 15, cx + 50, cy + 50}, 25, 15},
        {{cx, 0, cx + 10, 10}, 0, 0},
        {{0, -30, 10, 0}, 0, 0},
        {{10, 10, 10, 20}, 0, 0},
    };
    for (const auto& c : cases) {
        const Shot shot = ShootScreen(c.rect);
        const std::string where = std::to_string(c.rect.left) + "," + std::to_string(c.rect.top) + " " +
                                  std::to_string(c.rect.right) + "," + std::to_string(c.rect.bottom);
        EXPECT_EQ(c.width, shot.width) << where;
        EXPECT_EQ(c.height, shot.height) << where;
        EXPECT_EQ(size_t(c.width) * size_t(c.height), shot.pixels.size()) << where;
        EXPECT_EQ(c.width == 0, shot.Empty()) << where;
    }
}

TEST(ScreenShotCompare, CountsDifferingPixelsAndAllWhenSizesDiffer)
{
    Shot a;
    a.width = 2;
    a.height = 2;
    a.pixels = {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)};
    Shot b = a;
    EXPECT_EQ(0u, a.Differing(b));
    b.pixels[1] = RGB(2, 2, 3);
    b.pixels[3] = RGB(0, 0, 0);
    EXPECT_EQ(2u, a.Differing(b));
    Shot c = a;
    c.width = 4;
    c.height = 1;
    EXPECT_EQ(4u, a.Differing(c)) << "same pixels, other size";
}

} // namespace
