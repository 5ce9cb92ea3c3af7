// Double buffers: draw into an off-screen bitmap, copied to the target when the object goes
// out of scope, so a window repaints without flicker.
#pragma once

#include <afxwin.h>
#include "ToolBeltApi.h"

// Buffers rect (logical coordinates; the target's clip box when null) of a target DC. The
// caller draws with the target's own logical coordinates; the background is not pre-filled.
// On a printing target the object draws straight into the target.
class TOOLBELT_API CMDC : public CDC
{
public:
    explicit CMDC(CDC* pDC, const CRect* rect = NULL);
    virtual ~CMDC();

    operator CMDC*() { return this; }
    CMDC* operator->() { return this; }

private:
    CBitmap m_bitmap;
    CBitmap* m_oldBitmap;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};

// Buffers rect of an HDC (its clip box when rect is empty) in a bitmap that covers the DC from
// its origin to rect's bottom-right; the strips above and left of rect are clipped away.
class TOOLBELT_API CBufferDC : public CDC
{
public:
    CBufferDC(HDC hDestDC, const CRect& rcPaint = CRect(0, 0, 0, 0));
    virtual ~CBufferDC();

private:
    HDC m_hDestDC;
    CBitmap m_bitmap;
    CRect m_rect;
    HGDIOBJ m_hOldBitmap;
};
