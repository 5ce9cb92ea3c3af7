// The main window: a 1375 x 74 bar at the top of the screen with the skinned title bar (clock,
// four menu buttons), the menu from "menu.xml" and the member tool bar. It opens the screens
// and keeps them in a list, hosts the server poll and the order-alarm host, takes the notices
// the libraries send to the main window, and its destruction ends the user's stay on the
// server.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "BaseFrame.h"
#include "ColorMap.h"
#include "MainTitleBar.h"
#include "MainToolBar.h"
#include "OrderExec.h"
#include "ScreenMessages.h"
#include "RcmdCoinManager.h"
#include "ResourceMap.h"
#include "ScreenList.h"
#include "ScreenSets.h"
#include "XMLHelper.h"

#define MAIN_FRAME_CAPTION "Molvane"
#define MAIN_FRAME_TITLE "Talpen 자동 매매 시스템"
#define MAIN_FRAME_WIDTH 1375
#define MAIN_FRAME_HEIGHT 74
#define MAIN_USER_GROUP 0x10000
#define MAIN_USER_CLASS "NORMAL_USER"
#define SCREEN_SETS_MENU_TEXT "사용자정의화면"
// The caption's menu button whose drop-down leads with the saved sets, as the bar's first one does.
#define SCREEN_SETS_MENU_BUTTON 200

class CBaseView;
class CPollingWnd;
class CXMLMenu;
struct _ST_SETUPINFO;

class CMainFrame : public CBaseFrame
{
public:
    CMainFrame();
    virtual ~CMainFrame();

    // Caption "Molvane", overlapped window, 1375 x 74 at 0,0.
    virtual BOOL Create();
    // 1; 0 when the base frame, the menu or the image map failed; -1 when the tool bar could
    // not be made.
    virtual BOOL Initialize();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // Opens the screen of a menu id (a saved set for 9001-9999): the new screen, a non-null
    // value that is no screen for an address, or NULL.
    CWnd* OpenScreenByNumber(UINT number, const RECT* place);
    CBaseView* CreateScreenView(CXMLAttributeMap& attributes, int left, int top, int right, int bottom);
    HMODULE LoadScreenLibrary(const CString& path);

    // Saved screen sets.
    void LoadScreenSets();
    void RestoreScreenSet(UINT number);
    void SaveLastScreens();

    // Leaves the session: (asking first,) the user-log lines, the last screens saved, the
    // window destroyed. FALSE when the user stayed.
    BOOL Logout(BOOL ask);
    void LockScreen();
    // The settings of the setup record put to work: idle period and timer, screen count.
    void ApplySettings();
    // Runs a modal dialog of the frame; a forced logout ends it first.
    INT_PTR RunModal(CDialog& dialog);
    // The print preview of the active screen; -1 (after telling the user) without one.
    INT_PTR PreviewActiveScreen();

    ScreenList& GetScreenList() { return m_ScreenList; }
    CUserScrInfo& GetScreenSets() { return m_ScreenSets; }
    HMENU GetScreenSetsMenu() const { return m_hScreenSetMenu; }
    CXMLMenu* GetMenu() const { return m_pMenu; }
    CMainToolBar& GetToolBar() { return m_ToolBar; }
    CMainTitleBar& GetTitleBar() { return m_TitleBar; }
    CPollingWnd* GetPollingWnd() const { return m_pPollingWnd; }
    COrderExec& GetOrderExec() { return m_OrderExec; }
    BOOL IsIdleTimerOn() const { return m_nIdleTimer != 0; }
    DWORD GetIdlePeriod() const { return m_dwIdlePeriod; }
    BOOL IsLocked() const { return m_bLocked; }
    // The notice window of exchange errors, NULL before the first notice.
    CWnd* GetNotice() const { return m_pNotice; }
    CString GetClockText() const { return m_strClock; }
    int GetLibraryCount() const { return (int)m_mapLibraries.GetCount(); }

    // "%d월 %02d일 (%s) %02d:%02d" of a local time.
    static CString FormatClock(const SYSTEMTIME& time);
    // The frame's top-left corner for a saved one: kept when the frame there touches a monitor,
    // else (0, 0).
    static CPoint PlaceOnMonitors(const CRect& window, int left, int top);

    // Steps of start-up and shut-down are named here as they run (tests listen).
    static void (*s_pfnTrace)(const char* step);
    // The shell's open (tests record it instead).
    static HINSTANCE(WINAPI* s_pfnShellExecute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    // The time of the user's last input (tests tell of an idle user instead).
    static BOOL(WINAPI* s_pfnGetLastInputInfo)(PLASTINPUTINFO);

protected:
    static void Trace(const char* step);
    void ShellOpen(const CString& address);
    virtual BOOL CreateToolBar();
    // The setup dialog; IDOK when settings were changed.
    virtual INT_PTR RunSetupDialog();
    void RestorePosition();
    void SavePosition();
    void ShowClock();
    void BuildScreenSetsMenu();
    HMENU CreateScreenSetsPopup() const;
    BOOL RunCommand(UINT id);
    // Closes the oldest screens until no more than the setting are open.
    void TrimScreens();

    CPollingWnd* m_pPollingWnd;
    HICON m_hIcon;
    CMainTitleBar m_TitleBar;
    CBitmap* m_pFrameBitmap1;
    CBitmap* m_pFrameBitmap2;
    CColorMap* m_pColorMap;
    CResourceMap* m_pResourceMap;
    CMap<CString, LPCSTR, HMODULE, HMODULE> m_mapLibraries;
    CXMLMenu* m_pMenu;
    CXMLHelper* m_pMenuDoc; // made once COM is up for the thread
    ScreenList m_ScreenList;
    CMainToolBar m_ToolBar;
    CFont m_font;
    COrderExec m_OrderExec;
    CWnd* m_pNotice;
    CRcmdCoinManager m_RcmdCoinManager;
    UINT_PTR m_nIdleTimer;
    DWORD m_dwIdlePeriod;
    BOOL m_bLocked;
    _ST_SETUPINFO* m_pSetupInfo;
    CUserScrInfo m_ScreenSets;
    HMENU m_hScreenSetMenu;
    HMENU m_hScreenSetParent;
    ULONGLONG m_ullLoginTick; // 64-bit: the 32-bit count wraps after 49.7 days
    __time64_t m_tLogin;
    CString m_strClock;
    CDialog* m_pModal;

    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnUpdateCommands(CCmdUI* pCmdUI);
    afx_msg LRESULT OnScreenClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnOpenScreen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScreenActivated(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnOpenCalculator(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPlayAlarm(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNotifyFlaggedScreens(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLinkClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRelayToScreens(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnForceLogout(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnApiNotice(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnShowSystemMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
