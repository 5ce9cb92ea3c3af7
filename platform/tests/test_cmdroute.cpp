// Command routing: WM_COMMAND from menus, accelerators and controls, WM_NOTIFY, command updates
// and the disabling of commands without handlers.
#include <gtest/gtest.h>

#include <stdio.h>

#include "wnd_test_util.h"

namespace {

const UINT ID_FILE_OPEN = 0x8001;
const UINT ID_FILE_SAVE = 0x8002;
const UINT ID_RANGE_FIRST = 0x8100;
const UINT ID_RANGE_LAST = 0x810F;
const UINT ID_EX_FIRST = 0x8200;
const UINT ID_DISABLED = 0x8300;
const UINT ID_UNHANDLED = 0x8400;
const UINT IDC_BUTTON = 101;
const UINT IDC_EDIT = 102;
const UINT IDC_COMBO = 103;
const UINT IDC_LIST = 104;
const UINT IDC_NOTIFY_FIRST = 200;
const UINT IDC_NOTIFY_LAST = 209;
const int NM_TESTCODE = -900;
const int NM_EXCODE = -901;

class CCommandWnd : public CWnd
{
public:
    std::string m_log;
    LRESULT m_notifyResult = 0;

protected:
    void Add(const std::string& entry) { m_log += (m_log.empty() ? "" : ",") + entry; }
    afx_msg void OnFileOpen() { Add("Open"); }
    afx_msg void OnRange(UINT nID) { Add("Range" + std::to_string(nID - ID_RANGE_FIRST)); }
    afx_msg BOOL OnExDeclines(UINT nID)
    {
        Add("ExDeclines" + std::to_string(nID - ID_EX_FIRST));
        return FALSE;
    }
    afx_msg void OnExFallback() { Add("ExFallback"); }
    afx_msg void OnDisabled() { Add("Disabled"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { Add("UpdateSave" + std::to_string(pCmdUI->m_nID - ID_FILE_SAVE)); }
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI) { Add("UpdateRange" + std::to_string(pCmdUI->m_nID - ID_RANGE_FIRST)); }
    afx_msg void OnButtonClicked() { Add("Clicked"); }
    afx_msg void OnEditChange() { Add("EditChange"); }
    afx_msg void OnComboSel() { Add("ComboSel"); }
    afx_msg void OnListSel() { Add("ListSel"); }
    afx_msg void OnNotifyOne(NMHDR* pNMHDR, LRESULT* pResult)
    {
        Add("Notify" + std::to_string(pNMHDR->idFrom));
        *pResult = 55;
    }
    afx_msg void OnNotifyRange(UINT nID, NMHDR*, LRESULT* pResult)
    {
        Add("NotifyRange" + std::to_string(nID));
        *pResult = 66;
    }
    afx_msg BOOL OnNotifyExDeclines(UINT nID, NMHDR*, LRESULT*)
    {
        Add("NotifyEx" + std::to_string(nID));
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
    ON_COMMAND_EX(ID_EX_FIRST, OnExDeclines)
    ON_COMMAND(ID_EX_FIRST, OnExFallback)
    ON_COMMAND(ID_DISABLED, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateSave)
    ON_UPDATE_COMMAND_UI_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnUpdateRange)
    ON_BN_CLICKED(IDC_BUTTON, OnButtonClicked)
    ON_EN_CHANGE(IDC_EDIT, OnEditChange)
    ON_CBN_SELCHANGE(IDC_COMBO, OnComboSel)
    ON_LBN_SELCHANGE(IDC_LIST, OnListSel)
    ON_NOTIFY_EX(NM_EXCODE, IDC_NOTIFY_FIRST, OnNotifyExDeclines)
    ON_NOTIFY(NM_TESTCODE, IDC_NOTIFY_FIRST, OnNotifyOne)
    ON_NOTIFY_RANGE(NM_EXCODE, IDC_NOTIFY_FIRST, IDC_NOTIFY_LAST, OnNotifyRange)
END_MESSAGE_MAP()

class CommandRouting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, NULL, "commands", WS_POPUP, 0, 0, 300, 200, NULL, NULL));
    }
    void TearDown() override { m_wnd.DestroyWindow(); }
    HWND Child(LPCSTR lpszClass, UINT nID, DWORD dwStyle = 0)
    {
        return ::CreateWindowExA(0, lpszClass, "", WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 100, 100, m_wnd.m_hWnd,
                                 (HMENU)(UINT_PTR)nID, ::GetModuleHandleA(NULL), NULL);
    }
    CCommandWnd m_wnd;
};

struct CommandCase
{
    const char* name;
    WPARAM wParam; // lParam 0: a menu item or accelerator
    const char* expectedLog;
    LRESULT expectedResult;
};

