// CTrend: the user-drawn lines of a region kept in data terms (slots and values), and the
// coordinate frame that the region's overrides give them; CTrendInfo is one line.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "GraphKitApi.h"

class CProperties;

// Trend-line kinds.
enum
{
    TRENDKIND_SEGMENT = 0,
    TRENDKIND_SEGMENT2 = 1,
    TRENDKIND_HORIZONTAL = 2,
    TRENDKIND_VERTICAL = 3,
};

class GRAPHKIT_API CTrendAttribute : public CObject
{
public:
    CTrendAttribute() : m_crPen(255), m_nPenWidth(1), m_nPenStyle(PS_SOLID), m_nReserved{} {}

    COLORREF m_crPen;
    int m_nPenWidth;
    int m_nPenStyle;
    int m_nReserved[8];
};

class GRAPHKIT_API CTrendInfo : public CObject
{
public:
    CTrendInfo() : m_nKind(1), m_nSlot1(0), m_nSlot2(0), m_nValue1(0), m_nValue2(0) {}

    int m_nKind;
    int m_nSlot1;
    int m_nSlot2;
    int m_nValue1;
    int m_nValue2;
    CTrendAttribute m_Attribute;
};

class GRAPHKIT_API CTrend
{
public:
    explicit CTrend(CProperties* properties = nullptr);
    virtual ~CTrend();

    // The frame the region gives: where points are picked, where lines are drawn, hit tests
    // and the region itself; the base answers (0, 0, 1, 1) and an empty scale.
    virtual CRect GetTrendRect();
    virtual CRect GetDrawRect();
    virtual CRect GetHitRect();
    virtual CRect GetRegionRect();
    virtual float GetPixelsPerUnit();
    virtual int GetRightMax();
    virtual int GetRightMin();
    virtual int GetLeftMax();
    virtual int GetLeftMin();
    virtual void GetLeftScale(float& factor, int& divisor, int& decimals);
    virtual int IsLogScale();
    virtual void GetRightScale(float& factor, int& divisor, int& decimals);
    virtual int IsReversedScale();
    virtual CProperties* GetProperties();

    // Adds the line between two pixel points in data terms; area picks the slots over the
    // trend area instead of GetTrendRect.
    void AddTrend(CPoint p1, CPoint p2, int kind, int first, int last, float pixelsPerSlot, BOOL area,
                  COLORREF colour, int width, int style);
    // Draws every line in the shown window; 0 when there are none.
    int DrawTrends(CDC* pDC, int first, int last, float pixelsPerSlot);
    // One line in pixels with the inverting pen, so a second call erases it; info null draws
    // with the default pen. 0 for an unknown kind.
    int DrawLine(CDC* pDC, CPoint p1, CPoint p2, int kind, const CTrendInfo* info);
    void RemoveAllTrends();
    void SetTrendArea(const RECT& rect) { m_rcTrendArea = rect; }
    const CRect& GetTrendArea() const { return m_rcTrendArea; }

    int PickSlot(int x, int first, int last, float pixelsPerSlot, BOOL area);
    int PickValue(int y);
    int PickLeftValue(int y);

    int GetTrendCount() const { return m_nTrendCount; }
    const CObList& GetTrendList() const { return *m_pTrendList; }

    COLORREF m_crDefaultPen;
    int m_nDefaultPenStyle;
    int m_nDefaultPenWidth;

protected:
    int m_nTrendCount;
    CObList* m_pTrendList;
    CRect m_rcTrendArea;
    CProperties* m_pTrendProperties;

private:
    CTrend(const CTrend&) = delete;
    CTrend& operator=(const CTrend&) = delete;
};
