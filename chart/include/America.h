// CAmerica: the high-low-close drawer of a chart object.
#pragma once

#include <afxwin.h>

#include "CtlColor.h"
#include "GraphKitApi.h"

class CDrawObject;
class DAMERICAPROP;

class GRAPHKIT_API CAmerica
{
public:
    CAmerica() : m_clrBar(CCtlColor::Rgb(0)), m_pOwner(nullptr) {}
    virtual ~CAmerica() {}

    void Draw(CRect rect, CDC* pDC, BOOL inverted);
    void DrawSelection(CRect rect, CDC* pDC);
    int HitTest(CRect rect, int x, int y, BOOL inverted);
    void SetProperty(const DAMERICAPROP& record);
    void SetOwner(CDrawObject* owner) { m_pOwner = owner; }
    CDrawObject* GetOwner() const { return m_pOwner; }

    CCtlColor m_clrBar;
    CDrawObject* m_pOwner;
};