const CommandCase kMenuCases[] = {
    {"Single", MAKEWPARAM(ID_FILE_OPEN, 0), "Open", 1},
    {"Accelerator", MAKEWPARAM(ID_FILE_OPEN, 1), "Open", 1},
    // A menu command first asks its update handler whether it is enabled.
    {"RangeFirst", MAKEWPARAM(ID_RANGE_FIRST, 0), "UpdateRange0,Range0", 1},
    {"RangeLast", MAKEWPARAM(ID_RANGE_LAST, 0), "UpdateRange15,Range15", 1},
    {"ExDeclinesThenNextEntry", MAKEWPARAM(ID_EX_FIRST, 0), "ExDeclines0,ExFallback", 1},
    {"DisabledByUpdateHandler", MAKEWPARAM(ID_DISABLED, 0), "", 0},
    {"NoHandler", MAKEWPARAM(ID_UNHANDLED, 0), "", 0},
    {"ZeroId", MAKEWPARAM(0, 0), "", 0},
};

class MenuCommands : public CommandRouting, public ::testing::WithParamInterface<CommandCase>
{
};

TEST_P(MenuCommands, ReachTheirHandler)
{
    const CommandCase& c = GetParam();
    LRESULT lResult = ::SendMessageA(m_wnd.m_hWnd, WM_COMMAND, c.wParam, 0);
    EXPECT_EQ(m_wnd.m_log, c.expectedLog);
    EXPECT_EQ(lResult, c.expectedResult);
}

INSTANTIATE_TEST_SUITE_P(Table, MenuCommands, ::testing::ValuesIn(kMenuCases),
                         [](const ::testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST_F(CommandRouting, ButtonClickFromARealButton)
{
    HWND hButton = Child("BUTTON", IDC_BUTTON, BS_PUSHBUTTON);
    ::SendMessageA(hButton, BM_CLICK, 0, 0);
    EXPECT_EQ(m_wnd.m_log, "Clicked");
}

TEST_F(CommandRouting, EditChangeFromARealEdit)
{
    HWND hEdit = Child("EDIT", IDC_EDIT);
    ::SetWindowTextA(hEdit, "typed");
    EXPECT_EQ(m_wnd.m_log, "EditChange");
}

TEST_F(CommandRouting, ControlNotificationsByCode)
{
    HWND hCombo = Child("COMBOBOX", IDC_COMBO, CBS_DROPDOWNLIST);
    HWND hList = Child("LISTBOX", IDC_LIST, LBS_NOTIFY);
    ::SendMessageA(m_wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_COMBO, CBN_SELCHANGE), (LPARAM)hCombo);
    ::SendMessageA(m_wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_LIST, LBN_SELCHANGE), (LPARAM)hList);
    // Another code of the same control has no entry.
    ::SendMessageA(m_wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_LIST, LBN_DBLCLK), (LPARAM)hList);
    EXPECT_EQ(m_wnd.m_log, "ComboSel,ListSel");
}

struct NotifyCase
{
    const char* name;
    UINT idFrom;
    int code;
    const char* expectedLog;
    LRESULT expectedResult;
};

const NotifyCase kNotifyCases[] = {
    {"Single", IDC_NOTIFY_FIRST, NM_TESTCODE, "Notify200", 55},
    {"OtherIdOfSingle", IDC_NOTIFY_FIRST + 1, NM_TESTCODE, "", 0},
    {"RangeAfterDecliningEx", IDC_NOTIFY_FIRST, NM_EXCODE, "NotifyEx200,NotifyRange200", 66},
    {"RangeOnly", IDC_NOTIFY_LAST, NM_EXCODE, "NotifyRange209", 66},
    {"OutsideRange", IDC_NOTIFY_LAST + 1, NM_EXCODE, "", 0},
};

class Notifications : public CommandRouting, public ::testing::WithParamInterface<NotifyCase>
{
};

TEST_P(Notifications, ReachTheirHandlerWithTheResult)
{
    const NotifyCase& c = GetParam();
    HWND hCtrl = Child("STATIC", c.idFrom);
    NMHDR hdr = {hCtrl, c.idFrom, (UINT)c.code};
    LRESULT lResult = ::SendMessageA(m_wnd.m_hWnd, WM_NOTIFY, c.idFrom, (LPARAM)&hdr);
    EXPECT_EQ(m_wnd.m_log, c.expectedLog);
    EXPECT_EQ(lResult, c.expectedResult);
}

INSTANTIATE_TEST_SUITE_P(Table, Notifications, ::testing::ValuesIn(kNotifyCases),
                         [](const ::testing::TestParamInfo<NotifyCase>& info) { return std::string(info.param.name); });

