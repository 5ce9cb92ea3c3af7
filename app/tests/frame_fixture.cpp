// The main-window fixture.
#include "FrameFixture.h"

#include "DialogScript.h"
#include "InstallFolders.h"
#include "SharedData.h"
#include "TestScreenApi.h"
#include "temp_dir.h"

std::vector<std::string> FrameTest::s_trace;
std::vector<std::string> FrameTest::s_shell;

FileKeeper::FileKeeper(const std::string& path) : m_path(path), m_existed(FileExists(path))
{
    if (m_existed)
        m_bytes = ReadFileBytes(path);
}

FileKeeper::~FileKeeper()
{
    if (m_existed)
        WriteFileBytes(m_path, m_bytes);
    else
        ::DeleteFileA(m_path.c_str());
}

void FrameTest::Record(const char* step)
{
    s_trace.push_back(step);
}

HINSTANCE WINAPI FrameTest::RecordShell(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT show)
{
    s_shell.push_back(std::string(verb != nullptr ? verb : "") + " " + file + " " + std::to_string(show));
    return reinterpret_cast<HINSTANCE>(33);
}

std::string FrameTest::UserFile(const std::string& name) const
{
    return std::string(GetUserDir()) + name;
}

// Texts are ASCII: the file says UTF-8 while the test's literals are code page 949.
std::string FrameTest::TestMenu()
{
    std::string items;
    auto screen = [&items](int id, const char* text, const char* dll, const char* extra = "") {
        items += "      <ITEM id=\"" + std::to_string(id) + "\" text=\"" + text + "\" dll=\"" + dll + "\" " + extra +
                 "/>\n";
    };
    screen(1000, "Trade", TEST_SCREEN_DLL, "sg=\"1\"");
    screen(2000, "Balance", TEST_SCREEN_DLL);
    screen(2001, "History", TEST_SCREEN_DLL);
    screen(3000, "Signal", TEST_SCREEN_DLL, "sg=\"3\"");
    screen(100, "Short", TEST_SCREEN_DLL);
    for (int id = 6000; id < 6016; ++id)
        screen(id, "Row", TEST_SCREEN_DLL);
    screen(4001, "Empty", TEST_SCREEN_DLL);
    screen(4002, "Missing", "NoSuchScreen.dll");
    screen(4003, "NoExport", "Platform.dll");
    screen(5000, "Web", TEST_SCREEN_DLL, "url=\"http://example.invalid/page\"");
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SYSTEM>\n  <NORMAL_USER>\n"
           "    <MENU id=\"200\" text=\"cmd\">\n"
           "      <ITEM id=\"101\" text=\"cmd\"/>\n      <ITEM id=\"102\" text=\"cmd\"/>\n"
           "      <ITEM id=\"104\" text=\"cmd\"/>\n      <ITEM id=\"105\" text=\"cmd\"/>\n"
           "      <ITEM id=\"106\" text=\"cmd\"/>\n      <ITEM id=\"107\" text=\"cmd\"/>\n"
           "      <ITEM id=\"108\" text=\"cmd\"/>\n      <ITEM id=\"109\" text=\"cmd\"/>\n"
           "      <ITEM id=\"111\" text=\"cmd\"/>\n      <ITEM id=\"180\" text=\"cmd\"/>\n"
           "      <ITEM id=\"183\" text=\"cmd\"/>\n      <ITEM id=\"186\" text=\"cmd\"/>\n"
           "    </MENU>\n    <MENU id=\"201\" text=\"cmd\">\n" +
           items + "    </MENU>\n  </NORMAL_USER>\n</SYSTEM>\n";
}

