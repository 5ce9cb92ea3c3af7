// CDC drawing checked pixel by pixel in a 32-bit memory DC.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "afxcontrolbarutil.h"
#include "afxgdi_.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);

// A memory DC with a 32-bit DIB section selected, cleared to white, so colours read back
// exactly whatever the display depth.
class Canvas : public ::testing::Test
{
protected:
    static const int kWidth = 64;
    static const int kHeight = 48;

    void SetUp() override
    {
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
        ASSERT_TRUE(MakeDib(bitmap, kWidth, kHeight));
        oldBitmap = dc.SelectObject(&bitmap);
        ASSERT_NE(oldBitmap, nullptr);
        dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
    }

    void TearDown() override
    {
        if (oldBitmap != nullptr)
            dc.SelectObject(oldBitmap);
        CGdiObject::DeleteTempMap();
        CDC::DeleteTempMap();
    }

    static bool MakeDib(CBitmap& bmp, int width, int height)
    {
        BITMAPINFO bi;
        memset(&bi, 0, sizeof(bi));
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        return !!bmp.Attach(::CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, &bits, NULL, 0));
    }

    struct Probe
    {
        int x, y;
        COLORREF color;
    };

    void ExpectPixels(const char* what, std::initializer_list<Probe> probes)
    {
        for (const Probe& p : probes)
            EXPECT_EQ(dc.GetPixel(p.x, p.y), p.color) << what << " at (" << p.x << "," << p.y << ")";
    }

    CDC dc;
    CBitmap bitmap;
    CBitmap* oldBitmap = nullptr;
};

TEST_F(Canvas, FillSolidRectFillsHalfOpenRectangleAndKeepsColourAsBackground)
{
    dc.FillSolidRect(10, 10, 20, 5, kRed);
    ExpectPixels("fill", {{10, 10, kRed}, {29, 14, kRed}, {30, 14, kWhite}, {29, 15, kWhite}, {9, 10, kWhite}});
    EXPECT_EQ(dc.GetBkColor(), kRed);
    // Negative extents fill towards the left and top of the origin.
    dc.FillSolidRect(50, 40, -5, -3, kBlue);
    ExpectPixels("negative", {{45, 37, kBlue}, {49, 39, kBlue}, {50, 40, kWhite}, {44, 37, kWhite}});
    CRect r(0, 0, 2, 2);
    dc.FillSolidRect(&r, kGreen);
    ExpectPixels("rect", {{1, 1, kGreen}, {2, 2, kWhite}});
}

TEST_F(Canvas, Draw3dRectSplitsTheCornersBetweenTheColours)
{
    dc.Draw3dRect(CRect(10, 10, 30, 20), kRed, kBlue);
    ExpectPixels("3d", {
                           {10, 10, kRed},   // top-left corner
                           {28, 10, kRed},   // top edge
                           {29, 10, kBlue},  // top-right corner
                           {10, 18, kRed},   // left edge
                           {10, 19, kBlue},  // bottom-left corner
                           {29, 19, kBlue},  // bottom-right corner
                           {20, 19, kBlue},  // bottom edge
                           {29, 15, kBlue},  // right edge
                           {15, 15, kWhite}, // inside untouched
                           {30, 15, kWhite}, // outside untouched
                           {20, 20, kWhite},
                       });
}

TEST_F(Canvas, FrameRectAndFillRectUseTheBrush)
{
    CBrush red(kRed), blue(kBlue);
    dc.FillRect(CRect(0, 0, 10, 10), &blue);
    dc.FrameRect(CRect(20, 20, 30, 30), &red);
    ExpectPixels("frame", {{0, 0, kBlue}, {9, 9, kBlue}, {10, 10, kWhite},
                           {20, 20, kRed}, {29, 29, kRed}, {25, 20, kRed}, {25, 25, kWhite}, {30, 30, kWhite}});
}

