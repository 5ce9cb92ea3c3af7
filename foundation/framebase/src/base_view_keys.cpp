// CBaseView's keys: Tab cycles the focus over the view's tab order, Enter goes to OnKeyDown,
// and no key reaches the dialog's default or cancel button.
#include "BaseView.h"

BOOL CBaseView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN) {
        switch (pMsg->wParam) {
        case VK_TAB:
            if (FocusMoveByTabKey(pMsg->hwnd))
                return TRUE;
            return CDialog::PreTranslateMessage(pMsg);
        case VK_RETURN:
            OnKeyDown(pMsg);
            return CWnd::PreTranslateMessage(pMsg);
        default:
            return CWnd::PreTranslateMessage(pMsg);
        }
    }
    if (pMsg->message == WM_CHAR)
        return CWnd::PreTranslateMessage(pMsg);
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CBaseView::FocusMoveByTabKey(HWND hWnd)
{
    (void)hWnd;
    const BOOL backwards = ::GetKeyState(VK_SHIFT) < 0;
    HWND focus = ::GetFocus();
    POSITION pos = m_listTabOrder.GetHeadPosition();
    while (pos != NULL) {
        POSITION at = pos;
        CWnd* ctrl = m_listTabOrder.GetNext(pos);
        if (ctrl == NULL || ctrl->GetSafeHwnd() != focus)
            continue;
        if (backwards) {
            m_listTabOrder.GetPrev(at);
            if (at == NULL)
                at = m_listTabOrder.GetTailPosition();
        } else {
            at = pos != NULL ? pos : m_listTabOrder.GetHeadPosition();
        }
        CWnd* next = m_listTabOrder.GetAt(at);
        if (next != NULL && next->GetSafeHwnd() != NULL)
            next->SetFocus();
        return 1;
    }
    return 0;
}
