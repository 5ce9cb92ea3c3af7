// The terminal as a trader meets it: the staged install tree's Molvane.exe as a process of its
// own against the three peers, driven from outside with real input through the window system
// (typed text, clicks on its controls, its menu by the keyboard). The peers' records are the
// witnesses of what it did; what it showed is read from the screen and saved as PNG files in
// build/screens/ for the eye.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DialogScript.h"
#include "ProgramRun.h"
#include "TerminalDriver.h"
#include "screen_shot.h"
#include "temp_dir.h"
#include "trading_peers.h"

namespace {

const DWORD kLimit = 30000;
const char kLoginCaption[] = "Talpen 자동매매시스템";
const char kFrameCaption[] = "Talpen 자동 매매 시스템";
const char kUserId[] = "trader7";
const char kPassword[] = "pw-4711";
const char kApiKey[] = "molvane-demo-key";
const char kApiSecret[] = "molvane-demo-secret";
// Typed as Korean a trader would give it.
const char kSetName[] = "내 화면 1";
// Entries of the first drop-down ("시스템"), separators not counted: the saved sets'
// 사용자정의화면, then 환경설정, 화면잠금, 화면인쇄, 화면저장, 전체화면닫기, 로그아웃, 종료.
const int kScreenSetsEntry = 0;
const int kSavedScreensEntry = 4;
const int kCloseAllEntry = 5;
const int kLogoutEntry = 6;

std::string ModuleFolder()
{
    char path[MAX_PATH] = {0};
    ::GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// build/<target>/stage, beside the test tree's testroot.
std::string StageFolder()
{
    return ModuleFolder() + "..\\..\\stage\\";
}

// build/screens (not committed).
std::string ShotFolder()
{
    const std::string folder = ModuleFolder() + "..\\..\\..\\screens\\";
    ::CreateDirectoryA(folder.c_str(), NULL);
    return folder;
}

// A copy of the staged install root pointed at the peers.
class StagedRoot
{
public:
    StagedRoot()
    {
        EXPECT_TRUE(terminal::CopyInstallTree(StageFolder(), m_dir.Path())) << StageFolder();
        ::CreateDirectoryA(AppData().c_str(), NULL);
        EXPECT_TRUE(terminal::WriteSystemIni(m_dir.Path(), trading::ServerPeer::Port(),
                                             trading::ExchangePeer::BaseURL(),
                                             PeerControl::PortFromEnv("MOLVANE_VERSION_PORT")));
        // The install's version as the updater left it.
        WriteFileBytes(m_dir.File("System\\version.dat"), "version=1.0.0\r\n");
    }
    std::string Path() const { return m_dir.Path(); }
    std::string Bin() const { return m_dir.Path() + "Bin\\"; }
    std::string AppData() const { return m_dir.Path() + "AppData"; }
    std::string File(const std::string& name) const { return m_dir.File(name); }

private:
    TempDir m_dir;
};

struct Found
{
    DWORD pid;
    std::function<bool(HWND, const std::string&, const std::string&)> match;
    std::vector<HWND> windows;
};

BOOL CALLBACK Collect(HWND hWnd, LPARAM param)
{
    Found& found = *reinterpret_cast<Found*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != found.pid || !::IsWindowVisible(hWnd))
        return TRUE;
    char name[64] = {0}, caption[256] = {0};
    ::GetClassNameA(hWnd, name, sizeof name);
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    if (found.match(hWnd, name, caption))
        found.windows.push_back(hWnd);
    return TRUE;
}

std::vector<HWND> Windows(DWORD pid, std::function<bool(HWND, const std::string&, const std::string&)> match)
{
    Found found = {pid, match, {}};
    ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

// Every visible top-level window of the process, for failure messages.
std::string Describe(DWORD pid)
{
    std::string text;
    for (HWND w : Windows(pid, [](HWND, const std::string&, const std::string&) { return true; })) {
        char name[64] = {0}, caption[256] = {0};
        ::GetClassNameA(w, name, sizeof name);
        ::GetWindowTextA(w, caption, sizeof caption);
        RECT r;
        ::GetWindowRect(w, &r);
        text += std::string(name) + " '" + caption + "' " + std::to_string(r.left) + "," + std::to_string(r.top) +
                " " + std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "\n";
    }
    return text;
}

// Waits for a condition; false after the limit (or once the program ended). Boxes are left
// to the test: a box nobody expects holds the run up and shows in the failure.
bool WaitUntil(Program& program, std::function<bool()> done, DWORD limitMs = kLimit)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (::GetTickCount() - start > limitMs || program.ExitCode() != STILL_ACTIVE)
            return false;
        ::Sleep(25);
    }
}

