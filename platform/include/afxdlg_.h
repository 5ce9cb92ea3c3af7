// Dialogs and frames: CDialog (modal and modeless, from a template found through the resource
// chain) and CFrameWnd. Included by afxwin.h.
#pragma once

#include "afxmenu_.h"
#include "afxthread_.h"
#include "afxmodule_.h"

// Data exchange context handed to DoDataExchange (no DDX_ routines are provided).
class AFX_PLATFORM_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    BOOL m_bSaveAndValidate; // TRUE: controls to members
    CWnd* m_pDlgWnd;
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    void Fail(); // throws CUserException
    UINT m_idLastControl;
    BOOL m_bEditLastControl;
};

/////////////////////////////////////////////////////////////////////////////
// CDialog

class AFX_PLATFORM_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    // The template (and the resources its controls name) comes from hResourceModule alone,
    // never through the resource chain: a library's dialog is its own whatever other modules
    // hold under the same id.
    CDialog(UINT nIDTemplate, CWnd* pParentWnd, HINSTANCE hResourceModule);
    virtual ~CDialog();

    // The module DoModal and Create take the template from; null: the resource chain.
    void SetResourceModule(HINSTANCE hResourceModule) { m_hResourceModule = hResourceModule; }
    HINSTANCE GetResourceModule() const { return m_hResourceModule; }

    // Modeless: a null parent means the main window. FALSE when the template is missing or
    // creation fails.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // Modal: runs the dialog's own loop with its owner disabled until EndDialog; returns the
    // EndDialog value, or -1 when the template is missing or creation fails.
    virtual INT_PTR DoModal();
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL, void* lpDialogInit = NULL);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);
    void EndDialog(int nResult);

    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;
    void SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }

    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL CheckAutoCenter();

    LPCTSTR m_lpszTemplateName;
    HGLOBAL m_hDialogTemplate;
    LPCDLGTEMPLATE m_lpDialogTemplate;
    void* m_lpDialogInit;
    CWnd* m_pParentWnd;
    HWND m_hWndTop; // top-level window disabled for the modal run
    UINT m_nIDHelp;
    HINSTANCE m_hResourceModule;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void PreInitDialog();

    // Creates the dialog window from a template; hInst names the module its resources come from.
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    HWND PreModal();
    void PostModal();

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT HandleSetFont(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct();
};

// The window procedure's companion handed to CreateDialogIndirectParam.
AFX_PLATFORM_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

/////////////////////////////////////////////////////////////////////////////
// CFrameWnd

// Frame styles beyond WS_*.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00040000L
#define FWS_SNAPTOBARS 0x00020000L

// Resources of a frame loaded by LoadFrame share one id: title string, menu, icon, accelerators.
struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass;
    void* m_pCurrentDoc;
    void* m_pNewDocTemplate;
    CWnd* m_pLastView;
    CFrameWnd* m_pCurrentFrame;
};

class AFX_PLATFORM_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    virtual ~CFrameWnd();

    static const CRect rectDefault; // the system's default position and size

    // A null class is the framework's frame class; lpszMenuName loads a menu from the resource chain.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                        DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    // Title (first line of string nIDResource), menu, icon and accelerators of id nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    // Places the control bars along their edges and gives the rest to the AFX_IDW_PANE_FIRST child.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual CWnd* GetActiveView() const { return NULL; }
    virtual CFrameWnd* GetActiveFrame() { return this; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    void EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }
    void SetMessageText(LPCTSTR lpszText) { (void)lpszText; }
    void SetMessageText(UINT nID) { (void)nID; }

    BOOL m_bAutoMenuEnable; // menu items without a command handler are disabled
    HACCEL m_hAccelTable;
    CString m_strTitle;
    UINT m_nIDHelp;
    DWORD m_dwDockStyle;
    BOOL m_bInRecalcLayout;

protected:
    virtual void PostNcDestroy(); // frames are made with new and delete themselves
    afx_msg void OnClose();
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