TEST_F(Canvas, ShapesUsePenForOutlineAndBrushForInside)
{
    CPen pen(PS_SOLID, 1, kBlue);
    CBrush brush(kRed);
    CPen* oldPen = dc.SelectObject(&pen);
    CBrush* oldBrush = dc.SelectObject(&brush);

    const POINT triangle[] = {{10, 10}, {40, 10}, {10, 40}};
    ASSERT_TRUE(dc.Polygon(triangle, 3));
    ExpectPixels("polygon", {{10, 10, kBlue}, {20, 10, kBlue}, {15, 15, kRed}, {38, 38, kWhite}});

    // With the stock null brush only the outline is drawn.
    dc.SelectStockObject(NULL_BRUSH);
    ASSERT_TRUE(dc.Rectangle(45, 5, 60, 20));
    ExpectPixels("hollow", {{45, 5, kBlue}, {59, 19, kBlue}, {52, 12, kWhite}});

    dc.SelectObject(&brush);
    ASSERT_TRUE(dc.Ellipse(40, 25, 60, 45));
    ExpectPixels("ellipse", {{50, 35, kRed}, {40, 25, kWhite}});

    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

TEST_F(Canvas, SelectObjectReturnsThePreviousWrapper)
{
    HGDIOBJ originalPen = ::GetCurrentObject(dc, OBJ_PEN);
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    CPen* first = dc.SelectObject(&red);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->m_hObject, originalPen);
    EXPECT_TRUE(first->IsKindOf(RUNTIME_CLASS(CPen)));
    // The attached wrapper itself comes back, not a copy.
    EXPECT_EQ(dc.SelectObject(&blue), &red);
    EXPECT_EQ(dc.GetCurrentPen(), &blue);
    dc.SelectObject(first);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), originalPen);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
    CFont* oldFont = dc.SelectObject(&font);
    ASSERT_NE(oldFont, nullptr);
    EXPECT_EQ(dc.GetCurrentFont(), &font);
    EXPECT_EQ(dc.SelectObject(oldFont), &font);

    CGdiObject* oldBrush = dc.SelectStockObject(BLACK_BRUSH);
    ASSERT_NE(oldBrush, nullptr);
    EXPECT_EQ(dc.SelectObject(oldBrush)->m_hObject, ::GetStockObject(BLACK_BRUSH));

    EXPECT_EQ(dc.SelectObject((CPen*)nullptr), nullptr);

    // The selected bitmap is the canvas.
    EXPECT_EQ(dc.GetCurrentBitmap(), &bitmap);
}

TEST_F(Canvas, SaveDCRestoresColoursAndSelection)
{
    CPen pen(PS_SOLID, 1, kRed);
    dc.SetTextColor(kBlue);
    int saved = dc.SaveDC();
    ASSERT_NE(saved, 0);
    dc.SetTextColor(kGreen);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(&pen);
    ASSERT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(dc.GetTextColor(), kBlue);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_NE(::GetCurrentObject(dc, OBJ_PEN), pen.m_hObject);
}

TEST_F(Canvas, ClippingLimitsDrawing)
{
    CRgn clip;
    ASSERT_TRUE(clip.CreateRectRgn(10, 10, 20, 20));
    EXPECT_EQ(dc.SelectClipRgn(&clip), SIMPLEREGION);
    dc.FillSolidRect(0, 0, kWidth, kHeight, kRed);
    ExpectPixels("region", {{10, 10, kRed}, {19, 19, kRed}, {9, 10, kWhite}, {20, 20, kWhite}});
    CRect box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_TRUE(box == CRect(10, 10, 20, 20));

    EXPECT_EQ(dc.SelectClipRgn(nullptr), SIMPLEREGION); // removed: the whole surface again
    EXPECT_EQ(dc.IntersectClipRect(30, 30, 40, 40), SIMPLEREGION);
    EXPECT_EQ(dc.ExcludeClipRect(CRect(30, 30, 35, 40)), SIMPLEREGION);
    dc.FillSolidRect(0, 0, kWidth, kHeight, kBlue);
    ExpectPixels("rects", {{35, 30, kBlue}, {39, 39, kBlue}, {34, 35, kWhite}, {40, 35, kWhite}});
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_TRUE(box == CRect(35, 30, 40, 40));
}

