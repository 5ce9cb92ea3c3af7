// Fixtures of the grid tests: a skin of plain colours and check-box bitmaps loaded into the
// shared maps, a parent window that records what its grid sends, and a table on it.
#pragma once

#include <afxwin.h>

#include <memory>
#include <string>
#include <vector>

#include "ColorMap.h"
#include "GridTable.h"
#include "skin_fixture.h"
#include "temp_dir.h"

// The fixture's colours by colour-map id.
namespace skin {
const COLORREF kFore = RGB(10, 10, 10);          // 101
const COLORREF kUp = RGB(255, 0, 0);             // 102
const COLORREF kDown = RGB(0, 0, 255);           // 103
const COLORREF kBack = RGB(255, 255, 255);       // 201
const COLORREF kHeaderBack = RGB(200, 200, 200); // 202
const COLORREF kHighlight = RGB(255, 255, 0);    // 207
const COLORREF kBorder = RGB(0, 128, 0);         // 301
const COLORREF kHeaderLine = RGB(128, 0, 128);   // 302
const COLORREF kButtonBack = RGB(0, 200, 200);   // 601
const COLORREF kCustom = RGB(100, 50, 0);        // 250
const WORD kCustomId = 250;
// Check-box bitmaps (image ids 303 and 304): solid squares of these colours.
const COLORREF kChecked = RGB(0, 160, 0);
const COLORREF kUnchecked = RGB(160, 0, 0);
const int kBoxWidth = 13;
const int kBoxHeight = 11;
} // namespace skin

// Colours the grids draw without asking the colour map.
const COLORREF kSelectedBack = RGB(0xFC, 0xFF, 0xBA);
const COLORREF kShadeBack = RGB(0xF0, 0xF0, 0xF0);
const COLORREF kBarFromRight = RGB(204, 235, 253);
const COLORREF kBarFromLeft = RGB(251, 221, 211);

// Text is smoothed, so its colour shows as a tint: pixels much redder (bluer) than they are
// green, of the up (down) colour on a light ground; grey for the plain text colour.
inline bool Reddish(COLORREF c)
{
    return GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60;
}
inline bool Bluish(COLORREF c)
{
    return GetBValue(c) > GetGValue(c) + 60 && GetBValue(c) > GetRValue(c) + 60;
}
inline bool Dark(COLORREF c)
{
    return GetRValue(c) < 160 && GetGValue(c) < 160 && GetBValue(c) < 160;
}

// Loads the fixture skin for its lifetime (colour ids left out with `without`).
class GridSkin
{
public:
    explicit GridSkin(const std::vector<WORD>& without = {});
    ~GridSkin();

private:
    ComScope m_com;
    TempDir m_dir;
    ScratchImageFolder m_images;
};

// One message the grid sent its parent, with what its pointer argument held at the time.
struct GridMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    CPoint point;  // +95, +96, +110
    tagGRDHITTEST hit; // +97
    tagCellInfo cell;  // +99
};

class CRecordingParent : public CWnd
{
public:
    std::vector<GridMessage> m_messages;
    std::vector<UINT> Kinds() const;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

// A visible parent in the foreground holding a grid table (1 header column, 1 header row,
// 5 x 5 cells unless told otherwise), id 1001.
class GridHost
{
public:
    explicit GridHost(UINT columns = 5, UINT rows = 5, UINT colHeads = 1, UINT rowHeads = 1);
    ~GridHost();

    // Sends a mouse message with the point in the grid's client coordinates.
    LRESULT Mouse(UINT message, int x, int y, WPARAM keys = 0);
    // The client centre of a cell.
    CPoint Centre(UINT col, UINT row);

    CRecordingParent parent;
    CGridTable grid;
};

// Paints the grid into a 32-bpp canvas of its client size and reads pixels back.
class GridPicture
{
public:
    explicit GridPicture(CGridTable& grid, int width = 320, int height = 160);
    ~GridPicture();
    COLORREF Pixel(int x, int y) const;
    int Count(const CRect& area, COLORREF colour) const;
    // The pixels of a rectangle that are not of the given colour.
    int CountOther(const CRect& area, COLORREF colour) const;
    // The pixels of a rectangle for which test holds.
    int CountWhere(const CRect& area, bool (*test)(COLORREF)) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
