// Extremes, moving averages and rates over integer series.
#include "Calculater.h"

#include <cmath>

#include "SeriesValues.h"

namespace
{
bool Counts(int v, int skipSwitch, int skipValue)
{
    return !IsReservedSeriesValue(v) && !(skipSwitch && v == skipValue);
}

// The first element that can start an extreme: skipValue never starts one, whatever the switch.
int FirstCounted(const int* values, int count, int skipValue)
{
    for (int i = 0; i < count; ++i)
        if (!IsReservedSeriesValue(values[i]) && values[i] != skipValue)
            return i;
    return -1;
}
} // namespace

int CCalculater::MaxOf(const int* values, int count, int skipSwitch, int skipValue) const
{
    int first = values ? FirstCounted(values, count, skipValue) : -1;
    if (first < 0)
        return SERIES_EMPTYMIN;
    int result = values[first];
    for (int i = first + 1; i < count; ++i)
        if (Counts(values[i], skipSwitch, skipValue) && values[i] > result)
            result = values[i];
    return result;
}

int CCalculater::MinOf(const int* values, int count, int skipSwitch, int skipValue) const
{
    int first = values ? FirstCounted(values, count, skipValue) : -1;
    if (first < 0)
        return SERIES_NOTCOMPUTED;
    int result = values[first];
    for (int i = first + 1; i < count; ++i)
        if (Counts(values[i], skipSwitch, skipValue) && values[i] < result)
            result = values[i];
    return result;
}

void CCalculater::RateAt(const int* values, int count, int index, int* out, int base) const
{
    if (!values || !out || index < 0 || index >= count)
        return;
    int v = values[index];
    if (v == 0 || IsReservedSeriesValue(v))
    {
        out[index] = SERIES_NOTCOMPUTED;
        return;
    }
    double rate = std::trunc((double(v) - double(base)) / double(v) * 100.0 * 100.0);
    // A rate beyond the int range is no drawable value either.
    out[index] = (rate > 2147483646.0 || rate < -2147483647.0) ? SERIES_NOTCOMPUTED : int(rate);
}

void CCalculater::MovingAverage(const int* values, int count, int* out, int period, int start) const
{
    if (!values || !out || count < 0 || period < 1 || start < 0 || count - start < period)
        return;
    double sum = 0;
    int gaps = 0; // 99999999 entries inside the window
    for (int i = start; i < start + period; ++i)
    {
        if (values[i] == SERIES_NODATA)
            ++gaps;
        else
            sum += values[i];
    }
    if (gaps == 0)
        out[start] = int(std::trunc(sum / period));
    for (int i = start + 1; i <= count - period; ++i)
    {
        int entering = values[i + period - 1], leaving = values[i - 1];
        if (entering == SERIES_NODATA)
            ++gaps;
        else
            sum += entering;
        if (leaving == SERIES_NODATA)
            --gaps;
        else
            sum -= leaving;
        if (gaps == 0)
            out[i] = int(std::trunc(sum / period));
    }
}

void CCalculater::MovingAverageAt(const int* values, int count, int index, int* out, int period) const
{
    if (!values || !out || index < 0 || count < index + period)
        return;
    if (period < 1)
    {
        out[index] = 0;
        return;
    }
    double sum = 0;
    for (int i = index + period - 1; i >= index; --i)
    {
        if (values[i] == SERIES_NODATA)
            return;
        sum += values[i];
    }
    out[index] = int(std::trunc(sum / period));
}
