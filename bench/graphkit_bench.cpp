// GraphKit: real-time ticks on a million-bar candle chart with three moving averages (within a
// bar, and on new bars including those that make room), and a time-axis pass over 100,000 bars.
#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <vector>

#include "DataCell.h"
#include "SeriesSettings.h"
#include "TimeAxis.h"
#include "TimeDataCell.h"
#include "bench_timing.h"

namespace
{

using bench::Now;

const int kBars = 1000000;

// The chart as a candle load builds it: time series, candles, volume, 5/10/20 averages.
struct Chart
{
    CSeriesSettings settings;
    CTimeDataCell time;
    CDataCell candles, volume, averages[3];
    int lastVolume = 0;
    int clock = 0; // seconds of the newest bar

    explicit Chart(bool grow)
    {
        settings.m_nGrow = grow;
        settings.m_pMainTime = &time;
        time.SetupDrawer(&settings);
        time.SetKind(3);
        time.m_nInterval = 60;
        time.SetFreeBlock(100);
        std::vector<int> times(kBars), price(kBars), vol(kBars);
        for (int i = 0; i < kBars; ++i)
        {
            int minute = (kBars - 1 - i) % 1440;
            times[i] = minute / 60 * 10000 + minute % 60 * 100;
            price[i] = 50000000 + int(i * 7919LL % 100000);
            vol[i] = 1000 + i % 500;
        }
        time.SetTimes(times.data(), kBars, kBars, 1);
        const char* names[5] = {"date", "open", "high", "low", "close"};
        candles.m_pSettings = &settings;
        candles.m_pTime = &time;
        candles.AllocSeriesTable(5);
        for (int k = 0; k < 5; ++k)
        {
            candles.m_arNames.Add(names[k]);
            candles.SetSeriesData(k == 0 ? times.data() : price.data(), kBars, k, kBars, 1);
        }
        candles.m_nLength = kBars;
        const char* codes[4][2] = {{"open", "O"}, {"high", "H"}, {"low", "L"}, {"close", "C"}};
        for (auto& c : codes)
            candles.RegisterSeriesCode(c[0], c[1]);
        volume.m_pSettings = &settings;
        volume.m_pTime = &time;
        volume.AllocSeriesTable(1);
        volume.m_arNames.Add("volume");
        volume.SetSeriesData(vol.data(), kBars, 0, kBars, 1);
        volume.m_nLength = kBars;
        volume.RegisterSeriesCode("volume", "V");
        const int periods[3] = {5, 10, 20};
        for (int a = 0; a < 3; ++a)
        {
            averages[a].SetPeriod(periods[a]);
            averages[a].BuildMovingAverage(a, &candles, "close");
            averages[a].ComputeMinMax(averages[a].m_nLength);
        }
        clock = 23 * 3600 + 59 * 60;
    }

