// CChartToolBar: the skinned tool bar of the chart, a row (or column) of push and toggle
// buttons, separators, split buttons, a zoom slider and a scroll bar; CChartBtmBar is the bottom
// bar of the canvas. Elements send WM_COMMAND with their id to the bar's parent.
#pragma once

#include <afxtempl.h>

#include "ChartElement.h"
#include "MSToolTipCtrl.h"
#include "XScrollBar.h"

class CSkinCache;

// Slider hit codes and notification codes (high word of WM_CHART_SLIDER_ACTION).
enum
{
    SLIDER_HIT_NONE = 0,
    SLIDER_HIT_BLOCK = 3,
    SLIDER_HIT_LEFT = 5,
    SLIDER_HIT_RIGHT = 6,
    SLIDER_UP = 2,
    SLIDER_DOWN = 3,
    SLIDER_DRAGGED = 4,
};

// Where the bar's scroll and slider notifications go (the canvas).
class GRAPHKIT_API IChartBarSink
{
public:
    virtual ~IChartBarSink() {}
    virtual void OnBarScroll(int code, int position, CWnd* element) = 0;
    virtual void OnBarSlider(int code, int position, CWnd* element) = 0;
};

// The widths the horizontal layout gives the slider and the scroll bar.
struct GRAPHKIT_API ChartBarWidths
{
    int slider;
    int scroll;
};

// With self-resize the free width (client less separators of 6, split buttons and buttons) is
// shared: 4/10 to the slider and 6/10 to the scroll bar while the slider's share is below 80,
// else 80 to the slider and the rest to the scroll bar; a scroll bar below 80 gets 80 and the
// slider 53. Without both present: no scroll bar gives 0 and 0, a lone scroll bar keeps 120.
GRAPHKIT_API ChartBarWidths ComputeChartBarWidths(int clientWidth, int buttons, int separators, int splits,
                                                  BOOL hasSlider, BOOL hasScroll, BOOL selfResize,
                                                  int buttonWidth = 16, int splitWidth = 30);

// Fills a horizontal bar's ground: grey (colour 181) with white (179) inset by a pixel at top
// and bottom.
GRAPHKIT_API void PaintChartBarGround(CDC* pDC, const CRect& client);

class GRAPHKIT_API CChartButton : public CWnd, public CBaseEmnt
{
public:
    CChartButton();
    BOOL Create(CWnd* bar, const TBBUTTONPROP& prop, CSkinCache* skins);
    void SetCheck(int checked) override;
    int GetCheck() const { return m_bChecked; }
    // Draws the button (edge and image) into a DC over its client rectangle.
    void Draw(CDC* pDC, const CRect& client);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    void TipAndHover(CPoint point);
    // Ends a press: flips the checked flag when asked and released over the button, and sends
    // the command to the canvas only when released over it.
    void Release(CPoint point, BOOL toggles);
    void DrawImage(CDC* pDC, const CRect& area, int shift);

    CSkinCache* m_pSkins;
    int m_bHover;
    int m_bPressed;
    int m_bChecked;
};

class GRAPHKIT_API CChartMsButton : public CChartButton
{
public:
    CChartMsButton();
    BOOL Create(CWnd* bar, const TBBUTTONPROP& prop, CSkinCache* skins, int mainWidth, BOOL vertical);
    void Draw(CDC* pDC, const CRect& client);
    int GetPressedPart() const { return m_nPressedPart; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CRect MainPart(const CRect& client) const;
    CRect DropPart(const CRect& client) const;
    int m_nMainWidth;
    BOOL m_bVertical;
    int m_nPressedPart; // 1 main, 2 drop
};

class GRAPHKIT_API CChartSliderBar : public CWnd, public CBaseEmnt
{
public:
    CChartSliderBar();
    virtual ~CChartSliderBar();
    BOOL Create(CWnd* bar, const TBBUTTONPROP& prop, CSkinCache* skins);
    void SetEmntRect(const CRect& rect) override;
    // Moves the block without a notification.
    void SetPos(int position);
    int GetPos() const { return m_nPos; }
    void SetRange(int minimum, int maximum);
    // 3 on the block, 5 left of it, 6 right of it, 0 elsewhere.
    int HitCode(CPoint point) const;
    CRect GetBlockRect() const;
    CRect GetTrackRect() const;
    void Draw(CDC* pDC, const CRect& client);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void Act();
    void Notify(int code);
    int PositionAt(int x) const;
    CSize BlockSize() const;
    void StopTimers();

