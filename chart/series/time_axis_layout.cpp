// Which bars of the time axis get a tick and a label: spacing by the measured label width, a
// label where the date or time changes, no label over the one before.
#include "TimeAxis.h"

#include <climits>
#include <unordered_map>

#include "ChartText.h"
#include "SeriesValues.h"

int TimeLabelStep(int labelWidth, float barWidth, int barCount)
{
    if (barWidth <= 0)
        return 1;
    // At least 1 before the step is used as a divisor.
    auto stepOf = [&](double factor) {
        int s = int(factor * labelWidth / barWidth);
        return s < 1 ? 1 : s;
    };
    int s = stepOf(1.5);
    if (barCount / s > 7)
    {
        s = stepOf(2);
        if (barCount / s > 7)
            s = stepOf(2.5);
    }
    return s;
}

int TimeMinuteStep(int labelWidth, float barWidth, int barsPerMinute)
{
    double perMinute = double(barsPerMinute) * barWidth;
    // No bar width or no bars per minute: the label width alone decides.
    int n = perMinute > 0 ? int((labelWidth + 5) / perMinute) : labelWidth + 5;
    if (n < 2)
        return 1;
    if (n < 3)
        return 2;
    if (n < 6)
        return 5;
    if (n < 11)
        return 10;
    return 20;
}

CString TimeLabelSample(int kind)
{
    switch (kind)
    {
    case 0:
    case 1:
        return "XX/XX";
    case 2:
        return "  XX/XX  ";
    case 3:
    case 4:
        return "00:00";
    default:
        return "00000";
    }
}

namespace
{
bool IsEmptyTime(int t)
{
    return t == SERIES_NODATA || t == SERIES_NOTCOMPUTED;
}

// The longest run of neighbouring bars that share one hour and minute.
int BarsPerMinute(const TimeAxisInput& in, int (*timeAt)(const TimeAxisInput&, int))
{
    int best = 0, run = 0, previous = -1;
    for (int k = 0; k < in.barCount; ++k)
    {
        int t = timeAt(in, k);
        if (IsEmptyTime(t))
        {
            run = 0;
            previous = -1;
            continue;
        }
        int hm = t % 1000000 / 100;
        run = hm == previous ? run + 1 : 1;
        previous = hm;
        if (run > best)
            best = run;
    }
    return best;
}

int TimeAtBar(const TimeAxisInput& in, int k)
{
    int slot = in.length - 1 - (in.firstBar + k);
    return slot >= 0 && slot < in.length ? in.times[slot] : SERIES_NODATA;
}

class Placer
{
public:
    Placer(const TimeAxisInput& in, const ITextMeasurer& measurer, CArray<TimeAxisMark, const TimeAxisMark&>& marks,
           int gap)
        : m_in(in), m_measurer(measurer), m_marks(marks), m_gap(gap)
    {
    }

    int X(int k) const { return int((k + 0.5f) * m_in.barWidth); }

    // A label that does not run into the one before it; returns whether it was placed. key
    // stands for the text, which makeText gives: a fitted axis tries thousands of bars, where
    // the same few texts come again, and most fall where the label before them still stands.
    template <typename MakeText>
    bool Label(int k, int key, MakeText makeText, bool overlapTest = true)
    {
        TimeAxisMark mark;
        mark.x = X(k);
        // No text is narrower than nothing: centred at or before the last label's end, a label
        // runs into it whatever it says.
        if (overlapTest && (long long)mark.x <= m_lastEnd + m_gap)
            return false;
        auto known = m_known.find(key);
        if (known == m_known.end())
        {
            const CString text = makeText();
            known = m_known.emplace(key, Known{text, m_measurer.Measure(text)}).first;
        }
        mark.text = known->second.text;
        mark.textSize = known->second.size;
        mark.textLeft = mark.x - mark.textSize.cx / 2;
        if (overlapTest && (long long)mark.textLeft <= m_lastEnd + m_gap)
            return false;
        m_lastEnd = (long long)mark.textLeft + mark.textSize.cx;
        m_marks.Add(mark);
        return true;
    }

    void Tick(int k)
    {
        TimeAxisMark mark;
        mark.x = X(k);
        m_marks.Add(mark);
    }

private:
    struct Known
    {
        CString text;
        CSize size;
    };
    const TimeAxisInput& m_in;
    const ITextMeasurer& m_measurer;
    CArray<TimeAxisMark, const TimeAxisMark&>& m_marks;
    int m_gap;
    long long m_lastEnd = LLONG_MIN / 2;
    std::unordered_map<int, Known> m_known;
};

CString Format2(LPCSTR format, int a, int b)
{
    CString text;
    text.Format(format, a, b);
    return text;
}

// A month's label: "yy/mm" where the year changes, else the month alone in monthFormat.
CString MonthText(int year, int month, bool withYear, LPCSTR monthFormat)
{
    if (withYear)
        return Format2("%02d/%02d", year, month);
    CString text;
    text.Format(monthFormat, month);
    return text;
}
} // namespace

