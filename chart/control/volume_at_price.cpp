// The volume-at-price chart's levels from the host, and the drawer kept on the chart's settings.
#include "CtlChart.h"

#include <vector>

namespace
{
// More price levels than any screen has rows: a count beyond it is not a count of levels.
const long kMaxLevels = 1000000;

static_assert(sizeof(long) == sizeof(int), "levels arrive as 32-bit values");

std::vector<int> Copied(const long* values, long count)
{
    return values ? std::vector<int>(values, values + count) : std::vector<int>();
}
} // namespace

int CCtlChart::SetVolumeAtPrice(long nCount, const long* pPrices, const long* pFirst, const long* pLast,
                                const long* pMiddle, const long* pPercents)
{
    if (nCount < 0 || nCount > kMaxLevels || (nCount > 0 && (!pPrices || !pFirst || !pLast)))
        return -1;
    const std::vector<int> prices = Copied(pPrices, nCount), first = Copied(pFirst, nCount),
                           last = Copied(pLast, nCount), middle = Copied(pMiddle, nCount),
                           percents = Copied(pPercents, nCount);
    CMeamul& drawer = GetVolumeDrawer();
    drawer.SetChart(&GetProperties());
    const int levels = drawer.SetLevels(int(nCount), prices.data(), first.data(), last.data(),
                                        pMiddle ? middle.data() : nullptr, pPercents ? percents.data() : nullptr);
    // The layout that draws the levels shows them from now on.
    if (GetProperties().GetTimeKind() == -1)
        SetDataReady(TRUE);
    InvalidateControl();
    return levels;
}
