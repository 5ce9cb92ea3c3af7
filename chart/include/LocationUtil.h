// CLocationUtil: conversion between pixels of one rectangle and chart data (slots and values).
#pragma once

#include <afxwin.h>

#include "GraphKitApi.h"

// Results are ints truncated toward zero; 99999999 means "no value": outside the shown window
// or scale, or a conversion that the given scale cannot make.
class GRAPHKIT_API CLocationUtil
{
public:
    enum
    {
        NoValue = 99999999
    };

    explicit CLocationUtil(const RECT& rect) : m_rect(rect) {}
    virtual ~CLocationUtil() {}

    // The slot under x with pixelsPerSlot pixels a slot, counted from first.
    int SlotFromX(int x, int first, float pixelsPerSlot) const;
    // The middle of slot i, when it lies in first to last.
    int XFromSlot(int i, int first, int last, float pixelsPerSlot) const;
    // The row of value v, when it lies in minimum to maximum.
    int YFromValue(int v, int maximum, int minimum, float pixelsPerUnit) const;
    // The value at row y, measured from the bottom (from the top when reversed).
    int ValueFromY(int y, int maximum, int minimum, float pixelsPerUnit, BOOL logarithmic, BOOL reversed) const;

    const CRect& GetRect() const { return m_rect; }

private:
    CRect m_rect;
};
