// A one-line label that scrolls a new text up from below over the old one (CTxtSlider), and a
// row of ticker items (texts and price-change signs, each in a cell of its own width) drawn the
// same way (CTickerBar).
#pragma once

#include <afxwin.h>

#include "DefFont.h"
#include "WidgetKitApi.h"

#define TXTSLIDER_TIMER 100
// Own style bit: a new text scrolls in.
#define TXTSLIDER_SCROLL 1

struct tagTickerItem
{
    UINT nFormat;   // text-drawing flags
    int nWidth;     // cell width in pixels
    int nKind;      // 0 text, 1 sign
    char chSign;    // '1' upper limit, '2' rise, '4' lower limit, '5' fall
    CString strText;
    COLORREF clrText;
};

class WIDGETKIT_API CTxtSlider : public CStatic, public CDefFont
{
    DECLARE_DYNAMIC(CTxtSlider)
public:
    CTxtSlider();
    virtual ~CTxtSlider();

    virtual void OnDrawCtrl(CDC* dc, CRect rect);

    void SetText(CString text);
    void SetText(CString text, COLORREF background, COLORREF textColour);
    void SetTextColor(COLORREF colour);
    void SetBGColor(COLORREF colour);
    void SetBorderColor(COLORREF colour);
    void SetSpeed(int ms) { m_nInterval = ms; }
    void ModifyStyle(int remove, int add);
    int GetSliderStyle() const { return m_nStyle; }

    BOOL IsScrolling() const { return m_bScrolling; }
    int GetOffset() const { return m_nOffset; }
    CSize GetBitmapSize() const;
    // The colour of a pixel of the off-screen picture.
    COLORREF GetBitmapPixel(int x, int y) const;
    // Paints what the window shows (the client-sized part at the offset) into dc.
    void Paint(CDC* dc);

protected:
    virtual void PreSubclassWindow();
    void UpdateBitmap(BOOL asNew);
    void MakeBitmap(int width, int height);

    COLORREF m_clrText;
    COLORREF m_clrBorder;
    COLORREF m_clrBack;
    CString m_strText;
    CBitmap m_bitmap;
    BOOL m_bScrolling;
    int m_nOffset;
    int m_nInterval;
    int m_nStyle;
    int m_cx;
    int m_cy;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CTickerBar : public CTxtSlider
{
    DECLARE_DYNAMIC(CTickerBar)
public:
    CTickerBar();
    virtual ~CTickerBar();

    virtual void OnDrawCtrl(CDC* dc, CRect rect);
    // Replaces the items with a copy of the given ones and shows them as new.
    void SetDrawItem(tagTickerItem* items, int count);
    int GetItemCount() const { return m_nCount; }

protected:
    tagTickerItem* m_pItems;
    int m_nCount;
};
