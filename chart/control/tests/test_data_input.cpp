// The chart's data input as a host meets it: the candle chart in one call, lines from arrays
// and safe arrays, bars, tables of texts, and the faults a host's data can bring.
#include <gtest/gtest.h>

#include <msgbox_recorder.h>

#include <cstring>

#include "../../canvas/tests/canvas_fixture.h"
#include "chart_data_fixture.h"

using namespace chartdata;

namespace
{

TEST(ChartBong, OneCallBuildsPriceAndVolumeRegions)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    BongData data(30);
    ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 30, 0, 0));
    EXPECT_EQ(30, chart->GetChartDataCount());
    ASSERT_EQ(2, ctl->GetRegionCount());

    CRegionCanvas* price = ctl->GetRegion(0);
    ASSERT_EQ(4, price->GetObjectCount());
    EXPECT_EQ(DRAWKIND_CANDLE, price->GetDrawObject(0)->GetKind());
    const struct
    {
        const char* title;
        COLORREF colour;
        int period;
    } lines[] = {{"5MA", 0x0000FF, 5}, {"10MA", 0x00FF00, 10}, {"20MA", 0xFF0000, 20}};
    for (int i = 0; i < 3; ++i)
    {
        CDrawObject* line = price->GetDrawObject(i + 1);
        ASSERT_NE(nullptr, line);
        EXPECT_EQ(DRAWKIND_LINE, line->GetKind());
        EXPECT_STREQ(lines[i].title, ctl->GetLineChartTitle(0, short(i + 1)));
        EXPECT_EQ(lines[i].colour, ctl->GetLineChartColor(0, short(i + 1)));
        EXPECT_EQ(lines[i].period, line->GetStore()->GetPeriod());
    }
    CRegionCanvas* volume = ctl->GetRegion(1);
    ASSERT_EQ(1, volume->GetObjectCount());
    EXPECT_EQ(DRAWKIND_BAR, volume->GetDrawObject(0)->GetKind());

    // Open, high, low and close of the newest bar; the volume column; the 5-bar average.
    CDrawObject* candle = price->GetDrawObject(0);
    const int current = ctl->GetMainTime().GetCurrentIndex();
    EXPECT_EQ(data.columns[1][0], candle->GetS0()[current]);
    EXPECT_EQ(data.columns[2][0], candle->GetS1()[current]);
    EXPECT_EQ(data.columns[3][0], candle->GetS2()[current]);
    EXPECT_EQ(data.columns[4][0], candle->GetS3()[current]);
    EXPECT_EQ(std::vector<int>(data.columns[5].begin(), data.columns[5].end()), Drawn(ctl, 1, 0));
    long sum = 0;
    for (int i = 0; i < 5; ++i)
        sum += data.columns[4][size_t(i)];
    EXPECT_EQ(int(sum / 5), Drawn(ctl, 0, 1)[0]);
    // The free slots in front of the newest bar are empty.
    for (int i = 0; i < current; ++i)
        EXPECT_EQ(E, candle->GetS3()[i]);
    EXPECT_EQ(0, ctl->GetProperties().m_TimeData.S1.Compare("date"));
}

struct BongRefusal
{
    const char* what;
    int count;
    int nullColumn; // -1: none; 6: the column table itself
};

const BongRefusal kBongRefusals[] = {
    {"no bars", 0, -1},
    {"negative count", -3, -1},
    {"no column table", 10, 6},
    {"no dates", 10, 0},
    {"no volume", 10, 5},
};

class ChartBongRefusal : public ::testing::TestWithParam<BongRefusal>
{
};

