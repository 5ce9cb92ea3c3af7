// One caption button of a skinned title bar: three borrowed bitmaps (normal, mouse over,
// pressed) at a place in window coordinates. Header-inline so that every module that includes
// it compiles the same members.
#pragma once

#include <afxwin.h>

// Where a hidden button is parked (left and top).
#define SYSBUTTON_PARKED (-10000)

class CSysButton
{
public:
    CSysButton()
        : m_size(0, 0), m_rect(0, 0, 0, 0), m_pBmpNormal(NULL), m_pBmpOver(NULL), m_pBmpPressed(NULL),
          m_bPressed(FALSE), m_bOver(FALSE)
    {
    }

    // Stores the three bitmaps (the title bar never frees them); the size is the normal one's.
    void SetImage(CBitmap* normal, CBitmap* over, CBitmap* pressed)
    {
        m_pBmpNormal = normal;
        m_pBmpOver = over;
        m_pBmpPressed = pressed;
        SetSize();
    }
    void SetSize()
    {
        BITMAP bm;
        if (m_pBmpNormal != NULL && m_pBmpNormal->GetSafeHandle() != NULL && m_pBmpNormal->GetBitmap(&bm))
            m_size = CSize(bm.bmWidth, bm.bmHeight);
        else
            m_size = CSize(0, 0);
    }
    CSize GetSize() const { return m_size; }
    CRect GetRect() const { return m_rect; }
    void SetPosition(const CPoint& point) { m_rect = CRect(point, m_size); }
    void Park() { SetPosition(CPoint(SYSBUTTON_PARKED, SYSBUTTON_PARKED)); }
    BOOL IsVisible() const { return m_rect.left != SYSBUTTON_PARKED && m_rect.top != SYSBUTTON_PARKED; }
    BOOL IsOver(const CPoint& point) const { return m_rect.PtInRect(point); }

    // Both return 0 when nothing changes; leaving the button also ends a press.
    BOOL SetOver(BOOL over)
    {
        over = over ? TRUE : FALSE;
        if (over == m_bOver)
            return FALSE;
        m_bOver = over;
        if (!over)
            m_bPressed = FALSE;
        return TRUE;
    }
    BOOL SetPressed(BOOL pressed)
    {
        pressed = pressed ? TRUE : FALSE;
        if (pressed == m_bPressed)
            return FALSE;
        m_bPressed = pressed;
        return TRUE;
    }
    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsMouseOver() const { return m_bOver; }

    // The pressed look while over and pressed, the over look while over, else the normal one.
    void Draw(CDC* pDC) const
    {
        CBitmap* bitmap = m_bOver ? (m_bPressed ? m_pBmpPressed : m_pBmpOver) : m_pBmpNormal;
        if (bitmap == NULL || bitmap->GetSafeHandle() == NULL)
            return;
        CDC memory;
        if (!memory.CreateCompatibleDC(pDC))
            return;
        CBitmap* old = memory.SelectObject(bitmap);
        pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), &memory, 0, 0, SRCCOPY);
        memory.SelectObject(old);
    }

    CSize m_size;
    CRect m_rect;
    CBitmap* m_pBmpNormal;
    CBitmap* m_pBmpOver;
    CBitmap* m_pBmpPressed;
    BOOL m_bPressed;
    BOOL m_bOver;
};

// The main title bar's menu buttons are the same record.
typedef CSysButton CMainSysButton;
