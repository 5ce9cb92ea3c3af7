// The order confirmation, order options and notice dialogs as a user meets them: the
// confirmation's cell texts, colours and keys per order kind (an unknown kind cannot be
// confirmed), the options' "user.cfg" keys, and the notice's texts on its framed panel.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ColorMap.h"
#include "MsgCtrl.h"
#include "Grid.h"
#include "InstallFolders.h"
#include "NoticeDlg.h"
#include "OrdConfirm.h"
#include "OrdOption.h"
#include "SComboBox.h"
#include "SpinEdit.h"
#include "code_master_fixture.h"
#include "modal_script.h"
#include "order_fixture.h"
#include "pixel_probe.h"
#include "temp_dir.h"

namespace {

class OrderDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { OrderDialogsEnvironment::SetUp(); }
    static void TearDownTestSuite() { OrderDialogsEnvironment::TearDown(); }

    OwnerWindow owner;
};

// --- the order confirmation ------------------------------------------------------------------

struct ConfirmCase
{
    const char* name;
    tagOrdConfirmInfo info;
    const char* title;
    const char* rows[4]; // grid 1002's values: quantity, price, order type, original order
    const char* row3Head;
    int boldRow;         // the order grid's bold value row, -1 none
    WORD back;           // the kind's ground; 0 the view's
    WORD okFill, okFrame; // the OK button's look
};

const ConfirmCase kConfirms[] = {
    {"sell", {0, 660, 51000, 10, 0, 0}, "매도주문", {"10", "51,000", "00 보통", ""}, "", 2, 614, 641, 645},
    {"buyMarket", {1, 660, 0, 1500, 0, 3}, "매수주문", {"1,500", "0", "03 시장가", ""}, "", 2, 615, 646, 650},
    {"buyIoc", {1, 660, 700, 1, 9, 13}, "매수주문", {"1", "700", "13 시장가(IOC)", ""}, "", 2, 615, 646, 650},
    {"buyUnknownType", {1, 660, 700, 1, 0, 4}, "매수주문", {"1", "700", "", ""}, "", 2, 615, 646, 650},
    {"modifyRest", {2, 660, 0, 0, 12345, 26}, "정정주문", {"잔량", "", "26 최유리(FOK)", "12345"}, "원주문번호", -1, 616, 651, 655},
    {"modifyPrice", {2, 660, 52000, 5, 0, 20}, "정정주문", {"5", "52,000", "20 보통(FOK)", ""}, "원주문번호", -1, 616, 651, 655},
    {"cancelRest", {3, 660, 50000, 0, 4321, 0}, "취소주문", {"잔량", "", "", "4321"}, "원주문번호", 3, 617, 656, 660},
    {"cancelPart", {3, 660, 0, 7, 88, 5}, "취소주문", {"7", "", "", "88"}, "원주문번호", 3, 617, 656, 660},
    // Kinds the dialog does not know: nothing that looks like an order, in the view's colours.
    {"kindFour", {4, 660, 51000, 10, 1, 0}, "", {"", "", "", ""}, "", -1, 0, 0, 0},
    {"kindNegative", {-1, 660, 51000, 10, 1, 0}, "", {"", "", "", ""}, "", -1, 0, 0, 0},
    {"kindHuge", {0x7fffffff, 660, 1, 1, 1, 0}, "", {"", "", "", ""}, "", -1, 0, 0, 0},
};

class ConfirmTest : public OrderDialogTest
{
protected:
    void Make(tagOrdConfirmInfo info, const char* account = "12345678901", const char* holder = "홍길동")
    {
        dialog.reset(new COrdConfirm(&owner));
        dialog->SetOrderInfo(&info, account, holder);
        ASSERT_TRUE(dialog->Create());
    }
    void TearDown() override
    {
        if (dialog && dialog->GetSafeHwnd() != NULL)
            dialog->DestroyWindow();
        dialog.reset();
    }
    CGrid& Grid(WORD id)
    {
        CGrid* grid = dynamic_cast<CGrid*>(dialog->GetControl(id));
        EXPECT_NE(grid, nullptr);
        return *grid;
    }
    std::string Text(WORD id, UINT col, UINT row) { return (const char*)Grid(id).GetCellText(col, row); }
    std::string WindowText(WORD id)
    {
        CString text;
        dialog->GetControl(id)->GetWindowText(text);
        return (const char*)text;
    }

