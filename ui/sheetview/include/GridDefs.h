// Shared types of the grids: the cell record, the row and column extents, hit-test results,
// cell flags and styles, and the messages a grid sends to its parent and its editor.
#pragma once

#include <afxwin.h>

class CColorInfo;

// Messages from a grid to its parent (sent; pointers valid only during the call).
#define WM_GRID_LBUTTONDOWN (WM_USER + 95)   // wParam id, lParam CPoint* (client)
#define WM_GRID_LBUTTONUP (WM_USER + 96)     // wParam id, lParam CPoint* (client)
#define WM_GRID_LBUTTONDBLCLK (WM_USER + 97) // wParam id, lParam tagGRDHITTEST*
#define WM_GRID_BUTTONCLICK (WM_USER + 99)   // wParam id, lParam tagCellInfo* of the button
#define WM_GRID_RBUTTONDOWN (WM_USER + 110)  // wParam id, lParam CPoint* (screen)
#define WM_GRID_NEXTEDIT (WM_USER + 111)     // editor to grid, posted: Tab in the editor
#define WM_GRID_SETEDITDATA (WM_USER + 113)  // editor to grid: (row << 16) + column, new text;
                                             // grid to parent: id, (row << 16) + column
// Asked of any window: a grid answers GRID_IDENTITY.
#define WM_GRID_IDENTIFY (WM_USER + 9999)
#define GRID_IDENTITY 256

// Child id of a grid's in-place editor.
#define IDC_GRIDEDIT 65000

// Cell flags.
#define GCF_ALIGN_MASK 0x00000003u   // 0 left, 1 centre, 2 right
#define GCF_COVERED 0x00000010u      // covered by a merge
#define GCF_MERGED 0x00000020u       // merge origin
#define GCF_SELECTED 0x00000040u
#define GCF_HIGHLIGHT 0x00000080u
#define GCF_STYLE_MASK 0x00000F00u
#define GCF_SIGN_MASK 0x0000F000u
#define GCF_SIGN_CEILING 0x00001000u
#define GCF_SIGN_UP 0x00002000u
#define GCF_SIGN_DOWN 0x00004000u
#define GCF_SIGN_FLOOR 0x00008000u
#define GCF_CHECKED 0x00010000u
#define GCF_PRESSED 0x00020000u
#define GCF_FIXTEXT 0x00100000u      // ClearCellText keeps text and sign
#define GCF_MULTILINE 0x00200000u
#define GCF_BOLD 0x00400000u
#define GCF_FRAME 0x00800000u
#define GCF_BADGE 0x01000000u
#define GCF_NOSELECT 0x02000000u
#define GCF_SHADE 0x04000000u
#define GCF_BARALIGN_MASK 0xF0000000u
#define GCF_BARALIGN_RIGHT 0x10000000u

// Cell styles (the GCF_STYLE_MASK bits).
#define GCS_TEXT 0x000u
#define GCS_HEADER 0x100u
#define GCS_CHECK 0x200u
#define GCS_BUTTON 0x400u
#define GCS_BAR 0x600u
#define GCS_EDIT 0x800u

// Extent flags: decimals kept by price formats (low nibble), hidden column.
#define GEF_DECIMAL_MASK 0x0Fu
#define GEF_HIDDEN 0x10u

// Hit-test flags.
#define GHT_BODY 1u
#define GHT_HEADROW 2u
#define GHT_HEADCOL 4u
#define GHT_COLEDGE 8u
#define GHT_ROWEDGE 16u

struct tagCell
{
    UINT nFlags;
    char* pszText;           // owned, zero-terminated
    WORD nBufSize;           // usable length of pszText
    WORD nMerge;             // covered: offsets to the origin; origin: spans (column high, row low)
    CColorInfo* pBackColor;  // borrowed from the colour map; may be NULL
    CColorInfo* pForeColor;
    long lData;
    COLORREF clrBadge;
    UINT nBadge;             // 1 to 4 pick the badge letter
    double dBarValue;        // percentage of a bar cell
};

// One row or column: first inner pixel, inner size (border not included), flags.
struct tagExtent
{
    WORD nStart;
    WORD nSize;
    UINT nFlags;
};

struct tagGRDHITTEST
{
    int nCol;
    int nRow;
    UINT nFlags;
};

struct tagCellInfo
{
    int nCol;
    int nRow;
};