    // What the control does for one candle tick (time, price, volume).
    void Tick(int price, int total, bool newBar)
    {
        int added = 0;
        if (newBar)
        {
            clock += 60;
            candles.AddNewBars(1, time.GetLength());
            volume.AddNewBars(1, time.GetLength());
            for (CDataCell& a : averages)
                a.AddNewBars(1, time.GetLength());
            time.AddBars(3, 0, 1, 0, 60, time.GetLength());
            time.m_nBarOpen = 0;
            added = 1;
        }
        CStringArray names, values;
        char text[16];
        sprintf(text, "%d", price);
        const char* dataNames[6] = {"open", "high", "low", "close", "close", "volume"};
        for (int i = 0; i < 6; ++i)
            names.Add(dataNames[i]);
        for (int i = 0; i < 5; ++i)
            values.Add(text);
        sprintf(text, "%d", total);
        values.Add(text);
        candles.ApplyRealData(names, values, newBar, lastVolume);
        volume.ApplyRealData(names, values, newBar, lastVolume);
        for (CDataCell& a : averages)
            a.UpdateDerived(&candles, added);
        time.m_nBarOpen = 1;
    }
};

void TickFigures(bool grow)
{
    Chart chart(grow);
    const char* how = grow ? "growing" : "shifting";
    int total = 0;
    // Within a bar.
    const int steady = 200000;
    double t0 = Now();
    for (int i = 0; i < steady; ++i)
        chart.Tick(50000000 + i % 977, total += 3, false);
    double steadyUs = (Now() - t0) / steady * 1e6;

    // A new bar on every tick: every hundredth one finds no free slot and makes room, and once
    // the room in front of the arrays is used up they move to a larger block. The run goes on
    // until that has happened once.
    bench::Samples rooms; // microseconds
    double all = 0, worst = 0;
    int bars = 0;
    int* firstClose = chart.candles.m_ppSeries[4];
    bool moved = false;
    while (!moved || bars % 100 != 0 || bars < 20000)
    {
        bool room = chart.time.GetCurrentIndex() == 0;
        double a = Now();
        chart.Tick(50000000 + bars % 977, total += 3, true);
        double took = Now() - a;
        all += took;
        ++bars;
        if (room)
        {
            rooms.Add(took * 1e6);
            worst = std::max(worst, took);
        }
        // The closes moved to a new block, not just one free block further to the front.
        int* close = chart.candles.m_ppSeries[4];
        if (close != firstClose && firstClose - close != 100)
            moved = true;
        firstClose = close;
    }
    printf("tick on %d bars, 3 averages, %s: steady %.2f us; new bar %.2f us amortised over %d bars "
           "(%d made room: median %.1f us, 90%% %.1f us; worst, moving the arrays, %.1f ms); now %d bars\n",
           kBars, how, steadyUs, all / bars * 1e6, bars, int(rooms.Count()), rooms.At(0.5), rooms.At(0.9), worst * 1e3,
           chart.time.GetLength());
}

void AxisFigures()
{
    const int bars = 100000;
    std::vector<int> times(bars);
    for (int i = 0; i < bars; ++i)
    {
        int minute = (bars - 1 - i) % 1440;
        times[i] = minute / 60 * 10000 + minute % 60 * 100;
    }
    CTimeDataCell cell;
    CSeriesSettings settings;
    cell.SetupDrawer(&settings);
    cell.SetKind(3);
    cell.SetTimesRaw(times.data(), bars);
    cell.SetDrawRange(1200.0f / bars, 0, bars);

    HDC screen = GetDC(NULL);
    CDC memory;
    memory.Attach(CreateCompatibleDC(screen));
    CBitmap picture;
    picture.Attach(CreateCompatibleBitmap(screen, 1300, 40));
    ReleaseDC(NULL, screen);
    CBitmap* old = memory.SelectObject(&picture);

    TimeAxisInput in;
    in.times = times.data();
    in.length = bars;
    in.kind = 3;
    in.barWidth = 1200.0f / bars;
    in.barCount = bars;
    CDCTextMeasurer measurer(&memory);
    CArray<TimeAxisMark, const TimeAxisMark&> marks;
    CArray<int, int> grid;
    const int rounds = 50;
    double t0 = Now();
    for (int r = 0; r < rounds; ++r)
        LayoutTimeAxis(in, measurer, marks, grid);
    double layoutMs = (Now() - t0) / rounds * 1e3;
    t0 = Now();
    for (int r = 0; r < rounds; ++r)
        cell.Draw(&memory, CRect(0, 0, 1200, 20), &memory, nullptr, grid);
    double drawMs = (Now() - t0) / rounds * 1e3;
    memory.SelectObject(old);
    printf("time axis over %d bars: labels chosen in %.2f ms, whole pass drawn in %.2f ms (%d labels)\n", bars,
           layoutMs, drawMs, int(marks.GetSize()));
}

} // namespace

int main()
{
    TickFigures(true);
    TickFigures(false);
    AxisFigures();
    return 0;
}