    CodeMasterFixture master;
    std::unique_ptr<COrdConfirm> dialog;
};

class ConfirmKindTest : public ConfirmTest, public ::testing::WithParamInterface<ConfirmCase>
{
};

TEST_P(ConfirmKindTest, CellsTitleAndColoursFollowTheKind)
{
    const ConfirmCase& c = GetParam();
    Make(c.info);
    EXPECT_EQ(WindowText(IDC_ORDCONFIRM_TITLE), c.title);
    const char* heads[] = {"주문수량", "주문가격", "주문구분"};
    for (UINT row = 0; row < 3; ++row)
        EXPECT_EQ(Text(IDC_ORDCONFIRM_ORDER, 0, row), heads[row]);
    EXPECT_EQ(Text(IDC_ORDCONFIRM_ORDER, 0, 3), c.row3Head);
    for (UINT row = 0; row < 4; ++row) {
        EXPECT_EQ(Text(IDC_ORDCONFIRM_ORDER, 1, row), c.rows[row]) << row;
        EXPECT_EQ(Grid(IDC_ORDCONFIRM_ORDER).GetRowHeight(row), 22) << row;
        const bool bold = (Grid(IDC_ORDCONFIRM_ORDER).GetCellPtr(1, row)->nFlags & GCF_BOLD) != 0;
        EXPECT_EQ(bold, (int)row == c.boldRow) << row;
    }
    // The account and the item are bold whatever the kind.
    for (UINT row = 0; row < 2; ++row)
        EXPECT_NE(Grid(IDC_ORDCONFIRM_ACCOUNT).GetCellPtr(1, row)->nFlags & GCF_BOLD, 0u) << row;
    EXPECT_EQ(Text(IDC_ORDCONFIRM_ACCOUNT, 0, 0), "계좌정보");
    EXPECT_EQ(Text(IDC_ORDCONFIRM_ACCOUNT, 0, 1), "종    목");
    EXPECT_EQ(Text(IDC_ORDCONFIRM_ACCOUNT, 1, 0), "123-45-678901(홍길동)");
    EXPECT_EQ(Text(IDC_ORDCONFIRM_ACCOUNT, 1, 1), "하이닉스(000660)");
    EXPECT_EQ(Grid(IDC_ORDCONFIRM_ORDER).GetUseCellSelect(), 0);
    EXPECT_EQ(ControlsOutside(*dialog), "");

    const bool known = c.back != 0;
    EXPECT_EQ(dialog->GetControl(IDC_ORDCONFIRM_OK)->IsWindowEnabled() != 0, known);
    dialog->ShowWindow(SW_SHOWNOACTIVATE);
    const COLORREF back = CColorMap::GetColor(known ? c.back : CLR_VIEW_BACKGROUND);
    EXPECT_EQ(ShownPixel(*dialog, 2, 120), back);
    if (known) {
        CWnd& ok = *dialog->GetControl(IDC_ORDCONFIRM_OK);
        EXPECT_EQ(ShownPixel(ok, 0, 0), CColorMap::GetColor(c.okFrame));
        EXPECT_EQ(ShownPixel(ok, 3, 3), CColorMap::GetColor(c.okFill));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ConfirmKindTest, ::testing::ValuesIn(kConfirms),
                         [](const ::testing::TestParamInfo<ConfirmCase>& info) { return std::string(info.param.name); });

TEST_F(ConfirmTest, UnknownKindIsLogged)
{
    Make({9, 660, 1, 1, 0, 0});
    EXPECT_NE(OrderDialogsEnvironment::ServerLog().find("order kind 9"), std::string::npos);
}

TEST_F(ConfirmTest, UnknownItemLeavesTheItemRowEmpty)
{
    Make({0, 123456, 1, 1, 0, 0}, "50012345678", "");
    EXPECT_EQ(Text(IDC_ORDCONFIRM_ACCOUNT, 1, 1), "");
    EXPECT_EQ(Text(IDC_ORDCONFIRM_ACCOUNT, 1, 0), "500-12-345678()");
}

TEST_F(ConfirmTest, SeparatorIsHiddenAndTheTabOrderIsOkThenCancel)
{
    Make({1, 660, 1, 1, 0, 0});
    CWnd* bound = dialog->GetDlgItem(IDC_ORDCONFIRM_BOUND);
    ASSERT_NE(bound, nullptr);
    EXPECT_FALSE(bound->IsWindowVisible());
    CRect rc;
    bound->GetWindowRect(&rc);
    dialog->ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(0, 194, 253, 196));
    EXPECT_EQ(dialog->GetControl(IDC_ORDCONFIRM_TITLE)->GetStyle() & (SS_CENTER | SS_CENTERIMAGE),
              static_cast<DWORD>(SS_CENTER | SS_CENTERIMAGE));

    dialog->ShowWindow(SW_SHOW);
    dialog->InitWindow();
    const HWND ok = dialog->GetControl(IDC_ORDCONFIRM_OK)->GetSafeHwnd();
    EXPECT_EQ(::GetFocus(), ok);
    MSG tab = {ok, WM_KEYDOWN, VK_TAB, 0};
    EXPECT_TRUE(dialog->PreTranslateMessage(&tab));
    EXPECT_EQ(::GetFocus(), dialog->GetControl(IDC_ORDCONFIRM_CANCEL)->GetSafeHwnd());
}

