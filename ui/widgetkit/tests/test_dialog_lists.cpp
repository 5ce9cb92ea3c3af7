// The dialogs' record lists with more rows than fit, met as a user meets them: the real mouse on
// the list's own scroll bar and the bar's messages bring the 11th and the last row into view, so
// do real keys (Tab from one password edit to the next, a typed search); the columns show the
// bound fields and the code search is sorted by name. A picture of each dialog is left in the
// test tree's Temp folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "AccountDialogs.h"
#include "CodeDialogs.h"
#include "ColorMap.h"
#include "SharedData.h"
#include "modal_script.h"
#include "real_mouse.h"
#include "screen_shot.h"
#include "test_skin.h"
#include "widget_host.h"
#include "wnd_test_util.h"

namespace {

const int kRows = 30; // three times what a dialog shows

std::string TempFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of('\\')); // ...\Bin
    folder.resize(folder.find_last_of('\\') + 1);
    return folder + "Temp\\";
}

// The body rows of the list that are on screen (every row of the grid fits its place).
int ShownRows(CGridDataList& list)
{
    return list.GetVisibleRowCount() - static_cast<int>(list.GetRowHeadCount());
}

// Whether a body row on screen shows the text in the column.
bool Shows(CGridDataList& list, int column, const std::string& text)
{
    for (int row = 1; row <= ShownRows(list); ++row)
        if (text == list.GetCellText(column, row).GetString())
            return true;
    return false;
}

CRect ScreenRect(HWND window)
{
    CRect rect;
    ::GetWindowRect(window, &rect);
    return rect;
}

// A press and release of the real left button where the pointer is.
void RealClick()
{
    MouseButton(true);
    MouseButton(false);
}

void RealKey(UINT vk)
{
    INPUT keys[2] = {};
    for (int up = 0; up < 2; ++up) {
        keys[up].type = INPUT_KEYBOARD;
        keys[up].ki.wVk = static_cast<WORD>(vk);
        keys[up].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    }
    ::SendInput(2, keys, sizeof(INPUT));
}

// Text of the program's code page typed as the characters it stands for (VK_PACKET keys).
void RealType(const char* text)
{
    WCHAR wide[64] = {};
    const int count = ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 64) - 1;
    std::vector<INPUT> keys;
    for (int i = 0; i < count; ++i) {
        for (int up = 0; up < 2; ++up) {
            INPUT key = {};
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = wide[i];
            key.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            keys.push_back(key);
        }
    }
    if (!keys.empty())
        ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

// What the steps of the scroll-bar run saw.
struct BarRun
{
    bool eleventhByClicks = false;
    bool lastByClicks = false;
    bool eleventhByPages = false;
    bool lastByThumb = false; // dragged
};

