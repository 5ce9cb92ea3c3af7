// PatchRunner's only window: a small borderless topmost dialog with a status line, a
// gradient progress bar, Cancel and a close box. It owns the worker that does the update and
// ends either by Cancel or, when the worker is done, by starting the main program again.
#pragma once

#include <afxwin.h>

#include "img_button.h"
#include "process_ver_file_wnd.h"
#include "resource.h"
#include "updater_settings.h"
#include "ver_progress_ctrl.h"

class CPatchRunnerDlg : public CDialog
{
public:
    enum
    {
        IDD = IDD_PATCHRUNNER_DIALOG
    };

    explicit CPatchRunnerDlg(const UpdaterSettings& settings, CWnd* pParent = NULL);
    virtual ~CPatchRunnerDlg();

    // Progress calls of the worker.
    void SetProgressRange(int nCount);
    void SetProgressPos(int nTotal, int nPos);
    void SetStatusText(LPCTSTR lpszText);

    // Starts the main program of this install and ends the dialog (the worker's last step).
    virtual void OnOK();

    // The failure that ended the run, empty after success or Cancel.
    CString GetFailure() const { return m_worker.GetFailure(); }
    CVerProgressCtrl& GetProgressCtrl() { return m_progress; }

protected:
    virtual BOOL OnInitDialog();
    virtual void OnCancel();
    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg void OnCloseBox();
    DECLARE_MESSAGE_MAP()

private:
    CVerProgressCtrl m_progress;
    CStatic m_status;
    CImgButton m_btnCancel;
    CImgButton m_btnClose;
    CBitmap m_bmpBackground;
    CBrush m_brStatic;
    CProcessVerFileWnd m_worker;
    UpdaterSettings m_settings;
};
