// The user's settings and the setup dialog driven by real input, the member tool bar's
// expiry text and icon, and the quick-menu editor over a menu of the test's making.
#include "FrameFixture.h"

#include <cstring>
#include <map>

#include <dlgs.h>

#include "AppMessages.h"
#include "DialogScript.h"
#include "InstallFolders.h"
#include "QuickMenu.h"
#include "ScreenSets.h"
#include "SessionRecords.h"
#include "SetupDlg.h"
#include "SharedData.h"
#include "UserConfig.h"
#include "temp_dir.h"

namespace {

struct ControlSearch
{
    int id;
    HWND found;
};

// A stdcall callback, as the 32-bit build needs.
BOOL CALLBACK MatchControl(HWND child, LPARAM data)
{
    ControlSearch* search = reinterpret_cast<ControlSearch*>(data);
    if (::GetDlgCtrlID(child) != search->id)
        return TRUE;
    search->found = child;
    return FALSE;
}

// A control anywhere below the window (the pages sit inside the tab strips).
HWND FindControl(HWND root, int id)
{
    ControlSearch search = {id, NULL};
    ::EnumChildWindows(root, MatchControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

ScriptStep ClickDeep(int id)
{
    return ClickAt([id](HWND dialog, POINT& point) {
        HWND control = FindControl(dialog, id);
        if (control == NULL || !::IsWindowVisible(control))
            return false;
        RECT rect;
        ::GetWindowRect(control, &rect);
        point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        return true;
    });
}

std::string Text(HWND window)
{
    char text[512] = {0};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

int Checked(HWND dialog, int id)
{
    return (int)::SendMessageA(FindControl(dialog, id), BM_GETCHECK, 0, 0);
}

int Selected(HWND dialog, int id)
{
    return (int)::SendMessageA(FindControl(dialog, id), CB_GETCURSEL, 0, 0);
}

std::vector<std::string> ComboItems(HWND dialog, int id)
{
    HWND combo = FindControl(dialog, id);
    std::vector<std::string> items;
    const int count = (int)::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[64] = {0};
        ::SendMessageA(combo, CB_GETLBTEXT, i, (LPARAM)text);
        items.push_back(text);
    }
    return items;
}

std::string Ini(const std::string& path, const char* section, const char* key)
{
    char value[512] = {0};
    ::GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, path.c_str());
    return value;
}

void WriteSets(const std::vector<std::string>& numbers)
{
    CUserScrInfo info;
    for (const std::string& number : numbers) {
        CSerializeItems* set = new CSerializeItems;
        set->m_strNumber = number.c_str();
        set->m_strName = "set";
        info.Add(set);
    }
    ASSERT_TRUE(WriteScreenSets(ScreenSetIndexPath(), info, FALSE));
}

// A combo's entry chosen by keyboard: opened by a click, moved down, closed with Enter.
std::vector<ScriptStep> ChooseEntry(int id, int downs)
{
    std::vector<ScriptStep> steps = {ClickDeep(id),
                                     WaitFor([id](HWND d) {
                                         return ::SendMessageA(FindControl(d, id), CB_GETDROPPEDSTATE, 0, 0) != 0;
                                     })};
    for (int i = 0; i < downs; ++i)
        steps.push_back(Press(VK_DOWN));
    steps.push_back(Press(VK_RETURN));
    steps.push_back(
        WaitFor([id](HWND d) { return ::SendMessageA(FindControl(d, id), CB_GETDROPPEDSTATE, 0, 0) == 0; }));
    return steps;
}

struct SetupKey
{
    const char* section;
    const char* key;
    int _ST_SETUPINFO::*field;
    int byDefault;
    int other;
};

// Every integer and switch of "user.cfg" with its own (misspelt) key, in reading order.
const SetupKey kSetupKeys[] = {
    {"SCREEN", "SKIN", &_ST_SETUPINFO::nSkinColor, 0, 3},
    {"SCREEN", "SCREEN", &_ST_SETUPINFO::nScreen, 0, 9005},
    {"SCREEN", "MAXSCREEN", &_ST_SETUPINFO::nMaxScreen, 10, 30},
    {"SECURITY", "LOCK_TIME", &_ST_SETUPINFO::nLockTime, 0, 3},
    {"SCREEN", "LAST_SCREEN", &_ST_SETUPINFO::nLastScreenOn, 1, 0},
    {"SECURITY", "DUPULICATE_ID", &_ST_SETUPINFO::nDupulicateID, 1, 0},
    {"SECURITY", "DUPULICATE_APP", &_ST_SETUPINFO::nDupulicateAPP, 0, 1},
    {"SECURITY", "ACC_AUTOSAVE", &_ST_SETUPINFO::nAccPaseSave, 0, 1},
    {"SECURITY", "SIGNKEY_SAVE", &_ST_SETUPINFO::nSighKeySave, 1, 0},
    {"SECURITY", "SCREENLOCK", &_ST_SETUPINFO::nScreenLock, 1, 0},
    {"SECURITY", "ACC_POPUP", &_ST_SETUPINFO::nACCPopup, 1, 0},
    {"ALARM", "ALARMON", &_ST_SETUPINFO::nAlarmOn, 0, 1},
    {"ALARM", "ALARM_POPUP", &_ST_SETUPINFO::nAlarmPopup, 1, 0},
    {"NOTIFY", "DATE", &_ST_SETUPINFO::nNotify, 0, 20260102},
    {"SCREEN", "CODELINK", &_ST_SETUPINFO::nCodeLink, 0, 1},
};

std::string ConfigOfOthers(const char* sound)
{
    // One block per section: a section written twice is read only where it first stands.
    std::string text = "[MAIN]\r\nVER=201008201\r\n";
    for (const char* section : {"SCREEN", "SECURITY", "ALARM", "NOTIFY"}) {
        text += std::string("[") + section + "]\r\n";
        for (const SetupKey& k : kSetupKeys)
            if (strcmp(k.section, section) == 0)
                text += std::string(k.key) + "=" + std::to_string(k.other) + "\r\n";
        if (strcmp(section, "ALARM") == 0)
            text += std::string("SOUND=") + sound + "\r\n";
    }
    return text;
}

} // namespace

TEST_F(FrameTest, UserConfigGivesEveryDefaultAndReadsTheFileSpelling)
{
    struct Case
    {
        std::string file;
        bool others;
        const char* sound;
    } cases[] = {
        {"", false, ""},
        {"[SCREEN]\r\nMAXSCREENS=30\r\n[SECURITY]\r\nDUPLICATE_ID=0\r\nDUPLICATE_APP=1\r\n", false, ""},
        {ConfigOfOthers("C:\\ring.wav"), true, "C:\\ring.wav"},
    };
    for (const Case& c : cases) {
        WriteUserConfig(c.file);
        // Nothing of an earlier reading may pass for a value.
        memset(CSharedData::GetSetupInfo(), 0x5A, sizeof(_ST_SETUPINFO));
        ReadUserConfig();
        const _ST_SETUPINFO* setup = CSharedData::GetSetupInfo();
        for (const SetupKey& k : kSetupKeys)
            EXPECT_EQ(c.others ? k.other : k.byDefault, setup->*k.field) << k.key << " of " << c.file;
        EXPECT_STREQ(c.sound, setup->szSoundFile);
    }
}

namespace {

// A case without any "user.cfg" at all.
const std::string kMissing = "<missing>";

struct DialogCase
{
    const char* name;
    std::string config;
    std::vector<int> clicks;  // controls clicked, in order (a page's too)
    int maxScreenDowns;       // then the screen-count list moved down this often (-1: untouched)
    std::map<std::string, std::string> written; // "SECTION/KEY" -> value after OK
};

} // namespace

TEST_F(FrameTest, SetupDialogWritesWhatTheUserChangesAndKeepsTheRest)
{
    ASSERT_NE(nullptr, MakeFrame());
    const std::string path = UserFile("user.cfg");
    const DialogCase cases[] = {
        {"changes",
         "[MAIN]\r\nVER=201008201\r\nLEFT=0\r\n[SCREEN]\r\nSCREEN=9001\r\n[SECURITY]\r\nACC_AUTOSAVE=1\r\n"
         "LOCK_TIME=1\r\n[NOTIFY]\r\nDATE=7\r\n[ALARM]\r\nSOUND=C:\\old.wav\r\n",
         {IDC_PAGE_LAST_SCREEN_OFF, IDC_PAGE_CODE_LINK_ON, IDC_PAGE_DUPLICATE_ID, IDC_PAGE_ALARM_ON},
         1,
         {{"SCREEN/SKIN", "0"}, {"SCREEN/SCREEN", "9001"}, {"SCREEN/MAXSCREEN", "20"},
          {"SCREEN/LAST_SCREEN", "0"}, {"SCREEN/CODELINK", "1"}, {"SECURITY/LOCK_TIME", "1"},
          {"SECURITY/DUPULICATE_ID", "0"}, {"SECURITY/DUPULICATE_APP", "0"}, {"SECURITY/SIGNKEY_SAVE", "1"},
          {"SECURITY/SCREENLOCK", "1"}, {"SECURITY/ACC_POPUP", "1"}, {"ALARM/ALARMON", "1"},
          {"ALARM/ALARM_POPUP", "1"}, {"ALARM/SOUND", "C:\\old.wav"},
          // Read but never written: they stay as they were, and so does the frame's own key.
          {"SECURITY/ACC_AUTOSAVE", "1"}, {"NOTIFY/DATE", "7"}, {"MAIN/VER", "201008201"}, {"MAIN/LEFT", "0"}}},
        {"first OK",
         kMissing,
         {},
         -1,
         {{"SCREEN/SKIN", "0"}, {"SCREEN/SCREEN", "9005"}, {"SCREEN/MAXSCREEN", "10"}, {"SCREEN/LAST_SCREEN", "1"},
          {"SCREEN/CODELINK", "0"}, {"SECURITY/LOCK_TIME", "0"}, {"SECURITY/DUPULICATE_ID", "1"},
          {"SECURITY/DUPULICATE_APP", "0"}, {"SECURITY/SIGNKEY_SAVE", "1"}, {"SECURITY/SCREENLOCK", "1"},
          {"SECURITY/ACC_POPUP", "1"}, {"ALARM/ALARMON", "0"}, {"ALARM/ALARM_POPUP", "1"}, {"ALARM/SOUND", ""},
          {"SECURITY/ACC_AUTOSAVE", "<none>"}, {"NOTIFY/DATE", "<none>"}}},
        {"defaults",
         ConfigOfOthers("C:\\mine.wav"),
         {IDC_SETUP_DEFAULTS},
         -1,
         {{"SCREEN/SKIN", "3"}, {"SCREEN/MAXSCREEN", "10"}, {"SCREEN/LAST_SCREEN", "1"}, {"SCREEN/CODELINK", "0"},
          {"SECURITY/LOCK_TIME", "0"}, {"SECURITY/DUPULICATE_ID", "1"}, {"SECURITY/DUPULICATE_APP", "1"},
          {"SECURITY/SIGNKEY_SAVE", "1"}, {"SECURITY/SCREENLOCK", "1"}, {"SECURITY/ACC_POPUP", "1"},
          {"ALARM/ALARMON", "0"}, {"ALARM/ALARM_POPUP", "1"}, {"ALARM/SOUND", "C:\\mine.wav"},
          {"SECURITY/ACC_AUTOSAVE", "1"}, {"NOTIFY/DATE", "20260102"}}},
    };
    WriteSets({"9001", "9005"});
    for (const DialogCase& c : cases) {
        if (c.config == kMissing)
            ::DeleteFileA(path.c_str());
        else
            WriteUserConfig(c.config);
        ReadUserConfig();
        DialogScript script("환경설정");
        script.Then(WaitFor([](HWND d) { return ::IsWindowVisible(FindControl(d, IDC_PAGE_SOUND_FILE)) != FALSE; }));
        for (int id : c.clicks)
            script.Then(ClickDeep(id));
        if (c.maxScreenDowns >= 0)
            for (ScriptStep& step : ChooseEntry(IDC_PAGE_MAX_SCREEN, c.maxScreenDowns))
                script.Then(step);
        script.Then(ClickDeep(IDC_SETUP_APPLY));
        script.Run([this] {
            ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_SETTINGS, 0);
            return 0;
        });
        ASSERT_EQ("", script.Failure()) << c.name;
        for (const auto& w : c.written) {
            const size_t slash = w.first.find('/');
            EXPECT_EQ(w.second, Ini(path, w.first.substr(0, slash).c_str(), w.first.substr(slash + 1).c_str()))
                << c.name << " " << w.first;
        }
    }
    // The frame put the last OK to work: period index 0 is 5 minutes.
    EXPECT_EQ(300000u, m_frame->GetIdlePeriod());
    EXPECT_EQ(10, CSharedData::GetMaxScreen());
}