HWND WaitForCaption(Program& program, const std::string& prefix, DWORD limitMs = kLimit)
{
    HWND window = NULL;
    WaitUntil(
        program,
        [&] {
            auto found = Windows(program.Id(), [&](HWND, const std::string&, const std::string& caption) {
                return caption.compare(0, prefix.size(), prefix) == 0;
            });
            window = found.empty() ? NULL : found.front();
            return window != NULL;
        },
        limitMs);
    return window;
}

// Brings the window to the front for the keyboard and the pointer.
bool BringForward(Program& program, HWND window)
{
    return WaitUntil(
        program,
        [&] {
            if (::GetForegroundWindow() == window)
                return true;
            ::SetForegroundWindow(window);
            return false;
        },
        5000);
}

// The pointer moved to a point of the desktop until it stays there: the desktop can bring an
// older position back after a change of capture or of the active window, and a click made
// then would land where the pointer was before.
bool PointerTo(int x, int y)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        // Every other attempt by way of a neighbouring point, so that the move is one.
        const int tx = x + (attempt % 2), ty = y + (attempt % 2);
        INPUT move = {};
        move.type = INPUT_MOUSE;
        move.mi.dx = (tx * 65536 + ::GetSystemMetrics(SM_CXSCREEN) - 1) / ::GetSystemMetrics(SM_CXSCREEN);
        move.mi.dy = (ty * 65536 + ::GetSystemMetrics(SM_CYSCREEN) - 1) / ::GetSystemMetrics(SM_CYSCREEN);
        move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        ::SetCursorPos(tx, ty);
        ::SendInput(1, &move, sizeof move);
        ::Sleep(60);
        if (attempt % 2)
            continue;
        POINT now;
        ::GetCursorPos(&now);
        if (now.x != x || now.y != y)
            continue;
        ::Sleep(60);
        ::GetCursorPos(&now);
        if (now.x == x && now.y == y)
            return true;
    }
    return false;
}

// A left click at the centre of a control, the pointer settled there first.
bool ClickCentre(HWND control)
{
    RECT rect;
    if (!::GetWindowRect(control, &rect) || !PointerTo((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2))
        return false;
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, press, sizeof(INPUT));
    return true;
}

// Clicks an edit control and types into it; true once it holds the text.
bool TypeInto(Program& program, HWND dialog, int id, const std::string& text, bool readable = true)
{
    HWND edit = ::GetDlgItem(dialog, id);
    if (edit == NULL || !BringForward(program, dialog))
        return false;
    ClickCentre(edit);
    if (!WaitUntil(program, [&] { return ::GetForegroundWindow() == dialog; }, 5000))
        return false;
    TypeText(text);
    if (!readable)
        return true;
    char now[256] = {0};
    const bool typed = WaitUntil(
        program,
        [&] {
            // Another process's control answers for its own text.
            ::SendMessageA(edit, WM_GETTEXT, sizeof now, (LPARAM)now);
            return text == now;
        },
        5000);
    if (!typed)
        printf("control %d holds '%s'\n", id, now);
    return typed;
}

