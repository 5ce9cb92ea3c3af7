// Geometry and colours of the painted controls: gradient bands, tab colours, the message box
// layout and the candle.
#include "WidgetRules.h"

std::vector<GradientBand> GradientBands(int nWidth, COLORREF clrFirst, COLORREF clrSecond)
{
    if (nWidth < 0)
        nWidth = 0;
    int bands = nWidth < 100 ? nWidth : 100;
    if (bands < 1)
        bands = 1;
    const int bandWidth = nWidth / bands;
    // 8.8 fixed point per channel.
    const int r0 = GetRValue(clrFirst) << 8, g0 = GetGValue(clrFirst) << 8, b0 = GetBValue(clrFirst) << 8;
    const int dr = ((GetRValue(clrSecond) - GetRValue(clrFirst)) * 256) / bands;
    const int dg = ((GetGValue(clrSecond) - GetGValue(clrFirst)) * 256) / bands;
    const int db = ((GetBValue(clrSecond) - GetBValue(clrFirst)) * 256) / bands;
    std::vector<GradientBand> out;
    out.reserve(bands);
    for (int i = 0; i < bands; ++i) {
        GradientBand band;
        band.nLeft = i * bandWidth;
        band.nRight = i == bands - 1 ? nWidth : (i + 1) * bandWidth;
        band.clr = RGB((r0 + i * dr) >> 8, (g0 + i * dg) >> 8, (b0 + i * db) >> 8);
        out.push_back(band);
    }
    return out;
}

TabColours TabButtonColours(BOOL bSelected, const tagBtnColor* pSet, COLORREF clrSelectedFill,
                            COLORREF clrUnselectedFill, COLORREF clrLine)
{
    TabColours colours = {clrUnselectedFill, clrLine, clrLine};
    if (bSelected) {
        if (pSet != NULL) {
            // A tab's own set: fill, line, text.
            colours.clrFill = pSet->clrFill;
            colours.clrLine = pSet->clrBorder;
            colours.clrText = pSet->clrHighlight;
        } else {
            colours.clrFill = clrSelectedFill;
        }
    }
    return colours;
}

MessageBoxLayout LayoutMessageBox(CSize sizeText, CSize sizeNonClient, CSize sizeButton, int nType)
{
    MessageBoxLayout layout;
    int width = sizeNonClient.cx + sizeText.cx + 30;
    if (width < 300)
        width = 300;
    const int height = sizeNonClient.cy + sizeText.cy + 30 + sizeButton.cy + 5;
    layout.sizeWindow = CSize(width, height);

    const int clientWidth = width - sizeNonClient.cx;
    const int clientHeight = height - sizeNonClient.cy;
    const int bottom = clientHeight - 5;
    const int top = bottom - sizeButton.cy;
    const int centre = clientWidth / 2;
    layout.bShow1 = (nType & 1) != 0;
    layout.bShow2 = (nType & 2) != 0;
    if (layout.bShow2) {
        layout.rcButton1 = CRect(centre - 2 - sizeButton.cx, top, centre - 2, bottom);
        layout.rcButton2 = CRect(centre + 2, top, centre + 2 + sizeButton.cx, bottom);
    } else {
        const int left = centre - sizeButton.cx / 2;
        layout.rcButton1 = CRect(left, top, left + sizeButton.cx, bottom);
        layout.rcButton2 = CRect(0, 0, 0, 0);
    }
    return layout;
}

CandleShape CandleGeometry(const CRect& rcClient, int nMargin, int nOpen, int nClose, int nLow, int nHigh)
{
    CandleShape shape;
    shape.bDraw = nOpen != 0 && nClose != 0 && nLow != 0 && nHigh != 0;
    CRect inner = rcClient;
    inner.DeflateRect(nMargin, nMargin);
    shape.nWickX = inner.left + inner.Width() / 2;
    shape.nWickTop = nMargin;
    shape.nWickBottom = inner.bottom;
    shape.nColor = nClose > nOpen ? 102 : (nClose < nOpen ? 103 : 101);
    shape.rcBody = CRect(inner.left + 3, 0, inner.right - 3, 0);

    const double range = static_cast<double>(nHigh) - static_cast<double>(nLow);
    if (nClose == nOpen || range <= 0) {
        // Unchanged, or a flat (or inverted) range that gives no scale: a line at half height.
        const int middle = inner.top + inner.Height() / 2;
        shape.rcBody.top = middle;
        shape.rcBody.bottom = middle + 1;
        return shape;
    }
    const double scale = inner.Height() / range;
    const double upper = nClose > nOpen ? nClose : nOpen;
    const double lower = nClose > nOpen ? nOpen : nClose;
    shape.rcBody.top = static_cast<int>((nHigh - upper) * scale) + nMargin;
    shape.rcBody.bottom = static_cast<int>((nHigh - lower) * scale) + nMargin;
    return shape;
}
