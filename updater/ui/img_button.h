// The updater's own bitmap button: owner-drawn, tracks hover and press, and posts its command
// to the parent itself when clicked.
#pragma once

#include <afxwin.h>

class CImgButton : public CButton
{
public:
    enum
    {
        STATE_NORMAL = 100,
        STATE_OVER = 101,
        STATE_PRESSED = 102,
    };
    enum
    {
        COLORS_OVER = 2,
        COLORS_PRESSED = 4,
        COLORS_DISABLED = 8,
    };
    struct ColorSet
    {
        COLORREF crFill;
        COLORREF crFrame;
        COLORREF crTopLeft;
        COLORREF crBottomRight;
    };

    CImgButton();
    virtual ~CImgButton();

    // Bitmaps of the program's resources (0: none); the button owns and deletes them.
    BOOL LoadBitmaps(UINT nNormal, UINT nOver = 0, UINT nPressed = 0, UINT nDisabled = 0);
    void SetBitmapMode(BOOL bBitmap) { m_bBitmapMode = bBitmap; }
    void SetTextColor(COLORREF cr) { m_crText = cr; }
    // Colour sets: index 0 normal, then over, pressed, disabled (present-mask bits 2, 4, 8).
    void SetColorSet(int nIndex, const ColorSet& colors);
    // Resizes the window to its normal bitmap, keeping its place.
    void SizeToBitmap();

    virtual void ClickAction();
    virtual int GetCurrentState();
    BOOL IsToggled() const { return m_bToggled; }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual void PreSubclassWindow();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void SetState(int nState);
    CBitmap* CurrentBitmap();
    const ColorSet& CurrentColors() const;

    BOOL m_bTracking;
    BOOL m_bOwnBitmaps;
    BOOL m_bBitmapMode;
    BOOL m_bToggled;
    BOOL m_bCaptured;
    int m_nState;
    int m_nColorMask;
    COLORREF m_crText;
    CBitmap m_bitmaps[4];
    ColorSet m_colors[4];
};
