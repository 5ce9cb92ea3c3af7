// The server poll: a message-only window that sends transaction 1200 with the user ID every
// 3 seconds and restarts its timer on each answer.
#pragma once

#include <afxwin.h>

#define TR_POLL 1200
#define TIMER_POLL 16001
#define POLL_MS 3000
#define POLL_BODY_SIZE 12

class CPollingWnd : public CWnd
{
public:
    CPollingWnd();
    virtual ~CPollingWnd();

    BOOL Create();
    // Stops polling (the running flag off, the timer killed).
    void Stop();
    // The 12-byte body: a blank, zero bytes, the "%-8s" user ID over them cut to 12 bytes.
    static void MakeBody(const CString& userId, BYTE body[POLL_BODY_SIZE]);
    // The session's user ID whatever its length (a fixed buffer too short for it gets nothing).
    static CString ReadUserID();

    BOOL m_bRunning;
    CString m_strPollText;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
