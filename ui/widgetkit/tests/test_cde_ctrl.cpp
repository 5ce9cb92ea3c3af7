// The item-code control against a test code master: short codes, the recent list, the typing
// list with its prefix filter, keys and mouse, an unknown code, a free user's control.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "CdeCtrl.h"
#include "canvas.h"
#include "SharedData.h"
#include "code_master_fixture.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

const UINT kId = 7310;

class CdeCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(parent.CreateHost(CRect(100, 100, 500, 400)));
        Make(CRect(10, 10, 210, 30));
    }
    void TearDown() override
    {
        ctrl.reset();
        parent.DestroyWindow();
        CSharedData::m_dwUserType = 0;
    }
    void Make(CRect rect)
    {
        ctrl.reset(new CCdeCtrl);
        ASSERT_TRUE(ctrl->Create(WS_CHILD | WS_VISIBLE, rect, &parent, kId));
    }
    std::string ComboText()
    {
        CString text;
        ctrl->GetComboBox()->GetWindowText(text);
        return text.GetString();
    }
    std::string Item(int index)
    {
        CString text;
        ctrl->GetComboBox()->GetLBText(index, text);
        return text.GetString();
    }
    std::string Name()
    {
        CString text;
        ctrl->GetNameLabel()->GetWindowText(text);
        return text.GetString();
    }
    std::vector<WORD> Notices()
    {
        std::vector<WORD> codes;
        for (const RecordedMessage& m : parent.Of(WM_COMMAND))
            if (LOWORD(m.wParam) == kId && m.lParam == reinterpret_cast<LPARAM>(ctrl->m_hWnd))
                codes.push_back(HIWORD(m.wParam));
        return codes;
    }
    HWND Edit() { return ::GetWindow(ctrl->GetComboBox()->m_hWnd, GW_CHILD); }
    std::set<std::string> ListItems()
    {
        std::set<std::string> items;
        CListBox& list = ctrl->GetSearchList()->GetListBox();
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            items.insert(text.GetString());
        }
        return items;
    }
    bool ListShown() { return ctrl->GetSearchList() != nullptr && ctrl->GetSearchList()->IsShown(); }
    int ComboWidth()
    {
        CRect rect;
        ctrl->GetComboBox()->GetWindowRect(&rect);
        return rect.Width();
    }
    // The thread's queue as the application's loop runs it: pre-translation first.
    void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg))
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    void Type(const char* text)
    {
        TypeInto(Edit(), text);
        Pump();
    }
    void Key(UINT vk)
    {
        PressKey(Edit(), vk);
        Pump();
    }

    CodeMasterFixture master;
    CRecordingParent parent;
    std::unique_ptr<CCdeCtrl> ctrl;
};

TEST_F(CdeCtrlTest, CreatedParts)
{
    CRect combo, find, name;
    ctrl->GetComboBox()->GetWindowRect(&combo);
    ctrl->GetFindButton()->GetWindowRect(&find);
    ctrl->GetNameLabel()->GetWindowRect(&name);
    parent.ScreenToClient(&combo);
    parent.ScreenToClient(&find);
    parent.ScreenToClient(&name);
    EXPECT_EQ(CRect(10, 10, 75, 10 + combo.Height()), combo);
    EXPECT_EQ(CRect(76, 10, 96, 30), find);
    EXPECT_EQ(CRect(97, 10, 210, 30), name);
    EXPECT_EQ(TestImageBitmap(901), ctrl->GetFindButton()->GetLookBitmap(CImgButton::LOOK_NORMAL));
    EXPECT_EQ(TestImageBitmap(903), ctrl->GetFindButton()->GetLookBitmap(CImgButton::LOOK_PRESSED));
    EXPECT_EQ(CBS_DROPDOWN, static_cast<int>(ctrl->GetComboBox()->GetStyle() & 3));
    EXPECT_EQ(-1, ctrl->GetCodeType());

    // A narrow control gives the combo all but the button's width.
    Make(CRect(10, 40, 90, 60));
    EXPECT_EQ(60, ComboWidth());
}

