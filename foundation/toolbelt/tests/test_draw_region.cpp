// Regions from generated bitmap files of each depth, and the bitmap-file helpers.
#include <gtest/gtest.h>

#include <vector>

#include "Draw.h"
#include "bmp_file.h"
#include "temp_dir.h"

namespace {

const COLORREF kKey = RGB(255, 0, 255);

// '#' opaque (in one of two colours), '.' transparent.
struct Picture
{
    int width, height;
    std::vector<COLORREF> pixels;
};

Picture FromRows(const std::vector<std::string>& rows)
{
    Picture p{int(rows[0].size()), int(rows.size()), {}};
    for (const std::string& row : rows)
        for (size_t x = 0; x < row.size(); ++x)
            p.pixels.push_back(row[x] == '.' ? kKey : (x % 2 ? RGB(0, 128, 0) : RGB(16, 32, 200)));
    return p;
}

class RegionFromFile : public ::testing::TestWithParam<int>
{
protected:
    HRGN Load(const Picture& picture, BITMAP* info = NULL)
    {
        const std::string path = m_dir.File("pic" + std::to_string(m_serial++) + ".bmp");
        WriteFileBytes(path, MakeBmp(GetParam(), picture.width, picture.height, picture.pixels));
        CBitmap bitmap;
        EXPECT_TRUE(CDraw::LoadBitmapA(path.c_str(), bitmap)) << path;
        if (info != NULL)
            EXPECT_TRUE(CDraw::GetBitmapInfo(path.c_str(), *info));
        return CDraw::CreateRgnFromFile(bitmap, kKey);
    }

    static std::vector<std::string> Rows(HRGN rgn, int width, int height)
    {
        std::vector<std::string> rows;
        for (int y = 0; y < height; ++y) {
            std::string row;
            for (int x = 0; x < width; ++x)
                row += ::PtInRegion(rgn, x, y) ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }

    static std::vector<CRect> Rects(HRGN rgn)
    {
        std::vector<BYTE> data(::GetRegionData(rgn, 0, NULL));
        RGNDATA* region = reinterpret_cast<RGNDATA*>(data.data());
        ::GetRegionData(rgn, DWORD(data.size()), region);
        const RECT* rects = reinterpret_cast<const RECT*>(region->Buffer);
        return std::vector<CRect>(rects, rects + region->rdh.nCount);
    }

    TempDir m_dir;
    int m_serial = 0;
};

TEST_P(RegionFromFile, HoldsExactlyTheOpaquePixels)
{
    const std::vector<std::string> rows = {"..##..#", ".......", "#######", "#.#.#.."};
    BITMAP info = {};
    HRGN rgn = Load(FromRows(rows), &info);
    ASSERT_NE(rgn, (HRGN)NULL);
    EXPECT_EQ(info.bmBitsPixel, GetParam());
    EXPECT_EQ(info.bmWidth, 7);
    EXPECT_EQ(info.bmHeight, 4);
    EXPECT_EQ(Rows(rgn, 7, 4), rows);
    // The full opaque row is one rectangle of the bitmap's width.
    const std::vector<CRect> rects = Rects(rgn);
    EXPECT_NE(std::find(rects.begin(), rects.end(), CRect(0, 2, 7, 3)), rects.end());
    ::DeleteObject(rgn);
}

TEST_P(RegionFromFile, OfAnAllTransparentBitmapIsEmpty)
{
    HRGN rgn = Load(FromRows({"....", "....", "...."}));
    ASSERT_NE(rgn, (HRGN)NULL);
    RECT box;
    EXPECT_EQ(::GetRgnBox(rgn, &box), NULLREGION);
    ::DeleteObject(rgn);
}

TEST_P(RegionFromFile, GrowsPastItsFirstGuessOfRectangles)
{
    // 50 runs a row, far more than height + 2 rectangles.
    std::vector<std::string> rows(3, std::string());
    for (int x = 0; x < 100; ++x)
        for (std::string& row : rows)
            row += (x % 2) ? '.' : '#';
    rows[1][99] = '#'; // a run that reaches the end of its row
    HRGN rgn = Load(FromRows(rows));
    ASSERT_NE(rgn, (HRGN)NULL);
    EXPECT_EQ(Rows(rgn, 100, 3), rows);
    ::DeleteObject(rgn);
}

INSTANTIATE_TEST_SUITE_P(Depths, RegionFromFile, ::testing::Values(8, 16, 24, 32),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "bit";
                         });

TEST(RegionFromBitmap, FailsCleanlyWithoutABitmap)
{
    EXPECT_EQ(CDraw::CreateRgnFromFile(NULL, kKey), (HRGN)NULL);
    HBITMAP notABitmap = reinterpret_cast<HBITMAP>(::CreateSolidBrush(kKey));
    EXPECT_EQ(CDraw::CreateRgnFromFile(notABitmap, kKey), (HRGN)NULL);
    ::DeleteObject(notABitmap);
}

TEST(BitmapFiles, MissingOrBrokenFilesAreReportedAsFailures)
{
    TempDir dir;
    CBitmap bitmap;
    BITMAP info;
    EXPECT_FALSE(CDraw::LoadBitmapA(dir.File("missing.bmp").c_str(), bitmap));
    EXPECT_FALSE(CDraw::GetBitmapInfo(dir.File("missing.bmp").c_str(), info));
    WriteFileBytes(dir.File("broken.bmp"), "BM not a bitmap");
    EXPECT_FALSE(CDraw::LoadBitmapA(dir.File("broken.bmp").c_str(), bitmap));
    EXPECT_EQ(bitmap.m_hObject, (HGDIOBJ)NULL);
}

} // namespace
