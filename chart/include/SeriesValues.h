// The reserved values of chart series: never drawn, never counted in an extreme.
#pragma once

// No data: free slots in front of the data and the front fill of short columns.
const int SERIES_NODATA = 99999999;
// Not computed: a derived series before its values are worked out.
const int SERIES_NOTCOMPUTED = 2147483647;
// Treated as empty by minimum searches.
const int SERIES_EMPTYMIN = -2147483647 - 1;

inline bool IsReservedSeriesValue(int v)
{
    return v == SERIES_NODATA || v == SERIES_NOTCOMPUTED || v == SERIES_EMPTYMIN;
}
