// CBar and CBar2: the vertical bar drawers of a chart object (volume bars and grouped bars).
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "CtlColor.h"
#include "GraphKitApi.h"

class CDrawObject;
class DBARPROP;
class DBARPROP2;

class GRAPHKIT_API CBar
{
public:
    CBar();
    virtual ~CBar() {}

    void Draw(CRect rect, CDC* pDC, BOOL inverted);
    void DrawSelection(CRect rect, CDC* pDC);
    int HitTest(CRect rect, int x, int y, BOOL inverted);
    void SetProperty(const DBARPROP& record);
    void SetOwner(CDrawObject* owner) { m_pOwner = owner; }
    CDrawObject* GetOwner() const { return m_pOwner; }

    CCtlColor m_clrFill;
    int m_n3D;
    // 0 one colour; 1 coloured against the reference value; 2 two series up and down from zero.
    int m_nMode;
    int m_nRefValue;
    CCtlColor m_clrBarUp;
    CCtlColor m_clrBarDown;
    int m_nCenter;
    // Stacked bars: S0 + S1 with S1 over it.
    int m_nStack;
    CString m_strStackName1;
    CString m_strStackName2;
    CDrawObject* m_pOwner;
};

class GRAPHKIT_API CBar2
{
public:
    CBar2();
    virtual ~CBar2() {}

    void Draw(CRect rect, CDC* pDC, BOOL inverted);
    void SetProperty(const DBARPROP2& record);
    void SetOwner(CDrawObject* owner) { m_pOwner = owner; }
    CDrawObject* GetOwner() const { return m_pOwner; }

    int m_nSeries;
    CCtlColor m_clrSeries[4];
    int m_n3DSeries[4];
    CString m_strSeriesNames[4];
    int m_nAltForm;
    int m_nBaseLineOn;
    int m_nBaseValue;
    CCtlColor m_clrBaseUp;
    CCtlColor m_clrBaseDown;
    int m_nValueText;
    // Groups sized by the y scale instead of the x step.
    int m_nSizeByY;
    // The chart's category labels of the horizontal form, one per data index; not owned.
    CStringArray* m_pLabels;
    CDrawObject* m_pOwner;

private:
    void DrawVertical(CRect rect, CDC* pDC);
    void DrawAlternative(CRect rect, CDC* pDC);
    void DrawHorizontal(CRect rect, CDC* pDC);
};
