// CWnd::OnWndMsg: finds a window message in the message-map chain and calls its handler through
// the entry's cracker (ON_WM_*) or with wParam and lParam as they are (ON_MESSAGE).
#include "afxwin.h"


namespace {

const AFX_MSGMAP_ENTRY* FindRegisteredEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
        if (lpEntry->nMessage == 0xC000 && *reinterpret_cast<const UINT*>(lpEntry->nSig) == nMsg)
            return lpEntry;
    }
    return NULL;
}

} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;

    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult != NULL)
            *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }

    // Every WM_CTLCOLORxxx reaches the one ON_WM_CTLCOLOR handler (its cracker tells the kind).
    UINT nLookup = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        nLookup = WM_CTLCOLOR;

    const AFX_MSGMAP_ENTRY* lpEntry = NULL;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL && lpEntry == NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        lpEntry = message >= 0xC000 ? FindRegisteredEntry(pMap->lpEntries, message)
                                    : FindMessageEntry(pMap->lpEntries, nLookup, 0, 0);
    }
    if (lpEntry == NULL)
        return FALSE;

    AFX_PMSGW pfn = lpEntry->pfn;
    if (lpEntry->pfnCrack != NULL) {
        // Every ON_WM_* entry carries the cracker its macro wrote for it.
        lResult = lpEntry->pfnCrack(this, pfn, message, wParam, lParam);
    } else if (message >= 0xC000 || lpEntry->nSig == AfxSig_lwl) {
        lResult = (this->*reinterpret_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
    } else {
        return FALSE; // a command-routing entry never matches a window message
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}
