// The web browser host under Wine. Where the browser engine is missing (the test prefix has
// none), the host says so in its window, refuses every browser operation and leaves nothing
// behind; where one is present, it shows a local page and HTML text without a file.
#include <gtest/gtest.h>

#include <ole2.h>

#include <fstream>
#include <string>

#include "WebBrowser.h"
#include "canvas.h"
#include "widget_host.h"

namespace {

const CLSID kHtmlDocument = {0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

bool EngineInstalled()
{
    IClassFactory* factory = nullptr;
    if (FAILED(::CoGetClassObject(kHtmlDocument, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                                  reinterpret_cast<void**>(&factory))) ||
        factory == nullptr)
        return false;
    factory->Release();
    return true;
}

bool FileExists(const CString& path)
{
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, CountWindow, lParam);
    return TRUE;
}

// Every window of this thread, children included.
int ThreadWindows()
{
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

class BrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ASSERT_TRUE(parent.CreateHost(CRect(0, 0, 420, 400)));
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        ::OleUninitialize();
    }
    CRecordingParent parent;
};

TEST_F(BrowserTest, WithoutTheEngineTheWindowSaysSoAndEveryOperationRefuses)
{
    if (EngineInstalled())
        GTEST_SKIP() << "a browser engine is installed here";
    const int before = ThreadWindows();
    CWebBrowser browser;
    EXPECT_FALSE(browser.Create(WS_CHILD | WS_VISIBLE, CRect(4, 4, 356, 366), &parent, 1000, nullptr));
    ASSERT_TRUE(::IsWindow(browser.GetSafeHwnd())) << "the window stays to tell the user";
    EXPECT_EQ(1000, browser.GetDlgCtrlID());
    EXPECT_EQ(before + 1, ThreadWindows()) << "nothing of the browser control is left in it";
    EXPECT_EQ(0, CExplorer::LiveSites()) << "the container was released with the control";
    EXPECT_EQ(nullptr, browser.GetBrowser());
    CString text;
    browser.GetWindowText(text);
    EXPECT_STREQ(CExplorer::NoBrowserMessage(), text.GetString());

    // The message is drawn: the window colour with text on it.
    Canvas canvas(352, 362);
    canvas.Fill(RGB(1, 2, 3));
    browser.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT);
    const CRect all(0, 0, 352, 362);
    const int ground = canvas.Count(all, ::GetSysColor(COLOR_WINDOW));
    EXPECT_GT(ground, 352 * 362 * 9 / 10);
    EXPECT_LT(ground, 352 * 362) << "some pixels are the message's";
    EXPECT_EQ(0, canvas.Count(all, RGB(1, 2, 3)));

    EXPECT_FALSE(browser.Navigate("about:blank"));
    EXPECT_EQ(nullptr, browser.GetDocument());
    EXPECT_FALSE(browser.LoadHTML("<html><body>text</body></html>"));
    EXPECT_FALSE(browser.LoadHTML2("<html><body>text</body></html>"));
    EXPECT_FALSE(FileExists(browser.GetTempFile())) << "HTML never goes through a file";
    EXPECT_EQ(0, browser.ShowPrivew());
    EXPECT_EQ(0, browser.Print());
    EXPECT_EQ(0, browser.Find());
    EXPECT_EQ(0, browser.Zoom(150));
    EXPECT_EQ(0, browser.FontSize(2));
    EXPECT_EQ(-1, browser.GetCurZoom());
    EXPECT_EQ(-1, browser.GetCurFontSize());
    browser.ZoomIn();

    browser.DestroyWindow();
    EXPECT_EQ(before, ThreadWindows());
    EXPECT_EQ(0, CExplorer::LiveSites());
}

TEST(BrowserWithoutCom, RefusesAndSaysSo)
{
    // COM belongs to the frame; a host on a thread without it cannot make the control.
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateHost());
    CWebBrowser browser;
    EXPECT_FALSE(browser.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &parent, 1901, nullptr));
    CString text;
    browser.GetWindowText(text);
    EXPECT_STREQ(CExplorer::NoBrowserMessage(), text.GetString());
    EXPECT_EQ(0, CExplorer::LiveSites());
    parent.DestroyWindow();
}

TEST(BrowserTempFile, EachObjectOwnsItsOwnAndDeletesOnlyThat)
{
    CString first, second;
    auto* one = new CWebBrowser;
    {
        CWebBrowser two;
        first = one->GetTempFile();
        second = two.GetTempFile();
        EXPECT_NE(first, second);
        char folder[MAX_PATH + 1] = "";
        ::GetTempPathA(sizeof(folder), folder);
        EXPECT_EQ(0, first.Find(folder));
        EXPECT_EQ(first.GetLength() - 5, first.Find(".html"));
        // Files an earlier program left under those names.
        std::ofstream(first.GetString()) << "<html></html>";
        std::ofstream(second.GetString()) << "<html></html>";
        ASSERT_TRUE(FileExists(first));
    }
    EXPECT_FALSE(FileExists(second));
    EXPECT_TRUE(FileExists(first)) << "the other object's file stays";
    delete one;
    EXPECT_FALSE(FileExists(first));
}

// Only where the engine exists: a local page, then HTML text through the document's stream.
TEST_F(BrowserTest, WithTheEngineShowsALocalPageAndTextWithoutAFile)
{
    if (!EngineInstalled())
        GTEST_SKIP() << "no browser engine in this prefix: the degraded path is tested instead";
    char folder[MAX_PATH + 1] = "";
    ::GetTempPathA(sizeof(folder), folder);
    const std::string page = std::string(folder) + "molvane_browser_page.html";
    std::ofstream(page) << "<html><body>local</body></html>";
    CWebBrowser browser;
    ASSERT_TRUE(browser.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 380), &parent, 1901, nullptr));
    ASSERT_NE(nullptr, browser.GetBrowser());
    EXPECT_EQ(-1, browser.GetCurZoom()) << "nothing shown yet: no document to zoom";
    ASSERT_TRUE(browser.Navigate(("file:///" + page).c_str()));
    READYSTATE state = READYSTATE_UNINITIALIZED;
    for (int i = 0; i < 250 && state != READYSTATE_COMPLETE; ++i) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        DispatchQueued();
        browser.GetBrowser()->get_ReadyState(&state);
    }
    EXPECT_EQ(READYSTATE_COMPLETE, state);
    LPDISPATCH document = browser.GetDocument();
    EXPECT_NE(nullptr, document);
    if (document != nullptr)
        document->Release();

    EXPECT_TRUE(browser.LoadHTML2("<html><body>text</body></html>"));
    EXPECT_FALSE(FileExists(browser.GetTempFile()));
    EXPECT_TRUE(browser.LoadHTML("<html><body>more</body></html>"));
    browser.DestroyWindow();
    EXPECT_EQ(0, CExplorer::LiveSites());
    ::DeleteFileA(page.c_str());
}

} // namespace
