// The main frame's menu commands and the title bar's menu buttons.
#include "MainFrame.h"

#include "AccountDialogs.h"
#include "AppMessages.h"
#include "BaseView.h"
#include "DlgPreview.h"
#include "QuickMenu.h"
#include "SaveScrDlg.h"
#include "SetupDlg.h"
#include "SharedData.h"
#include "WebAddresses.h"
#include "XMLMenu.h"

BOOL CMainFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    CXMLAttributeMap attributes;
    if (m_pMenu != NULL && m_pMenu->GetAttribute(id, attributes))
        return RunCommand(id);
    // The saved sets' entries of the menu are no items of "menu.xml".
    if (HIWORD(wParam) == 0 && lParam == 0 && id >= SCREEN_SET_FIRST && id <= SCREEN_SET_END &&
        m_ScreenSets.Find((int)id) != NULL) {
        OpenScreenByNumber(id, NULL);
        return TRUE;
    }
    return CBaseFrame::OnCommand(wParam, lParam);
}

INT_PTR CMainFrame::PreviewActiveScreen()
{
    CBaseView* active = m_ScreenList.GetActive();
    if (active == NULL || !::IsWindow(active->GetSafeHwnd())) {
        AfxPlatformMessageBox(m_hWnd, "인쇄할 화면이 없습니다.", MAIN_FRAME_CAPTION, MB_OK | MB_ICONINFORMATION);
        return -1;
    }
    // The preview runs modally: a forced logout must be able to end it as any other dialog.
    CDlgPreview preview(this);
    CDialog* outer = m_pModal;
    m_pModal = &preview;
    const INT_PTR result = preview.Preview(active->GetSafeHwnd());
    m_pModal = outer;
    return result;
}

INT_PTR CMainFrame::RunSetupDialog()
{
    CMainSetupDlg dialog(this);
    return RunModal(dialog);
}

BOOL CMainFrame::RunCommand(UINT id)
{
    CXMLAttributeMap attributes;
    if (m_pMenu == NULL || !m_pMenu->GetAttribute(id, attributes))
        return FALSE;
    CString url;
    if (attributes.Lookup("url", url)) {
        ShellOpen(url);
        return TRUE;
    }
    switch (id) {
    case ID_MENU_SETTINGS:
        if (RunSetupDialog() == IDOK)
            ApplySettings();
        break;
    case ID_MENU_WEB_SITE:
    case ID_MENU_WEB_SITE2:
        ShellOpen(SystemWebAddress());
        break;
    case ID_MENU_LOCK:
        LockScreen();
        break;
    case ID_MENU_PRINT:
        PreviewActiveScreen();
        break;
    case ID_MENU_QUIT:
        // As the forced logout: the user-log line and the last screens are kept.
        Logout(FALSE);
        break;
    case ID_MENU_LOGOUT:
        PostMessage(WM_CLOSE);
        break;
    case ID_MENU_QUICK_MENU: {
        CQuickMenuSetup dialog(this);
        RunModal(dialog);
        break;
    }
    case ID_MENU_ACCOUNT_PASSWORD:
        if (CSharedData::IsStaff()) {
            AfxPlatformMessageBox(m_hWnd, "직원은 계좌비밀번호 확인 과정을 거치지 않습니다.", MAIN_FRAME_CAPTION,
                                  MB_OK | MB_ICONINFORMATION);
        } else {
            CDlgAccCfm dialog(this);
            RunModal(dialog);
        }
        break;
    case ID_MENU_SAVED_SCREENS: {
        CSaveScrDlg dialog(this);
        if (RunModal(dialog) == IDOK)
            LoadScreenSets();
        break;
    }
    case ID_MENU_EMPTY_BOX:
        AfxMessageBox("");
        break;
    case ID_MENU_CLOSE_ALL:
        m_ScreenList.PostCloseAll();
        break;
    default:
        OpenScreenByNumber(id, NULL);
        break;
    }
    return TRUE;
}

LRESULT CMainFrame::OnShowSystemMenu(WPARAM wParam, LPARAM lParam)
{
    const POINT* point = reinterpret_cast<const POINT*>(wParam);
    if (point == NULL)
        return 0;
    CXMLNode* system = m_pMenuDoc != NULL ? m_pMenuDoc->GetNode("SYSTEM") : NULL;
    CXMLNode* userClass = system != NULL ? system->GetFirstChild() : NULL;
    // Skip what is no element (comments) ahead of the first user class.
    while (userClass != NULL && userClass->GetNodeType() != NODE_ELEMENT)
        userClass = userClass->GetNextSibling();
    CXMLNode* button = userClass != NULL ? userClass->GetFirstChild() : NULL;
    while (button != NULL && (button->GetNodeType() != NODE_ELEMENT || atoi(button->GetValue("id")) != (int)lParam))
        button = button->GetNextSibling();
    if (button == NULL)
        return 0;
    HMENU popup = ::CreatePopupMenu();
    // The drop-down is built afresh each time, so it takes its own copy of the sets (DestroyMenu
    // below takes the submenu with it).
    if (lParam == SCREEN_SETS_MENU_BUTTON)
        ::AppendMenuA(popup, MF_POPUP, (UINT_PTR)CreateScreenSetsPopup(), SCREEN_SETS_MENU_TEXT);
    for (CXMLNode* item = button->GetFirstChild(); item != NULL; item = item->GetNextSibling()) {
        if (item->GetNodeType() != NODE_ELEMENT)
            continue;
        const CString text = item->GetValue("text");
        if (text == "-")
            ::AppendMenuA(popup, MF_SEPARATOR, 0, NULL);
        else
            ::AppendMenuA(popup, MF_STRING, (UINT_PTR)atoi(item->GetValue("id")), text);
    }
    const UINT chosen = (UINT)::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, point->x, point->y,
                                               0, m_hWnd, NULL);
    ::DestroyMenu(popup);
    // A chosen entry runs as the same command of the menu bar.
    if (chosen != 0 && !RunCommand(chosen))
        OpenScreenByNumber(chosen, NULL);
    return 0;
}
