// A plain child window of the registered class "Quelmar_WND" that fills itself with one
// background colour (base of the message line, of panels and of the layout's "Window").
#pragma once

#include <afxwin.h>

#include "FrameBaseApi.h"

class FRAMEBASE_API CBaseWnd : public CWnd
{
    DECLARE_DYNAMIC(CBaseWnd)
public:
    // The background starts as the view background of the colour map (black before it is loaded).
    CBaseWnd();
    virtual ~CBaseWnd();

    // Registers the class once (0 when that fails), then creates the window with an empty title.
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);
    BOOL CreateEx(DWORD exStyle, DWORD style, const CRect& rect, CWnd* parent, UINT id);
    // Registers "Quelmar_WND" (double clicks, default procedure, application icon, arrow cursor,
    // no background brush); TRUE when the class exists afterwards.
    static BOOL RegisterWnd();

    COLORREF GetColorBackBround() const { return m_clrBackground; }
    void SetColorBackground(COLORREF colour) { m_clrBackground = colour; }

    static CString m_strClassName;
    static BOOL m_bRegisted;

protected:
    COLORREF m_clrBackground;

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
