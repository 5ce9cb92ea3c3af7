// CJapan: candles, bid/ask range bars, their selection squares and the hit test.
#include <algorithm>

#include "DrawObject.h"
#include "KindRecords.h"
#include "column_painter.h"
#include "draw_geometry.h"

CJapan::CJapan()
    : m_nFallFill(1), m_nRiseFill(1), m_clrFall(CCtlColor::Rgb(0xFF0000)), m_clrRise(CCtlColor::Rgb(0x0000FF)),
      m_pRisePen(nullptr), m_pFallPen(nullptr), m_pCurrentPen(nullptr), m_pFallBrush(nullptr), m_pRiseBrush(nullptr),
      m_nPriceBand(0), m_nBidAskMode(0), m_nSwap(0), m_pOwner(nullptr)
{
    CreateTools();
}

CJapan::~CJapan()
{
    DeleteTools();
}

void CJapan::CreateTools()
{
    m_pRisePen = new CPen(PS_SOLID, 1, m_clrRise.GetColor());
    m_pFallPen = new CPen(PS_SOLID, 1, m_clrFall.GetColor());
    m_pFallBrush = new CBrush(m_clrFall.GetColor());
    m_pRiseBrush = new CBrush(m_clrRise.GetColor());
    m_pCurrentPen = m_pFallPen;
}

void CJapan::UpdateTools()
{
    bool rising = m_pCurrentPen == m_pRisePen;
    DeleteTools();
    CreateTools();
    m_pCurrentPen = rising ? m_pRisePen : m_pFallPen;
}

void CJapan::DeleteTools()
{
    delete m_pRisePen;
    delete m_pFallPen;
    delete m_pFallBrush;
    delete m_pRiseBrush;
    m_pRisePen = m_pFallPen = m_pCurrentPen = nullptr;
    m_pFallBrush = m_pRiseBrush = nullptr;
}

void CJapan::SetProperty(const DJAPANPROP& record)
{
    m_nFallFill = record.FallFill;
    m_nRiseFill = record.RiseFill;
    m_clrFall = record.FallColor;
    m_clrRise = record.RiseColor;
    m_nPriceBand = record.PriceBand;
    m_nBidAskMode = record.BidAskMode;
    m_nSwap = record.BidAskSwap;
    UpdateTools();
}

void CJapan::SetStyle(int fallingFill, int risingFill, COLORREF fallingColour, COLORREF risingColour, int priceBands)
{
    m_nFallFill = fallingFill;
    m_nRiseFill = risingFill;
    m_clrFall = CCtlColor::Rgb(fallingColour);
    m_clrRise = CCtlColor::Rgb(risingColour);
    m_nPriceBand = priceBands;
    UpdateTools();
}

void CJapan::FillOrFrame(CDC* pDC, CRect body, CBrush* brush, int fill, CColumnPainter* columns)
{
    if (body.top == body.bottom)
        body.bottom = body.top + 1;
    body.NormalizeRect();
    // Bodies given to the column painter are one or two pixels wide, where a frame covers what
    // a fill does.
    if (columns)
        columns->Fill(body, brush == m_pFallBrush ? m_clrFall.GetColor() : m_clrRise.GetColor());
    else if (fill)
        pDC->FillRect(&body, brush);
    else
        pDC->FrameRect(&body, brush);
}

// How the bars from index on lean, for a doji's colour: the rising or the falling pen, or null
// when nothing older decides. known/knownPen carry the answer for index + 1 from the candle
// drawn just before, so a run of dojis is decided without walking it again.
static CPen* Lean(const int* open, const int* close, int index, int length, int known, CPen* knownPen, CPen* rise,
                  CPen* fall)
{
    for (int k = index; k < length; ++k)
    {
        if (open[k] > close[k])
            return fall;
        if (open[k] < close[k])
            return rise;
        if (k + 1 >= length)
            return nullptr;
        if (close[k] > close[k + 1])
            return rise;
        if (close[k] < close[k + 1])
            return fall;
        if (k + 1 == known)
            return knownPen;
    }
    return nullptr;
}