// Steps that bring the 11th and the last row into view through the list's own bar: real clicks
// on its down arrow and in its channel below the thumb, the bar's messages (top, pages), and its
// thumb dragged to the end.
std::vector<ModalStep> ScrollBarSteps(CGridDataList& list, int column, std::string eleventh, std::string last,
                                      BarRun& run)
{
    const std::shared_ptr<HWND> bar = std::make_shared<HWND>(HWND(NULL)); // found by the first step
    return {
        [&list, bar](HWND dialog) {
            ::SetForegroundWindow(dialog);
            *bar = list.GetOwnScrollBar(1)->GetSafeHwnd();
            EXPECT_NE(HWND(NULL), *bar) << "the list has its own vertical bar";
            if (*bar == NULL)
                return true;
            EXPECT_TRUE(::IsWindowVisible(*bar));
            const CRect rect = ScreenRect(*bar);
            MouseTo(CPoint(rect.CenterPoint().x, rect.bottom - rect.Width() / 2)); // the down arrow
            return true;
        },
        [&list, &run, column, eleventh, bar](HWND) {
            if (Shows(list, column, eleventh)) {
                run.eleventhByClicks = true;
                return true;
            }
            RealClick();
            return false;
        },
        [&list, &run, column, last, bar](HWND) {
            if (Shows(list, column, last)) {
                run.lastByClicks = true;
                return true;
            }
            // In the channel just above the down arrow: below the thumb until the end.
            const CRect rect = ScreenRect(*bar);
            MouseTo(CPoint(rect.CenterPoint().x, rect.bottom - rect.Width() - 3));
            RealClick();
            return false;
        },
        [&list, bar](HWND) {
            list.SendMessage(WM_VSCROLL, SB_TOP, reinterpret_cast<LPARAM>(*bar));
            EXPECT_EQ(0, list.GetTopRecord());
            EXPECT_EQ(0, list.GetOverscrollRows());
            return true;
        },
        [&list, &run, column, eleventh, bar](HWND) {
            if (Shows(list, column, eleventh)) {
                run.eleventhByPages = true;
                return true;
            }
            list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(*bar));
            return false;
        },
        [&list, column, last, bar](HWND) {
            // The thumb dragged with the real mouse from the top of the channel to its end.
            list.SendMessage(WM_VSCROLL, SB_TOP, reinterpret_cast<LPARAM>(*bar));
            const CRect rect = ScreenRect(*bar);
            MouseTo(CPoint(rect.CenterPoint().x, rect.top + rect.Width() + 3));
            MouseButton(true);
            MouseTo(CPoint(rect.CenterPoint().x, rect.CenterPoint().y));
            const CPoint end(rect.CenterPoint().x, rect.bottom - rect.Width() - 1);
            MouseTo(end);
            // The bar follows the moves it is given, and the desktop may still hand it an older
            // pointer position after the last move (a busy machine showed it): the button is let
            // go once the list has followed the thumb to the end, the pointer nudged while not.
            for (int nudge = 0; nudge < 5 && !PumpUntil([&] { return Shows(list, column, last); }, 1000); ++nudge) {
                MouseTo(end + CPoint(0, -1));
                MouseTo(end);
            }
            MouseButton(false);
            return true;
        },
        [&list, &run, column, last](HWND) {
            run.lastByThumb = Shows(list, column, last);
            return true;
        },
    };
}

void ExpectReached(const BarRun& run)
{
    EXPECT_TRUE(run.eleventhByClicks) << "the 11th row by clicks on the bar's arrow";
    EXPECT_TRUE(run.lastByClicks) << "the last row by clicks in the bar's channel";
    EXPECT_TRUE(run.eleventhByPages) << "the 11th row by the bar's page down";
    EXPECT_TRUE(run.lastByThumb) << "the last row by the thumb dragged to the end";
}

// The picture of a dialog as the screen shows it, saved for the eye.
void SavePicture(HWND dialog, const char* name)
{
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    const std::string path = TempFolder() + name;
    EXPECT_TRUE(SavePng(path, ShootWindow(dialog))) << path;
}

// ---- the account list ----

class AccountListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(owner.CreateHost(CRect(0, 0, 50, 50)));
        CSharedData::m_arAccount.RemoveAll();
        for (int i = 1; i <= kRows; ++i) {
            char number[32], name[32];
            snprintf(number, sizeof number, "%03d-01-%05d", 100 + i, i);
            snprintf(name, sizeof name, "계좌%02d", i);
            CSharedData::RegistAccount(number, name, "", 0, '1', "K");
        }
        for (int i = 0; i < kRows; ++i) {
            tagAccount* account = nullptr;
            CSharedData::GetAccount(i, &account);
            // Every third account has its password already.
            account->strPassword = i % 3 == 0 ? Password(i) : CString();
        }
    }
    void TearDown() override
    {
        owner.DestroyWindow();
        CSharedData::m_arAccount.RemoveAll();
    }
    static CString Password(int i)
    {
        CString text;
        text.Format("pw%02d", i);
        return text;
    }

    CRecordingParent owner;
};

