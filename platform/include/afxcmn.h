// The framework's common controls (comctl32).
#pragma once

#include "afxwin.h"
#include <commctrl.h>

/////////////////////////////////////////////////////////////////////////////
// CProgressCtrl (net and progress author)

class AFX_PLATFORM_API CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl();
    virtual ~CProgressCtrl();

    // Creates the progress bar child window (registering comctl32's class first).
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Ranges: SetRange takes 16-bit bounds, SetRange32 full ints. The control's default is 0..100.
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    int GetPos() const;
    // The setters below return the previous position (or step, or colour).
    int SetPos(int nPos);
    int OffsetPos(int nPos);
    int SetStep(int nStep);
    int StepIt();
    COLORREF SetBkColor(COLORREF clrNew);
    COLORREF SetBarColor(COLORREF clrBar);
    BOOL SetMarquee(BOOL fMarquee, int nInterval);
};

/////////////////////////////////////////////////////////////////////////////
// CTabCtrl, CSpinButtonCtrl, CDateTimeCtrl (windows author): comctl32's tab, up-down and
// date-time picker controls, one message per call. Create registers the control's class.

class AFX_PLATFORM_API CTabCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() {}
    virtual ~CTabCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Results: the new item's index, or -1.
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
    BOOL SetItem(int nItem, TCITEM* pTabCtrlItem);
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    int GetCurSel() const;
    int SetCurSel(int nItem); // the previous selection, or -1
    int GetCurFocus() const;
    void SetCurFocus(int nItem);
    int GetRowCount() const;
    CSize SetItemSize(CSize size); // the previous size
    void SetPadding(CSize size);
    int SetMinTabWidth(int cx);
    // Display rectangle from window rectangle (bLarger FALSE) or the other way round.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);
    int HitTest(TCHITTESTINFO* pHitTestInfo) const;
    BOOL HighlightItem(int idItem, BOOL fHighlight = TRUE);
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwNewStyle, DWORD dwExMask = 0);

    // TCS_OWNERDRAWFIXED tabs draw here (through the parent's reflection); the default draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

class AFX_PLATFORM_API CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() {}
    virtual ~CSpinButtonCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL SetAccel(int nAccel, UDACCEL* pAccel);
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const;
    int SetBase(int nBase);
    UINT GetBase() const;
    CWnd* SetBuddy(CWnd* pWndBuddy); // the previous buddy
    CWnd* GetBuddy() const;
    int SetPos(int nPos);            // the previous position
    int GetPos() const;              // position in the low word, nonzero high word on error
    int SetPos32(int nPos);
    int GetPos32(LPBOOL lpbError = NULL) const;
    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    DWORD GetRange() const;          // upper in the low word, lower in the high word
    void GetRange(int& lower, int& upper) const;
    void GetRange32(int& lower, int& upper) const;
};

class AFX_PLATFORM_API CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl() {}
    virtual ~CDateTimeCtrl();

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // GDT_VALID, or GDT_NONE when a DTS_SHOWNONE control is cleared.
    DWORD GetTime(CTime& timeDest) const;
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const;
    // A null time clears a DTS_SHOWNONE control.
    BOOL SetTime(const CTime* pTimeNew);
    BOOL SetTime(LPSYSTEMTIME pTimeNew = NULL);
    BOOL SetFormat(LPCTSTR pstrFormat);
    // GDTR_MIN | GDTR_MAX bits for the bounds that are set.
    DWORD GetRange(CTime* pMinTime, CTime* pMaxTime) const;
    BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);
    COLORREF GetMonthCalColor(int iColor) const;
    COLORREF SetMonthCalColor(int iColor, COLORREF ref);
    CFont* GetMonthCalFont() const;
    void SetMonthCalFont(HFONT hFont, BOOL bRedraw = TRUE);
};

/////////////////////////////////////////////////////////////////////////////
// CToolTipCtrl: comctl32's tooltip window. Tools are rectangles of a window (uId a number) or
// whole windows (TTF_IDISHWND); the owner's mouse messages reach it through RelayEvent.

// A tool's description with room for its text.
class CToolInfo : public TOOLINFOA
{
public:
    TCHAR szText[256];
};

class AFX_PLATFORM_API CToolTipCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() {}
    virtual ~CToolTipCtrl();

    // A pop-up owned by pParentWnd (WS_POPUP | TTS_NOPREFIX | dwStyle).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwStyle = 0, DWORD dwStyleEx = 0);

    // A rectangle tool of pWnd (the whole window when lpRectTool is null and nIDTool is 0).
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    BOOL GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(LPTOOLINFO lpToolInfo);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    int GetToolCount() const;
    void Activate(BOOL bActivate);
    void RelayEvent(LPMSG lpMsg);
    void Pop();
    int SetMaxTipWidth(int iWidth);
    int GetDelayTime(DWORD dwDuration) const;
    void SetDelayTime(UINT nDelay);
    void SetDelayTime(DWORD dwDuration, int iTime);

private:
    void FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};
