// The code search dialogs run modally from their controls' find buttons: the master by name, the
// initial-letter buttons, the search edit, the choice sent back; the warrant control and its
// dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "CdeCtrl.h"
#include "CodeDialogs.h"
#include "ELWCodeCtrl.h"
#include "code_master_fixture.h"
#include "modal_script.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

const UINT kId = 7320;

class CodeDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(parent.CreateHost(CRect(100, 100, 500, 400)));
        ctrl.reset(new CCdeCtrl);
        CRect rect(10, 10, 210, 30);
        ASSERT_TRUE(ctrl->Create(WS_CHILD | WS_VISIBLE, rect, &parent, kId));
    }
    void TearDown() override
    {
        ctrl.reset();
        parent.DestroyWindow();
    }
    std::string ComboText()
    {
        CString text;
        ctrl->GetComboBox()->GetWindowText(text);
        return text.GetString();
    }
    static CSTOCKCodectrlDlg* Dialog(HWND hwnd)
    {
        return static_cast<CSTOCKCodectrlDlg*>(CWnd::FromHandlePermanent(hwnd));
    }
    static std::string ChoiceCode(HWND hwnd)
    {
        _API_CODE_INFO* choice = Dialog(hwnd)->GetChoice();
        return choice != nullptr ? choice->strCode.GetString() : "";
    }
    // The find button pressed as a user presses it.
    ModalScriptResult Find(std::vector<ModalStep> steps)
    {
        return RunModalScript(
            [&] {
                CImgButton* find = ctrl->GetFindButton();
                find->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
                find->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
                DispatchQueued(); // the button's posted click opens the dialog
                return static_cast<INT_PTR>(0);
            },
            CSTOCKCodectrlDlg::IDC_GRID, std::move(steps));
    }

    CodeMasterFixture master;
    CRecordingParent parent;
    std::unique_ptr<CCdeCtrl> ctrl;
};

TEST_F(CodeDialogTest, RowsByNameAndInitialLetters)
{
    std::vector<std::string> names;
    std::string afterNa, afterDa, afterCode;
    CPoint place(0, 0);
    CRect window;
    const ModalScriptResult run = Find({
        [&](HWND hwnd) {
            CSTOCKCodectrlDlg* dialog = Dialog(hwnd);
            for (int row = 1; row <= 7; ++row)
                names.push_back(dialog->GetGrid().GetCellText(1, row).GetString());
            place = ctrl->GetFindDialogPlace();
            ::GetWindowRect(hwnd, &window);
            ClickDlgButton(hwnd, CSTOCKCodectrlDlg::IDC_FIRST_PREFIX + 1); // "나"
            afterNa = ChoiceCode(hwnd);
            ClickDlgButton(hwnd, CSTOCKCodectrlDlg::IDC_FIRST_PREFIX + 2); // "다": the first name at or after it
            afterDa = ChoiceCode(hwnd);
            return true;
        },
        [&](HWND hwnd) {
            TypeInto(::GetDlgItem(hwnd, CSTOCKCodectrlDlg::IDC_SEARCH_EDIT), "00");
            return true;
        },
        [&](HWND hwnd) {
            afterCode = ChoiceCode(hwnd);
            ClickDlgButton(hwnd, IDOK);
            return true;
        },
    });
    EXPECT_FALSE(run.stalled);
    EXPECT_EQ((std::vector<std::string>{"나무", "리플", "비트코인", "비트코인캐시", "에이다", "이더리움", "하이닉스"}),
              names);
    EXPECT_EQ("NAMU", afterNa);
    EXPECT_EQ("XRP", afterDa);
    EXPECT_EQ("000660", afterCode) << "a text with a digit searches the codes";
    EXPECT_EQ(place, window.TopLeft()) << "just under the find button";
    EXPECT_EQ(230, window.Width());
    EXPECT_EQ(408, window.Height());
    EXPECT_EQ("000660 하이닉스", ComboText()) << "the choice came back to the control";
}