TEST_F(AccountListTest, ColumnsShowTheBoundFieldsAndTheBarReachesEveryRow)
{
    CDlgAccCfm dialog(&owner);
    CGridDataList& list = dialog.GetGrid();
    BarRun run;
    std::vector<ModalStep> steps = {[&](HWND) {
        EXPECT_EQ(kRows, dialog.GetRowCount());
        EXPECT_EQ(CDlgAccCfm::BODY_ROWS, ShownRows(list)) << "every body row of the list shows";
        for (int row = 1; row <= ShownRows(list); ++row) {
            const tagACCOUNTLIST& record = dialog.GetRow(row - 1);
            SCOPED_TRACE(record.szName);
            EXPECT_STREQ(record.szAccount, list.GetCellText(0, row));
            EXPECT_STREQ(record.szName, list.GetCellText(1, row));
            EXPECT_EQ(CString('*', static_cast<int>(strlen(record.szPassword))), list.GetCellText(2, row));
            EXPECT_STREQ(record.szResult, list.GetCellText(3, row));
            const bool confirmed = (row - 1) % 3 == 0;
            EXPECT_STREQ(confirmed ? "확인" : "미확인", record.szResult);
            EXPECT_EQ(CColorMap::GetColorInfo(confirmed ? 103 : 101), list.GetCellPtr(3, row)->pForeColor)
                << "the result coloured by the state";
        }
        return true;
    }};
    for (ModalStep& step : ScrollBarSteps(list, 1, "계좌11", "계좌30", run))
        steps.push_back(std::move(step));
    steps.push_back([&](HWND dialogWindow) {
        // A mismatch answered for the last row shows in its colour where the row is on screen.
        tagACCPWDRESULT wrong = {};
        strcpy(wrong.szAccount, "1300100030");
        dialog.SendMessage(WM_ACCPWD_ANSWER, ACCPWD_BATCH_RESULT, reinterpret_cast<LPARAM>(&wrong));
        const int row = ShownRows(list);
        EXPECT_STREQ("계좌30", list.GetCellText(1, row));
        EXPECT_STREQ("불일치", list.GetCellText(3, row));
        EXPECT_EQ(CColorMap::GetColorInfo(102), list.GetCellPtr(3, row)->pForeColor);
        // The middle of the list, one row selected, for the picture.
        list.SendMessage(WM_VSCROLL, SB_TOP, 0);
        for (int i = 0; i < 8; ++i)
            list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        dialog.SelectRow(12);
        SavePicture(dialogWindow, "acc_cfm_list.png");
        ClickDlgButton(dialogWindow, CDlgAccCfm::IDC_CLOSE);
        return true;
    });
    const ModalScriptResult result = RunModalScript([&] { return dialog.DoModal(); }, CDlgAccCfm::IDC_GRID,
                                                    std::move(steps), 20000);
    EXPECT_FALSE(result.stalled);
    ExpectReached(run);
}

TEST_F(AccountListTest, TabFromPasswordToPasswordReachesTheLastRowAndKeepsEveryPassword)
{
    CDlgAccCfm dialog(&owner);
    CGridDataList& list = dialog.GetGrid();
    bool eleventh = false, last = false;
    int tabs = 0;
    const ModalScriptResult result = RunModalScript(
        [&] { return dialog.DoModal(); }, CDlgAccCfm::IDC_GRID,
        {
            [&](HWND dialogWindow) {
                ::SetForegroundWindow(dialogWindow);
                // A real click on the password of the last row on screen opens its edit.
                CRect cell = list.GetCellRect(2, ShownRows(list));
                list.ClientToScreen(&cell);
                MouseTo(cell.CenterPoint());
                RealClick();
                return true;
            },
            [&](HWND) {
                CWnd* editor = list.GetDlgItem(IDC_GRIDEDIT);
                return editor != nullptr && editor->IsWindowVisible() && ::GetFocus() == editor->m_hWnd;
            },
            [&](HWND) {
                // One Tab at a time, each once the edit stands on the next row.
                CWnd* editor = list.GetDlgItem(IDC_GRIDEDIT);
                if (editor == nullptr || ::GetFocus() != editor->m_hWnd)
                    return false;
                if (list.GetTopRecord() + list.GetOverscrollRows() < tabs)
                    return false;
                eleventh = eleventh || Shows(list, 1, "계좌11");
                if (Shows(list, 1, "계좌30")) {
                    last = true;
                    return true;
                }
                RealKey(VK_TAB);
                ++tabs;
                return false;
            },
            [&](HWND) {
                // The last row's password typed over and committed with Enter.
                for (const char* key = "4321"; *key; ++key)
                    RealKey(static_cast<UINT>(*key));
                RealKey(VK_RETURN);
                return true;
            },
            [&](HWND dialogWindow) {
                if (strcmp(dialog.GetRow(kRows - 1).szPassword, "4321") != 0)
                    return false;
                ClickDlgButton(dialogWindow, CDlgAccCfm::IDC_CLOSE);
                return true;
            },
        },
        20000);
    EXPECT_FALSE(result.stalled);
    EXPECT_TRUE(eleventh) << "Tab in the last row's edit brings the 11th row";
    EXPECT_TRUE(last) << "and on to the last";
    EXPECT_EQ(kRows - CDlgAccCfm::BODY_ROWS, tabs);
    EXPECT_STREQ("4321", dialog.GetRow(kRows - 1).szPassword);
    // Every edit Tab left unchanged kept its row's password, not the stars it showed.
    for (int i = 0; i < kRows - 1; ++i)
        EXPECT_STREQ(i % 3 == 0 ? Password(i).GetString() : "", dialog.GetRow(i).szPassword) << i;
}

