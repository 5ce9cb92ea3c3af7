// Grid drawing into a 32-bpp memory DC with the fixture's plain colours: grid lines, the
// selection and shading colours, bars, signs, frame, badge, check boxes, text placement, merged
// cells, missing colours and the clip rectangle. Pixels are read by colour only.
#include <gtest/gtest.h>

#include "canvas.h"
#include "grid_fixture.h"

namespace {

class GridDraw : public ::testing::Test
{
protected:
    GridSkin skin;
    GridHost host;
    CGridTable& grid = host.grid;

    tagCell* Cell(UINT c, UINT r) { return grid.GetCellPtr(c, r); }
};

TEST_F(GridDraw, LinesAroundHeadersAndBetweenBodyCells)
{
    GridPicture pic(grid);
    EXPECT_EQ(skin::kHeaderLine, pic.Pixel(0, 0));
    EXPECT_EQ(skin::kHeaderLine, pic.Pixel(60, 30));  // header column | body
    EXPECT_EQ(skin::kHeaderLine, pic.Pixel(100, 23)); // header row over body
    EXPECT_EQ(skin::kBorder, pic.Pixel(120, 30));     // between body columns
    EXPECT_EQ(skin::kBorder, pic.Pixel(100, 46));     // between body rows
    EXPECT_EQ(skin::kHeaderLine, pic.Pixel(310, 100)); // beyond the last column
    EXPECT_EQ(skin::kHeaderBack, pic.Pixel(30, 10));
    EXPECT_EQ(skin::kBack, pic.Pixel(62, 25));
}

TEST_F(GridDraw, OnlyTheClipRectangleIsDrawn)
{
    Canvas canvas(320, 160, RGB(1, 1, 1));
    grid.Paint(canvas.DC(), CRect(61, 24, 120, 46));
    EXPECT_EQ(RGB(1, 1, 1), canvas.Pixel(10, 10));
    EXPECT_EQ(RGB(1, 1, 1), canvas.Pixel(120, 30));
    EXPECT_EQ(skin::kBack, canvas.Pixel(62, 25));
}

struct BackCase
{
    const char* name;
    UINT style;
    UINT flags;
    const char* text;
    COLORREF back;
};

class GridBackColour : public GridDraw, public ::testing::WithParamInterface<BackCase>
{
};

TEST_P(GridBackColour, CornerPixel)
{
    const BackCase& c = GetParam();
    grid.SetCellStyle(2, 2, c.style);
    grid.SetCellText(2, 2, c.text);
    Cell(2, 2)->nFlags |= c.flags;
    GridPicture pic(grid);
    const CRect rect = grid.GetCellRect(2, 2);
    EXPECT_EQ(c.back, pic.Pixel(rect.left + 1, rect.top + 1));
    EXPECT_EQ(c.back, pic.Pixel(rect.right - 1, rect.bottom - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, GridBackColour,
    ::testing::Values(
        BackCase{"Plain", GCS_TEXT, 0, "12", skin::kBack},
        BackCase{"SelectedWithText", GCS_TEXT, GCF_SELECTED, "12", kSelectedBack},
        BackCase{"SelectedEmpty", GCS_TEXT, GCF_SELECTED, "", skin::kBack},
        BackCase{"SelectedEmptyShaded", GCS_TEXT, GCF_SELECTED | GCF_SHADE, "", kShadeBack},
        BackCase{"ShadedWithText", GCS_TEXT, GCF_SHADE, "12", kShadeBack},
        BackCase{"NotSelectableSelectedWithText", GCS_TEXT, GCF_SELECTED | GCF_NOSELECT, "12", skin::kBack},
        BackCase{"NotSelectableShadedWithText", GCS_TEXT, GCF_NOSELECT | GCF_SHADE, "12", skin::kBack},
        BackCase{"NotSelectableShadedEmpty", GCS_TEXT, GCF_NOSELECT | GCF_SHADE, "", kShadeBack},
        BackCase{"Highlighted", GCS_TEXT, GCF_HIGHLIGHT, "12", skin::kHighlight},
        BackCase{"HighlightedAndSelected", GCS_TEXT, GCF_HIGHLIGHT | GCF_SELECTED, "12", kSelectedBack},
        BackCase{"HeaderIgnoresSelection", GCS_HEADER, GCF_SELECTED | GCF_HIGHLIGHT, "12", skin::kHeaderBack},
        BackCase{"EditSelectedEvenEmpty", GCS_EDIT, GCF_SELECTED, "", kSelectedBack},
        BackCase{"CheckSelected", GCS_CHECK, GCF_SELECTED, "", kSelectedBack},
        BackCase{"CheckHighlighted", GCS_CHECK, GCF_HIGHLIGHT, "", skin::kHighlight},
        BackCase{"BarSelected", GCS_BAR, GCF_SELECTED, "", kSelectedBack},
        BackCase{"BarHighlighted", GCS_BAR, GCF_HIGHLIGHT, "", skin::kHighlight}),
    [](const ::testing::TestParamInfo<BackCase>& info) { return std::string(info.param.name); });

struct BarCase
{
    const char* name;
    double value;
    UINT align;
    int width;      // pixels of the bar in a 59-pixel cell
    bool fromRight;
};

class GridBar : public GridDraw, public ::testing::WithParamInterface<BarCase>
{
};

TEST_P(GridBar, WidthSideAndColour)
{
    const BarCase& c = GetParam();
    grid.SetCellStyle(2, 1, GCS_BAR);
    grid.SetBarAlign(2, 1, c.align);
    Cell(2, 1)->dBarValue = c.value;
    GridPicture pic(grid);
    const CRect rect = grid.GetCellRect(2, 1); // 59 x 22
    const COLORREF colour = c.fromRight ? kBarFromRight : kBarFromLeft;
    const COLORREF other = c.fromRight ? kBarFromLeft : kBarFromRight;
    EXPECT_EQ(c.width * (rect.Height() - 4), pic.Count(rect, colour));
    EXPECT_EQ(0, pic.Count(rect, other));
    if (c.width > 0) {
        const CRect bar = c.fromRight ? CRect(rect.right - c.width, rect.top + 2, rect.right, rect.bottom - 2)
                                      : CRect(rect.left, rect.top + 2, rect.left + c.width, rect.bottom - 2);
        EXPECT_EQ(bar.Width() * bar.Height(), pic.Count(bar, colour));
    }
    // Two pixels of ground above and below the bar.
    EXPECT_EQ(skin::kBack, pic.Pixel(rect.left + 1, rect.top + 1));
    EXPECT_EQ(skin::kBack, pic.Pixel(rect.right - 1, rect.bottom - 2));
}

INSTANTIATE_TEST_SUITE_P(
    Values, GridBar,
    ::testing::Values(BarCase{"Plus40Left", 40, 0, 23, false}, BarCase{"Minus40Left", -40, 0, 23, false},
                      BarCase{"Plus40Right", 40, GCF_BARALIGN_RIGHT, 23, true},
                      BarCase{"Minus40Right", -40, GCF_BARALIGN_RIGHT, 23, true},
                      BarCase{"OtherAlignmentDrawsLeft", 40, 0x20000000, 23, false},
                      BarCase{"Zero", 0, 0, 0, false}, BarCase{"Hundred", 100, 0, 59, false},
                      // Beyond 100 % the bar fills its own cell and stops there.
                      BarCase{"BeyondHundredStaysInTheCell", 250, GCF_BARALIGN_RIGHT, 59, true}),
    [](const ::testing::TestParamInfo<BarCase>& info) { return std::string(info.param.name); });

TEST_F(GridDraw, BarCellsSecondFillErasesTheSign)
{
    grid.SetCellStyle(2, 1, GCS_BAR);
    grid.SetSign(2, 1, '2');
    Cell(2, 1)->dBarValue = 10;
    GridPicture pic(grid);
    EXPECT_EQ(0, pic.Count(grid.GetCellRect(2, 1), skin::kUp));
}

struct SignCase
{
    char sign;
    COLORREF colour;
    COLORREF absent;
};

TEST_F(GridDraw, SignsInTheirColourLeftInTheCell)
{
    const SignCase cases[] = {
        {'1', skin::kUp, skin::kDown}, {'2', skin::kUp, skin::kDown},
        {'4', skin::kDown, skin::kUp}, {'5', skin::kDown, skin::kUp},
    };
    for (const SignCase& c : cases) {
        grid.SetSign(1, 2, c.sign);
        GridPicture pic(grid);
        const CRect cell = grid.GetCellRect(1, 2); // 22 high: sign box (l+5, t+6)-(l+15, t+16)
        const CRect sign(cell.left + 4, cell.top + 4, cell.left + 17, cell.top + 18);
        EXPECT_GT(pic.Count(sign, c.colour), 20) << c.sign;
        EXPECT_EQ(pic.Count(sign, c.colour), pic.Count(cell, c.colour)) << c.sign; // nothing outside
        EXPECT_EQ(0, pic.Count(cell, c.absent)) << c.sign;
    }
    grid.SetSign(1, 2, '3');
    GridPicture none(grid);
    EXPECT_EQ(0, none.Count(grid.GetCellRect(1, 2), skin::kUp));
}

TEST_F(GridDraw, SignedTextTakesTheSignColour)
{
    grid.SetColumnWidth(1, 120);
    grid.SetCellAlign(1, 2, 2);
    grid.SetCellText(1, 2, "8888");
    const CRect cell = grid.GetCellRect(1, 2);
    const CRect text(cell.left + 20, cell.top, cell.right, cell.bottom); // clear of the sign
    const struct
    {
        char sign;
        bool (*tint)(COLORREF);
    } cases[] = {{'2', &Reddish}, {'1', &Reddish}, {'5', &Bluish}, {'4', &Bluish}};
    for (const auto& c : cases) {
        grid.SetSign(1, 2, '3');
        GridPicture plain(grid);
        EXPECT_GT(plain.CountWhere(text, &Dark), 0);
        EXPECT_EQ(0, plain.CountWhere(text, c.tint));
        grid.SetSign(1, 2, c.sign);
        GridPicture signed_(grid);
        EXPECT_GT(signed_.CountWhere(text, c.tint), 0) << c.sign;
        EXPECT_EQ(0, signed_.CountWhere(text, &Dark)) << c.sign;
    }
}

TEST_F(GridDraw, FrameIsAOnePixelOutlineInColour102)
{
    Cell(2, 2)->nFlags |= GCF_FRAME;
    GridPicture pic(grid);
    const CRect r = grid.GetCellRect(2, 2);
    const int outline = 2 * r.Width() + 2 * r.Height() - 4;
    EXPECT_EQ(outline, pic.Count(r, skin::kUp));
    EXPECT_EQ(skin::kUp, pic.Pixel(r.left, r.top));
    EXPECT_EQ(skin::kUp, pic.Pixel(r.right - 1, r.bottom - 1));
    EXPECT_EQ(skin::kBack, pic.Pixel(r.left + 1, r.top + 1));
}

TEST_F(GridDraw, BadgeIsASquareOfItsColourAtTheLeftWithAWhiteLetter)
{
    const COLORREF badge = RGB(0, 99, 0);
    for (UINT kind : {5u, 3u}) {
        tagCell* cell = Cell(2, 2);
        cell->nFlags |= GCF_BADGE;
        cell->clrBadge = badge;
        cell->nBadge = kind;
        GridPicture pic(grid);
        const CRect r = grid.GetCellRect(2, 2);
        const CRect strip(r.left, r.top, r.left + 15, r.bottom);
        if (kind == 5) { // no letter: the whole square
            EXPECT_EQ(15 * r.Height(), pic.Count(strip, badge));
        } else {
            EXPECT_GT(pic.Count(strip, RGB(255, 255, 255)), 0);
            EXPECT_GT(pic.Count(strip, badge), 15 * r.Height() / 2);
        }
        EXPECT_EQ(0, pic.Count(CRect(r.left + 15, r.top, r.right, r.bottom), badge));
    }
}

TEST_F(GridDraw, CheckBoxBitmapFollowsTheCheckedFlag)
{
    grid.SetCheckControl(1, 1);
    const CRect r = grid.GetCellRect(1, 1);
    const CRect box(r.left + r.Width() / 2 - skin::kBoxWidth / 2, r.top + r.Height() / 2 - skin::kBoxHeight / 2, 0, 0);
    const int area = skin::kBoxWidth * skin::kBoxHeight;
    {
        GridPicture pic(grid);
        EXPECT_EQ(area, pic.Count(r, skin::kUnchecked));
        EXPECT_EQ(0, pic.Count(r, skin::kChecked));
        EXPECT_EQ(skin::kUnchecked, pic.Pixel(box.left, box.top)); // centred
    }
    grid.SetCheck(1, 1, 1, 0);
    GridPicture pic(grid);
    EXPECT_EQ(area, pic.Count(r, skin::kChecked));
    EXPECT_EQ(0, pic.Count(r, skin::kUnchecked));
}

TEST_F(GridDraw, CheckCaptionNeverCoversItsBox)
{
    grid.SetColumnWidth(1, 150);
    grid.SetCheckControl(1, 1);
    grid.SetCellText(1, 1, "WWWWWWWWWWWWWWWWWWWW");
    const CRect r = grid.GetCellRect(1, 1);
    const CRect box(r.left + 5, r.top + r.Height() / 2 - skin::kBoxHeight / 2, r.left + 5 + skin::kBoxWidth,
                    r.top + r.Height() / 2 - skin::kBoxHeight / 2 + skin::kBoxHeight);
    for (UINT align : {0u, 1u, 2u}) {
        grid.SetCellAlign(1, 1, align);
        GridPicture pic(grid);
        EXPECT_EQ(box.Width() * box.Height(), pic.Count(box, skin::kUnchecked)) << align;
        EXPECT_GT(pic.CountOther(CRect(box.right, r.top, r.right, r.bottom), skin::kBack), 0) << align;
    }
}

TEST_F(GridDraw, TextIsDrawnForEveryAlignmentCode)
{
    grid.SetColumnWidth(3, 120);
    grid.SetCellText(3, 1, "88");
    const CRect r = grid.GetCellRect(3, 1);
    const CRect leftThird(r.left, r.top, r.left + r.Width() / 3, r.bottom);
    const CRect rightThird(r.right - r.Width() / 3, r.top, r.right, r.bottom);
    const struct
    {
        UINT align;
        bool left, right; // where the text shows
    } cases[] = {{0, true, false}, {1, false, false}, {2, false, true},
                 {3, true, false}}; // a code the cell should not hold is written left-aligned
    for (const auto& c : cases) {
        grid.SetCellAlign(3, 1, c.align);
        GridPicture pic(grid);
        EXPECT_GT(pic.CountWhere(r, &Dark), 0) << c.align;
        EXPECT_EQ(c.left, pic.CountWhere(leftThird, &Dark) > 0) << c.align;
        EXPECT_EQ(c.right, pic.CountWhere(rightThird, &Dark) > 0) << c.align;
    }
}

TEST_F(GridDraw, MultilineTextKeepsItsPlaceAfterARightAlignedCell)
{
    // Cells are drawn column by column: the right-aligned header of column 3 comes just before
    // its left-aligned multiline cell, which lays out from the DC's own alignment.
    grid.SetColumnWidth(3, 120);
    grid.SetCellAlign(3, 0, 2);
    grid.SetCellText(3, 0, "88");
    grid.SetCellMultiline(3, 1, 1);
    grid.SetCellAlign(3, 1, 0);
    grid.SetCellText(3, 1, "88");
    const CRect r = grid.GetCellRect(3, 1);
    const CRect leftThird(r.left, r.top, r.left + r.Width() / 3, r.bottom);
    GridPicture pic(grid);
    EXPECT_GT(pic.CountWhere(leftThird, &Dark), 0);
}

TEST_F(GridDraw, MergedCellsDrawAsOne)
{
    grid.Merge(1, 1, 2, 2);
    grid.SetBackColor(1, 1, skin::kCustomId);
    grid.SetBackColor(2, 2, 207); // covered: never drawn
    GridPicture pic(grid);
    const CRect merged = grid.GetCellRect(1, 1);
    EXPECT_EQ(merged.Width() * merged.Height(), pic.Count(merged, skin::kCustom));
    EXPECT_EQ(skin::kCustom, pic.Pixel(120, 46)); // where the grid lines would cross
}

TEST_F(GridDraw, HiddenColumnsAreNotDrawn)
{
    grid.SetBackColor(2, 1, 4, 4, skin::kCustomId, 0);
    grid.SetBackColor(2, 1, 2, 4, 207, 0);
    grid.SetColumnVisible(2, 0);
    GridPicture pic(grid);
    EXPECT_EQ(0, pic.Count(CRect(0, 0, 320, 160), skin::kHighlight));
    EXPECT_EQ(skin::kCustom, pic.Pixel(130, 30)); // column 3 in column 2's place
}

TEST(GridDrawWithoutColours, MissingColoursDrawWithDefaults)
{
    GridSkin skin({101, 102, 103, 201, 202, 207, 301, 302});
    GridHost host;
    CGridTable& grid = host.grid;
    ASSERT_EQ(nullptr, grid.GetCellPtr(2, 2)->pBackColor);
    grid.SetCellText(2, 2, "888");
    grid.SetSign(2, 2, '2');
    grid.GetCellPtr(2, 2)->nFlags |= GCF_FRAME | GCF_HIGHLIGHT;
    grid.SetCellText(3, 2, "888");
    grid.SetCellStyle(3, 3, GCS_BAR);
    grid.GetCellPtr(3, 3)->dBarValue = 50;
    GridPicture pic(grid);
    EXPECT_EQ(RGB(255, 255, 255), pic.Pixel(62 + 60 * 2, 48 + 23)); // cell (3, 3) corner
    EXPECT_EQ(RGB(255, 255, 255), pic.Pixel(30, 10));               // header ground
    EXPECT_EQ(RGB(0, 0, 0), pic.Pixel(120, 30));                     // lines
    EXPECT_GT(pic.CountWhere(grid.GetCellRect(3, 2), &Dark), 0);     // text
}

} // namespace