// The modal dialog's answers: the focused button with Enter, a click, Esc.
struct AnswerCase
{
    const char* name;
    int kind;
    int focus; // the button given the focus, 0 none
    UINT key;  // 0: click the focused button instead
    INT_PTR answer;
};

const AnswerCase kAnswers[] = {
    {"enterOnOk", 1, IDC_ORDCONFIRM_OK, VK_RETURN, IDOK},
    {"enterOnCancel", 0, IDC_ORDCONFIRM_CANCEL, VK_RETURN, IDCANCEL},
    {"clickOk", 2, IDC_ORDCONFIRM_OK, 0, IDOK},
    {"clickCancel", 3, IDC_ORDCONFIRM_CANCEL, 0, IDCANCEL},
    {"escape", 1, IDC_ORDCONFIRM_OK, VK_ESCAPE, IDCANCEL},
    // An unknown kind: OK does nothing, so the script stalls and cancels.
    {"unknownKindOk", 5, IDC_ORDCONFIRM_OK, 0, IDCANCEL},
};

class ConfirmAnswerTest : public ConfirmTest
{
};

TEST_F(ConfirmAnswerTest, EveryWayOut)
{
    for (const AnswerCase& c : kAnswers) {
        SCOPED_TRACE(c.name);
        COrdConfirm modal(&owner);
        tagOrdConfirmInfo info = {c.kind, 660, 100, 1, 0, 0};
        modal.SetOrderInfo(&info, "12345678901", "홍길동");
        const ModalScriptResult run = RunModalScript([&] { return modal.DoModal(); }, IDC_ORDCONFIRM_OK,
                                                     {[&](HWND dlg) {
                                                          HWND button = ::GetDlgItem(dlg, c.focus);
                                                          if (c.key == 0) {
                                                              ClickDlgButton(dlg, c.focus);
                                                          } else {
                                                              ::SetFocus(button);
                                                              PressKey(button, c.key);
                                                          }
                                                          return true;
                                                      }},
                                                     c.kind >= 0 && c.kind < 4 ? 8000 : 1500);
        EXPECT_EQ(run.result, c.answer);
        EXPECT_EQ(run.stalled, c.kind >= 4);
    }
}