void LayoutTimeAxis(const TimeAxisInput& in, const ITextMeasurer& measurer,
                    CArray<TimeAxisMark, const TimeAxisMark&>& marks, CArray<int, int>& gridX)
{
    marks.RemoveAll();
    gridX.RemoveAll();
    if (!in.times || in.length <= 0 || in.barCount <= 0)
        return;
    int gap = in.kind == 3 ? 6 : (in.kind == 5 ? 4 : 0);
    Placer placer(in, measurer, marks, gap);
    int sampleWidth = measurer.Measure(TimeLabelSample(in.kind)).cx;

    switch (in.kind)
    {
    case 0:
    case 1:
    case 2:
    {
        int step = TimeLabelStep(sampleWidth, in.barWidth, in.barCount);
        int lastCandidate = INT_MIN, lastYear = INT_MIN;
        for (int k = 0; k < in.barCount; k += step)
        {
            int t = TimeAtBar(in, k);
            if (in.kind == 0)
            {
                if (t == SERIES_NODATA)
                    break;
                int date = t % 1000000;
                if (date == lastCandidate)
                    continue;
                lastCandidate = date;
                const int monthDay = date % 10000;
                placer.Label(k, monthDay, [&] { return Format2("%02d/%02d", monthDay / 100, monthDay % 100); });
            }
            else if (in.kind == 1)
            {
                if (IsEmptyTime(t))
                    continue;
                int yearMonth = t % 1000000 / 100;
                if (yearMonth == lastCandidate)
                    continue;
                lastCandidate = yearMonth;
                const int year = yearMonth / 100, month = yearMonth % 100;
                const bool withYear = year != lastYear;
                auto text = [&] { return MonthText(year, month, withYear, "%d"); };
                if (placer.Label(k, yearMonth * 2 + withYear, text))
                    lastYear = year;
            }
            else
            {
                if (IsEmptyTime(t))
                {
                    placer.Tick(k);
                    continue;
                }
                const int year = t / 100 % 100, month = t % 100;
                const bool withYear = year != lastYear;
                auto text = [&] { return MonthText(year, month, withYear, "%02d"); };
                lastYear = year;
                placer.Label(k, (year * 100 + month) * 2 + withYear, text, false);
            }
        }
        break;
    }
    case 3:
    case 4:
    {
        int step = TimeMinuteStep(sampleWidth, in.barWidth, BarsPerMinute(in, TimeAtBar));
        int previousHm = -1, previousHour = -1;
        for (int k = 0; k < in.barCount; ++k)
        {
            int t = TimeAtBar(in, k);
            if (IsEmptyTime(t))
                continue;
            int tod = t % 1000000;
            int hour = tod / 10000, minute = tod / 100 % 100, hm = tod / 100;
            bool changed = hm != previousHm;
            bool hourChanged = hour != previousHour;
            previousHm = hm;
            previousHour = hour;
            if (!changed)
                continue;
            if (in.kind == 3)
            {
                if (hm == 0 || !(minute % step == 0 || k == 0 || hourChanged))
                    continue;
                placer.Label(k, hm, [&] { return Format2("%d:%02d", hour, minute); });
            }
            else
            {
                if (tod == 0 || !(minute % step == 0 || k == 0))
                    continue;
                placer.Label(k, hm, [&] {
                    CString digits;
                    digits.Format("%06d", tod);
                    return digits.Left(2) + ":" + digits.Mid(2, 2);
                });
            }
        }
        break;
    }
    case 5:
    {
        int d = in.xDivisor;
        int step = d == 0 ? 1 : (d < 11 ? 2 : (d < 101 ? 20 : (d < 1001 ? 200 : 1)));
        int previous = INT_MIN;
        for (int k = 0; k < in.barCount; ++k)
        {
            int v = TimeAtBar(in, k);
            if (IsEmptyTime(v))
                continue;
            bool differs = v != previous;
            previous = v;
            if (!differs || v % step != 0)
                continue;
            placer.Label(k, v, [&] { return FormatNumberValue(v, -1, -1, "", in.xDivisor, in.xDecimals, 0); });
        }
        break;
    }
    default:
        break;
    }

    for (INT_PTR i = 0; i < marks.GetSize(); ++i)
        if (!marks[i].text.IsEmpty() || in.kind == 2)
            gridX.Add(marks[i].x);
    if ((in.kind == 2 || in.kind == 3) && gridX.GetSize() >= 8)
    {
        INT_PTR every = gridX.GetSize() / 4;
        CArray<int, int> thinned;
        for (INT_PTR i = 0; i < gridX.GetSize(); i += every)
            thinned.Add(gridX[i]);
        gridX.Copy(thinned);
    }
}
