// The hidden worker window of the updater dialog: runs the whole exchange with the version
// server (version list, then every changed file into the Temp folder), then has the
// downloads installed and the main program started again. Driven by the socket's frames on
// the UI thread; the end (install or failure) runs from a posted message, outside the
// socket's notice.
#pragma once

#include <memory>

#include "updater_settings.h"
#include "vc_socket.h"
#include "version_fetch.h"

class CPatchRunnerDlg;

// Posted to the worker itself: wParam 1 finish (install), 0 fail (text in m_strFailure).
#define WM_VERSION_STEP (WM_USER + 55)

class CProcessVerFileWnd : public CWnd
{
public:
    CProcessVerFileWnd();
    virtual ~CProcessVerFileWnd();

    // Creates the worker as child IDC_WORKER of the dialog, which starts the exchange.
    BOOL Create(CPatchRunnerDlg* pDialog, const UpdaterSettings& settings);

    // The text of the failure that ended the run (empty while running and after success).
    const CString& GetFailure() const { return m_strFailure; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnVersionFrame(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLinkFailed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnVersionStep(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SendRequest();
    void FetchNextFile();
    void Fail(const CString& strText, UINT nType);
    void InstallDownloads();
    void EndWithCancel();

    enum State
    {
        STATE_IDLE,     // not created
        STATE_FETCHING, // a reply is due
        STATE_ENDING,   // the end is posted: nothing more is taken from the link
    };

    CQuelmar_VCSocket m_socket;
    VersionMap m_localVersions;
    CString m_strSystemDir;
    CString m_strTempDir;
    CString m_strRootDir;
    std::unique_ptr<CVersionFetch> m_pFetch;
    CPatchRunnerDlg* m_pDialog;
    UpdaterSettings m_settings;
    State m_nState;
    CString m_strFailure;
    UINT m_nFailureType;
};
