// Window and system utilities: formats, price ticks, the cipher, version and theme, notifying a
// parent, screen copies, the small window classes and the browser window.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "Utils.h"
#include "WindowHelpers.h"
#include "test_window.h"

#include <tlhelp32.h>

#include <string>
#include <vector>

TEST(PriceTick, StepsByBand)
{
    const struct
    {
        int price, tick;
    } cases[] = {{0, 1},       {999, 1},      {1000, 5},      {4999, 5},       {5000, 10},    {9999, 10},
                 {10000, 50},  {49999, 50},   {50000, 100},   {99999, 100},    {100000, 500}, {499999, 500},
                 {500000, 1000}, {90000000, 1000}};
    for (const auto& c : cases)
        EXPECT_EQ(CUtils::GetStockPriceTick(c.price), c.tick) << c.price;
}

TEST(AccountFormat, DashesByLeadingDigitAndLength)
{
    const struct
    {
        const char* in;
        const char* out;
    } cases[] = {
        {"12345678", "12345678"},             // shorter than 9: unchanged
        {"012345678", "012-34-5678"},
        {"012345678901", "012-34-567890-1"},  // 12 characters starting with 0: three dashes
        {"912345678901234", "912-34-567890-1234"},
        {"51234567890", "512-34-567890"},      // "5" and exactly 11
        {"512345678901", "512345678-9-01"},    // "5" but 12: the general rule
        {"2345678901", "234567890-1"},
        {"2345678901234", "234567890-1-234"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CUtils::GetTarrowAcntFormat(c.in), c.out) << c.in;
}

TEST(Cipher, RoundTripKeepsLengthAndBytes)
{
    char key[] = "PLOVERIN";
    const std::vector<std::string> plains = {"secret password", std::string("\0\x01\xFF binary\0", 11), "비밀번호",
                                             std::string(5000, 'p'), "x"};
    for (const std::string& plain : plains) {
        const DWORD len = static_cast<DWORD>(plain.size());
        std::vector<char> cipher(len + 8, '#');
        ASSERT_EQ(CUtils::GetEncrypt(key, sizeof key, const_cast<char*>(plain.data()), cipher.data(), len), 0u);
        EXPECT_EQ(cipher[len], '#'); // the cipher text has the length of the plain text
        EXPECT_NE(std::string(cipher.data(), len), plain);

        std::vector<char> back(len + 8, '#');
        ASSERT_EQ(CUtils::GetDecrypt(key, sizeof key, cipher.data(), back.data(), len), 0u);
        EXPECT_EQ(std::string(back.data(), len), plain);
        EXPECT_EQ(back[len], '#');

        // In place, and with another key.
        std::string inPlace = plain;
        ASSERT_EQ(CUtils::GetEncrypt(key, sizeof key, &inPlace[0], &inPlace[0], len), 0u);
        EXPECT_EQ(inPlace, std::string(cipher.data(), len));
        char other[] = "PLOVERIM";
        std::string wrong(len, '\0');
        ASSERT_EQ(CUtils::GetDecrypt(other, sizeof other, cipher.data(), &wrong[0], len), 0u);
        EXPECT_NE(wrong, plain);
    }
    char empty[1] = {};
    EXPECT_EQ(CUtils::GetEncrypt(key, sizeof key, empty, empty, 0), 0u);
    EXPECT_NE(CUtils::GetEncrypt(key, sizeof key, nullptr, nullptr, 4), 0u);
}

TEST(ScreenCenter, CentresKeepingTheSize)
{
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    const struct
    {
        RECT in;
    } cases[] = {{{10, 20, 110, 70}}, {{0, 0, cx + 200, 50}}, {{-5, -5, 0, 0}}};
    for (const auto& c : cases) {
        RECT rc = c.in;
        const int w = c.in.right - c.in.left, h = c.in.bottom - c.in.top;
        GetScreenCenter(&rc);
        EXPECT_EQ(rc.left, (cx - w) / 2);
        EXPECT_EQ(rc.top, (cy - h) / 2);
        EXPECT_EQ(rc.right - rc.left, w);
        EXPECT_EQ(rc.bottom - rc.top, h);
    }
    RECT wide = {0, 0, cx + 200, 10};
    GetScreenCenter(&wide);
    EXPECT_LT(wide.left, 0);
}

TEST(SystemInfo, VersionAndTheme)
{
    // Wine reports an NT version of 6 or later.
    EXPECT_EQ(CUtils::GetWinVersion(), wvNT);

    const char* keyPath = "Software\\Microsoft\\Plus!\\Themes\\Current";
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath);
    EXPECT_EQ(CUtils::GetCurrentTheme(), 1); // no key
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const struct
    {
        const char* value;
        int theme;
    } cases[] = {{"C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme", 0},
                 {"c:\\themes\\WINDOWS CLASSIC.THEME", 0},
                 {"C:\\WINDOWS\\Resources\\Themes\\Luna.theme", 1},
                 {"Classic.theme", 1},
                 {"", 1}};
    for (const auto& c : cases) {
        RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(c.value),
                       static_cast<DWORD>(strlen(c.value) + 1));
        EXPECT_EQ(CUtils::GetCurrentTheme(), c.theme) << c.value;
    }
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_CURRENT_USER, keyPath);
}

