// CDataCell real-time rules: values of the newest bar, and new bars in front of it.
#include "DataCell.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "SeriesSettings.h"
#include "SeriesValues.h"
#include "TimeDataCell.h"
#include "data_cell_storage.h"

namespace
{
// Decimal text to int; text that is no number counts as 0, and values beyond the int range are
// held at its ends.
int ValueOf(const CString& text)
{
    char* end = nullptr;
    errno = 0;
    long long v = strtoll(text, &end, 10);
    if (end == text.GetString())
        return 0;
    return int(std::max<long long>(std::min<long long>(v, 2147483647LL), -2147483647LL - 1));
}

// Adds to a slot; an empty slot starts from 0.
void AddTo(int& slot, int value)
{
    long long sum = (IsReservedSeriesValue(slot) ? 0LL : (long long)slot) + value;
    slot = int(std::max<long long>(std::min<long long>(sum, 2147483646LL), -2147483647LL));
}
} // namespace

void CDataCell::ApplyRealData(CStringArray& names, CStringArray& values, int opensBar, int& lastVolume)
{
    int current = GetCurrentIndex();
    int timeKind = m_pTime ? m_pTime->m_nKind : 0;
    bool freeze = m_pSettings && m_pSettings->m_nFreeze;
    bool boundary = m_pSettings && m_pSettings->m_nBarBoundary;
    bool opens = (!boundary && opensBar) || (boundary && GetBarOpen() == 0);
    CString side;
    int count = int(names.GetSize());
    int removed = 0, previousSeries = -1;
    for (int position = 0; position < count; ++position)
    {
        int i = position - removed; // where the item stands now
        // An item without a value is left in the list.
        if (i >= names.GetSize() || i >= values.GetSize())
            break;
        CString name = names[i];
        int series = FindSeriesIndex(name);
        if (series < 0)
        {
            previousSeries = -1;
            continue;
        }
        // A name repeated straight after itself goes to the series at its position in the
        // update (the second "close" of a candle update lands in the close series).
        if (position > 0 && series == previousSeries)
        {
            previousSeries = series;
            series = position;
            name.Empty();
        }
        else
            previousSeries = series;
        if (series >= m_nSeriesCount || !m_ppSeries[series] || current < 0 || current >= m_nLength)
            continue;
        int* column = m_ppSeries[series];
        int& slot = column[current];
        int value = ValueOf(values[i]);
        char code = 0;
        if (!name.IsEmpty() && FindCodedEntry(name, SERIES_CODES_PRICE, &code) >= 0)
        {
            if (freeze)
                return;
            switch (code)
            {
            case 'O':
                if (opens || (timeKind == 0 && value != 0))
                    slot = value;
                break;
            case 'H':
                if (opens || (value != 0 && (timeKind == 0 || IsReservedSeriesValue(slot) || value > slot)))
                    slot = value;
                break;
            case 'L':
                if (opens || (value != 0 && (timeKind == 0 || IsReservedSeriesValue(slot) || value < slot)))
                    slot = value;
                break;
            default:
                if (value != 0)
                    slot = value;
                break;
            }
        }
        else if (!name.IsEmpty() && FindCodedEntry(name, SERIES_CODES_VOLUME) >= 0)
        {
            // The host sends a running total: add what it grew by. A total below the remembered
            // one has started anew, and all of it is new.
            int increase = value >= lastVolume && lastVolume > 0 ? value - lastVolume : value;
            lastVolume = value;
            if (timeKind != 1 && timeKind != 2)
                AddTo(slot, increase);
        }
        else if (!name.IsEmpty() && FindCodedEntry(name, SERIES_CODES_SIDE) >= 0)
        {
            side = values[i];
            side.Trim();
        }
        else if (!name.IsEmpty() && FindCodedEntry(name, SERIES_CODES_SIZE) >= 0)
        {
            if (side == "+")
            {
                if (series > 0 && m_ppSeries[series - 1])
                    AddTo(m_ppSeries[series - 1][current], value);
            }
            else if (side == "-")
                AddTo(slot, value);
        }
        else
            slot = value;
        names.RemoveAt(i);
        values.RemoveAt(i);
        ++removed;
    }
}

void CDataCell::MakeRoom(int newLength, int offset)
{
    DataCellStorage& storage = *static_cast<DataCellStorage*>(m_pStorage);
    for (int k = 0; k < m_nSeriesCount; ++k)
    {
        if (!m_ppSeries[k])
            continue;
        int* moved = FrontArrayMoveBack(storage[k], m_nLength, newLength, offset, SERIES_NODATA);
        if (moved != m_ppSeries[k])
            SetArray(k, moved);
    }
    m_nLength = newLength;
}

void CDataCell::FillNewBar(int slot)
{
    int previous = slot + 1;
    auto previousOf = [&](int k) { return previous < m_nLength ? m_ppSeries[k][previous] : SERIES_NODATA; };
    for (int k = 0; k < m_nSeriesCount; ++k)
    {
        if (!m_ppSeries[k])
            continue;
        // A series without a name (a derived one) is a plain series.
        CString name = k < m_arNames.GetSize() ? m_arNames[k] : CString();
        char code = 0;
        int entry = -1;
        for (INT_PTR e = 0; e < m_arCodedNames.GetSize() && entry < 0 && k < m_arNames.GetSize(); ++e)
        {
            const CString& coded = m_arCodedNames[e];
            if (coded.GetLength() == name.GetLength() + 1 && coded.Left(name.GetLength()) == name)
            {
                entry = int(e);
                code = coded[name.GetLength()];
            }
        }
        if (entry < 0)
            m_ppSeries[k][slot] = previousOf(k); // plain series carry their value forward
        else if (code == 'V' || code == 'S' || code == 's')
            m_ppSeries[k][slot] = 0;
        else if (code == 'C')
        {
            // The bar opens at the previous close: so do up to three price entries before it.
            int close = previousOf(k);
            m_ppSeries[k][slot] = close;
            for (int e = entry - 1; e >= 0 && e >= entry - 3; --e)
            {
                const CString& coded = m_arCodedNames[e];
                char letter = coded.IsEmpty() ? 0 : coded[coded.GetLength() - 1];
                if (letter == 'C' || letter == 'V')
                    break;
                int other = FindSeriesIndex(coded.Left(coded.GetLength() - 1));
                if (other >= 0 && other < m_nSeriesCount && m_ppSeries[other])
                    m_ppSeries[other][slot] = close;
            }
        }
    }
}

void CDataCell::AddNewBars(int count, int /*position*/)
{
    if (m_nSeriesCount <= 0)
        return;
    int current = GetCurrentIndex();
    int free = m_pTime && m_pTime->m_nFreeBlock > 0 ? m_pTime->m_nFreeBlock : 1;
    int timeLength = m_pTime ? m_pTime->m_nLength : m_nLength;
    bool grow = m_pSettings && m_pSettings->m_nGrow;
    // A store shorter than its time series (the series grew further on than this store saw) is
    // first brought to the time series' length, its values kept at the old end.
    if (m_nLength < timeLength)
        MakeRoom(timeLength, timeLength - m_nLength);
    for (int bar = 0; bar < count; ++bar)
    {
        if (current <= 0)
        {
            // As the time series does: a store no longer than one block grows instead of shifting.
            if (grow || m_nLength <= free)
                MakeRoom(m_nLength + free, free);
            else
                MakeRoom(m_nLength, free);
            current = free;
        }
        int slot = current - 1;
        if (slot >= m_nLength)
            break;
        FillNewBar(slot);
        current = slot;
    }
}
