// CControlBar and the framework's bar layout (WM_SIZEPARENT).
#include "afxext.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CControlBar::CControlBar() : m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(NULL), m_bAutoDelete(FALSE) {}

CControlBar::~CControlBar() {}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & LM_MRUWIDTH) && !(dwMode & LM_COMMIT) &&
        ((dwMode & LM_HORZDOCK) || (dwMode & LM_VERTDOCK)))
        return CalcFixedLayout(dwMode & LM_STRETCH, dwMode & LM_HORZDOCK);
    return CalcFixedLayout(dwMode & LM_STRETCH, dwMode & LM_HORZ);
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        m_pDockSite = static_cast<CFrameWnd*>(pParent);
    return 0;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    const DWORD dwStyle = m_dwStyle | (GetStyle() & WS_VISIBLE);
    if (!(dwStyle & WS_VISIBLE) || !(dwStyle & CBRS_ALIGN_ANY))
        return 0;
    CRect rect(lpLayout->rect);
    const CSize sizeAvail = rect.Size();
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = std::min(size.cx, sizeAvail.cx);
    size.cy = std::min(size.cy, sizeAvail.cy);
    if (dwStyle & CBRS_ORIENT_HORZ) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
        if (dwStyle & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
        if (dwStyle & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != NULL)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    HWND hParent = ::GetParent(hWnd);
    CRect old;
    ::GetWindowRect(hWnd, &old);
    ::MapWindowPoints(NULL, hParent, reinterpret_cast<LPPOINT>(&old), 2);
    if (old == *lpRect)
        return;
    if (lpLayout != NULL && lpLayout->hDWP != NULL)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, NULL, lpRect->left, lpRect->top,
                                          lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                          SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(hWnd, NULL, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

void AFXAPI AfxRepositionBars(CWnd* pParent, UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags,
                              LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch)
{
    if (pParent == NULL || pParent->m_hWnd == NULL)
        return;
    AFX_SIZEPARENTPARAMS layout;
    layout.bStretch = bStretch;
    layout.sizeTotal.cx = layout.sizeTotal.cy = 0;
    if (lpRectClient != NULL)
        layout.rect = *lpRectClient;
    else
        pParent->GetClientRect(&layout.rect);
    const UINT nMode = nFlags & ~reposNoPosLeftOver;
    layout.hDWP = nMode != reposQuery ? ::BeginDeferWindowPos(8) : NULL;
    HWND hLeftOver = NULL;
    for (HWND hChild = ::GetTopWindow(pParent->m_hWnd); hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const UINT nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        if (nIDLeftOver != 0 && nID == nIDLeftOver)
            hLeftOver = hChild;
        else if (nID >= nIDFirst && nID <= nIDLast && CWnd::FromHandlePermanent(hChild) != NULL)
            ::SendMessage(hChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    if (nMode == reposQuery) {
        if (lpRectParam != NULL) {
            if (bStretch)
                ::CopyRect(lpRectParam, &layout.rect);
            else {
                lpRectParam->left = lpRectParam->top = 0;
                lpRectParam->right = layout.sizeTotal.cx;
                lpRectParam->bottom = layout.sizeTotal.cy;
            }
        }
        return;
    }
    if (nMode == reposExtra && lpRectParam != NULL) {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (hLeftOver != NULL && !(nFlags & reposNoPosLeftOver)) {
        CWnd* pLeftOver = CWnd::FromHandle(hLeftOver);
        pLeftOver->CalcWindowRect(&layout.rect);
        AfxRepositionWindow(&layout, hLeftOver, &layout.rect);
    }
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
}
