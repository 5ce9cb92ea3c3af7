// The view's accessors over its controls by id, and its message box.
#include <gtest/gtest.h>

#include <afxcmn.h>
#include <commctrl.h>

#include <cstring>

#include "map_fixture.h"
#include "msgbox_recorder.h"

namespace {

const char kCheckInput[] = "입력값을 확인하세요.";

class MapAccessTest : public MapViewTest
{
protected:
    void SetUp() override
    {
        MapViewTest::SetUp();
        ASSERT_TRUE(Load("position=\"0,0,400,300\"",
                         "<Edit id=\"1001\" position=\"0,0,80,20\"/>"
                         "<Edit id=\"1002\" position=\"0,30,80,20\"/>"
                         "<ImgButton id=\"1003\" position=\"0,60,80,20\" text=\"button\"/>"
                         "<ComboBox id=\"1004\" position=\"100,0,80,100\"/>"
                         "<ComboBox id=\"1005\" position=\"100,30,80,100\"/>"
                         "<DateCombo id=\"1006\" position=\"100,60,100,20\"/>"
                         "<RadioBox id=\"1007\" position=\"200,0,60,20\" group=\"true\" checked=\"true\"/>"
                         "<RadioBox id=\"1008\" position=\"200,30,60,20\"/>"
                         "<RadioBox id=\"1009\" position=\"200,60,60,20\"/>"
                         "<CheckBox id=\"1010\" position=\"200,90,60,20\" checked=\"true\"/>"));
        view->SetWindowPos(NULL, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        view->SetForegroundWindow();
        PumpPending();
    }
    CComboBox* Combo(WORD id) { return static_cast<CComboBox*>(view->GetControl(id)); }
};

TEST_F(MapAccessTest, EditTextIsReadOrTheUserIsSentBackToTheEmptyEdit)
{
    char buf[8];
    view->GetControl(1001)->SetWindowText("abcdefghij");
    memset(buf, 'x', sizeof buf);
    CMsgBoxRecorder boxes;
    EXPECT_TRUE(view->GetEditText(1001, buf, 6));
    EXPECT_STREQ(buf, "abcde");
    EXPECT_EQ(buf[6], 'x'); // nothing written beyond the given length
    EXPECT_EQ(boxes.Count(), 0u);

    view->GetControl(1002)->SetWindowText("");
    EXPECT_FALSE(view->GetEditText(1002, buf, sizeof buf));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, kCheckInput);
    EXPECT_EQ(::GetFocus(), view->GetControl(1002)->GetSafeHwnd());
}

TEST_F(MapAccessTest, ComboTextAndIndexNeedASelectionAmongMoreThanOneItem)
{
    Combo(1004)->AddString("one");
    Combo(1004)->AddString("two");
    Combo(1004)->SetCurSel(1);
    Combo(1005)->AddString("only");
    Combo(1005)->SetCurSel(0);
    char buf[16];
    CMsgBoxRecorder boxes;
    EXPECT_TRUE(view->GetComboText(1004, buf, sizeof buf));
    EXPECT_STREQ(buf, "two");
    EXPECT_EQ(view->GetSelectIndex(1004), 1);
    char small[3];
    EXPECT_TRUE(view->GetComboText(1004, small, sizeof small));
    EXPECT_STREQ(small, "tw");
    EXPECT_EQ(boxes.Count(), 0u);

    // One item, selected: refused.
    EXPECT_FALSE(view->GetComboText(1005, buf, sizeof buf));
    EXPECT_EQ(view->GetSelectIndex(1005), -1);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, kCheckInput);
    EXPECT_EQ(::GetFocus(), view->GetControl(1005)->GetSafeHwnd());
    // No selection: refused.
    Combo(1004)->SetCurSel(-1);
    EXPECT_FALSE(view->GetComboText(1004, buf, sizeof buf));
    EXPECT_EQ(view->GetSelectIndex(1004), -1);
    EXPECT_EQ(boxes.Count(), 2u);
}