TEST_F(FrameTest, SetupDialogShowsTheSettingsAndCancelChangesNothing)
{
    WriteSets({"9001", "9005", "9007"});
    const std::string config = "[MAIN]\r\nVER=201008201\r\n[SCREEN]\r\nSCREEN=9005\r\nMAXSCREEN=30\r\n"
                               "[SECURITY]\r\nLOCK_TIME=4\r\nSIGNKEY_SAVE=0\r\n[ALARM]\r\nSOUND=C:\\s.wav\r\n";
    WriteUserConfig(config);
    ASSERT_NE(nullptr, MakeFrame());
    const _ST_SETUPINFO before = *CSharedData::GetSetupInfo();
    const DWORD period = m_frame->GetIdlePeriod();

    DialogScript script("환경설정");
    script.Then(WaitFor([](HWND d) { return ::IsWindowVisible(FindControl(d, IDC_PAGE_SOUND_FILE)) != FALSE; }))
        .Then(Do([](HWND d) {
            // The tab strips stand where they belong, one page each.
            HWND tab = FindControl(d, IDC_SETUP_TAB_MAIN);
            CRect rect;
            ::GetWindowRect(tab, &rect);
            ::MapWindowPoints(NULL, d, (POINT*)&rect, 2);
            EXPECT_EQ(CRect(4, 2, 372, 134), rect);
            ::GetWindowRect(FindControl(d, IDC_SETUP_TAB_CONNECTION), &rect);
            ::MapWindowPoints(NULL, d, (POINT*)&rect, 2);
            EXPECT_EQ(CRect(4, 136, 372, 270), rect);
            EXPECT_EQ(1, TabCtrl_GetItemCount(tab));
            // Below the third strip the buttons stand inside the dialog.
            CRect client, button;
            ::GetClientRect(d, &client);
            ::GetWindowRect(FindControl(d, IDC_SETUP_APPLY), &button);
            ::MapWindowPoints(NULL, d, (POINT*)&button, 2);
            EXPECT_GE(button.top, 406);
            EXPECT_TRUE(client.PtInRect(button.TopLeft()) && button.right <= client.right &&
                        button.bottom <= client.bottom);
            // The last set read stands at the top; the stored one is chosen.
            EXPECT_EQ((std::vector<std::string>{"9007", "9005", "9001"}), ComboItems(d, IDC_PAGE_SCREEN_SET));
            EXPECT_EQ(1, Selected(d, IDC_PAGE_SCREEN_SET));
            EXPECT_EQ((std::vector<std::string>{"10", "20", "30"}), ComboItems(d, IDC_PAGE_MAX_SCREEN));
            EXPECT_EQ(2, Selected(d, IDC_PAGE_MAX_SCREEN));
            EXPECT_EQ((std::vector<std::string>{"5", "10", "30", "60", "120"}), ComboItems(d, IDC_PAGE_LOCK_TIME));
            EXPECT_EQ(4, Selected(d, IDC_PAGE_LOCK_TIME));
            EXPECT_EQ(BST_CHECKED, Checked(d, IDC_PAGE_LAST_SCREEN_ON));
            EXPECT_EQ(BST_CHECKED, Checked(d, IDC_PAGE_CODE_LINK_OFF));
            EXPECT_EQ(BST_UNCHECKED, Checked(d, IDC_PAGE_SIGNKEY_SAVE));
            EXPECT_EQ(BST_CHECKED, Checked(d, IDC_PAGE_ACC_POPUP));
            EXPECT_EQ("C:\\s.wav", Text(FindControl(d, IDC_PAGE_SOUND_FILE)));
        }))
        // The last-screens switch takes effect at once ...
        .Then(ClickDeep(IDC_PAGE_LAST_SCREEN_OFF))
        .Then(WaitFor([](HWND) { return CSharedData::GetSetupInfo()->nLastScreenOn == 0; }))
        .Then(ClickDeep(IDC_PAGE_SCREEN_LOCK))
        .Then(ClickDeep(IDC_PAGE_ALARM_POPUP));
    for (ScriptStep& step : ChooseEntry(IDC_PAGE_SCREEN_SET, 1))
        script.Then(step);
    script.Then(WaitFor([](HWND) { return CSharedData::GetSetupInfo()->nScreen == 9001; }))
        .Then(ClickDeep(IDC_SETUP_DEFAULTS))
        .Then(ClickDeep(IDC_SETUP_CANCEL));
    script.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_SETTINGS, 0);
        return 0;
    });
    ASSERT_EQ("", script.Failure());
    // ... and Cancel takes it back with everything else; the file is untouched.
    EXPECT_EQ(0, memcmp(&before, CSharedData::GetSetupInfo(), sizeof before));
    EXPECT_EQ(config, ReadFileBytes(UserFile("user.cfg")));
    EXPECT_EQ(period, m_frame->GetIdlePeriod());
}

