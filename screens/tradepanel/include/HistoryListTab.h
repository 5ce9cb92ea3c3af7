// CHistoryListTab: the real-time log page of screen 1000's account tab window: the day's user
// log, newest first, read when the page is first opened, and each new line on top as the log
// channel writes it.
#pragma once

#include "AccountTabPage.h"

class TRADEPANEL_API CHistoryListTab : public CAccountTabPage
{
    DECLARE_DYNAMIC(CHistoryListTab)
public:
    CHistoryListTab(UINT templateId, CWnd* strip);

    // The current user-log file's lines as rows, newest first; an unreadable file leaves the
    // list empty.
    void LoadLogFile();

protected:
    virtual void SetUpPage();

    afx_msg LRESULT OnUserLogLine(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
