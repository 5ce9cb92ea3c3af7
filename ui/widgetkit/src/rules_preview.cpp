// Geometry of the print preview and of the printed picture.
#include "WidgetRules.h"

namespace {

const CSize kA4(8267, 11692); // thousandths of an inch

CSize PaperOrA4(CSize sizePaper)
{
    return sizePaper.cx > 0 && sizePaper.cy > 0 ? sizePaper : kA4;
}

} // namespace

CRect PrintRectFor(CSize sizePicture, CSize screenPerInch, CSize printerPerInch, CSize printable)
{
    if (screenPerInch.cx <= 0 || screenPerInch.cy <= 0 || printerPerInch.cx <= 0 || printerPerInch.cy <= 0)
        return CRect(0, 0, 0, 0);
    const int cx = ::MulDiv(sizePicture.cx, printerPerInch.cx, screenPerInch.cx);
    const int cy = ::MulDiv(sizePicture.cy, printerPerInch.cy, screenPerInch.cy);
    const int x = (printable.cx - cx) / 2;
    const int y = (printable.cy - cy) / 2;
    return CRect(x, y, x + cx, y + cy);
}

CRect PreviewPaperRect(const CRect& rcClient, CSize sizePaper)
{
    const CSize paper = PaperOrA4(sizePaper);
    const int areaWidth = rcClient.Width() - 20;
    const int areaHeight = rcClient.Height() - 20;
    int longSide = areaWidth < areaHeight ? areaWidth : areaHeight;
    if (longSide < 0)
        longSide = 0;
    CSize size;
    if (paper.cx > paper.cy)
        size = CSize(longSide, ::MulDiv(longSide, paper.cy, paper.cx));
    else
        size = CSize(::MulDiv(longSide, paper.cx, paper.cy), longSide);
    const int x = rcClient.left + (rcClient.Width() - size.cx) / 2;
    const int y = rcClient.top + (rcClient.Height() - size.cy) / 2;
    return CRect(x, y, x + size.cx, y + size.cy);
}

CRect PreviewPictureRect(const CRect& rcPaper, CSize sizePicture, CSize sizePaper, CSize screenPerInch)
{
    const CSize paper = PaperOrA4(sizePaper);
    if (screenPerInch.cx <= 0 || screenPerInch.cy <= 0)
        return CRect(rcPaper.CenterPoint(), CSize(0, 0));
    // pixels / (paper inches x pixels per inch) of the paper rectangle's extent, in one rounding.
    const int cx = ::MulDiv(sizePicture.cx, rcPaper.Width() * 1000, paper.cx * screenPerInch.cx);
    const int cy = ::MulDiv(sizePicture.cy, rcPaper.Height() * 1000, paper.cy * screenPerInch.cy);
    const int x = rcPaper.left + (rcPaper.Width() - cx) / 2;
    const int y = rcPaper.top + (rcPaper.Height() - cy) / 2;
    return CRect(x, y, x + cx, y + cy);
}
