// Arrows, triangles, grippers and separators, read back pixel by pixel from a memory DC.
#include <gtest/gtest.h>

#include <functional>

#include "Draw.h"
#include "canvas.h"

namespace {

const COLORREF kInk = RGB(200, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

struct ShapeCase
{
    const char* name;
    std::function<void(CDC*)> draw;
    CRect area;
    std::vector<std::string> expected;
};

class ExactShape : public ::testing::TestWithParam<ShapeCase>
{
};

TEST_P(ExactShape, PaintsExactlyThesePixels)
{
    Canvas canvas(16, 16);
    GetParam().draw(canvas.DC());
    EXPECT_EQ(JoinRows(canvas.Mask(GetParam().area, kInk)), JoinRows(GetParam().expected));
    // Nothing outside the area.
    EXPECT_EQ(canvas.Count(CRect(0, 0, 16, 16), kInk), canvas.Count(GetParam().area, kInk));
}

const ShapeCase kShapes[] = {
    {"TriangleUp", [](CDC* dc) { CDraw::DrawTriangle(dc, 3, 0, 3, kInk, false); }, CRect(0, 0, 7, 4),
     {"...#...", "..###..", ".#####.", "......."}},
    {"TriangleDown", [](CDC* dc) { CDraw::DrawTriangle(dc, 3, 2, 3, kInk, true); }, CRect(0, 0, 7, 4),
     {".#####.", "..###..", "...#...", "......."}},
    // Columns from y - i to y + i with the end excluded: the apex column is empty.
    {"SideFromTop", [](CDC* dc) { CDraw::DrawTriangleSide(dc, 3, 3, 3, kInk, false); }, CRect(0, 0, 5, 7),
     {".....", ".#...", ".##..", ".##..", ".#...", ".....", "....."}},
    // Drawn upwards, each column loses its top pixel instead of its bottom one.
    {"SideFromBottom", [](CDC* dc) { CDraw::DrawTriangleSide(dc, 3, 3, 3, kInk, true); }, CRect(0, 0, 5, 7),
     {".....", ".....", ".#...", ".##..", ".##..", ".#...", "....."}},
    {"StyleRight", [](CDC* dc) { CDraw::DrawTriangleSideStyle(dc, 3, 3, 3, kInk, 0); }, CRect(0, 0, 7, 7),
     {".......", ".#.....", ".##....", ".###...", ".##....", ".#.....", "......."}},
    {"StyleLeft", [](CDC* dc) { CDraw::DrawTriangleSideStyle(dc, 3, 3, 3, kInk, 1); }, CRect(0, 0, 7, 7),
     {".......", ".....#.", "....##.", "...###.", "....##.", ".....#.", "......."}},
    {"StyleDown", [](CDC* dc) { CDraw::DrawTriangleSideStyle(dc, 3, 3, 3, kInk, 2); }, CRect(0, 0, 7, 7),
     {".......", ".#####.", "..###..", "...#...", ".......", ".......", "......."}},
    {"StyleUp", [](CDC* dc) { CDraw::DrawTriangleSideStyle(dc, 3, 3, 3, kInk, 3); }, CRect(0, 0, 7, 7),
     {".......", ".......", ".......", "...#...", "..###..", ".#####.", "......."}},
    {"StyleOutOfRange", [](CDC* dc) { CDraw::DrawTriangleSideStyle(dc, 3, 3, 3, kInk, 4); }, CRect(0, 0, 3, 1),
     {"..."}},
    // Dots every second pixel on the top row, up to and including the right edge.
    {"SeparatorDots",
     [](CDC* dc) {
         CPenDC pen(dc->m_hDC, kInk);
         CDraw::DrawSeparator(dc, 1, CRect(0, 2, 8, 5), false);
     },
     CRect(0, 0, 10, 4), {"..........", "..........", ".#.#.#.#..", ".........."}},
    {"SeparatorLines",
     [](CDC* dc) {
         CPenDC pen(dc->m_hDC, kInk);
         CDraw::DrawSeparator(dc, 1, CRect(2, 0, 6, 5), true);
     },
     CRect(0, 0, 8, 7), {"........", "..####..", "........", "..####..", "........", "..####..", "........"}},
};

INSTANTIATE_TEST_SUITE_P(Shapes, ExactShape, ::testing::ValuesIn(kShapes),
                         [](const ::testing::TestParamInfo<ShapeCase>& info) { return info.param.name; });

// Arrows fill a rectangle: points that must be inside and points that must stay outside.
struct ArrowCase
{
    const char* name;
    void (*draw)(CDC*, CRect&, COLORREF);
    std::vector<CPoint> inside, outside;
};

class Arrow : public ::testing::TestWithParam<ArrowCase>
{
};

TEST_P(Arrow, FillsItsShapeInTheColour)
{
    Canvas canvas(40, 40);
    CRect rect(10, 10, 30, 30);
    GetParam().draw(canvas.DC(), rect, kInk);
    for (const CPoint& p : GetParam().inside)
        EXPECT_EQ(canvas.Pixel(p.x, p.y), kInk) << p.x << "," << p.y;
    for (const CPoint& p : GetParam().outside)
        EXPECT_EQ(canvas.Pixel(p.x, p.y), kWhite) << p.x << "," << p.y;
    EXPECT_EQ(rect, CRect(10, 10, 30, 30)); // the caller's rectangle is left alone
}

const ArrowCase kArrows[] = {
    {"Up", &CDraw::DrawUp, {{20, 11}, {20, 25}, {11, 29}, {28, 29}}, {{12, 12}, {28, 12}, {20, 33}, {20, 8}}},
    {"Down", &CDraw::DrawDown, {{20, 28}, {20, 15}, {11, 11}, {28, 11}}, {{12, 28}, {28, 28}, {20, 7}, {20, 32}}},
    // Head from the top down to the middle, a shaft half the width below it; one pixel
    // beyond the rectangle at both ends.
    {"UpLimit", &CDraw::DrawUpLimit, {{20, 10}, {12, 19}, {28, 19}, {20, 28}, {16, 30}}, {{12, 12}, {12, 27}, {28, 27}, {20, 33}}},
    {"DownLimit", &CDraw::DrawDownLimit, {{20, 30}, {12, 22}, {27, 22}, {20, 12}, {16, 10}}, {{12, 12}, {28, 12}, {12, 28}, {20, 6}}},
};

INSTANTIATE_TEST_SUITE_P(Arrows, Arrow, ::testing::ValuesIn(kArrows),
                         [](const ::testing::TestParamInfo<ArrowCase>& info) { return info.param.name; });

TEST(Shapes, LeaveTheDcAsTheyFoundIt)
{
    Canvas canvas(40, 40);
    HDC hDC = canvas.Handle();
    ::MoveToEx(hDC, 3, 4, NULL);
    const HGDIOBJ pen = ::GetCurrentObject(hDC, OBJ_PEN), brush = ::GetCurrentObject(hDC, OBJ_BRUSH);
    CRect rect(10, 10, 30, 30);
    CDraw::DrawUp(canvas.DC(), rect, kInk);
    CDraw::DrawDownLimit(canvas.DC(), rect, kInk);
    CDraw::DrawTriangle(canvas.DC(), 5, 5, 3, kInk, false);
    CDraw::DrawTriangleSideStyle(canvas.DC(), 5, 5, 3, kInk, 2);
    CDraw::DrawGripper(canvas.DC(), 0, rect, kInk);
    EXPECT_EQ(::GetCurrentObject(hDC, OBJ_PEN), pen);
    EXPECT_EQ(::GetCurrentObject(hDC, OBJ_BRUSH), brush);
    POINT pos;
    ::GetCurrentPositionEx(hDC, &pos);
    EXPECT_EQ(CPoint(pos), CPoint(3, 4));
}

TEST(Shapes, GripperDrawsPairsOfLightAndDarkDotsOnItsFill)
{
    Canvas canvas(20, 20);
    CDraw::DrawGripper(canvas.DC(), 0, CRect(2, 2, 12, 12), kInk);
    const COLORREF grey = RGB(106, 106, 106);
    // Rows top + 2 ... bottom - 4 in steps of 2: white at left + 5, grey one lower at left + 6.
    for (int y : {4, 6, 8}) {
        EXPECT_EQ(canvas.Pixel(7, y), kWhite) << y;
        EXPECT_EQ(canvas.Pixel(8, y + 1), grey) << y;
        EXPECT_EQ(canvas.Pixel(8, y), kInk) << y;
    }
    EXPECT_EQ(canvas.Pixel(7, 10), kInk);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 20, 20), kWhite), 3 + 400 - 100);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 20, 20), grey), 3);
}

} // namespace
