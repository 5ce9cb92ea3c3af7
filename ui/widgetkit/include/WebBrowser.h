// The web browser host: CExplorer holds the system's web browser control in a child window
// through a small OLE container of its own; CWebBrowser adds HTML loading and the browser's
// print, find and zoom commands. Without a browser engine the window says so instead of a page.
#pragma once

#include <afxwin.h>

#include <exdisp.h>

#include "WidgetKitApi.h"

class CExplorerSite;

class WIDGETKIT_API CExplorer : public CWnd
{
    DECLARE_DYNAMIC(CExplorer)
public:
    CExplorer();
    virtual ~CExplorer();

    // Creates the child window and the browser control in it; FALSE when the control cannot
    // be created (the window, when created, then shows why).
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = NULL);

    // The browser's automation interface (not add-referenced), or null without a browser.
    IWebBrowser2* GetBrowser() const { return m_pBrowser; }
    BOOL Navigate(LPCTSTR lpszURL);
    // The current document (add-referenced; the caller releases it), or null.
    LPDISPATCH GetDocument();
    // The browser's ExecWB; S_OK, or the failure (an exception of the browser counts as one).
    HRESULT ExecWB(long nCmd, long nOption, VARIANT* pvaIn, VARIANT* pvaOut);

    // What the window shows when there is no browser.
    static LPCTSTR NoBrowserMessage();
    // Container sites alive in the process: each host releases its own when it lets go.
    static int LiveSites();

protected:
    IOleObject* m_pObject;
    IWebBrowser2* m_pBrowser;
    CExplorerSite* m_pSite;

    BOOL CreateBrowser();
    void DestroyBrowser();

    afx_msg void OnSize(UINT nType, int cx, int cy);
    // Without a browser the client area says so (in WM_PAINT and WM_PRINTCLIENT).
    void PaintNoBrowser(CDC* dc);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CWebBrowser : public CExplorer
{
    DECLARE_DYNAMIC(CWebBrowser)
public:
    CWebBrowser();
    virtual ~CWebBrowser();

    // The object's own temporary file name ("<temp folder><address>.html").
    CString GetTempFile() const { return m_strTempFile; }
    // Shows the HTML text in a fresh document, through the document's stream (the page keeps
    // the browser's own zone; nothing is written to disk).
    BOOL LoadHTML2(const char* html);
    // Puts the text into the current document (a blank page first when there is none).
    BOOL LoadHTML(const char* html);

    // The browser's commands: 1 when the browser carried them out, 0 when it refused.
    int ShowPrivew();
    int Print();
    int Find();
    int Zoom(long percent);
    int FontSize(long size);
    long GetCurZoom();
    long GetCurFontSize();
    void ZoomIn();

protected:
    CString m_strTempFile;

    // Navigates to a blank page and waits (running messages) until it stands; null when it
    // does not come.
    LPDISPATCH BlankDocument();
    BOOL LoadIntoDocument(LPDISPATCH pDocument, const char* html, BOOL bInitNew);
    int Command(long nCmd, long nValue, BOOL bWithValue);
    long Query(long nCmd);
};
