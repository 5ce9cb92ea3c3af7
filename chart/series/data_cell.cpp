// CDataCell: series table, names and codes, extremes, drawer bindings and derived series.
#include "DataCell.h"

#include <algorithm>
#include <cstring>

#include "Calculater.h"
#include "SeriesSettings.h"
#include "SeriesValues.h"
#include "TimeDataCell.h"
#include "data_cell_storage.h"

IMPLEMENT_DYNAMIC(CDataCell, CObject)

namespace
{
DataCellStorage& Storage(void* p)
{
    return *static_cast<DataCellStorage*>(p);
}
} // namespace

CDataCell::CDataCell()
    : m_nBase(0), m_nPeriod(0), m_ppSeries(nullptr), m_pMin(nullptr), m_pMax(nullptr), m_pSettings(nullptr),
      m_pSource(nullptr), m_nSourceKey(0), m_pTime(nullptr), m_nReserved(0), m_nKind(DATACELL_PLAIN),
      m_nInherited(0), m_nRefCount(0), m_nSeriesCount(0), m_nLength(0), m_nSpare(0), m_nSkipValue(SERIES_NODATA),
      m_nSkipSwitch(1), m_nViewExtra(0), m_pStorage(new DataCellStorage)
{
}

CDataCell::~CDataCell()
{
    FreeSeries();
    delete static_cast<DataCellStorage*>(m_pStorage);
    for (INT_PTR i = 0; i < m_arBindings.GetSize(); ++i)
        delete m_arBindings[i];
    m_arBindings.RemoveAll();
}

void CDataCell::FreeSeries()
{
    for (FrontArray& a : Storage(m_pStorage))
        FrontArrayFree(a);
    Storage(m_pStorage).clear();
    delete[] m_ppSeries;
    delete[] m_pMin;
    delete[] m_pMax;
    m_ppSeries = nullptr;
    m_pMin = m_pMax = nullptr;
    m_nSeriesCount = 0;
}

void CDataCell::AllocSeriesTable(int count)
{
    FreeSeries();
    if (count < 0)
        count = 0;
    m_ppSeries = new int*[count > 0 ? count : 1]();
    m_pMin = new int[count > 0 ? count : 1]();
    m_pMax = new int[count > 0 ? count : 1]();
    Storage(m_pStorage).resize(count);
    m_nSeriesCount = count;
}

void CDataCell::SetArray(int index, int* data)
{
    m_ppSeries[index] = data;
    RepointBindings(index);
}

int CDataCell::SetSeriesData(const int* values, int count, int index, int length, int align)
{
    if (index < 0 || index >= m_nSeriesCount)
        return 0;
    if (!values || count < 0)
        count = 0;
    FrontArray& a = Storage(m_pStorage)[index];
    if (align == 1 && count <= length)
    {
        int* data = FrontArrayAssign(a, nullptr, length, SERIES_NODATA);
        std::copy(values, values + count, data + (length - count));
        SetArray(index, data);
        return length;
    }
    SetArray(index, FrontArrayAssign(a, values, count, SERIES_NODATA));
    return count;
}

int CDataCell::SetSeriesDataRaw(const int* values, int count, int index)
{
    if (index < 0 || index >= m_nSeriesCount)
        return 0;
    if (!values || count < 0)
        count = 0;
    SetArray(index, FrontArrayAssign(Storage(m_pStorage)[index], values, count, SERIES_NODATA));
    return count;
}

void CDataCell::RegisterSeriesCode(LPCSTR dataName, LPCSTR code)
{
    CString entry(dataName ? dataName : "");
    entry += code ? code : "";
    for (INT_PTR i = 0; i < m_arCodedNames.GetSize(); ++i)
        if (m_arCodedNames[i] == entry)
            return;
    m_arCodedNames.Add(entry);
}

int CDataCell::FindSeriesIndex(LPCSTR dataName) const
{
    for (INT_PTR i = 0; i < m_arNames.GetSize(); ++i)
        if (m_arNames[i] == (dataName ? dataName : ""))
            return int(i);
    return -1;
}

int CDataCell::FindCodedEntry(LPCSTR dataName, LPCSTR codes, char* code) const
{
    int nameLength = dataName ? int(strlen(dataName)) : 0;
    for (INT_PTR i = 0; i < m_arCodedNames.GetSize(); ++i)
    {
        const CString& entry = m_arCodedNames[i];
        if (entry.GetLength() != nameLength + 1 || strncmp(entry, dataName ? dataName : "", nameLength) != 0)
            continue;
        char letter = entry[nameLength];
        if (codes && strchr(codes, letter))
        {
            if (code)
                *code = letter;
            return int(i);
        }
    }
    return -1;
}

void CDataCell::ComputeMinMax(int count)
{
    CCalculater calc;
    for (int k = 0; k < m_nSeriesCount; ++k)
    {
        if (!m_ppSeries[k])
            continue;
        int n = std::min(count, m_nLength);
        m_pMax[k] = calc.MaxOf(m_ppSeries[k], n, m_nSkipSwitch, m_nSkipValue);
        m_pMin[k] = calc.MinOf(m_ppSeries[k], n, m_nSkipSwitch, m_nSkipValue);
    }
}

