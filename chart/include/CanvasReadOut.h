// The crosshair read-out text: one entry per data item under the pointer (the time first, then
// every series value with its change against the value before), in the table form the chart
// tooltip splits.
#pragma once

#include <afxtempl.h>

#include "GraphKitApi.h"
#include "SearchData.h"

// One item of the read-out.
struct GRAPHKIT_API ReadOutItem
{
    CString label;
    int value = 0;
    int previous = 99999999; // the value before; 99999999 when there is none
    int decimals = 0;
    int divisor = 0;
    CString unit;
    BOOL isTime = FALSE;     // the time item, which comes first
    int subCount = 0;        // the time item's count of entries within the same time
};

// The change text of a value against the one before, nine characters wide: "(+0.00%) " when the
// previous value is not computed or empty, nine blanks when there is none or it is 0 (no rate
// can be stated against 0), else "(+1.50%) " / "(-1.50%) " padded with a blank to nine.
GRAPHKIT_API CString FormatChangeRate(int value, int previous);

// The value text of the time item by the time kind; 888888 and 999999 in the time part mark the
// market close. label receives the item's label (changed for intraday kinds).
GRAPHKIT_API CString FormatReadOutTime(const ReadOutItem& item, int timeKind, BOOL english, CString& label);

// The whole read-out: per item label, 0x14 0x14, value text, the change text when fluctuation
// is on and the time kind is 0, 1 or 2, then 0x15 0x15 0x16 0x16.
GRAPHKIT_API CString BuildReadOutText(const CArray<ReadOutItem, const ReadOutItem&>& items, int timeKind,
                                      BOOL english, BOOL fluctuation);

// A read-out item from a lookup row of the time series or of a series.
GRAPHKIT_API ReadOutItem ReadOutItemFromRow(const CSearchData& row, BOOL isTime);
