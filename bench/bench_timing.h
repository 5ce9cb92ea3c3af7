// Timing for the benchmarks: a high-resolution clock and percentiles of timed samples.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench
{

// Seconds on the performance counter.
inline double Now()
{
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER v;
        QueryPerformanceFrequency(&v);
        return v;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(frequency.QuadPart);
}

// Timed samples in any one unit; At(0.5) is the median, At(0.99) the 99th percentile (the
// nearest sample, 0 when there are none).
class Samples
{
public:
    void Add(double value)
    {
        m_values.push_back(value);
        m_sorted = false;
    }
    size_t Count() const { return m_values.size(); }
    double At(double share)
    {
        if (m_values.empty())
            return 0;
        if (!m_sorted)
            std::sort(m_values.begin(), m_values.end());
        m_sorted = true;
        const size_t i = size_t(share * double(m_values.size() - 1) + 0.5);
        return m_values[std::min(i, m_values.size() - 1)];
    }

private:
    std::vector<double> m_values;
    bool m_sorted = false;
};

} // namespace bench