TEST_F(MapAccessTest, DateIsWrittenOnlyWhereItFits)
{
    SYSTEMTIME time = {};
    time.wYear = 2026;
    time.wMonth = 3;
    time.wDay = 7;
    ASSERT_TRUE(view->GetControl(1006)->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)));
    char buf[12];
    memset(buf, 'x', sizeof buf);
    EXPECT_TRUE(view->GetDate(1006, buf, 9));
    EXPECT_STREQ(buf, "20260307");
    EXPECT_EQ(buf[9], 'x');
    memset(buf, 'x', sizeof buf);
    EXPECT_FALSE(view->GetDate(1006, buf, 8));
    EXPECT_EQ(buf[8], 'x');
}

TEST_F(MapAccessTest, ButtonsTextsChecksAndEnabling)
{
    char buf[16];
    EXPECT_TRUE(view->GetButtonText(1003, buf, sizeof buf));
    EXPECT_STREQ(buf, "button");
    EXPECT_TRUE(view->SetButtonText(1003, "renamed"));
    EXPECT_TRUE(view->GetButtonText(1003, buf, sizeof buf));
    EXPECT_STREQ(buf, "renamed");
    EXPECT_TRUE(view->GetButtonCheck(1010));
    view->EnableControl(1003, FALSE);
    EXPECT_FALSE(view->GetControl(1003)->IsWindowEnabled());
    view->EnableControl(1003, TRUE);
    EXPECT_TRUE(view->GetControl(1003)->IsWindowEnabled());
}

TEST_F(MapAccessTest, RadioSelectionWithinItsRangeOnly)
{
    struct Case
    {
        WORD first, last, checked;
        BOOL expected[3];
    };
    const Case cases[] = {
        {1007, 1009, 1008, {0, 1, 0}},
        {1007, 1009, 1010, {0, 1, 0}}, // outside the range: nothing changes
        {1007, 1009, 1009, {0, 0, 1}},
        {1008, 1009, 1007, {0, 0, 1}},
        {1007, 1008, 1007, {1, 0, 1}}, // 1009 is outside the range and keeps its check
    };
    for (const Case& c : cases) {
        view->SelectRadioBtn(c.first, c.last, c.checked);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(view->GetButtonCheck(static_cast<WORD>(1007 + i)), c.expected[i])
                << c.first << ".." << c.last << " " << c.checked << " button " << 1007 + i;
    }
}

TEST_F(MapAccessTest, IdsWithoutAControlGiveTheFailureValueSilently)
{
    char buf[16] = "keep";
    CMsgBoxRecorder boxes;
    EXPECT_FALSE(view->GetEditText(2000, buf, sizeof buf));
    EXPECT_FALSE(view->GetButtonText(2000, buf, sizeof buf));
    EXPECT_FALSE(view->GetComboText(2000, buf, sizeof buf));
    EXPECT_FALSE(view->GetDate(2000, buf, sizeof buf));
    EXPECT_FALSE(view->SetButtonText(2000, "x"));
    EXPECT_FALSE(view->GetButtonCheck(2000));
    EXPECT_EQ(view->GetSelectIndex(2000), -1);
    view->EnableControl(2000, FALSE);
    view->SelectRadioBtn(2000, 2002, 2001);
    EXPECT_STREQ(buf, "keep");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(MapAccessTest, MessageBoxTakesDefaultTitleAndAnswers)
{
    CMsgBoxRecorder boxes;
    boxes.QueueAnswer(IDOK);
    boxes.QueueAnswer(IDCANCEL);
    EXPECT_EQ(view->ShowMsgBox("question", 3, "", "", ""), IDOK);
    EXPECT_EQ(view->ShowMsgBox("question", 3, "yes", "no", "title"), IDCANCEL);
    const std::vector<RecordedMessageBox> shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "question");
    EXPECT_EQ(shown[0].caption, "확인");
    EXPECT_EQ(shown[1].caption, "title");
    EXPECT_EQ(shown[0].hWndOwner, nullptr);
}

} // namespace
