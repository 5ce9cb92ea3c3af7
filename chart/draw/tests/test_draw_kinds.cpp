// Chart objects of every kind: which are hit and selected, their lookup rows and the settings
// dialog each opens.
#include <gtest/gtest.h>

#include <vector>

#include "../../series/tests/picture.h"
#include "LayoutRecords.h"
#include "SearchData.h"
#include "draw_fixture.h"

namespace
{

const COLORREF WHITE = RGB(255, 255, 255);
const CRect AREA(0, 0, 200, 100);

TEST(DrawKinds, OnlyLinesCandlesHlcAndBarsAreHit)
{
    for (int kind = 0; kind <= 8; ++kind)
    {
        DrawFixture f(kind, {{50, 50}, {50, 50}, {50, 50}, {50, 50}}, 100);
        f.object.SetMaximum(100);
        int hits = 0;
        for (int x = 1; x < 200; x += 4)
            for (int y = 1; y < 100; y += 4)
                hits += f.object.HitTest(AREA, x, y, FALSE);
        if (kind <= 3)
            EXPECT_LT(0, hits) << kind;
        else
            EXPECT_EQ(0, hits) << kind;
    }
}

TEST(DrawKinds, KindsFourToSevenDrawNoSelectionHandles)
{
    for (int kind = 4; kind <= 7; ++kind)
    {
        DrawFixture f(kind, {{2500, 7500}, {50, 50}, {0, 1}, {0, 5000}}, 100);
        Picture plain(200, 100, WHITE), selected(200, 100, WHITE);
        f.object.Draw(AREA, &plain.dc(), FALSE);
        f.object.ToggleSelect();
        f.object.Draw(AREA, &selected.dc(), FALSE);
        f.object.ToggleSelect();
        for (int y = 0; y < 100; y += 2)
            for (int x = 0; x < 200; x += 2)
                ASSERT_EQ(plain.At(x, y), selected.At(x, y)) << kind << " " << x << "," << y;
    }
}

TEST(DrawKinds, KindSevenDrawsNothingAndHasNoRows)
{
    DrawFixture f(DRAWKIND_MEAMUL, {{50, 50}}, 100);
    Picture picture(200, 100, WHITE);
    f.object.Draw(AREA, &picture.dc(), FALSE);
    for (int y = 0; y < 100; y += 3)
        for (int x = 0; x < 200; x += 3)
            ASSERT_EQ(WHITE, picture.At(x, y));
    DREGIONSTRUCTURE region;
    CObList rows;
    f.object.AddLookupRows(0, rows, region, 0);
    EXPECT_EQ(0, rows.GetCount());
}

struct Row
{
    CString title;
    int value, previous, groupEnd;
};

std::vector<Row> RowsOf(CDrawObject& object, int index, int mode, const DREGIONSTRUCTURE& region)
{
    CObList list;
    object.AddLookupRows(index, list, region, mode);
    std::vector<Row> rows;
    for (POSITION pos = list.GetHeadPosition(); pos;)
    {
        CSearchData* row = static_cast<CSearchData*>(list.GetNext(pos));
        rows.push_back(Row{row->m_strTitle, row->m_nValue, row->m_nReserved[0], row->m_nHighlight});
        delete row;
    }
    return rows;
}

TEST(LookupRows, CandlesGiveFourRowsWithThePreviousClose)
{
    // open, high, low, close, newest first.
    DrawFixture f(DRAWKIND_CANDLE, {{0, 0}, {10, 11}, {20, 21}, {5, 6}, {15, 16}}, 5);
    f.object.BindCandleSeries();
    DREGIONSTRUCTURE region;
    std::vector<Row> rows = RowsOf(f.object, 0, 0, region);
    ASSERT_EQ(4u, rows.size());
    const char* names[] = {"시가", "고가", "저가", "종가"};
    const int values[] = {10, 20, 5, 15};
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_EQ(CString(names[k]), rows[k].title);
        EXPECT_EQ(values[k], rows[k].value) << k;
        EXPECT_EQ(16, rows[k].previous) << k; // the previous close on every row
        EXPECT_EQ(k == 3 ? 1 : 0, rows[k].groupEnd) << k;
    }
    // The oldest bar has no bar before it; a mode above 2 gives no previous value either.
    EXPECT_EQ(SERIES_NODATA, RowsOf(f.object, 1, 0, region)[0].previous);
    EXPECT_EQ(SERIES_NODATA, RowsOf(f.object, 0, 3, region)[0].previous);
}

TEST(LookupRows, TheSidesEmptyValueShowsAsNoValue)
{
    DrawFixture f(DRAWKIND_LINE, {{-1, 7}}, 5);
    f.object.m_strObjectName = "avg";
    DREGIONSTRUCTURE region;
    region.LeftSide.EmptyValue = -1;
    std::vector<Row> rows = RowsOf(f.object, 0, 0, region);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(CString("avg"), rows[0].title);
    EXPECT_EQ(SERIES_NODATA, rows[0].value);
    EXPECT_EQ(7, rows[0].previous);
    EXPECT_EQ(SERIES_NODATA, RowsOf(f.object, 5, 0, region)[0].value); // past the data
}

struct BarRowCase
{
    int stack, twoSeries;
    const char* first;
    const char* second;
};

class BarRows : public ::testing::TestWithParam<BarRowCase>
{
};