void CJapan::ChoosePen(int index, int length, int& known, CPen*& knownPen)
{
    const int* s0 = m_pOwner->GetS0();
    const int* s3 = m_pOwner->GetS3();
    if (s0[index] == s3[index])
    {
        CPen* pen = index + 1 >= length ? m_pFallPen
                                        : Lean(s0, s3, index, length, known, knownPen, m_pRisePen, m_pFallPen);
        if (pen)
            m_pCurrentPen = pen;
        known = index;
        // The oldest bar's own colour decides nothing for the bars after it.
        knownPen = index + 1 >= length ? nullptr : pen;
    }
    else
    {
        m_pCurrentPen = s0[index] > s3[index] ? m_pFallPen : m_pRisePen;
        known = index;
        knownPen = m_pCurrentPen;
    }
}

void CJapan::Draw(CRect rect, CDC* pDC, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    int length = obj ? obj->GetSeriesLength() : 0;
    if (length <= 0)
        return;
    const int* s0 = obj->GetS0();
    const int* s1 = obj->GetS1();
    const int* s2 = obj->GetS2();
    const int* s3 = obj->GetS3();
    if (!s0 || !s1 || (!m_nBidAskMode && (!s2 || !s3)))
        return;
    if (!m_nBidAskMode && m_nPriceBand)
        DrawPriceBands(rect, pDC);
    float w = obj->GetXStep(), k = obj->GetYScale();
    int m = obj->GetMinimum();
    int first = obj->GetFirstVisible(), visible = obj->GetVisibleCount();
    const CDrawObject::PositionIndex positions = obj->Positions();
    // Every candle takes the width of the first shown one's slot.
    int width = -1;
    for (int i = first; i < first + visible && width < 0; ++i)
        if (positions.At(i) >= 0)
            width = SlotX(i - first + 1, w, rect.left) - SlotX(i - first, w, rect.left);
    CGdiObject* saved = pDC->SelectStockObject(BLACK_PEN);
    if (width >= 0 && width <= 2 && !m_nBidAskMode && pDC->GetROP2() == R2_COPYPEN)
        DrawCrowded(rect, pDC, inverted, width);
    else
    {
        int known = -1;
        CPen* knownPen = nullptr;
        for (int i = first; i < first + visible; ++i)
        {
            int index = positions.At(i);
            if (index < 0)
                continue;
            int xLeft = SlotX(i - first, w, rect.left), xRight = xLeft + width;
            if (m_nBidAskMode)
            {
                if (IsEmptyValue(s0[index]) || IsEmptyValue(s1[index]))
                    continue;
                DrawRangeBar(pDC, index, xLeft, xRight, ValueRow(s0[index], m, k, rect, inverted),
                             ValueRow(s1[index], m, k, rect, inverted));
                continue;
            }
            // A bar with a reserved value has nothing to show.
            if (IsEmptyValue(s0[index]) || IsEmptyValue(s1[index]) || IsEmptyValue(s2[index]) ||
                IsEmptyValue(s3[index]))
                continue;
            ChoosePen(index, length, known, knownPen);
            DrawCandle(pDC, nullptr, index, xLeft, xRight, ValueRow(s0[index], m, k, rect, inverted),
                       ValueRow(s1[index], m, k, rect, inverted), ValueRow(s2[index], m, k, rect, inverted),
                       ValueRow(s3[index], m, k, rect, inverted), inverted);
        }
    }
    pDC->SelectObject(saved);
}

