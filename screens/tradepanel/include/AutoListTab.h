// The two automatic-trading pages of screen 1000's account tab window: the watch list of every
// coin's current signal (CAutoListTab) and the history of every signal received, newest first
// (CAutoSignalLogTab). Both read the back end's lists on the user-interface thread, unlocked.
#pragma once

#include "AccountTabPage.h"
#include "TokenBoardRecords.h"

// The watch list's filter buttons: every signal, or only the coins being watched.
#define AUTOLIST_FILTER_ALL 1000
#define AUTOLIST_FILTER_WATCHED 1001

class TRADEPANEL_API CAutoListTab : public CAccountTabPage
{
    DECLARE_DYNAMIC(CAutoListTab)
public:
    CAutoListTab(UINT templateId, CWnd* strip);

    int GetFilter() const { return m_nFilter; }
    // The list again from the back end's signal map, through the filter.
    void RebuildList();

protected:
    virtual void SetUpPage();
    virtual void FillPage() { RebuildList(); }

    int m_nFilter;

    afx_msg void OnFilter(UINT id);
    afx_msg LRESULT OnAutoSignalChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class TRADEPANEL_API CAutoSignalLogTab : public CAccountTabPage
{
    DECLARE_DYNAMIC(CAutoSignalLogTab)
public:
    CAutoSignalLogTab(UINT templateId, CWnd* strip);

    // One signal on top of the history.
    void InsertSignal(const _AUTO_SIGNAL& signal);

protected:
    virtual void SetUpPage();
    // The whole log of the back end, oldest first, each on top.
    virtual void FillPage();

    afx_msg LRESULT OnAutoSignalChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