namespace {

std::vector<std::string> g_chosen;
std::vector<std::string> g_played;

BOOL ChooseNext(HWND, CString& path)
{
    if (g_chosen.empty())
        return FALSE;
    path = g_chosen.front().c_str();
    g_chosen.erase(g_chosen.begin());
    return TRUE;
}

BOOL WINAPI RecordPlay(LPCSTR path, UINT flags)
{
    g_played.push_back(std::string(path) + (flags & SND_ASYNC ? " async" : ""));
    return TRUE;
}

} // namespace

TEST_F(FrameTest, ASoundFileMustBeAWaveFileInAnyCase)
{
    struct Case
    {
        const char* chosen;
        const char* shown; // the sound-file edit afterwards
        bool warned;
    } cases[] = {
        {"C:\\Sounds\\bell.wav", "C:\\Sounds\\bell.wav", false},
        {"C:\\Sounds\\BELL.WAV", "C:\\Sounds\\BELL.WAV", false},
        {"C:\\Sounds\\ring.Wav", "C:\\Sounds\\ring.Wav", false},
        {"C:\\Sounds\\song.mp3", "C:\\Sounds\\ring.Wav", true},
        {"C:\\wav\\readme", "C:\\Sounds\\ring.Wav", true},
        {"C:\\Sounds\\bell.wave", "C:\\Sounds\\ring.Wav", true},
    };
    WriteUserConfig("[MAIN]\r\nVER=201008201\r\n[ALARM]\r\nSOUND=C:\\old.wav\r\n");
    ASSERT_NE(nullptr, MakeFrame());
    g_chosen.clear();
    g_played.clear();
    auto* const choose = CPageAlarm::s_pfnChooseFile;
    auto* const play = CPageAlarm::s_pfnPlaySound;
    CPageAlarm::s_pfnChooseFile = ChooseNext;
    CPageAlarm::s_pfnPlaySound = RecordPlay;
    DialogScript script("환경설정");
    script.Then(WaitFor([](HWND d) { return ::IsWindowVisible(FindControl(d, IDC_PAGE_SOUND_FILE)) != FALSE; }));
    size_t boxes = m_boxes.Count();
    for (const Case& c : cases) {
        script.Then(Do([&c](HWND) { g_chosen.push_back(c.chosen); }))
            .Then(ClickDeep(IDC_PAGE_SOUND_CHOOSE))
            .Then(WaitFor([](HWND) { return g_chosen.empty(); }))
            .Then(Do([this, &c, &boxes](HWND d) {
                EXPECT_EQ(c.shown, Text(FindControl(d, IDC_PAGE_SOUND_FILE))) << c.chosen;
                EXPECT_EQ(boxes + (c.warned ? 1 : 0), m_boxes.Count()) << c.chosen;
                if (c.warned) {
                    EXPECT_EQ("WAV 파일만 선택해 주시기 바랍니다", m_boxes.Last().text);
                }
                boxes = m_boxes.Count();
            }));
    }
    script.Then(ClickDeep(IDC_PAGE_SOUND_PLAY)).Then(ClickDeep(IDC_SETUP_APPLY));
    script.Run([this] {
        ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_SETTINGS, 0);
        return 0;
    });
    CPageAlarm::s_pfnChooseFile = choose;
    CPageAlarm::s_pfnPlaySound = play;
    ASSERT_EQ("", script.Failure());
    EXPECT_EQ(std::vector<std::string>{"C:\\Sounds\\ring.Wav async"}, g_played);
    // The refused files leave the last wave file as the alarm sound, never the warning.
    EXPECT_EQ("C:\\Sounds\\ring.Wav", Ini(UserFile("user.cfg"), "ALARM", "SOUND"));
    EXPECT_STREQ("C:\\Sounds\\ring.Wav", CSharedData::GetSetupInfo()->szSoundFile);
}

