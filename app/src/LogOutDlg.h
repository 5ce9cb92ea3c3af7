// The logout dialog: the session's login time, the time now and the time used, and the choice
// to leave (OK) or stay (Cancel). It has no caption bar and is dragged by its surface.
#pragma once

#include <afxwin.h>

#include "ImgButton.h"
#include "SStatic.h"

#define LOGOUT_CAPTION "로그아웃"

class CLogOutDlg : public CDialog
{
public:
    // The login's tick count (GetTickCount64) and time (seconds since 1970).
    CLogOutDlg(ULONGLONG loginTick, __time64_t loginTime, CWnd* pParent = NULL);
    virtual ~CLogOutDlg();

    // "%2.2d월 %2.2d일 오전 %2.2d:%2.2d:%2.2d" before noon, "... 오후 ..." from noon on, with the
    // hour on a 12-hour clock (00:30 is 오전 12, 12:30 오후 12, 13:05 오후 01).
    static CString FormatClockTime(const SYSTEMTIME& time);
    // "%d일 %d시간 %d분 %d초" of whole seconds.
    static CString FormatTimeUsed(ULONGLONG milliseconds);

    CString GetLabelText(int index) const;

    // Where the dialog of this size opens: centred across the main window and down the work
    // area below it. The main window is the bar along the top of the screen; centred on the bar
    // alone the dialog would lie over its caption.
    static CPoint PlaceOnMainWindow(const CRect& mainWindow, const CRect& workArea, CSize dialog);

protected:
    virtual BOOL OnInitDialog();

    ULONGLONG m_ullLoginTick;
    __time64_t m_tLogin;
    CBitmap m_bmpBackground;
    CImgButton m_btnOK, m_btnCancel;
    CSStatic m_label[3];
    CBrush m_brWhite;

    void CentreOnMainWindow();

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnOKButton();
    afx_msg void OnCancelButton();
    DECLARE_MESSAGE_MAP()
};
