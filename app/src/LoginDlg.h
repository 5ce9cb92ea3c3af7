// The login dialog of start-up: member ID and password for the system's server, API key and
// secret key of the exchange account; transaction 1100, then the sign-on 1201 '0', whose answer
// ends the dialog with OK.
#pragma once

#include <afxwin.h>

#include "ImgButton.h"
#include "LoginRules.h"
#include "SymbolEdit.h"

#define LOGIN_CUE_COLOUR RGB(0x94, 0x94, 0x94)

class CWendralLoginDlg : public CDialog
{
public:
    explicit CWendralLoginDlg(CWnd* pParent = NULL);
    virtual ~CWendralLoginDlg();

    int GetSaveIDFlag() const { return m_bSaveID; }

protected:
    virtual BOOL OnInitDialog();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnOK();
    virtual void OnCancel();

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLogin();
    afx_msg void OnCancelButton();
    afx_msg void OnSaveID();
    afx_msg void OnWebPage(UINT nID);
    afx_msg void OnWebExchange();
    DECLARE_MESSAGE_MAP()

private:
    void PlaceControls();
    void LoadSaveIDImages();
    void EnableEdits(BOOL enable);
    // Moves the focus to the edit with its text selected whole.
    void FocusEdit(CSymbolEdit& edit);
    CString Trimmed(CSymbolEdit& edit);
    void ShowMessage(const char* text);
    void OnLoginReply(const BYTE* body, int len);
    CString UserConfigPath() const;

    CBitmap m_bmpBackground;
    CSymbolEdit m_editID, m_editPassword, m_editAPIKey, m_editSecretKey;
    CImgButton m_btnLogin, m_btnCancel, m_btnWeb[4], m_btnSaveID, m_btnExchange;
    int m_bSaveID;
    BOOL m_bSignOnSent;
};
