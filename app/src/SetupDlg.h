// The setup dialog "환경설정": three tab strips, each holding one page of the user's settings
// (screens, connection, alarm); apply stores the pages into the setup record and "user.cfg",
// cancel leaves the record as it was when the dialog opened.
#pragma once

#include "MapView.h"
#include "SessionRecords.h"
#include "SetupPages.h"
#include "resource.h"

#define SETUP_LAYOUT_FILE "MF_Setup.xml"

class CMainSetupDlg : public CMapView
{
public:
    enum { IDD = IDD_MAIN_SETUP };

    explicit CMainSetupDlg(CWnd* parent);
    virtual ~CMainSetupDlg();

    CPageMain& GetPageMain() { return m_pageMain; }
    CPageConnection& GetPageConnection() { return m_pageConnection; }
    CPageAlarm& GetPageAlarm() { return m_pageAlarm; }

protected:
    virtual BOOL OnInitDialog();
    // Enter never ends the dialog; Esc and the caption's close are Cancel.
    virtual void OnOK();
    virtual void OnCancel();
    // Puts a page under its tab strip, below the tab row.
    void PlacePage(WORD tabId, const char* text, CSetupPage& page);

    CPageMain m_pageMain;
    CPageConnection m_pageConnection;
    CPageAlarm m_pageAlarm;
    // The record as it was when the dialog opened: the main page's switches take effect at
    // once, and Cancel must leave nothing changed.
    _ST_SETUPINFO m_before;

    afx_msg void OnDefaults();
    afx_msg void OnApply();
    afx_msg void OnCancelButton();
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()
};
