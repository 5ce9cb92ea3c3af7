// The link's own login dialog. Interactive: the user types ID and password, which are checked
// and handed out. Automatic (ID and password on the command line): transaction 5301 goes out at
// once and a good reply, carrying the accounts, ends the dialog.
#pragma once

#include <afxwin.h>

#include "ImgButton.h"

class CDlgLogin : public CDialog
{
    DECLARE_DYNAMIC(CDlgLogin)
public:
    enum
    {
        kStepTimer = 3003,
        kStepTime = 10000
    };

    // In automatic mode ID and password are argument entries 2 and 3 of the process; a fifth
    // entry is the third value and turns public signing on.
    explicit CDlgLogin(BOOL bAutomatic);
    virtual ~CDlgLogin();

    // Enters a login step: 3 (user information), 4 (accounts), 6 (login request).
    void SetStep(int step);
    int GetStep() const { return m_nStep; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    afx_msg void OnLogin();
    afx_msg void OnNoAction();
    afx_msg void OnSecretFocus();
    afx_msg void OnSecretKillFocus();
    DECLARE_MESSAGE_MAP()

private:
    void SetUpControls();
    void SetStatus(const char* text);
    void Fail(const char* text);
    void EndWithOK();
    void SendStepRequest(int code, const void* body, int len);
    // Transaction 5301 with ID and password, and its status text.
    void SendLoginRequest();
    void HandleReply12(const BYTE* frame, int len);
    void HandleReply1901(const BYTE* frame, int len);
    void HandleReply1905(const BYTE* frame, int len);
    void HandleReply5301(const BYTE* frame, int len);
    void ApplyServerClock(const BYTE* body, int bodyLen);
    void StoreCredentials();
    void ConnectIfDown();
    // Caps Lock warning under the password or third edit.
    void CreateCapsTip();
    void UpdateCapsTip(UINT nEditID);
    void HideCapsTip();

    BOOL m_bAutomatic;
    int m_nStep;
    CImgButton m_btnConnect, m_btnClose, m_btnOption, m_btnConsult, m_btnRegist, m_btnCertificate, m_btnNew;
    CEdit m_editID, m_editPassword, m_editThird;
    CStatic m_status;
    CBitmap m_bmpBackground;
    CBrush m_brushEdit;
    CBrush m_brushStatic;
    HWND m_hCapsTip;
    HWND m_hPreviousReceiver;
    CString m_strID;
    CString m_strPassword;
    CString m_strThird;
};
