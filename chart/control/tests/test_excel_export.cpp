// The spreadsheet export: cell names past two letters, the calls Excel sees through a stand-in
// IDispatch (order, formats, empty values, failures), and the button's "could not start" message
// where no Excel is registered (as under Wine).
#include <gtest/gtest.h>

#include <memory>

#include "../../canvas/tests/canvas_fixture.h"
#include "ChartExcel.h"
#include "CtlChart.h"
#include "SearchData.h"
#include "fake_excel.h"
#include "msgbox_recorder.h"

namespace
{

struct CellNameCase
{
    int row, column;
    const char* name;
};

class ExcelCellName : public ::testing::TestWithParam<CellNameCase>
{
};

TEST_P(ExcelCellName, LettersCountOnPastTwo)
{
    EXPECT_STREQ(GetParam().name, ExcelIndexToString(GetParam().row, GetParam().column));
}

INSTANTIATE_TEST_SUITE_P(Table, ExcelCellName,
                         ::testing::Values(CellNameCase{1, 1, "A1"}, CellNameCase{1, 26, "Z1"},
                                           CellNameCase{1, 27, "AA1"}, CellNameCase{1, 28, "AB1"},
                                           CellNameCase{12, 52, "AZ12"}, CellNameCase{1, 53, "BA1"},
                                           CellNameCase{1, 702, "ZZ1"}, CellNameCase{1, 703, "AAA1"},
                                           CellNameCase{70000, 704, "AAB70000"},
                                           CellNameCase{1, 16384, "XFD1"}, CellNameCase{0, 1, ""},
                                           CellNameCase{1, 0, ""}, CellNameCase{1, -5, ""}));

struct ChartDeleter
{
    void operator()(IChartBase* p) const { delete p; }
};

// A chart window with three days of candles; the middle close is empty.
class ExcelExport : public ::testing::Test
{
protected:
    CHostWindow host;
    std::unique_ptr<IChartBase, ChartDeleter> chart{GetNewControl()};
    FakeExcelState excel;
    CFakeExcelObject* app = nullptr;
    int storeId = -1;

