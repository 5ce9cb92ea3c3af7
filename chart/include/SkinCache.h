// CSkinCache: the tool bar's skin images, named by path-like texts but served from the
// library's own bitmap resources. One per canvas; elements keep an id and resolve it to the
// bitmap when they paint.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "GraphKitApi.h"

// The image names of the skin, with the resource id each stands for.
#define SKIN_SLIDE_BODY "Control/Chart/#chart_slide_body.bmp"
#define SKIN_SLIDE_BLOCK "Control/Chart/#chart_slide_block.bmp"
#define SKIN_SHOWTYPE_BTN "Control/Chart/#chart_showtype_btn.bmp"
#define SKIN_SEARCH_BTN "Control/Chart/#chart_search_btn.bmp"
#define SKIN_SCROLL_THUMB "Control/Chart/#chart_scroll_thumb.bmp"
#define SKIN_SCROLL_RIGHT "Control/Chart/#chart_scroll_right.bmp"
#define SKIN_SCROLL_LEFT "Control/Chart/#chart_scroll_left.bmp"
#define SKIN_SCROLL_CHANNEL "Control/Chart/#chart_scroll_channel.bmp"
#define SKIN_PIN_BTN "Control/Chart/#chart_pin_btn.bmp"
#define SKIN_LINE_BTN "Control/Chart/#chart_line_btn.bmp"
#define SKIN_EXCEL_BTN "Control/Chart/#chart_excel_btn.bmp"
#define SKIN_DATANUM_BTN "Control/Chart/#chart_datanum_btn.bmp"
#define SKIN_CROSS_BTN "Control/Chart/#chart_cross_btn.bmp"
#define SKIN_CONFIG_BTN "Control/Chart/#chart_config_btn.bmp"

enum
{
    IDB_SKIN_FIRST = 6017,
    IDB_SKIN_LAST = 6030,
};

// The eight button images of the bottom bar in the order it takes them: pin, line, config,
// cross, search, datanum, showtype, excel.
GRAPHKIT_API extern const char* const g_szChartButtonImages[8];

// A skin bitmap's size; 0 x 0 for none.
GRAPHKIT_API CSize SkinBitmapSize(HBITMAP bitmap);
// Draws a skin bitmap stretched over rect (source copy), or with one colour left transparent;
// a missing bitmap or an empty rect draws nothing.
GRAPHKIT_API void DrawSkinBitmap(CDC* pDC, HBITMAP bitmap, const CRect& rect);
GRAPHKIT_API void DrawSkinBitmapTransparent(CDC* pDC, HBITMAP bitmap, const CRect& rect, COLORREF transparent);

class GRAPHKIT_API CSkinCache
{
public:
    CSkinCache();
    virtual ~CSkinCache();

    // Loads the fourteen bitmaps through the resource chain (a missing one is kept as null)
    // and fills the name table. Loading again frees the earlier bitmaps first.
    void Load();
    // The id a name stands for (names compare exactly); 0 for a name not in the table.
    DWORD GetID(const CString& name) const;
    // The bitmap of an id; null when the id has no entry or its bitmap could not be loaded.
    HBITMAP GetBitmap(DWORD id) const;

private:
    void Free();

    CMap<DWORD, DWORD, HBITMAP, HBITMAP> m_mapBitmaps;
    CMap<CString, LPCSTR, DWORD, DWORD> m_mapIDs;

    CSkinCache(const CSkinCache&) = delete;
    CSkinCache& operator=(const CSkinCache&) = delete;
};
