// The password dialogs run modally and driven like a user: GetAccountPWD's dialog (empty entry,
// OK, Enter, cancel) and the account list (one check, copying a password, the batch in steps,
// closing during a batch).
#include <gtest/gtest.h>

#include "AccountCtrl.h"
#include "AccountDialogs.h"
#include "ColorMap.h"
#include "SharedData.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

class AccountDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(owner.CreateHost(CRect(0, 0, 50, 50)));
        CSharedData::m_arAccount.RemoveAll();
        CSharedData::RegistAccount("111-01-11111", "가계좌", "", 0, '1', "K1");
        CSharedData::RegistAccount("222-11-22222", "나계좌", "", 0, '9', "K2");
        CSharedData::RegistAccount("333-01-33333", "다계좌", "", 0, '1', "K3");
        for (int i = 0; i < 3; ++i) {
            tagAccount* account = nullptr;
            CSharedData::GetAccount(i, &account);
            account->strPassword.Empty();
        }
    }
    void TearDown() override
    {
        owner.DestroyWindow();
        CSharedData::m_arAccount.RemoveAll();
    }
    tagAccount* Session(int i)
    {
        tagAccount* account = nullptr;
        CSharedData::GetAccount(i, &account);
        return account;
    }

    CRecordingParent owner;
};

const int kEdit = CDlgAccPwd::IDC_PWD_EDIT;

TEST_F(AccountDialogTest, PasswordIsAskedCheckedAndKept)
{
    CMsgBoxRecorder boxes;
    tagAccount account = *Session(0);
    int answer = -1;
    std::string shown;
    const ModalScriptResult run = RunModalScript(
        [&] {
            answer = GetAccountPWD(&owner, &account, TRUE);
            return 0;
        },
        kEdit,
        {
            [&](HWND dialog) {
                shown = DlgText(dialog, CDlgAccPwd::IDC_ACCOUNT_TEXT);
                ClickDlgButton(dialog, IDOK); // nothing typed yet
                return true;
            },
            [&](HWND dialog) {
                EXPECT_EQ(1u, boxes.Count());
                EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, kEdit))) << "the dialog stays for an entry";
                TypeInto(::GetDlgItem(dialog, kEdit), "   ");
                return true;
            },
            [&](HWND dialog) {
                ClickDlgButton(dialog, IDOK); // blanks only
                return true;
            },
            [&](HWND dialog) {
                EXPECT_EQ(2u, boxes.Count());
                ::SetDlgItemTextA(dialog, kEdit, "");
                TypeInto(::GetDlgItem(dialog, kEdit), " 4321 ");
                return true;
            },
            [&](HWND dialog) {
                ClickDlgButton(dialog, IDOK);
                return true;
            },
        });
    EXPECT_FALSE(run.stalled);
    EXPECT_EQ(1, answer);
    EXPECT_EQ("111-01-11111 (가계좌)", shown);
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ("계좌비밀번호를 입력해 주십시오.", boxes.Boxes()[0].text);
    EXPECT_EQ("계좌비밀번호를 입력해 주십시오.", boxes.Boxes()[1].text);
    EXPECT_STREQ("4321", account.strPassword.GetString());
    EXPECT_STREQ("4321", Session(0)->strPassword.GetString()) << "the session's record keeps it";
    EXPECT_TRUE(Session(1)->strPassword.IsEmpty());
}

TEST_F(AccountDialogTest, EnterInTheEditChecksAndTheEditHoldsEightCharacters)
{
    tagAccount account = *Session(1);
    account.strPassword = "old";
    int answer = -1;
    std::string before;
    const ModalScriptResult run = RunModalScript(
        [&] {
            answer = GetAccountPWD(&owner, &account, TRUE);
            return 0;
        },
        kEdit,
        {
            [&](HWND dialog) {
                before = DlgText(dialog, kEdit);
                ::SetDlgItemTextA(dialog, kEdit, "");
                TypeInto(::GetDlgItem(dialog, kEdit), "1234567890");
                return true;
            },
            [&](HWND dialog) {
                PressKey(::GetDlgItem(dialog, kEdit), VK_RETURN);
                return true;
            },
        });
    EXPECT_FALSE(run.stalled);
    EXPECT_EQ("old", before) << "the edit shows the password the account has";
    EXPECT_EQ(1, answer);
    EXPECT_STREQ("12345678", account.strPassword.GetString());
}

