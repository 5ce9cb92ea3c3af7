// The shipped skin holds what the grids ask for: their colours and both check-box bitmaps.
#include <gtest/gtest.h>

#include "InstallFolders.h"
#include "SharedKit.h"
#include "grid_fixture.h"

namespace {

TEST(GridShippedSkin, HoldsTheGridColoursAndCheckBoxes)
{
    ComScope com;
    ASSERT_TRUE(GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default"));
    ASSERT_TRUE(GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default"));
    for (WORD id : {101, 102, 103, 201, 202, 207, 301, 302, 601})
        EXPECT_NE(nullptr, CColorMap::GetColorInfo(id)) << id;
    BITMAP on = {}, off = {};
    ASSERT_NE(nullptr, CResourceMap::GetBitmap(303));
    ASSERT_NE(nullptr, CResourceMap::GetBitmap(304));
    ASSERT_TRUE(CResourceMap::GetBitmap(303)->GetBitmap(&on));
    ASSERT_TRUE(CResourceMap::GetBitmap(304)->GetBitmap(&off));
    EXPECT_EQ(on.bmWidth, off.bmWidth);
    EXPECT_EQ(on.bmHeight, off.bmHeight);
    {
        // A checked box looks different from an unchecked one.
        GridHost host;
        host.grid.SetCheckControl(1, 1);
        const CRect cell = host.grid.GetCellRect(1, 1);
        const COLORREF ground = CColorMap::GetColor(201);
        const int unchecked = GridPicture(host.grid).CountOther(cell, ground);
        host.grid.SetCheck(1, 1, 1, 0);
        const int checked = GridPicture(host.grid).CountOther(cell, ground);
        EXPECT_GT(unchecked, 0);
        EXPECT_GT(checked, unchecked);
    }
    GetColorMap()->Release();
    GetResourceMap()->Release();
}

} // namespace
