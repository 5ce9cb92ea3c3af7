// Buttons that are not windows: a rectangle inside another window (a control, scroll bar,
// edit or tool bar) that draws itself as a push button with a small glyph and tracks a click
// with its own modal mouse loop. CDrawImgBtn is the bitmap variant.
#pragma once

#include <afxwin.h>
#include "ToolBeltApi.h"

// Kinds (the style's low byte).
#define DBS_UP 1        // triangle pointing up
#define DBS_DOWN 2      // triangle pointing down
#define DBS_LEFT 3      // triangle pointing left
#define DBS_RIGHT 4     // triangle pointing right
#define DBS_SPIN 5      // upper half up, lower half down
#define DBS_PLAIN 6     // no glyph
#define DBS_ELLIPSIS 7  // "..."
#define DBS_CROSS 8
#define DBS_KINDMASK 0xFF
// Flags.
#define DBS_DISABLED 0x100
#define DBS_EDGE 0x200
#define DBS_NONCLIENT 0x400    // the rectangle is in window coordinates of the owner
#define DBS_FLAT 0x800
#define DBS_PUSHED 0x1000      // the button, or the upper half of a spin button
#define DBS_PUSHEDLOW 0x2000   // the lower half of a spin button
#define DBS_OVER 0x4000        // the mouse is over a flat button
#define DBS_FLATNOFRAME 0x8000 // flat, and no frame while not highlighted

// The owner's timer that takes a flat button's highlight away once the cursor left the owner.
#define DRAWBTN_OVER_TIMER 54321

class TOOLBELT_API CDrawBtn
{
public:
    explicit CDrawBtn(DWORD style = 0);
    CDrawBtn(DWORD style, const RECT* rect);
    CDrawBtn(const CDrawBtn& other);
    CDrawBtn& operator=(const CDrawBtn& other);

    // state 0 draws the style itself.
    virtual void Draw(CDC* pDC, DWORD state = 0);
    virtual bool PtInRect(POINT point) const;
    // Flat buttons light up under the mouse (call from the owner's mouse-move handler).
    virtual void CheckForMouseOver(CWnd* pOwner, CPoint point);
    virtual ~CDrawBtn();

    void SetRect(const RECT* rect);
    CRect GetRect() const { return CRect(m_rect); }
    DWORD GetStyle() const { return m_dwStyle; }

    // Tracks a click that began at point: kind | DBS_PUSHED (kind | DBS_PUSHEDLOW for the lower
    // half of a spin button) when released over the button, else 0. For a spin button codes
    // (low word upper half, high word lower half) repeat WM_COMMAND to the owner's parent every
    // 100 ms while the mouse stays on the pressed half.
    DWORD Click(CWnd* pOwner, CPoint point, UINT codes = 0);

    DWORD m_dwStyle;
    RECT m_rect;

protected:
    // Draws through a client DC of the owner (a window DC for a non-client button).
    void DrawOnOwner(CWnd* pOwner, DWORD state);
    void DrawFrame(CDC* pDC, CRect rect, DWORD state);
    void DrawGlyph(CDC* pDC, CRect rect, DWORD state, COLORREF colour);
};

class TOOLBELT_API CDrawImgBtn : public CDrawBtn
{
public:
    explicit CDrawImgBtn(DWORD style = 0);
    virtual ~CDrawImgBtn();

    // Loads the three bitmap files (stopping at the first failure): 1, or -1 after the message
    // box "Image Loading Failed".
    int SetImage(const char* first, const char* second, const char* third);
    CSize GetImageSize();
    CBitmap* GetDefaultImage() { return &m_bmpFirst; }
    void SetText(CString text) { m_strText = text; }
    CString GetText() const { return m_strText; }
    void SetFontColor(COLORREF colour) { m_clrFont = colour; }
    COLORREF GetFontColor() const { return m_clrFont; }
    // 0 normal (second image), 1 mouse over (third image), 2 the first image.
    void SetStatus(UINT status) { m_nStatus = status; }
    UINT GetStatus() const { return m_nStatus; }
    void SetStyle(DWORD style) { m_dwStyle = style; }

    // Paints only with state bits 0x1 and 0x8; 0x10 adds the text (0x2 in bold).
    virtual void Draw(CDC* pDC, DWORD state = 0) override;
    virtual void CheckForMouseOver(CWnd* pOwner, CPoint point) override;

protected:
    UINT m_nStatus;
    COLORREF m_clrFont;
    CString m_strText;
    CBitmap m_bmpFirst, m_bmpSecond, m_bmpThird;

private:
    CDrawImgBtn(const CDrawImgBtn&) = delete;
    CDrawImgBtn& operator=(const CDrawImgBtn&) = delete;
};
