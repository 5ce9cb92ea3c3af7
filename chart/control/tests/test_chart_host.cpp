// A host of the chart as a program meets it: it loads GraphKit.dll, asks it for a control by
// the undecorated factory name, makes the window, feeds a candle chart through the interface
// and safe arrays through the exported members, ticks it, and saves what the window shows as
// Temp\graphkit_host.png of the test tree (a look for the eye; the test checks colours).
#include <gtest/gtest.h>

#include <afx.h>

#include <string>
#include <vector>

#include "../../canvas/tests/canvas_fixture.h"
#include "../../model/tests/property_string_fixture.h"
#include "chart_data_fixture.h"
#include "screen_shot.h"

using namespace chartdata;

namespace
{

const int kWidth = 640;
const int kHeight = 420;

std::string TestTempFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\')); // ...\Bin
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "Temp\\";
}

typedef IChartBase* (*NewControlFn)();

TEST(ChartHost, LoadsFeedsTicksAndShowsTheChart)
{
    HMODULE library = LoadLibraryA("GraphKit.dll");
    ASSERT_NE(nullptr, library);
    NewControlFn newControl = reinterpret_cast<NewControlFn>(GetProcAddress(library, "GetNewControl"));
    ASSERT_NE(nullptr, newControl) << "the factory is exported undecorated";

    CHostWindow host;
    ASSERT_TRUE(host.Make(kWidth, kHeight));
    ChartPtr chart(newControl());
    ASSERT_NE(nullptr, chart.get());
    ASSERT_TRUE(chart->SetPropertyValue("CAPTION", "BTC 일봉"));
    ASSERT_TRUE(chart->CreateControl(&host, RECT{0, 0, kWidth, kHeight}, 100));

    // Sixty days, newest first, through the interface as a host hands over its columns.
    BongData data(60, 20260301);
    for (int i = 0; i < 60; ++i)
    {
        // Calendar dates back from 2026-03-01.
        CTime day = CTime(2026, 3, 1, 12, 0, 0) - CTimeSpan(i, 0, 0, 0);
        data.columns[0][size_t(i)] = day.GetYear() * 10000L + day.GetMonth() * 100L + day.GetDay();
    }
    ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 60, 0, 0));
    CCtlChart* ctl = Ctl(chart);
    // A line of texts from 1 in the price region, bars of variants in the volume region.
    std::vector<std::string> texts;
    for (int i = 0; i < 60; ++i)
        texts.push_back(std::to_string(1050 + (i % 10) * 8));
    OwnedVariant line;
    StringArray(line, 1, texts);
    EXPECT_EQ(4, ctl->AddLineChart(0, "기준선", short(2), 0x00A5FFul, short(1), &line.v));
    std::vector<Element> amounts;
    for (int i = 0; i < 60; ++i)
        amounts.push_back(I4(40 + (i % 7) * 10));
    OwnedVariant bars;
    VariantArray(bars, 1, amounts);
    bars.MakeByRef();
    EXPECT_EQ(1, ctl->AddBarChart(1, "순매수", 0x808000, 1, &bars.v));
    // A tick on the newest day.
    EXPECT_EQ(0, chart->AddBongRealData("20260301", "1200", "50"));
    EXPECT_EQ(60, chart->GetChartDataCount());
    PumpMessages();

    CClientDC screen(ctl);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, kWidth, kHeight);
    CBitmap* old = memory.SelectObject(&bitmap);
    CRect client;
    ctl->GetClientRect(&client);
    ctl->PaintTo(&memory, client);
    Shot painted;
    painted.width = kWidth;
    painted.height = kHeight;
    painted.pixels.assign(size_t(kWidth) * kHeight, RGB(255, 255, 255));
    int rising = 0, falling = 0, averages = 0, hostLine = 0;
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x)
        {
            const COLORREF c = memory.GetPixel(x, y);
            painted.pixels[size_t(y) * kWidth + size_t(x)] = c;
            rising += c == RGB(255, 0, 0);
            falling += c == RGB(0, 0, 255);
            averages += c == RGB(0, 255, 0);
            hostLine += c == RGB(255, 165, 0);
        }
    memory.SelectObject(old);
    // What the screen shows, the bottom bar's child windows included, for the picture; what
    // was painted when the screen cannot be read.
    host.UpdateWindow();
    ctl->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    const Shot shown = ShootWindow(ctl->GetSafeHwnd());
    const std::string path = TestTempFolder() + "graphkit_host.png";
    EXPECT_TRUE(SavePng(path, shown.Empty() ? painted : shown)) << path;
    EXPECT_GT(rising, 0) << "red candles and 5-day average";
    EXPECT_GT(falling, 0) << "blue candles and 20-day average";
    EXPECT_GT(averages, 0) << "the green 10-day average";
    EXPECT_GT(hostLine, 0) << "the host's orange line";

    chart.reset();
    host.DestroyWindow();
    FreeLibrary(library);
}

