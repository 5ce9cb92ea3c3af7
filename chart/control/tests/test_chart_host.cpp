// A host of the chart as a program meets it: it loads GraphKit.dll, asks it for a control by
// the undecorated factory name, makes the window, feeds a candle chart through the interface
// and safe arrays through the exported members, ticks it, and saves what the window shows as
// Temp\graphkit_host.png of the test tree (a look for the eye; the test checks colours).
#include <gtest/gtest.h>

#include <afx.h>

#include <string>
#include <vector>

#include "../../canvas/tests/canvas_fixture.h"
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

} // namespace
