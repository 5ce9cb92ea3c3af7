// The view's code selectors and account control from the layout: the last of each kind is the
// view's, the account element's mode and password, the selected code and account through the
// view, and the screen's code kept in "screen.cfg" across closing and reopening.
#include <gtest/gtest.h>

#include "AccountCtrl.h"
#include "CdeCtrl.h"
#include "ELWCodeCtrl.h"
#include "IniFiles.h"
#include "InstallFolders.h"
#include "SharedData.h"
#include "code_master_fixture.h"
#include "map_fixture.h"
#include "map_test.h"

namespace {

const char kScreen[] = "T9150";

std::string ScreenCfg()
{
    return std::string(GetUserDir()) + "screen.cfg";
}

class MapSelectorTest : public MapViewTest
{
protected:
    void SetUp() override
    {
        MapViewTest::SetUp();
        codeLink = CSharedData::GetCodeLink();
        CAccountCtrl::SetActiveAccountIndex(0);
        CSharedData::m_arAccount.RemoveAll();
        CSharedData::RegistAccount("12345-01-678901", "첫째", "", 0, '1', "12345-01-678901");
        CSharedData::RegistAccount("22222-11-000001", "둘째", "", 0, '1', "22222-11-000001");
    }
    void TearDown() override
    {
        MapViewTest::TearDown();
        CSharedData::SetCodeLink(codeLink);
        CSharedData::m_arAccount.RemoveAll();
        ::WritePrivateProfileStringA(kScreen, NULL, NULL, ScreenCfg().c_str());
    }
    // A new view of the screen with a code control, as the program opens one.
    void Reopen()
    {
        if (view->GetSafeHwnd() != NULL)
            view->DestroyWindow();
        view.reset(new CTestMapView(&owner, IDD_TEST_MAP_VIEW));
        ASSERT_TRUE(view->Create(IDD_TEST_MAP_VIEW, &owner));
        view->SetScreenID(kScreen);
        ASSERT_TRUE(Load("position=\"0,0,300,200\"", "<CodeCombo id=\"1001\" position=\"0,0,200,22\"/>"));
        view->InitWindow();
    }

    CodeMasterFixture master;
    int codeLink = 0;
};

TEST_F(MapSelectorTest, TheLastOfEachKindIsTheViews)
{
    ASSERT_TRUE(Load("position=\"0,0,400,300\"",
                     "<CodeCombo id=\"1001\" position=\"0,0,200,22\"/>"
                     "<CodeCombo id=\"1002\" position=\"0,30,200,22\"/>"
                     "<ELWCodeCombo id=\"1003\" position=\"0,60,200,22\"/>"
                     "<Account id=\"1004\" position=\"0,90,250,22\"/>"
                     "<Panel id=\"1005\" position=\"0,120,300,60\">"
                     "  <Account id=\"1006\" position=\"0,0,250,22\" account=\"all\" pwd=\"TRUE\"/>"
                     "</Panel>"));
    EXPECT_EQ(view->GetCodeCtrl(), view->GetControl(1002));
    EXPECT_EQ(view->GetELWCodeCtrl(), view->GetControl(1003));
    EXPECT_EQ(view->GetAccountCtrl(), view->GetControl(1006));

    CAccountCtrl* plain = dynamic_cast<CAccountCtrl*>(view->GetControl(1004));
    CAccountCtrl* all = dynamic_cast<CAccountCtrl*>(view->GetControl(1006));
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(plain->GetAccountType(), 0x100u);
    EXPECT_EQ(all->GetAccountType(), 0x1111u);
    EXPECT_EQ(plain->GetPasswordEdit()->GetStyle() & WS_VISIBLE, 0u);
    EXPECT_NE(all->GetPasswordEdit()->GetStyle() & WS_VISIBLE, 0u);

    // A new load forgets the earlier selectors.
    ASSERT_TRUE(Load("position=\"0,0,400,300\"", "<Static id=\"1001\" position=\"0,0,50,20\"/>"));
    EXPECT_EQ(view->GetCodeCtrl(), nullptr);
    EXPECT_EQ(view->GetELWCodeCtrl(), nullptr);
    EXPECT_EQ(view->GetAccountCtrl(), nullptr);
    EXPECT_STREQ(view->GetSelectedItemCode(), "");
    EXPECT_STREQ(view->GetSelectedAccount(), "");
}

TEST_F(MapSelectorTest, CodeAndAccountAreSelectedThroughTheView)
{
    ASSERT_TRUE(Load("position=\"0,0,400,300\"",
                     "<CodeCombo id=\"1001\" position=\"0,0,200,22\"/>"
                     "<Account id=\"1002\" position=\"0,30,250,22\"/>"));
    EXPECT_STREQ(view->GetSelectedAccount(), "12345-01-678901");
    view->SetSelectAccount("22222-11-000001");
    EXPECT_STREQ(view->GetSelectedAccount(), "22222-11-000001");
    view->SetSelectAccount("99999-99-999999");
    EXPECT_STREQ(view->GetSelectedAccount(), "22222-11-000001");

    EXPECT_STREQ(view->GetSelectedItemCode(), "");
    // Codes of three letters are the exchange's own: they are looked up like any other.
    view->SetSelectItemCode("BTC", 0);
    EXPECT_STREQ(view->GetSelectedItemCode(), "BTC");
    view->SetSelectItemCode("000660", 0);
    EXPECT_STREQ(view->GetSelectedItemCode(), "000660");
    view->SetSelectItemCode("NONE", 0);
    EXPECT_STREQ(view->GetSelectedItemCode(), "000660");
}

TEST_F(MapSelectorTest, ScreenCodeIsKeptInScreenCfgAcrossClosing)
{
    CSharedData::SetCodeLink(0);
    Reopen();
    view->SetSelectItemCode("BTC", 0);
    view->DestroyWindow();
    char code[16] = {};
    ::GetPrivateProfileStringA(kScreen, "CODE", "", code, sizeof code, ScreenCfg().c_str());
    EXPECT_STREQ(code, "BTC");

    // Code link off: the screen's own code, whatever the recent one is.
    CSharedData::SetRecentCode(master.Get("ETH"));
    Reopen();
    EXPECT_STREQ(view->GetSelectedItemCode(), "BTC");

    // Code link on with a recent code: the recent code.
    CSharedData::SetRecentCode(master.Get("XRP"));
    CSharedData::SetCodeLink(1);
    Reopen();
    EXPECT_STREQ(view->GetSelectedItemCode(), "XRP");
    view->DestroyWindow();
    ::GetPrivateProfileStringA(kScreen, "CODE", "", code, sizeof code, ScreenCfg().c_str());
    EXPECT_STREQ(code, "XRP");
}

} // namespace
