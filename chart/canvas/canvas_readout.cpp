// The crosshair read-out text, built from the items under the pointer without any window.
#include "CanvasReadOut.h"

#include "ChartText.h"
#include "SeriesValues.h"

namespace
{
const char kNineBlanks[] = "         ";

BOOL IsReserved(int v)
{
    return v == SERIES_NODATA || v == SERIES_NOTCOMPUTED || v == SERIES_EMPTYMIN;
}
} // namespace

CString FormatChangeRate(int value, int previous)
{
    CString text = kNineBlanks;
    if (previous == SERIES_NOTCOMPUTED || previous == SERIES_EMPTYMIN)
        text.Format("(+0.00%%) ");
    else if (previous != SERIES_NODATA && previous != 0)
    {
        // A previous value of 0 is ordinary (a bar without volume), but no rate stands against it.
        const double rate = (double(value) - double(previous)) / double(previous) * 100.0;
        if (rate >= 0)
            text.Format("(+%02.2f%%)", rate);
        else
            text.Format("(%02.2f%%)", rate);
        if (text.GetLength() == 8)
            text += ' ';
    }
    return text;
}

CString FormatReadOutTime(const ReadOutItem& item, int timeKind, BOOL english, CString& label)
{
    label = item.label;
    const int v = IsReserved(item.value) ? 0 : item.value;
    if (timeKind == 5)
        return FormatNumberValue(v, -1, -1, "", item.divisor, item.decimals, 0);
    const int D = v / 1000000;
    const int t = v % 1000000;
    const BOOL close = t == 888888 || t == 999999;
    const int a = t / 10000, b = (t % 10000) / 100, c = t % 100;
    if (timeKind == 3 && D != 0)
        label = english ? "DATE(TIME)" : "일자(시간)";
    else if (timeKind == 4)
        label = english ? "TIME" : "시간";
    CString text;
    if (a < 100)
    {
        const char* closeText = english ? "Market Close" : "장마감";
        switch (timeKind)
        {
        case 4:
            if (close)
                text = closeText;
            else
                text.Format("%02d:%02d:%02d", a, b, c);
            break;
        case 3:
            if (D == 0)
            {
                if (close)
                    text = closeText;
                else
                    text.Format("%02d:%02d:%02d", a, b, c);
            }
            else if (close)
                text.Format("%d/%02d %s", D / 100, D % 100, closeText);
            else
                text.Format("%d/%02d %02d:%02d:%02d", D / 100, D % 100, a, b, c);
            break;
        case 0:
        case 1:
            text.Format("%02d/%02d/%02d", a, b, c);
            break;
        default:
            text.Format("%02d/%02d", b, c);
            break;
        }
    }
    if (item.subCount != 0)
    {
        CString sub;
        sub.Format("+%d", item.subCount);
        text += sub;
    }
    return text;
}

CString BuildReadOutText(const CArray<ReadOutItem, const ReadOutItem&>& items, int timeKind, BOOL english,
                         BOOL fluctuation)
{
    CString out;
    const BOOL withChange = fluctuation == 1 && timeKind >= 0 && timeKind <= 2;
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
    {
        const ReadOutItem& item = items[i];
        CString label = item.label;
        CString value;
        CString change = kNineBlanks;
        if (item.isTime)
            value = FormatReadOutTime(item, timeKind, english, label);
        else if (!IsReserved(item.value))
        {
            value = FormatNumberValue(item.value, -1, -1, item.unit, item.divisor, item.decimals, 0);
            change = FormatChangeRate(item.value, item.previous);
        }
        out += label;
        out += "\x14\x14";
        out += value;
        if (withChange)
            out += change;
        out += "\x15\x15\x16\x16";
    }
    return out;
}

ReadOutItem ReadOutItemFromRow(const CSearchData& row, BOOL isTime)
{
    ReadOutItem item;
    item.label = row.m_strTitle;
    item.value = row.m_nValue;
    // The first spare int: a series row's previous value, the time row's count of older entries
    // at the same time.
    item.previous = isTime ? SERIES_NODATA : row.m_nReserved[0];
    item.subCount = isTime ? row.m_nReserved[0] : 0;
    item.decimals = row.m_nDecimals;
    item.divisor = row.m_nScale;
    item.unit = isTime ? CString() : row.m_strText;
    item.isTime = isTime;
    return item;
}
