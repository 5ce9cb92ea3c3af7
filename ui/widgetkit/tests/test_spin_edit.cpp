// Spin edits on real windows: steps per kind by key, wheel and the up-down button, clamping on
// Enter and on focus loss, typing with decimals, the change notices and the price tick.
#include <gtest/gtest.h>

#include <limits.h>

#include <memory>
#include <string>

#include "SpinEdit.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

class SpinTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(parent.CreateHost());
        edit.reset(new CSpinEdit);
        ASSERT_TRUE(edit->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, CRect(10, 10, 130, 32), &parent,
                                 7501));
        ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(10, 50, 100, 70), &parent, 7502));
    }
    void TearDown() override
    {
        edit.reset();
        parent.DestroyWindow();
    }
    std::string Shown()
    {
        CString text;
        edit->GetWindowText(text);
        return text.GetString();
    }
    void Key(UINT vk)
    {
        edit->SendMessage(WM_KEYDOWN, vk, 1);
        edit->SendMessage(WM_KEYUP, vk, 0xC0000001);
    }
    void Type(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            edit->SendMessage(WM_CHAR, static_cast<unsigned char>(*k), 1);
    }
    size_t Notices()
    {
        DispatchQueued();
        size_t n = 0;
        for (const RecordedMessage& m : parent.Of(WM_COMMAND))
            if (m.wParam == MAKEWPARAM(7501, SPIN_VALUE_CHANGED) && m.lParam == reinterpret_cast<LPARAM>(edit->m_hWnd))
                ++n;
        return n;
    }

    CRecordingParent parent;
    std::unique_ptr<CSpinEdit> edit;
    CEdit other;
};

TEST_F(SpinTest, StepsPerKindByKeyAndWheel)
{
    const struct
    {
        const char* name;
        char kind;
        int decimals, step, lower, upper, start;
        UINT input; // VK_UP, VK_DOWN, or WM_MOUSEWHEEL +/- encoded as 1 / 2
        int value;
        const char* shown;
    } cases[] = {
        {"option up from 3.00", 'P', 2, 1, 0, 100000, 300, VK_UP, 305, "3.05"},
        {"option down from 3.00", 'P', 2, 1, 0, 100000, 300, VK_DOWN, 299, "2.99"},
        {"call below 3.00", 'C', 2, 1, 0, 100000, 250, VK_UP, 251, "2.51"},
        {"future", 'F', 2, 1, 0, 100000, 10000, VK_DOWN, 9995, "99.95"},
        {"plain step up to the range", 0, 0, 5, 0, 100, 98, VK_UP, 100, "100"},
        {"plain step down to the range", 0, 0, 5, 0, 100, 3, VK_DOWN, 0, "0"},
        {"wheel forward", 0, 0, 1000, 0, 10000000, 1000000, 1, 1001000, "1,001,000"},
        {"wheel backward", 0, 0, 7, 0, 100, 50, 2, 43, "43"},
        {"no overflow past the int range", 0, 0, 1000, INT_MIN, INT_MAX, INT_MAX - 1, VK_UP, INT_MAX,
         "2,147,483,647"},
    };
    for (const auto& c : cases) {
        edit->SetItemType(c.kind);
        edit->SetDecimalPoint(c.decimals);
        edit->SetDeltaPos(c.step);
        edit->SetRange(c.lower, c.upper);
        edit->SetPos(c.start);
        DispatchQueued();
        parent.Clear();
        if (c.input == 1 || c.input == 2)
            edit->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, c.input == 1 ? WHEEL_DELTA : -WHEEL_DELTA), 0);
        else
            Key(c.input);
        EXPECT_EQ(c.value, edit->GetPos()) << c.name;
        EXPECT_EQ(c.shown, Shown()) << c.name;
        EXPECT_GE(Notices(), 1u) << c.name;
    }
}

TEST_F(SpinTest, TheUpDownButtonSteps)
{
    edit->SetRange(0, 1000);
    edit->SetDeltaPos(10);
    edit->SetPos(500);
    CSpinBtn* spin = edit->GetSpinControl();
    CRect rect;
    spin->GetClientRect(&rect);
    ASSERT_EQ(16, rect.Width()) << "placed over the edit's right end";
    spin->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.Width() / 2, 2));
    spin->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.Width() / 2, 2));
    EXPECT_EQ(510, edit->GetPos());
    spin->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.Width() / 2, rect.bottom - 2));
    spin->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.Width() / 2, rect.bottom - 2));
    EXPECT_EQ(500, edit->GetPos());
    EXPECT_EQ(0, spin->GetPos32()) << "the up-down's own position is left alone";
    DispatchQueued();
}

