// GraphKit live chart: ticks into a 50,000-bar 5-minute candle chart made by the library's
// factory, each followed by its repaint. Prints the median and the 99th percentile of a tick
// (within the newest bar, and opening a new bar) and of the repaint (all, and apart after each
// kind of tick: a new bar moves the fitted time scale), against the aims of under 1 ms for a
// tick and under 16 ms (one frame at 60 Hz) for the repaint; once with the whole series shown,
// as a load leaves it, and once with 200 bars shown.
//   graphkit_live_bench.exe [ticks]   (1,000 by default; fewer for a run under a profiler)
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "CtlChart.h"
#include "TimeDataCell.h"
#include "bench_timing.h"
#include "canvas_fixture.h"

namespace
{

using bench::Now;

// MMDDHHMMSS of a moment: interval charts that span days carry the month and day.
long Packed(const CTime& t)
{
    return long(t.GetMonth()) * 100000000L + long(t.GetDay()) * 1000000L + long(t.GetHour()) * 10000L +
           long(t.GetMinute()) * 100L + long(t.GetSecond());
}

// Samples in milliseconds.
void Report(const char* what, bench::Samples& ms, double aim)
{
    const double median = ms.At(0.5), p99 = ms.At(0.99);
    printf("  %-36s n=%4zu  median %7.3f ms  99th %7.3f ms  (aim: under %g ms)%s\n", what, ms.Count(), median, p99,
           aim, p99 < aim ? "" : "  ** over the aim **");
}

void Run(int shown, int ticks)
{
    const int kBars = 50000, kPerBar = 10;
    CHostWindow host;
    if (!host.Make(1600, 700))
        return;
    IChartBase* chart = GetNewControl();
    CCtlChart* ctl = CCtlChart::FromInterface(chart);
    chart->CreateControl(&host, RECT{0, 0, 1600, 700}, 100);

    const CTime newest(2026, 6, 30, 17, 0, 0);
    std::vector<long> columns[6];
    for (int i = 0; i < kBars; ++i)
    {
        const long base = 100000 + 40 * ((i * 7) % 97);
        columns[0].push_back(Packed(newest - CTimeSpan(0, 0, 5 * i, 0)));
        columns[1].push_back(base);
        columns[2].push_back(base + 300);
        columns[3].push_back(base - 300);
        columns[4].push_back(base + ((i % 2) ? 200 : -200));
        columns[5].push_back(1000 + i % 500);
    }
    long* pointers[6];
    for (int k = 0; k < 6; ++k)
        pointers[k] = columns[k].data();
    const double loadStart = Now();
    chart->AddBongChart(pointers, kBars, 3, 5);
    const double loaded = Now() - loadStart;
    if (shown > 0)
        ctl->SetDisplayCount(shown);
    ctl->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpMessages();

    bench::Samples within, opening, repaint, repaintWithin, repaintOpening;
    for (int i = 0; i < ticks; ++i)
    {
        // kPerBar ticks a bar: the first opens it, the others move it.
        const int bar = i / kPerBar + 1, step = i % kPerBar;
        const CTime at = newest + CTimeSpan(0, 0, 5 * (bar - 1), 1 + step * 29);
        const std::string time = std::to_string(Packed(at));
        const std::string price = std::to_string(100000 + 40 * ((i * 13) % 50));
        const int before = int(chart->GetChartDataCount());
        double t0 = Now();
        chart->AddBongRealData(time.c_str(), price.c_str(), "1");
        const double tick = Now() - t0;
        const bool opened = chart->GetChartDataCount() > before;
        (opened ? opening : within).Add(tick * 1000);
        t0 = Now();
        ctl->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const double paint = (Now() - t0) * 1000;
        repaint.Add(paint);
        (opened ? repaintOpening : repaintWithin).Add(paint);
    }
    printf("%d bars of 5 minutes, %d shown; load %.1f ms; %d ticks, one repaint after each\n", kBars,
           shown > 0 ? shown : kBars, loaded * 1000, ticks);
    Report("tick within the newest bar", within, 1);
    Report("tick opening a bar", opening, 1);
    Report("repaint", repaint, 16);
    Report("repaint after a tick within the bar", repaintWithin, 16);
    Report("repaint after a tick opening a bar", repaintOpening, 16);
    delete chart;
    host.DestroyWindow();
}

} // namespace

int main(int argc, char** argv)
{
    const int ticks = argc > 1 ? atoi(argv[1]) : 1000;
    if (ticks <= 0)
    {
        fprintf(stderr, "usage: graphkit_live_bench [ticks]\n");
        return 2;
    }
    Run(0, ticks);
    Run(200, ticks);
    return 0;
}