TEST_F(CodeDialogTest, EnterInTheSearchEditChoosesAndDoubleClickChooses)
{
    Find({[](HWND hwnd) {
              HWND edit = ::GetDlgItem(hwnd, CSTOCKCodectrlDlg::IDC_SEARCH_EDIT);
              TypeInto(edit, "ad");
              return true;
          },
          [](HWND hwnd) {
              PressKey(::GetDlgItem(hwnd, CSTOCKCodectrlDlg::IDC_SEARCH_EDIT), VK_RETURN);
              return true;
          }});
    // "ad" reaches the first name not less than "AD": the Korean names all sort after it.
    EXPECT_EQ("NAMU 나무", ComboText());

    Find({[](HWND hwnd) {
        CGridDataList& grid = Dialog(hwnd)->GetGrid();
        CRect cell = grid.GetCellRect(1, 3);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.left + 3, cell.top + 3));
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(cell.left + 3, cell.top + 3));
        grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cell.left + 3, cell.top + 3));
        return true;
    }});
    EXPECT_EQ("BTC 비트코인", ComboText());
}

TEST_F(CodeDialogTest, OkWithoutAChoiceCancels)
{
    ctrl->SetCodeInfoByCode("ETH", FALSE);
    parent.Clear();
    Find({[](HWND hwnd) {
        ClickDlgButton(hwnd, IDOK);
        return true;
    }});
    EXPECT_EQ("ETH 이더리움", ComboText());
    EXPECT_TRUE(parent.Of(WM_COMMAND).empty());
}

// A warrant record: code at 0, name at 19, kind digits at 76.
tagELWCode Warrant(const char* code, const char* name, const char* kind)
{
    tagELWCode record;
    memset(&record, 0, sizeof record);
    strcpy(record.szRecord + tagELWCode::CODE, code);
    strcpy(record.szRecord + tagELWCode::NAME, name);
    strcpy(record.szRecord + tagELWCode::KIND, kind);
    return record;
}

TEST(ELWCodeCtrlTest, ChoiceMovesToTheTopAndColoursByKind)
{
    LoadTestSkin();
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateHost());
    CELWCodeCtrl ctrl;
    CRect rect(10, 10, 210, 30);
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE, rect, &parent, kId));
    CRect combo, name;
    ctrl.GetComboBox()->GetWindowRect(&combo);
    EXPECT_EQ(80, combo.Width());
    EXPECT_FALSE(ctrl.GetFindButton()->GetStyle() & WS_VISIBLE);
    ctrl.GetNameLabel()->GetWindowRect(&name);
    ctrl.ScreenToClient(&name);
    EXPECT_EQ(CRect(104, 0, 199, 20), name);
    EXPECT_EQ(-1, ctrl.GetCodeType());

    tagELWCode first = Warrant("57A001", "워런트가", "1"), second = Warrant("57B002", "워런트나", "2");
    CComboBox* items = ctrl.GetComboBox();
    items->SetItemDataPtr(items->AddString("57A001"), &first);
    items->SetItemDataPtr(items->AddString("57B002"), &second);
    EXPECT_EQ(1, ctrl.GetCodeType());
    items->SetCurSel(1);
    ctrl.SendMessage(WM_COMMAND, MAKEWPARAM(CDECTRL_COMBO_ID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(items->m_hWnd));
    EXPECT_EQ(&second, items->GetItemDataPtr(0));
    EXPECT_EQ(2, ctrl.GetCodeType());
    EXPECT_STREQ("57B002", ctrl.GetSelectCode().m_strField1.GetString());
    CString shown;
    ctrl.GetNameLabel()->GetWindowText(shown);
    EXPECT_STREQ("워런트나", shown.GetString());
    EXPECT_EQ(RGB(0xEA, 0xF3, 0xFC), ctrl.GetBgColor());
    std::vector<WORD> codes;
    for (const RecordedMessage& m : parent.Of(WM_COMMAND))
        codes.push_back(HIWORD(m.wParam));
    EXPECT_EQ((std::vector<WORD>{CDECTRL_BEFORE_CODE, CDECTRL_AFTER_CODE}), codes);
    ctrl.SetBgColor(1);
    EXPECT_EQ(RGB(0xFF, 0xED, 0xED), ctrl.GetBgColor());
    ctrl.ClearCode();
    EXPECT_TRUE(ctrl.GetSelectCode().m_strField1.IsEmpty());
    ctrl.DestroyWindow();

    // A narrow control.
    CELWCodeCtrl narrow;
    CRect small(0, 40, 90, 60);
    ASSERT_TRUE(narrow.Create(WS_CHILD | WS_VISIBLE, small, &parent, kId + 1));
    narrow.GetComboBox()->GetWindowRect(&combo);
    EXPECT_EQ(68, combo.Width());
    narrow.DestroyWindow();
    parent.DestroyWindow();
}

