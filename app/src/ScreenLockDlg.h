// The screen-lock dialog: the main frame stays hidden until the login password is typed again.
// Enter or the OK button checks it; the cancel button only empties the edit and minimises the
// dialog; closing the dialog any other way leaves the screen locked.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include "ImgButton.h"

#define LOCK_CAPS_TIP "<Caps Lock> 이 켜져 있습니다."
#define LOCK_CAPS_TIP_MS 20000

class CScreenLockDlg : public CDialog
{
public:
    explicit CScreenLockDlg(CWnd* pParent = NULL);
    virtual ~CScreenLockDlg();

    // Whether the Caps Lock hint is switched on.
    BOOL IsCapsTipActive() const { return m_bCapsTip; }

protected:
    virtual BOOL OnInitDialog();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnOK();
    virtual void OnCancel();

    // Ends the dialog with OK when the edit holds the login password, else empties the edit.
    void CheckPassword();
    void UpdateCapsTip();
    void ClearEdit();

    CEdit m_edit;
    CImgButton m_btnOK, m_btnCancel;
    CToolTipCtrl m_tip;
    BOOL m_bCapsTip;

    afx_msg void OnOKButton();
    afx_msg void OnCancelButton();
    DECLARE_MESSAGE_MAP()
};