TEST_F(FrameTest, TheMemberToolBarShowsTheExpiryDateBesideItsIcon)
{
    struct Case
    {
        int date;
        const char* text;
    } cases[] = {{20261231, "이용만료일: 2026년 12월 31일"}, {123456789, ""}};
    for (const Case& c : cases) {
        CSharedData::SetExpireDate(c.date);
        ASSERT_NE(nullptr, MakeFrame());
        HWND bar = m_frame->GetToolBar().GetSafeHwnd();
        HWND text = ::GetDlgItem(bar, 201);
        HWND icon = ::GetDlgItem(bar, 200);
        EXPECT_EQ(c.text, Text(text));
        EXPECT_NE((LPARAM)NULL, ::SendMessageA(icon, STM_GETIMAGE, IMAGE_BITMAP, 0)) << "the icon has its picture";
        CRect client, place;
        ::GetClientRect(bar, &client);
        ::GetWindowRect(text, &place);
        ::MapWindowPoints(NULL, bar, (POINT*)&place, 2);
        EXPECT_EQ(CRect(client.right - 190, 10, client.right - 20, 30), place);
        // In the label's own font the text fits its place on one line.
        HDC dc = ::GetDC(text);
        HGDIOBJ old = ::SelectObject(dc, (HGDIOBJ)::SendMessageA(text, WM_GETFONT, 0, 0));
        SIZE extent = {0, 0};
        ::GetTextExtentPoint32A(dc, c.text, (int)strlen(c.text), &extent);
        ::SelectObject(dc, old);
        ::ReleaseDC(text, dc);
        EXPECT_LE(extent.cx, place.Width()) << c.text;
        EXPECT_LE(extent.cy, place.Height()) << c.text;
        ::GetWindowRect(icon, &place);
        ::MapWindowPoints(NULL, bar, (POINT*)&place, 2);
        EXPECT_EQ(CPoint(client.right - 206, 14), place.TopLeft());
        EndFrame();
    }
}

