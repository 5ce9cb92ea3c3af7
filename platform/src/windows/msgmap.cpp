// CCmdTarget: message-map lookup and command routing (commands, control notifications,
// WM_NOTIFY notifications and command updates).
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget()
{
}

CCmdTarget::~CCmdTarget()
{
}

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP map = {NULL, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* PASCAL CCmdTarget::FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode,
                                                             UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return NULL;
}

namespace {

// Calls one command-routing handler; TRUE when the command counts as handled.
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra, UINT_PTR nSig)
{
    AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
    switch (nSig) {
    case AfxSigCmd_v:
        (pTarget->*pfn)();
        return TRUE;
    case AfxSigCmd_b:
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)()>(pfn))();
    case AfxSigCmd_RANGE:
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(UINT)>(pfn))(nID);
        return TRUE;
    case AfxSigCmd_EX:
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)(UINT)>(pfn))(nID);
    case AfxSigNotify_v:
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_b:
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR,
                                                                                         pNotify->pResult);
    case AfxSigNotify_RANGE:
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, pNotify->pNMHDR,
                                                                                      pNotify->pResult);
        return TRUE;
    case AfxSigNotify_EX:
        return (pTarget->*reinterpret_cast<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(
            nID, pNotify->pNMHDR, pNotify->pResult);
    case AfxSigCmdUI: {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*reinterpret_cast<void (CCmdTarget::*)(CCmdUI*)>(pfn))(pCmdUI);
        BOOL bHandled = !pCmdUI->m_bContinueRouting;
        pCmdUI->m_bContinueRouting = FALSE;
        return bHandled;
    }
    default:
        (void)nCode;
        return FALSE;
    }
}

} // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = 0;
    UINT nEntryCode = (UINT)nCode;
    if ((UINT)nCode != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD((UINT)nCode);
        nEntryCode = LOWORD((UINT)nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        // An ON_COMMAND_EX or ON_NOTIFY_EX handler that declines lets later entries and base
        // maps try; every other handler ends the search.
        for (const AFX_MSGMAP_ENTRY* lpEntry = pMap->lpEntries;
             (lpEntry = FindMessageEntry(lpEntry, nMsg, nEntryCode, nID)) != NULL; ++lpEntry) {
            if (pHandlerInfo != NULL) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pmf = lpEntry->pfn;
                return TRUE;
            }
            if (DispatchCmdMsg(this, nID, (int)nEntryCode, lpEntry->pfn, pExtra, lpEntry->nSig))
                return TRUE;
            if (lpEntry->nSig != AfxSigCmd_EX && lpEntry->nSig != AfxSigNotify_EX && lpEntry->nSig != AfxSigCmdUI &&
                lpEntry->nSig != AfxSigCmd_b && lpEntry->nSig != AfxSigNotify_b)
                return FALSE;
        }
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    ::SetCursor(::LoadCursorA(NULL, (LPCSTR)IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    BeginWaitCursor();
}