TEST_F(CdeCtrlTest, NameLabelAndListColours)
{
    CRect client;
    ctrl->GetNameLabel()->GetClientRect(&client);
    Canvas label(client.Width(), client.Height(), RGB(1, 2, 3));
    ctrl->GetNameLabel()->Paint(label.DC());
    EXPECT_EQ(TestColour(301), label.Pixel(0, client.Height() / 2)) << "the outline of colour 301";
    EXPECT_EQ(TestColour(301), label.Pixel(client.Width() / 2, client.Height() - 1));
    EXPECT_EQ(RGB(255, 255, 255), label.Pixel(client.Width() / 2, client.Height() / 2)) << "on white";

    Type("b");
    ASSERT_TRUE(ListShown());
    CRect list;
    ctrl->GetSearchList()->GetClientRect(&list);
    Canvas ground(list.Width(), list.Height(), RGB(1, 2, 3));
    ctrl->GetSearchList()->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(ground.Handle()));
    EXPECT_EQ(list.Width() * list.Height(), ground.Count(list, RGB(0x7F, 0x7F, 0x7F))) << "a grey ground";
    Key(VK_ESCAPE);
}

TEST_F(CdeCtrlTest, FreeUserHasNoFindButton)
{
    CSharedData::SetUserType(2);
    Make(CRect(10, 10, 210, 30));
    EXPECT_FALSE(ctrl->GetFindButton()->GetStyle() & WS_VISIBLE);
    CRect name;
    ctrl->GetNameLabel()->GetWindowRect(&name);
    ctrl->ScreenToClient(&name);
    EXPECT_EQ(66, name.left) << "the label starts where the button would have";
    ctrl->SetCodeOnlyForDisplay("ZZZ", "표시만", TRUE);
    EXPECT_EQ("ZZZ", ComboText());
    EXPECT_EQ(" 표시만", Name());
    EXPECT_EQ(TestColour(101), ctrl->GetNameLabel()->GetTextColor());
}

TEST_F(CdeCtrlTest, ShortCodesAreTakenFromTheMaster)
{
    EXPECT_TRUE(ctrl->SetCodeInfoByCode("BTC", TRUE));
    EXPECT_EQ("BTC 비트코인", ComboText());
    EXPECT_EQ(" 비트코인", Name());
    EXPECT_EQ(TestColour(101), ctrl->GetNameLabel()->GetTextColor());
    EXPECT_EQ((std::vector<WORD>{CDECTRL_BEFORE_CODE, CDECTRL_AFTER_CODE}), Notices());
    EXPECT_STREQ("BTC", ctrl->GetSelectCode().strCode.GetString());
    EXPECT_EQ(master.Get("BTC"), CSharedData::GetRecentCode()) << "the master's record, which outlives the control";
    EXPECT_EQ("BTC 비트코인", ctrl->GetLastText());

    parent.Clear();
    EXPECT_TRUE(ctrl->SetCodeInfoByCode("XRP", FALSE));
    EXPECT_TRUE(Notices().empty());
    EXPECT_EQ(TestColour(810), ctrl->GetNameLabel()->GetTextColor());
    EXPECT_TRUE(ctrl->SetCodeInfoByCode("000660", FALSE));
    EXPECT_FALSE(ctrl->SetCodeInfoByCode("NOPE", TRUE));
    EXPECT_FALSE(ctrl->SetCodeInfoByCode("", TRUE));
    EXPECT_FALSE(ctrl->SetCodeInfoByCode(nullptr, TRUE));
    EXPECT_TRUE(Notices().empty());
    EXPECT_STREQ("000660", ctrl->GetSelectCode().strCode.GetString());
}