TEST_P(ChartBongRefusal, LeavesTheChartAsItWas)
{
    const BongRefusal& c = GetParam();
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    BongData data(10);
    if (c.nullColumn >= 0 && c.nullColumn < 6)
        data.pointers[c.nullColumn] = nullptr;
    EXPECT_EQ(FALSE, chart->AddBongChart(c.nullColumn == 6 ? nullptr : data.pointers, c.count, 0, 0)) << c.what;
    EXPECT_EQ(0, ctl->GetRegionCount());
    EXPECT_EQ(0, ctl->GetSeriesCount());
    EXPECT_EQ(0, chart->GetChartDataCount());
}

INSTANTIATE_TEST_SUITE_P(Table, ChartBongRefusal, ::testing::ValuesIn(kBongRefusals));

class ChartWithBongs : public ::testing::Test
{
protected:
    ChartPtr chart{GetNewControl()};
    CMsgBoxRecorder boxes;
    BongData data{8};
    void SetUp() override { ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 8, 0, 0)); }
    CCtlChart* C() { return Ctl(chart); }
};

TEST_F(ChartWithBongs, LineTimesOffTheAxisLeaveEmptyEntries)
{
    // Every other axis date, plus one that is not on the axis at all.
    std::vector<long> times, values;
    for (int i = 0; i < 8; i += 2)
    {
        times.push_back(data.columns[0][size_t(i)]);
        values.push_back(500 + i);
        if (i == 2)
        {
            times.push_back(19990101);
            values.push_back(-1);
        }
    }
    const short id = chart->AddLineChart(0, "line", 2, 0x123456, 1, reinterpret_cast<LONG_PTR>(times.data()),
                                         reinterpret_cast<LONG_PTR>(values.data()), long(times.size()));
    ASSERT_EQ(4, id);
    EXPECT_EQ((std::vector<int>{500, E, 502, E, 504, E, 506, E}), Drawn(C(), 0, id));
    // The host reads the column through a pointer-sized address.
    const int* column = reinterpret_cast<const int*>(chart->GetLineChartDataPtr(0, id));
    ASSERT_NE(nullptr, column);
    EXPECT_EQ(500, column[0]);
    EXPECT_EQ(E, column[7]);
    const int* axis = reinterpret_cast<const int*>(chart->GetTimeDataPtr());
    ASSERT_NE(nullptr, axis);
    EXPECT_EQ(data.columns[0][7], axis[7]);
    EXPECT_EQ(0, chart->GetLineChartDataPtr(0, 0)) << "the candle is no line";
    EXPECT_EQ(0u, boxes.Count());
}

TEST_F(ChartWithBongs, LineRefusals)
{
    long times[1] = {data.columns[0][0]}, values[1] = {1};
    EXPECT_EQ(-1, chart->AddLineChart(7, "x", 1, 0, 1, reinterpret_cast<LONG_PTR>(times),
                                      reinterpret_cast<LONG_PTR>(values), 1));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("해당 영역이 없습니다.", boxes.Last().text);
    EXPECT_EQ(-1, chart->AddLineChart(0, "x", 1, 0, 1, reinterpret_cast<LONG_PTR>(times),
                                      reinterpret_cast<LONG_PTR>(values), 0));
    EXPECT_EQ(-1, chart->AddLineChart(0, "x", 1, 0, 1, 0, reinterpret_cast<LONG_PTR>(values), 1));
    EXPECT_EQ(4, C()->GetRegion(0)->GetObjectCount());
}

// Safe arrays of values: every element from the lower bound to the upper bound is a value, the
// first going to the newest axis entry; entries beyond the array stay empty.
struct ArrayCase
{
    const char* what;
    bool bar;
    bool strings;
    bool byRef;
    LONG lower;
    std::vector<Element> elements;
    std::vector<int> expected; // the 8 axis entries, newest first
};

