// Joining another time series into this one.
#include "TimeDataCell.h"

#include <vector>

namespace
{
int Find(const int* times, int count, int time)
{
    for (int i = 0; i < count; ++i)
        if (times[i] == time)
            return i;
    return -1;
}
} // namespace

// Both series are compared by their used slots (from the current index to the oldest); the joined
// series keeps this one's free slots in front.
int CTimeDataCell::MergeFrom(const CTimeDataCell& other)
{
    const int* b = other.m_pTimes ? other.m_pTimes + other.m_nCurrent : nullptr;
    int nb = other.m_pTimes ? other.m_nLength - other.m_nCurrent : 0;
    const int* a = m_pTimes ? m_pTimes + m_nCurrent : nullptr;
    int na = m_pTimes ? m_nLength - m_nCurrent : 0;
    if (nb <= 0)
        return TIME_MERGE_COVERED;
    if (na <= 0)
    {
        // The first load: this series takes the other's times.
        Assign(other.m_pTimes, other.m_nLength, other.m_nCurrent);
        ViewAll();
        return TIME_MERGE_COPIED;
    }
    if (a[0] == b[0] && na == nb)
        return TIME_MERGE_SAME;
    int aOld = a[na - 1], bOld = b[nb - 1];
    if (a[0] >= b[0] && aOld <= bOld)
        return TIME_MERGE_COVERED;

    // The joined used slots: newer part first, older part after.
    const int* newer;
    int newerCount;
    const int* older;
    int olderCount;
    if (b[0] >= a[0])
    {
        if (aOld >= bOld)
        {
            Assign(other.m_pTimes, other.m_nLength, other.m_nCurrent);
            ViewAll();
            return TIME_MERGE_COPIED;
        }
        int j = bOld > a[0] ? nb : Find(b, nb, a[0]);
        if (j < 0)
            return TIME_MERGE_NO_MATCH;
        newer = b, newerCount = j, older = a, olderCount = na;
    }
    else
    {
        int j = b[0] < aOld ? na : Find(a, na, b[0]);
        if (j < 0)
            return TIME_MERGE_NO_MATCH;
        newer = a, newerCount = j, older = b, olderCount = nb;
    }
    int free = m_nCurrent;
    std::vector<int> joined(size_t(free) + newerCount + olderCount);
    std::copy(m_pTimes, m_pTimes + free, joined.begin());
    std::copy(newer, newer + newerCount, joined.begin() + free);
    std::copy(older, older + olderCount, joined.begin() + free + newerCount);
    Assign(joined.data(), int(joined.size()), free);
    ViewAll();
    return TIME_MERGE_JOINED;
}
