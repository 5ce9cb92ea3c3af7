// The tooltip's table text: rows of title and value, date-time rows split in two lines, and
// the window size of a table.
#include "MSToolTipCtrl.h"

#include <algorithm>

namespace
{

const char ROW_END[] = "\x16\x16";
const char TITLE_END[] = "\x14\x14";
const char VALUE_END[] = "\x15\x15";

// The text up to the separator (all of it when there is none); rest starts after it.
CString Cut(const CString& text, LPCSTR separator, int from, int& rest)
{
    int at = text.Find(separator, from);
    if (at < 0)
    {
        rest = text.GetLength();
        return text.Mid(from);
    }
    rest = at + int(strlen(separator));
    return text.Mid(from, at - from);
}

} // namespace

int ParseTipTable(LPCSTR text, BOOL english, CStringArray& titles, CStringArray& values)
{
    titles.RemoveAll();
    values.RemoveAll();
    CString all(text ? text : "");
    const char* marker = english ? "(TIME)" : "(시간)";
    const char* timeTitle = english ? "TIME" : "시간";
    for (int pos = 0; pos < all.GetLength();)
    {
        CString row = Cut(all, ROW_END, pos, pos);
        if (row.IsEmpty())
            continue;
        int rest = 0;
        CString title = Cut(row, TITLE_END, 0, rest);
        CString value = rest < row.GetLength() ? Cut(row, VALUE_END, rest, rest) : CString();
        int at = title.Find(marker);
        if (at < 0)
        {
            titles.Add(title);
            values.Add(value);
            continue;
        }
        int blank = value.Find(' ');
        titles.Add(title.Left(at));
        values.Add(blank < 0 ? value : value.Left(blank));
        titles.Add(timeTitle);
        values.Add(blank < 0 ? CString() : value.Mid(blank + 1));
    }
    return int(titles.GetSize());
}

CSize TipTableSize(const CStringArray& titles, const CStringArray& values, const ITextMeasurer& measurer)
{
    int titleWidth = 0, valueWidth = 0;
    for (INT_PTR i = 0; i < titles.GetSize(); ++i)
        titleWidth = std::max(titleWidth, int(measurer.Measure(titles[i]).cx));
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
        valueWidth = std::max(valueWidth, int(measurer.Measure(values[i]).cx));
    CSize blanks = measurer.Measure("  ");
    int lineHeight = measurer.Measure("가").cy;
    return CSize(titleWidth + blanks.cx + valueWidth + 3, 36 + lineHeight * int(titles.GetSize()));
}
