// The account selector against a session account list: the listed numbers, the shared
// selection, the posted notices, selecting by number and the name and password parts.
#include <gtest/gtest.h>

#include <memory>

#include "AccountCtrl.h"
#include "SharedData.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

const UINT kId = 7301;

void SetAccounts(std::initializer_list<std::pair<const char*, const char*>> accounts)
{
    CSharedData::m_arAccount.RemoveAll();
    for (const auto& a : accounts)
        CSharedData::RegistAccount(a.first, a.second, "", 0, '1', a.first);
}

class AccountCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        CAccountCtrl::SetActiveAccountIndex(0);
        ASSERT_TRUE(parent.CreateHost());
    }
    void TearDown() override
    {
        ctrl.reset();
        parent.DestroyWindow();
        CSharedData::m_arAccount.RemoveAll();
    }
    void Make(int all = 0)
    {
        ctrl.reset(new CAccountCtrl(all));
        CRect rect(10, 10, 260, 30);
        ASSERT_TRUE(ctrl->Create(WS_CHILD | WS_VISIBLE, rect, &parent, kId));
    }
    size_t Notices()
    {
        DispatchQueued();
        size_t n = 0;
        for (const RecordedMessage& m : parent.Of(WM_COMMAND))
            if (m.wParam == MAKEWPARAM(kId, ACCOUNTCTRL_SELECTED) && m.lParam == reinterpret_cast<LPARAM>(ctrl->m_hWnd))
                ++n;
        return n;
    }
    std::string ItemText(int index)
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

    CRecordingParent parent;
    std::unique_ptr<CAccountCtrl> ctrl;
};

TEST_F(AccountCtrlTest, ListsTheSessionAccountsAndSelectsTheSharedOne)
{
    SetAccounts({{"12345678901", "홍길동"}, {"111-22-33333", "김철수"}, {"999-88-7", "이영희"}});
    CAccountCtrl::SetActiveAccountIndex(1);
    Make();
    ASSERT_EQ(3, ctrl->GetComboBox()->GetCount());
    EXPECT_EQ("123-45-678901  홍길동  ", ItemText(0));
    EXPECT_EQ("111-22-33333  김철수  ", ItemText(1));
    EXPECT_EQ("999-88-7  이영희  ", ItemText(2));
    EXPECT_EQ(1, ctrl->GetComboBox()->GetCurSel());
    EXPECT_EQ("김철수", Name());
    EXPECT_EQ(1u, Notices()) << "the first selection is told too";
    EXPECT_STREQ("111-22-33333", ctrl->GetSelectAccount(0).strAccount.GetString());
    tagAccount out;
    ctrl->GetSelectAccount(&out, 0);
    EXPECT_STREQ("김철수", out.strName.GetString());
    CString tip;
    ctrl->GetToolTip()->GetText(tip, ctrl.get());
    EXPECT_STREQ("김철수", tip.GetString());
    EXPECT_EQ(0x100u, ctrl->GetAccountType());
    EXPECT_EQ(1, ctrl->GetAccountFlag());
}

TEST_F(AccountCtrlTest, AnOutOfRangeSharedIndexSelectsTheFirst)
{
    SetAccounts({{"111-01-1", "A"}, {"222-01-2", "B"}});
    CAccountCtrl::SetActiveAccountIndex(5);
    Make(1);
    EXPECT_EQ(0, ctrl->GetComboBox()->GetCurSel());
    EXPECT_EQ(0, CAccountCtrl::GetActiveAccountIndex());
    EXPECT_EQ(0x1111u, ctrl->GetAccountType());
    EXPECT_EQ(0, ctrl->GetAccountFlag());
}

TEST_F(AccountCtrlTest, EmptyListShowsNothingAndSaysNothing)
{
    SetAccounts({});
    Make();
    EXPECT_EQ(0, ctrl->GetComboBox()->GetCount());
    EXPECT_EQ(0u, Notices());
    EXPECT_TRUE(ctrl->GetSelectAccount(0).strAccount.IsEmpty());
    ctrl->SelectAccount("111-01-1");
    EXPECT_EQ(0u, Notices());
}

TEST_F(AccountCtrlTest, UserChoiceAndSelectingByNumberShareTheSelection)
{
    SetAccounts({{"111-01-1", "A"}, {"222-01-2", "B"}, {"333-01-3", "C"}});
    Make();
    DispatchQueued();
    parent.Clear();
    ctrl->GetPasswordEdit()->SetWindowText("1234");
    // The user picks the third account from the list.
    ctrl->GetComboBox()->SetCurSel(2);
    ctrl->SendMessage(WM_COMMAND, MAKEWPARAM(ACCOUNTCTRL_COMBO_ID, CBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(ctrl->GetComboBox()->m_hWnd));
    EXPECT_EQ(1u, Notices());
    EXPECT_EQ(2, CAccountCtrl::GetActiveAccountIndex());
    EXPECT_EQ("C", Name());
    CString pwd;
    ctrl->GetPasswordEdit()->GetWindowText(pwd);
    EXPECT_TRUE(pwd.IsEmpty()) << "a new account clears the password";

    // A second selector starts on the shared selection.
    CAccountCtrl other;
    CRect rect(10, 40, 260, 60);
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, rect, &parent, kId + 1));
    EXPECT_EQ(2, other.GetComboBox()->GetCurSel());

    parent.Clear();
    ctrl->SelectAccount("222-01-2");
    EXPECT_EQ(1, ctrl->GetComboBox()->GetCurSel());
    EXPECT_EQ(1u, Notices());
    ctrl->SelectAccount("999");
    EXPECT_EQ(1, ctrl->GetComboBox()->GetCurSel());
    EXPECT_EQ(1u, Notices()) << "an unknown number changes nothing";
    other.DestroyWindow();
}

TEST_F(AccountCtrlTest, NameAndPasswordParts)
{
    SetAccounts({{"111-01-1", "A"}});
    Make();
    CSEdit* pwd = ctrl->GetPasswordEdit();
    EXPECT_FALSE(pwd->GetStyle() & WS_VISIBLE) << "hidden until asked for";
    EXPECT_TRUE(pwd->GetStyle() & ES_PASSWORD);
    ctrl->EnablePassword(TRUE);
    EXPECT_TRUE(pwd->GetStyle() & WS_VISIBLE);

    CRect name, before, after;
    ctrl->GetNameLabel()->GetWindowRect(&name);
    pwd->GetWindowRect(&before);
    ctrl->EnableAccountName(FALSE);
    pwd->GetWindowRect(&after);
    EXPECT_FALSE(ctrl->GetNameLabel()->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(before.left - name.Width(), after.left);
    ctrl->EnableAccountName(FALSE); // already hidden: nothing moves
    pwd->GetWindowRect(&after);
    EXPECT_EQ(before.left - name.Width(), after.left);
    ctrl->EnableAccountName(TRUE);
    pwd->GetWindowRect(&after);
    EXPECT_EQ(before.left, after.left);
}

TEST_F(AccountCtrlTest, KindsAndFuturesAccounts)
{
    EXPECT_EQ(0x100, CAccountCtrl::GetAccountType("123-11-45"));
    EXPECT_EQ(-1, CAccountCtrl::GetAccountType("12345"));
    tagAccount account;
    account.strAccount = "123-11-45";
    EXPECT_EQ(1, IsFutOptAccount(&account));
    account.strAccount = "123-12-45";
    EXPECT_EQ(0, IsFutOptAccount(&account));
    EXPECT_EQ(0, IsFutOptAccount(nullptr));
}

} // namespace
