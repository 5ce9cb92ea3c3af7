// The base view from a real dialog template: keys never close it (Enter goes to OnKeyDown), Tab
// cycles its tab order, the message line shows stamped status texts, and closing only asks the
// owner.
#include <gtest/gtest.h>

#include <objbase.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "BaseView.h"
#include "DropList.h"
#include "InstallFolders.h"
#include "MsgCtrl.h"
#include "ResourceMap.h"
#include "SharedKit.h"
#include "msgbox_recorder.h"
#include "pixel_probe.h"
#include "view_test.h"

namespace {

// The window that creates views: records what they report.
class COwner : public CWnd
{
public:
    std::vector<std::pair<UINT, LPARAM>> reports;

protected:
    afx_msg LRESULT OnClosed(WPARAM, LPARAM lParam)
    {
        reports.push_back({WM_SCREEN_CLOSED, lParam});
        return 0;
    }
    afx_msg LRESULT OnActivated(WPARAM, LPARAM lParam)
    {
        reports.push_back({WM_SCREEN_ACTIVATED, lParam});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwner, CWnd)
    ON_MESSAGE(WM_SCREEN_CLOSED, OnClosed)
    ON_MESSAGE(WM_SCREEN_ACTIVATED, OnActivated)
END_MESSAGE_MAP()

// A screen: Enter goes to its OnKeyDown; its WM_COPYDATA handler ends in the base view's.
class CTestView : public CBaseView
{
public:
    explicit CTestView(CWnd* owner) : CBaseView(IDD_TEST_VIEW, owner) {}
    std::vector<WPARAM> keys;
    int okCalls = 0;
    int cancelCalls = 0;

    virtual int OnKeyDown(MSG* msg)
    {
        keys.push_back(msg->wParam);
        return 1;
    }

protected:
    virtual void OnOK() { ++okCalls; }
    virtual void OnCancel() { ++cancelCalls; }
    afx_msg BOOL OnCopyData(CWnd* from, COPYDATASTRUCT* cds) { return CBaseView::OnCopyData(from, cds); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestView, CBaseView)
    ON_WM_COPYDATA()
END_MESSAGE_MAP()

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
        AfxPumpMessage();
}

class BaseViewTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ::CoInitialize(NULL);
        GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");
        GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");
    }
    static void TearDownTestSuite()
    {
        GetColorMap()->Release();
        GetResourceMap()->Release();
        ::CoUninitialize();
    }

    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
        view.reset(new CTestView(&owner));
        ASSERT_TRUE(view->Create(IDD_TEST_VIEW, &owner));
        EXPECT_FALSE(view->IsWindowVisible()); // created hidden
        view->SetWindowPos(NULL, 100, 100, 400, 250, SWP_NOZORDER | SWP_SHOWWINDOW);
        view->SetForegroundWindow();
        PumpPending();
    }
    void TearDown() override
    {
        if (view->GetSafeHwnd() != NULL)
            view->DestroyWindow();
        view.reset();
        owner.DestroyWindow();
    }

    CWnd* Item(int id) { return view->GetDlgItem(id); }

    // A key typed into the focused control, through the message loop.
    void Type(UINT vk)
    {
        HWND focus = ::GetFocus();
        ::PostMessageA(focus, WM_KEYDOWN, vk, 1);
        ::PostMessageA(focus, WM_KEYUP, vk, 0xC0000001);
        PumpPending();
    }

    void SetShift(bool down)
    {
        BYTE state[256];
        ::GetKeyboardState(state);
        state[VK_SHIFT] = down ? 0x80 : 0;
        ::SetKeyboardState(state);
    }

    CMsgBoxRecorder boxes;
    COwner owner;
    std::unique_ptr<CTestView> view;
};