void FrameTest::SetUp()
{
    ASSERT_EQ(949u, ::GetACP());
    for (const char* file : {"System\\menu.xml"})
        m_kept.push_back(new FileKeeper(std::string(GetSystemDir()) + (strchr(file, '\\') + 1)));
    for (const char* file : {"user.cfg", "system.ini", "savescr.dat", "savelastscr.dat", "9001savescr.dat",
                             "9002savescr.dat"})
        m_kept.push_back(new FileKeeper(UserFile(file)));
    WriteFileBytes(std::string(GetSystemDir()) + "menu.xml", TestMenu());
    for (const char* file : {"savescr.dat", "savelastscr.dat", "9001savescr.dat", "9002savescr.dat"})
        ::DeleteFileA(UserFile(file).c_str());
    WriteUserConfig("[MAIN]\r\nVER=201008201\r\n");
    WriteFileBytes(UserFile("system.ini"), "[WEB]\r\nSITE=http://site.invalid\r\n");
    // Held by the test too, so that the plug-in's log outlives each frame.
    m_screenLibrary = ::LoadLibraryA(TEST_SCREEN_DLL);
    ASSERT_NE((HMODULE)NULL, m_screenLibrary);
    TakeScreenLog();
    s_trace.clear();
    s_shell.clear();
    CMainFrame::s_pfnTrace = &FrameTest::Record;
    CMainFrame::s_pfnShellExecute = &FrameTest::RecordShell;
    CSharedData::SetUserID("user1");
    CSharedData::SetMaxScreen(10);
}

void FrameTest::TearDown()
{
    EndFrame();
    CMainFrame::s_pfnTrace = nullptr;
    CMainFrame::s_pfnShellExecute = ::ShellExecuteA;
    for (auto it = m_kept.rbegin(); it != m_kept.rend(); ++it)
        delete *it;
    m_kept.clear();
    if (m_screenLibrary != NULL)
        ::FreeLibrary(m_screenLibrary);
}

void FrameTest::WriteUserConfig(const std::string& text)
{
    WriteFileBytes(UserFile("user.cfg"), text);
}

CMainFrame* FrameTest::MakeFrame()
{
    m_frame = new CMainFrame;
    if (!m_frame->Create()) {
        // The frame deleted itself with its window.
        m_frame = nullptr;
        return nullptr;
    }
    m_hFrame = m_frame->GetSafeHwnd();
    m_frame->ShowWindow(SW_SHOWNOACTIVATE);
    return m_frame;
}

void FrameTest::EndFrame()
{
    if (m_hFrame != NULL && ::IsWindow(m_hFrame))
        ::DestroyWindow(m_hFrame);
    m_hFrame = NULL;
    m_frame = nullptr;
    Pump();
}

void FrameTest::Pump()
{
    MSG msg;
    for (int i = 0; i < 1000 && ::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE); ++i) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

std::string FrameTest::TakeScreenLog()
{
    HMODULE module = ::GetModuleHandleA(TEST_SCREEN_DLL);
    auto log = reinterpret_cast<PFN_TEST_SCREEN_LOG>(::GetProcAddress(module, "TestScreenLog"));
    auto clear = reinterpret_cast<PFN_TEST_SCREEN_CLEAR_LOG>(::GetProcAddress(module, "TestScreenClearLog"));
    if (log == nullptr || clear == nullptr)
        return std::string();
    std::string text = log();
    clear();
    return text;
}

int FrameTest::ScreenValue(CWnd* view)
{
    return (int)::SendMessageA(view->GetSafeHwnd(), WM_TEST_GET_VALUE, 0, 0);
}

void FrameTest::SetScreenValue(CWnd* view, int value)
{
    ::SendMessageA(view->GetSafeHwnd(), WM_TEST_SET_VALUE, (WPARAM)value, 0);
}

CPoint FrameTest::TopLeft(CWnd* wnd)
{
    CRect rect;
    wnd->GetWindowRect(&rect);
    return rect.TopLeft();
}

std::string FrameTest::AnswerLogout(int button, const std::function<void()>& open)
{
    DialogScript logout("로그아웃");
    logout.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; })).Then(Click(button));
    logout.Run([&open] {
        open();
        return 0;
    });
    return logout.Failure();
}
