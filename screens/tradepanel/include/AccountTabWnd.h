// CAccountTabWnd: the account tab window below screen 1000's board: a tab strip with five pages
// made on their first showing, one shown at a time, and the relayed automatic-trading and
// user-log messages passed on to the pages that show them.
#pragma once

#include "MapPage.h"
#include "TradePanelApi.h"

class CBottomTabCtrl;

#define ACCOUNT_TAB_COUNT 5
#define ACCOUNT_TAB_STRIP_ID 1000
// The real-time log page's place: the only page that takes the user-log lines.
#define ACCOUNT_TAB_LOG_PAGE 4

// One tab: its text, its page's template, and how the page object is made (null: a page this
// build does not hold; the tab then shows the strip only).
struct ACCOUNT_TAB_ENTRY
{
    const char* text;
    UINT templateId;
    CMapPage* (*make)(UINT templateId, CWnd* strip);
};

class TRADEPANEL_API CAccountTabWnd : public CMapPage
{
    DECLARE_DYNAMIC(CAccountTabWnd)
public:
    CAccountTabWnd(UINT templateId, CWnd* parent);
    virtual ~CAccountTabWnd();

    virtual CWnd* GetSubControl(WORD id);
    virtual BOOL InitWindow();

    static CString LayoutPath();
    static const ACCOUNT_TAB_ENTRY* GetTabEntries();

    CBottomTabCtrl* GetTabStrip() const { return m_pTabStrip; }
    // The page object of a tab (null before set-up or for a page this build does not hold).
    CMapPage* GetPage(int index) const;
    // Shows or hides a tab's page, making its window on first showing.
    void ShowPage(int index, BOOL show);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK() {}
    virtual void OnCancel() {}
    void SetUpTabs();
    void DeletePages();

    CBottomTabCtrl* m_pTabStrip; // owned by the layout's controls
    CMapPage* m_pPages[ACCOUNT_TAB_COUNT];

    afx_msg void OnSelChanging(NMHDR* header, LRESULT* result);
    afx_msg void OnSelChange(NMHDR* header, LRESULT* result);
    afx_msg LRESULT OnAutoSignalChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUserLogLine(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