// The menus are the caption's four buttons (60 pixels wide, 2 apart, from 84 in): a click on
// one opens its drop-down, the keys move to the entry (separators are passed over) and Enter
// chooses it.
// `subEntry` >= 0: `entry` is a submenu, opened with the right arrow, and its entry is chosen.
bool ChooseFromMenu(Program& program, HWND frame, int menu, int entry, int subEntry = -1)
{
    auto popups = [&] {
        return Windows(program.Id(), [](HWND, const std::string& name, const std::string&) { return name == "#32768"; });
    };
    RECT rect;
    if (!BringForward(program, frame) || !::GetWindowRect(frame, &rect) ||
        !PointerTo(rect.left + 84 + 62 * menu + 30, rect.top + 14)) {
        printf("menu: not in front (%d)\n", ::GetForegroundWindow() == frame);
        return false;
    }
    // Two clicks on one button within the double-click time make a double click, which opens
    // nothing: a user's second choice from the same menu comes later.
    static DWORD lastClick = 0;
    while (::GetTickCount() - lastClick <= ::GetDoubleClickTime())
        ::Sleep(20);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, press, sizeof(INPUT));
    lastClick = ::GetTickCount();
    if (!WaitUntil(program, [&] { return !popups().empty(); }, 5000)) {
        printf("menu: no drop-down\n");
        return false;
    }
    for (int i = 0; i <= entry; ++i)
        PressKey(VK_DOWN);
    if (subEntry >= 0) {
        PressKey(VK_RIGHT); // the submenu opens on its first entry
        for (int i = 0; i < subEntry; ++i)
            PressKey(VK_DOWN);
    }
    PressKey(VK_RETURN);
    return WaitUntil(program, [&] { return popups().empty(); }, 5000);
}