// Command updates

class CRecordingCmdUI : public CCmdUI
{
public:
    int m_nEnabled = -1;
    void Enable(BOOL bOn) override
    {
        m_nEnabled = bOn ? 1 : 0;
        m_bEnableChanged = TRUE;
    }
};

struct UpdateCase
{
    const char* name;
    UINT nID;
    BOOL bDisableIfNoHandler;
    const char* expectedLog;
    int expectedEnabled; // -1: untouched
};

const UpdateCase kUpdateCases[] = {
    // An update handler that leaves the state alone does not keep a command without a command
    // handler enabled.
    {"UpdateHandlerWithoutCommandHandler", ID_FILE_SAVE, TRUE, "UpdateSave0", 0},
    {"UpdateHandlerWithCommandHandler", ID_RANGE_FIRST + 3, TRUE, "UpdateRange3", 1},
    {"UpdateHandlerWithoutAutoDisable", ID_FILE_SAVE, FALSE, "UpdateSave0", -1},
    {"CommandHandlerOnlyStaysEnabled", ID_FILE_OPEN, TRUE, "", 1},
    {"NoHandlerDisabled", ID_UNHANDLED, TRUE, "", 0},
    {"NoHandlerUntouchedWithoutAutoDisable", ID_UNHANDLED, FALSE, "", -1},
    {"UpdateHandlerDisables", ID_DISABLED, TRUE, "", 0},
};

class CommandUpdates : public CommandRouting, public ::testing::WithParamInterface<UpdateCase>
{
};

TEST_P(CommandUpdates, DoUpdateAsksTheTarget)
{
    const UpdateCase& c = GetParam();
    CRecordingCmdUI state;
    state.m_nID = c.nID;
    state.DoUpdate(&m_wnd, c.bDisableIfNoHandler);
    EXPECT_EQ(m_wnd.m_log, c.expectedLog);
    EXPECT_EQ(state.m_nEnabled, c.expectedEnabled);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandUpdates, ::testing::ValuesIn(kUpdateCases),
                         [](const ::testing::TestParamInfo<UpdateCase>& info) { return std::string(info.param.name); });

TEST_F(CommandRouting, HandlerInfoReportsWithoutCalling)
{
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(m_wnd.OnCmdMsg(ID_FILE_OPEN, CN_COMMAND, NULL, &info));
    EXPECT_EQ(info.pTarget, &m_wnd);
    EXPECT_EQ(m_wnd.m_log, "");
    EXPECT_FALSE(m_wnd.OnCmdMsg(ID_UNHANDLED, CN_COMMAND, NULL, &info));
}

// Menus of a frame: WM_INITMENUPOPUP updates every item; items nobody handles are greyed.
class CMenuFrame : public CFrameWnd
{
public:
    int m_updates = 0;

protected:
    afx_msg void OnFileOpen() {}
    afx_msg void OnUpdateRange(CCmdUI* pCmdUI)
    {
        ++m_updates;
        pCmdUI->Enable(TRUE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuFrame, CFrameWnd)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_UPDATE_COMMAND_UI_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnUpdateRange)
END_MESSAGE_MAP()

TEST(FrameMenus, PopupItemsWithoutHandlersAreGreyed)
{
    CMenuFrame* pFrame = new CMenuFrame; // frames delete themselves
    ASSERT_TRUE(pFrame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW));
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_FILE_OPEN, "Open");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING, ID_UNHANDLED, "Nobody");
    popup.AppendMenu(MF_STRING, ID_RANGE_FIRST + 1, "Ranged");
    popup.AppendMenu(MF_STRING, SC_CLOSE, "System ids are left alone");

    ::SendMessageA(pFrame->m_hWnd, WM_INITMENUPOPUP, (WPARAM)popup.m_hMenu, MAKELPARAM(0, FALSE));

    EXPECT_FALSE(popup.GetMenuState(ID_FILE_OPEN, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(popup.GetMenuState(ID_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(popup.GetMenuState(ID_RANGE_FIRST + 1, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(popup.GetMenuState(SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(pFrame->m_updates, 1);

    // With automatic disabling off, nothing is greyed.
    pFrame->m_bAutoMenuEnable = FALSE;
    popup.EnableMenuItem(ID_UNHANDLED, MF_BYCOMMAND | MF_ENABLED);
    ::SendMessageA(pFrame->m_hWnd, WM_INITMENUPOPUP, (WPARAM)popup.m_hMenu, MAKELPARAM(0, FALSE));
    EXPECT_FALSE(popup.GetMenuState(ID_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED);
    pFrame->DestroyWindow();
}

} // namespace
