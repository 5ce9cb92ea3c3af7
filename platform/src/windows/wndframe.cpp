// CFrameWnd basics: creation with the framework's frame class, LoadFrame, accelerators, command
// routing to the application and command updates of pop-up menus.
#include "afxext.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CLOSE()
    ON_WM_INITMENUPOPUP()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE), m_hAccelTable(NULL), m_nIDHelp(0), m_dwDockStyle(0), m_bInRecalcLayout(FALSE)
{
}

CFrameWnd::~CFrameWnd()
{
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL) {
        if (!AfxDeferRegisterClass(AFX_WNDFRAMEORVIEW_REG))
            return FALSE;
        cs.lpszClass = _afxWndFrameOrView;
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL) {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, (LPCSTR)RT_MENU);
        hMenu = ::LoadMenuA(hInst, lpszMenuName);
        if (hMenu == NULL) {
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu, (LPVOID)pContext)) {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull;
    strFull.LoadString(nIDResource);
    AfxExtractSubString(m_strTitle, strFull, 0);

    LPCTSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    HINSTANCE hIconInst = AfxFindResourceHandle(lpszName, (LPCSTR)RT_GROUP_ICON);
    HICON hIcon = ::LoadIconA(hIconInst, lpszName);
    LPCTSTR lpszClass = NULL;
    if (hIcon != NULL)
        lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW),
                                        (HBRUSH)(COLOR_WINDOW + 1), hIcon);
    CString strClass = lpszClass; // the registration buffer is reused by the next registration

    HINSTANCE hMenuInst = AfxFindResourceHandle(lpszName, (LPCSTR)RT_MENU);
    LPCTSTR lpszMenu = ::FindResourceA(hMenuInst, lpszName, (LPCSTR)RT_MENU) != NULL ? lpszName : NULL;
    CString strTitle = m_strTitle;
    if (!Create(lpszClass != NULL ? strClass.GetString() : NULL, strTitle, dwDefaultStyle, rectDefault, pParentWnd,
                lpszMenu, 0L, pContext))
        return FALSE;
    LoadAccelTable(lpszName);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable != NULL)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_ACCELERATOR);
    m_hAccelTable = ::LoadAcceleratorsA(hInst, lpszResourceName);
    return m_hAccelTable != NULL;
}

void CFrameWnd::RecalcLayout(BOOL bNotify)
{
    (void)bNotify;
    if (m_bInRecalcLayout)
        return;
    // Bars take their edges of the client area; the pane window gets the rest.
    m_bInRecalcLayout = TRUE;
    AfxRepositionBars(this, 0, 0xFFFF, AFX_IDW_PANE_FIRST, reposDefault);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsWindowVisible() ? (IsIconic() ? SW_RESTORE : SW_SHOW) : SW_SHOWNORMAL;
    ShowWindow(nCmdShow);
    BringWindowToTop();
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    (void)bAddToTitle;
    if (GetStyle() & FWS_ADDTOTITLE)
        SetWindowText(m_strTitle);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != NULL &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT nIndex, BOOL bSysMenu)
{
    (void)nIndex;
    if (bSysMenu || pMenu == NULL)
        return;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = pMenu->GetMenuItemID((int)state.m_nIndex);
        if (state.m_nID == 0)
            continue; // separator
        if (state.m_nID == (UINT)-1) {
            // A pop-up item follows the first command of its pop-up and is never disabled.
            state.m_pSubMenu = pMenu->GetSubMenu((int)state.m_nIndex);
            if (state.m_pSubMenu == NULL || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(this, FALSE);
        } else {
            state.m_pSubMenu = NULL;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // Handlers may add or remove items.
        UINT nCount = pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount && pMenu->GetMenuItemID((int)state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}