namespace {

struct CommandRecord
{
    int count = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
} g_command;

LRESULT CALLBACK ParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) {
        ++g_command.count;
        g_command.wParam = wParam;
        g_command.lParam = lParam;
        return 0;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        parent = CreateTestWindow("부모 창", ParentProc);
        ASSERT_NE(parent, nullptr);
        child = CreateWindowA("STATIC", "child", WS_CHILD | WS_VISIBLE, 10, 20, 80, 30, parent,
                              reinterpret_cast<HMENU>(1234), GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(child, nullptr);
        g_command = CommandRecord();
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND parent = nullptr;
    HWND child = nullptr;
};

} // namespace

TEST_F(WindowTest, NotifyParentSendsTheControlsCommand)
{
    CWnd control;
    control.Attach(child);
    EXPECT_TRUE(CUtils::NotifyParent(&control, 7020));
    control.Detach();
    EXPECT_EQ(g_command.count, 1);
    EXPECT_EQ(LOWORD(g_command.wParam), 1234);
    EXPECT_EQ(HIWORD(g_command.wParam), 7020);
    EXPECT_EQ(g_command.lParam, reinterpret_cast<LPARAM>(child));

    CWnd topLevel;
    topLevel.Attach(parent);
    EXPECT_FALSE(CUtils::NotifyParent(&topLevel, 1));
    topLevel.Detach();
    EXPECT_FALSE(CUtils::NotifyParent(nullptr, 1));
    EXPECT_EQ(g_command.count, 1);
}

TEST_F(WindowTest, RectanglesTextAndCoordinateConversion)
{
    CClientRect client(parent);
    RECT expected;
    GetClientRect(parent, &expected);
    EXPECT_TRUE(EqualRect(&client, &expected));
    CWindowRect window(parent);
    GetWindowRect(parent, &expected);
    EXPECT_TRUE(EqualRect(&window, &expected));
    EXPECT_TRUE(CClientRect(static_cast<const CWnd*>(nullptr)).IsRectEmpty());
    EXPECT_TRUE(CWindowRect(HWND(nullptr)).IsRectEmpty());

    EXPECT_STREQ(CWindowText(parent), "부모 창");
    CWnd wrapper;
    wrapper.Attach(child);
    EXPECT_STREQ(CWindowText(&wrapper), "child");
    EXPECT_EQ(CClientRect(&wrapper).Width(), 80);
    wrapper.Detach();

    RECT rc = {1, 2, 30, 40};
    CUtils::ClientToScreen(child, &rc);
    POINT origin = {0, 0};
    ClientToScreen(child, &origin);
    EXPECT_EQ(rc.left, origin.x + 1);
    EXPECT_EQ(rc.bottom, origin.y + 40);
    CUtils::ScreenToClient(child, &rc);
    const RECT back = {1, 2, 30, 40};
    EXPECT_TRUE(EqualRect(&rc, &back));
    CUtils::ReDrawNCClient(parent);
}

TEST_F(WindowTest, ScreenBitmapHasTheRectanglesSize)
{
    const RECT rc = {5, 6, 45, 36};
    HBITMAP bitmap = CUtils::GetScreenBitmap(&rc);
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 40);
    EXPECT_EQ(info.bmHeight, 30);
    DeleteObject(bitmap);
    EXPECT_EQ(CUtils::GetScreenBitmap(nullptr), nullptr);
}

TEST_F(WindowTest, MouseManagerReportsEnterOnceAndLeaveForTheTrackedWindow)
{
    CMouseMgr mouse;
    mouse.Init(parent, 0x3);
    EXPECT_FALSE(mouse.MouseOver());
    EXPECT_TRUE(mouse.OnMouseMove());
    EXPECT_TRUE(mouse.MouseOver());
    EXPECT_FALSE(mouse.OnMouseMove());      // already over
    EXPECT_FALSE(mouse.OnMouseMove(child)); // moves tracking to another window
    EXPECT_FALSE(mouse.OnMouseOut(parent)); // not the tracked one any more
    EXPECT_TRUE(mouse.MouseOver());
    EXPECT_TRUE(mouse.OnMouseOut(child));
    EXPECT_FALSE(mouse.MouseOver());
}

namespace {

int BrowserProcesses()
{
    int count = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {sizeof entry};
    if (Process32First(snapshot, &entry)) {
        do {
            if (lstrcmpiA(entry.szExeFile, "iexplore.exe") == 0)
                ++count;
        } while (Process32Next(snapshot, &entry));
    }
    CloseHandle(snapshot);
    return count;
}

} // namespace

TEST(Browser, FailsCleanlyWithoutABrowserEngine)
{
    RECT rc = {20, 20, 970, 720};
    // Without COM nothing can be created.
    EXPECT_FALSE(ShowBrowser("http://127.0.0.1/", &rc, FALSE, FALSE, FALSE, TRUE, FALSE));
    EXPECT_FALSE(ShowBrowser("http://127.0.0.1/", nullptr, FALSE, FALSE, FALSE, TRUE, FALSE));

    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    // Here the browser object starts but cannot be configured: it is closed again and no
    // browser process is left behind.
    EXPECT_FALSE(ShowBrowser("http://127.0.0.1/help/1000", &rc, FALSE, FALSE, FALSE, TRUE, FALSE));
    EXPECT_FALSE(ShowBrowser(nullptr, &rc, TRUE, TRUE, TRUE, TRUE, TRUE));
    int left = BrowserProcesses();
    for (int i = 0; i < 50 && left; ++i) {
        Sleep(100);
        left = BrowserProcesses();
    }
    EXPECT_EQ(left, 0);
    CoUninitialize();
}