    void SetUp() override
    {
        ASSERT_TRUE(host.Make(500, 300));
        ASSERT_TRUE(chart->CreateControl(&host, RECT{0, 0, 400, 200}, 5));
        app = new CFakeExcelObject(&excel, "app");
    }
    void TearDown() override
    {
        if (app)
            app->Release();
        chart.reset();
        host.DestroyWindow();
    }
    CCtlChart* Ctl() { return CCtlChart::FromInterface(chart.get()); }
    void LoadCandles()
    {
        const int times[3] = {20260105, 20260102, 20260101};
        const int open[3] = {1200, 1100, 1000}, high[3] = {1300, 1150, 1050};
        const int low[3] = {1190, 1090, 990}, close[3] = {1250, 99999999, 1010};
        const int* const columns[4] = {open, high, low, close};
        const int timeId = Ctl()->SetTimes(times, 3);
        const int region = Ctl()->AddRegion();
        storeId = Ctl()->AddFourColumnSeries(columns, 3, timeId);
        ASSERT_LE(0, Ctl()->AddDrawObject(region, storeId, 1, 0));
    }
    const FakeExcelCell& Cell(const char* name) { return excel.cells[name]; }
};

TEST_F(ExcelExport, OpensAWorkbookThenWritesEveryColumnUnderItsTitle)
{
    LoadCandles();
    CObList columns;
    CollectExcelColumns(*Ctl(), columns);
    ASSERT_EQ(5, columns.GetCount());
    WriteExcelColumns(app, columns, Ctl()->GetProperties().m_pTimeCell->GetCurrentIndex());
    FreeExcelColumns(columns);

    ASSERT_LE(5u, excel.calls.size());
    const struct
    {
        const char* object;
        DISPID id;
        WORD flags;
        std::vector<std::string> args;
    } opening[] = {
        {"app", 558, DISPATCH_PROPERTYPUT, {"bool:true"}},
        {"app", 572, DISPATCH_PROPERTYGET, {}},
        {"books", 181, DISPATCH_METHOD, {"error:" + std::to_string(long(DISP_E_PARAMNOTFOUND))}},
        {"book", 485, DISPATCH_PROPERTYGET, {}},
        {"sheets", 170, DISPATCH_PROPERTYGET, {"i2:1"}},
    };
    for (size_t i = 0; i < 5; ++i)
    {
        EXPECT_EQ(opening[i].object, excel.calls[i].object) << i;
        EXPECT_EQ(opening[i].id, excel.calls[i].id) << i;
        EXPECT_EQ(opening[i].flags, excel.calls[i].flags) << i;
        EXPECT_EQ(opening[i].args, excel.calls[i].args) << i;
    }
    // Every cell is a range from its name to its name.
    EXPECT_EQ("sheet", excel.calls[5].object);
    EXPECT_EQ(197, excel.calls[5].id);
    EXPECT_EQ((std::vector<std::string>{"bstr:A1", "bstr:A1"}), excel.calls[5].args);

    const struct
    {
        const char* cell;
        const char* format;
        const char* value;
    } expected[] = {
        {"A1", "@", "일자"},     {"A2", "@", "20260105"}, {"A4", "@", "20260101"}, {"B1", "@", "시가"},
        {"B2", "#,##0", "1,200"}, {"C1", "@", "고가"},     {"E1", "@", "종가"},     {"E3", "#,##0", ""},
        {"E4", "#,##0", "1,010"},
    };
    for (const auto& e : expected)
    {
        EXPECT_EQ(e.format, Cell(e.cell).format) << e.cell;
        EXPECT_EQ(e.value, Cell(e.cell).value) << e.cell;
        EXPECT_TRUE(Cell(e.cell).formatBeforeValue) << e.cell;
    }
    EXPECT_EQ(size_t(5 * 4), excel.cells.size()); // titles and three rows, nothing more
    EXPECT_EQ(1, excel.live); // only the application, which the caller holds
}

struct DecimalsCase
{
    int decimals, divisor;
    const char* format;
    const char* text; // of 1200
};

class ExcelExportDecimals : public ExcelExport, public ::testing::WithParamInterface<DecimalsCase>
{
};

TEST_P(ExcelExportDecimals, NumberFormatCarriesTheSeriesDecimals)
{
    const DecimalsCase& c = GetParam();
    LoadCandles();
    Ctl()->GetSeries(storeId)->m_nSpare = c.decimals;
    Ctl()->GetRegionAt(0)->GetRegionData().LeftSide.Divisor = c.divisor;
    CObList columns;
    CollectExcelColumns(*Ctl(), columns);
    WriteExcelColumns(app, columns, Ctl()->GetProperties().m_pTimeCell->GetCurrentIndex());
    FreeExcelColumns(columns);
    EXPECT_EQ(c.format, Cell("B2").format);
    EXPECT_EQ(c.text, Cell("B2").value);
    EXPECT_EQ(c.format, Cell("E3").format); // an empty value keeps the column's format
    EXPECT_EQ("", Cell("E3").value);
}

INSTANTIATE_TEST_SUITE_P(Table, ExcelExportDecimals,
                         ::testing::Values(DecimalsCase{0, 1, "#,##0", "1,200"},
                                           DecimalsCase{2, 100, "#,##0.00", "12.00"},
                                           DecimalsCase{1, 10, "#,##0.0", "120.0"}));

TEST_F(ExcelExport, ColumnsPastZZGetThreeLetterNames)
{
    CObList columns;
    for (int k = 0; k < 704; ++k)
    {
        CSearchData* column = new CSearchData;
        column->m_strTitle.Format("c%d", k + 1);
        columns.AddTail(column);
    }
    WriteExcelColumns(app, columns, 0);
    FreeExcelColumns(columns);
    EXPECT_EQ("c702", Cell("ZZ1").value);
    EXPECT_EQ("c703", Cell("AAA1").value);
    EXPECT_EQ("c704", Cell("AAB1").value);
    EXPECT_EQ(704u, excel.cells.size()); // no two columns share a cell
}

TEST_F(ExcelExport, AFailedCallEndsTheExportAndReleasesEveryObject)
{
    LoadCandles();
    CObList columns;
    CollectExcelColumns(*Ctl(), columns);
    excel.failAfter = 9; // the second cell's range
    EXPECT_THROW(WriteExcelColumns(app, columns, 0), COleException*);
    FreeExcelColumns(columns);
    EXPECT_EQ(10u, excel.calls.size());
    EXPECT_EQ(1, excel.live);
}

TEST_F(ExcelExport, TheButtonSaysWhenExcelCannotBeStarted)
{
    CMsgBoxRecorder boxes;
    // Nothing to export: the button does nothing.
    Ctl()->SendMessage(WM_COMMAND, MAKEWPARAM(10012, BN_CLICKED), 0);
    EXPECT_EQ(0u, boxes.Count());

    LoadCandles();
    Ctl()->SendMessage(WM_COMMAND, MAKEWPARAM(10012, BN_CLICKED), 0);
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("Could not start Excel, which might not be properly registered.", boxes.Last().text);
    EXPECT_EQ("Error!", boxes.Last().caption);
    EXPECT_EQ(UINT(MB_ICONERROR), boxes.Last().nType & MB_ICONMASK);
}

} // namespace
