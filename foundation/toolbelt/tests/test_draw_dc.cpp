// Double buffers and scoped selectors on memory DCs.
#include <gtest/gtest.h>

#include <string.h>

#include "Draw.h"
#include "canvas.h"

namespace {

const COLORREF kInk = RGB(200, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

HFONT MakeFont(const char* face, int weight = FW_NORMAL)
{
    LOGFONTA lf = {};
    lf.lfHeight = 12;
    lf.lfWeight = weight;
    strcpy(lf.lfFaceName, face);
    return ::CreateFontIndirectA(&lf);
}

LOGFONTA CurrentFont(HDC hDC)
{
    LOGFONTA lf = {};
    ::GetObjectA(::GetCurrentObject(hDC, OBJ_FONT), sizeof lf, &lf);
    return lf;
}

TEST(MemoryDC, CopiesOnlyItsRectangleToTheTargetAtTheEnd)
{
    Canvas target(50, 50);
    {
        CRect rect(10, 10, 30, 30);
        CMDC mdc(target.DC(), &rect);
        mdc.FillSolidRect(0, 0, 50, 50, kInk);
        EXPECT_EQ(target.Pixel(15, 15), kWhite); // nothing reaches the target before the end
    }
    EXPECT_EQ(target.Count(CRect(0, 0, 50, 50), kInk), 400);
    EXPECT_EQ(target.Count(CRect(10, 10, 30, 30), kInk), 400);
}

TEST(MemoryDC, DrawsWithTheTargetsLogicalCoordinates)
{
    Canvas target(60, 60);
    ::SetViewportOrgEx(target.Handle(), 5, 5, NULL);
    {
        CRect rect(10, 10, 20, 20);
        CMDC mdc(target.DC(), &rect);
        mdc.FillSolidRect(10, 10, 5, 5, kInk);
        mdc.FillSolidRect(15, 10, 5, 10, RGB(0, 0, 200));
    }
    ::SetViewportOrgEx(target.Handle(), 0, 0, NULL);
    EXPECT_EQ(target.Count(CRect(15, 15, 20, 20), kInk), 25);
    EXPECT_EQ(target.Count(CRect(20, 15, 25, 25), RGB(0, 0, 200)), 50);
    EXPECT_EQ(target.Count(CRect(0, 0, 60, 60), kInk), 25);
}

TEST(MemoryDC, WithoutARectangleBuffersTheClipBox)
{
    Canvas target(40, 40);
    ::IntersectClipRect(target.Handle(), 5, 6, 15, 16);
    {
        CMDC mdc(target.DC());
        mdc.FillSolidRect(0, 0, 40, 40, kInk);
    }
    ::SelectClipRgn(target.Handle(), NULL);
    EXPECT_EQ(target.Count(CRect(0, 0, 40, 40), kInk), 100);
    EXPECT_EQ(target.Count(CRect(5, 6, 15, 16), kInk), 100);
}

TEST(BufferDC, CopiesBackOnlyItsRectangle)
{
    Canvas target(40, 40);
    {
        CBufferDC buffer(target.Handle(), CRect(10, 12, 20, 22));
        buffer.FillSolidRect(0, 0, 40, 40, kInk);
    }
    EXPECT_EQ(target.Count(CRect(0, 0, 40, 40), kInk), 100);
    EXPECT_EQ(target.Count(CRect(10, 12, 20, 22), kInk), 100);
}

TEST(FontDC, TheFaceTheDcHasAlreadyCreatesNoFont)
{
    Canvas canvas(10, 10);
    HFONT base = MakeFont("Arial");
    HGDIOBJ old = ::SelectObject(canvas.Handle(), base);
    {
        CFontDC font(canvas.Handle(), "ARIAL");
        EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_FONT), base);
        EXPECT_STREQ(static_cast<const char*>(font), "Arial");
    }
    EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_FONT), base);
    ::SelectObject(canvas.Handle(), old);
    ::DeleteObject(base);
}