TEST_F(BaseViewTest, EnterGoesToOnKeyDownAndEscapeDoesNothing)
{
    Item(IDC_FIRST_EDIT)->SetFocus();
    Type(VK_RETURN);
    ASSERT_EQ(1u, view->keys.size());
    EXPECT_EQ(static_cast<WPARAM>(VK_RETURN), view->keys[0]);
    Type(VK_ESCAPE);
    Item(IDOK)->SetFocus();
    Type(VK_RETURN);
    EXPECT_EQ(2u, view->keys.size());
    EXPECT_EQ(0, view->okCalls);
    EXPECT_EQ(0, view->cancelCalls);
    EXPECT_TRUE(view->IsWindowVisible());
    for (const auto& r : owner.reports)
        EXPECT_NE(static_cast<UINT>(WM_SCREEN_CLOSED), r.first);
    EXPECT_EQ(0u, boxes.Count());
}

TEST_F(BaseViewTest, TabCyclesTheTabOrderBothWays)
{
    view->AddTabOrderCtrl(Item(IDC_FIRST_EDIT));
    view->AddTabOrderCtrl(Item(IDC_SECOND_EDIT));
    view->AddTabOrderCtrl(Item(IDC_LAST_BUTTON));
    EXPECT_EQ(1, view->InitWindow());
    EXPECT_EQ(Item(IDC_FIRST_EDIT)->m_hWnd, ::GetFocus());
    const int forward[] = {IDC_SECOND_EDIT, IDC_LAST_BUTTON, IDC_FIRST_EDIT};
    for (int id : forward) {
        Type(VK_TAB);
        EXPECT_EQ(Item(id)->m_hWnd, ::GetFocus()) << id;
    }
    SetShift(true);
    const int backward[] = {IDC_LAST_BUTTON, IDC_SECOND_EDIT, IDC_FIRST_EDIT};
    for (int id : backward) {
        Type(VK_TAB);
        EXPECT_EQ(Item(id)->m_hWnd, ::GetFocus()) << id;
    }
    SetShift(false);
    // A control outside the list: ordinary dialog navigation moves on.
    Item(IDC_OUTSIDE_EDIT)->SetFocus();
    Type(VK_TAB);
    EXPECT_NE(Item(IDC_OUTSIDE_EDIT)->m_hWnd, ::GetFocus());
    EXPECT_TRUE(::IsChild(view->m_hWnd, ::GetFocus()));
}

TEST_F(BaseViewTest, CloseOnlyAsksTheOwner)
{
    owner.reports.clear();
    view->SendMessage(WM_CLOSE);
    ASSERT_EQ(1u, owner.reports.size());
    EXPECT_EQ(static_cast<UINT>(WM_SCREEN_CLOSED), owner.reports[0].first);
    EXPECT_EQ(reinterpret_cast<LPARAM>(view->m_hWnd), owner.reports[0].second);
    EXPECT_TRUE(::IsWindow(view->m_hWnd));
    EXPECT_TRUE(view->IsWindowVisible());

    // The title bar's close button goes the same way.
    owner.reports.clear();
    view->SendMessage(WM_NCLBUTTONDOWN, HTTB_CLOSE, 0);
    view->SendMessage(WM_NCLBUTTONUP, HTTB_CLOSE, 0);
    PumpPending();
    ASSERT_EQ(1u, owner.reports.size());
    EXPECT_EQ(static_cast<UINT>(WM_SCREEN_CLOSED), owner.reports[0].first);
    EXPECT_TRUE(::IsWindow(view->m_hWnd));
}

TEST_F(BaseViewTest, ActivationIsReportedToTheOwner)
{
    owner.reports.clear();
    view->SendMessage(WM_ACTIVATE, WA_CLICKACTIVE, 0);
    view->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    ASSERT_EQ(1u, owner.reports.size());
    EXPECT_EQ(static_cast<UINT>(WM_SCREEN_ACTIVATED), owner.reports[0].first);
    EXPECT_EQ(reinterpret_cast<LPARAM>(view->m_hWnd), owner.reports[0].second);
}

bool LooksStamped(const std::string& text, const std::string& body)
{
    // "[hh:mm:ss] body" with the current local time (a second's tolerance).
    if (text.size() != 11 + body.size() || text[0] != '[' || text[3] != ':' || text[6] != ':' || text[9] != ']' ||
        text[10] != ' ' || text.substr(11) != body)
        return false;
    const int shown = std::stoi(text.substr(1, 2)) * 3600 + std::stoi(text.substr(4, 2)) * 60 + std::stoi(text.substr(7, 2));
    time_t now = time(NULL);
    const tm* local = localtime(&now);
    const int current = local->tm_hour * 3600 + local->tm_min * 60 + local->tm_sec;
    return std::abs(current - shown) <= 2;
}