TEST_F(CdeCtrlTest, RecentListMovesACodeToTheTop)
{
    for (const char* code : {"BTC", "ETH", "XRP", "ETH"})
        ctrl->SetCodeInfoByCode(code, FALSE);
    ASSERT_EQ(3, ctrl->GetComboBox()->GetCount());
    EXPECT_EQ("ETH 이더리움", Item(0));
    EXPECT_EQ("XRP 리플", Item(1));
    EXPECT_EQ("BTC 비트코인", Item(2));
    EXPECT_EQ(0, ctrl->GetComboBox()->GetCurSel());
    EXPECT_EQ(1, ctrl->GetCodeType());

    // The user picks the last item from the list: it moves to the top, with notices.
    parent.Clear();
    ctrl->GetComboBox()->SetCurSel(2);
    ctrl->SendMessage(WM_COMMAND, MAKEWPARAM(CDECTRL_COMBO_ID, CBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(ctrl->GetComboBox()->m_hWnd));
    EXPECT_EQ("BTC 비트코인", Item(0));
    EXPECT_EQ(3, ctrl->GetComboBox()->GetCount());
    EXPECT_EQ((std::vector<WORD>{CDECTRL_BEFORE_CODE, CDECTRL_AFTER_CODE}), Notices());
}

TEST_F(CdeCtrlTest, TypingFiltersByPrefixOfCodeOrName)
{
    EXPECT_EQ(nullptr, ctrl->GetSearchList()) << "made on first use";
    Type("b");
    ASSERT_TRUE(ListShown());
    EXPECT_EQ((std::set<std::string>{"BTC 비트코인", "BCH 비트코인캐시"}), ListItems()) << "upper-cased prefix of the code";
    EXPECT_EQ(ctrl->GetSearchList()->m_hWnd, ::GetCapture());
    CRect client, list;
    ctrl->GetClientRect(&client);
    EXPECT_EQ(client.Width(), ComboWidth()) << "a letter widens the combo";
    EXPECT_FALSE(ctrl->GetFindButton()->IsWindowVisible());
    EXPECT_FALSE(ctrl->GetNameLabel()->IsWindowVisible());
    ctrl->GetSearchList()->GetWindowRect(&list);
    CRect combo;
    ctrl->GetComboBox()->GetWindowRect(&combo);
    EXPECT_EQ(CRect(combo.left, combo.bottom + 2, combo.left + client.Width(), combo.bottom + 2 + 254), list);

    Type("t");
    EXPECT_EQ((std::set<std::string>{"BTC 비트코인"}), ListItems());

    Type("\b\b");
    EXPECT_FALSE(ListShown()) << "empty text hides the list";
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(65, ComboWidth());
    EXPECT_TRUE(ctrl->GetFindButton()->IsWindowVisible());
    EXPECT_TRUE(ctrl->GetNameLabel()->IsWindowVisible());

    // A digit opens the list without widening; a name prefix finds by name.
    Type("0");
    ASSERT_TRUE(ListShown());
    EXPECT_EQ(65, ComboWidth());
    EXPECT_TRUE(ctrl->GetFindButton()->IsWindowVisible());
    EXPECT_EQ((std::set<std::string>{"000660 하이닉스"}), ListItems());
    Key(VK_ESCAPE);
    EXPECT_FALSE(ListShown());

    ctrl->SetLinkedCode("비트", TRUE);
    EXPECT_EQ((std::set<std::string>{"BTC 비트코인", "BCH 비트코인캐시"}), ListItems());
    ctrl->SetLinkedCode("  ", TRUE);
    EXPECT_FALSE(ListShown()) << "typed text is trimmed";
}

TEST_F(CdeCtrlTest, ArrowsAndEnterTakeTheListEntry)
{
    Type("e");
    ASSERT_TRUE(ListShown());
    ASSERT_EQ((std::set<std::string>{"ETH 이더리움"}), ListItems());
    Key(VK_UP);
    EXPECT_EQ(0, ctrl->GetSearchList()->GetListBox().GetCurSel());
    Key(VK_DOWN);
    EXPECT_EQ(0, ctrl->GetSearchList()->GetListBox().GetCurSel()) << "stops at the end";
    parent.Clear();
    Key(VK_RETURN);
    EXPECT_FALSE(ListShown());
    EXPECT_EQ("ETH 이더리움", ComboText());
    EXPECT_EQ((std::vector<WORD>{CDECTRL_BEFORE_CODE, CDECTRL_AFTER_CODE}), Notices());
    EXPECT_EQ(65, ComboWidth());

    // Enter with nothing selected takes the first entry.
    ctrl->ClearCode();
    Type("b");
    const int entries = ctrl->GetSearchList()->GetListBox().GetCount();
    ASSERT_EQ(2, entries);
    CString first;
    ctrl->GetSearchList()->GetListBox().GetText(0, first);
    Key(VK_RETURN);
    EXPECT_EQ(first.GetString(), ComboText());
}

TEST_F(CdeCtrlTest, AnUnknownCodeRestoresTheOldText)
{
    ctrl->SetCodeInfoByCode("BTC", TRUE);
    CMsgBoxRecorder boxes;
    ::SendMessageA(Edit(), EM_SETSEL, 0, -1);
    Type("zz");
    ASSERT_TRUE(ListShown());
    EXPECT_TRUE(ListItems().empty());
    parent.Clear();
    Key(VK_RETURN);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("종목코드가 올바르지 않습니다. ", boxes.Last().text);
    EXPECT_EQ("BTC 비트코인", ComboText());
    EXPECT_STREQ("BTC", ctrl->GetSelectCode().strCode.GetString());
    EXPECT_TRUE(Notices().empty());

    EXPECT_FALSE(ctrl->SetItemCode("QQQ", TRUE));
    EXPECT_EQ(2u, boxes.Count());
    EXPECT_TRUE(ctrl->SetItemCode("XRP", TRUE));
    EXPECT_EQ("XRP 리플", ComboText());
    EXPECT_FALSE(ctrl->SetItemCode("", TRUE));
    EXPECT_EQ("", ComboText());
    EXPECT_EQ("", Name());
    EXPECT_TRUE(ctrl->GetSelectCode().strCode.IsEmpty());
}

TEST_F(CdeCtrlTest, MouseOnTheList)
{
    Type("b");
    ASSERT_TRUE(ListShown());
    CCodeSearchList* list = ctrl->GetSearchList();
    CRect item;
    list->GetListBox().GetItemRect(1, &item);
    CString second;
    list->GetListBox().GetText(1, second);
    list->GetListBox().MapWindowPoints(list, &item);
    // The list has the mouse: the press comes to it in its own coordinates.
    list->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 3, item.top + 2));
    Pump();
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(second.GetString(), ComboText());

    // A release outside the list hides it and gives the focus back.
    ::SendMessageA(Edit(), EM_SETSEL, 0, -1);
    Type("x");
    ASSERT_TRUE(ListShown());
    list->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(-30), static_cast<WORD>(-30)));
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(Edit(), ::GetFocus());

    // A press outside lets the mouse go and reaches the window under it.
    Type("x");
    ASSERT_TRUE(ListShown());
    CForeignChild below;
    ASSERT_TRUE(below.CreateChild(&parent, CRect(300, 200, 380, 280), 7399));
    CPoint at(310, 210);
    parent.ClientToScreen(&at);
    list->ScreenToClient(&at);
    list->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(at.x), static_cast<WORD>(at.y)));
    EXPECT_NE(list->m_hWnd, ::GetCapture());
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, below.m_hWnd, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    Key(VK_ESCAPE);
    below.DestroyWindow();
}