// Candles at most two pixels wide crowd into shared pixel columns. Their pens are chosen in
// painting order, then they go to the column painter from the newest back, so a candle that
// the ones after it cover whole costs a look-up: the same pixels as painting every candle in
// turn.
void CJapan::DrawCrowded(CRect rect, CDC* pDC, BOOL inverted, int width)
{
    CDrawObject* obj = m_pOwner;
    const int length = obj->GetSeriesLength();
    const int* s0 = obj->GetS0();
    const int* s1 = obj->GetS1();
    const int* s2 = obj->GetS2();
    const int* s3 = obj->GetS3();
    const float w = obj->GetXStep(), k = obj->GetYScale();
    const int m = obj->GetMinimum();
    const int first = obj->GetFirstVisible(), visible = obj->GetVisibleCount();
    const CDrawObject::PositionIndex positions = obj->Positions();
    auto shown = [&](int i) {
        const int index = positions.At(i);
        return index >= 0 && !IsEmptyValue(s0[index]) && !IsEmptyValue(s1[index]) && !IsEmptyValue(s2[index]) &&
                       !IsEmptyValue(s3[index])
                   ? index
                   : -1;
    };
    m_rising.assign(size_t(std::max(visible, 0)), 0);
    int known = -1;
    CPen* knownPen = nullptr;
    for (int i = first; i < first + visible; ++i)
    {
        const int index = shown(i);
        if (index < 0)
            continue;
        ChoosePen(index, length, known, knownPen);
        m_rising[size_t(i - first)] = m_pCurrentPen == m_pRisePen;
    }
    CPen* const last = m_pCurrentPen;
    {
        CColumnPainter columns(pDC);
        for (int i = first + visible - 1; i >= first; --i)
        {
            const int index = shown(i);
            if (index < 0)
                continue;
            const int xLeft = SlotX(i - first, w, rect.left), xRight = xLeft + width;
            const int yOpen = ValueRow(s0[index], m, k, rect, inverted);
            const int yHigh = ValueRow(s1[index], m, k, rect, inverted);
            const int yLow = ValueRow(s2[index], m, k, rect, inverted);
            const int yClose = ValueRow(s3[index], m, k, rect, inverted);
            // The columns and rows the candle's shapes can reach (see DrawCandle): a line leaves
            // out its end row, moved one row on at most.
            const int r = xRight - ((xRight - xLeft + 1) % 2), c = (xLeft + r) / 2;
            const int x0 = std::min({xLeft, r, c}), x1 = std::max({xLeft, r, c});
            const int top = std::min({yOpen, yHigh, yLow, yClose});
            const int bottom = std::max({yOpen, yHigh, yLow, yClose}) + 1;
            columns.Close(x1 + 1);
            if (columns.Covered(x0, x1, top, bottom))
                continue;
            m_pCurrentPen = m_rising[size_t(i - first)] ? m_pRisePen : m_pFallPen;
            DrawCandle(pDC, &columns, index, xLeft, xRight, yOpen, yHigh, yLow, yClose, inverted);
            columns.EndGroup();
        }
    }
    m_pCurrentPen = last;
}

void CJapan::CandleLine(CDC* pDC, CColumnPainter* columns, int x1, int y1, int x2, int y2)
{
    if (!columns)
    {
        pDC->MoveTo(x1, y1);
        pDC->LineTo(x2, y2);
        return;
    }
    COLORREF colour = m_pCurrentPen == m_pRisePen ? m_clrRise.GetColor() : m_clrFall.GetColor();
    if (x1 == x2)
        columns->VLine(x1, y1, y2, colour);
    else
        columns->HLine(x1, x2, y1, colour);
}

void CJapan::DrawCandle(CDC* pDC, CColumnPainter* columns, int index, int xLeft, int xRight, int yOpen, int yHigh,
                        int yLow, int yClose, BOOL inverted)
{
    const int* open = m_pOwner->GetS0();
    const int* close = m_pOwner->GetS3();
    int r = xRight - ((xRight - xLeft + 1) % 2);
    int c = (xLeft + r) / 2;
    if (open[index] > close[index])
    {
        m_pCurrentPen = m_pFallPen;
        FillOrFrame(pDC, CRect(xLeft, yOpen, r, yClose + 1), m_pFallBrush, m_nFallFill, columns);
        if (!columns)
            pDC->SelectObject(m_pCurrentPen);
        CandleLine(pDC, columns, c, yOpen, c, yHigh);
        CandleLine(pDC, columns, c, yLow, c, inverted ? yClose + 1 : yClose);
    }
    else if (open[index] < close[index])
    {
        m_pCurrentPen = m_pRisePen;
        FillOrFrame(pDC, CRect(xLeft, yOpen, r, yClose), m_pRiseBrush, m_nRiseFill, columns);
        if (!columns)
            pDC->SelectObject(m_pCurrentPen);
        CandleLine(pDC, columns, c, yOpen, c, yLow);
        CandleLine(pDC, columns, c, yHigh, c, inverted ? yClose - 1 : yClose);
    }
    else
    {
        // The doji's pen was chosen by the caller, which sees the bars before it.
        if (!columns)
            pDC->SelectObject(m_pCurrentPen);
        CandleLine(pDC, columns, xLeft, yOpen, r, yOpen);
        CandleLine(pDC, columns, c, yHigh, c, yLow);
    }
}