TEST_F(Canvas, FillAndFrameRegion)
{
    CRgn a, b, both;
    a.CreateRectRgn(0, 0, 20, 20);
    b.CreateRectRgn(10, 10, 30, 30);
    both.CombineRgn(&a, &b, RGN_OR);
    CBrush red(kRed), blue(kBlue);
    ASSERT_TRUE(dc.FillRgn(&both, &red));
    ASSERT_TRUE(dc.FrameRgn(&both, &blue, 1, 1));
    ExpectPixels("region", {{0, 0, kBlue}, {5, 5, kRed}, {25, 25, kRed}, {29, 29, kBlue}, {25, 5, kWhite}});
}

TEST_F(Canvas, BlitsCopyStretchAndKeyOutTransparentColour)
{
    CDC src;
    ASSERT_TRUE(src.CreateCompatibleDC(&dc));
    CBitmap srcBitmap;
    ASSERT_TRUE(MakeDib(srcBitmap, 4, 4));
    CBitmap* oldSrc = src.SelectObject(&srcBitmap);
    const COLORREF key = RGB(255, 0, 255);
    src.FillSolidRect(0, 0, 4, 4, key);
    src.FillSolidRect(0, 0, 2, 2, kGreen);

    ASSERT_TRUE(dc.BitBlt(0, 0, 4, 4, &src, 0, 0, SRCCOPY));
    ExpectPixels("bitblt", {{1, 1, kGreen}, {3, 3, key}});

    ASSERT_TRUE(dc.StretchBlt(10, 10, 8, 8, &src, 0, 0, 4, 4, SRCCOPY));
    ExpectPixels("stretch", {{13, 13, kGreen}, {14, 14, key}, {17, 17, key}});

    ASSERT_TRUE(dc.TransparentBlt(20, 20, 4, 4, &src, 0, 0, 4, 4, key));
    ExpectPixels("transparent", {{20, 20, kGreen}, {21, 21, kGreen}, {23, 23, kWhite}, {22, 20, kWhite}});

    ASSERT_TRUE(dc.PatBlt(30, 30, 2, 2, BLACKNESS));
    ExpectPixels("patblt", {{31, 31, RGB(0, 0, 0)}, {32, 32, kWhite}});

    src.SelectObject(oldSrc);
}

TEST_F(Canvas, GradientFillRunsFromFirstToSecondColour)
{
    TRIVERTEX v[2] = {{0, 0, 0xFF00, 0, 0, 0}, {kWidth, 10, 0, 0, 0xFF00, 0}};
    GRADIENT_RECT gr = {0, 1};
    ASSERT_TRUE(dc.GradientFill(v, 2, &gr, 1, GRADIENT_FILL_RECT_H));
    COLORREF left = dc.GetPixel(0, 5);
    COLORREF right = dc.GetPixel(kWidth - 1, 5);
    EXPECT_GT(GetRValue(left), 240);
    EXPECT_LT(GetBValue(left), 15);
    EXPECT_GT(GetBValue(right), 240);
    EXPECT_LT(GetRValue(right), 15);
    EXPECT_EQ(dc.GetPixel(5, 10), kWhite);
}

TEST_F(Canvas, LinesAndPixels)
{
    CPen pen(PS_SOLID, 1, kRed);
    CPen* old = dc.SelectObject(&pen);
    EXPECT_TRUE(dc.MoveTo(5, 5) == CPoint(0, 0));
    ASSERT_TRUE(dc.LineTo(15, 5));
    EXPECT_TRUE(dc.GetCurrentPosition() == CPoint(15, 5));
    const POINT path[] = {{5, 20}, {5, 30}, {15, 30}};
    ASSERT_TRUE(dc.Polyline(path, 3));
    ExpectPixels("lines", {{5, 5, kRed}, {14, 5, kRed}, {15, 5, kWhite}, {5, 25, kRed}, {10, 30, kRed}});
    dc.SelectObject(old);

    dc.SetPixel(40, 40, kGreen);
    EXPECT_EQ(dc.GetPixel(CPoint(40, 40)), kGreen);
    dc.SetROP2(R2_NOT);
    EXPECT_EQ(dc.GetROP2(), R2_NOT);
    dc.InvertRect(CRect(40, 40, 41, 41));
    EXPECT_EQ(dc.GetPixel(40, 40), RGB(255, 127, 255));
}

