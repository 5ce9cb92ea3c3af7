// The skin cache answers names and ids from the library's own resources.
#include <gtest/gtest.h>

#include "SkinCache.h"

namespace
{

struct NamedImage
{
    const char* name;
    DWORD id;
    int width;
    int height;
};

const NamedImage kImages[] = {
    {SKIN_SLIDE_BODY, 6017, 80, 16},    {SKIN_SLIDE_BLOCK, 6018, 9, 12},   {SKIN_SHOWTYPE_BTN, 6019, 16, 16},
    {SKIN_SEARCH_BTN, 6020, 16, 16},    {SKIN_SCROLL_THUMB, 6021, 16, 16}, {SKIN_SCROLL_RIGHT, 6022, 16, 16},
    {SKIN_SCROLL_LEFT, 6023, 16, 16},   {SKIN_SCROLL_CHANNEL, 6024, 16, 16}, {SKIN_PIN_BTN, 6025, 16, 16},
    {SKIN_LINE_BTN, 6026, 16, 16},      {SKIN_EXCEL_BTN, 6027, 16, 16},    {SKIN_DATANUM_BTN, 6028, 16, 16},
    {SKIN_CROSS_BTN, 6029, 16, 16},     {SKIN_CONFIG_BTN, 6030, 16, 16},
};

class SkinImage : public ::testing::TestWithParam<NamedImage>
{
};

TEST_P(SkinImage, NameGivesIdAndIdGivesTheLoadedBitmap)
{
    CSkinCache cache;
    cache.Load();
    const NamedImage& image = GetParam();
    EXPECT_EQ(image.id, cache.GetID(image.name));
    HBITMAP bitmap = cache.GetBitmap(image.id);
    ASSERT_NE(nullptr, bitmap);
    BITMAP info = {};
    ASSERT_NE(0, ::GetObject(bitmap, sizeof info, &info));
    EXPECT_EQ(image.width, info.bmWidth);
    EXPECT_EQ(image.height, info.bmHeight);
}

INSTANTIATE_TEST_SUITE_P(AllFourteen, SkinImage, ::testing::ValuesIn(kImages));

TEST(SkinCache, NamesCompareExactly)
{
    CSkinCache cache;
    cache.Load();
    EXPECT_EQ(0u, cache.GetID("control/chart/#chart_pin_btn.bmp"));
    EXPECT_EQ(0u, cache.GetID("Control/Chart/#CHART_PIN_BTN.BMP"));
    EXPECT_EQ(0u, cache.GetID(""));
}

TEST(SkinCache, UnknownIdsAndAnUnloadedCacheGiveNoBitmap)
{
    CSkinCache cache;
    EXPECT_EQ(nullptr, cache.GetBitmap(6017));
    EXPECT_EQ(0u, cache.GetID(SKIN_PIN_BTN));
    cache.Load();
    EXPECT_EQ(nullptr, cache.GetBitmap(6016));
    EXPECT_EQ(nullptr, cache.GetBitmap(6031));
    cache.Load(); // again: the earlier bitmaps are freed, the new ones answer
    EXPECT_NE(nullptr, cache.GetBitmap(6030));
}

TEST(SkinCache, ButtonImagesInTheBarsOrder)
{
    CSkinCache cache;
    cache.Load();
    const DWORD expected[8] = {6025, 6026, 6030, 6029, 6020, 6028, 6019, 6027};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], cache.GetID(g_szChartButtonImages[i])) << i;
}

} // namespace
