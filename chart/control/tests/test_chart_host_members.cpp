// The host's side of members beyond the interface: the names it resolves from the library, and
// a volume-at-price chart fed its levels, saved as Temp\graphkit_host_volume.png of the test tree.
#include <gtest/gtest.h>

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

typedef IChartBase* (*NewControlFn)();

std::string TempFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\')); // ...\Bin
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "Temp\\";
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
    EXPECT_TRUE(SavePng(TempFolder() + "graphkit_host_volume.png", shown));

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
