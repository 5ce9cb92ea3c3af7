// Toggles: on/off, and radio toggles that clear each other without disturbing other windows.
#include <gtest/gtest.h>

#include <memory>

#include "ImgButton.h"
#include "widget_host.h"

namespace {

class ToggleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateHost());
        for (int i = 0; i < 3; ++i) {
            radios[i].reset(new CImgToggle);
            ASSERT_TRUE(radios[i]->Create("", WS_CHILD | WS_VISIBLE, CImgToggle::KIND_RADIO,
                                          CRect(10 + 40 * i, 10, 40 + 40 * i, 30), &parent, 7100 + i));
        }
        plain.reset(new CImgToggle);
        ASSERT_TRUE(plain->Create("", WS_CHILD | WS_VISIBLE, 2, CRect(10, 50, 40, 70), &parent, 7110));
        ASSERT_TRUE(foreign.CreateChild(&parent, CRect(100, 50, 200, 100), 7120));
        ASSERT_TRUE(grandchild.CreateChild(&foreign, CRect(0, 0, 20, 20), 7121));
    }
    void TearDown() override
    {
        for (auto& r : radios)
            r.reset();
        plain.reset();
        parent.DestroyWindow();
    }
    void Click(CImgButton& b)
    {
        b.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        b.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        DispatchQueued();
    }

    CRecordingParent parent;
    std::unique_ptr<CImgToggle> radios[3];
    std::unique_ptr<CImgToggle> plain;
    CForeignChild foreign;
    CForeignChild grandchild;
};

TEST_F(ToggleTest, RadioTogglesClearEachOtherAndNoOtherWindow)
{
    plain->SetCheck(1);
    Click(*radios[0]);
    EXPECT_EQ(1, radios[0]->GetCheck());
    Click(*radios[1]);
    EXPECT_EQ(0, radios[0]->GetCheck());
    EXPECT_EQ(1, radios[1]->GetCheck());
    EXPECT_EQ(0, radios[2]->GetCheck());
    EXPECT_EQ(1, plain->GetCheck()) << "a plain toggle is not of the group";
    EXPECT_TRUE(foreign.userMessages.empty()) << "a control of another class got the radio message";
    EXPECT_TRUE(grandchild.userMessages.empty());
    EXPECT_EQ(BTN_STATE_PRESSED, radios[1]->GetCurState());
    EXPECT_EQ(BTN_STATE_OVER, radios[0]->GetCurState()) << "no longer pressed: the mouse left it over";
}

TEST_F(ToggleTest, ClickingACheckedRadioChangesNothing)
{
    Click(*radios[2]);
    parent.Clear();
    Click(*radios[2]);
    EXPECT_EQ(1, radios[2]->GetCheck());
    EXPECT_TRUE(parent.Of(WM_COMMAND).empty());
}

TEST_F(ToggleTest, PlainToggleFlipsAndClicks)
{
    Click(*plain);
    EXPECT_EQ(1, plain->GetCheck());
    Click(*plain);
    EXPECT_EQ(0, plain->GetCheck());
    EXPECT_EQ(2u, parent.Of(WM_COMMAND).size());
    // The radio message means nothing to a plain toggle.
    plain->SetCheck(1);
    EXPECT_EQ(1, plain->SendMessage(WM_CHG_TOGGLE, 0, 0));
    EXPECT_EQ(1, plain->GetCheck());
}

TEST_F(ToggleTest, DisabledTogglePaintsNormal)
{
    radios[0]->SetCheck(1);
    radios[0]->EnableWindow(FALSE);
    EXPECT_EQ(BTN_STATE_NORMAL, radios[0]->GetCurState());
    EXPECT_EQ(1, radios[0]->SendMessage(WM_CHG_TOGGLE, 1, 0));
    EXPECT_EQ(1, radios[0]->GetCheck());
    radios[0]->SendMessage(WM_CHG_TOGGLE, 0, 0);
    EXPECT_EQ(0, radios[0]->GetCheck());
}

} // namespace