namespace {

// The tree's items, a child's indented under its parent.
std::vector<std::string> TreeLines(HWND tree)
{
    std::vector<std::string> lines;
    for (HTREEITEM top = TreeView_GetRoot(tree); top != NULL; top = TreeView_GetNextSibling(tree, top)) {
        for (HTREEITEM item = top; item != NULL;
             item = item == top ? TreeView_GetChild(tree, top) : TreeView_GetNextSibling(tree, item)) {
            char text[256] = {0};
            TVITEMA data = {};
            data.mask = TVIF_TEXT;
            data.hItem = item;
            data.pszText = text;
            data.cchTextMax = sizeof text;
            TreeView_GetItem(tree, &data);
            lines.push_back((item == top ? "" : "  ") + std::string(text));
        }
    }
    return lines;
}

HTREEITEM FindItem(HWND tree, const std::string& text)
{
    for (HTREEITEM top = TreeView_GetRoot(tree); top != NULL; top = TreeView_GetNextSibling(tree, top)) {
        for (HTREEITEM item = top; item != NULL;
             item = item == top ? TreeView_GetChild(tree, top) : TreeView_GetNextSibling(tree, item)) {
            char label[256] = {0};
            TVITEMA data = {};
            data.mask = TVIF_TEXT;
            data.hItem = item;
            data.pszText = label;
            data.cchTextMax = sizeof label;
            TreeView_GetItem(tree, &data);
            if (text == label)
                return item;
        }
    }
    return NULL;
}

// A click on a tree item's label.
ScriptStep ClickItem(int treeId, const std::string& text)
{
    return ClickAt([treeId, text](HWND dialog, POINT& point) {
        HWND tree = ::GetDlgItem(dialog, treeId);
        HTREEITEM item = FindItem(tree, text);
        RECT rect;
        if (item == NULL || !TreeView_GetItemRect(tree, item, &rect, TRUE))
            return false;
        point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ::ClientToScreen(tree, &point);
        return true;
    });
}

// Screens of the user class below a menu left out, separators, commands below 1000, nested
// menus, a menu of another class.
const char kQuickTestMenu[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SYSTEM>\n  <NORMAL_USER>\n"
    "    <MENU id=\"201\" text=\"Trade\">\n"
    "      <ITEM id=\"1000\" text=\"Coin order\" short=\"Order\"/>\n"
    "      <ITEM id=\"0\" text=\"-\"/>\n"
    "      <ITEM id=\"999\" text=\"Low\" short=\"Low\"/>\n"
    "      <MENU id=\"300\" text=\"More\">\n"
    "        <ITEM id=\"2000\" text=\"Balance\" short=\"Bal\"/>\n"
    "        <ITEM id=\"2500\" text=\"-\"/>\n"
    "      </MENU>\n"
    "      <ITEM id=\"3000\" text=\"Signal\" short=\"Sig\"/>\n"
    "    </MENU>\n"
    "    <MENU id=\"100\" text=\"Quick\">\n      <ITEM id=\"1500\" text=\"Hidden\"/>\n    </MENU>\n"
    "    <MENU id=\"200\" text=\"System\">\n"
    "      <ITEM id=\"101\" text=\"cmd\"/>\n      <ITEM id=\"108\" text=\"cmd\"/>\n"
    "    </MENU>\n"
    "  </NORMAL_USER>\n"
    "  <STAFF_USER>\n    <MENU id=\"400\" text=\"Staff\">\n"
    "      <ITEM id=\"7000\" text=\"Desk\" short=\"Desk\"/>\n    </MENU>\n  </STAFF_USER>\n"
    "</SYSTEM>\n";

} // namespace

TEST_F(FrameTest, QuickMenuOffersTheUsersScreensAndKeepsItsGroups)
{
    const std::string file = UserFile(QUICK_MENU_FILE);
    FileKeeper keep(file);
    WriteFileBytes(std::string(GetSystemDir()) + "menu.xml", kQuickTestMenu);
    WriteFileBytes(file, "[HOME]\r\nACTIVE=Mine\r\n[Mine]\r\n1000=Order\r\n[Other]\r\n3000=Sig\r\n");
    ASSERT_NE(nullptr, MakeFrame());

    auto open = [this](DialogScript& script) {
        script.Run([this] {
            ::SendMessageA(m_hFrame, WM_COMMAND, ID_MENU_QUICK_MENU, 0);
            return 0;
        });
    };
    auto visible = [](HWND d) { return ::IsWindowVisible(d) != FALSE; };
    DialogScript edit("빠른메뉴설정창");
    edit.Then(WaitFor(visible))
        .Then(Do([](HWND d) {
            EXPECT_EQ((std::vector<std::string>{"Trade", "  [1000]Coin order", "  [2000]Balance",
                                                "  [3000]Signal", "System"}),
                      TreeLines(::GetDlgItem(d, IDC_QUICK_MENU)));
            EXPECT_EQ((std::vector<std::string>{"Mine", "  [1000]Order", "Other", "  [3000]Sig"}),
                      TreeLines(::GetDlgItem(d, IDC_QUICK_GROUPS)));
            for (int id : {IDC_QUICK_GROUP_ADD, IDC_QUICK_GROUP_RENAME, IDC_QUICK_GROUP_REMOVE, IDC_QUICK_SAVE})
                EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(d, id))) << id;
            // No group chosen: nothing can be added.
            TreeView_SelectItem(::GetDlgItem(d, IDC_QUICK_GROUPS), NULL);
        }))
        .Then(ClickItem(IDC_QUICK_MENU, "[2000]Balance"))
        .Then(Click(IDC_QUICK_ADD))
        .Then(WaitFor([this](HWND) { return m_boxes.Count() == 1; }))
        .Then(ClickItem(IDC_QUICK_GROUPS, "Other"))
        .Then(Click(IDC_QUICK_ADD))
        .Then(WaitFor([](HWND d) { return FindItem(::GetDlgItem(d, IDC_QUICK_GROUPS), "[2000]Bal") != NULL; }))
        .Then(ClickItem(IDC_QUICK_MENU, "[1000]Coin order"))
        // A group opens with the right arrow key.
        .Then(ClickItem(IDC_QUICK_GROUPS, "Mine"))
        .Then(Press(VK_RIGHT))
        .Then(ClickItem(IDC_QUICK_GROUPS, "[1000]Order"))
        .Then(Click(IDC_QUICK_ADD))
        .Then(WaitFor([this](HWND) { return m_boxes.Count() == 2; }))
        // The new entry goes above the old one, and its group above the first.
        .Then(ClickItem(IDC_QUICK_GROUPS, "[2000]Bal"))
        .Then(Click(IDC_QUICK_UP))
        .Then(ClickItem(IDC_QUICK_GROUPS, "Other"))
        .Then(Click(IDC_QUICK_UP))
        .Then(WaitFor([](HWND d) {
            return TreeLines(::GetDlgItem(d, IDC_QUICK_GROUPS)) ==
                   std::vector<std::string>{"Other", "  [2000]Bal", "  [3000]Sig", "Mine", "  [1000]Order"};
        }))
        .Then(ClickItem(IDC_QUICK_GROUPS, "[3000]Sig"))
        .Then(Click(IDC_QUICK_ENTRY_REMOVE))
        .Then(Click(IDOK));
    open(edit);
    ASSERT_EQ("", edit.Failure());
    ASSERT_EQ(2u, m_boxes.Count());
    EXPECT_EQ("추가할 그룹을 선택하세요.", m_boxes.Boxes()[0].text);
    EXPECT_EQ("이미 등록된 메뉴입니다.", m_boxes.Boxes()[1].text);
    EXPECT_EQ("Mine", Ini(file, "HOME", "ACTIVE"));
    EXPECT_EQ("Bal", Ini(file, "Other", "2000"));
    EXPECT_EQ("<none>", Ini(file, "Other", "3000"));
    EXPECT_EQ("Order", Ini(file, "Mine", "1000"));

    // Read again, the groups are what was saved (no entry gains a second number).
    DialogScript again("빠른메뉴설정창");
    again.Then(WaitFor(visible))
        .Then(Do([](HWND d) {
            EXPECT_EQ((std::vector<std::string>{"Other", "  [2000]Bal", "Mine", "  [1000]Order"}),
                      TreeLines(::GetDlgItem(d, IDC_QUICK_GROUPS)));
        }))
        .Then(Click(IDCANCEL));
    const std::string saved = ReadFileBytes(file);
    open(again);
    ASSERT_EQ("", again.Failure());
    EXPECT_EQ(saved, ReadFileBytes(file)) << "Cancel writes nothing";
}