TEST_F(AccountDialogTest, CancelKeepsThePasswordAndNoDialogWhenOneIsKnown)
{
    tagAccount account = *Session(2);
    const ModalScriptResult run = RunModalScript([&] { return static_cast<INT_PTR>(GetAccountPWD(&owner, &account, TRUE)); },
                                                 kEdit, {[](HWND dialog) {
                                                     TypeInto(::GetDlgItem(dialog, kEdit), "99");
                                                     ClickDlgButton(dialog, IDCANCEL);
                                                     return true;
                                                 }});
    EXPECT_EQ(0, run.result);
    EXPECT_TRUE(account.strPassword.IsEmpty());
    EXPECT_TRUE(Session(2)->strPassword.IsEmpty());

    account.strPassword = "5555";
    EXPECT_EQ(1, GetAccountPWD(&owner, &account, FALSE)) << "known and not asked: no dialog";
    tagAccount none;
    EXPECT_EQ(0, GetAccountPWD(&owner, &none, TRUE));
    EXPECT_EQ(0, GetAccountPWD(&owner, nullptr, TRUE));
}

TEST_F(AccountDialogTest, ARefusedAnswerLetsTheUserTryAgain)
{
    CMsgBoxRecorder boxes;
    tagAccount account = *Session(0);
    int answer = -1;
    RunModalScript(
        [&] {
            answer = GetAccountPWD(&owner, &account, TRUE);
            return 0;
        },
        kEdit,
        {[&](HWND dialog) {
             ::EnableWindow(::GetDlgItem(dialog, kEdit), FALSE);
             ::EnableWindow(::GetDlgItem(dialog, IDOK), FALSE);
             static const char refusal[] = "비밀번호가 틀립니다.";
             ::SendMessageA(dialog, WM_ACCPWD_ANSWER, 3, reinterpret_cast<LPARAM>(refusal));
             EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, kEdit)));
             EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDOK)));
             EXPECT_EQ(::GetDlgItem(dialog, kEdit), ::GetFocus());
             return true;
         },
         [](HWND dialog) {
             ClickDlgButton(dialog, IDCANCEL);
             return true;
         }});
    EXPECT_EQ(0, answer);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("비밀번호가 틀립니다.", boxes.Last().text);
}

const int kGrid = CDlgAccCfm::IDC_GRID;

TEST_F(AccountDialogTest, ListChecksOneAccountAndCopiesAPassword)
{
    Session(1)->strPassword = "7777";
    CDlgAccCfm dialog(&owner);
    std::vector<std::string> results, shown;
    RunModalScript([&] { return dialog.DoModal(); }, kGrid,
                   {
                       [&](HWND) {
                           EXPECT_EQ(3, dialog.GetRowCount());
                           for (int i = 0; i < 3; ++i)
                               results.push_back(dialog.GetGrid().GetCellText(3, i + 1).GetString());
                           shown.push_back(dialog.GetGrid().GetCellText(2, 2).GetString());
                           EXPECT_EQ(CColorMap::GetColorInfo(101), dialog.GetGrid().GetCellPtr(3, 1)->pForeColor);
                           EXPECT_EQ(CColorMap::GetColorInfo(103), dialog.GetGrid().GetCellPtr(3, 2)->pForeColor);
                           // The second row selected by a click, then its password copied everywhere.
                           CRect cell = dialog.GetGrid().GetCellRect(0, 2);
                           dialog.GetGrid().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                                                        MAKELPARAM(cell.left + 3, cell.top + 3));
                           dialog.GetGrid().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(cell.left + 3, cell.top + 3));
                           EXPECT_EQ(1, dialog.GetSelectedRow());
                           ClickDlgButton(dialog.m_hWnd, CDlgAccCfm::IDC_BATCH_INPUT);
                           EXPECT_STREQ("7777", dialog.GetRow(0).szPassword);
                           EXPECT_STREQ("7777", dialog.GetRow(2).szPassword);
                           EXPECT_EQ(ACCSTATE_UNCHECKED, dialog.GetRow(2).cState) << "copied, not yet checked";
                           return true;
                       },
                       [&](HWND) {
                           ClickDlgButton(dialog.m_hWnd, CDlgAccCfm::IDC_CLOSE);
                           return true;
                       },
                   });
    EXPECT_EQ((std::vector<std::string>{"미확인", "확인", "미확인"}), results);
    EXPECT_EQ((std::vector<std::string>{"****"}), shown) << "passwords are masked";
}