    int m_nMin;
    int m_nMax;
    int m_nPos;
    int m_nHit;
    int m_nDelayTimer;  // -1 when not running
    int m_nRepeatTimer; // -1 when not running
    int m_nDragOffset;
    DWORD m_dwBody;
    DWORD m_dwBlock;
    CSkinCache* m_pSkins;
};

class GRAPHKIT_API CChartToolBar : public CWnd
{
public:
    CChartToolBar();
    virtual ~CChartToolBar();

    BOOL Create(CWnd* parent);
    int AddButtons(TBBUTTONPROP* prop);
    void AddBitmap(int a, int b);
    void AutoSize();
    int SetSize();
    TBBUTTONPROP* GetButtonInfo(int id);
    void SetButtonInfo(int id, TBBUTTONPROP* prop);
    CWnd* GetCtrl(int id);
    int GetCtrlKind(int id);
    void SetButtonState(int id, int state);
    void SetHideCtrl(unsigned id);
    void SetChartLocation(int location) { m_nLocation = location; }
    int GetChartLocation() const { return m_nLocation; }
    void SetSelfResize(int on);
    void SetMSButtonWidth(int width) { m_nMSButtonWidth = width; }
    int GetMSButtonWidth() const { return m_nMSButtonWidth; }
    int GetButtonWidth() const { return m_nButtonWidth; }
    int GetBitmapWidth() const { return m_nBitmapWidth; }
    int GetBitmapHeight() const { return m_nBitmapHeight; }
    void SetExtBtnBitmapID(int id) { m_nExtBitmapID = id; }
    void SetSkinCache(CSkinCache* skins) { m_pSkins = skins; }
    CSkinCache* GetSkinCache() const { return m_pSkins; }
    void SetNotifySink(IChartBarSink* sink) { m_pSink = sink; }
    int GetElementCount() const { return int(m_arElements.GetSize()); }
    CMSToolTipCtrl& GetToolTip() { return m_ToolTip; }
    CString GetShownTip() const { return m_strShownTip; }
    // The first element hidden because a vertical bar cannot hold it, or -1.
    int GetFirstHidden() const { return m_nFirstHidden; }
    CWnd* GetOverflowButton() { return &m_OverflowButton; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnShowTipText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHideTipText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScrollAction(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSliderAction(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    struct Element
    {
        int kind;
        CWnd* window;
        CBaseEmnt* element;
    };
    Element* FindElement(int id);
    // The window is one of the bar's elements or its overflow button.
    BOOL IsOwnElement(HWND window) const;
    void LayoutVertical(const CRect& client);
    int VerticalExtent(int kind) const;

    int m_nReserved0;
    CSkinCache* m_pSkins;
    CChartButton m_OverflowButton;
    CString m_strReserved;
    int m_nFirstHidden;
    CMSToolTipCtrl m_ToolTip;
    int m_nButtonWidth;
    int m_nMSButtonWidth;
    int m_nBitmapWidth;
    int m_nBitmapHeight;
    int m_nLocation;
    int m_bSelfResize;
    int m_nExtBitmapID;
    int m_nButtons;
    int m_nSeparators;
    int m_nSplits;
    int m_bHasSlider;
    int m_bHasScroll;
    CArray<Element, const Element&> m_arElements;
    int m_nReserved7;
    int m_nReserved2028;
    int m_nReservedZero;
    int m_nBitmapA;
    int m_nBitmapB;
    IChartBarSink* m_pSink;
    CString m_strShownTip;
};

// The canvas's bottom bar with its ten elements (four fewer for numeric x values).
class GRAPHKIT_API CChartBtmBar : public CChartToolBar
{
public:
    CChartBtmBar();
    virtual ~CChartBtmBar();

    void SetTimeKind(int kind) { m_nTimeKind = kind; }
    // Creates the window and the elements in the bar's order.
    BOOL CreateBar(CWnd* canvas, CSkinCache* skins);
    CXScrollBar* GetScrollBar();
    CChartSliderBar* GetSlider();

private:
    int m_nTimeKind;
    COLORREF m_clrReserved;
    CArray<TBBUTTONPROP*, TBBUTTONPROP*> m_arProps;
};