TEST_F(CdeCtrlTest, RecentCodeAndChosenRecord)
{
    CSharedData::SetRecentCode(master.Get("ADA"));
    ctrl->GetRecentCode();
    EXPECT_EQ("ADA 에이다", ComboText());
    EXPECT_EQ((std::vector<WORD>{CDECTRL_BEFORE_CODE, CDECTRL_AFTER_CODE}), Notices());
    parent.Clear();
    ctrl->SendMessage(WM_CODE_CHOSEN, reinterpret_cast<WPARAM>(master.Get("NAMU")));
    EXPECT_EQ("NAMU 나무", ComboText());
    EXPECT_EQ(2u, Notices().size());
}

TEST_F(CdeCtrlTest, NameAndFindParts)
{
    CRect before, after, button;
    ctrl->GetNameLabel()->GetWindowRect(&before);
    ctrl->GetFindButton()->GetWindowRect(&button);
    ctrl->EnableFind(FALSE);
    ctrl->GetNameLabel()->GetWindowRect(&after);
    EXPECT_FALSE(ctrl->GetFindButton()->IsWindowVisible());
    EXPECT_EQ(before.left - button.Width(), after.left);
    ctrl->EnableFind(FALSE);
    ctrl->GetNameLabel()->GetWindowRect(&after);
    EXPECT_EQ(before.left - button.Width(), after.left);
    ctrl->EnableFind(TRUE);
    ctrl->GetNameLabel()->GetWindowRect(&after);
    EXPECT_EQ(before.left, after.left);
    ctrl->EnableCodeName(FALSE);
    EXPECT_FALSE(ctrl->GetNameLabel()->IsWindowVisible());
}

} // namespace