int CDataCell::GetCurrentIndex() const
{
    return m_pTime ? m_pTime->m_nCurrent : 0;
}

int CDataCell::GetBarOpen() const
{
    return m_pSettings && m_pSettings->m_pMainTime ? m_pSettings->m_pMainTime->m_nBarOpen : 1;
}

int CDataCell::GetFirstUsedIndex() const
{
    return m_pTime ? m_pTime->m_nCurrent : 0;
}

int CDataCell::MaxOf(const int* values, int count, int skipSwitch, int skipValue) const
{
    return CCalculater().MaxOf(values, count, skipSwitch, skipValue);
}

int CDataCell::MinOf(const int* values, int count, int skipSwitch, int skipValue) const
{
    return CCalculater().MinOf(values, count, skipSwitch, skipValue);
}

int* CDataCell::BindSeries(int index, int** holder)
{
    if (!holder || index < 0 || index >= m_nSeriesCount)
        return nullptr;
    m_arBindings.Add(new CSeriesBinding(index, holder));
    *holder = m_ppSeries[index];
    return *holder;
}

void CDataCell::UnbindSeries(int** holder)
{
    for (INT_PTR i = m_arBindings.GetSize() - 1; i >= 0; --i)
    {
        CSeriesBinding* binding = static_cast<CSeriesBinding*>(m_arBindings[i]);
        if (binding->m_ppHolder == holder)
        {
            delete binding;
            m_arBindings.RemoveAt(i);
        }
    }
}

void CDataCell::RepointBindings(int index)
{
    for (INT_PTR i = 0; i < m_arBindings.GetSize(); ++i)
    {
        CSeriesBinding* binding = static_cast<CSeriesBinding*>(m_arBindings[i]);
        if (binding->m_nIndex == index)
            *binding->m_ppHolder = m_ppSeries[index];
    }
}

int CDataCell::BuildMovingAverage(int key, CDataCell* sourceStore, LPCSTR sourceName)
{
    bool rebuild = key == -1 && !sourceStore;
    CString name = rebuild ? m_strSourceName : CString(sourceName ? sourceName : "");
    CDataCell* source = rebuild ? m_pSource : sourceStore;
    if (!source)
        return 0;
    int index = source->FindSeriesIndex(name);
    if (index < 0 || !source->m_ppSeries[index])
        return 0;
    // A rebuild follows the source's present length (it may have grown since).
    if (!rebuild || m_nSeriesCount != 1 || m_nLength != source->m_nLength)
    {
        AllocSeriesTable(1);
        SetArray(0, FrontArrayAssign(Storage(m_pStorage)[0], nullptr, source->m_nLength, SERIES_NOTCOMPUTED));
        m_nLength = source->m_nLength;
    }
    std::fill(m_ppSeries[0], m_ppSeries[0] + m_nLength, SERIES_NOTCOMPUTED);
    CCalculater().MovingAverage(source->m_ppSeries[index], source->m_nLength, m_ppSeries[0], m_nPeriod,
                                source->GetFirstUsedIndex());
    if (!rebuild)
    {
        m_pTime = source->m_pTime;
        m_pSettings = source->m_pSettings;
        m_nInherited = source->m_nInherited;
        m_strSourceName = name;
        m_nSourceKey = key;
        m_pSource = source;
        m_nSkipSwitch = 1;
        m_nSkipValue = SERIES_NOTCOMPUTED;
        m_nSeriesCount = 1;
        m_nKind = DATACELL_MOVING_AVERAGE;
    }
    return 1;
}

void CDataCell::UpdateDerived(CDataCell* sourceStore, int newCount)
{
    if ((m_nKind != DATACELL_MOVING_AVERAGE && m_nKind != DATACELL_RATE) || !sourceStore || m_nSeriesCount < 1 ||
        !m_ppSeries[0])
        return;
    int index = sourceStore->FindSeriesIndex(m_strSourceName);
    if (index < 0 || !sourceStore->m_ppSeries[index])
        return;
    const int* source = sourceStore->m_ppSeries[index];
    int length = std::min(m_nLength, sourceStore->m_nLength);
    int current = GetCurrentIndex();
    int top = newCount > 0 ? current + newCount - 1 : current;
    CCalculater calc;
    for (int pos = top; pos >= current; --pos)
    {
        if (pos < 0 || pos + m_nPeriod >= length)
            continue;
        if (m_nKind == DATACELL_MOVING_AVERAGE)
            calc.MovingAverageAt(source, length, pos, m_ppSeries[0], m_nPeriod);
        else
            calc.RateAt(source, length, pos, m_ppSeries[0], sourceStore->m_nBase);
    }
    if (current >= 0 && current < m_nLength)
    {
        int v = m_ppSeries[0][current];
        if (!IsReservedSeriesValue(v))
        {
            if (v < m_pMin[0])
                m_pMin[0] = v;
            if (v > m_pMax[0])
                m_pMax[0] = v;
        }
    }
}