TEST(ELWCodeDialogTest, SearchesItsListAndSendsTheChoice)
{
    LoadTestSkin();
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateHost());
    CELWCodeCtrl ctrl;
    CRect rect(10, 10, 210, 30);
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE, rect, &parent, kId));
    tagELWCode a = Warrant("57A001", "Alpha", "1"), b = Warrant("57B123", "Beta", "2");
    ctrl.GetComboBox()->SetItemDataPtr(ctrl.GetComboBox()->AddString("57A001"), &a);
    ctrl.GetComboBox()->SetItemDataPtr(ctrl.GetComboBox()->AddString("57B123"), &b);

    CCELWCodectrlDlg dialog(&ctrl);
    int emptyAtStart = -1, shortSearch = 0, byCode = -1, byName = -1, missing = 0;
    std::string label;
    RunModalScript([&] { return dialog.DoModal(); }, CCELWCodectrlDlg::IDC_LIST,
                   {[&](HWND hwnd) {
                       emptyAtStart = static_cast<int>(dialog.GetList().SendMessage(LVM_GETITEMCOUNT));
                       dialog.AddItem(&a);
                       dialog.AddItem(&b);
                       shortSearch = dialog.Search("57b1"); // codes need five characters
                       byCode = dialog.Search("57b12");
                       label = DlgText(hwnd, CCELWCodectrlDlg::IDC_NAME_LABEL);
                       ::CheckDlgButton(hwnd, CCELWCodectrlDlg::IDC_BY_NAME, BST_CHECKED);
                       byName = dialog.Search("alp");
                       missing = dialog.Search("zzz");
                       EXPECT_EQ(nullptr, dialog.GetChoice());
                       dialog.Search("BETA");
                       ClickDlgButton(hwnd, IDOK);
                       return true;
                   }});
    EXPECT_EQ(0, emptyAtStart);
    EXPECT_EQ(-1, shortSearch);
    EXPECT_EQ(1, byCode);
    EXPECT_EQ(" Beta", label);
    EXPECT_EQ(0, byName);
    EXPECT_EQ(-1, missing);
    EXPECT_EQ(&b, ctrl.GetComboBox()->GetItemDataPtr(0)) << "the choice went back to the control";
    ctrl.DestroyWindow();
    parent.DestroyWindow();
}

} // namespace

namespace {

// Records what the second code search's grid tells it.
class CRecordingCdeDlg : public CCdeCtrlDlg
{
public:
    explicit CRecordingCdeDlg(CWnd* owner) : CCdeCtrlDlg(owner) {}
    std::vector<WPARAM> commands;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        if (LOWORD(wParam) == IDC_GRID)
            commands.push_back(wParam);
        return CCdeCtrlDlg::OnCommand(wParam, lParam);
    }
};

} // namespace

TEST_F(CodeDialogTest, SecondCodeSearchGridNoticesAndNoChoice)
{
    CRecordingCdeDlg dialog(ctrl.get());
    CRect window;
    const ModalScriptResult run = RunModalScript([&] { return dialog.DoModal(); }, CCdeCtrlDlg::IDC_GRID,
                                                 {[&](HWND hwnd) {
                                                     ::GetWindowRect(hwnd, &window);
                                                     CGridDataList& grid = dialog.GetGrid();
                                                     grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
                                                     grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
                                                     grid.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 30));
                                                     return true;
                                                 }});
    EXPECT_FALSE(run.stalled);
    EXPECT_EQ(IDCANCEL, run.result) << "a double click presses OK, which without a choice cancels";
    EXPECT_EQ((std::vector<WPARAM>{MAKEWPARAM(CCdeCtrlDlg::IDC_GRID, 0), MAKEWPARAM(CCdeCtrlDlg::IDC_GRID, 5)}),
              dialog.commands);
    EXPECT_EQ(CSize(540, 300), window.Size());
}
