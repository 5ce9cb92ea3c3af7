// CLocationUtil: pixel/data conversions, linear and logarithmic.
#include "LocationUtil.h"

#include <climits>
#include <cmath>

namespace
{

// Truncates toward zero; results that no int holds (or no number at all) have no value.
int Truncate(double v)
{
    if (!std::isfinite(v) || v >= 2147483648.0 || v <= -2147483649.0)
        return CLocationUtil::NoValue;
    return int(v);
}

} // namespace

int CLocationUtil::SlotFromX(int x, int first, float pixelsPerSlot) const
{
    // A window without width per slot has no slot under any pixel.
    if (pixelsPerSlot == 0)
        return NoValue;
    return Truncate(double(first) + double((long long)x - m_rect.left) / double(pixelsPerSlot));
}

int CLocationUtil::XFromSlot(int i, int first, int last, float pixelsPerSlot) const
{
    if (i < first || i > last)
        return NoValue;
    return Truncate(double(m_rect.left) + (double((long long)i - first) + 0.5) * double(pixelsPerSlot));
}

int CLocationUtil::YFromValue(int v, int maximum, int minimum, float pixelsPerUnit) const
{
    if (v < minimum || v > maximum)
        return NoValue;
    return Truncate(double(m_rect.top) + (double((long long)maximum - v) + 0.5) * double(pixelsPerUnit));
}

int CLocationUtil::ValueFromY(int y, int maximum, int minimum, float pixelsPerUnit, BOOL logarithmic,
                              BOOL reversed) const
{
    int edge = reversed ? m_rect.top : m_rect.bottom;
    long long rise = (long long)edge - y;
    if (!logarithmic)
    {
        float factor = reversed ? -pixelsPerUnit : pixelsPerUnit;
        if (factor == 0)
            return 0;
        return Truncate(double(minimum) + double(rise) / double(factor));
    }

    // A logarithm of a negative bound, a scale without height or with equal bounds has no value.
    int height = m_rect.bottom - m_rect.top;
    if (maximum < 0 || minimum < 0 || height == 0)
        return NoValue;
    double la = std::log(double(maximum == 0 ? 1 : maximum));
    double lb = std::log(double(minimum == 0 ? 1 : minimum));
    float d = float(la - lb);
    if (d == 0)
        return NoValue;
    double k = 400.0 / d;
    long long pa = (long long)(k * la), pb = (long long)(k * lb);
    long long span = reversed ? pb - pa : pa - pb;
    double scaled = double(rise * span) / double(height);
    return Truncate(std::exp((scaled + double(pb)) / k));
}
