// CQueryTabPage: base of the account tab window's pages that show an exchange query (balance,
// trade history): a child page from its own template and layout file, on a flat background of
// colour 809, with no message line (its failures go to the server log).
#pragma once

#include "MapPage.h"

#define QUERY_PAGE_BACK_COLOR 809

class CQueryTabPage : public CMapPage
{
public:
    // parent: the tab strip. resources: the module holding the template; NULL takes the module
    // this page's code is linked into (the plug-in that shows it).
    CQueryTabPage(UINT templateId, CWnd* parent, const char* layoutFile, HINSTANCE resources);
    virtual ~CQueryTabPage();

    // The window that holds the tab strip (the account tab window); NULL without a strip.
    HWND GetTabOwner() const { return m_hTabOwner; }
    // The page's layout file in the map folder.
    CString LayoutPath() const;
    // The module that holds this code.
    static HINSTANCE CodeModule();

protected:
    // Sets up the page's controls once its layout was loaded.
    virtual void SetupControls() = 0;
    virtual BOOL OnInitDialog();
    virtual void OnOK() {}
    virtual void OnCancel() {}

    CString m_strLayoutFile;
    HWND m_hTabOwner;

    afx_msg BOOL OnCopyData(CWnd* from, COPYDATASTRUCT* cds);
    DECLARE_MESSAGE_MAP()
};
