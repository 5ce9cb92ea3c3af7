// A live interval chart in a real window: 5-minute candles fed through the control's interface,
// pictures of what it paints, and where its newest bar stands.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "../../canvas/tests/canvas_fixture.h"
#include "RegionCanvas.h"
#include "chart_data_fixture.h"

namespace livechart
{

using chartdata::ChartPtr;
using chartdata::Ctl;

const COLORREF kRising = RGB(255, 0, 0);  // rising candles (and the 5-bar average)
const COLORREF kUnpainted = RGB(255, 0, 255);

// HHMMSS of the 5-minute bar i bars before the one that ends at 17:00:00.
inline long FiveMinuteTime(int i)
{
    const int seconds = 17 * 3600 - i * 300;
    return long(seconds / 3600 * 10000 + seconds % 3600 / 60 * 100 + seconds % 60);
}

// n bars of 5 minutes, newest first, priced between 970 and 1230 with volumes from 100 on.
struct FiveMinuteBars : chartdata::BongData
{
    explicit FiveMinuteBars(int n) : chartdata::BongData(n)
    {
        for (int i = 0; i < n; ++i)
            columns[0][size_t(i)] = FiveMinuteTime(i);
    }
};

// The client area's pixels as the chart paints them, rows top to bottom.
struct Picture
{
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    // Pixels within rect (client coordinates) for which test holds.
    int Count(const CRect& rect, const std::function<bool(COLORREF)>& test) const
    {
        int n = 0;
        for (int y = std::max(0, int(rect.top)); y < std::min(height, int(rect.bottom)); ++y)
            for (int x = std::max(0, int(rect.left)); x < std::min(width, int(rect.right)); ++x)
                n += test(At(x, y)) ? 1 : 0;
        return n;
    }
};

inline Picture Paint(CCtlChart* ctl)
{
    CRect client;
    ctl->GetClientRect(&client);
    CClientDC screen(ctl);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
    CBitmap* old = memory.SelectObject(&bitmap);
    memory.FillSolidRect(client, kUnpainted);
    ctl->PaintTo(&memory, client);
    Picture picture;
    picture.width = client.Width();
    picture.height = client.Height();
    picture.pixels.resize(size_t(picture.width) * size_t(picture.height));
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels[size_t(y) * size_t(picture.width) + size_t(x)] = memory.GetPixel(x, y);
    memory.SelectObject(old);
    return picture;
}

// The price region's plot, and the columns of its last (newest) shown slot.
inline CRect PricePlot(CCtlChart* ctl)
{
    CRegionCanvas* region = ctl->GetRegionAt(0);
    return region ? region->GetPlotRect() : CRect();
}

inline CRect NewestSlot(CCtlChart* ctl)
{
    CRect plot = PricePlot(ctl);
    const float w = ctl->GetPixelsPerSlot();
    plot.left += int(float(ctl->GetDisplayCount() - 1) * w) - 1;
    return plot;
}

// The part of the price plot left of the newest slot's columns (by the given number of slots).
inline CRect OlderSlots(CCtlChart* ctl, int slots)
{
    CRect plot = PricePlot(ctl);
    const float w = ctl->GetPixelsPerSlot();
    plot.right = plot.left + int(float(ctl->GetDisplayCount() - slots) * w) - 2;
    return plot;
}

// The right half of rect: the legends of the region's objects stand at its left.
inline CRect RightHalf(CRect rect)
{
    rect.left = rect.CenterPoint().x;
    return rect;
}

inline CRect TopHalf(CRect rect)
{
    rect.bottom = rect.top + rect.Height() / 2;
    return rect;
}

// Pixels of the candle colour in the top half of rect: where a bar priced far above the others
// (the top of the scale) shows its body, and nothing else does.
inline int HighBody(const Picture& picture, const CRect& rect)
{
    return picture.Count(TopHalf(rect), [](COLORREF c) { return c == kRising; });
}

// A real window holding a control made by the library's factory.
class LiveChartWindow
{
public:
    CHostWindow host;
    ChartPtr chart;
    CCtlChart* ctl = nullptr;

    bool Make(IChartBase* control, int width, int height)
    {
        if (!host.Make(width, height))
            return false;
        chart.reset(control);
        ctl = Ctl(chart);
        return chart && chart->CreateControl(&host, RECT{0, 0, width, height}, 100);
    }
    ~LiveChartWindow()
    {
        chart.reset();
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }
};

} // namespace livechart
