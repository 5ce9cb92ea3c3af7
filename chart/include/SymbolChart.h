// CSymbol: the symbol drawer of a chart object: a point shape at every value.
#pragma once

#include <afxwin.h>

#include "GraphKitApi.h"

class CDrawObject;

class GRAPHKIT_API CSymbol
{
public:
    CSymbol() : m_pOwner(nullptr), m_clrSymbol(RGB(255, 0, 0)), m_nStyle(0) {}
    virtual ~CSymbol() {}

    int Draw(CRect rect, CDC* pDC);
    void DrawSelection(CRect, CDC*) {}
    int HitTest(CRect, int, int, BOOL) { return 0; }
    void SetOwner(CDrawObject* owner) { m_pOwner = owner; }
    CDrawObject* GetOwner() const { return m_pOwner; }

    CDrawObject* m_pOwner;
    COLORREF m_clrSymbol;
    // The point shape drawn is style + 1.
    int m_nStyle;
};