TEST_F(SpinTest, ButtonPaintsItsPressedHalf)
{
    CSpinBtn* spin = edit->GetSpinControl();
    CRect rect;
    spin->GetClientRect(&rect);
    Canvas canvas(rect.Width(), rect.Height());
    spin->Paint(canvas.DC(), CPoint(2, 2));
    EXPECT_EQ(RGB(61, 0, 0), canvas.Pixel(8, 2));
    EXPECT_EQ(RGB(0, 63, 0), canvas.Pixel(8, rect.Height() - 2));
    spin->SetPressed(TRUE);
    spin->Paint(canvas.DC(), CPoint(2, 2));
    EXPECT_EQ(RGB(62, 0, 0), canvas.Pixel(8, 2)) << "the upper half pressed";
    EXPECT_EQ(RGB(0, 63, 0), canvas.Pixel(8, rect.Height() - 2));
    spin->Paint(canvas.DC(), CPoint(2, rect.Height() - 2));
    EXPECT_EQ(RGB(61, 0, 0), canvas.Pixel(8, 2));
    EXPECT_EQ(RGB(0, 64, 0), canvas.Pixel(8, rect.Height() - 2)) << "the lower half pressed";
}

TEST_F(SpinTest, TypingWithDecimals)
{
    edit->SetDecimalPoint(2);
    edit->SetWindowText("");
    edit->SetFocus();
    Type("1");
    EXPECT_EQ("1.00", Shown());
    Type("2");
    EXPECT_EQ("12.00", Shown());
    EXPECT_EQ(1200, edit->GetPos());
    Type("abc");
    EXPECT_EQ("12.00", Shown()) << "letters dropped";
    Type(".5");
    EXPECT_EQ("12.50", Shown()) << "'.' moves behind the point, the digit overwrites";
    EXPECT_EQ(1250, edit->GetPos());
    Type("-");
    EXPECT_EQ("-12.50", Shown());
    EXPECT_EQ(-1250, edit->GetPos());
    Type("+");
    EXPECT_EQ("12.50", Shown());
}

TEST_F(SpinTest, TypedValueAboveTheRangeIsClampedOnEnterAndOnFocusLoss)
{
    edit->SetRange(0, 5000);
    edit->SetFocus();
    edit->SetWindowText("");
    Type("9999");
    EXPECT_EQ(9999, edit->GetPos());
    MSG msg = {edit->m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg);
    EXPECT_EQ(5000, edit->GetPos());
    EXPECT_EQ("5,000", Shown());

    edit->SetFocus();
    edit->SetWindowText("");
    Type("77777");
    EXPECT_EQ(77777, edit->GetPos());
    other.SetFocus();
    EXPECT_EQ(5000, edit->GetPos());
    EXPECT_EQ("5,000", Shown());

    edit->SetRange(100, 5000);
    edit->SetFocus();
    edit->SetWindowText("");
    Type("7");
    other.SetFocus();
    EXPECT_EQ(100, edit->GetPos()) << "below the lower bound";
}

TEST_F(SpinTest, HugeTypedNumberStaysAnInt)
{
    edit->SetFocus();
    edit->SetWindowText("");
    Type("99999999999999999999");
    EXPECT_EQ(INT_MAX, edit->GetPos());
}

TEST_F(SpinTest, HiddenSpinButtonFollowsTheFlag)
{
    EXPECT_TRUE(edit->GetSpinControl()->IsWindowVisible());
    edit->ShowWindow(SW_HIDE);
    EXPECT_FALSE(edit->GetSpinControl()->IsWindowVisible());
    edit->ShowWindow(SW_SHOW);
    EXPECT_TRUE(edit->GetSpinControl()->IsWindowVisible());
    edit->SetShowSpinBtn(FALSE);
    EXPECT_FALSE(edit->GetSpinControl()->IsWindowVisible());
}

TEST(PriceSpin, StepFollowsThePriceTick)
{
    LoadTestSkin();
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateHost());
    CPriceSpinEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 130, 32), &parent, 7503));
    edit.SetRange(0, 10000000);
    const struct
    {
        const char* typed;
        int tick;
        int upFrom; // the value after one step up
    } cases[] = {{"900", 1, 901}, {"4500", 5, 4505}, {"75000", 100, 75100}, {"600000", 1000, 601000}};
    for (const auto& c : cases) {
        edit.SetWindowText(c.typed);
        EXPECT_EQ(c.tick, edit.GetLastTick()) << c.typed;
        EXPECT_EQ(c.tick, edit.GetDeltaPos()) << c.typed;
        edit.SendMessage(WM_KEYDOWN, VK_UP, 1);
        EXPECT_EQ(c.upFrom, edit.GetPos()) << c.typed;
    }
    edit.DestroyWindow();
    parent.DestroyWindow();
}

} // namespace
