// The account tab window of screen 1000: a child dialog below the board that receives the
// relayed automatic-trading and user-log messages. Its pages are not in this build yet.
#pragma once

#include <afxwin.h>

#include "TradePanelApi.h"

class TRADEPANEL_API CAccountTabWnd : public CDialog
{
public:
    CAccountTabWnd(UINT templateId, CWnd* parent, HINSTANCE resources);

    // Relayed messages received (the pages that will show them are not built yet).
    int m_nAutoSignalChanged;
    int m_nUserLogLines;

protected:
    afx_msg LRESULT OnAutoSignalChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUserLogLine(WPARAM wParam, LPARAM lParam);
    virtual void OnOK() {}
    virtual void OnCancel() {}
    DECLARE_MESSAGE_MAP()
};
