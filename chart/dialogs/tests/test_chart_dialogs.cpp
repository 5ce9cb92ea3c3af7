// The chart's dialogs run modally as a user meets them, closed by a scripted hook: their values
// in and out, OK and Cancel, the range checks and the library's resources during the run.
#include <gtest/gtest.h>

#include "ChartDialogs.h"
#include "CtlColor.h"
#include "dialog_closer.h"
#include "msgbox_recorder.h"

namespace
{

class ChartDialogs : public ::testing::Test
{
protected:
    CDialogScript script;
};

TEST_F(ChartDialogs, AllSentItemsGivesTheTotal)
{
    CDataNumDlg dlg;
    dlg.m_nTotal = 1500;
    dlg.m_nCount = 120;
    script.Then([](HWND h) {
        EXPECT_EQ(CString("1500"), CDialogScript::Text(h, IDC_DATANUM_TOTAL));
        EXPECT_EQ(CString("120"), CDialogScript::Text(h, IDC_DATANUM_COUNT));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(h, IDC_DATANUM_TOTAL)));
        CDialogScript::Click(h, IDC_DATANUM_ALL);
        EXPECT_EQ(CString("1500"), CDialogScript::Text(h, IDC_DATANUM_COUNT));
        CDialogScript::Click(h, IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1500u, dlg.m_nCount);
}

TEST_F(ChartDialogs, TheSpinRunsOverThirtyTwoBits)
{
    CDataNumDlg dlg;
    dlg.m_nTotal = 250000;
    dlg.m_nCount = 100000;
    script.Then([](HWND h) {
        HWND spin = ::GetDlgItem(h, IDC_DATANUM_SPIN);
        int lower = -1, upper = -1;
        ::SendMessageA(spin, UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
        EXPECT_EQ(1, lower);
        EXPECT_EQ(250000, upper);
        EXPECT_EQ(100000, int(::SendMessageA(spin, UDM_GETPOS32, 0, 0)));
        // An arrow step keeps counting above 32,767.
        ::SendMessageA(spin, UDM_SETPOS32, 0, 200000);
        EXPECT_EQ(CString("200000"), CDialogScript::Text(h, IDC_DATANUM_COUNT));
        CDialogScript::Click(h, IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(200000u, dlg.m_nCount);
}

struct RangeCase
{
    const char* what;
    const char* typed;
};

class DataNumRange : public ChartDialogs, public ::testing::WithParamInterface<RangeCase>
{
};

TEST_P(DataNumRange, AnOutOfRangeCountKeepsTheDialogOpen)
{
    CMsgBoxRecorder boxes;
    CDataNumDlg dlg;
    dlg.m_nTotal = 5000000;
    dlg.m_nCount = 77;
    const char* typed = GetParam().typed;
    script.Then([&boxes, typed](HWND h) {
        ::SetDlgItemTextA(h, IDC_DATANUM_COUNT, typed);
        CDialogScript::Click(h, IDOK);
        EXPECT_EQ(1u, boxes.Count());
        CDialogScript::Click(h, IDCANCEL);
    });
    // The caller reads the count only after OK, which never came.
    EXPECT_EQ(IDCANCEL, dlg.DoModal()) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Table, DataNumRange,
                         ::testing::Values(RangeCase{"above 999,999", "1000000"}, RangeCase{"zero", "0"}));

TEST_F(ChartDialogs, TrendThicknessThreeInTwoOut)
{
    CTrandConfig dlg;
    dlg.m_nThickness = 3;
    dlg.m_clrLine = RGB(0, 128, 0);
    script.Then([](HWND h) {
        EXPECT_EQ(4, int(::SendDlgItemMessageA(h, IDC_TREND_THICKNESS, CB_GETCOUNT, 0, 0)));
        EXPECT_EQ(2, int(::SendDlgItemMessageA(h, IDC_TREND_THICKNESS, CB_GETCURSEL, 0, 0)));
        CDialogScript::Click(h, IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(2, dlg.m_nThickness);
    EXPECT_EQ(RGB(0, 128, 0), dlg.m_clrLine);
}

TEST_F(ChartDialogs, AColourPickedInTheDialogComesBackOnOk)
{
    CTrandConfig dlg;
    dlg.m_clrLine = RGB(0, 0, 0);
    script.Then([](HWND h) {
        HWND button = ::GetDlgItem(h, IDC_TREND_COLOUR);
        CColourPicker* picker = dynamic_cast<CColourPicker*>(CWnd::FromHandlePermanent(button));
        ASSERT_NE(nullptr, picker);
        ::SendMessageA(button, BM_CLICK, 0, 0);
        CColourPopup* popup = picker->GetPopup();
        ASSERT_NE(nullptr, popup);
        // From no cell: right to the first, five more along the row, then down a row: Blue.
        for (int i = 0; i < 6; ++i)
            popup->SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
        popup->SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        popup->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
        EXPECT_EQ(nullptr, picker->GetPopup());
        CDialogScript::Click(h, IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(RGB(0, 0, 255), dlg.m_clrLine); // cell 13: row 1, column 5
}

TEST_F(ChartDialogs, TheLibraryResourcesAreCurrentOnlyDuringTheRun)
{
    const HINSTANCE before = AfxGetResourceHandle();
    HINSTANCE during = NULL;
    script.Then([&during](HWND h) {
        during = AfxGetResourceHandle();
        CDialogScript::Click(h, IDCANCEL);
    });
    DIndexOption dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(CGraphKitResourceScope::Module(), during);
    EXPECT_EQ(before, AfxGetResourceHandle());
}

TEST_F(ChartDialogs, TheAxisChoiceIsARadioGroup)
{
    DIndexOption dlg;
    dlg.m_nChoice = 1;
    script.Then([](HWND h) {
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(h, IDC_INDEX_SHARERIGHT));
        ::CheckRadioButton(h, IDC_INDEX_NEWRIGHT, IDC_INDEX_NONE, IDC_INDEX_NONE);
        CDialogScript::Click(h, IDOK);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(4, dlg.m_nChoice);
}

struct DropCase
{
    const char* what;
    BOOL hasSeries;
    int sideIn;
    int preset; // the radio checked on opening
    int chosen; // the radio the user picks (-1: Cancel)
    BOOL ok;
    int sideOut;
};

class DropAxis : public ChartDialogs, public ::testing::WithParamInterface<DropCase>
{
};

TEST_P(DropAxis, TheChoiceGivesTheSide)
{
    const DropCase& c = GetParam();
    script.Then([&c](HWND h) {
        EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(h, IDC_INDEX_NEWRIGHT + c.preset)) << c.what;
        if (c.chosen < 0)
        {
            CDialogScript::Click(h, IDCANCEL);
            return;
        }
        ::CheckRadioButton(h, IDC_INDEX_NEWRIGHT, IDC_INDEX_NONE, IDC_INDEX_NEWRIGHT + c.chosen);
        CDialogScript::Click(h, IDOK);
    });
    int side = c.sideIn;
    EXPECT_EQ(c.ok, RunDropAxisDialog(nullptr, c.hasSeries, side)) << c.what;
    EXPECT_EQ(c.sideOut, side) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, DropAxis,
                         ::testing::Values(DropCase{"empty region, left offered", FALSE, 0, 2, 0, TRUE, 1},
                                           DropCase{"series there, right shared", TRUE, 1, 1, 3, TRUE, 0},
                                           DropCase{"no axis keeps the side", TRUE, 1, 1, 4, TRUE, 1},
                                           DropCase{"cancel", TRUE, 1, 1, -1, FALSE, 1}));

TEST_F(ChartDialogs, ListsComeFromTheLibraryResources)
{
    ASSERT_EQ(949u, ::GetACP());
    CLinePropDlg line;
    script.Then([](HWND h) {
        EXPECT_EQ(8, int(::SendDlgItemMessageA(h, IDC_LINE_SHAPE, CB_GETCOUNT, 0, 0)));
        char text[64] = "";
        ::SendDlgItemMessageA(h, IDC_LINE_SHAPE, CB_GETLBTEXT, 7, (LPARAM)text);
        EXPECT_STREQ("채운원", text);
        // The thickness list stays in option 0: five entries.
        EXPECT_EQ(5, int(::SendDlgItemMessageA(h, IDC_LINE_THICKNESS, CB_GETCOUNT, 0, 0)));
        CDialogScript::Click(h, IDCANCEL);
    });
    line.DoModal();
    CCandlePropDlg candle;
    script.Then([](HWND h) {
        EXPECT_EQ(3, int(::SendDlgItemMessageA(h, IDC_CANDLE_KIND, CB_GETCOUNT, 0, 0)));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(h, IDC_CANDLE_KIND)));
        CDialogScript::Click(h, IDCANCEL);
    });
    candle.DoModal();
}

// Every dialog: OK unchanged gives back what went in, Cancel after changes keeps the caller's
// values.
struct RoundTrip
{
    const char* what;
    std::function<void(CDialogScript&, BOOL ok)> run;
};

class DialogRoundTrip : public ChartDialogs, public ::testing::WithParamInterface<RoundTrip>
{
};

TEST_P(DialogRoundTrip, OkKeepsTheValuesAndCancelChangesNothing)
{
    GetParam().run(script, TRUE);
    GetParam().run(script, FALSE);
}

void UntickEverything(HWND h)
{
    for (HWND child = ::GetWindow(h, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if ((::GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX)
            ::SendMessageA(child, BM_SETCHECK, BST_UNCHECKED, 0);
}

void Finish(CDialogScript& script, BOOL ok)
{
    script.Then([ok](HWND h) {
        if (!ok)
            UntickEverything(h);
        CDialogScript::Click(h, ok ? IDOK : IDCANCEL);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Table, DialogRoundTrip,
    ::testing::Values(
        RoundTrip{"settings",
                  [](CDialogScript& script, BOOL ok) {
                      CChartConfigDlg dlg;
                      dlg.m_clrOuterBack = RGB(1, 1, 1);
                      dlg.m_clrFrame = RGB(2, 2, 2);
                      dlg.m_clrTimeBack = RGB(3, 3, 3);
                      dlg.m_clrChartBack = RGB(4, 4, 4);
                      dlg.m_clrTimeText = RGB(5, 5, 5);
                      dlg.m_clrHLine = RGB(7, 7, 7);
                      dlg.m_clrVLine = RGB(8, 8, 8);
                      dlg.m_nToolBar = dlg.m_nToolTip = dlg.m_nFluctuation = 1;
                      dlg.m_nTimeDisplay = dlg.m_nHLines = dlg.m_nVLines = 1;
                      Finish(script, ok);
                      EXPECT_EQ(ok ? IDOK : IDCANCEL, dlg.DoModal());
                      EXPECT_EQ(RGB(1, 1, 1), dlg.m_clrOuterBack);
                      EXPECT_EQ(RGB(4, 4, 4), dlg.m_clrChartBack);
                      EXPECT_EQ(RGB(5, 5, 5), dlg.m_clrTimeText); // hidden, still carried
                      EXPECT_EQ(RGB(8, 8, 8), dlg.m_clrVLine);
                      EXPECT_EQ(1, dlg.m_nToolBar);
                      EXPECT_EQ(1, dlg.m_nFluctuation);
                      EXPECT_EQ(1, dlg.m_nVLines);
                  }},
        RoundTrip{"candle",
                  [](CDialogScript& script, BOOL ok) {
                      CCandlePropDlg dlg;
                      EXPECT_EQ(CCtlColor::GetPaletteColor(465), dlg.m_clrRise);
                      EXPECT_EQ(CCtlColor::GetPaletteColor(464), dlg.m_clrFall);
                      EXPECT_EQ(1, dlg.m_nRiseFill);
                      Finish(script, ok);
                      EXPECT_EQ(ok ? IDOK : IDCANCEL, dlg.DoModal());
                      EXPECT_EQ(1, dlg.m_nRiseFill);
                      EXPECT_EQ(1, dlg.m_nFallFill);
                      EXPECT_EQ(CCtlColor::GetPaletteColor(465), dlg.m_clrRise);
                  }},
        RoundTrip{"line",
                  [](CDialogScript& script, BOOL ok) {
                      CLinePropDlg dlg;
                      EXPECT_EQ(RGB(255, 0, 0), dlg.m_clrLine);
                      dlg.m_nThickness = 3;
                      dlg.m_nShape = 6;
                      dlg.m_nShadow = 1;
                      Finish(script, ok);
                      EXPECT_EQ(ok ? IDOK : IDCANCEL, dlg.DoModal());
                      EXPECT_EQ(3, dlg.m_nThickness);
                      EXPECT_EQ(6, dlg.m_nShape);
                      EXPECT_EQ(1, dlg.m_nShadow);
                  }},
        RoundTrip{"bar",
                  [](CDialogScript& script, BOOL ok) {
                      CBarPropDlg dlg;
                      EXPECT_EQ(RGB(200, 0, 0), dlg.m_clrUp);
                      EXPECT_EQ(RGB(0, 0, 200), dlg.m_clrDown);
                      dlg.m_nShadow = 1;
                      Finish(script, ok);
                      EXPECT_EQ(ok ? IDOK : IDCANCEL, dlg.DoModal());
                      EXPECT_EQ(RGB(0, 0, 200), dlg.m_clrDown);
                      EXPECT_EQ(1, dlg.m_nShadow);
                  }},
        RoundTrip{"volume", [](CDialogScript& script, BOOL ok) {
                      CVolumePorpDlg dlg;
                      EXPECT_EQ(RGB(0, 200, 0), dlg.m_clrBar);
                      dlg.m_nShadow = 1;
                      Finish(script, ok);
                      EXPECT_EQ(ok ? IDOK : IDCANCEL, dlg.DoModal());
                      EXPECT_EQ(RGB(0, 200, 0), dlg.m_clrBar);
                      EXPECT_EQ(1, dlg.m_nShadow);
                  }}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.what); });

} // namespace
