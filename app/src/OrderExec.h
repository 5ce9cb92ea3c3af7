// The order-alarm host: a hidden child of the main frame whose window is published for the
// automatic-trading manager's order events; it shows them in the order alarm it owns.
#pragma once

#include <afxwin.h>

class COrdAlarm;

class COrderExec : public CWnd
{
public:
    explicit COrderExec(CWnd* frame);
    virtual ~COrderExec();

    BOOL Create();
    // The alarm window, NULL when it could not be made.
    COrdAlarm* GetAlarm() const { return m_pAlarm; }

protected:
    CWnd* m_pFrame;
    COrdAlarm* m_pAlarm;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnOrderAlarm(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
