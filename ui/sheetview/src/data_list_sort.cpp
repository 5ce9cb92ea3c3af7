// The record-bound list's sort by one described field: texts ascending and numbers descending
// for a nonzero direction, the reverse for zero. One sort at a time (process-wide key).
#include "GridDataList.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// The key of the running sort.
struct SortKey
{
    int offset;
    int length;
    DATA_TYPE type;
    int direction;
};
SortKey g_sortKey;

int CompareRecords(const void* left, const void* right)
{
    const BYTE* a = *(BYTE* const*)left + g_sortKey.offset;
    const BYTE* b = *(BYTE* const*)right + g_sortKey.offset;
    const size_t n = (size_t)g_sortKey.length;
    int result;
    switch (g_sortKey.type) {
    case DT_TEXT:
    case DT_FLAG:
        result = strncmp((const char*)a, (const char*)b, n);
        break;
    case DT_INT: {
        int x = 0, y = 0;
        memcpy(&x, a, std::min(n, sizeof x));
        memcpy(&y, b, std::min(n, sizeof y));
        result = x < y ? 1 : x == y ? 0 : -1;
        break;
    }
    case DT_DOUBLE: {
        double x = 0, y = 0;
        memcpy(&x, a, std::min(n, sizeof x));
        memcpy(&y, b, std::min(n, sizeof y));
        result = x > y ? -1 : y > x ? 1 : 0;
        break;
    }
    default:
        result = memcmp(a, b, n);
        break;
    }
    return g_sortKey.direction ? result : -result;
}

} // namespace

void CGridDataList::Sort(int descriptionIndex, int direction)
{
    if (descriptionIndex < 0 || descriptionIndex >= (int)m_descriptions.size() || m_records.size() < 2)
        return;
    const tagGridDataInfo& d = m_descriptions[descriptionIndex];
    if (d.nOffset >= m_nRecordSize)
        return;
    g_sortKey.offset = d.nOffset;
    g_sortKey.length = std::min<int>(d.nLength, m_nRecordSize - d.nOffset); // never past the record
    g_sortKey.type = d.nType;
    g_sortKey.direction = direction;
    qsort(m_records.data(), m_records.size(), sizeof(BYTE*), CompareRecords);
    RefreshVisible();
    RepaintBody(TRUE);
}