const ArrayCase kArrays[] = {
    {"line, texts from 1", false, true, false, 1, {Text("10"), Text("20"), Text("30")}, {10, 20, 30, E, E, E, E, E}},
    {"line, variants from 0", false, false, false, 0, {I4(7), I2(-3), Text("12"), R8(4)}, {7, -3, 12, E, E, E, E, E}},
    {"line, variants by reference from 5", false, false, true, 5, {I4(1), I4(2)}, {1, 2, E, E, E, E, E, E}},
    {"bar, variants from 1", true, false, false, 1, {I4(4), I4(5), I4(6)}, {4, 5, 6, E, E, E, E, E}},
    {"bar, variants by reference from -2", true, false, true, -2, {Text("8"), I2(9)}, {8, 9, E, E, E, E, E, E}},
    {"line, more values than entries", false, false, false, 0,
     {I4(1), I4(2), I4(3), I4(4), I4(5), I4(6), I4(7), I4(8), I4(9), I4(10)}, {1, 2, 3, 4, 5, 6, 7, 8}},
};

class ChartSafeArrays : public ChartWithBongs, public ::testing::WithParamInterface<ArrayCase>
{
};

TEST_P(ChartSafeArrays, EveryElementFromTheLowerBoundIsRead)
{
    const ArrayCase& c = GetParam();
    OwnedVariant data;
    if (c.strings)
    {
        std::vector<std::string> texts;
        for (const Element& e : c.elements)
            texts.push_back(e.text);
        StringArray(data, c.lower, texts);
    }
    else
        VariantArray(data, c.lower, c.elements);
    if (c.byRef)
        data.MakeByRef();
    const short id = c.bar ? C()->AddBarChart(1, "bars", 0x00FF00, 1, &data.v)
                           : C()->AddLineChart(0, "line", short(1), 0x00FF00ul, short(1), &data.v);
    ASSERT_GE(id, 1) << c.what;
    EXPECT_EQ(c.expected, Drawn(C(), c.bar ? 1 : 0, id)) << c.what;
    EXPECT_EQ(c.bar ? DRAWKIND_BAR : DRAWKIND_LINE, C()->GetRegion(c.bar ? 1 : 0)->GetDrawObject(id)->GetKind());
}

INSTANTIATE_TEST_SUITE_P(Table, ChartSafeArrays, ::testing::ValuesIn(kArrays));

// Replaces the safe-array calls for one test: a bound or an element read can be made to fail.
struct FailingCalls
{
    static int failLower, failUpper, failElementAt;
    static int reads;
    GraphKitSafeArrayCalls previous;
    FailingCalls(int lower, int upper, int element)
    {
        failLower = lower;
        failUpper = upper;
        failElementAt = element;
        reads = 0;
        GraphKitSafeArrayCalls calls = {&SafeArrayGetDim, &LBound, &UBound, &Get};
        previous = GraphKitSetSafeArrayCalls(&calls);
    }
    ~FailingCalls() { GraphKitSetSafeArrayCalls(&previous); }
    static HRESULT WINAPI LBound(SAFEARRAY* a, UINT d, LONG* v)
    {
        return int(d) == failLower ? E_UNEXPECTED : SafeArrayGetLBound(a, d, v);
    }
    static HRESULT WINAPI UBound(SAFEARRAY* a, UINT d, LONG* v)
    {
        return int(d) == failUpper ? E_UNEXPECTED : SafeArrayGetUBound(a, d, v);
    }
    static HRESULT WINAPI Get(SAFEARRAY* a, LONG* i, void* v)
    {
        return reads++ == failElementAt ? DISP_E_BADINDEX : SafeArrayGetElement(a, i, v);
    }
};
int FailingCalls::failLower, FailingCalls::failUpper, FailingCalls::failElementAt, FailingCalls::reads;

struct DispatchCase
{
    const char* what;
    int call; // 0 line, 1 bar, 2 line table, 3 horizontal-bar table
    int dimensions;
    int failLower, failUpper;
    WORD code;
};

