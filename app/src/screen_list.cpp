// The open-screen list.
#include "ScreenList.h"

#include "BaseView.h"

ScreenList::ScreenList() : m_pActive(NULL)
{
    ResetCascade();
}

void ScreenList::ResetCascade()
{
    m_nCascadeX = SCREEN_CASCADE_X;
    m_nCascadeY = SCREEN_CASCADE_Y;
}

void ScreenList::Add(CBaseView* view)
{
    if (view != NULL && ::IsWindow(view->GetSafeHwnd()))
        m_arrScreens.Add(view);
    m_nCascadeX += SCREEN_CASCADE_STEP;
    m_nCascadeY += SCREEN_CASCADE_STEP;
    if (m_nCascadeY > SCREEN_CASCADE_LAST_Y)
        ResetCascade();
}

void ScreenList::Destroy(CBaseView* view)
{
    if (::IsWindow(view->GetSafeHwnd()))
        view->DestroyWindow();
    delete view;
}

BOOL ScreenList::RemoveAndDestroy(HWND hWnd)
{
    for (INT_PTR i = 0; i < m_arrScreens.GetSize(); ++i) {
        CBaseView* view = m_arrScreens[i];
        if (view->GetSafeHwnd() != hWnd)
            continue;
        m_arrScreens.RemoveAt(i);
        if (m_pActive == view)
            m_pActive = NULL;
        Destroy(view);
        if (m_arrScreens.GetSize() == 0)
            ResetCascade();
        return TRUE;
    }
    return FALSE;
}

void ScreenList::Activate(HWND hWnd)
{
    if (m_arrScreens.GetSize() == 1) {
        m_pActive = m_arrScreens[0];
        return;
    }
    if (m_pActive != NULL && m_pActive->GetSafeHwnd() == hWnd)
        return;
    m_pActive = NULL;
    for (INT_PTR i = 0; i < m_arrScreens.GetSize(); ++i) {
        CBaseView* view = m_arrScreens[i];
        if (view->GetSafeHwnd() == hWnd) {
            m_arrScreens.RemoveAt(i);
            m_arrScreens.Add(view);
            m_pActive = view;
            return;
        }
    }
}

CBaseView* ScreenList::FindByNumber(const CString& number) const
{
    for (INT_PTR i = 0; i < m_arrScreens.GetSize(); ++i)
        if (number == m_arrScreens[i]->GetScreenID())
            return m_arrScreens[i];
    return NULL;
}

CBaseView* ScreenList::FindByWindow(HWND hWnd) const
{
    for (INT_PTR i = 0; i < m_arrScreens.GetSize(); ++i)
        if (m_arrScreens[i]->GetSafeHwnd() == hWnd)
            return m_arrScreens[i];
    return NULL;
}

void ScreenList::PostCloseAll()
{
    for (INT_PTR i = 0; i < m_arrScreens.GetSize(); ++i)
        if (::IsWindow(m_arrScreens[i]->GetSafeHwnd()))
            m_arrScreens[i]->PostMessage(WM_CLOSE);
}

void ScreenList::DestroyAll()
{
    CArray<CBaseView*, CBaseView*> screens;
    screens.Copy(m_arrScreens);
    m_arrScreens.RemoveAll();
    m_pActive = NULL;
    for (INT_PTR i = 0; i < screens.GetSize(); ++i)
        Destroy(screens[i]);
    ResetCascade();
}

void ScreenList::SendToAllBut(HWND sender, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A screen may close while it handles the message: the list is walked by a copy, and a
    // screen that has left it meanwhile is passed over.
    CArray<HWND, HWND> windows;
    for (INT_PTR i = 0; i < m_arrScreens.GetSize(); ++i)
        windows.Add(m_arrScreens[i]->GetSafeHwnd());
    for (INT_PTR i = 0; i < windows.GetSize(); ++i)
        if (windows[i] != sender && ::IsWindow(windows[i]) && FindByWindow(windows[i]) != NULL)
            ::SendMessageA(windows[i], message, wParam, lParam);
}
