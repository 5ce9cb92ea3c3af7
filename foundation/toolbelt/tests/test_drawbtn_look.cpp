// The owner-drawn button's looks read back from a memory DC, and the bitmap variant.
#include <gtest/gtest.h>

#include <msgbox_recorder.h>

#include "Draw.h"
#include "DrawBtn.h"
#include "bmp_file.h"
#include "canvas.h"
#include "temp_dir.h"

namespace {

const COLORREF kBack = RGB(1, 2, 3);

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

COLORREF FlatFill(int light, int saturation)
{
    const DWORD hls = CDraw::RGB2HLS(Sys(COLOR_HIGHLIGHT));
    const int l = HLS_L(hls), s = HLS_S(hls);
    return CDraw::HLS2RGB(HLS(HLS_H(hls), l + (255 - l) * light / 100, s * saturation / 100));
}

// Pixels that must have a colour after drawing a button at (5, 5, 25, 25) (spin buttons at
// (5, 5, 25, 45)) in a state.
struct LookCase
{
    const char* name;
    DWORD style, state;
    bool spin;
    std::vector<std::pair<CPoint, COLORREF>> pixels;
    std::vector<CPoint> untouched;
};

class DrawButtonLook : public ::testing::TestWithParam<LookCase>
{
};

TEST_P(DrawButtonLook, PaintsFrameFillAndGlyph)
{
    const LookCase& c = GetParam();
    Canvas canvas(40, 50, kBack);
    const CRect rect(5, 5, 25, c.spin ? 45 : 25);
    CDrawBtn button(c.style, &rect);
    button.Draw(canvas.DC(), c.state);
    for (const auto& p : c.pixels)
        EXPECT_EQ(canvas.Pixel(p.first.x, p.first.y), p.second) << p.first.x << "," << p.first.y;
    for (const CPoint& p : c.untouched)
        EXPECT_EQ(canvas.Pixel(p.x, p.y), kBack) << p.x << "," << p.y;
}

std::vector<LookCase> LookCases()
{
    const COLORREF text = Sys(COLOR_BTNTEXT), grey = Sys(COLOR_GRAYTEXT), face = Sys(COLOR_BTNFACE);
    const COLORREF over = FlatFill(70, 43), pushed = FlatFill(50, 50), highlight = Sys(COLOR_HIGHLIGHT);
    return {
        // Centred, one pixel lower: the up triangle's apex at (15, 13), four rows.
        {"Up", DBS_UP, 0, false, {{{15, 13}, text}, {{14, 14}, text}, {{12, 16}, text}, {{15, 12}, face}}, {}},
        // Pushed: one further down and one to the right.
        {"UpPushed", DBS_UP, DBS_UP | DBS_PUSHED, false, {{{16, 14}, text}, {{15, 13}, face}}, {}},
        {"UpDisabled", DBS_UP | DBS_DISABLED, 0, false, {{{15, 13}, grey}}, {}},
        {"Down", DBS_DOWN, 0, false, {{{15, 16}, text}, {{12, 13}, text}, {{15, 17}, face}}, {}},
        {"Cross", DBS_CROSS, 0, false, {{{11, 11}, text}, {{13, 13}, text}, {{16, 13}, text}, {{15, 8}, face}}, {}},
        {"Edge", DBS_UP | DBS_EDGE, 0, false, {{{24, 5}, Sys(COLOR_3DDKSHADOW)}, {{5, 15}, face}, {{15, 5}, face}}, {}},
        // Flat: a highlight frame round the over fill, a black glyph two pixels lower.
        {"FlatOver", DBS_UP | DBS_FLAT | DBS_OVER, 0, false,
         {{{5, 5}, highlight}, {{24, 24}, highlight}, {{7, 7}, over}, {{15, 14}, RGB(0, 0, 0)}}, {}},
        {"FlatOverPushed", DBS_UP | DBS_FLAT | DBS_OVER, DBS_UP | DBS_FLAT | DBS_OVER | DBS_PUSHED, false,
         {{{5, 5}, highlight}, {{7, 7}, pushed}, {{15, 14}, RGB(240, 240, 240)}}, {}},
        {"FlatOverDisabled", DBS_UP | DBS_FLAT | DBS_OVER | DBS_DISABLED, 0, false,
         {{{5, 5}, Sys(COLOR_WINDOW)}, {{7, 7}, face}, {{15, 14}, grey}}, {}},
        {"Flat", DBS_UP | DBS_FLAT, 0, false, {{{5, 5}, Sys(COLOR_WINDOW)}, {{7, 7}, face}, {{15, 14}, text}}, {}},
        {"FlatWithEdge", DBS_UP | DBS_FLAT | DBS_EDGE, 0, false, {{{5, 5}, Sys(COLOR_BTNSHADOW)}, {{7, 7}, face}}, {}},
        {"FlatWithoutFrame", DBS_UP | DBS_FLAT | DBS_FLATNOFRAME, 0, false, {{{15, 14}, text}},
         {{5, 5}, {7, 7}, {20, 20}}},
        // Spin: an up triangle at a quarter, a down one at three quarters, a line between.
        {"Spin", DBS_SPIN, 0, true, {{{15, 14}, text}, {{14, 16}, text}, {{15, 36}, text}, {{14, 34}, text},
                                     {{15, 25}, Sys(COLOR_BTNSHADOW)}}, {}},
        {"SpinLowerPushed", DBS_SPIN, DBS_SPIN | DBS_PUSHEDLOW, true,
         {{{15, 14}, text}, {{16, 36}, text}, {{15, 13}, face}}, {}},
    };
}

INSTANTIATE_TEST_SUITE_P(Looks, DrawButtonLook, ::testing::ValuesIn(LookCases()),
                         [](const ::testing::TestParamInfo<LookCase>& info) { return info.param.name; });

TEST(DrawButton, CopiesKeepStyleAndRectangle)
{
    const CRect rect(1, 2, 3, 4);
    CDrawBtn a(DBS_CROSS | DBS_FLAT, &rect);
    CDrawBtn b(a), c;
    c = a;
    EXPECT_EQ(b.GetStyle(), a.GetStyle());
    EXPECT_EQ(c.GetRect(), rect);
    EXPECT_TRUE(c.PtInRect(CPoint(1, 2)));
    EXPECT_FALSE(c.PtInRect(CPoint(3, 4)));
}

// The image button with three generated bitmap files.
class DrawImageButton : public ::testing::Test
{
protected:
    std::string Bitmap(const char* name, COLORREF colour)
    {
        const std::string path = m_dir.File(name);
        WriteFileBytes(path, MakeBmp(24, 6, 4, std::vector<COLORREF>(24, colour)));
        return path;
    }
    TempDir m_dir;
};

TEST_F(DrawImageButton, ShowsTheImageOfItsStatus)
{
    const COLORREF first = RGB(200, 0, 0), second = RGB(0, 200, 0), third = RGB(0, 0, 200);
    CDrawImgBtn button;
    const CRect rect(3, 3, 30, 20);
    button.SetRect(&rect);
    ASSERT_EQ(button.SetImage(Bitmap("a.bmp", first).c_str(), Bitmap("b.bmp", second).c_str(),
                              Bitmap("c.bmp", third).c_str()),
              1);
    EXPECT_EQ(button.GetImageSize(), CSize(6, 4));
    ASSERT_NE(button.GetDefaultImage()->GetSafeHandle(), (HGDIOBJ)NULL);
    const struct
    {
        UINT status;
        DWORD state;
        COLORREF expected;
    } cases[] = {{0, 0x9, second}, {1, 0x9, third}, {2, 0x9, first}, {0, 0x1, kBack}, {0, 0x8, kBack}};
    for (const auto& c : cases) {
        Canvas canvas(40, 30, kBack);
        button.SetStatus(c.status);
        button.Draw(canvas.DC(), c.state);
        EXPECT_EQ(canvas.Pixel(3, 3), c.expected) << c.status << " " << c.state;
        EXPECT_EQ(canvas.Pixel(8, 6), c.expected) << c.status << " " << c.state;
        EXPECT_EQ(canvas.Pixel(9, 3), kBack); // unscaled: six pixels wide
    }
}

TEST_F(DrawImageButton, DrawsItsTextInItsColourWithBit0x10)
{
    CDrawImgBtn button;
    const CRect rect(0, 0, 60, 24);
    button.SetRect(&rect);
    button.SetText("OK 123");
    button.SetFontColor(RGB(250, 0, 250));
    Canvas plain(60, 24, kBack), withText(60, 24, kBack);
    button.Draw(plain.DC(), 0x9);
    button.Draw(withText.DC(), 0x19);
    EXPECT_EQ(plain.Count(CRect(0, 0, 60, 24), RGB(250, 0, 250)), 0);
    EXPECT_GT(withText.Count(CRect(4, 4, 57, 21), RGB(250, 0, 250)), 0);
    EXPECT_EQ(withText.Count(CRect(0, 0, 60, 4), RGB(250, 0, 250)), 0);
}

TEST_F(DrawImageButton, AMissingFileIsReportedOnce)
{
    CMsgBoxRecorder boxes;
    CDrawImgBtn button;
    EXPECT_EQ(button.SetImage(Bitmap("a.bmp", RGB(1, 1, 1)).c_str(), m_dir.File("missing.bmp").c_str(),
                              Bitmap("c.bmp", RGB(1, 1, 1)).c_str()),
              -1);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, "Image Loading Failed");
    EXPECT_EQ(button.GetImageSize(), CSize(6, 4)); // what loaded before the failure stays
}

TEST_F(DrawImageButton, MouseOverSetsTheStatusAndRepaintsTheOwnerOnce)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, NULL, "owner", WS_POPUP | WS_VISIBLE, 300, 300, 80, 40, NULL, NULL));
    CDrawImgBtn button;
    const CRect rect(0, 0, 20, 20);
    button.SetRect(&rect);
    owner.ValidateRect(NULL);
    button.CheckForMouseOver(&owner, CPoint(5, 5));
    EXPECT_EQ(button.GetStatus(), 1u);
    CRect update;
    EXPECT_TRUE(owner.GetUpdateRect(&update));
    owner.ValidateRect(NULL);
    button.CheckForMouseOver(&owner, CPoint(6, 6));
    EXPECT_FALSE(owner.GetUpdateRect(&update));
    button.CheckForMouseOver(&owner, CPoint(50, 5));
    EXPECT_EQ(button.GetStatus(), 0u);
    EXPECT_FALSE(owner.GetUpdateRect(&update));
    owner.DestroyWindow();
}

} // namespace
