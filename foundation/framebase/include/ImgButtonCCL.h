// The bitmap button of the message line's history: four looks (normal, over, pressed,
// disabled) from bitmaps it borrows from the image map, or else from colour sets.
#pragma once

#include <afxwin.h>

#include "BtnColor.h"
#include "DefFont.h"
#include "FrameBaseApi.h"

class FRAMEBASE_API CImgButtonCCL : public CButton, public CDefFont
{
    DECLARE_DYNAMIC(CImgButtonCCL)
public:
    enum { STATE_NORMAL = 100, STATE_OVER = 101, STATE_PRESSED = 102, STATE_DISABLED = 104 };
    enum { LOOK_NORMAL = 0, LOOK_OVER, LOOK_PRESSED, LOOK_DISABLED, LOOK_COUNT };

    CImgButtonCCL();
    // Lets go of the borrowed bitmaps; never deletes them.
    virtual ~CImgButtonCCL();

    // The button with style | BS_OWNERDRAW.
    virtual BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Flips the check flag and posts WM_COMMAND (id, 0) with the button's window to the parent.
    virtual void OnClick();
    // 104 when disabled, else the mouse state (100 normal, 101 over, 102 pressed).
    virtual int GetCurState();

    // Borrows the bitmaps (null ones skipped); the caller keeps them and their handles.
    void LoadBitmaps(CBitmap* normal, CBitmap* over, CBitmap* pressed, CBitmap* disabled);
    // The colour set of one look, used while no bitmaps are loaded.
    void SetButtonColor(int look, const tagBtnColor& colours);
    void SetTextColor(COLORREF colour) { m_clrText = colour; }
    BOOL GetCheck() const { return m_bCheck; }
    HBITMAP GetLookBitmap(int look) const;

protected:
    int LookOf(int state) const;

    BOOL m_bTracking;
    BOOL m_bBorrowed;
    BOOL m_bLoaded;
    BOOL m_bPressedInside;
    BOOL m_bFocusRect;
    BOOL m_bCheck;
    int m_nMouseState;
    UINT m_nColorMask;
    COLORREF m_clrText;
    CBitmap m_bitmap[LOOK_COUNT];
    tagBtnColor m_colours[LOOK_COUNT];
    CString m_strText1;
    CString m_strText2;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void SetState(int state);
    void ReleaseBitmaps();
};
