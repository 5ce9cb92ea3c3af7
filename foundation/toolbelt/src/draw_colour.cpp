// Conversions between RGB and packed hue/lightness/saturation. Results are truncated; a
// value that is mathematically whole (grey 100 is lightness 200/510 × 255) must not lose one
// to rounding in the last bit, so truncation allows a hair of slack.
#include "Draw.h"

#include <algorithm>

namespace {

int Truncate(double value)
{
    return int(value + 1e-6);
}

// Percentages beyond 100 would leave the byte range.
int MovePercent(int value, int percent)
{
    percent = std::max(-100, std::min(100, percent));
    if (percent > 0)
        return value + (255 - value) * percent / 100;
    if (percent < 0)
        return value * (100 + percent) / 100;
    return value;
}

} // namespace

DWORD CDraw::RGB2HLS(COLORREF rgb)
{
    const int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
    const int mx = std::max(r, std::max(g, b));
    const int mn = std::min(r, std::min(g, b));
    const double l = double(mx + mn) / 510.0;
    double h = 0.0, s = 0.0;
    if (mx != mn) {
        const double d = double(mx - mn);
        const double rd = (mx - r) / d, gd = (mx - g) / d, bd = (mx - b) / d;
        s = l <= 0.5 ? d / double(mx + mn) : d / double(510 - mx - mn);
        if (r == mx)
            h = (bd + 6.0 - gd) * 60.0;
        if (g == mx)
            h = (rd + 2.0 - bd) * 60.0;
        if (b == mx)
            h = (gd + 4.0 - rd) * 60.0;
        if (h > 360.0)
            h -= 360.0;
    }
    return HLS(Truncate(h * 255.0 / 360.0), Truncate(l * 255.0), Truncate(s * 255.0));
}

namespace {

BYTE ToChannel(double m1, double m2, double h)
{
    if (h > 360.0)
        h -= 360.0;
    else if (h < 0.0)
        h += 360.0;
    double v;
    if (h < 60.0)
        v = m1 + (m2 - m1) * h / 60.0;
    else if (h < 180.0)
        v = m2;
    else if (h < 240.0)
        v = m1 + (m2 - m1) * (240.0 - h) / 60.0;
    else
        v = m1;
    return BYTE(std::max(0, std::min(255, Truncate(v * 255.0))));
}

} // namespace

BYTE CDraw::_ToRGB(float m1, float m2, float hue)
{
    return ToChannel(m1, m2, hue);
}

COLORREF CDraw::HLS2RGB(DWORD hls)
{
    const BYTE lightness = HLS_L(hls);
    if (HLS_S(hls) == 0)
        return RGB(lightness, lightness, lightness);
    const double h = HLS_H(hls) * 360.0 / 255.0;
    const double l = lightness / 255.0;
    const double s = HLS_S(hls) / 255.0;
    const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
    const double m1 = 2.0 * l - m2;
    return RGB(ToChannel(m1, m2, h + 120.0), ToChannel(m1, m2, h), ToChannel(m1, m2, h - 120.0));
}

COLORREF CDraw::HLS_TRANSFORM(COLORREF rgb, int lightnessPercent, int saturationPercent)
{
    const DWORD hls = RGB2HLS(rgb);
    return HLS2RGB(HLS(HLS_H(hls), MovePercent(HLS_L(hls), lightnessPercent),
                       MovePercent(HLS_S(hls), saturationPercent)));
}