TEST_F(ConfirmTest, StatusTextGoesToTheMessageLine)
{
    Make({1, 660, 1, 1, 0, 0});
    ASSERT_TRUE(dialog->InstallMsgCtrl(FALSE));
    const char status[] = "주문 전송중";
    COPYDATASTRUCT cds = {20000, sizeof status, (void*)status};
    dialog->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    const std::string shown = dialog->GetMsgCtrl()->GetMessage();
    EXPECT_NE(shown.find("주문 전송중"), std::string::npos) << shown;
}

TEST(OrderTypeText, CodesAndTheirTexts)
{
    const struct
    {
        int code;
        const char* text;
    } types[] = {{0, "00 보통"},         {3, "03 시장가"},        {5, "05 조건부지정가"}, {6, "06 최유리지정가"},
                 {7, "07 최우선지정가"}, {10, "10 보통(IOC)"},    {13, "13 시장가(IOC)"}, {16, "16 최유리(IOC)"},
                 {20, "20 보통(FOK)"},   {23, "23 시장가(FOK)"},  {26, "26 최유리(FOK)"}, {1, ""},
                 {-3, ""},               {27, ""}};
    for (const auto& t : types)
        EXPECT_EQ(std::string(COrdConfirm::GetOrderTypeText(t.code)), t.text) << t.code;
}

// --- the order options -----------------------------------------------------------------------

// "user.cfg" of the test tree, put back as it was after the test.
class UserConfigGuard
{
public:
    UserConfigGuard() : m_path(std::string(GetUserDir()) + "user.cfg"), m_existed(FileExists(m_path))
    {
        if (m_existed)
            m_saved = ReadFileBytes(m_path);
        ::DeleteFileA(m_path.c_str());
    }
    ~UserConfigGuard()
    {
        ::DeleteFileA(m_path.c_str());
        if (m_existed)
            WriteFileBytes(m_path, m_saved);
    }
    const std::string& Path() const { return m_path; }

    std::vector<std::string> Sections() const { return Split(Profile(NULL)); }
    std::vector<std::string> Section(const char* name) const
    {
        std::vector<char> buffer(8192);
        const DWORD n = ::GetPrivateProfileSectionA(name, buffer.data(), (DWORD)buffer.size(), m_path.c_str());
        return Split(std::string(buffer.data(), n));
    }

private:
    std::string Profile(const char* section) const
    {
        std::vector<char> buffer(8192);
        const DWORD n = section == NULL
                            ? ::GetPrivateProfileSectionNamesA(buffer.data(), (DWORD)buffer.size(), m_path.c_str())
                            : 0;
        return std::string(buffer.data(), n);
    }
    static std::vector<std::string> Split(const std::string& list)
    {
        std::vector<std::string> out;
        for (size_t at = 0; at < list.size();) {
            const size_t end = list.find('\0', at);
            out.push_back(list.substr(at, end - at));
            at = end == std::string::npos ? list.size() : end + 1;
        }
        return out;
    }

    std::string m_path;
    bool m_existed;
    std::string m_saved;
};

class OptionTest : public OrderDialogTest
{
protected:
    void SetUp() override
    {
        page.reset(new COrdOption(&owner));
        ASSERT_TRUE(page->Create());
    }
    void TearDown() override
    {
        page->DestroyWindow();
        page.reset();
    }
    void Check(WORD id, bool on) { page->GetControl(id)->SendMessage(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED); }
    void Choose(WORD combo, int index) { page->GetControl(combo)->SendMessage(CB_SETCURSEL, index); }
    void Spin(WORD id, int value) { dynamic_cast<CSpinEdit*>(page->GetControl(id))->SetPos(value); }

    UserConfigGuard config;
    std::unique_ptr<COrdOption> page;
};

const std::vector<std::string> kSectionOrder = {"ORDCONFIRM", "ORDCURSOR",  "ORDDELETE", "ORDSEND",
                                                "ORDPRICEAUTO", "ORDQTYAUTO", "ORDALARM",  "ORDALARM2"};

