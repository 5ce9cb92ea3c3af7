// The open screens of the main frame, oldest first with the one used last at the end, and the
// cascade position where the next screen opens.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

class CBaseView;

#define SCREEN_CASCADE_X 0
#define SCREEN_CASCADE_Y 120
#define SCREEN_CASCADE_STEP 20
#define SCREEN_CASCADE_LAST_Y 400

class ScreenList
{
public:
    ScreenList();

    // Appends a screen that has a window and advances the cascade.
    void Add(CBaseView* view);
    // Takes the screen of the window out of the list and destroys and deletes it; FALSE when
    // no screen of the list has that window.
    BOOL RemoveAndDestroy(HWND hWnd);
    void Activate(HWND hWnd);
    // The first screen whose id is exactly number (a screen number is a whole text).
    CBaseView* FindByNumber(const CString& number) const;
    CBaseView* FindByWindow(HWND hWnd) const;
    void PostCloseAll();
    void DestroyAll();
    // Sends the message to every screen with a window but the sender, in list order.
    void SendToAllBut(HWND sender, UINT message, WPARAM wParam, LPARAM lParam);

    int GetCount() const { return (int)m_arrScreens.GetSize(); }
    CBaseView* GetAt(int i) const { return m_arrScreens[i]; }
    CBaseView* GetActive() const { return m_pActive; }
    CPoint GetCascade() const { return CPoint(m_nCascadeX, m_nCascadeY); }

private:
    void ResetCascade();
    static void Destroy(CBaseView* view);

    CBaseView* m_pActive;
    int m_nCascadeX, m_nCascadeY;
    CArray<CBaseView*, CBaseView*> m_arrScreens;
};