const DispatchCase kDispatch[] = {
    {"line given a table", 0, 2, 0, 0, 1002},
    {"bar given a table", 1, 2, 0, 0, 1002},
    {"line table given a list", 2, 1, 0, 0, 1002},
    {"bar table given a list", 3, 1, 0, 0, 1002},
    {"line lower bound", 0, 1, 1, 0, 1003},
    {"bar upper bound", 1, 1, 0, 1, 1004},
    {"table second lower bound", 2, 2, 2, 0, 1003},
    {"table first upper bound", 3, 2, 0, 1, 1004},
};

class ChartDispatchErrors : public ChartWithBongs, public ::testing::WithParamInterface<DispatchCase>
{
};

TEST_P(ChartDispatchErrors, RaiseTheCodeAndAddNothing)
{
    const DispatchCase& c = GetParam();
    OwnedVariant data;
    const bool strings = c.call >= 2;
    if (c.dimensions == 2 && strings)
        StringTable(data, 0, 0, {{"a", "b"}, {"1", "2"}});
    else if (c.dimensions == 2)
    {
        // A table of variants where a list of them is wanted.
        SAFEARRAYBOUND bounds[2] = {{2, 0}, {2, 0}};
        data.v.vt = VT_ARRAY | VT_VARIANT;
        data.v.parray = SafeArrayCreate(VT_VARIANT, 2, bounds);
    }
    else if (strings)
        StringArray(data, 0, {"1", "2"});
    else
        VariantArray(data, 0, {I4(1), I4(2)});
    FailingCalls calls(c.failLower, c.failUpper, -1);
    WORD code = 0;
    try
    {
        switch (c.call)
        {
        case 0:
            C()->AddLineChart(0, "x", short(1), 0ul, short(1), &data.v);
            break;
        case 1:
            C()->AddBarChart(1, "x", 0, 1, &data.v);
            break;
        case 2:
            C()->AddLineChart2(0, "x", 1, 0, 1, &data.v, "a", "b", 0);
            break;
        default:
            C()->AddHBarChart(0, 0, 0, "x", 0, 0, &data.v);
            break;
        }
    }
    catch (COleDispatchException* e)
    {
        code = e->m_wCode;
        e->Delete();
    }
    EXPECT_EQ(c.code, code) << c.what;
    EXPECT_EQ(4, C()->GetRegion(0)->GetObjectCount());
    EXPECT_EQ(1, C()->GetRegion(1)->GetObjectCount());
}

INSTANTIATE_TEST_SUITE_P(Table, ChartDispatchErrors, ::testing::ValuesIn(kDispatch));

