// The canvas's arithmetic without a window: region shares, placing regions stacked and in two
// columns, x to slot, slot to data index, and the style snapshot's keys.
#include <gtest/gtest.h>

#include "Canvas.h"

namespace
{

TEST(CanvasRegions, AddingRegionsSharesTheHeight)
{
    CCanvas canvas;
    const int first = canvas.AddRegion();
    EXPECT_FLOAT_EQ(1.0f, canvas.GetRegionRatio(first));
    const int second = canvas.AddRegion();
    EXPECT_FLOAT_EQ(2.0f / 3, canvas.GetRegionRatio(first));
    EXPECT_FLOAT_EQ(1.0f / 3, canvas.GetRegionRatio(second));
    const int third = canvas.AddRegion();
    EXPECT_FLOAT_EQ(0.5f, canvas.GetRegionRatio(first));
    EXPECT_FLOAT_EQ(0.25f, canvas.GetRegionRatio(second));
    EXPECT_FLOAT_EQ(0.25f, canvas.GetRegionRatio(third));
}

struct PlaceCase
{
    const char* what;
    int layoutKind, timeKind;
    std::vector<CanvasRegionShare> shares;
    std::vector<CRect> rects;
};

// Plot 400 x 300 at the origin, axes L 15 and R 60: regions span x 15 ... 340.
const PlaceCase kPlaceCases[] = {
    {"stacked 2/3, 1/3", 0, 0, {{TRUE, 2.0f / 3}, {TRUE, 1.0f / 3}}, {CRect(15, 0, 340, 200), CRect(15, 200, 340, 300)}},
    {"stacked 1/2, 1/4, 1/4",
     0,
     0,
     {{TRUE, 0.5f}, {TRUE, 0.25f}, {TRUE, 0.25f}},
     {CRect(15, 0, 340, 150), CRect(15, 150, 340, 225), CRect(15, 225, 340, 300)}},
    {"a hidden region takes no room",
     0,
     0,
     {{TRUE, 0.5f}, {FALSE, 0.25f}, {TRUE, 0.25f}},
     {CRect(15, 0, 340, 150), CRect(), CRect(15, 150, 340, 300)}},
    {"two columns, one region: the whole height", 1, 0, {{TRUE, 1.0f}}, {CRect(15, 0, 340, 300)}},
    {"two columns, three regions: one left, two right",
     1,
     0,
     {{TRUE, 0.5f}, {TRUE, 0.25f}, {TRUE, 0.25f}},
     {CRect(15, 0, 340, 300), CRect(415, 0, 740, 150), CRect(415, 150, 740, 300)}},
    {"two columns, four regions: two and two",
     1,
     0,
     {{TRUE, 0.25f}, {TRUE, 0.25f}, {TRUE, 0.25f}, {TRUE, 0.25f}},
     {CRect(15, 0, 340, 150), CRect(15, 150, 340, 300), CRect(415, 0, 740, 150), CRect(415, 150, 740, 300)}},
    {"the category layout always stacks",
     1,
     6,
     {{TRUE, 2.0f / 3}, {TRUE, 1.0f / 3}},
     {CRect(15, 0, 340, 200), CRect(15, 200, 340, 300)}},
};

class PlaceRegions : public ::testing::TestWithParam<PlaceCase>
{
};

TEST_P(PlaceRegions, Rectangles)
{
    const PlaceCase& c = GetParam();
    CArray<CanvasRegionShare, const CanvasRegionShare&> shares;
    for (const CanvasRegionShare& share : c.shares)
        shares.Add(share);
    CArray<CRect, const CRect&> rects;
    PlaceCanvasRegions(CRect(0, 0, 400, 300), 15, 60, c.layoutKind, c.timeKind, shares, rects);
    ASSERT_EQ(INT_PTR(c.rects.size()), rects.GetSize()) << c.what;
    for (size_t i = 0; i < c.rects.size(); ++i)
        EXPECT_EQ(c.rects[i], rects[INT_PTR(i)]) << c.what << ", region " << i;
}

INSTANTIATE_TEST_SUITE_P(Table, PlaceRegions, ::testing::ValuesIn(kPlaceCases));

struct SlotCase
{
    const char* what;
    int x, rightColumnLeft;
    float pixelsPerSlot;
    int count, slot;
};

// Plot left 0, L 15: the first slot starts at x 15.
const SlotCase kSlotCases[] = {
    {"left of the plot: slot 0", 0, 0, 10.0f, 20, 0},
    {"far left: slot 0", -500, 0, 10.0f, 20, 0},
    {"the first slot's first pixel", 15, 0, 10.0f, 20, 0},
    {"inside the second slot", 34, 0, 10.0f, 20, 1},
    {"right of the plot: the last slot", 1000, 0, 10.0f, 20, 19},
    {"fractional widths truncate", 40, 0, 2.5f, 20, 10},
    {"right column measured from its own edge", 420, 400, 10.0f, 20, 0},
    {"right column further in", 500, 400, 10.0f, 20, 8},
    {"no pixels per slot yet", 100, 0, 0.0f, 20, 0},
    {"no display count", 100, 0, 10.0f, 0, 0},
};

class SlotOfX : public ::testing::TestWithParam<SlotCase>
{
};

TEST_P(SlotOfX, Clamped)
{
    const SlotCase& c = GetParam();
    EXPECT_EQ(c.slot, CanvasSlotOfX(c.x, 0, 15, c.rightColumnLeft, c.pixelsPerSlot, c.count)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, SlotOfX, ::testing::ValuesIn(kSlotCases));

TEST(CanvasSlots, SlotZeroIsTheNewestShownItem)
{
    EXPECT_EQ(89, CanvasDataIndex(100, 10, 0));
    EXPECT_EQ(0, CanvasDataIndex(100, 10, 89));
    EXPECT_EQ(99, CanvasDataIndex(100, 0, 0));
}

struct KeyCase
{
    int region, object;
    const char* key;
};

const KeyCase kKeys[] = {
    {0, 0, "000:000"}, {12, 3, "012:003"}, {1, 1000, "001:1000"}, {1000, 1, "1000:001"}, {100, 11, "100:011"},
};

class StyleKey : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(StyleKey, MadeAndSplitBack)
{
    const KeyCase& c = GetParam();
    EXPECT_EQ(CString(c.key), ObjectStyleKey(c.region, c.object));
    int region = -1, object = -1;
    ASSERT_TRUE(SplitObjectStyleKey(c.key, region, object));
    EXPECT_EQ(c.region, region);
    EXPECT_EQ(c.object, object);
}

INSTANTIATE_TEST_SUITE_P(Table, StyleKey, ::testing::ValuesIn(kKeys));

TEST(StyleKeys, KeysOfTwoObjectsNeverMeet)
{
    // The six-digit form gave region 1, object 1000 and region 10, object 100 one key.
    EXPECT_NE(ObjectStyleKey(1, 1000), ObjectStyleKey(10, 100));
    EXPECT_NE(ObjectStyleKey(1, 1000), ObjectStyleKey(11, 0));
}

TEST(StyleKeys, OtherTextsAreNotKeys)
{
    for (const char* text : {"0011000", "1:2", "001:", ":001", "abc", "001:002x", "-01:002", "", " 001:002"})
    {
        int region = 7, object = 7;
        EXPECT_FALSE(SplitObjectStyleKey(text, region, object)) << text;
        EXPECT_EQ(7, region) << text;
    }
    int region = 0, object = 0;
    EXPECT_FALSE(SplitObjectStyleKey(nullptr, region, object));
}

} // namespace
