// The print preview's geometry: where the picture prints (rounded per axis, not cut to whole
// inches), the paper in the panel and the picture on that paper.
#include <gtest/gtest.h>

#include <ostream>

#include "WidgetRules.h"

// Rectangles in failures as their corners.
static void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ")-(" << rc.right << ", " << rc.bottom << ")";
}

namespace {

TEST(PrintRect, ScalesEachAxisToThePrinterAndCentres)
{
    const struct
    {
        const char* name;
        CSize picture, screen, printer, printable;
        CRect expected;
    } cases[] = {
        // 1000 / 96 inches are 10.42, not 10: 6250 printer pixels, not 6000.
        {"fraction of an inch kept", {1000, 500}, {96, 96}, {600, 600}, {4960, 7016}, {-645, 1945, 5605, 5070}},
        {"large screen fonts", {250, 120}, {120, 120}, {300, 300}, {2480, 3508}, {927, 1604, 1552, 1904}},
        {"axes on their own", {96, 96}, {96, 96}, {600, 300}, {1000, 1000}, {200, 350, 800, 650}},
        {"rounded to the nearest pixel", {7, 7}, {96, 96}, {150, 150}, {100, 100}, {44, 44, 55, 55}},
        {"no screen resolution", {100, 100}, {0, 96}, {600, 600}, {1000, 1000}, {0, 0, 0, 0}},
        {"no printer resolution", {100, 100}, {96, 96}, {600, 0}, {1000, 1000}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, PrintRectFor(c.picture, c.screen, c.printer, c.printable)) << c.name;
}

TEST(PreviewPaper, LongSideFromTheShorterExtentCentredInTheClient)
{
    const struct
    {
        const char* name;
        CRect client;
        CSize paper;
        CRect expected;
    } cases[] = {
        {"A4 upright", {0, 0, 420, 320}, {8267, 11692}, {104, 10, 316, 310}},
        {"A4 landscape", {0, 0, 420, 320}, {11692, 8267}, {60, 54, 360, 266}},
        {"tall panel", {0, 0, 220, 520}, {8267, 11692}, {39, 160, 180, 360}},
        {"no paper size counts as A4", {0, 0, 420, 320}, {0, 0}, {104, 10, 316, 310}},
        {"offset client", {10, 30, 430, 350}, {8267, 11692}, {114, 40, 326, 340}},
        {"panel smaller than the margin", {0, 0, 15, 15}, {8267, 11692}, {7, 7, 7, 7}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, PreviewPaperRect(c.client, c.paper)) << c.name;
}

TEST(PreviewPicture, ScreenInchesAsAShareOfThePaper)
{
    const CRect paper(104, 10, 316, 310);
    const struct
    {
        const char* name;
        CSize picture, paperSize, screen;
        CRect expected;
    } cases[] = {
        // 200 px at 96 = 2.08 in of 8.267: 53.4 of 212; 100 px = 1.04 in of 11.692: 26.7 of 300.
        {"small window", {200, 100}, {8267, 11692}, {96, 96}, {183, 146, 236, 173}},
        {"window larger than the paper", {1000, 1500}, {8267, 11692}, {96, 96}, {77, -40, 344, 361}},
        {"twice the pixels per inch, half the size", {200, 100}, {8267, 11692}, {192, 192}, {196, 153, 223, 166}},
        {"no screen resolution", {200, 100}, {8267, 11692}, {0, 0}, {210, 160, 210, 160}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, PreviewPictureRect(paper, c.picture, c.paperSize, c.screen)) << c.name;
}

} // namespace