void CJapan::DrawRangeBar(CDC* pDC, int index, int xLeft, int xRight, int y0, int y1)
{
    const int* s2 = m_pOwner->GetS2();
    const int* s3 = m_pOwner->GetS3();
    int r = xRight - ((xRight - xLeft + 1) % 2);
    bool lower = !s2 || !s3 || s2[index] <= s3[index];
    if (lower)
    {
        if (m_nSwap)
            FillOrFrame(pDC, CRect(xLeft, y0, r, y1), m_pRiseBrush, m_nRiseFill);
        else
            FillOrFrame(pDC, CRect(xLeft, y0, r, y1), m_pFallBrush, m_nFallFill);
    }
    else
    {
        if (m_nSwap)
            FillOrFrame(pDC, CRect(xLeft, y0, r, y1 + 1), m_pFallBrush, m_nFallFill);
        else
            FillOrFrame(pDC, CRect(xLeft, y0, r, y1 + 1), m_pRiseBrush, m_nRiseFill);
    }
}

void CJapan::DrawSelection(CRect rect, CDC* pDC)
{
    CDrawObject* obj = m_pOwner;
    if (!obj || obj->GetSeriesLength() <= 0 || !obj->GetS0() || !obj->GetS1() ||
        (!m_nBidAskMode && !obj->GetS3()))
        return;
    const int* a = obj->GetS0();
    const int* b = m_nBidAskMode ? obj->GetS1() : obj->GetS3();
    DrawSelectionSquares(pDC, rect, obj, a, b);
}

int CJapan::HitTest(CRect rect, int x, int y, BOOL inverted)
{
    CDrawObject* obj = m_pOwner;
    float w = obj ? obj->GetXStep() : 0;
    // With no width per position no bar stands anywhere.
    if (w == 0)
        return 0;
    int length = obj->GetSeriesLength();
    int p = TruncPixel(float(x - rect.left) / w);
    long long index = (long long)length - 1 +
                      ((long long)obj->GetAxisLength() - obj->GetViewFirst() - 1 - p - obj->GetFirstVisible());
    if (index < 0 || index >= length)
        return 0;
    const int* s0 = obj->GetS0();
    const int* s1 = obj->GetS1();
    const int* s2 = obj->GetS2();
    const int* s3 = obj->GetS3();
    if (!s0 || !s1 || (!m_nBidAskMode && (!s2 || !s3)))
        return 0;
    int m = obj->GetMinimum();
    float k = obj->GetYScale();
    int xLeft = SlotX(p, w, rect.left), xRight = SlotX(p + 1, w, rect.left);
    int bodyA, bodyB, spanA, spanB;
    if (m_nBidAskMode)
    {
        if (IsEmptyValue(s0[index]) || IsEmptyValue(s1[index]))
            return 0;
        bodyA = spanA = ValueRow(s0[index], m, k, rect, inverted);
        bodyB = spanB = ValueRow(s1[index], m, k, rect, inverted);
    }
    else
    {
        if (IsEmptyValue(s0[index]) || IsEmptyValue(s1[index]) || IsEmptyValue(s2[index]) || IsEmptyValue(s3[index]))
            return 0;
        bodyA = ValueRow(s0[index], m, k, rect, inverted);
        bodyB = ValueRow(s3[index], m, k, rect, inverted);
        spanA = ValueRow(s1[index], m, k, rect, inverted);
        spanB = ValueRow(s2[index], m, k, rect, inverted);
    }
    CRect body(std::min(xLeft, xRight) - 3, std::min(bodyA, bodyB) - 3, std::max(xLeft, xRight) + 3,
               std::max(bodyA, bodyB) + 3);
    if (x >= body.left && x <= body.right && y >= body.top && y <= body.bottom)
        return 1;
    int c = (xLeft + xRight) / 2;
    return x >= c - 3 && x <= c + 3 && y >= std::min(spanA, spanB) - 3 &&
                   y <= std::max(spanA, spanB) + 3 ? 1 : 0;
}
