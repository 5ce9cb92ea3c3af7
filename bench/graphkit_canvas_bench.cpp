// GraphKit canvas: 1,000 real-time ticks sent within one second to a live canvas of 2,000
// candles, with the canvas's own 200 ms repaint timer running in a real message loop. Prints
// the paints (at most five timer periods and one trailing paint), the time spent in them and
// the process's CPU time over the second, against the aim of under 10% of one core.
#include <windows.h>

#include <stdio.h>

#include "bench_timing.h"
#include "canvas_fixture.h"

namespace
{

using bench::Now;

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return double((ULONGLONG(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// Dispatches messages until the given moment, sleeping in between.
void RunUntil(double until)
{
    MSG msg;
    for (;;)
    {
        while (PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        const double left = until - Now();
        if (left <= 0)
            return;
        MsgWaitForMultipleObjects(0, NULL, FALSE, DWORD(left * 1000) + 0, QS_ALLINPUT);
    }
}

} // namespace

int main()
{
    const int kBars = 2000, kTicks = 1000;
    CHostWindow host;
    if (!host.Make(1600, 600))
        return 1;
    CCanvas canvas;
    canvas.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 1600, 600), &host, 100);
    const std::vector<int> times = DailyTimes(kBars);
    canvas.SetTimes(times.data(), kBars);
    const int region = canvas.AddRegion();
    std::vector<std::vector<int>> series = CandleSeries(kBars);
    CDrawObject* candles = MakeSeriesObject(canvas, DRAWKIND_CANDLE, series);
    canvas.AddDrawObject(region, candles);
    canvas.SetDataReady(TRUE);
    canvas.Invalidate();
    canvas.UpdateWindow();
    RunUntil(Now() + 0.3); // settle: first paints, bar layout
    canvas.ResetCounters();

    // The same waiting loop without ticks: what the harness itself costs under this system.
    const double idleStart = Now();
    const double idleCpuStart = CpuSeconds();
    for (int i = 0; i < kTicks; ++i)
        RunUntil(idleStart + i * (1.0 / kTicks));
    RunUntil(idleStart + 1.25);
    const double idleCpu = (CpuSeconds() - idleCpuStart) / (Now() - idleStart);
    canvas.ResetCounters();

    int* close = candles->GetS3();
    double tickSeconds = 0;
    const double start = Now();
    const double cpuStart = CpuSeconds();
    for (int i = 0; i < kTicks; ++i)
    {
        RunUntil(start + i * (1.0 / kTicks));
        const double tickStart = Now();
        close[canvas.GetFreeBlock()] = 10000 + (i * 13) % 120; // the newest bar's close moves
        canvas.OnDataChanged();
        tickSeconds += Now() - tickStart;
    }
    const double ticked = Now();
    RunUntil(ticked + 0.25); // the trailing paint
    const double end = Now();
    const double cpu = CpuSeconds() - cpuStart;

    const int paints = canvas.GetPaintCount();
    const double paintSeconds = canvas.GetPaintSeconds();
    printf("ticks sent: %d in %.3f s to %d bars\n", kTicks, ticked - start, kBars);
    printf("paints: %d (aim: at most 6)%s\n", paints, paints <= 6 ? "" : "  ** over the aim **");
    printf("time in paints: %.2f ms total, %.2f ms a paint\n", paintSeconds * 1000,
           paints ? paintSeconds * 1000 / paints : 0.0);
    printf("paint share of the %.3f s: %.2f%% of one core\n", end - start, 100 * paintSeconds / (end - start));
    printf("time in the ticks' value updates (series windows and scales): %.2f ms, %.2f%% of one core\n",
           tickSeconds * 1000, 100 * tickSeconds / (end - start));
    printf("chart work (paints and updates): %.2f%% of one core (aim: under 10%%)\n",
           100 * (paintSeconds + tickSeconds) / (end - start));
    printf("process CPU: %.2f%% of one core with the ticks, %.2f%% for the same waiting loop without them\n",
           100 * cpu / (end - start), 100 * idleCpu);
    canvas.DestroyWindow();
    host.DestroyWindow();
    return 0;
}
