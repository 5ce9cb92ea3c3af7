// Cell content and appearance: text buffers, the style-to-colour and fixed-text rules, the
// sign codes, clearing that keeps fixed texts, and header cells made at creation.
#include <gtest/gtest.h>

#include <string>

#include "grid_fixture.h"

namespace {

class GridCells : public ::testing::Test
{
protected:
    GridSkin skin;
    GridHost host;
    CGrid& grid = host.grid;

    COLORREF Back(UINT c, UINT r) { return grid.GetCellPtr(c, r)->pBackColor->m_clrColor; }
    UINT Flags(UINT c, UINT r) { return grid.GetCellPtr(c, r)->nFlags; }
};

TEST_F(GridCells, CreationMakesHeaderRowsAndColumnsAndCentredBodyCells)
{
    for (UINT c = 0; c < 5; ++c) {
        for (UINT r = 0; r < 5; ++r) {
            const tagCell* cell = grid.GetCellPtr(c, r);
            if (c == 0 || r == 0) {
                EXPECT_EQ(GCS_HEADER | GCF_FIXTEXT | 1u, cell->nFlags) << c << "," << r;
                EXPECT_EQ(skin::kHeaderBack, cell->pBackColor->m_clrColor);
            } else {
                EXPECT_EQ(1u, cell->nFlags);
                EXPECT_EQ(skin::kBack, cell->pBackColor->m_clrColor);
                EXPECT_EQ(skin::kFore, cell->pForeColor->m_clrColor);
                EXPECT_EQ(skin::kBack, cell->clrBadge);
                EXPECT_EQ(32, cell->nBufSize);
            }
        }
    }
}

TEST_F(GridCells, TextReplacesTheBufferAndBufferLengthEmptiesIt)
{
    ASSERT_EQ(1, grid.SetCellText(2, 2, "1,234"));
    EXPECT_EQ(CString("1,234"), grid.GetCellText(2, 2));
    EXPECT_EQ(6, grid.GetCellPtr(2, 2)->nBufSize);
    const std::string longText(100, 'x');
    grid.SetCellText(2, 2, longText.c_str());
    EXPECT_EQ(101, grid.GetCellPtr(2, 2)->nBufSize);
    EXPECT_EQ(longText, std::string(grid.GetBuffer(2, 2)));
    ASSERT_EQ(1, grid.SetBufferLength(2, 2, 10));
    EXPECT_EQ(10, grid.GetCellPtr(2, 2)->nBufSize);
    EXPECT_STREQ("", grid.GetBuffer(2, 2));
    EXPECT_EQ(1, grid.SetCellData(3, 3, -77));
    EXPECT_EQ(-77, grid.GetCellData(3, 3));
}

struct StyleCase
{
    UINT style;
    COLORREF back;
    bool fixedText;
};

TEST_F(GridCells, StyleSetsBackColourAndFixedText)
{
    // One cell through every transition, in order: each step holds whatever came before.
    const StyleCase steps[] = {
        {GCS_HEADER, skin::kHeaderBack, true}, {GCS_CHECK, skin::kBack, true}, {GCS_TEXT, skin::kBack, false},
        {GCS_BUTTON, skin::kBack, true},       {GCS_BAR, skin::kBack, true},   {GCS_EDIT, skin::kBack, false},
        {0x300, skin::kBack, true},            {GCS_HEADER, skin::kHeaderBack, true},
    };
    grid.SetBackColor(2, 2, skin::kCustomId);
    for (const StyleCase& s : steps) {
        ASSERT_EQ(1, grid.SetCellStyle(2, 2, s.style));
        EXPECT_EQ(s.style, Flags(2, 2) & GCF_STYLE_MASK);
        EXPECT_EQ(s.back, Back(2, 2)) << std::hex << s.style;
        EXPECT_EQ(s.fixedText, (Flags(2, 2) & GCF_FIXTEXT) != 0) << std::hex << s.style;
    }
}

TEST_F(GridCells, RangeFormsChangeEveryCellOfTheRange)
{
    ASSERT_EQ(1, grid.SetCellStyle(1, 1, 2, 3, GCS_BAR, 0));
    ASSERT_EQ(1, grid.SetCellAlign(1, 1, 2, 3, 2, 0));
    ASSERT_EQ(1, grid.SetBarAlign(1, 1, 2, 3, GCF_BARALIGN_RIGHT, 0));
    ASSERT_EQ(1, grid.SetBackColor(1, 1, 2, 3, skin::kCustomId, 0));
    for (UINT c = 1; c <= 4; ++c) {
        for (UINT r = 1; r <= 4; ++r) {
            const bool in = c <= 2 && r <= 3;
            EXPECT_EQ(in ? GCS_BAR : GCS_TEXT, Flags(c, r) & GCF_STYLE_MASK);
            EXPECT_EQ(in ? 2u : 1u, Flags(c, r) & GCF_ALIGN_MASK);
            EXPECT_EQ(in ? GCF_BARALIGN_RIGHT : 0u, Flags(c, r) & GCF_BARALIGN_MASK);
            EXPECT_EQ(in ? skin::kCustom : skin::kBack, Back(c, r));
        }
    }
}

TEST_F(GridCells, CheckAndButtonControls)
{
    ASSERT_EQ(1, grid.SetCheckControl(1, 1));
    EXPECT_EQ(GCS_CHECK | GCF_FIXTEXT, Flags(1, 1) & (GCF_STYLE_MASK | GCF_FIXTEXT));
    ASSERT_EQ(1, grid.SetButtonControl(2, 1));
    EXPECT_EQ(GCS_BUTTON | GCF_FIXTEXT, Flags(2, 1) & (GCF_STYLE_MASK | GCF_FIXTEXT));
    EXPECT_EQ(skin::kButtonBack, Back(2, 1));
    EXPECT_EQ(1, grid.SetCheck(1, 1, 1, 0));
    EXPECT_EQ(1, grid.IsChecked(1, 1));
    EXPECT_EQ(1, grid.SetCellHighlight(3, 3, 1));
    EXPECT_EQ(1, grid.IsCellHighlight(3, 3));
}

struct SignCase
{
    char sign;
    UINT before;
    UINT after;
};

TEST_F(GridCells, SignCodesSetTheSignBits)
{
    const SignCase cases[] = {
        {'1', 0, GCF_SIGN_CEILING},       {'2', 0, GCF_SIGN_UP},          {'4', 0, GCF_SIGN_FLOOR},
        {'5', 0, GCF_SIGN_DOWN},          {'2', GCF_SIGN_DOWN, GCF_SIGN_UP}, {'3', GCF_SIGN_UP, 0},
        {'3', GCF_SIGN_FLOOR, 0},         {'6', GCF_SIGN_UP, GCF_SIGN_UP}, {'0', GCF_SIGN_DOWN, GCF_SIGN_DOWN},
        {' ', GCF_SIGN_CEILING, GCF_SIGN_CEILING},
    };
    for (const SignCase& c : cases) {
        tagCell* cell = grid.GetCellPtr(2, 2);
        cell->nFlags = (cell->nFlags & ~GCF_SIGN_MASK) | c.before;
        grid.SetSign(2, 2, c.sign);
        EXPECT_EQ(c.after, cell->nFlags & GCF_SIGN_MASK) << "'" << c.sign << "' after 0x" << std::hex << c.before;
        EXPECT_EQ(1u, cell->nFlags & ~GCF_SIGN_MASK); // nothing else changes
    }
}

TEST_F(GridCells, FlagSettersTurnTheirBitOnAndOff)
{
    const struct
    {
        int (CGrid::*set)(UINT, UINT, int);
        UINT flag;
    } setters[] = {{&CGrid::SetCellBoldFont, GCF_BOLD},
                   {&CGrid::SetCellMultiline, GCF_MULTILINE},
                   {&CGrid::SetCellFixText, GCF_FIXTEXT}};
    for (const auto& s : setters) {
        EXPECT_EQ(1, (grid.*s.set)(3, 2, 1));
        EXPECT_EQ(s.flag, Flags(3, 2) & s.flag);
        EXPECT_EQ(1, (grid.*s.set)(3, 2, 0));
        EXPECT_EQ(0u, Flags(3, 2) & s.flag);
    }
    EXPECT_EQ(1, grid.SetNoSelect(1, 1, 2, 2, 1));
    EXPECT_EQ(GCF_NOSELECT, Flags(2, 2) & GCF_NOSELECT);
    EXPECT_EQ(0u, Flags(3, 2) & GCF_NOSELECT);
}

TEST_F(GridCells, ClearedTextKeepsFixedTextAndUnchecksEveryCheckBox)
{
    grid.SetCellText(1, 0, "코인명");         // header row
    grid.SetCellText(0, 2, "BTC");            // header column
    grid.SetCellText(2, 2, "1,000");
    grid.SetSign(2, 2, '2');
    grid.SetCheckControl(3, 2);
    grid.SetCellText(3, 2, "자동");           // a check box's caption
    grid.SetCheck(3, 2, 1, 0);
    grid.SetCellText(4, 3, "고정");
    grid.SetCellFixText(4, 3, 1);
    grid.SetSign(4, 3, '5');

    grid.ClearCellText(1);

    EXPECT_EQ(CString("코인명"), grid.GetCellText(1, 0));
    EXPECT_EQ(CString("BTC"), grid.GetCellText(0, 2));
    EXPECT_EQ(CString(""), grid.GetCellText(2, 2));
    EXPECT_EQ(0u, Flags(2, 2) & GCF_SIGN_MASK);
    EXPECT_EQ(6, grid.GetCellPtr(2, 2)->nBufSize); // the buffer is zeroed, not freed
    EXPECT_EQ(CString("자동"), grid.GetCellText(3, 2));
    EXPECT_EQ(0, grid.IsChecked(3, 2));
    EXPECT_EQ(CString("고정"), grid.GetCellText(4, 3));
    EXPECT_EQ(GCF_SIGN_DOWN, Flags(4, 3) & GCF_SIGN_MASK);
}

TEST_F(GridCells, ColourIdsMissingFromTheMapGiveNoEntry)
{
    ASSERT_EQ(1, grid.SetBackColor(2, 2, 999));
    EXPECT_EQ(nullptr, grid.GetCellPtr(2, 2)->pBackColor);
    EXPECT_EQ(skin::kBorder, grid.GetBorderColor());
    grid.SetBorderColor(998);
    EXPECT_EQ(RGB(0, 0, 0), grid.GetBorderColor());
}

} // namespace