TEST_F(FrameTest, TheSoundFileIsChosenInTheFileOpenDialog)
{
    const std::string folder = std::string(GetWorkingDir()) + "Temp\\";
    DialogScript files("Alarm Sound 선택");
    files.Then(WaitFor([](HWND d) { return ::IsWindowVisible(d) != FALSE; }))
        .Then(Do([](HWND d) {
            // The file types, wave files first.
            HWND types = ::GetDlgItem(d, cmb1);
            ASSERT_NE((HWND)NULL, types);
            ASSERT_EQ(2, (int)::SendMessageA(types, CB_GETCOUNT, 0, 0));
            char text[64] = {0};
            ::SendMessageA(types, CB_GETLBTEXT, 0, (LPARAM)text);
            EXPECT_STREQ("WAV Files (*.wav)", text);
            EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(d, chx1))) << "no read-only box";
        }))
        // The name field (an edit, or a combo with one, by the dialog's kind) takes the typing.
        .Then(ClickAt([](HWND d, POINT& point) {
            HWND name = ::GetDlgItem(d, cmb13);
            if (name == NULL || !::IsWindowVisible(name))
                name = ::GetDlgItem(d, edt1);
            RECT rect;
            if (name == NULL || !::GetWindowRect(name, &rect))
                return false;
            point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
            return true;
        }))
        .Then(Type(folder + "bell.wav"))
        .Then(Press(VK_RETURN));
    CString path;
    const BOOL chosen = files.Run([&path] { return CPageAlarm::s_pfnChooseFile(NULL, path); });
    ASSERT_EQ("", files.Failure());
    EXPECT_TRUE(chosen);
    EXPECT_EQ(folder + "bell.wav", (LPCSTR)path);
}
