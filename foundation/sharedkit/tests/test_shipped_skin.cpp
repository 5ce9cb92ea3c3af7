// The shipped skin ("colormap.xml" and "ResourceMap.xml" in System\, group "default"): every id
// the foundation asks for is there, every bitmap loads, and text stays readable on its ground.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "InstallFolders.h"
#include "SharedKit.h"
#include "skin_fixture.h"

namespace {

class ShippedSkin : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default"));
        ASSERT_TRUE(GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default"));
    }
    void TearDown() override
    {
        GetColorMap()->Release();
        GetResourceMap()->Release();
    }

    ComScope com;
};

double Luminance(COLORREF c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
}

double Contrast(COLORREF a, COLORREF b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

CSize SizeOf(WORD id)
{
    CBitmap* bitmap = CResourceMap::GetBitmap(id);
    BITMAP info = {};
    if (bitmap == nullptr || bitmap->GetSafeHandle() == nullptr || !bitmap->GetBitmap(&info))
        return CSize(0, 0);
    return CSize(info.bmWidth, info.bmHeight);
}

TEST_F(ShippedSkin, HoldsEveryColourOfTheFoundationWithoutErrors)
{
    const WORD ids[] = {101, 102, 103, 201, 202, 203, 204, CLR_VIEW_BACKGROUND, 301, 631, 632, 633};
    for (WORD id : ids)
        EXPECT_NE(nullptr, CColorMap::GetColorInfo(id)) << id;
    EXPECT_EQ(0, GetColorMap()->GetLoadErrors().GetSize());
}

TEST_F(ShippedSkin, GridTextIsReadableOnItsGrounds)
{
    struct
    {
        WORD text, ground;
    } const pairs[] = {{101, 201}, {102, 201}, {103, 201}, {101, 202}, {102, 203}, {103, 204},
                       {633, 631}, {633, 632}}; // tab text on selected and unselected tabs
    for (const auto& p : pairs)
        EXPECT_GE(Contrast(CColorMap::GetColor(p.text), CColorMap::GetColor(p.ground)), 4.5)
            << p.text << " on " << p.ground;
}

TEST_F(ShippedSkin, EveryBitmapOfTheFoundationLoads)
{
    EXPECT_EQ(0, GetResourceMap()->GetLoadErrors().GetSize());
    for (WORD id = 112; id <= 140; ++id)
        EXPECT_NE(0, SizeOf(id).cx) << id;
    for (WORD id = 501; id <= 503; ++id)
        EXPECT_NE(0, SizeOf(id).cx) << id;
    // The controls' push buttons, combo arrows and spin arrows.
    const WORD controls[] = {913, 914, 915, 919, 920, 921, 922, 923, 924};
    for (WORD id : controls)
        EXPECT_NE(0, SizeOf(id).cx) << id;
}

// Each library adds its ids to the shared maps; one id given twice silently loses one of the two.
TEST(ShippedSkinIds, NoIdIsGivenTwice)
{
    struct
    {
        const char* file;
        const char* element;
    } const maps[] = {{"ResourceMap.xml", "<IMAGE "}, {"colormap.xml", "<COLOR "}};
    for (const auto& m : maps) {
        std::ifstream in(std::string(GetSystemDir()) + m.file, std::ios::binary);
        ASSERT_TRUE(in.good()) << m.file;
        std::stringstream text;
        text << in.rdbuf();
        const std::string all = text.str();
        std::map<std::string, int> seen;
        for (size_t at = all.find(m.element); at != std::string::npos; at = all.find(m.element, at + 1)) {
            const size_t id = all.find("id=\"", at);
            ASSERT_NE(std::string::npos, id);
            const size_t end = all.find('"', id + 4);
            ++seen[all.substr(id + 4, end - id - 4)];
        }
        EXPECT_GT(seen.size(), 10u) << m.file;
        for (const auto& entry : seen)
            EXPECT_EQ(1, entry.second) << m.file << ": id " << entry.first;
    }
}

TEST_F(ShippedSkin, TitleBarImagesFitTheCaption)
{
    // Caption grounds are drawn unscaled across the whole caption.
    for (WORD id = 128; id <= 131; ++id) {
        EXPECT_EQ(26, SizeOf(id).cy) << id;
        EXPECT_GE(SizeOf(id).cx, 1920) << id;
    }
    // Each button's three looks share one size and fit below the caption's top 8 pixels.
    const WORD buttons[][3] = {{132, 133, 134}, {135, 136, 137}, {138, 139, 140}, {112, 113, 114},
                               {121, 122, 123}, {115, 116, 117}, {124, 125, 126}, {118, 119, 120}};
    for (const auto& b : buttons) {
        const CSize normal = SizeOf(b[0]);
        EXPECT_LE(8 + normal.cy, 26) << b[0];
        EXPECT_EQ(normal, SizeOf(b[1])) << b[1];
        EXPECT_EQ(normal, SizeOf(b[2])) << b[2];
    }
}

} // namespace