TEST_F(OptionTest, UntouchedPageSavesItsDefaults)
{
    ASSERT_TRUE(page->SaveOrderOption());
    EXPECT_EQ(config.Sections(), kSectionOrder);
    EXPECT_EQ(config.Section("ORDCONFIRM"), (std::vector<std::string>{"SELLBUY=0", "CORRECTION=0", "CANCEL=0"}));
    EXPECT_EQ(config.Section("ORDCURSOR"), (std::vector<std::string>{"CURSOR=0"}));
    EXPECT_EQ(config.Section("ORDPRICEAUTO"), (std::vector<std::string>{"SELL=-1", "BUY=-1"}));
    EXPECT_EQ(config.Section("ORDQTYAUTO"), (std::vector<std::string>{"AUTOQTY=0", "FUT=0", "OPT=0"}));
    EXPECT_EQ(config.Section("ORDALARM2"), (std::vector<std::string>{"FUT=0", "OPT=0", "FUT_QTY=0", "OPT_QTY=0"}));
}

TEST_F(OptionTest, ChosenValuesLandUnderTheirKeys)
{
    Check(IDC_OPT_CONFIRM_SELLBUY, true);
    Check(IDC_OPT_CONFIRM_CANCEL, true);
    page->SelectRadioBtn(IDC_OPT_CURSOR_FIRST, IDC_OPT_CURSOR_LAST, IDC_OPT_CURSOR_FIRST + 2);
    Check(IDC_OPT_DELETE_QUANTITY, true);
    Check(IDC_OPT_DELETE_PASS, true);
    Check(IDC_OPT_SEND_PRICE, true);
    Check(IDC_OPT_PRICEAUTO_SELL, true);
    Choose(IDC_OPT_PRICEAUTO_SELL_COMBO, 2);
    Choose(IDC_OPT_PRICEAUTO_BUY_COMBO, 4); // its check box stays off
    Check(IDC_OPT_QTYAUTO, true);
    Spin(IDC_OPT_QTYAUTO_FUT, 1200);
    Spin(IDC_OPT_QTYAUTO_OPT, 30);
    Check(IDC_OPT_ALARM_TICK, true);
    Check(IDC_OPT_ALARM_OPT_BUY, true);
    Spin(IDC_OPT_ALARM_FUT_SELLRATE, 5);
    Spin(IDC_OPT_ALARM_OPT_BUYRATE, 15);
    Check(IDC_OPT_ALARM2_OPT, true);
    Spin(IDC_OPT_ALARM2_FUT_QTY, 500000);
    ASSERT_TRUE(page->SaveOrderOption());

    EXPECT_EQ(config.Sections(), kSectionOrder);
    const struct
    {
        const char* section;
        std::vector<std::string> lines;
    } expected[] = {
        {"ORDCONFIRM", {"SELLBUY=1", "CORRECTION=0", "CANCEL=1"}},
        {"ORDCURSOR", {"CURSOR=2"}},
        {"ORDDELETE", {"PRICE=0", "QUANTITY=1", "ISSUE=0", "PASS=1"}},
        {"ORDSEND", {"PRICE=1", "QUANTITY=0"}},
        {"ORDPRICEAUTO", {"SELL=2", "BUY=-1"}},
        {"ORDQTYAUTO", {"AUTOQTY=1", "FUT=1200", "OPT=30"}},
        {"ORDALARM",
         {"RATE=0", "TICK=1", "FUT_SELL=0", "FUT_BUY=0", "OPT_SELL=0", "OPT_BUY=1", "FUT_SELLRATE=5",
          "FUT_BUYRATE=0", "OPT_SELLRATE=0", "OPT_BUYRATE=15"}},
        {"ORDALARM2", {"FUT=0", "OPT=1", "FUT_QTY=500000", "OPT_QTY=0"}},
    };
    for (const auto& e : expected)
        EXPECT_EQ(config.Section(e.section), e.lines) << e.section;
}

