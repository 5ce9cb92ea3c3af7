// A live canvas in a top-level window, with helpers that give it a region of series.
#pragma once

#include <memory>
#include <vector>

#include "Canvas.h"
#include "DataCell.h"
#include "DrawObject.h"

// A draw object over series (newest first) in a store the canvas keeps; load the times first.
inline CDrawObject* MakeSeriesObject(CCanvas& canvas, int kind, const std::vector<std::vector<int>>& series)
{
    CDataCell* store = new CDataCell;
    store->AllocSeriesTable(int(series.size()));
    int n = 0, length = 0;
    // Like the time series, with the canvas's free block of empty slots in front.
    const int free = canvas.GetFreeBlock();
    for (const std::vector<int>& s : series)
    {
        length = int(s.size());
        store->SetSeriesData(s.data(), length, n++, length + free, 1);
    }
    store->m_nLength = length + free;
    canvas.AddSeries(store);
    CDrawObject* object = new CDrawObject;
    object->SetStore(store);
    int** slots[5] = {&object->m_pS0, &object->m_pS1, &object->m_pS2, &object->m_pS3, &object->m_pS4};
    for (int k = 0; k < 5 && k < n; ++k)
        *slots[k] = store->BindSeries(k, slots[k]); // re-pointed when real-time slots move the series
    object->SetKind(kind);
    object->SetAxisLength(length);
    return object;
}

// Candles of count bars: open, high, low, close around a wave.
inline std::vector<std::vector<int>> CandleSeries(int count)
{
    std::vector<std::vector<int>> series(4, std::vector<int>(size_t(count)));
    for (int i = 0; i < count; ++i)
    {
        const int base = 10000 + (i * 37) % 500;
        series[0][size_t(i)] = base;
        series[1][size_t(i)] = base + 60;
        series[2][size_t(i)] = base - 60;
        series[3][size_t(i)] = base + ((i % 2) ? 30 : -30);
    }
    return series;
}

inline std::vector<int> DailyTimes(int count)
{
    std::vector<int> times(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        times[size_t(i)] = 20260101 + (count - i); // newest first; only the order matters here
    return times;
}

class CHostWindow : public CWnd
{
public:
    BOOL Make(int width, int height)
    {
        return CreateEx(WS_EX_TOPMOST, NULL, "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height,
                        NULL, NULL);
    }
};

inline void PumpMessages()
{
    MSG msg;
    for (int round = 0; round < 5; ++round)
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
}