TEST(FontDC, AnotherFaceKeepsTheRestOfTheFontAndIsUndoneAtTheEnd)
{
    Canvas canvas(10, 10);
    HFONT base = MakeFont("Arial", FW_BOLD);
    HGDIOBJ old = ::SelectObject(canvas.Handle(), base);
    ::SetTextColor(canvas.Handle(), RGB(1, 2, 3));
    {
        CFontDC font(canvas.Handle(), "Courier New", kInk);
        LOGFONTA lf = CurrentFont(canvas.Handle());
        EXPECT_STREQ(lf.lfFaceName, "Courier New");
        EXPECT_EQ(lf.lfWeight, FW_BOLD);
        EXPECT_EQ(lf.lfHeight, 12);
        EXPECT_EQ(::GetTextColor(canvas.Handle()), kInk);
        font = RGB(0, 0, 9);
        EXPECT_EQ(static_cast<COLORREF>(font), RGB(0, 0, 9));
        font = "Times New Roman";
        EXPECT_STREQ(static_cast<const char*>(font), "Times New Roman");
        font = (BYTE)ANSI_VAR_FONT;
        EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_FONT), ::GetStockObject(ANSI_VAR_FONT));
    }
    EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_FONT), base);
    EXPECT_EQ(::GetTextColor(canvas.Handle()), RGB(1, 2, 3)); // the first replaced colour
    ::SelectObject(canvas.Handle(), old);
    ::DeleteObject(base);
}

TEST(FontDC, AnOverlongFaceIsCutAtAWholeCharacter)
{
    Canvas canvas(10, 10);
    // 30 single-byte characters, then a two-byte character that would straddle the end of the
    // 32-byte face field, then more.
    const std::string face = std::string(30, 'A') + "한" + "BBBBBBBB";
    ASSERT_EQ(face.size(), 40u);
    CFontDC font(canvas.Handle(), face.c_str());
    LOGFONTA lf = CurrentFont(canvas.Handle());
    EXPECT_EQ(std::string(lf.lfFaceName), std::string(30, 'A'));
    const std::string shorter = std::string(29, 'A') + "한" + "BB";
    font = shorter.c_str();
    lf = CurrentFont(canvas.Handle());
    EXPECT_EQ(std::string(lf.lfFaceName), std::string(29, 'A') + "한");
}

TEST(FontDC, AHandleBelongsToTheSelector)
{
    Canvas canvas(10, 10);
    const HGDIOBJ before = ::GetCurrentObject(canvas.Handle(), OBJ_FONT);
    HFONT given = MakeFont("Arial");
    {
        CFontDC font(canvas.Handle(), given);
        EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_FONT), given);
    }
    EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_FONT), before);
    EXPECT_EQ(::GetObjectType(given), 0u); // deleted with the selector
}

struct BrushCase
{
    COLORREF brush;
    COLORREF inside;
};

class BrushDC : public ::testing::TestWithParam<BrushCase>
{
};

TEST_P(BrushDC, FillsShapesOrLeavesThemHollow)
{
    Canvas canvas(20, 20);
    const HGDIOBJ before = ::GetCurrentObject(canvas.Handle(), OBJ_BRUSH);
    {
        CPenDC pen(canvas.Handle(), RGB(0, 0, 0));
        CBrushDC brush(canvas.Handle(), GetParam().brush);
        EXPECT_EQ(brush.Color(), GetParam().brush);
        ::Rectangle(canvas.Handle(), 2, 2, 18, 18);
    }
    EXPECT_EQ(canvas.Pixel(10, 10), GetParam().inside);
    EXPECT_EQ(canvas.Pixel(2, 2), RGB(0, 0, 0));
    EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_BRUSH), before);
}

INSTANTIATE_TEST_SUITE_P(Brushes, BrushDC,
                         ::testing::Values(BrushCase{0xFFFFFFFF, kWhite}, BrushCase{kInk, kInk},
                                           BrushCase{RGB(0, 0, 200), RGB(0, 0, 200)}));

TEST(BrushDCColour, ExchangesTheBrush)
{
    Canvas canvas(20, 20);
    CBrushDC brush(canvas.Handle(), kInk);
    brush.Color(0xFFFFFFFF);
    EXPECT_EQ(brush.Color(), 0xFFFFFFFFu);
    brush.Color(RGB(0, 0, 200));
    EXPECT_EQ(brush.Color(), RGB(0, 0, 200));
    ::PatBlt(canvas.Handle(), 0, 0, 4, 4, PATCOPY);
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(0, 0, 200));
}