// ---- the code searches ----

// Names of Hangul only (a search text with a digit searches the codes), in their sorted order.
CString NameAt(int i)
{
    static const char* const first[] = {"가", "나", "다", "라", "마"};
    static const char* const second[] = {"가", "나", "다", "라", "마", "바"};
    CString name;
    name.Format("%s%s코인", first[i / 6], second[i % 6]);
    return name;
}

// A code master of kRows coins whose names sort in another order than their codes: code C<n>,
// the name at 7n mod 30 of the sorted names, type n mod 2.
class CodeListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(owner.CreateHost(CRect(0, 0, 50, 50)));
        CSharedData::GetStockMap().RemoveAll();
        for (int n = 0; n < kRows; ++n) {
            records.emplace_back();
            _API_CODE_INFO& record = records.back();
            record.nMarketType = n % 2;
            record.strCode.Format("C%02d", n);
            record.strName = NameAt((7 * n) % kRows);
            record.nValue1 = record.nValue2 = 0;
            CSharedData::GetStockMap().SetAt(record.strCode, &record);
        }
    }
    void TearDown() override
    {
        CSharedData::GetStockMap().RemoveAll();
        owner.DestroyWindow();
    }
    // The master record whose name is the i-th in sorted order.
    _API_CODE_INFO* Named(int i)
    {
        const CString name = NameAt(i);
        for (_API_CODE_INFO& record : records)
            if (record.strName == name)
                return &record;
        return nullptr;
    }

    CRecordingParent owner;
    std::deque<_API_CODE_INFO> records;
};

TEST_F(CodeListTest, SearchListIsSortedByNameShowsItsFieldsAndTheBarReachesEveryRow)
{
    CSTOCKCodectrlDlg dialog(&owner);
    CGridDataList& list = dialog.GetGrid();
    BarRun run;
    std::vector<ModalStep> steps = {[&](HWND) {
        EXPECT_EQ(kRows, dialog.GetRowCount());
        EXPECT_EQ(CSTOCKCodectrlDlg::BODY_ROWS, ShownRows(list)) << "every body row of the list shows";
        for (int i = 0; i < kRows; ++i) {
            EXPECT_EQ(Named(i), dialog.GetRow(i)->pRecord) << "sorted by name, ascending: " << NameAt(i).GetString();
        }
        for (int row = 1; row <= ShownRows(list); ++row) {
            _API_CODE_INFO* record = dialog.GetRow(row - 1)->pRecord;
            EXPECT_EQ(record->strCode, list.GetCellText(0, row));
            EXPECT_EQ(record->strName, list.GetCellText(1, row));
            EXPECT_EQ(CColorMap::GetColorInfo(record->nMarketType == 1 ? 101 : 810), list.GetCellPtr(1, row)->pForeColor)
                << "the name coloured by the type";
        }
        return true;
    }};
    for (ModalStep& step : ScrollBarSteps(list, 1, NameAt(10).GetString(), NameAt(kRows - 1).GetString(), run))
        steps.push_back(std::move(step));
    steps.push_back([&](HWND dialogWindow) {
        dialog.ItemCodeStringSrch(NameAt(14));
        SavePicture(dialogWindow, "stock_code_list.png");
        ClickDlgButton(dialogWindow, IDCANCEL);
        return true;
    });
    const ModalScriptResult result = RunModalScript([&] { return dialog.DoModal(); }, CSTOCKCodectrlDlg::IDC_GRID,
                                                    std::move(steps), 20000);
    EXPECT_FALSE(result.stalled);
    ExpectReached(run);
}