TEST_F(AccountDialogTest, DoubleClickOnARowAsksForItsPassword)
{
    CDlgAccCfm dialog(&owner);
    std::string asked;
    const ModalScriptResult run = RunModalScript(
        [&] { return dialog.DoModal(); }, kGrid,
        {
            [&](HWND) {
                CRect cell = dialog.GetGrid().GetCellRect(1, 3);
                dialog.GetGrid().PostMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cell.left + 3, cell.top + 3));
                return true;
            },
            [&](HWND) {
                HWND ask = FindThreadDialog(kEdit);
                if (ask == NULL)
                    return false;
                asked = DlgText(ask, CDlgAccPwd::IDC_ACCOUNT_TEXT);
                TypeInto(::GetDlgItem(ask, kEdit), "3030");
                return true;
            },
            [&](HWND) {
                ClickDlgButton(FindThreadDialog(kEdit), IDOK);
                return true;
            },
            [&](HWND hwnd) {
                if (FindThreadDialog(kEdit) != NULL)
                    return false;
                ClickDlgButton(hwnd, CDlgAccCfm::IDC_CLOSE);
                return true;
            },
        });
    EXPECT_FALSE(run.stalled);
    EXPECT_EQ("333-01-33333 (다계좌)", asked);
    EXPECT_EQ(2, dialog.GetSelectedRow());
    EXPECT_STREQ("3030", dialog.GetRow(2).szPassword);
    EXPECT_EQ(ACCSTATE_CONFIRMED, dialog.GetRow(2).cState);
    EXPECT_STREQ("3030", Session(2)->strPassword.GetString());
}

TEST_F(AccountDialogTest, BatchIsCheckedInStepsAndEnds)
{
    Session(0)->strPassword = "1111";
    Session(1)->strPassword = "2222";
    CDlgAccCfm dialog(&owner);
    bool disabledWhileRunning = false;
    std::string entries;
    RunModalScript([&] { return dialog.DoModal(); }, kGrid,
                   {
                       [&](HWND hwnd) {
                           // The third account has no password: it is left out.
                           ClickDlgButton(hwnd, CDlgAccCfm::IDC_BATCH_CHECK);
                           disabledWhileRunning = dialog.IsRunning() &&
                                                  !::IsWindowEnabled(::GetDlgItem(hwnd, CDlgAccCfm::IDC_BATCH_CHECK)) &&
                                                  !::IsWindowEnabled(::GetDlgItem(hwnd, CDlgAccCfm::IDC_CLOSE));
                           entries.assign(dialog.GetEntries(), dialog.GetEntryCount() * ACCCFM_ENTRY_SIZE);
                           EXPECT_EQ(2, dialog.GetStep());
                           return true;
                       },
                       [&](HWND hwnd) {
                           if (dialog.IsRunning())
                               return false;
                           EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hwnd, CDlgAccCfm::IDC_BATCH_CHECK)));
                           EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hwnd, CDlgAccCfm::IDC_CLOSE)));
                           ClickDlgButton(hwnd, CDlgAccCfm::IDC_CLOSE);
                           return true;
                       },
                   });
    EXPECT_TRUE(disabledWhileRunning);
    EXPECT_EQ(std::string("2") + "1110111111          " + "1111    " + "1" + "2221122222          " + "2222    ",
              entries);
    EXPECT_EQ(ACCSTATE_CONFIRMED, dialog.GetRow(0).cState);
    EXPECT_STREQ("확인", dialog.GetRow(1).szResult);
    EXPECT_EQ(ACCSTATE_UNCHECKED, dialog.GetRow(2).cState);
}

TEST_F(AccountDialogTest, BatchAnswersMarkRowsAndClosingEarlyWarns)
{
    Session(0)->strPassword = "1111";
    CMsgBoxRecorder boxes;
    CDlgAccCfm dialog(&owner);
    RunModalScript([&] { return dialog.DoModal(); }, kGrid,
                   {[&](HWND hwnd) {
                       tagACCPWDRESULT wrong;
                       memset(&wrong, 0, sizeof wrong);
                       strcpy(wrong.szAccount, "3330133333");
                       dialog.SendMessage(WM_ACCPWD_ANSWER, ACCPWD_BATCH_RESULT, reinterpret_cast<LPARAM>(&wrong));
                       EXPECT_EQ(ACCSTATE_MISMATCH, dialog.GetRow(2).cState);
                       EXPECT_STREQ("불일치", dialog.GetRow(2).szResult);
                       EXPECT_EQ(CColorMap::GetColorInfo(102), dialog.GetGrid().GetCellPtr(3, 3)->pForeColor);
                       // A batch that has not finished when the dialog is closed.
                       ClickDlgButton(hwnd, CDlgAccCfm::IDC_BATCH_CHECK);
                       EXPECT_TRUE(dialog.IsRunning());
                       ::SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
                       return true;
                   }});
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ(" 비밀번호 확인작업이 완료되지 않았습니다. \n\n 계좌비밀번호 확인 메뉴를 이용하여 일괄 확인이 가능합니다.",
              boxes.Last().text);
    EXPECT_EQ("Molvane", boxes.Last().caption);
}

} // namespace