TEST(PenDC, SettersRebuildThePenKeepingTheOtherValues)
{
    Canvas canvas(20, 20);
    const HGDIOBJ before = ::GetCurrentObject(canvas.Handle(), OBJ_PEN);
    {
        CPenDC pen(canvas.Handle(), kInk, 1, PS_SOLID);
        EXPECT_EQ(pen.Color(), kInk);
        pen.PenWidth(3);
        pen.Color(RGB(0, 0, 200));
        EXPECT_EQ(pen.Color(), RGB(0, 0, 200));
        LOGPEN lp;
        ::GetObjectA(::GetCurrentObject(canvas.Handle(), OBJ_PEN), sizeof lp, &lp);
        EXPECT_EQ(lp.lopnWidth.x, 3);
        EXPECT_EQ(lp.lopnStyle, UINT(PS_SOLID));
        ::MoveToEx(canvas.Handle(), 2, 10, NULL);
        ::LineTo(canvas.Handle(), 18, 10);
    }
    EXPECT_EQ(canvas.Count(CRect(2, 9, 18, 12), RGB(0, 0, 200)), 16 * 3); // three pixels thick
    EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_PEN), before);
}

struct BoldCase
{
    int weight;
    bool bold;
    int expectedWeight;
    bool created;
};

class BoldDC : public ::testing::TestWithParam<BoldCase>
{
};

TEST_P(BoldDC, ChangesTheWeightOnlyWhenNeeded)
{
    Canvas canvas(10, 10);
    HFONT base = MakeFont("Arial", GetParam().weight);
    HGDIOBJ old = ::SelectObject(canvas.Handle(), base);
    {
        CBoldDC bold(canvas.Handle(), GetParam().bold);
        EXPECT_EQ(CurrentFont(canvas.Handle()).lfWeight, GetParam().expectedWeight);
        EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_FONT) != base, GetParam().created);
        EXPECT_STREQ(CurrentFont(canvas.Handle()).lfFaceName, "Arial");
    }
    EXPECT_EQ(::GetCurrentObject(canvas.Handle(), OBJ_FONT), base);
    ::SelectObject(canvas.Handle(), old);
    ::DeleteObject(base);
}

INSTANTIATE_TEST_SUITE_P(Weights, BoldDC,
                         ::testing::Values(BoldCase{FW_NORMAL, true, FW_BOLD, true},
                                           BoldCase{FW_BOLD, true, FW_BOLD, false},
                                           BoldCase{FW_BOLD, false, FW_NORMAL, true},
                                           BoldCase{FW_NORMAL, false, FW_NORMAL, false},
                                           BoldCase{FW_SEMIBOLD, false, FW_SEMIBOLD, false}));

TEST(TextSize, MeasuresWithTheWindowsFont)
{
    CWnd wnd; // a control keeps the font it is given
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "text", WS_POPUP, 0, 0, 100, 50, NULL, NULL));
    LOGFONTA lf = {};
    lf.lfHeight = -10;
    strcpy(lf.lfFaceName, "Arial");
    HFONT small = ::CreateFontIndirectA(&lf);
    lf.lfHeight = -30;
    HFONT large = ::CreateFontIndirectA(&lf);
    ::SendMessageA(wnd.m_hWnd, WM_SETFONT, (WPARAM)small, 0);
    const CSize smallSize = CDraw::GetTextSize(&wnd, "Wide text");
    ::SendMessageA(wnd.m_hWnd, WM_SETFONT, (WPARAM)large, 0);
    const CSize largeSize = CDraw::GetTextSize(&wnd, "Wide text");
    EXPECT_GT(smallSize.cx, 0);
    EXPECT_GT(largeSize.cx, smallSize.cx * 2);
    EXPECT_GT(largeSize.cy, smallSize.cy * 2);
    EXPECT_EQ(CDraw::GetTextSize(&wnd, "").cx, 0);
    wnd.DestroyWindow();
    ::DeleteObject(small);
    ::DeleteObject(large);
}

} // namespace
