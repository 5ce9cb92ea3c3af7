// GraphKit drawing: a paint of candles with volume bars and three moving averages into a 32-bit
// memory picture, for several series lengths, fitted to 1,600 pixels and as a 200-bar window;
// and a flat series of dojis against a normal one.
#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "DataCell.h"
#include "DrawObject.h"
#include "bench_timing.h"

namespace
{

using bench::Now;

const int kWidth = 1600, kHeight = 600;
// The price region above, the volume region below.
const CRect kPrices(0, 10, kWidth, 440), kVolumes(0, 450, kWidth, kHeight - 10);

struct Object
{
    CDataCell store;
    CDrawObject object;
};

// Candles and three averages over bars newest first, each an object of its own store.
struct Chart
{
    Object candles;
    Object volumes;
    Object averages[3];
    int bars;

    Chart(int count, bool flat) : bars(count)
    {
        std::vector<int> open(count), high(count), low(count), close(count);
        for (int i = 0; i < count; ++i)
        {
            int c = flat ? 50000 : 50000 + int(i * 7919LL % 2000) - 1000;
            int o = flat ? 50000 : c + int(i * 104729LL % 600) - 300;
            open[i] = o;
            close[i] = c;
            high[i] = std::max(o, c) + (flat ? 0 : 150);
            low[i] = std::min(o, c) - (flat ? 0 : 150);
        }
        CDataCell& s = candles.store;
        s.AllocSeriesTable(5);
        s.SetSeriesDataRaw(close.data(), count, 0);
        s.SetSeriesDataRaw(open.data(), count, 1);
        s.SetSeriesDataRaw(high.data(), count, 2);
        s.SetSeriesDataRaw(low.data(), count, 3);
        s.SetSeriesDataRaw(close.data(), count, 4);
        s.m_nLength = count;
        Place(candles, DRAWKIND_CANDLE);
        candles.object.BindCandleSeries();
        std::vector<int> volume(count);
        for (int i = 0; i < count; ++i)
            volume[i] = 1000 + int(i * 48271LL % 9000);
        volumes.store.AllocSeriesTable(1);
        volumes.store.SetSeriesDataRaw(volume.data(), count, 0);
        volumes.store.m_nLength = count;
        Place(volumes, DRAWKIND_BAR);
        volumes.object.m_pS0 = volumes.store.m_ppSeries[0];
        volumes.object.m_clrFill = CCtlColor::Rgb(RGB(0, 150, 0));
        const int periods[3] = {5, 20, 60};
        for (int a = 0; a < 3; ++a)
        {
            std::vector<int> average(count, 99999999);
            long long sum = 0;
            for (int i = count - 1; i >= 0; --i)
            {
                sum += close[i];
                if (i + periods[a] < count)
                    sum -= close[i + periods[a]];
                if (i + periods[a] <= count)
                    average[i] = int(sum / periods[a]);
            }
            averages[a].store.AllocSeriesTable(1);
            averages[a].store.SetSeriesDataRaw(average.data(), count, 0);
            averages[a].store.m_nLength = count;
            Place(averages[a], DRAWKIND_LINE);
            averages[a].object.m_pS0 = averages[a].store.m_ppSeries[0];
            averages[a].object.m_clrLine = CCtlColor::Rgb(RGB(0, 128 * a, 200));
        }
    }

    void Place(Object& o, int kind)
    {
        o.object.SetStore(&o.store);
        o.object.SetKind(kind);
        o.object.AttachDrawer();
        o.object.SetAxisLength(bars);
    }

    // What the region does before a paint: the window, then the scale over what it shows.
    void Window(int first, int count)
    {
        Object* all[4] = {&candles, &averages[0], &averages[1], &averages[2]};
        for (Object* o : all)
        {
            o->object.SetFirstVisible(first);
            o->object.SetVisibleCount(count);
        }
        volumes.object.SetFirstVisible(first);
        volumes.object.SetVisibleCount(count);
        volumes.object.SetXStep(float(kWidth) / float(count));
        volumes.object.SetMaximum(volumes.object.GetMaxValue(1));
        volumes.object.SetMinimum(volumes.object.GetMinValue(1));
        int hi = candles.object.GetMaxValue(1), lo = candles.object.GetMinValue(1);
        float k = hi > lo ? float(kPrices.Height()) / float(hi - lo) : 1.0f;
        for (Object* o : all)
        {
            o->object.SetXStep(float(kWidth) / float(count));
            o->object.SetYScale(k);
            o->object.SetMinimum(lo);
            o->object.SetMaximum(hi);
        }
    }

    // The parts of a paint: 1 the background, 2 the candles, 4 the averages, 8 the volume bars.
    void Paint(CDC* dc, int parts = 15)
    {
        if (parts & 1)
            dc->FillSolidRect(0, 0, kWidth, kHeight, RGB(255, 255, 255));
        if (parts & 2)
            candles.object.Draw(kPrices, dc, FALSE);
        if (parts & 4)
            for (Object& a : averages)
                a.object.Draw(kPrices, dc, FALSE);
        if (parts & 8)
            volumes.object.Draw(kVolumes, dc, FALSE);
    }
};

// Milliseconds of one paint, the median of several.
double PaintMs(Chart& chart, CDC* dc, int parts = 15)
{
    bench::Samples runs;
    for (int r = 0; r < 15; ++r)
    {
        double t = Now();
        chart.Paint(dc, parts);
        GdiFlush();
        runs.Add((Now() - t) * 1e3);
    }
    return runs.At(0.5);
}

} // namespace

int main()
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    HGDIOBJ old = SelectObject(dc.GetSafeHdc(), bitmap);

    for (int bars : {200, 2000, 20000, 50000})
    {
        Chart chart(bars, false);
        chart.Window(0, bars);
        double fitted = PaintMs(chart, &dc);
        chart.Window(bars - 200, 200);
        double window = PaintMs(chart, &dc);
        printf("paint of candles, volume and 3 averages, %d bars: fitted to %d px %.2f ms; 200-bar window %.2f ms\n", bars,
               kWidth, fitted, window);
    }
    {
        Chart chart(50000, false);
        chart.Window(0, 50000);
        printf("parts of the fitted paint of 50000 bars: background %.2f ms, candles %.2f ms, 3 averages %.2f ms, "
               "volume %.2f ms\n",
               PaintMs(chart, &dc, 1), PaintMs(chart, &dc, 2), PaintMs(chart, &dc, 4), PaintMs(chart, &dc, 8));
    }
    for (bool flat : {false, true})
    {
        Chart chart(50000, flat);
        chart.Window(0, 50000);
        double fitted = PaintMs(chart, &dc);
        chart.Window(50000 - 200, 200);
        double window = PaintMs(chart, &dc);
        printf("%s series of 50000 bars: fitted %.2f ms; 200-bar window %.2f ms\n", flat ? "flat (all dojis)" : "normal",
               fitted, window);
    }
    SelectObject(dc.GetSafeHdc(), old);
    DeleteObject(bitmap);
    return 0;
}
