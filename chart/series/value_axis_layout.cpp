// Value scales: the tidy step, the label gaps and which values of a scale get a label.
#include "ValueAxis.h"

#include <climits>
#include <cmath>

#include "ChartText.h"
#include "SeriesValues.h"
#include "TimeAxis.h"

long long NiceStep(long long value, int& exponent)
{
    exponent = 0;
    if (value == 0)
        return 0;
    unsigned long long magnitude = value < 0 ? 0ULL - (unsigned long long)value : (unsigned long long)value;
    int digits = 0;
    long long power = 1; // 10^(digits - 1)
    for (unsigned long long m = magnitude; m >= 10; m /= 10)
    {
        ++digits;
        power *= 10;
    }
    int e = digits;
    int d = int(magnitude / power);
    if (e > 0 && magnitude / (power / 10) % 10 >= 5)
        ++d;
    exponent = e;
    if (value < 0 || d >= 6)
    {
        exponent = e + 1;
        return power * 10;
    }
    if (d == 1)
        return power;
    if (d == 2)
        return 2 * power;
    return 5 * power;
}

namespace
{
int GapOf(int length, const int (&gaps)[7])
{
    static const int limits[6] = {80, 100, 130, 200, 500, 1000};
    int i = 0;
    while (i < 6 && length >= limits[i])
        ++i;
    return gaps[i];
}

long long FloorMod(long long a, long long b)
{
    long long r = a % b;
    return r < 0 ? r + b : r;
}
} // namespace

int VerticalLabelGap(int length)
{
    static const int gaps[7] = {2, 5, 7, 9, 11, 13, 15};
    return GapOf(length, gaps);
}

int HorizontalLabelGap(int length)
{
    static const int gaps[7] = {2, 20, 24, 30, 40, 50, 60};
    return GapOf(length, gaps);
}

CString FormatAxisValue(long long value, const NumberFormat& f)
{
    int v = int(std::max<long long>(std::min<long long>(value, INT_MAX), INT_MIN));
    return FormatNumberValue(v, f.fractionBase, f.precision, "", f.divisor, f.decimals, f.decimalsOverride);
}

bool LayoutValueScale(const ValueScaleInput& in, CArray<ValueScaleTick, const ValueScaleTick&>& ticks, long long* step)
{
    ticks.RemoveAll();
    if (step)
        *step = 0;
    // No value at all: the extremes are still the empty ones (maximum below minimum).
    if (in.maximum < in.minimum || in.maximum == SERIES_EMPTYMIN)
        return false;
    long long maximum = in.maximum, minimum = in.minimum;
    if (maximum == minimum)
    {
        maximum += 10;
        if (minimum != 0)
            minimum -= 10;
    }
    long long range = maximum - minimum;
    int length = in.bottom - in.top;
    int h = in.labelHeight;
    if (double(range) * in.pixelsPerUnit < h)
        return false;

    // Pixels are rounded: a float's 0.2 x 1000 must still reach the pixel of 200.
    auto yAt = [&](double offset) {
        return int(std::floor((in.inverted ? in.top + offset : in.bottom - offset) + 0.5));
    };
    auto yOf = [&](long long v) { return yAt(double(v - minimum) * in.pixelsPerUnit); };
    auto place = [&](long long v, int y) {
        ValueScaleTick tick;
        tick.value = v;
        tick.y = y;
        tick.labelTop = y - h / 2;
        int labelBottom = tick.labelTop + h;
        // The label stands at its value within the strip's margins, clear of the caption.
        tick.label = y >= in.top - 10 && y <= in.bottom + 4 && labelBottom <= in.captionTop;
        if (tick.label && labelBottom > in.clipBottom)
            tick.labelTop = in.clipBottom - h;
        ticks.Add(tick);
    };

    int n = in.divisions < 2 && in.divisions > 0 ? 2 : in.divisions;
    if (n > 0 && ((n + 1) * 10LL < range || range % (n + 1) == 0))
    {
        long long spacing = range / (n - 1);
        for (int i = 0; i < n; ++i)
            place(minimum + (long long)std::floor(double(i) * spacing + 0.5),
                  yAt(double(i) * double(spacing) * in.pixelsPerUnit));
        return true;
    }

    int gap = VerticalLabelGap(length);
    long long c = gap + h > 0 ? length / (gap + h) : 0;
    long long raw = range < c ? 1 : (c > 0 ? (long long)(double(range) / double(c) + 0.8) : 0);
    int exponent;
    long long s = NiceStep(raw, exponent);
    if (step)
        *step = s;
    if (s <= 0)
        return true;
    long long count = std::max<long long>(range / s, 1) + 4;
    long long v = minimum - FloorMod(minimum, s) - s;
    for (long long i = 0; i < count; ++i, v += s)
    {
        int y = yOf(v);
        if (in.inverted ? y > in.bottom + 4 : y < in.top - 10)
            break;
        if (in.inverted ? y < in.top - 10 : y > in.bottom + 4)
            continue;
        place(v, y);
    }
    return true;
}

void LayoutHorizontalScale(int maximumIn, int minimumIn, int left, int right, int labelCount,
                           const NumberFormat& format, const ITextMeasurer& measurer,
                           CArray<AxisLabel, const AxisLabel&>& labels)
{
    labels.RemoveAll();
    if (maximumIn < minimumIn || maximumIn == SERIES_EMPTYMIN)
        return;
    long long maximum = maximumIn, minimum = minimumIn;
    // A single value gets a scale around it, as on the vertical axis.
    if (maximum == minimum)
    {
        maximum += 10;
        if (minimum != 0)
            minimum -= 10;
    }
    long long range = maximum - minimum;
    int length = right - left;
    if (length <= 6)
        return;
    int w = std::max(measurer.Measure(FormatAxisValue(maximum, format)).cx,
                     measurer.Measure(FormatAxisValue(minimum, format)).cx);
    long long visits;
    long long raw;
    if (labelCount > 0)
    {
        raw = range / labelCount;
        visits = labelCount + 4;
    }
    else
    {
        long long c = std::max<long long>(length / (HorizontalLabelGap(length) + std::max(w, 1)), 1);
        raw = range / c;
        visits = c + 20;
    }
    int exponent;
    long long step = std::max<long long>(NiceStep(raw, exponent), 1);
    for (long long i = 0; i < visits; ++i)
    {
        AxisLabel label;
        label.value = minimum + i * step;
        label.x = left + int(double(label.value - minimum) / double(range) * (length - 6));
        bool pastEnd = label.x > right;
        if (pastEnd)
            label.value = maximum;
        label.text = FormatAxisValue(label.value, format);
        int width = measurer.Measure(label.text).cx;
        label.textLeft = label.x - width / 2;
        if (label.textLeft < left)
            label.textLeft = left + 2;
        if (label.textLeft + width > right)
            label.textLeft = right + 3 - width;
        labels.Add(label);
        if (pastEnd || label.value >= maximum)
            break;
    }
}

void LayoutCategoryAxis(const CStringArray& categories, float barWidth, int dataOrder, const ITextMeasurer& measurer,
                        CArray<AxisLabel, const AxisLabel&>& labels)
{
    labels.RemoveAll();
    int count = int(categories.GetSize());
    int step = TimeLabelStep(measurer.Measure("XXX").cx, barWidth, count);
    for (int i = 0; i < count; i += step)
    {
        AxisLabel label;
        label.value = i;
        label.x = int((i + 0.5) * barWidth + 0.5);
        label.text = categories[dataOrder ? count - 1 - i : i];
        label.textLeft = label.x - measurer.Measure(label.text).cx / 2;
        labels.Add(label);
    }
}
