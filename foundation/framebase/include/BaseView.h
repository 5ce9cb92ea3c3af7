// The dialog-based window every screen, order dialog and skinned dialog derives from: a modeless
// dialog from the deriving module's template, with the skinned screen title bar, a background
// colour, an optional message line along its bottom, focus cycling over an ordered list of
// controls and tracking limits. Keys never close a view (Enter goes to OnKeyDown); closing is
// asked of the owner with WM_SCREEN_CLOSED, which destroys the view.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "ColorMap.h"
#include "FrameBaseApi.h"
#include "ScreenMessages.h"
#include "TitleBar.h"

class CMsgCtrl;

class FRAMEBASE_API CBaseView : public CDialog
{
    DECLARE_DYNAMIC(CBaseView)
public:
    CBaseView(UINT templateId, CWnd* parent);
    virtual ~CBaseView();

    // The interface through which the main program talks to any screen.
    virtual int OnKeyDown(MSG* msg);
    virtual const char* GetSelectedItemCode();
    virtual const char* GetSelectedAccount();
    virtual void SetSelectItemCode(const char* code, int notify);
    virtual void SetSelectAccount(const char* account);
    virtual void SaveConfigValue();
    virtual BOOL IsOnTrading();
    // Focus to the first control of the tab order; 1.
    virtual BOOL InitWindow();

    virtual void Serialize(CArchive& ar);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    const char* GetScreenID();
    void SetScreenID(const char* id);
    void SetGroupID(UINT id) { m_nGroupID = id; }
    UINT GetGroupID() const { return m_nGroupID; }

    // With remove and a line installed: destroys it and returns 0. Otherwise creates the line
    // (child 50000 along the bottom) and returns the result; a line already there is kept.
    BOOL InstallMsgCtrl(BOOL remove);
    CMsgCtrl* GetMsgCtrl() { return m_pMsgCtrl; }
    void SetStatusMessage(const char* text);
    // Called by a deriving view's WM_COPYDATA handler: a status text (dwData 20000, cbData
    // bytes, cut at a NUL) goes to the message line; then the default processing.
    BOOL OnCopyData(CWnd* from, COPYDATASTRUCT* cds);

    // The dialog look: no minimise or pin button (close becomes IDCANCEL), dialog captions.
    void SetDlgWindowStyle();
    void SetFrameSize(int cx, int cy);
    // Only the size takes effect; the window keeps its place.
    void SetFramePosition(int x, int y, int cx, int cy);
    // The client rectangle less the message line's 26 pixels when one is installed.
    void GetContentRect(CRect& rc);
    void ClearTabOrder();
    void AddTabOrderCtrl(CWnd* ctrl);

    void SetLayoutSize(int cx, int cy) { m_sizeLayout = CSize(cx, cy); }
    void SetMaxTrackSize(int cx, int cy) { m_sizeMax = CSize(cx, cy); }
    void SetMinTrackSize(int cx, int cy) { m_sizeMin = CSize(cx, cy); }
    CTitleBar& GetTitleBar() { return m_TitleBar; }
    CWnd* GetOwnerWnd() const { return m_pOwnerWnd; }

    // The help pages: this address followed by the screen id.
    static const char s_szHelpBaseAddress[];

protected:
    // Moves the focus along the tab order from the focused control (Shift: backwards); 0 when
    // the focused control is not in the list.
    BOOL FocusMoveByTabKey(HWND hWnd);
    CRect GetMsgCtrlRect();

    CTitleBar m_TitleBar;
    CMsgCtrl* m_pMsgCtrl;
    int m_nSerialValue;
    HBRUSH m_hBackBrush;
    CWnd* m_pOwnerWnd;
    CColorInfo* m_pBackColor;
    CSize m_sizeLayout;
    CSize m_sizeMax;
    CSize m_sizeMin;
    CString m_strScreenID;
    UINT m_nGroupID;
    CList<CWnd*, CWnd*> m_listTabOrder;

    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnTitleBarPin(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTitleBarTop(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTitleBarHelp(WPARAM wParam, LPARAM lParam);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