TEST_F(OptionTest, PriceChoicesAndSpinLimits)
{
    EXPECT_EQ(ControlsOutside(*page), "");
    CSComboBox* combo = dynamic_cast<CSComboBox*>(page->GetControl(IDC_OPT_PRICEAUTO_BUY_COMBO));
    ASSERT_NE(combo, nullptr);
    const char* choices[] = {"현재가", "상대1호가", "상대2호가", "상대3호가", "하한가", "상한가"};
    ASSERT_EQ(combo->SendMessage(CB_GETCOUNT), 6);
    for (int i = 0; i < 6; ++i) {
        char text[64] = {0};
        combo->SendMessage(CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, choices[i]);
    }
    CSpinEdit* spin = dynamic_cast<CSpinEdit*>(page->GetControl(IDC_OPT_ALARM2_OPT_QTY));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->GetPos(), 0);
    EXPECT_EQ(spin->GetDeltaPos(), 1);
    int lower = -1, upper = -1;
    spin->GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 500000);
}

// --- the notice ----------------------------------------------------------------------------

TEST_F(OrderDialogTest, NoticeShowsItsTextsOverTheFramedPanel)
{
    CNoticeDlg notice(&owner);
    ASSERT_TRUE(notice.Create(CNoticeDlg::IDD, &owner));
    CString text;
    notice.GetWindowText(text);
    EXPECT_EQ(text, "유의 사항");
    EXPECT_EQ(ControlsOutside(notice), "");
    CWnd* frame = notice.GetDlgItem(IDC_NOTICE_FRAME);
    ASSERT_NE(frame, nullptr);
    char cls[32] = {0};
    ::GetClassNameA(frame->GetSafeHwnd(), cls, sizeof cls);
    EXPECT_STREQ(cls, "Static");
    EXPECT_NE(frame->GetExStyle() & WS_EX_CLIENTEDGE, 0u);
    // Made before the layout: the layout's texts come after it in the sibling order.
    bool frameSeen = false;
    for (HWND child = ::GetWindow(notice.GetSafeHwnd(), GW_CHILD); child != NULL;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (child == frame->GetSafeHwnd())
            frameSeen = true;
        if (::GetDlgCtrlID(child) == IDC_NOTICE_INTRO) {
            EXPECT_TRUE(frameSeen);
        }
    }
    const struct
    {
        WORD id;
        const char* text;
    } texts[] = {
        {IDC_NOTICE_INTRO, " 선물옵션 클릭자동주문은 호가를 마우스로 원크릭 또는 더블클릭하여 \n 주문을 실행시키는 "
                           "전문가용 주문화면입니다.\n\n 아래 유의사항을 숙지하신 후 사용하시기 바랍니다."},
        {IDC_NOTICE_HEADING, " [유의 사항]"},
    };
    for (const auto& t : texts) {
        notice.GetControl(t.id)->GetWindowText(text);
        EXPECT_EQ(text, t.text) << t.id;
    }
    notice.GetControl(IDC_NOTICE_CAUTIONS)->GetWindowText(text);
    for (const char* mark : {" 1. ", " 2. ", " 3. ", " 4. ", " 5. "})
        EXPECT_NE(std::string(text).find(mark), std::string::npos) << mark;
    // The texts of several lines are drawn line by line from the top left.
    for (WORD id : {IDC_NOTICE_INTRO, IDC_NOTICE_CAUTIONS})
        EXPECT_EQ(notice.GetControl(id)->GetStyle() & SS_TYPEMASK, static_cast<DWORD>(SS_LEFTNOWORDWRAP)) << id;
    // The panel and the texts on it show the dialog label colour.
    notice.ShowWindow(SW_SHOWNOACTIVATE);
    const COLORREF label = CColorMap::GetColor(613);
    EXPECT_EQ(ShownPixel(notice, 10, 130), label);   // the panel beside the texts
    EXPECT_EQ(ShownPixel(notice, 500, 240), label);  // the cautions' empty corner
    notice.DestroyWindow();
}

} // namespace