TEST_F(BaseViewTest, MessageLineShowsStampedTextsAndKeepsTheNewest20)
{
    ASSERT_TRUE(view->InstallMsgCtrl(1));
    CMsgCtrl* line = view->GetMsgCtrl();
    ASSERT_NE(nullptr, line);
    EXPECT_EQ(IDC_MSGCTRL, line->GetDlgCtrlID());
    CRect client, placed;
    view->GetClientRect(&client);
    line->GetWindowRect(&placed);
    view->ScreenToClient(&placed);
    EXPECT_EQ(CRect(2, client.bottom - 22, client.right - 2, client.bottom - 2), placed);
    CRect content;
    view->GetContentRect(content);
    EXPECT_EQ(client.bottom - 26, content.bottom);

    for (int i = 1; i <= 21; ++i)
        view->SetStatusMessage(("text " + std::to_string(i)).c_str());
    EXPECT_TRUE(LooksStamped(line->GetMessage(), "text 21")) << line->GetMessage();
    const CStringArray& history = line->GetHistory();
    ASSERT_EQ(20, history.GetSize());
    EXPECT_TRUE(LooksStamped(static_cast<const char*>(history[0]), "text 21"));
    EXPECT_TRUE(LooksStamped(static_cast<const char*>(history[19]), "text 2")); // "text 1" was dropped

    // The line's ground with the message drawn on it.
    EXPECT_EQ(RGB(97, 99, 114), ShownPixel(*line, placed.Width() - 30, placed.Height() / 2));

    // Installing again keeps the one line.
    EXPECT_TRUE(view->InstallMsgCtrl(0));
    EXPECT_EQ(line, view->GetMsgCtrl());
    EXPECT_EQ(0, view->InstallMsgCtrl(1)); // removes it
    EXPECT_EQ(nullptr, view->GetMsgCtrl());
    view->SetStatusMessage("nowhere"); // nothing to show it: ignored
}

void ClickHistoryButton(CMsgCtrl& line)
{
    CImgButtonCCL& button = line.GetHistoryButton();
    button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    PumpPending(); // the click is posted
}

TEST_F(BaseViewTest, HistoryButtonOpensTheTextsOnceAndChoosingChangesNothing)
{
    ASSERT_TRUE(view->InstallMsgCtrl(1));
    CMsgCtrl& line = *view->GetMsgCtrl();
    // The button shows the image map's history bitmaps (borrowed).
    EXPECT_EQ(CResourceMap::GetBitmap(501)->GetSafeHandle(), line.GetHistoryButton().GetLookBitmap(0));
    CRect button;
    line.GetHistoryButton().GetWindowRect(&button);
    EXPECT_EQ(CSize(19, 19), button.Size());

    struct
    {
        int texts;
    } const cases[] = {{0}, {3}};
    for (const auto& c : cases) {
        for (int i = 0; i < c.texts; ++i)
            view->SetStatusMessage(("text " + std::to_string(i)).c_str());
        ClickHistoryButton(line);
        ASSERT_TRUE(line.IsListOpen()) << c.texts;
        CBaseDropList* list = line.GetDropList();
        ASSERT_NE(nullptr, list);
        ASSERT_NE(nullptr, list->GetSafeHwnd());
        EXPECT_EQ(line.GetHistory().GetSize(), list->GetDropListBox()->GetCount());
        ClickHistoryButton(line); // open already: nothing happens
        EXPECT_EQ(list, line.GetDropList());

        const std::string shown = line.GetMessage();
        line.SendMessage(WM_DROPLIST_SELECT, 0, 0);
        EXPECT_EQ(shown, line.GetMessage());
        EXPECT_EQ(1, line.SendMessage(WM_DROPLIST_CLOSE));
        EXPECT_FALSE(line.IsListOpen());
        EXPECT_EQ(nullptr, line.GetDropList());
    }
    // A list still open when the view goes is destroyed with the line.
    ClickHistoryButton(line);
    ASSERT_TRUE(line.IsListOpen());
    HWND listWindow = line.GetDropList()->GetSafeHwnd();
    view->DestroyWindow();
    EXPECT_FALSE(::IsWindow(listWindow));
}