TEST_P(BarRows, NamesFallBackToTheirDefaults)
{
    const BarRowCase& c = GetParam();
    DrawFixture f(DRAWKIND_BAR, {{5}, {6}}, 5);
    f.object.m_nStack = c.stack;
    f.object.m_bTwoSeries = c.twoSeries;
    f.object.m_strBarName = "";
    f.object.m_strBarName2 = "";
    DREGIONSTRUCTURE region;
    std::vector<Row> rows = RowsOf(f.object, 0, 0, region);
    ASSERT_EQ(c.second ? 2u : 1u, rows.size());
    EXPECT_EQ(CString(c.first), rows[0].title);
    EXPECT_EQ(1, rows[0].groupEnd);
    if (c.second)
        EXPECT_EQ(CString(c.second), rows[1].title);
}

INSTANTIATE_TEST_SUITE_P(Table, BarRows,
                         ::testing::Values(BarRowCase{0, 0, "거래량", nullptr},
                                           BarRowCase{0, 1, "순매수거래량", "순매도거래량"},
                                           BarRowCase{1, 0, "매도체결량", "매수체결량"}));

// A stand-in for the chart's dialogs: notes what was asked and answers with changed values.
int g_dialog = 0;
INT_PTR g_answer = IDOK;
INT_PTR FakeDialog(int dialog, CDrawStyleValues& values, CWnd*)
{
    g_dialog = dialog;
    values.colour1 = RGB(1, 2, 3);
    values.switch1 = 2;
    return g_answer;
}

struct DialogCase
{
    int kind, storeKind, barMode, english, dialog;
};

class StyleDialog : public ::testing::TestWithParam<DialogCase>
{
};

TEST_P(StyleDialog, TheKindAndTheStoreChooseTheDialog)
{
    const DialogCase& c = GetParam();
    DrawFixture f(c.kind, {{5}, {6}, {7}, {8}, {9}}, 5);
    f.store.m_nKind = c.storeKind;
    f.object.m_nMode = c.barMode;
    f.object.SetEnglish(c.english);
    CDrawObject::SetStyleDialog(FakeDialog);
    g_dialog = 0;
    g_answer = IDOK;
    f.object.OpenPropertyDialog();
    EXPECT_EQ(c.dialog, g_dialog);
    CDrawObject::SetStyleDialog(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, StyleDialog,
                         ::testing::Values(DialogCase{DRAWKIND_CANDLE, DATACELL_PLAIN, 0, 0, DRAWDIALOG_CANDLE},
                                           DialogCase{DRAWKIND_BAR, DATACELL_PLAIN, 0, 0, DRAWDIALOG_VOLUME},
                                           DialogCase{DRAWKIND_BAR, DATACELL_RATE, 1, 0, DRAWDIALOG_BAR},
                                           DialogCase{DRAWKIND_LINE, DATACELL_PLAIN, 0, 0, DRAWDIALOG_LINE},
                                           DialogCase{DRAWKIND_BAR, DATACELL_MOVING_AVERAGE, 0, 0, DRAWDIALOG_LINE},
                                           DialogCase{DRAWKIND_AMERICA, DATACELL_PLAIN, 0, 0, 0},
                                           DialogCase{DRAWKIND_LINE, 5, 0, 0, 0},
                                           DialogCase{DRAWKIND_LINE, DATACELL_PLAIN, 0, 1, 0}));

TEST(StyleDialogValues, OkWritesBackTheWidthPlusOneAndCancelChangesNothing)
{
    DrawFixture f(DRAWKIND_LINE, {{5}}, 5);
    CDrawObject::SetStyleDialog(FakeDialog);
    g_answer = IDCANCEL;
    f.object.OpenPropertyDialog();
    EXPECT_EQ(1, f.object.m_nWidth);
    EXPECT_NE(RGB(1, 2, 3), f.object.m_clrLine.GetColor());
    g_answer = IDOK;
    f.object.OpenPropertyDialog();
    EXPECT_EQ(3, f.object.m_nWidth);
    EXPECT_EQ(RGB(1, 2, 3), f.object.m_clrLine.GetColor());
    CDrawObject::SetStyleDialog(nullptr);
}

// The owner's window: counts the redraw requests (message 2028) it receives.
int g_redraws = 0;
LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == 2028)
        ++g_redraws;
    return DefWindowProc(hwnd, message, wParam, lParam);
}

TEST(StyleDialogValues, OkTellsTheOwnersWindowToRedrawAndCancelDoesNot)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandle(NULL);
    wc.lpszClassName = "DrawObjectOwnerTest";
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowA("DrawObjectOwnerTest", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, wc.hInstance, NULL);
    ASSERT_TRUE(hwnd != NULL);
    CWnd owner;
    owner.Attach(hwnd);
    DrawFixture f(DRAWKIND_CANDLE, {{5}, {6}, {7}, {8}, {9}}, 5);
    f.object.m_pOwnerWnd = &owner;
    CDrawObject::SetStyleDialog(FakeDialog);
    g_redraws = 0;
    g_answer = IDCANCEL;
    f.object.OpenPropertyDialog();
    EXPECT_EQ(0, g_redraws);
    g_answer = IDOK;
    f.object.OpenPropertyDialog();
    EXPECT_EQ(1, g_redraws);
    // The candle dialog's values: rising colour first, its fill switch first.
    EXPECT_EQ(RGB(1, 2, 3), f.object.m_clrRise.GetColor());
    EXPECT_EQ(2, f.object.m_nRiseFill);
    CDrawObject::SetStyleDialog(nullptr);
    owner.Detach();
    DestroyWindow(hwnd);
}

} // namespace
