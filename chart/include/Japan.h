// CJapan: the candle drawer of a chart object, with its bid/ask range bars and price-band overlay.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include <vector>

#include "CtlColor.h"
#include "GraphKitApi.h"

class CColumnPainter;
class CDrawObject;
class DJAPANPROP;

class GRAPHKIT_API CJapan
{
public:
    CJapan();
    virtual ~CJapan();

    void Draw(CRect rect, CDC* pDC, BOOL inverted);
    void DrawSelection(CRect rect, CDC* pDC);
    int HitTest(CRect rect, int x, int y, BOOL inverted);
    void SetProperty(const DJAPANPROP& record);
    void SetStyle(int fallingFill, int risingFill, COLORREF fallingColour, COLORREF risingColour, int priceBands);
    void CreateTools();
    void UpdateTools();
    void DeleteTools();
    void SetOwner(CDrawObject* owner) { m_pOwner = owner; }
    CDrawObject* GetOwner() const { return m_pOwner; }

    int m_nFallFill;
    int m_nRiseFill;
    CCtlColor m_clrFall;
    CCtlColor m_clrRise;
    CPen* m_pRisePen;
    CPen* m_pFallPen;
    CPen* m_pCurrentPen;
    CBrush* m_pFallBrush;
    CBrush* m_pRiseBrush;
    int m_nPriceBand;
    CStringArray m_arTexts1, m_arTexts2, m_arTexts3;
    int m_nBidAskMode;
    int m_nSwap;
    CDrawObject* m_pOwner;

private:
    // columns, when given, takes the candle's shapes instead of the device context.
    void DrawCandle(CDC* pDC, CColumnPainter* columns, int index, int xLeft, int xRight, int yOpen, int yHigh,
                    int yLow, int yClose, BOOL inverted);
    void CandleLine(CDC* pDC, CColumnPainter* columns, int x1, int y1, int x2, int y2);
    void DrawRangeBar(CDC* pDC, int index, int xLeft, int xRight, int y0, int y1);
    // Sets the current pen for the candle at index, drawn after the one at known (with
    // knownPen when that decided a doji's lean).
    void ChoosePen(int index, int length, int& known, CPen*& knownPen);
    void DrawCrowded(CRect rect, CDC* pDC, BOOL inverted, int width);
    void DrawPriceBands(CRect rect, CDC* pDC);
    void FillOrFrame(CDC* pDC, CRect body, CBrush* brush, int fill, CColumnPainter* columns = nullptr);

    // Whether each shown candle of a crowded paint takes the rising pen; kept from paint to
    // paint.
    std::vector<unsigned char> m_rising;

    CJapan(const CJapan&) = delete;
    CJapan& operator=(const CJapan&) = delete;
};
