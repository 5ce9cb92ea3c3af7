// The order-alarm host: a hidden child of the main frame whose window is published for the
// automatic-trading manager's order events.
#pragma once

#include <afxwin.h>

class COrderExec : public CWnd
{
public:
    explicit COrderExec(CWnd* frame);
    virtual ~COrderExec();

    BOOL Create();
    int GetAlarmCount() const { return m_nAlarms; }

protected:
    CWnd* m_pFrame;
    int m_nAlarms;

    afx_msg LRESULT OnOrderAlarm(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