TEST(MessageLineStamp, FormatsHoursMinutesAndSecondsWithTwoDigits)
{
    EXPECT_STREQ("[09:05:07] 조회완료", CMsgCtrl::StampText(9, 5, 7, "조회완료"));
    EXPECT_STREQ("[23:59:00] ", CMsgCtrl::StampText(23, 59, 0, ""));
    EXPECT_STREQ("[-01:-01:-01] x", CMsgCtrl::StampText(-1, -1, -1, "x"));
}

LRESULT SendStatus(CWnd& to, ULONG_PTR code, const void* data, DWORD size)
{
    COPYDATASTRUCT cds = {code, size, const_cast<void*>(data)};
    return to.SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
}

TEST_F(BaseViewTest, StatusTextsSentAsCopyDataReachTheLine)
{
    ASSERT_TRUE(view->InstallMsgCtrl(1));
    CMsgCtrl* line = view->GetMsgCtrl();
    const char status[] = "조회가 완료되었습니다.";
    SendStatus(*view, CDS_STATUS_TEXT, status, sizeof status);
    EXPECT_TRUE(LooksStamped(line->GetMessage(), status)) << line->GetMessage();

    // The text is cbData bytes long; no terminator is needed and none is read past.
    const char unterminated[] = {'a', 'b', 'c', 'X', 'Y', 'Z'};
    SendStatus(*view, CDS_STATUS_TEXT, unterminated, 3);
    EXPECT_TRUE(LooksStamped(line->GetMessage(), "abc")) << line->GetMessage();
    SendStatus(*view, CDS_STATUS_TEXT, NULL, 0);
    EXPECT_TRUE(LooksStamped(line->GetMessage(), ""));

    // Other codes are the screen's own business.
    SendStatus(*view, 1100, "other", 6);
    EXPECT_TRUE(LooksStamped(line->GetMessage(), ""));
    EXPECT_EQ(3, line->GetHistory().GetSize());
}

TEST_F(BaseViewTest, ViewWithoutALineIgnoresStatusTexts)
{
    EXPECT_EQ(nullptr, view->GetMsgCtrl());
    SendStatus(*view, CDS_STATUS_TEXT, "x", 2);
    EXPECT_EQ(nullptr, view->GetMsgCtrl());
}

// The title bar's pin and top buttons, reached through the bar's own members.
struct TitleBarButtons : CTitleBar
{
    static const CSysButton& Pin(CTitleBar& bar) { return bar.*(&TitleBarButtons::m_btnPin); }
    static const CSysButton& Top(CTitleBar& bar) { return bar.*(&TitleBarButtons::m_btnTop); }
};

// The button shows the three images of the map from `first` on (normal, over, pressed).
void ExpectImages(const CSysButton& button, WORD first)
{
    EXPECT_EQ(CResourceMap::GetBitmap(first), button.m_pBmpNormal) << first;
    EXPECT_EQ(CResourceMap::GetBitmap(first + 1), button.m_pBmpOver) << first;
    EXPECT_EQ(CResourceMap::GetBitmap(first + 2), button.m_pBmpPressed) << first;
}

