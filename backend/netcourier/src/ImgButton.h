// The link's own owner-drawn push button: one bitmap per mouse state stretched over the
// button, or, without bitmaps, a flat fill with a frame and two edge lines in the colours of
// its state. It tracks hovering and pressing itself and reports a click to its parent.
#pragma once

#include <afxwin.h>

// A colour set of an image button: fill, frame, highlight and shadow.
struct tagBtnColor
{
    COLORREF clrFill;
    COLORREF clrBorder;
    COLORREF clrHighlight;
    COLORREF clrShadow;
};

class CImgButton : public CButton
{
    DECLARE_DYNAMIC(CImgButton)
public:
    enum
    {
        kStateNormal = 100,
        kStateOver = 101,
        kStatePressed = 102
    };
    enum
    {
        kMaskOver = 2,
        kMaskPressed = 4,
        kMaskDisabled = 8
    };

    CImgButton();
    virtual ~CImgButton();

    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Flips the check flag and posts BN_CLICKED to the parent.
    virtual void OnClick();
    // The mouse state; a disabled button reports normal.
    virtual int GetCurState();

    // Loads the normal bitmap and, when named, the over and pressed ones from files. A file
    // that cannot be loaded leaves that state without a bitmap.
    void LoadBitmaps(const char* normal, const char* over = NULL, const char* pressed = NULL);
    CBitmap* GetCurBitmap();
    tagBtnColor GetCurColor();
    // Gives the colours of a state (kStateNormal, kStateOver or kStatePressed).
    void SetColorSet(int state, const tagBtnColor& colors);
    void SetTextColor(COLORREF color) { m_clrText = color; }
    BOOL GetCheckFlag() const { return m_bCheck; }

protected:
    void DrawButton(CDC* pDC);
    void SetMouseState(int state);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    BOOL m_bTracking;
    BOOL m_bBorrowed;
    BOOL m_bLoaded;
    BOOL m_bCheck;
    BOOL m_bPressedInside;
    int m_nState;
    int m_nColorMask;
    COLORREF m_clrText;
    CBitmap m_bmpNormal, m_bmpOver, m_bmpPressed, m_bmpDisabled;
    tagBtnColor m_colorNormal, m_colorOver, m_colorPressed, m_colorDisabled;
};