// A volume-at-price chart (time kind -1) described by a property string whose one object is
// of kind 7 with the given first-part (sell) and last-part (buy) colours.
std::string VolumeAtPriceChart(const char* sell, const char* buy)
{
    using namespace propfixture;
    const int v = 27;
    std::vector<std::string> vap = {"7", "0", "1", "0"}; // kind, I2, I3, I5
    for (const char* f : {"0", "0", "0", "s2", "s3", "s4", "s1", "s5", "s6", "000:128128128", "000:000000000", sell,
                          buy, "000:000000000", "000:000128000", "0", "0", "매도", "매수", "보합"})
        vap.push_back(f);
    return Whole(v, TimeSection(v, -1), Section({RegionItem({"7", "0", "1"}, Side("r"), Side("l"))}),
                 Section({Join(L4, vap)}));
}

// Pixels of a colour below the header band (where only bars stand), as the chart paints.
int BarPixels(CCtlChart* ctl, COLORREF colour, Shot* picture = nullptr)
{
    CClientDC screen(ctl);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    CRect client;
    ctl->GetClientRect(&client);
    bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
    CBitmap* old = memory.SelectObject(&bitmap);
    ctl->PaintTo(&memory, client);
    if (picture)
    {
        picture->width = client.Width();
        picture->height = client.Height();
        picture->pixels.assign(size_t(client.Width()) * size_t(client.Height()), RGB(255, 255, 255));
    }
    int count = 0;
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x)
        {
            const COLORREF c = memory.GetPixel(x, y);
            count += y >= 40 && c == colour;
            if (picture)
                picture->pixels[size_t(y) * size_t(client.Width()) + size_t(x)] = c;
        }
    memory.SelectObject(old);
    return count;
}

TEST(ChartHost, ShowsTheVolumeAtPriceLevelsItIsGiven)
{
    HMODULE library = LoadLibraryA("GraphKit.dll");
    ASSERT_NE(nullptr, library);
    NewControlFn newControl = reinterpret_cast<NewControlFn>(GetProcAddress(library, "GetNewControl"));
    ASSERT_NE(nullptr, newControl);
    CHostWindow host;
    ASSERT_TRUE(host.Make(kWidth, kHeight));
    ChartPtr chart(newControl());
    ASSERT_NE(nullptr, chart.get());
    CCtlChart* ctl = Ctl(chart);
    const COLORREF red = RGB(200, 0, 0), blue = RGB(0, 0, 200), green = RGB(0, 200, 0);
    ctl->SetPropertyString(VolumeAtPriceChart("000:200000000", "000:000000200").c_str());
    ASSERT_TRUE(chart->CreateControl(&host, RECT{0, 0, kWidth, kHeight}, 100));
    EXPECT_EQ(0, BarPixels(ctl, red)) << "no levels yet";

    // Eight levels, in no order: the chart sorts them from the highest price down.
    const long prices[] = {1050, 1000, 1100, 1025, 1075, 975, 1125, 950};
    const long sells[] = {400, 900, 150, 650, 300, 500, 80, 220};
    const long buys[] = {300, 700, 250, 350, 200, 600, 120, 180};
    EXPECT_EQ(-1, ctl->SetVolumeAtPrice(-1, prices, sells, buys));
    EXPECT_EQ(-1, ctl->SetVolumeAtPrice(8, prices, nullptr, buys));
    EXPECT_EQ(8, ctl->SetVolumeAtPrice(8, prices, sells, buys));
    Shot shown;
    EXPECT_GT(BarPixels(ctl, red, &shown), 500) << "the sell parts";
    EXPECT_GT(BarPixels(ctl, blue), 500) << "the buy parts";
    EXPECT_TRUE(SavePng(TestTempFolder() + "graphkit_host_volume.png", shown));

    // A later description reaches the drawer too.
    ctl->SetPropertyString(VolumeAtPriceChart("000:000200000", "000:000000200").c_str());
    EXPECT_EQ(0, BarPixels(ctl, red));
    EXPECT_GT(BarPixels(ctl, green), 500);

    chart.reset();
    host.DestroyWindow();
    FreeLibrary(library);
}

// The chart's members a host resolves from the library by their exported names (GCC's), the
// ones that do nothing included.
TEST(ChartHost, ResolvesTheControlsExportedMembers)
{
    HMODULE library = LoadLibraryA("GraphKit.dll");
    ASSERT_NE(nullptr, library);
    const char* names[] = {
        "_ZN9CCtlChart13OpenConfigDlgEv",        "_ZN9CCtlChart12AddChartDataEv",
        "_ZN9CCtlChart13SetConnectCtlEv",        "_ZN9CCtlChart11SetFontInfoEv",
        "_ZN9CCtlChart14UpdateRealDataEv",       "_ZN9CCtlChart12AddDataToCtlEv",
        "_ZN9CCtlChart16AddRealDataToCtlEv",     "_ZN9CCtlChart20UpdatePriceIndexInfoEv",
        "_ZN9CCtlChart14ShowMessageBoxE7CString", "_ZN9CCtlChart15ActionPopupMenuEj",
        "_ZN9CCtlChart13GetExcelAlignEli",       "_ZN9CCtlChart12GetPopupMenuE6CPoint",
        "_ZN9CCtlChart13GetCommonPathEv",
    };
    for (const char* name : names)
        EXPECT_TRUE(GetProcAddress(library, name) != nullptr) << name;
    FreeLibrary(library);
}

} // namespace