TEST_F(ChartWithBongs, UnreadableOrEmptyArraysGiveNoObjectIndex)
{
    for (int bar = 0; bar < 2; ++bar)
    {
        OwnedVariant data;
        VariantArray(data, 1, {I4(1), I4(2), I4(3)});
        FailingCalls calls(0, 0, 2); // the last element cannot be read
        EXPECT_EQ(-1, bar ? C()->AddBarChart(1, "x", 0, 1, &data.v)
                          : C()->AddLineChart(0, "x", short(1), 0ul, short(1), &data.v));
        EXPECT_EQ(3, FailingCalls::reads);
    }
    OwnedVariant empty;
    VariantArray(empty, 1, {});
    EXPECT_EQ(-1, C()->AddLineChart(0, "x", short(1), 0ul, short(1), &empty.v));
    EXPECT_EQ(-1, C()->AddBarChart(1, "x", 0, 1, &empty.v));
    OwnedVariant numbers;
    numbers.v.vt = VT_ARRAY | VT_I4;
    SAFEARRAYBOUND bound = {2, 0};
    numbers.v.parray = SafeArrayCreate(VT_I4, 1, &bound);
    EXPECT_EQ(-1, C()->AddLineChart(0, "x", short(1), 0ul, short(1), &numbers.v)) << "not an accepted type";
    EXPECT_EQ(-1, C()->AddLineChart(0, "x", short(1), 0ul, short(1), nullptr));
    // Variants said to be texts: reading one as a text would write past it.
    OwnedVariant mislabelled;
    VariantArray(mislabelled, 0, {Text("1"), Text("2")});
    mislabelled.v.vt = VT_ARRAY | VT_BSTR;
    EXPECT_EQ(-1, C()->AddLineChart(0, "x", short(1), 0ul, short(1), &mislabelled.v));
    OwnedVariant texts; // and texts said to be variants
    StringArray(texts, 0, {"1", "2"});
    texts.v.vt = VT_ARRAY | VT_VARIANT;
    EXPECT_EQ(-1, C()->AddBarChart(1, "x", 0, 1, &texts.v));
    texts.v.vt = VT_ARRAY | VT_BSTR; // so that it is freed as what it is
    OwnedVariant table;
    SAFEARRAYBOUND bounds[2] = {{2, 0}, {2, 0}};
    table.v.vt = VT_ARRAY | VT_BSTR;
    table.v.parray = SafeArrayCreate(VT_VARIANT, 2, bounds);
    EXPECT_EQ(-1, C()->AddLineChart2(0, "x", 1, 0, 1, &table.v, "a", "b", 0));
    EXPECT_EQ(-1, C()->AddHBarChart(0, 0, 0, "x", 0, 0, &table.v));
    table.v.vt = VT_ARRAY | VT_VARIANT;
    EXPECT_EQ(4, C()->GetRegion(0)->GetObjectCount());
    EXPECT_EQ(1, C()->GetRegion(1)->GetObjectCount());
    EXPECT_EQ(0u, boxes.Count());
}

TEST(ChartSafeArrayLine, NeedsATimeAxisAndARegion)
{
    ChartPtr chart(GetNewControl());
    CMsgBoxRecorder boxes;
    OwnedVariant data;
    VariantArray(data, 0, {I4(1)});
    const int region = Ctl(chart)->Add_Region();
    EXPECT_EQ(-1, Ctl(chart)->AddLineChart(region, "x", short(1), 0ul, short(1), &data.v));
    EXPECT_EQ(-1, Ctl(chart)->AddBarChart(region, "x", 0, 1, &data.v));
    ASSERT_EQ(2u, boxes.Count());
    EXPECT_EQ("시계열데이타가 반드시 있어야 합니다.", boxes.Last().text);
}

// Tables of texts with a header row; cells lose their last two characters and their points.
TEST(ChartTables, LineFromAOneBasedTableBuildsTheAxis)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    const int region = ctl->Add_Region();
    OwnedVariant data;
    StringTable(data, 1, 1,
                {{"값", "시간"},
                 {"1234.56", " 0929.00"},
                 {"7", "0930.00"},           // one character: no number
                 {"2,0.00", "2026093100"}}); // more than six digits: the last six
    const short id = ctl->AddLineChart2(region, "표", 1, 0xFF, 1, &data.v, "시간", "값", 1);
    ASSERT_EQ(0, id);
    // Reversed: the last data row is the newest entry.
    EXPECT_EQ(3, ctl->GetTotalCount());
    const int* axis = reinterpret_cast<const int*>(ctl->GetTimeDataPtr());
    EXPECT_EQ((std::vector<int>{260931, 930, 929}), std::vector<int>(axis, axis + 3));
    EXPECT_EQ((std::vector<int>{2, 0, 1234}), Drawn(ctl, region, id));
}

TEST(ChartTables, LineTableByReferenceFollowsAnExistingAxis)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    BongData bongs(4, 260104);
    ASSERT_EQ(TRUE, chart->AddBongChart(bongs.pointers, 4, 0, 0));
    OwnedVariant data;
    // "2026010300" less two characters keeps its last six digits: 260103, the second entry.
    StringTable(data, 0, 2, {{"t", "v"}, {"2026010300", "5.000"}, {"2026010100", "6.000"}});
    data.MakeByRef();
    const short id = ctl->AddLineChart2(0, "t", 1, 0, 0, &data.v, "t", "v", 0);
    ASSERT_EQ(4, id);
    EXPECT_EQ((std::vector<int>{E, 50, E, 60}), Drawn(ctl, 0, id));
    EXPECT_EQ(SCALEMODE_SHARE_LEFT, ctl->GetRegion(0)->GetDrawObject(id)->m_nAxisSide);
}

