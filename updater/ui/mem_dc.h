// A memory device context over a target: drawing goes into a bitmap of the target's clip box,
// copied to the target when the object ends (straight to the target when it prints).
#pragma once

#include <afxwin.h>

class CMemDC : public CDC
{
public:
    explicit CMemDC(CDC* pDC);
    virtual ~CMemDC();

    CMemDC* operator->() { return this; }
    operator CMemDC*() { return this; }

private:
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap;
    CDC* m_pDC;
    CRect m_rect;
    BOOL m_bMemDC;
};