// The text of another process's control.
std::string TextOf(HWND control)
{
    char text[256] = {0};
    ::SendMessageA(control, WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

struct ChildSearch
{
    std::string text;
    HWND found;
};

BOOL CALLBACK FindChildByText(HWND hWnd, LPARAM param)
{
    ChildSearch& search = *reinterpret_cast<ChildSearch*>(param);
    if (::IsWindowVisible(hWnd) && TextOf(hWnd) == search.text) {
        search.found = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND ChildWithText(HWND parent, const std::string& text)
{
    ChildSearch search = {text, NULL};
    ::EnumChildWindows(parent, FindChildByText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A real click on a control of a window of the program, the window brought forward first.
bool ClickOn(Program& program, HWND window, int id)
{
    HWND control = ::GetDlgItem(window, id);
    return control != NULL && BringForward(program, window) && ClickCentre(control);
}

// The window (or a control of it) in front, shot once what it shows holds still (two reads
// alike).
Shot SteadyShot(Program& program, HWND window)
{
    BringForward(program, ::GetAncestor(window, GA_ROOT));
    ::RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN);
    Shot last = ShootWindow(window), now;
    WaitUntil(
        program,
        [&] {
            ::Sleep(150);
            now = ShootWindow(window);
            const bool same = !now.Empty() && now.Differing(last) == 0;
            last = now;
            return same;
        },
        5000);
    return now;
}

bool SaveShot(Program& program, HWND window, const std::string& name)
{
    return SavePng(ShotFolder() + name + ".png", SteadyShot(program, window));
}

class Acceptance : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_GT(trading::ServerPeer::Port(), 0) << "run under testbed/peers.py --peers server,exchange,version";
        ASSERT_FALSE(trading::ExchangePeer::BaseURL().empty());
        m_server.Must(trading::Command("reset"));
        m_exchange.Must(trading::Command("reset"));
        m_root.reset(new StagedRoot);
    }

    HWND LogIn(Program& program)
    {
        HWND login = program.WaitForWindow("#32770", kLoginCaption, kLimit);
        if (login == NULL)
            return NULL;
        EXPECT_TRUE(TypeInto(program, login, 1027, kUserId));
        EXPECT_TRUE(TypeInto(program, login, 1033, kPassword, false));
        EXPECT_TRUE(TypeInto(program, login, 1034, kApiKey));
        EXPECT_TRUE(TypeInto(program, login, 1035, kApiSecret, false));
        BringForward(program, login);
        ClickCentre(::GetDlgItem(login, 1029));
        return WaitForCaption(program, kFrameCaption);
    }

    // The exchange peer's records of a path.
    std::vector<Json::Value> Requests(const std::string& path)
    {
        Json::Value command = trading::Command("requests");
        command["path"] = path;
        const Json::Value reply = m_exchange.Must(command);
        std::vector<Json::Value> out;
        for (const Json::Value& r : reply["requests"])
            out.push_back(r);
        return out;
    }

    trading::ServerPeer m_server;
    trading::ExchangePeer m_exchange;
    std::unique_ptr<StagedRoot> m_root;
};

TEST_F(Acceptance, ATraderLogsInWatchesTradesAutomaticallyAndComesBack)
{
    Program program(m_root->Bin(), m_root->AppData());
    ASSERT_TRUE(program.Started());

    // The version check answers 'N': the login follows.
    HWND frame = LogIn(program);
    ASSERT_NE((HWND)NULL, frame) << Describe(program.Id());
    ASSERT_EQ(1u, m_server.Records("query", 100).size());
    ASSERT_EQ(1u, m_server.Records("query", 1100).size());
    EXPECT_NE((HMENU)NULL, ::GetMenu(frame));
    SaveShot(program, frame, "main_frame");

    // The four screens from the menu's second drop-down ("매매").
    const struct
    {
        int entry;
        const char* caption;
        const char* shot;
    } screens[] = {
        {0, "[1000]", "screen_1000"},
        {1, "[2000]", "screen_2000"},
        {2, "[2001]", "screen_2001"},
        {3, "[3000]", "screen_3000"},
    };
    for (const auto& screen : screens) {
        ASSERT_TRUE(ChooseFromMenu(program, frame, 1, screen.entry)) << screen.caption << "\n" << Describe(program.Id());
        ASSERT_NE((HWND)NULL, WaitForCaption(program, screen.caption, 15000)) << screen.caption << "\n"
                                                                            << Describe(program.Id());
    }
    // The tool bar's buttons raise the screens they name.
    for (const char* button : {"코인주문", "자산현황", "거래내역", "시그널점수"})
        EXPECT_NE((HWND)NULL, ChildWithText(frame, button)) << button;
    for (const auto& screen : screens)
        EXPECT_TRUE(SaveShot(program, WaitForCaption(program, screen.caption, 1000), screen.shot)) << screen.shot;

    // The board's cells follow the exchange's prices: with the market held, a new price of
    // bitcoin changes what the board shows.
    HWND board = WaitForCaption(program, "[1000]", 1000);
    HWND grid = ::GetDlgItem(board, 1000);
    ASSERT_NE((HWND)NULL, grid);
    Json::Value frozen = trading::Command("market");
    frozen["mode"] = "frozen";
    m_exchange.Must(frozen);
    const Shot before = SteadyShot(program, grid);
    EXPECT_EQ(0u, SteadyShot(program, grid).Differing(before)) << "the board moves with the market held";
    m_exchange.SetPrice("BTC", 9123000);
    EXPECT_TRUE(WaitUntil(program, [&] { return ShootWindow(grid).Differing(before) > 0; }, 15000))
        << "the board kept its cells";

    // Another coin from the board's coin list, by the keys: its order book and fills are asked.
    HWND combo = ::GetDlgItem(board, 1002);
    ASSERT_NE((HWND)NULL, combo);
    ASSERT_TRUE(BringForward(program, board));
    ClickCentre(combo);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil(program, [&] { return ::SendMessageA(combo, CB_GETCURSEL, 0, 0) == 1; }, 5000));
    // The list closes, and the choice holds the combo until the new coin's data is in.
    EXPECT_TRUE(WaitUntil(
        program, [&] { return !::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) && ::IsWindowEnabled(combo); },
        15000));
    EXPECT_TRUE(WaitUntil(program, [&] { return !Requests("/public/orderbook/BCH").empty(); }, 15000));
    EXPECT_TRUE(WaitUntil(program, [&] { return !Requests("/public/transaction_history/BCH").empty(); }, 15000));
    SaveShot(program, board, "screen_1000_bch");

    // Automatic trading by amount: the tradable won asked with 조회, then 시작/정지 and the
    // box's OK. No bitcoin is held before.
    Json::Value available;
    available["KRW"] = Json::Int64(10000000);
    available["BTC"] = "0";
    m_exchange.SetBalance(available);
    ASSERT_TRUE(ClickOn(program, board, 1008));
    HWND amount = ::GetDlgItem(board, 1006);
    EXPECT_TRUE(WaitUntil(program, [&] { return TextOf(amount) == "10,000,000"; }, 10000)) << TextOf(amount);
    ASSERT_TRUE(ClickOn(program, board, 1017));
    HWND box = WaitForCaption(program, "   확인", 10000);
    ASSERT_NE((HWND)NULL, box) << Describe(program.Id());
    SaveShot(program, box, "auto_trading_box");
    ASSERT_TRUE(ClickOn(program, box, IDOK));
    ASSERT_TRUE(WaitUntil(program, [&] { return !::IsWindow(box); }, 5000));
    const Shot tabBefore = SteadyShot(program, board);

    // A buy signal of a recommended coin: one signed market buy at the exchange.
    ASSERT_EQ(1, m_server.PushSignal("BTC", '1', "B001", "10"));
    ASSERT_TRUE(WaitUntil(program, [&] { return !m_exchange.Posts("/trade/market_buy").empty(); }, 15000))
        << Describe(program.Id());
    const std::vector<Json::Value> buys = m_exchange.Posts("/trade/market_buy");
    ASSERT_EQ(1u, buys.size());
    EXPECT_EQ("ok", buys[0]["verdict"].asString()) << buys[0]["reason"].asString();
    EXPECT_EQ("BTC", trading::FormValue(buys[0], "currency"));
    const std::string units = trading::FormValue(buys[0], "units");
    EXPECT_EQ("0.109", units) << "a tenth of the won at 9,123,000";

    // The order alarm slides up with the order.
    HWND alarm = WaitForCaption(program, "실시간 체결 알림창", 10000);
    ASSERT_NE((HWND)NULL, alarm) << Describe(program.Id());
    EXPECT_TRUE(WaitUntil(program, [&] {
        RECT r;
        ::GetWindowRect(alarm, &r);
        return r.bottom <= ::GetSystemMetrics(SM_CYSCREEN);
    }));
    SaveShot(program, alarm, "order_alarm");

    // The automatic-trading tab lists the coin.
    const Shot tabAfter = SteadyShot(program, board);
    size_t listChanged = 0;
    for (int y = 680; y < tabAfter.height && y < tabBefore.height; ++y)
        for (int x = 0; x < tabAfter.width; ++x)
            listChanged += tabAfter.At(x, y) != tabBefore.At(x, y);
    EXPECT_GT(listChanged, 0u) << "the automatic-trading list stayed as it was";
    SaveShot(program, board, "screen_1000_auto");

    // The balance screen shows the new holding once it is asked again.
    HWND balance = WaitForCaption(program, "[2000]", 1000);
    const Shot balanceBefore = SteadyShot(program, balance);
    const size_t balanceAsked = Requests("/info/balance").size();
    HWND refresh = ChildWithText(balance, "조회");
    ASSERT_NE((HWND)NULL, refresh);
    ASSERT_TRUE(BringForward(program, balance));
    ClickCentre(refresh);
    EXPECT_TRUE(WaitUntil(program, [&] { return Requests("/info/balance").size() > balanceAsked; }, 10000));
    EXPECT_TRUE(WaitUntil(program, [&] { return SteadyShot(program, balance).Differing(balanceBefore) > 0; }, 10000));
    SaveShot(program, balance, "screen_2000_holding");

    // A sell signal closes the position: one market sell of what was bought.
    ASSERT_EQ(1, m_server.PushSignal("BTC", '2', "S001", "100"));
    ASSERT_TRUE(WaitUntil(program, [&] { return !m_exchange.Posts("/trade/market_sell").empty(); }, 15000))
        << Describe(program.Id());
    const std::vector<Json::Value> sells = m_exchange.Posts("/trade/market_sell");
    ASSERT_EQ(1u, sells.size());
    EXPECT_EQ("ok", sells[0]["verdict"].asString()) << sells[0]["reason"].asString();
    EXPECT_EQ(units, trading::FormValue(sells[0], "units"));
    EXPECT_EQ(1u, m_exchange.Posts("/trade/market_buy").size());
    const Json::Value held = m_exchange.Must(trading::Command("balance"));
    EXPECT_EQ(0.0, atof(held["available"]["BTC"].asString().c_str())) << held.toStyledString();

    // The open screens saved as set 9001 from the menu's 화면저장, the scores moved aside first.
    HWND scores = WaitForCaption(program, "[3000]", 1000);
    ::SetWindowPos(scores, NULL, 200, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(ChooseFromMenu(program, frame, 0, kSavedScreensEntry)) << Describe(program.Id());
    HWND save = WaitForCaption(program, "화면저장", 10000);
    ASSERT_NE((HWND)NULL, save) << Describe(program.Id());
    EXPECT_TRUE(TypeInto(program, save, 1015, "9001"));
    EXPECT_TRUE(TypeInto(program, save, 1020, kSetName));
    ASSERT_TRUE(ClickOn(program, save, 1016));
    const std::string index = m_root->File("User\\savescr.dat");
    ASSERT_TRUE(ClickOn(program, save, IDOK));
    ASSERT_TRUE(WaitUntil(program, [&] { return !::IsWindow(save); }, 5000)) << Describe(program.Id());
    EXPECT_NE(std::string::npos, ReadFileBytes(index).find(kSetName)) << "the index names the set";
    EXPECT_TRUE(FileExists(m_root->File("User\\9001savescr.dat")));

    // The server drops the link: the box says so, and its OK logs out.
    m_server.Must(trading::Command("disconnect"));
    HWND dropped = WaitForCaption(program, "Molvane", 15000);
    ASSERT_NE((HWND)NULL, dropped) << Describe(program.Id());
    EXPECT_EQ("서버와 접속이 되지 않습니다. \n\r\n\r 시스템을 다시 시작해 주세요. ", TextOf(::GetDlgItem(dropped, 0xFFFF)));
    SaveShot(program, dropped, "link_dropped");
    ASSERT_TRUE(ClickOn(program, dropped, IDOK));
    ASSERT_TRUE(program.WaitForEnd(20000)) << Describe(program.Id());
    EXPECT_EQ(0u, program.ExitCode());
    EXPECT_TRUE(FileExists(m_root->File("User\\savelastscr.dat"))) << "the last screens kept";

    // Started again: the saved set comes back from the caption's 사용자정의화면, over no open screens.
    Program again(m_root->Bin(), m_root->AppData());
    ASSERT_TRUE(again.Started());
    HWND frame2 = LogIn(again);
    ASSERT_NE((HWND)NULL, frame2) << Describe(again.Id());
    ASSERT_TRUE(ChooseFromMenu(again, frame2, 0, kCloseAllEntry)) << Describe(again.Id());
    ASSERT_TRUE(WaitUntil(again, [&] { return WaitForCaption(again, "[", 100) == NULL; }, 10000)) << Describe(again.Id());
    ASSERT_TRUE(ChooseFromMenu(again, frame2, 0, kScreenSetsEntry, 0)) << Describe(again.Id());
    for (const auto& screen : screens)
        EXPECT_NE((HWND)NULL, WaitForCaption(again, screen.caption, 10000)) << screen.caption << "\n" << Describe(again.Id());
    RECT place = {};
    ::GetWindowRect(WaitForCaption(again, "[3000]", 1000), &place);
    EXPECT_EQ(200, place.left);
    EXPECT_EQ(300, place.top);
    SaveShot(again, WaitForCaption(again, "[1000]", 1000), "screen_1000_restored");

    // Logout from the menu, confirmed in its dialog; the sign-off reaches the server.
    const size_t signOffs = m_server.Records("query", 1201).size();
    ASSERT_TRUE(ChooseFromMenu(again, frame2, 0, kLogoutEntry)) << Describe(again.Id());
    HWND logout = WaitForCaption(again, "로그아웃", 10000);
    ASSERT_NE((HWND)NULL, logout) << Describe(again.Id());
    SaveShot(again, logout, "logout");
    ASSERT_TRUE(ClickOn(again, logout, 1021));
    ASSERT_TRUE(again.WaitForEnd(20000)) << Describe(again.Id());
    EXPECT_EQ(0u, again.ExitCode());
    EXPECT_EQ(signOffs + 1, m_server.Records("query", 1201).size());
    EXPECT_TRUE(again.BoxTexts().empty()) << again.BoxTexts().front();
}

// The visible top-level windows of any process with this caption.
BOOL CALLBACK CollectCaption(HWND hWnd, LPARAM param)
{
    auto& found = *reinterpret_cast<std::pair<std::string, std::vector<HWND>>*>(param);
    char caption[256] = {0};
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    if (::IsWindowVisible(hWnd) && found.first == caption)
        found.second.push_back(hWnd);
    return TRUE;
}

// A second run goes through an update: the version check answers 'Y', the updater takes the
// files the version server lists and starts the program again, which then runs on the new list.
TEST_F(Acceptance, AnUpdateReplacesFilesAndStartsTheProgramAgain)
{
    trading::PeerChannel versions("MOLVANE_VERSION_CONTROL");
    versions.Must(trading::Command("reset"));
    const std::string list = "version=1.0.1\r\n"
                             "map,map,MF_Confirm.xml.zip,1.0.1,\r\n";
    const std::string layout = ReadFileBytes(m_root->File("map\\MF_Confirm.xml")) + "<!-- 1.0.1 -->\r\n";
    Json::Value setList = trading::Command("set_version_list");
    setList["base64"] = Base64(list);
    versions.Must(setList);
    Json::Value setFile = trading::Command("set_file");
    setFile["folder"] = "map";
    setFile["name"] = "MF_Confirm.xml.zip";
    setFile["zip"][0]["name"] = "MF_Confirm.xml";
    setFile["zip"][0]["base64"] = Base64(layout);
    versions.Must(setFile);
    Json::Value update = trading::Command("set_version");
    update["update"] = true;
    m_server.Must(update);

    Program first(m_root->Bin(), m_root->AppData());
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(WaitUntil(first, [&] { return !m_server.Records("query", 100).empty(); }, kLimit));
    // The program started again must find no update.
    update["update"] = false;
    m_server.Must(update);
    ASSERT_TRUE(first.WaitForEnd(kLimit)) << Describe(first.Id());
    EXPECT_TRUE(first.BoxTexts().empty()) << first.BoxTexts().front();

    // The updater fetches and starts Molvane.exe again: its login dialog comes up.
    std::pair<std::string, std::vector<HWND>> login(kLoginCaption, {});
    const DWORD start = ::GetTickCount();
    while (login.second.empty() && ::GetTickCount() - start < 90000) {
        ::Sleep(50);
        ::EnumWindows(CollectCaption, reinterpret_cast<LPARAM>(&login));
    }
    ASSERT_FALSE(login.second.empty()) << "the program was not started again";
    DWORD pid = 0;
    ::GetWindowThreadProcessId(login.second.front(), &pid);
    Program again(pid);
    ASSERT_TRUE(again.Started());

    EXPECT_EQ(list, ReadFileBytes(m_root->File("System\\version.dat")));
    EXPECT_EQ(layout, ReadFileBytes(m_root->File("map\\MF_Confirm.xml")));
    const std::vector<Json::Value> checks = m_server.Records("query", 100);
    ASSERT_EQ(2u, checks.size());
    EXPECT_EQ(0u, checks[0]["body_text"].asString().find("1.0.0"));
    EXPECT_EQ(0u, checks[1]["body_text"].asString().find("1.0.1")) << "the new version.dat is read";

    HWND frame = LogIn(again);
    ASSERT_NE((HWND)NULL, frame) << Describe(again.Id());
    SaveShot(again, frame, "main_frame_updated");
    ASSERT_TRUE(ChooseFromMenu(again, frame, 0, kLogoutEntry)) << Describe(again.Id());
    HWND logout = WaitForCaption(again, "로그아웃", 10000);
    ASSERT_NE((HWND)NULL, logout) << Describe(again.Id());
    ASSERT_TRUE(ClickOn(again, logout, 1021));
    ASSERT_TRUE(again.WaitForEnd(20000)) << Describe(again.Id());
}

} // namespace
