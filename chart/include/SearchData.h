// CSearchData: one row of the value lookup window and of the spreadsheet export.
#pragma once

#include <afx.h>

#include "GraphKitApi.h"

class GRAPHKIT_API CSearchData : public CObject
{
public:
    CString m_strTitle;
    // 99999999, 0x7FFFFFFF and 0x80000000 mean no value.
    int m_nValue = 0;
    int m_nScale = 0;
    int m_nDecimals = 0;
    // Nonzero draws the row in the row colour.
    int m_nHighlight = 0;
    // A series row: the value before, the unit colour, the precision; the time row: the count
    // of older entries at the same time.
    int m_nReserved[3] = {0, 0, 0};
    CString m_strText;
    int m_nTimeKind = 0;
    // An export column keeps the address of its values and their count in the last two.
    INT_PTR m_nData1 = -1;
    INT_PTR m_nData2 = -1;
    INT_PTR m_nData3 = 0;
};