TEST_F(BaseViewTest, PinAndTopButtonsToggleTheirStateAndImages)
{
    CTitleBar& bar = view->GetTitleBar();
    EXPECT_EQ(static_cast<UINT>(TITLEBAR_MINBUTTON | TITLEBAR_PINBUTTON), bar.GetWindowStyle());
    struct
    {
        UINT message;
        BOOL (CTitleBar::*state)() const;
        const CSysButton& (*button)(CTitleBar&);
        WORD off, on; // first image of each look
    } const toggles[] = {{WM_TITLEBAR_PIN, &CTitleBar::IsNoMove, &TitleBarButtons::Pin, 112, 121},
                         {WM_TITLEBAR_TOP, &CTitleBar::IsStayOnTop, &TitleBarButtons::Top, 115, 124}};
    for (const auto& t : toggles) {
        ASSERT_NE(nullptr, CResourceMap::GetBitmap(t.off));
        ASSERT_NE(nullptr, CResourceMap::GetBitmap(t.on));
        EXPECT_FALSE((bar.*t.state)());
        ExpectImages(t.button(bar), t.off);
        view->SendMessage(t.message);
        EXPECT_TRUE((bar.*t.state)());
        ExpectImages(t.button(bar), t.on);
        if (t.message == WM_TITLEBAR_TOP) {
            EXPECT_NE(0u, view->GetExStyle() & WS_EX_TOPMOST);
        }
        view->SendMessage(t.message);
        EXPECT_FALSE((bar.*t.state)());
        ExpectImages(t.button(bar), t.off);
    }
    view->SetDlgWindowStyle();
    EXPECT_EQ(0u, bar.GetWindowStyle());
}

TEST_F(BaseViewTest, SizeOperationsAndTrackingLimits)
{
    // Limits never set leave the system's own: a view without a layout keeps its size.
    MINMAXINFO untouched = {};
    untouched.ptMaxSize = {1111, 2222};
    untouched.ptMaxTrackSize = {3333, 4444};
    untouched.ptMinTrackSize = {55, 66};
    view->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&untouched));
    EXPECT_EQ(1111, untouched.ptMaxSize.x);
    EXPECT_EQ(4444, untouched.ptMaxTrackSize.y);
    EXPECT_EQ(55, untouched.ptMinTrackSize.x);

    view->SetFramePosition(10, 10, 300, 200);
    CRect rc;
    view->GetWindowRect(&rc);
    EXPECT_EQ(CRect(100, 100, 400, 300), rc); // resized, not moved
    view->SetMinTrackSize(200, 150);
    view->SetMaxTrackSize(800, 600);
    MINMAXINFO info = {};
    view->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(800, info.ptMaxTrackSize.x);
    EXPECT_EQ(600, info.ptMaxSize.y);
    EXPECT_EQ(200, info.ptMinTrackSize.x);
    EXPECT_EQ(150, info.ptMinTrackSize.y);
    view->SetScreenID("1000");
    EXPECT_STREQ("1000", view->GetScreenID());
    EXPECT_EQ(20u, strlen(CBaseView::s_szHelpBaseAddress));
}

// The integer a view holds, as its Serialize stores it.
std::string StoredBytes(CBaseView& view)
{
    CMemFile file;
    {
        CArchive store(&file, CArchive::store);
        view.Serialize(store);
    }
    std::string stored(static_cast<size_t>(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(&stored[0], static_cast<UINT>(stored.size()));
    return stored;
}

TEST_F(BaseViewTest, SerializeCarriesOneInteger)
{
    EXPECT_EQ(std::string(4, '\0'), StoredBytes(*view)); // 0 at construction

    // Loading takes exactly one little-endian integer, which the view then stores again.
    const BYTE saved[] = {0x78, 0x56, 0x34, 0x12, 0xAB};
    CMemFile file(const_cast<BYTE*>(saved), sizeof saved);
    {
        CArchive load(&file, CArchive::load);
        view->Serialize(load);
        BYTE next = 0;
        load >> next;
        EXPECT_EQ(0xAB, next); // what follows is left for the next reader
    }
    EXPECT_EQ(std::string("\x78\x56\x34\x12", 4), StoredBytes(*view));

    // Another view reads what this one stored.
    CTestView other(&owner);
    const std::string bytes = StoredBytes(*view);
    CMemFile again(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())), static_cast<UINT>(bytes.size()));
    {
        CArchive load(&again, CArchive::load);
        other.Serialize(load);
    }
    EXPECT_EQ(bytes, StoredBytes(other));
}

TEST_F(BaseViewTest, BaseInterfaceAnswersEmpty)
{
    EXPECT_STREQ("", view->GetSelectedItemCode());
    EXPECT_STREQ("", view->GetSelectedAccount());
    EXPECT_FALSE(view->IsOnTrading());
    EXPECT_EQ(1, view->InitWindow()); // empty tab order: nothing to focus
}

} // namespace