class ChartHBars : public ChartWithBongs
{
protected:
    CHostWindow host;
    void SetUp() override
    {
        ChartWithBongs::SetUp();
        ASSERT_TRUE(host.Make(400, 300));
        ASSERT_TRUE(chart->CreateControl(&host, RECT{0, 0, 400, 300}, 1));
    }
    void TearDown() override
    {
        chart.reset();
        host.DestroyWindow();
    }
    short AddBars(int linked)
    {
        OwnedVariant table;
        StringTable(table, 1, 0, {{"price", "sell", "buy"}, {"100000", "5000", "600"}, {"99000", "700", "80"}});
        return C()->AddHBarChart(0, linked, 1, "호가", 0x0000FF, 0xFF0000, &table.v);
    }
};

TEST_F(ChartHBars, ColumnsBecomeSeriesNamedByTheHeader)
{
    const short id = AddBars(0);
    ASSERT_EQ(4, id);
    CDrawObject* bars = C()->GetRegion(0)->GetDrawObject(id);
    ASSERT_EQ(DRAWKIND_HBAR, bars->GetKind());
    CDataCell* store = bars->GetStore();
    ASSERT_EQ(3, store->m_nSeriesCount);
    EXPECT_EQ(2, store->m_nLength);
    EXPECT_STREQ("sell", store->m_arNames[1]);
    EXPECT_EQ(1000, store->m_ppSeries[0][0]);
    EXPECT_EQ(990, store->m_ppSeries[0][1]);
    EXPECT_EQ(50, store->m_ppSeries[1][0]);
    EXPECT_EQ(0, store->m_ppSeries[2][1]) << "\"80\" less two characters is empty";
    EXPECT_EQ(C()->GetRegion(0)->GetDrawObject(0), bars->m_pLinked);
    EXPECT_STREQ("호가", bars->CHBar::m_strTitle);
    EXPECT_STREQ("호가", bars->GetObjectName());
    EXPECT_EQ(1, bars->CHBar::m_nStyle);
    EXPECT_EQ(-1, AddBars(9)) << "no such linked object";
}

TEST(ChartHBarLevels, TicksLeaveThePriceLevelsAlone)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    BongData data(4);
    ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 4, 4, 0)); // ticks: every tick opens a bar
    OwnedVariant table;
    StringTable(table, 0, 0, {{"price", "amount"}, {"100000", "5000"}, {"99000", "700"}});
    // The header "amount" is no data name of the update either.
    const short id = ctl->AddHBarChart(0, 0, 0, "levels", 0, 0, &table.v);
    ASSERT_EQ(4, id);
    CDrawObject* bars = ctl->GetRegion(0)->GetDrawObject(id);
    for (int tick = 0; tick < 120; ++tick)
        ASSERT_EQ(1, (ctl->TEST)("1", "amount", "9"));
    EXPECT_GT(chart->GetChartDataCount(), 4) << "the ticks opened bars (past the free block the oldest drop out)";
    CDataCell* store = bars->GetStore();
    EXPECT_EQ(2, store->m_nLength);
    EXPECT_EQ(store->m_ppSeries[0], bars->GetS0()) << "the drawer still points at the levels";
    EXPECT_EQ(1000, bars->GetS0()[0]);
    EXPECT_EQ(7, bars->GetS1()[1]);
}

