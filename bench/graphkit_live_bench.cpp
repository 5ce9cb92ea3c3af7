// GraphKit live chart: ticks into a 50,000-bar 5-minute candle chart made by the library's
// factory, each followed by its repaint. Prints the median and the 99th percentile of a tick
// (within the newest bar, and opening a new bar) and of the repaint, against the aims of under
// 1 ms for a tick and under 16 ms (one frame at 60 Hz) for the repaint; once with the whole
// series shown, as a load leaves it, and once with 200 bars shown.
#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CtlChart.h"
#include "TimeDataCell.h"
#include "canvas_fixture.h"

namespace
{

double Now()
{
    static LARGE_INTEGER f = [] {
        LARGE_INTEGER v;
        QueryPerformanceFrequency(&v);
        return v;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

// MMDDHHMMSS of a moment: interval charts that span days carry the month and day.
long Packed(const CTime& t)
{
    return long(t.GetMonth()) * 100000000L + long(t.GetDay()) * 1000000L + long(t.GetHour()) * 10000L +
           long(t.GetMinute()) * 100L + long(t.GetSecond());
}

struct Figures
{
    std::vector<double> ms;
    void Add(double seconds) { ms.push_back(seconds * 1000); }
    double At(double share)
    {
        if (ms.empty())
            return 0;
        std::sort(ms.begin(), ms.end());
        size_t i = size_t(share * double(ms.size() - 1) + 0.5);
        return ms[std::min(i, ms.size() - 1)];
    }
};

void Report(const char* what, Figures& f, double aim)
{
    const double median = f.At(0.5), p99 = f.At(0.99);
    printf("  %-34s n=%4zu  median %7.3f ms  99th %7.3f ms  (aim: under %g ms)%s\n", what, f.ms.size(), median, p99,
           aim, p99 < aim ? "" : "  ** over the aim **");
}

void Run(int shown)
{
    const int kBars = 50000, kTicks = 1000, kPerBar = 10;
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

    Figures within, opening, repaint;
    for (int i = 0; i < kTicks; ++i)
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
        (chart->GetChartDataCount() > before ? opening : within).Add(tick);
        t0 = Now();
        ctl->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        repaint.Add(Now() - t0);
    }
    printf("%d bars of 5 minutes, %d shown; load %.1f ms; %d ticks, one repaint after each\n", kBars,
           shown > 0 ? shown : kBars, loaded * 1000, kTicks);
    Report("tick within the newest bar", within, 1);
    Report("tick opening a bar", opening, 1);
    Report("repaint", repaint, 16);
    delete chart;
    host.DestroyWindow();
}

} // namespace

int main()
{
    Run(0);
    Run(200);
    return 0;
}
