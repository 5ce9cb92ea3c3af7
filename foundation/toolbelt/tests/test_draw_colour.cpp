// Colour-space conversions between RGB and packed hue/lightness/saturation.
#include <gtest/gtest.h>

#include <stdlib.h>

#include "Draw.h"

namespace {

struct HlsCase
{
    COLORREF rgb;
    DWORD hls;
};

class RgbToHls : public ::testing::TestWithParam<HlsCase>
{
};

TEST_P(RgbToHls, PacksHueLightnessAndSaturation)
{
    const DWORD hls = CDraw::RGB2HLS(GetParam().rgb);
    EXPECT_EQ(hls, GetParam().hls) << "H " << int(HLS_H(hls)) << " L " << int(HLS_L(hls)) << " S "
                                   << int(HLS_S(hls));
}

INSTANTIATE_TEST_SUITE_P(Colours, RgbToHls,
                         ::testing::Values(HlsCase{RGB(0, 0, 0), HLS(0, 0, 0)},
                                           HlsCase{RGB(255, 255, 255), HLS(0, 255, 0)},
                                           // red: the hue comes out as a full turn (360 degrees)
                                           HlsCase{RGB(255, 0, 0), HLS(255, 127, 255)},
                                           HlsCase{RGB(0, 255, 0), HLS(85, 127, 255)},
                                           HlsCase{RGB(0, 0, 255), HLS(170, 127, 255)},
                                           // red and green both maximal: the green rule wins
                                           HlsCase{RGB(255, 255, 0), HLS(42, 127, 255)},
                                           HlsCase{RGB(255, 128, 0), HLS(21, 127, 255)},
                                           // above half lightness the saturation uses 510 - max - min
                                           HlsCase{RGB(255, 192, 192), HLS(255, 223, 255)}));

TEST(HlsToRgb, WithoutSaturationIsTheGreyOfTheLightnessByte)
{
    for (int h : {0, 77, 255})
        for (int l : {0, 1, 100, 200, 255})
            EXPECT_EQ(CDraw::HLS2RGB(HLS(h, l, 0)), RGB(l, l, l)) << h << " " << l;
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return abs(GetRValue(a) - GetRValue(b)) <= tolerance && abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TEST(HlsToRgb, ReturnsTheColoursThatWereConverted)
{
    for (COLORREF c : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(200, 100, 50), RGB(10, 120, 240),
                       RGB(49, 106, 197), RGB(250, 250, 10)}) {
        const COLORREF back = CDraw::HLS2RGB(CDraw::RGB2HLS(c));
        EXPECT_TRUE(Near(back, c, 4)) << std::hex << c << " came back as " << back;
    }
}

struct ChannelCase
{
    float hue;
    BYTE expected;
};

class ToRgb : public ::testing::TestWithParam<ChannelCase>
{
};

TEST_P(ToRgb, RisesHoldsFallsAndWrapsOnce)
{
    EXPECT_EQ(CDraw::_ToRGB(0.0f, 1.0f, GetParam().hue), GetParam().expected) << GetParam().hue;
}

INSTANTIATE_TEST_SUITE_P(Hues, ToRgb,
                         ::testing::Values(ChannelCase{0.0f, 0}, ChannelCase{30.0f, 127}, ChannelCase{60.0f, 255},
                                           ChannelCase{179.0f, 255}, ChannelCase{210.0f, 127},
                                           ChannelCase{240.0f, 0}, ChannelCase{300.0f, 0},
                                           ChannelCase{390.0f, 127}, ChannelCase{-330.0f, 127},
                                           ChannelCase{-60.0f, 0}));

struct TransformCase
{
    COLORREF in;
    int lightness, saturation;
    COLORREF out;
};

class HlsTransform : public ::testing::TestWithParam<TransformCase>
{
};

TEST_P(HlsTransform, MovesLightnessTowardsTheEnds)
{
    const TransformCase& c = GetParam();
    EXPECT_EQ(CDraw::HLS_TRANSFORM(c.in, c.lightness, c.saturation), c.out);
}

INSTANTIATE_TEST_SUITE_P(Greys, HlsTransform,
                         ::testing::Values(TransformCase{RGB(100, 100, 100), 50, 0, RGB(177, 177, 177)},
                                           TransformCase{RGB(100, 100, 100), -50, 0, RGB(50, 50, 50)},
                                           TransformCase{RGB(100, 100, 100), 0, 0, RGB(100, 100, 100)},
                                           TransformCase{RGB(100, 100, 100), 100, 0, RGB(255, 255, 255)},
                                           TransformCase{RGB(100, 100, 100), -100, 0, RGB(0, 0, 0)},
                                           // beyond a full move the value stays at the end
                                           TransformCase{RGB(100, 100, 100), 250, 0, RGB(255, 255, 255)},
                                           TransformCase{RGB(100, 100, 100), -250, 0, RGB(0, 0, 0)}));

TEST(HlsTransformColour, KeepsTheHue)
{
    const COLORREF lighter = CDraw::HLS_TRANSFORM(RGB(0, 0, 200), 50, 0);
    const DWORD before = CDraw::RGB2HLS(RGB(0, 0, 200)), after = CDraw::RGB2HLS(lighter);
    EXPECT_NEAR(HLS_H(after), HLS_H(before), 1);
    EXPECT_GT(HLS_L(after), HLS_L(before));
    EXPECT_NEAR(HLS_S(after), HLS_S(before), 2);
    // Less saturation moves a colour towards grey.
    const COLORREF greyer = CDraw::HLS_TRANSFORM(RGB(0, 0, 200), 0, -100);
    EXPECT_TRUE(Near(greyer, RGB(100, 100, 100), 1)) << std::hex << greyer;
}

} // namespace
