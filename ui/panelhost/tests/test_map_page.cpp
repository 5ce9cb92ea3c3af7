// The map page inside another window: no caption or frame, its colour 401 painted over its
// whole client area, and its labelled controls showing that colour behind their text.
#include <gtest/gtest.h>

#include "ColorMap.h"
#include "MapPage.h"
#include "map_fixture.h"
#include "map_test.h"
#include "pixel_probe.h"

namespace {

class MapPageTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { MapViewEnvironment::SetUp(); }
    static void TearDownTestSuite() { MapViewEnvironment::TearDown(); }

    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)::GetStockObject(BLACK_BRUSH)), "host",
                                  WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(40, 40, 440, 340), NULL, 0));
        page.reset(new CMapPage(IDD_TEST_MAP_PAGE, &host));
        ASSERT_TRUE(page->Create(&host));
        const std::string path = dir.File("MF_PAGE.xml");
        WriteFileBytes(path, "<MAP position=\"0,0,300,200\"><CheckBox id=\"1001\" position=\"20,20,100,30\"/></MAP>");
        ASSERT_TRUE(page->LoadMapFile(page.get(), path.c_str()));
        page->SetWindowPos(NULL, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        host.SetForegroundWindow();
        PumpPending();
    }
    void TearDown() override
    {
        page->DestroyWindow();
        page.reset();
        host.DestroyWindow();
    }

    CWnd host;
    std::unique_ptr<CMapPage> page;
    TempDir dir;
};

TEST_F(MapPageTest, PageHasNoCaptionOrFrame)
{
    EXPECT_EQ(page->GetStyle() & (WS_CAPTION | WS_THICKFRAME), 0u);
    CRect window, client;
    page->GetWindowRect(&window);
    page->GetClientRect(&client);
    EXPECT_EQ(window.Size(), client.Size());
    EXPECT_EQ(client.Size(), CSize(300, 200));
    EXPECT_EQ(page->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(window.left + 5, window.top + 2)), HTCLIENT);
}

TEST_F(MapPageTest, PageAndItsLabelsShowColour401)
{
    const COLORREF expected = CColorMap::GetColor(CLR_VIEW_BACKGROUND);
    ASSERT_NE(CColorMap::GetColorInfo(CLR_VIEW_BACKGROUND), nullptr);
    EXPECT_EQ(page->GetBackColor(), expected);
    EXPECT_EQ(ShownPixel(*page, 5, 5), expected);
    EXPECT_EQ(ShownPixel(*page, 290, 190), expected);
    // Beside the check box's square.
    EXPECT_EQ(ShownPixel(*page->GetControl(1001), 80, 15), expected);
}

} // namespace
