// CCalculater: extremes, moving averages and rates over integer series.
#pragma once

#include <afx.h>

#include "GraphKitApi.h"

class GRAPHKIT_API CCalculater
{
public:
    CCalculater() {}
    virtual ~CCalculater() {}

    // Largest value of values[0, count), reserved values left out, and skipValue too while
    // skipSwitch is on; -2147483648 when nothing counts.
    int MaxOf(const int* values, int count, int skipSwitch, int skipValue) const;
    // Smallest value by the same rules; 2147483647 when nothing counts.
    int MinOf(const int* values, int count, int skipSwitch, int skipValue) const;

    // out[index] = (values[index] - base) / values[index] in hundredths of a per cent. A value
    // of 0 or a reserved value has no rate: out[index] becomes 2147483647.
    void RateAt(const int* values, int count, int index, int* out, int base) const;

    // out[i] for i in [start, count - period]: the mean of values[i .. i + period - 1], that is
    // the bar at i and the period - 1 older bars. A window holding a 99999999 gets no result.
    void MovingAverage(const int* values, int count, int* out, int period, int start) const;
    // The same for position index alone.
    void MovingAverageAt(const int* values, int count, int index, int* out, int period) const;
};