TEST_F(ChartHBars, RemovingTheLinkedObjectLeavesNoDanglingLink)
{
    const short id = AddBars(2);
    ASSERT_EQ(4, id);
    EXPECT_EQ(4, chart->Remove_Draw_Object(0, 2, 0));
    CDrawObject* bars = C()->GetRegion(0)->GetDrawObject(id);
    EXPECT_EQ(nullptr, bars->m_pLinked);
    // The bars still paint, without the object that is gone.
    CClientDC screen(C());
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 400, 300);
    CBitmap* old = dc.SelectObject(&bitmap);
    C()->PaintTo(&dc, CRect(0, 0, 400, 300));
    dc.SelectObject(old);
}

TEST_F(ChartWithBongs, RegionAndObjectOperations)
{
    EXPECT_EQ(1, chart->GetRegionShowHide(0));
    chart->SetRegionShowHide(1, 0);
    EXPECT_EQ(0, chart->GetRegionShowHide(1));
    EXPECT_EQ(0, chart->GetRegionShowHide(5));
    EXPECT_EQ(TRUE, chart->ShowHideObject(0, 2, 0));
    EXPECT_EQ(0, C()->GetShowHideObject(0, 2));
    EXPECT_EQ(TRUE, chart->ShowHideObject(0, 42, 0)) << "a missing object is skipped";
    EXPECT_EQ(FALSE, chart->ShowHideObject(9, 0, 0));
    EXPECT_EQ(TRUE, chart->SetRegionRMask(1, 5, 1000, 2, "억"));
    EXPECT_EQ(1000, C()->GetRegion(1)->GetRegionData().RightSide.Divisor);
    EXPECT_STREQ("억", C()->GetRegion(1)->GetRegionData().RightSide.Unit);
    EXPECT_EQ(FALSE, chart->SetRegionRMask(3, 0, 0, 0, ""));
    EXPECT_EQ(TRUE, chart->SetRegionIndexChange(0, 3));
    EXPECT_EQ(SCALEMODE_SHARE_RIGHT, C()->GetRegion(0)->GetDrawObject(0)->m_nAxisSide) << "right-side objects stay";
    EXPECT_EQ(TRUE, chart->SetRegionIndexChange(0, 0));
    EXPECT_EQ(0, C()->GetRegion(0)->GetDrawObject(0)->m_nAxisSide);
    C()->SetAbsoluteMode(1, 1);
    EXPECT_EQ(1, C()->GetRegion(1)->m_bAbsolute);
    C()->SetAbsoluteMode(2, 1); // no such region yet
    EXPECT_EQ(2, chart->Add_Region());
    EXPECT_EQ(0, C()->GetRegion(2)->m_bAbsolute);
    EXPECT_EQ(0, chart->Remove_Draw_Object(1, 0, 0));
    EXPECT_EQ(-1, chart->Remove_Draw_Object(1, 0, 0));
    chart->Remove_Chart_All();
    EXPECT_EQ(0, C()->GetRegionCount());
    EXPECT_EQ(0, chart->GetChartDataCount());
}

TEST_F(ChartWithBongs, LineLooksOnlyOnLines)
{
    C()->SetLineChartThick(0, 1, 3);
    C()->SetLineChartTitle(0, 1, "다섯");
    C()->SetLineChartColor(0, 1, 0x010203);
    EXPECT_EQ(3, C()->GetLineChartThick(0, 1));
    EXPECT_STREQ("다섯", C()->GetLineChartTitle(0, 1));
    EXPECT_EQ(0x010203u, C()->GetLineChartColor(0, 1));
    EXPECT_EQ(0u, boxes.Count());
    EXPECT_EQ(0u, C()->GetLineChartColor(0, 0));
    EXPECT_EQ("GetLineChartColor 는 Line Chart만 적용 가능합니다.", boxes.Last().text);
    C()->SetLineChartThick(1, 0, 5);
    EXPECT_EQ("GetLineChartThick 는 Line Chart만 적용 가능합니다.", boxes.Last().text);
    EXPECT_EQ(2u, boxes.Count());
}

