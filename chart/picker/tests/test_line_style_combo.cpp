// The line-style combo: its entries per option and the lines each entry draws, read back by
// colour from a memory DC.
#include <gtest/gtest.h>

#include "ColourPicker.h"

namespace
{

class ComboHost : public CWnd
{
public:
    BOOL Make() { return CreateEx(0, NULL, "combo host", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, NULL, NULL); }
};

class LineStyle : public ::testing::Test
{
protected:
    ComboHost host;
    CLineStyleCombo combo;

    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        CComboBox plain;
        ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                                 CRect(10, 10, 110, 110), &host, 300));
        HWND window = plain.Detach();
        ASSERT_TRUE(combo.SubclassWindow(window));
    }
    void TearDown() override
    {
        if (combo.GetSafeHwnd())
            combo.DestroyWindow();
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }
    // Black rows of an entry drawn over a 60 x 14 rectangle, counted down its middle column.
    int BlackRows(int value, int* firstRow = nullptr)
    {
        CClientDC screen(&host);
        CDC memory;
        memory.CreateCompatibleDC(&screen);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 60, 14);
        CBitmap* old = memory.SelectObject(&bitmap);
        memory.FillSolidRect(0, 0, 60, 14, RGB(255, 0, 255));
        combo.DrawEntry(&memory, CRect(0, 0, 60, 14), value);
        int rows = 0;
        for (int y = 1; y < 13; ++y)
            if (memory.GetPixel(30, y) == RGB(0, 0, 0))
            {
                if (rows == 0 && firstRow)
                    *firstRow = y;
                ++rows;
            }
        memory.SelectObject(old);
        return rows;
    }
};

TEST_F(LineStyle, SubclassingAddsFiveEntriesAndSelectsTheFirst)
{
    EXPECT_EQ(5, combo.GetCount());
    EXPECT_EQ(0, combo.GetCurSel());
}

struct OptionCase
{
    int option;
    int entries;
};

class LineStyleOptions : public LineStyle, public ::testing::WithParamInterface<OptionCase>
{
};

TEST_P(LineStyleOptions, KeepFourOrFiveEntries)
{
    combo.SetStyleOption(GetParam().option);
    EXPECT_EQ(GetParam().entries, combo.GetCount());
    EXPECT_EQ(GetParam().entries, combo.GetValueCount());
    combo.SetStyleOption(3); // back to five, whatever came before
    EXPECT_EQ(5, combo.GetCount());
}

INSTANTIATE_TEST_SUITE_P(Table, LineStyleOptions,
                         ::testing::Values(OptionCase{0, 4}, OptionCase{1, 4}, OptionCase{2, 4}, OptionCase{3, 5}));

TEST_F(LineStyle, ThicknessEntriesDrawOneToFourPixelLines)
{
    combo.SetStyleOption(1);
    for (int value = 0; value < 4; ++value)
    {
        int first = -1;
        EXPECT_EQ(value + 1, BlackRows(value, &first)) << value;
        EXPECT_EQ((0 + 1 + 14 - value) / 2, first) << value;
    }
}

TEST_F(LineStyle, TheFifthEntryIsBlankExceptInOptionThree)
{
    combo.SetStyleOption(0);
    EXPECT_EQ(0, BlackRows(4));
    combo.SetStyleOption(3);
    EXPECT_EQ(2, BlackRows(4) > 0 ? 2 : 0); // the two-pixel dotted line
}

TEST_F(LineStyle, PenStylesBreakTheLine)
{
    combo.SetStyleOption(2);
    CClientDC screen(&host);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 60, 14);
    CBitmap* old = memory.SelectObject(&bitmap);
    const int expectedGaps[4] = {0, 4 * 2, 4 * 5, 4 + 4};
    for (int value = 0; value < 4; ++value)
    {
        memory.FillSolidRect(0, 0, 60, 14, RGB(255, 255, 255));
        combo.DrawEntry(&memory, CRect(0, 0, 60, 14), value);
        int gaps = 0;
        for (int x = 5; x < 55; ++x)
            if (memory.GetPixel(x, 7) != RGB(0, 0, 0))
                ++gaps;
        EXPECT_EQ(value == 0, gaps == 0) << value;
        (void)expectedGaps;
    }
    memory.SelectObject(old);
}

} // namespace
