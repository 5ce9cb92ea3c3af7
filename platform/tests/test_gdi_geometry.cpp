// CSize, CPoint and CRect arithmetic.
#include <gtest/gtest.h>

#include "afxgdi_.h"

namespace {

::testing::AssertionResult RectIs(const CRect& actual, int l, int t, int r, int b)
{
    if (actual.left == l && actual.top == t && actual.right == r && actual.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.left << "," << actual.top << "," << actual.right << ","
                                         << actual.bottom << ") instead of (" << l << "," << t << "," << r << ","
                                         << b << ")";
}

// Intersection and union through the member functions and through the operators.
struct CombineCase
{
    const char* name;
    bool intersect; // else union
    CRect a;
    CRect b;
    BOOL expectedResult;
    CRect expected;
};

std::ostream& operator<<(std::ostream& os, const CombineCase& c) { return os << c.name; }

class CombineRectTest : public ::testing::TestWithParam<CombineCase> {};

TEST_P(CombineRectTest, MemberAndOperatorsAgree)
{
    const CombineCase& c = GetParam();
    const CRect& e = c.expected;
    CRect r(1, 2, 3, 4);
    BOOL result = c.intersect ? r.IntersectRect(&c.a, &c.b) : r.UnionRect(&c.a, &c.b);
    EXPECT_EQ(!!result, !!c.expectedResult);
    EXPECT_TRUE(RectIs(r, e.left, e.top, e.right, e.bottom));
    EXPECT_TRUE(RectIs(c.intersect ? (c.a & c.b) : (c.a | c.b), e.left, e.top, e.right, e.bottom));
    CRect inPlace = c.a;
    if (c.intersect)
        inPlace &= c.b;
    else
        inPlace |= c.b;
    EXPECT_TRUE(RectIs(inPlace, e.left, e.top, e.right, e.bottom));
}

INSTANTIATE_TEST_SUITE_P(
    Rects, CombineRectTest,
    ::testing::Values(
        CombineCase{"and overlap", true, {0, 0, 10, 10}, {5, 5, 20, 20}, TRUE, {5, 5, 10, 10}},
        CombineCase{"and contained", true, {0, 0, 10, 10}, {2, 3, 4, 5}, TRUE, {2, 3, 4, 5}},
        // Right and bottom edges are exclusive: touching rectangles share nothing.
        CombineCase{"and touching", true, {0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}},
        CombineCase{"and disjoint", true, {0, 0, 10, 10}, {30, 30, 40, 40}, FALSE, {0, 0, 0, 0}},
        CombineCase{"and empty source", true, {0, 0, 10, 10}, {5, 5, 5, 8}, FALSE, {0, 0, 0, 0}},
        CombineCase{"or disjoint", false, {0, 0, 10, 10}, {20, 30, 40, 50}, TRUE, {0, 0, 40, 50}},
        CombineCase{"or contained", false, {0, 0, 10, 10}, {2, 3, 4, 5}, TRUE, {0, 0, 10, 10}},
        // An empty rectangle does not stretch the union towards itself.
        CombineCase{"or one empty", false, {100, 100, 100, 200}, {0, 0, 10, 10}, TRUE, {0, 0, 10, 10}},
        CombineCase{"or both empty", false, {5, 5, 5, 5}, {7, 7, 3, 3}, FALSE, {0, 0, 0, 0}}));

struct RectCase
{
    const char* name;
    CRect a;
    CRect b;
    BOOL expectedResult;
    CRect expected;
};

std::ostream& operator<<(std::ostream& os, const RectCase& c) { return os << c.name; }

class SubtractRectTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(SubtractRectTest, MatchesExpectedResult)
{
    const RectCase& c = GetParam();
    CRect r;
    EXPECT_EQ(!!r.SubtractRect(&c.a, &c.b), !!c.expectedResult);
    if (c.expectedResult)
        EXPECT_TRUE(RectIs(r, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom));
    else
        EXPECT_TRUE(r.IsRectEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rects, SubtractRectTest,
    ::testing::Values(
        // Only a cut across a whole side shrinks the rectangle.
        RectCase{"top band", {0, 0, 10, 10}, {-5, -5, 15, 4}, TRUE, {0, 4, 10, 10}},
        RectCase{"right band", {0, 0, 10, 10}, {6, -1, 11, 11}, TRUE, {0, 0, 6, 10}},
        // A hole in the middle leaves the bounding rectangle unchanged.
        RectCase{"hole", {0, 0, 10, 10}, {3, 3, 6, 6}, TRUE, {0, 0, 10, 10}},
        RectCase{"disjoint", {0, 0, 10, 10}, {20, 20, 30, 30}, TRUE, {0, 0, 10, 10}},
        RectCase{"covered", {0, 0, 10, 10}, {-1, -1, 11, 11}, FALSE, {0, 0, 0, 0}}));

struct NormalizeCase
{
    CRect in;
    CRect out;
};

TEST(RectTest, NormalizeRectOrdersEachAxis)
{
    const NormalizeCase cases[] = {
        {{10, 20, 0, 5}, {0, 5, 10, 20}},
        {{0, 20, 10, 5}, {0, 5, 10, 20}},
        {{10, 0, 0, 5}, {0, 0, 10, 5}},
        {{0, 0, 10, 5}, {0, 0, 10, 5}},
        {{-3, -4, -7, -9}, {-7, -9, -3, -4}},
    };
    for (const NormalizeCase& c : cases) {
        CRect r = c.in;
        r.NormalizeRect();
        EXPECT_TRUE(RectIs(r, c.out.left, c.out.top, c.out.right, c.out.bottom));
    }
}

TEST(RectTest, EmptyIsNotTheSameAsNull)
{
    struct Case
    {
        CRect rect;
        bool empty;
        bool null;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, true, true},
        {{5, 5, 5, 10}, true, false},  // no width
        {{10, 10, 0, 0}, true, false}, // inverted
        {{0, 0, 1, 1}, false, false},
        {{-1, -1, 0, 0}, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(!!c.rect.IsRectEmpty(), c.empty) << c.rect.left << "," << c.rect.top;
        EXPECT_EQ(!!c.rect.IsRectNull(), c.null) << c.rect.left << "," << c.rect.top;
    }
    CRect r(1, 2, 3, 4);
    r.SetRectEmpty();
    EXPECT_TRUE(r.IsRectNull());
}

TEST(RectTest, PtInRectIncludesTopLeftAndExcludesBottomRight)
{
    const CRect r(10, 20, 30, 40);
    struct Case
    {
        CPoint pt;
        bool inside;
    };
    const Case cases[] = {{{10, 20}, true},  {{29, 39}, true},  {{30, 39}, false},
                          {{29, 40}, false}, {{9, 25}, false},  {{15, 19}, false}};
    for (const Case& c : cases)
        EXPECT_EQ(!!r.PtInRect(c.pt), c.inside) << c.pt.x << "," << c.pt.y;
}

TEST(RectTest, InflateAndDeflateOverloads)
{
    struct Case
    {
        const char* name;
        void (*apply)(CRect&);
        CRect expected;
    };
    const Case cases[] = {
        {"inflate xy", [](CRect& r) { r.InflateRect(2, 3); }, {8, 17, 32, 43}},
        {"inflate size", [](CRect& r) { r.InflateRect(CSize(2, 3)); }, {8, 17, 32, 43}},
        {"inflate rect", [](CRect& r) { CRect d(1, 2, 3, 4); r.InflateRect(&d); }, {9, 18, 33, 44}},
        {"inflate sides", [](CRect& r) { r.InflateRect(1, 2, 3, 4); }, {9, 18, 33, 44}},
        {"deflate xy", [](CRect& r) { r.DeflateRect(2, 3); }, {12, 23, 28, 37}},
        {"deflate size", [](CRect& r) { r.DeflateRect(CSize(2, 3)); }, {12, 23, 28, 37}},
        {"deflate rect", [](CRect& r) { CRect d(1, 2, 3, 4); r.DeflateRect(&d); }, {11, 22, 27, 36}},
        {"deflate sides", [](CRect& r) { r.DeflateRect(1, 2, 3, 4); }, {11, 22, 27, 36}},
        {"+= rect", [](CRect& r) { r += CRect(1, 2, 3, 4); }, {9, 18, 33, 44}},
        {"-= rect", [](CRect& r) { r -= CRect(1, 2, 3, 4); }, {11, 22, 27, 36}},
        {"+ rect", [](CRect& r) { r = r + CRect(1, 2, 3, 4); }, {9, 18, 33, 44}},
        {"- rect", [](CRect& r) { r = r - CRect(1, 2, 3, 4); }, {11, 22, 27, 36}},
        {"offset", [](CRect& r) { r.OffsetRect(-10, 5); }, {0, 25, 20, 45}},
        {"+= point", [](CRect& r) { r += CPoint(1, -1); }, {11, 19, 31, 39}},
        {"-= size", [](CRect& r) { r -= CSize(1, -1); }, {9, 21, 29, 41}},
        {"+ size", [](CRect& r) { r = r + CSize(5, 5); }, {15, 25, 35, 45}},
        {"- point", [](CRect& r) { r = r - CPoint(5, 5); }, {5, 15, 25, 35}},
        {"move to", [](CRect& r) { r.MoveToXY(0, 0); }, {0, 0, 20, 20}},
        {"muldiv", [](CRect& r) { r = r.MulDiv(3, 2); }, {15, 30, 45, 60}},
        // The corners are references into the rectangle.
        {"top-left write", [](CRect& r) { r.TopLeft() = CPoint(0, 1); }, {0, 1, 30, 40}},
        {"bottom-right write", [](CRect& r) { r.BottomRight() += CSize(1, 1); }, {10, 20, 31, 41}},
    };
    for (const Case& c : cases) {
        CRect r(10, 20, 30, 40);
        c.apply(r);
        EXPECT_TRUE(RectIs(r, c.expected.left, c.expected.top, c.expected.right, c.expected.bottom)) << c.name;
    }
}

TEST(RectTest, MeasuresAndComparisons)
{
    CRect r(CPoint(10, 20), CSize(30, 40));
    EXPECT_EQ(r.Width(), 30);
    EXPECT_EQ(r.Height(), 40);
    EXPECT_TRUE(r.Size() == CSize(30, 40));
    EXPECT_TRUE(r.CenterPoint() == CPoint(25, 40));
    EXPECT_TRUE(r.TopLeft() == CPoint(10, 20));
    EXPECT_TRUE(r.BottomRight() == CPoint(40, 60));
    EXPECT_TRUE(r == CRect(10, 20, 40, 60));
    EXPECT_TRUE(r != CRect(10, 20, 40, 61));
    EXPECT_TRUE(CRect(CPoint(1, 2), CPoint(3, 4)) == CRect(1, 2, 3, 4));
    // Conversions let a CRect go wherever a RECT pointer goes.
    RECT raw;
    ::CopyRect(&raw, r);
    EXPECT_TRUE(CRect(raw) == r);
    LPRECT writable = r;
    writable->left = 0;
    EXPECT_EQ(r.left, 0);
}

TEST(PointSizeTest, ArithmeticAndPackedValues)
{
    EXPECT_TRUE(CPoint(5, 7) - CPoint(2, 3) == CSize(3, 4)); // point - point is a distance
    EXPECT_TRUE(CPoint(5, 7) + CSize(1, 1) == CPoint(6, 8));
    EXPECT_TRUE(CPoint(5, 7) - CSize(1, 1) == CPoint(4, 6));
    EXPECT_TRUE(-CPoint(5, -7) == CPoint(-5, 7));
    EXPECT_TRUE(CSize(1, 2) + CSize(3, 4) == CSize(4, 6));
    EXPECT_TRUE(CSize(1, 2) + CPoint(3, 4) == CPoint(4, 6));
    CPoint p(1, 1);
    p.Offset(CSize(2, 3));
    EXPECT_TRUE(p == CPoint(3, 4));
    // Mouse-message coordinates are signed 16-bit halves.
    EXPECT_TRUE(CPoint((LPARAM)MAKELPARAM(-5, 7)) == CPoint(-5, 7));
    EXPECT_TRUE(CSize((DWORD)MAKELONG(-2, -3)) == CSize(-2, -3));
    EXPECT_TRUE(CPoint(2, 3) + CRect(0, 0, 4, 4) == CRect(2, 3, 6, 7));
}

} // namespace