// The vertical base line stands at a screen slot counted from the oldest entry.
struct BaseCase
{
    const char* what;
    int dateIndex; // the time: data date at this index; -1 a time between dates 2 and 3
    long offset;   // added to that date
    int entry;
};

const BaseCase kBases[] = {
    {"an axis time", 2, 0, 2},
    {"the newest time", 0, 0, 0},
    {"between two entries: the older one", 2, -1, 3},
    {"after every entry", 0, 5, 0},
    {"before every entry", 7, -5, 0},
};

class ChartVertBase : public ChartWithBongs, public ::testing::WithParamInterface<BaseCase>
{
};

TEST_P(ChartVertBase, LineAtTheEntryOfTheTime)
{
    const BaseCase& c = GetParam();
    // Dates one day apart leave no time between neighbours: widen the gap of entries 2 and 3.
    int* axis = C()->GetMainTime().GetTimes() + C()->GetMainTime().GetCurrentIndex();
    for (int e = 3; e < 8; ++e)
        axis[e] -= 10;
    const long time = axis[c.dateIndex] + c.offset;
    C()->SetCanvasVertBase("기준", time);
    EXPECT_EQ(c.entry, C()->GetCanvasVertBaseEntry()) << c.what;
    EXPECT_EQ(8 - c.entry - 1, C()->GetRegion(0)->GetHighlightSlot());
    EXPECT_EQ(8 - c.entry - 1, C()->GetRegion(1)->GetHighlightSlot());
    EXPECT_STREQ("기준", C()->GetRegion(0)->GetHighlightText());
    EXPECT_STREQ("", C()->GetRegion(1)->GetHighlightText());
    EXPECT_STREQ("기준", C()->GetDblClickName());

    C()->SetCanvasVertBaseIndex(5);
    EXPECT_EQ(2, C()->GetRegion(1)->GetHighlightSlot());
    EXPECT_STREQ("기준", C()->GetRegion(0)->GetHighlightText()) << "the text stays";
    C()->SetCanvasVertBaseIndex(-1);
    EXPECT_EQ(-1, C()->GetRegion(0)->GetHighlightSlot());
    EXPECT_STREQ("", C()->GetRegion(0)->GetHighlightText());
    EXPECT_STREQ("", C()->GetDblClickName());
}

INSTANTIATE_TEST_SUITE_P(Table, ChartVertBase, ::testing::ValuesIn(kBases));

TEST_F(ChartWithBongs, LastValuesOfTheNewestBar)
{
    // Outputs as a host passes them: left over from before, holding an object that is not the
    // chart's to release.
    struct Counted : IUnknown
    {
        int released = 0;
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override
        {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
        ULONG STDMETHODCALLTYPE Release() override { return ULONG(++released); }
    } stale;
    VARIANT open, high, low, close, value;
    for (VARIANT* v : {&open, &high, &low, &close, &value})
    {
        memset(v, 0xCD, sizeof(VARIANT));
        v->vt = VT_UNKNOWN;
        v->punkVal = &stale;
    }
    EXPECT_EQ(TRUE, C()->GetBongLastVal(0, &open, &high, &low, &close));
    EXPECT_EQ(VT_I4, open.vt);
    EXPECT_EQ(data.columns[1][0], open.lVal);
    EXPECT_EQ(data.columns[4][0], close.lVal);
    EXPECT_EQ(FALSE, C()->GetBongLastVal(1, &open, &high, &low, &close)) << "no candle in the volume region";
    EXPECT_EQ(0, open.lVal);
    EXPECT_EQ(FALSE, C()->GetBongLastVal(2, &open, &high, &low, &close));
    EXPECT_EQ(0, C()->GetGeneralLastVal(1, &value));
    EXPECT_EQ(VT_I4, value.vt);
    EXPECT_EQ(data.columns[5][0], value.lVal);
    EXPECT_EQ(0, stale.released);
}

} // namespace