TEST_F(CodeListTest, TypedSearchesBringTheEleventhAndTheLastRowAndEnterChoosesIt)
{
    CSTOCKCodectrlDlg dialog(&owner);
    CGridDataList& list = dialog.GetGrid();
    bool eleventh = false;
    HWND edit = NULL;
    const ModalScriptResult result = RunModalScript(
        [&] { return dialog.DoModal(); }, CSTOCKCodectrlDlg::IDC_GRID,
        {
            [&](HWND dialogWindow) {
                ::SetForegroundWindow(dialogWindow);
                edit = ::GetDlgItem(dialogWindow, CSTOCKCodectrlDlg::IDC_SEARCH_EDIT);
                if (::GetFocus() != edit)
                    return false;
                RealType(NameAt(10));
                return true;
            },
            [&](HWND) {
                if (dialog.GetSelectedRow() != 10)
                    return false;
                eleventh = Shows(list, 1, NameAt(10).GetString());
                ::SetWindowTextA(edit, "");
                // The last name's code: a text with a digit searches the codes.
                RealType(Named(kRows - 1)->strCode);
                return true;
            },
            [&](HWND) {
                if (dialog.GetSelectedRow() != kRows - 1)
                    return false;
                EXPECT_TRUE(Shows(list, 1, NameAt(kRows - 1).GetString()));
                RealKey(VK_RETURN);
                return true;
            },
        },
        20000);
    EXPECT_FALSE(result.stalled);
    EXPECT_TRUE(eleventh) << "the 11th row found by its name is on screen";
    EXPECT_EQ(IDOK, result.result);
    const std::vector<RecordedMessage> chosen = owner.Of(WM_CODE_CHOSEN);
    ASSERT_EQ(1u, chosen.size());
    EXPECT_EQ(reinterpret_cast<WPARAM>(Named(kRows - 1)), chosen[0].wParam);
}

TEST_F(CodeListTest, SecondSearchListTheBarReachesEveryRowAndADoubleClickChooses)
{
    CCdeCtrlDlg dialog(&owner);
    CGridDataList& list = dialog.GetGrid();
    BarRun run;
    std::vector<ModalStep> steps = {[&](HWND) {
        // Nothing fills it in the system: the rows of the master, as the first search has them.
        std::vector<tagSTOCKCODEROW> rows;
        for (int i = 0; i < kRows; ++i)
            rows.push_back(MakeStockCodeRow(Named(i)));
        list.SetData(reinterpret_cast<BYTE*>(rows.data()), static_cast<int>(rows.size() * sizeof(tagSTOCKCODEROW)));
        EXPECT_EQ(CCdeCtrlDlg::BODY_ROWS, ShownRows(list)) << "every body row of the list shows";
        EXPECT_EQ(NameAt(0), list.GetCellText(1, 1));
        EXPECT_EQ(Named(0)->strCode, list.GetCellText(0, 1));
        return true;
    }};
    for (ModalStep& step : ScrollBarSteps(list, 1, NameAt(10).GetString(), NameAt(kRows - 1).GetString(), run))
        steps.push_back(std::move(step));
    steps.push_back([&](HWND dialogWindow) {
        SavePicture(dialogWindow, "cde_ctrl_list.png");
        // A real double click on the last row on screen (the last name).
        CRect cell = list.GetCellRect(1, ShownRows(list));
        list.ClientToScreen(&cell);
        MouseTo(cell.CenterPoint());
        RealClick();
        RealClick();
        return true;
    });
    const ModalScriptResult result = RunModalScript([&] { return dialog.DoModal(); }, CCdeCtrlDlg::IDC_GRID,
                                                    std::move(steps), 20000);
    EXPECT_FALSE(result.stalled);
    ExpectReached(run);
    EXPECT_EQ(IDOK, result.result);
    const std::vector<RecordedMessage> chosen = owner.Of(WM_CODE_CHOSEN);
    ASSERT_EQ(1u, chosen.size());
    EXPECT_EQ(reinterpret_cast<WPARAM>(Named(kRows - 1)), chosen[0].wParam);
}

} // namespace
