// CTimeDataCell: slots, copies, view range, lookup rows and the link to its axis drawer.
#include "TimeDataCell.h"

#include <algorithm>

#include "SearchData.h"
#include "SeriesSettings.h"
#include "SeriesValues.h"
#include "TimeAxis.h"
#include "front_array.h"

namespace
{
FrontArray& Storage(void* p)
{
    return *static_cast<FrontArray*>(p);
}
} // namespace

CTimeDataCell::CTimeDataCell()
    : m_pDrawer(nullptr), m_nBarOpen(1), m_nLastRealTime(0), m_nReserved(0), m_pTimes(nullptr), m_nLength(0),
      m_nKind(0), m_nViewEnd(0), m_nViewStart(0), m_nDisplay{0, 0, 0, 0}, m_fBarWidth(0), m_nFirstBar(0),
      m_nBarCount(0), m_nFreeBlock(1), m_nCurrent(0), m_nInterval(60), m_nRefCount(0), m_pSettings(nullptr),
      m_pStorage(new FrontArray)
{
}

CTimeDataCell::~CTimeDataCell()
{
    delete m_pDrawer;
    FrontArrayFree(Storage(m_pStorage));
    delete static_cast<FrontArray*>(m_pStorage);
}

void CTimeDataCell::SetupDrawer(const CSeriesSettings* settings)
{
    m_pSettings = settings;
    delete m_pDrawer;
    m_pDrawer = new CTimeDrawerEx(this, settings);
}

void CTimeDataCell::Assign(const int* values, int length, int current)
{
    m_pTimes = FrontArrayAssign(Storage(m_pStorage), values, length, SERIES_NODATA);
    m_nLength = length;
    m_nCurrent = current;
}

int CTimeDataCell::SetTimes(const int* values, int count, int length, int align)
{
    if (!values || count < 0)
        count = 0;
    if (align == 1 && count <= length)
    {
        Assign(nullptr, length, length - count);
        std::copy(values, values + count, m_pTimes + (length - count));
        return length;
    }
    Assign(values, count, 0);
    return count;
}

int CTimeDataCell::SetTimesRaw(const int* values, int count)
{
    if (!values || count < 0)
        count = 0;
    Assign(values, count, 0);
    return count;
}

void CTimeDataCell::CopyFrom(const CTimeDataCell& other)
{
    if (&other == this)
        return;
    Assign(other.m_pTimes, other.m_pTimes ? other.m_nLength : 0, other.m_nCurrent);
    m_nKind = other.m_nKind;
    m_nInterval = other.m_nInterval;
    m_nViewStart = other.m_nViewStart;
    m_nViewEnd = other.m_nViewEnd;
}

void CTimeDataCell::MatchViewTo(const CTimeDataCell& other)
{
    m_nViewStart = -1;
    m_nViewEnd = -1;
    if (!m_pTimes || m_nCurrent >= m_nLength || !other.m_pTimes)
        return;
    int newest = m_pTimes[m_nCurrent], oldest = m_pTimes[m_nLength - 1];
    for (int i = 0; i < other.m_nLength; ++i)
        if (other.m_pTimes[i] == newest)
        {
            m_nViewStart = i;
            break;
        }
    for (int i = other.m_nLength - 1; i >= 0; --i)
        if (other.m_pTimes[i] == oldest)
        {
            m_nViewEnd = i;
            break;
        }
}

void CTimeDataCell::MakeRoom()
{
    int free = m_nFreeBlock > 0 ? m_nFreeBlock : 1;
    // A series no longer than one block has nothing to drop: it grows as well.
    if ((m_pSettings && m_pSettings->m_nGrow) || m_nLength <= free)
    {
        int length = m_nLength + free;
        m_pTimes = FrontArrayMoveBack(Storage(m_pStorage), m_nLength, length, free, SERIES_NODATA);
        m_nLength = length;
        m_nViewStart = 0;
        m_nViewEnd = length - 1;
    }
    else
        // The oldest times drop out.
        m_pTimes = FrontArrayMoveBack(Storage(m_pStorage), m_nLength, m_nLength, free, SERIES_NODATA);
    m_nCurrent = free;
}

void CTimeDataCell::SetDrawRange(float barWidth, int first, int count)
{
    m_fBarWidth = barWidth;
    m_nFirstBar = first;
    m_nBarCount = count;
}

void CTimeDataCell::ViewAll()
{
    m_nViewStart = 0;
    m_nViewEnd = m_nLength - 1;
}

void CTimeDataCell::Reset()
{
    m_nViewStart = 0;
    m_nViewEnd = 0;
    m_nInterval = 60;
    m_nCurrent = 0;
    m_nFreeBlock = 1;
    FrontArrayFree(Storage(m_pStorage));
    m_pTimes = nullptr;
    m_nLength = 0;
    delete m_pDrawer;
    m_pDrawer = nullptr;
}

namespace
{
CString TimeTitle(int kind, bool english)
{
    if (kind == 3 || kind == 4)
        return english ? "TIME" : "시간";
    return english ? "DATE" : "일자";
}
} // namespace

void CTimeDataCell::AddLookupRow(int index, CObList& list) const
{
    bool english = m_pSettings && m_pSettings->m_nEnglish;
    CSearchData* row = new CSearchData;
    if (m_nKind == 5)
    {
        row->m_strTitle = m_pSettings ? m_pSettings->m_strXName : CString();
        row->m_nScale = m_pSettings ? m_pSettings->m_nXDivisor : 0;
        row->m_nDecimals = m_pSettings ? m_pSettings->m_nXDecimals : 0;
    }
    else
        row->m_strTitle = TimeTitle(m_nKind, english);
    row->m_nValue = m_pTimes && index >= 0 && index < m_nLength ? m_pTimes[index] : SERIES_NODATA;
    row->m_nHighlight = 1;
    row->m_nTimeKind = m_nKind;
    // Entries sharing the time (ticks of one second): how many older ones come before it.
    int sameTime = 0;
    if (row->m_nValue != SERIES_NODATA)
        while (index + 1 + sameTime < m_nLength && m_pTimes[index + 1 + sameTime] == row->m_nValue)
            ++sameTime;
    row->m_nReserved[0] = sameTime;
    list.AddTail(row);
}

void CTimeDataCell::AddExportColumn(CObList& list) const
{
    if (!m_pTimes || m_nLength <= 0)
        return;
    CSearchData* column = new CSearchData;
    column->m_strTitle = TimeTitle(m_nKind == 3 || m_nKind == 4 ? m_nKind : 0, m_pSettings && m_pSettings->m_nEnglish);
    column->m_nTimeKind = m_nKind;
    column->m_nData2 = reinterpret_cast<INT_PTR>(m_pTimes);
    column->m_nData3 = m_nLength;
    list.AddTail(column);
}

void CTimeDataCell::Draw(CDC* target, const CRect& rect, CDC* memoryDC, CFont* font, CArray<int, int>& gridX)
{
    if (m_pDrawer)
        m_pDrawer->Draw(target, rect, memoryDC, font, gridX);
}