TEST_F(Canvas, MappingConvertsBetweenLogicalAndDevice)
{
    dc.SetWindowOrg(100, 50);
    CPoint pt(110, 60);
    dc.LPtoDP(&pt);
    EXPECT_TRUE(pt == CPoint(10, 10));
    dc.DPtoLP(&pt);
    EXPECT_TRUE(pt == CPoint(110, 60));
    dc.FillSolidRect(100, 50, 1, 1, kRed); // logical origin = device (0, 0)
    dc.SetWindowOrg(0, 0);
    ExpectPixels("origin", {{0, 0, kRed}});

    EXPECT_EQ(dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(200, -50);
    CSize size(10, 10);
    dc.LPtoDP(&size); // distances take only the ratio, never a sign
    EXPECT_TRUE(size == CSize(20, 5));
    dc.DPtoLP(&size);
    EXPECT_TRUE(size == CSize(10, 10));
    CRect r(0, 0, 10, 10);
    dc.LPtoDP(&r);
    EXPECT_TRUE(r == CRect(0, 0, 20, -5));
    dc.SetMapMode(MM_TEXT);
}

TEST_F(Canvas, TemporaryDCWrapperAndAttach)
{
    HDC h = dc.GetSafeHdc();
    EXPECT_EQ(CDC::FromHandle(h), &dc);
    HDC other = ::CreateCompatibleDC(NULL);
    CDC* temp = CDC::FromHandle(other);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->m_hDC, other);
    EXPECT_EQ(temp->m_hAttribDC, other);
    EXPECT_EQ(CDC::FromHandle(other), temp);
    CDC::DeleteTempMap();
    // The temporary wrapper did not delete the DC.
    EXPECT_EQ(::GetObjectType(other), (DWORD)OBJ_MEMDC);
    {
        CDC owner;
        owner.Attach(other);
        EXPECT_EQ(CDC::FromHandle(other), &owner);
    }
    EXPECT_EQ(::GetObjectType(other), 0u);
}

TEST_F(Canvas, TextSettersReturnPreviousValues)
{
    dc.SetTextColor(kRed);
    EXPECT_EQ(dc.SetTextColor(kBlue), kRed);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetTextAlign(TA_RIGHT), (UINT)TA_TOP);
    EXPECT_EQ(dc.GetTextAlign(), (UINT)TA_RIGHT);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_GT(tm.tmHeight, 0);
    // Text lands inside its rectangle in the text colour (shapes are not compared).
    CRect box(0, 0, kWidth, kHeight);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kGreen);
    CString text("   "); // blanks: only the opaque cell background is drawn
    EXPECT_GT(dc.DrawText(text, &box, DT_LEFT | DT_TOP | DT_SINGLELINE), 0);
    CSize extent = dc.GetTextExtent(text);
    EXPECT_GT(extent.cx, 0);
    EXPECT_EQ(dc.GetPixel(0, 0), kGreen);
    EXPECT_EQ(dc.GetPixel(extent.cx - 1, extent.cy - 1), kGreen);
    EXPECT_EQ(dc.GetPixel(extent.cx + 1, 1), kWhite);
    EXPECT_EQ(dc.GetPixel(1, extent.cy + 1), kWhite);
}

// The select-and-restore guard: what was selected comes back at the end of each scope, nested
// guards unwinding in order, with no wrapper made for the previous object.
TEST_F(Canvas, SelectGuardPutsBackWhatWasSelected)
{
    CPen red(PS_SOLID, 1, kRed), blue(PS_SOLID, 1, kBlue);
    HGDIOBJ hOriginal = ::GetCurrentObject(dc.m_hDC, OBJ_PEN);
    CGdiObject::DeleteTempMap();
    const int tempsBefore = AfxGetTempGdiCount();
    {
        CDCSelectGuard outer(dc, red);
        EXPECT_EQ(outer.GetOldObject(), hOriginal);
        EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_PEN), red.m_hObject);
        {
            CDCSelectGuard inner(&dc, &blue);
            EXPECT_EQ(inner.GetOldObject(), red.m_hObject);
            dc.MoveTo(0, 5);
            dc.LineTo(20, 5);
        }
        EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_PEN), red.m_hObject);
        dc.MoveTo(0, 7);
        dc.LineTo(20, 7);
        CDCSelectGuard moved(std::move(outer));
        EXPECT_EQ(outer.GetOldObject(), (HGDIOBJ)NULL) << "the moved-from guard restores nothing";
    }
    EXPECT_EQ(::GetCurrentObject(dc.m_hDC, OBJ_PEN), hOriginal);
    EXPECT_EQ(AfxGetTempGdiCount(), tempsBefore) << "no temporary wrapper was made";
    ExpectPixels("lines", {{10, 5, kBlue}, {10, 7, kRed}});
    // Nothing to select, nothing to restore.
    CDCSelectGuard none(dc.m_hDC, NULL);
    EXPECT_EQ(none.GetOldObject(), (HGDIOBJ)NULL);
}

