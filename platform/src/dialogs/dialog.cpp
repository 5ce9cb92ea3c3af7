// CDialog: modeless and modal dialogs created from a template found through the resource chain
// or in the dialog's own resource module.
#include "afxmodal_.h"
#include "afxwin.h"
#include "wndimpl_.h"
#include "afxdialogex.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    // Everything reaches the object through the framework's window procedure first; what it
    // passes on gets the dialog manager's default handling.
    return FALSE;
}

void CDialog::CommonConstruct()
{
    m_lpszTemplateName = NULL;
    m_hDialogTemplate = NULL;
    m_lpDialogTemplate = NULL;
    m_lpDialogInit = NULL;
    m_pParentWnd = NULL;
    m_hWndTop = NULL;
    m_nIDHelp = 0;
    m_nModalResult = -1;
    m_hResourceModule = NULL;
}

CDialog::CDialog()
{
    CommonConstruct();
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    CommonConstruct();
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
{
    CommonConstruct();
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_pParentWnd = pParentWnd;
    m_nIDHelp = nIDTemplate;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd, HINSTANCE hResourceModule)
{
    CommonConstruct();
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_pParentWnd = pParentWnd;
    m_nIDHelp = nIDTemplate;
    m_hResourceModule = hResourceModule;
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (lpDialogTemplate == NULL)
        return FALSE;
    if (hInst == NULL)
        hInst = m_hResourceModule != NULL ? m_hResourceModule : AfxGetResourceHandle();
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (hWnd == NULL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        return FALSE;
    }
    if (m_hWnd != hWnd) {
        // The hook never saw the dialog (cannot happen on a sane thread): do not leak it.
        ::DestroyWindow(hWnd);
        m_nFlags &= ~WF_CONTINUEMODAL;
        return FALSE;
    }
    return TRUE;
}

namespace {

// The template resource named lpszTemplateName: from hModule when given, else from the first
// module of the chain that has it.
LPCDLGTEMPLATE FindTemplate(LPCTSTR lpszTemplateName, HINSTANCE hModule, HINSTANCE* phInst)
{
    if (lpszTemplateName == NULL)
        return NULL;
    HINSTANCE hInst = hModule != NULL ? hModule : AfxFindResourceHandle(lpszTemplateName, (LPCSTR)RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, (LPCSTR)RT_DIALOG);
    if (hResource == NULL)
        return NULL;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    *phInst = hInst;
    return hTemplate == NULL ? NULL : static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate));
}

} // namespace

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
    HINSTANCE hInst = NULL;
    LPCDLGTEMPLATE lpTemplate = FindTemplate(lpszTemplateName, m_hResourceModule, &hInst);
    if (lpTemplate == NULL)
        return FALSE;
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, NULL);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    if (hDialogTemplate == NULL)
        return FALSE;
    LPCDLGTEMPLATE lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hDialogTemplate));
    BOOL bResult = CreateIndirect(lpTemplate, pParentWnd);
    ::GlobalUnlock(hDialogTemplate);
    return bResult;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Modal run

HWND CDialog::PreModal()
{
    // The owner and its top-level window are disabled for the whole run.
    return CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
}

void CDialog::PostModal()
{
    if (m_hWndTop != NULL)
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = m_hResourceModule != NULL ? m_hResourceModule : AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (lpTemplate == NULL && m_hDialogTemplate != NULL)
        lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(m_hDialogTemplate));
    if (lpTemplate == NULL && m_lpszTemplateName != NULL)
        lpTemplate = FindTemplate(m_lpszTemplateName, m_hResourceModule, &hInst);
    if (lpTemplate == NULL)
        return -1;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    try {
        if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
            if (m_nFlags & WF_CONTINUEMODAL) {
                DWORD dwFlags = MLF_SHOWONIDLE;
                if (GetStyle() & DS_NOIDLEMSG)
                    dwFlags |= MLF_NOIDLEMSG;
                RunModalLoop(dwFlags);
            }
            if (m_hWnd != NULL)
                SetWindowPos(NULL, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        }
    } catch (CException* e) {
        e->Delete();
        m_nModalResult = -1;
    } catch (...) {
        // Restore the owner before the failure travels on.
        if (bEnableParent)
            ::EnableWindow(hWndParent, TRUE);
        DestroyWindow();
        PostModal();
        if (m_hDialogTemplate != NULL)
            ::GlobalUnlock(m_hDialogTemplate);
        throw;
    }

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    PostModal();
    if (m_hDialogTemplate != NULL)
        ::GlobalUnlock(m_hDialogTemplate);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

