// Base of the account and code controls: a background colour (colour-map id 401 when the
// control is made) with its brush, and static children coloured by the control's parent.
#pragma once

#include <afxwin.h>

#include "SharedKitApi.h"

class SHAREDKIT_API CCtrlBase : public CWnd
{
    DECLARE_DYNAMIC(CCtrlBase)
public:
    CCtrlBase();
    virtual ~CCtrlBase();

    // Stores the colour and repaints without erasing; the brush keeps the colour it was made with.
    void SetBackColor(COLORREF colour);
    COLORREF GetBackColor() const { return m_clrBack; }
    CBrush& GetBackBrush() { return m_brBack; }

protected:
    COLORREF m_clrBack;
    CBrush m_brBack;

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
