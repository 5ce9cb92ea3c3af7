// The skinned scroll bar: draws its arrows, page areas and thumb from eight bitmaps (four states
// of each orientation) shared by every instance.
#pragma once

#include "XeScrollBarBase.h"
#include "XeScrollBarIds.h"


class SHEETVIEW_API CXeScrollBar : public CXeScrollBarBase
{
    DECLARE_DYNAMIC(CXeScrollBar)
public:
    // Regions of a bitmap along the bar's axis: start and length.
    enum {
        BMP_ARROW1 = 0, BMP_ARROW_LEN = 17, BMP_PAGE_BEFORE = 17, BMP_PAGE_LEN = 10, BMP_THUMB = 27,
        BMP_THUMB_LEN = 24, BMP_PAGE_AFTER = 51, BMP_ARROW2 = 61, BMP_LENGTH = 78
    };
    enum { SLOT_COUNT = 8 };

    CXeScrollBar();
    virtual ~CXeScrollBar();

    // The slot of the bitmap that draws a part of this orientation in that state.
    static int SlotOf(BOOL horizontal, int state);
    static const UINT s_slotIds[SLOT_COUNT];

protected:
    virtual void DrawScrollBar(CDC* pDC);

    // Copies the bitmap region [srcPos, srcPos + srcLen) along the axis into dst, stretched.
    void CopyPart(CDC* pDC, int slot, int srcPos, int srcLen, const CRect& dst);
    // Lays copies of at most srcLen pixels of the region side by side over dst.
    void TilePart(CDC* pDC, int slot, int srcPos, int srcLen, const CRect& dst);
    void DrawThumb(CDC* pDC, int slot);
    // The part of rect between pos and pos + len along the axis (relative to rect's start).
    CRect Span(const CRect& rect, int pos, int len) const;

    struct SharedBitmap
    {
        HBITMAP bitmap;
        HDC dc;
        HGDIOBJ old;
        SIZE size;
    };
    static SharedBitmap s_bitmaps[SLOT_COUNT];
    static int s_instances;
};