namespace {

// A window waiting for an idle queue stays hidden for as long as posted messages keep coming
// (socket notices, a control reposting to itself) while its owner is already disabled: it is
// shown after this many messages or this long at the latest.
const int kShowAfterMessages = 64;
const DWORD kShowAfterMs = 100;

} // namespace

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    int nPumped = 0;
    const DWORD dwStarted = ::GetTickCount();
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    CPlatformModalScope modal;
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    MSG* pMsg = AfxGetCurrentMessage();

    for (;;) {
        while (bIdle && !::PeekMessageA(pMsg, NULL, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!ContinueModal())
                goto ExitModal;
            if (!AfxPumpMessage()) {
                AfxPostQuitMessage((int)pMsg->wParam); // the outer loop must see the quit too
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (bShowIdle && ContinueModal() &&
                (pMsg->message == 0x0118 || pMsg->message == WM_SYSKEYDOWN || ++nPumped >= kShowAfterMessages ||
                 ::GetTickCount() - dwStarted >= kShowAfterMs)) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal())
                goto ExitModal;
            if (AfxIsIdleMessage(pMsg)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(pMsg, NULL, 0, 0, PM_NOREMOVE));
    }
ExitModal:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL); // wake the loop
    }
}

/////////////////////////////////////////////////////////////////////////////
// Messages

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    return OnInitDialog();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle((HFONT)wParam));
    return Default();
}

void CDialog::PreInitDialog()
{
}

BOOL CDialog::OnInitDialog()
{
    // Controls take their values from the members; focus goes to the first tab stop.
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnSetFont(CFont*)
{
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_hWnd == NULL)
        return FALSE;
    // Esc in a multi-line edit would otherwise be swallowed by the edit instead of cancelling.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLongA(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE)) {
        char cls[16] = "";
        ::GetClassNameA(pMsg->hwnd, cls, sizeof(cls));
        if (lstrcmpiA(cls, "Edit") == 0 && ::IsChild(m_hWnd, pMsg->hwnd)) {
            HWND hCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (hCancel == NULL || ::IsWindowEnabled(hCancel)) {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }
    return PreTranslateInput(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Commands (not control notifications) go on to the owner and the thread.
    if ((nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI) || nID < 0x8000 || nID >= 0xF000)
        return FALSE;
    CWnd* pOwner = GetParent();
    if (pOwner != NULL && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CDialog::CheckAutoCenter()
{
    // Templates that place themselves are left where they are.
    return (GetStyle() & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) == 0;
}

// Dialog navigation

void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1L);
}
void CDialog::SetDefID(UINT nID) { ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const { return (DWORD)::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0); }
void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

/////////////////////////////////////////////////////////////////////////////
// Centring after WM_INITDIALOG: a dialog that was hidden, is still hidden, was not moved by its
// initialisation and whose owner is disabled (modal) or absent is centred on its owner.

void AfxPostInitDialog_(CWnd* pWnd, const RECT& rectOld, DWORD dwStyleOld)
{
    if (dwStyleOld & WS_VISIBLE)
        return;
    HWND hWnd = pWnd->m_hWnd;
    if (hWnd == NULL || (::GetWindowLongA(hWnd, GWL_STYLE) & (WS_VISIBLE | WS_CHILD)))
        return;
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    if (rect.left != rectOld.left || rect.top != rectOld.top)
        return;
    HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    if (hOwner != NULL && ::IsWindowEnabled(hOwner))
        return;
    if (!pWnd->CheckAutoCenter())
        return;
    pWnd->CenterWindow();
}

IMPLEMENT_DYNAMIC(CDialogEx, CDialog)
BEGIN_MESSAGE_MAP(CDialogEx, CDialog)
END_MESSAGE_MAP()
