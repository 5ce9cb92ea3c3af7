// The main window as far as start-up and shut-down need it: it takes the link's and the
// exchange agent's notices while it lives, and its destruction signs the session off and
// closes the link. Menu, tool bar, screens and the logout dialog are not here yet.
#pragma once

#include <afxwin.h>

#define MAIN_FRAME_CAPTION "Molvane"
#define MAIN_FRAME_WIDTH 1375
#define MAIN_FRAME_HEIGHT 74

class CMainFrame : public CFrameWnd
{
public:
    CMainFrame();
    virtual ~CMainFrame();

    // Caption "Molvane", overlapped window, 1375 x 74 at 0,0.
    BOOL Create();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnLinkClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnForceLogout(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
