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
