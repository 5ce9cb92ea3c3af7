// The part of a chart's settings that its series, time series and axes read.
#pragma once

#include <afx.h>

class CTimeDataCell;

// The canvas owns one and keeps it current; stores, time series and axis drawers only read it.
struct CSeriesSettings
{
    // Real-time prices are held (not applied) while set.
    int m_nFreeze = 0;
    // Bars open by the time series' bar-opening field instead of the caller's word, and interval
    // bars start on the boundary itself.
    int m_nBarBoundary = 0;
    // Full series grow by a free block instead of dropping their oldest values.
    int m_nGrow = 0;
    // The chart's main time series.
    CTimeDataCell* m_pMainTime = nullptr;

    // Texts in English instead of Korean.
    int m_nEnglish = 0;
    // Numeric x values (time kind 5): their title, divisor and decimals.
    CString m_strXName;
    int m_nXDivisor = 0;
    int m_nXDecimals = 0;

    // Chart font description and the colours of the time axis.
    CString m_strFont = "MS Shell Dlg 2,-12,400,0,0,0";
    COLORREF m_crTimeBack = RGB(255, 255, 255);
    COLORREF m_crTimeText = RGB(0, 0, 0);
    COLORREF m_crFrame = RGB(0x80, 0x80, 0x82);
    COLORREF m_crOuterBack = RGB(0xDD, 0xDF, 0xEF);
};