// Moving a wrapper moves the handle and its handle-map entry; moving onto a wrapper deletes
// what it held.
TEST(GdiMoves, WrappersHandTheirHandlesOver)
{
    CPen first(PS_SOLID, 1, kRed);
    HGDIOBJ hFirst = first.m_hObject;
    CPen second(std::move(first));
    EXPECT_EQ(first.m_hObject, (HGDIOBJ)NULL);
    EXPECT_EQ(second.m_hObject, hFirst);
    EXPECT_EQ(CGdiObject::FromHandle(hFirst), &second);

    CPen third(PS_SOLID, 2, kBlue);
    HGDIOBJ hThird = third.m_hObject;
    third = std::move(second);
    EXPECT_EQ(third.m_hObject, hFirst);
    EXPECT_EQ(::GetObjectType(hThird), 0u) << "the object moved onto was deleted";
    EXPECT_EQ(CGdiObject::FromHandle(hFirst), &third);

    std::vector<CBrush> brushes;
    for (COLORREF c : {kRed, kGreen, kBlue}) {
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(c));
        brushes.push_back(std::move(brush));
    }
    brushes.reserve(64); // reallocation moves them once more
    for (CBrush& brush : brushes)
        EXPECT_EQ(CGdiObject::FromHandle(brush.m_hObject), &brush);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    HDC hDC = dc.m_hDC;
    CDC other(std::move(dc));
    EXPECT_EQ(dc.m_hDC, (HDC)NULL);
    EXPECT_EQ(other.m_hDC, hDC);
    EXPECT_EQ(other.m_hAttribDC, hDC);
    EXPECT_EQ(CDC::FromHandle(hDC), &other);
    CDC last;
    ASSERT_TRUE(last.CreateCompatibleDC(NULL));
    HDC hLast = last.m_hDC;
    last = std::move(other);
    EXPECT_EQ(last.m_hDC, hDC);
    EXPECT_EQ(::GetObjectType(hLast), 0u) << "the DC moved onto was deleted";
}

// CMemDC: drawing lands in the target only when the memory DC ends, at the same coordinates,
// and only inside its area.
TEST_F(Canvas, MemDCCopiesItsAreaToTheTargetAtTheEnd)
{
    CRect area(10, 8, 40, 30);
    {
        CMemDC mem(dc, area);
        ASSERT_TRUE(mem.IsMemDC());
        CDC& out = mem.GetDC();
        EXPECT_NE(out.m_hDC, dc.m_hDC);
        out.FillSolidRect(&area, kBlue);
        out.FillSolidRect(20, 10, 5, 5, kRed);
        ExpectPixels("before the end", {{15, 15, kWhite}, {22, 12, kWhite}});
    }
    ExpectPixels("after", {{10, 8, kBlue}, {39, 29, kBlue}, {22, 12, kRed}, {9, 8, kWhite}, {40, 29, kWhite},
                           {39, 30, kWhite}});

    CMemDC::m_bUseMemoryDC = FALSE;
    {
        CMemDC direct(dc, area);
        EXPECT_FALSE(direct.IsMemDC());
        EXPECT_EQ(direct.GetDC().m_hDC, dc.m_hDC);
    }
    CMemDC::m_bUseMemoryDC = TRUE;
}

} // namespace
