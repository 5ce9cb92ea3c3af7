// Drawing utilities of every painting window: colour-space conversion, regions from bitmaps,
// bitmaps from files, price-change arrows, triangles, grippers and dotted separators. Includes
// the double buffers and the scoped selectors.
#pragma once

#include <afxwin.h>
#include "DCSelectors.h"
#include "MemDC.h"
#include "ToolBeltApi.h"

// Packed hue/lightness/saturation: hue in bits 0-7 (0-255 for 0-360 degrees), lightness in
// bits 8-15, saturation in bits 16-23.
#define HLS(h, l, s) ((DWORD)(BYTE)(h) | ((DWORD)(BYTE)(l) << 8) | ((DWORD)(BYTE)(s) << 16))
#define HLS_H(hls) ((BYTE)(hls))
#define HLS_L(hls) ((BYTE)((hls) >> 8))
#define HLS_S(hls) ((BYTE)((hls) >> 16))

class TOOLBELT_API CDraw
{
public:
    static DWORD RGB2HLS(COLORREF rgb);
    static COLORREF HLS2RGB(DWORD hls);
    // One channel (0-255) of a colour from the two HLS helper values and a hue in degrees.
    static BYTE _ToRGB(float m1, float m2, float hue);
    // Moves lightness and saturation by percentages: positive towards 255, negative towards 0.
    static COLORREF HLS_TRANSFORM(COLORREF rgb, int lightnessPercent, int saturationPercent);

    // A region of the bitmap's pixels that differ from the transparent colour, one rectangle
    // per horizontal run; the caller owns it. Null when the bitmap cannot be read.
    static HRGN CreateRgnFromFile(HBITMAP hBitmap, COLORREF transparent);
    // Loads a bitmap file as a DIB section into bitmap; 1 when loaded.
    static BOOL LoadBitmapA(const char* path, CBitmap& bitmap);
    // The size and depth of a bitmap file; 1 when it could be read.
    static BOOL GetBitmapInfo(CString path, BITMAP& info);
    // Stretches the whole of a bitmap over rect (COLORONCOLOR); nothing for a null bitmap.
    static void StretchBitmap(CDC* pDC, const CRect& rect, HBITMAP hBitmap);
    // The extent of text in a client DC of the window, with the window's font.
    static CSize GetTextSize(CWnd* pWnd, CString text);

    static void DrawGripper(CDC* pDC, int n, CRect rect, COLORREF color);
    static void DrawSeparator(CDC* pDC, int n, CRect rect, bool horizontalLines);

    // Price-change arrows filling rect: rise, fall, upper limit, lower limit.
    static void DrawUp(CDC* pDC, CRect& rect, COLORREF color);
    static void DrawDown(CDC* pDC, CRect& rect, COLORREF color);
    static void DrawUpLimit(CDC* pDC, CRect& rect, COLORREF color);
    static void DrawDownLimit(CDC* pDC, CRect& rect, COLORREF color);

    // A triangle of size rows with its apex at (x, y), pointing up (or down).
    static void DrawTriangle(CDC* pDC, int x, int y, int size, COLORREF color, bool down);
    // A triangle of size columns pointing right with its apex at (x, y); fromBottom draws each
    // column upwards.
    static void DrawTriangleSide(CDC* pDC, int x, int y, int size, COLORREF color, bool fromBottom);
    // A triangle with its apex at (x, y): style 0 points right, 1 left, 2 down, 3 up.
    static void DrawTriangleSideStyle(CDC* pDC, int x, int y, int size, COLORREF color, UINT style);
};
