// The owner-drawn push button of screens and dialogs (four looks from bitmaps or colour sets,
// hover tracking, a hint tooltip) and the toggle derived from it, whose radio kind clears the
// other radio toggles of its parent.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include "BtnColor.h"
#include "DefFont.h"
#include "WidgetKitApi.h"
#include "WidgetRules.h"

// Sent by a radio toggle to the other radio toggles under the same parent (1 checks, 0 clears).
#define WM_CHG_TOGGLE (WM_USER + 51)
// The tool id of the hint.
#define IMGBUTTON_HINT_TOOL 150

class WIDGETKIT_API CImgButton : public CButton, public CDefFont
{
    DECLARE_DYNAMIC(CImgButton)
public:
    enum { LOOK_NORMAL = 0, LOOK_OVER, LOOK_PRESSED, LOOK_DISABLED, LOOK_COUNT };

    CImgButton();
    virtual ~CImgButton();

    virtual BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Flips the check flag and posts WM_COMMAND (id, 0) with the button's window to the parent.
    virtual void OnClick();
    virtual int GetCurState();

    BOOL SubclassWindow(HWND hWnd);

    // Bitmaps the button owns, from the resource chain or from files (null names skipped).
    void LoadBitmaps(UINT normal, UINT over = 0, UINT pressed = 0, UINT disabled = 0);
    void LoadBitmaps(const char* normal, const char* over = NULL, const char* pressed = NULL,
                     const char* disabled = NULL);
    // Bitmaps the caller keeps (the image map's): borrowed, never deleted.
    void LoadBitmaps(CBitmap* normal, CBitmap* over, CBitmap* pressed, CBitmap* disabled);
    void UnLoadBitmaps();
    void LoadColors(tagBtnColor* normal, tagBtnColor* over = NULL, tagBtnColor* pressed = NULL,
                    tagBtnColor* disabled = NULL);

    int GetCheck() const { return m_bCheck ? 1 : 0; }
    void SetCheck(int check);
    void SetTextColor(COLORREF colour);
    void SetMultiLines(BOOL multi);
    void SetFocusRect(BOOL focus);
    void SetExtendData(CString data) { m_strExtendData = data; }
    CString GetExtendData() const { return m_strExtendData; }
    void SetHint(CString hint);
    CString GetHint() const { return m_strHint; }
    void UpdateState(int state);

    HBITMAP GetLookBitmap(int look) const;
    BOOL IsBorrowed() const { return m_bBorrowed; }
    CToolTipCtrl* GetToolTip() { return m_pToolTip; }

protected:
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PreSubclassWindow();

    void ReleaseBitmaps();
    void MouseEvent(ButtonEvent event, BOOL inside);

    BOOL m_bTracking;
    BOOL m_bBorrowed;
    BOOL m_bLoaded;
    BOOL m_bCheck;
    BOOL m_bPressedInside;
    BOOL m_bMultiLine;
    BOOL m_bFocusRect;
    int m_nState;
    UINT m_nColorMask;
    COLORREF m_clrText;
    COLORREF m_clrDisabledText;
    CBitmap m_bitmap[LOOK_COUNT];
    tagBtnColor m_colours[LOOK_COUNT];
    CString m_strExtendData;
    CString m_strHint;
    CToolTipCtrl* m_pToolTip;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CImgToggle : public CImgButton
{
    DECLARE_DYNAMIC(CImgToggle)
public:
    enum { KIND_RADIO = 4 };

    CImgToggle();
    virtual ~CImgToggle();

    virtual BOOL Create(const char* text, DWORD style, DWORD kind, const RECT& rect, CWnd* parent, UINT id);
    virtual void OnClick();
    virtual int GetCurState();

    DWORD GetKind() const { return m_dwKind; }

protected:
    DWORD m_dwKind;

    afx_msg LRESULT OnChgToggle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
