// The named properties of a new chart control, read and written as a host does: by name, as text.
#include <gtest/gtest.h>

#include <memory>

#include "CtlChart.h"

namespace
{

struct ChartDeleter
{
    void operator()(IChartBase* p) const { delete p; }
};
typedef std::unique_ptr<IChartBase, ChartDeleter> ChartPtr;

ChartPtr NewChart()
{
    return ChartPtr(GetNewControl());
}

struct DefaultCase
{
    const char* name;
    int type;
    const char* text;
};

// Every registered property in registration order, with its type code and its text on a new
// control. Colours read back with the stored RGB (white), whatever the palette colour is.
const DefaultCase kDefaults[] = {
    {"NAME", 4, "NoNameCtl"},
    {"CAPTION", 4, ""},
    {"VISIBLE", 1, "1"},
    {"ENABLE", 1, "1"},
    {"TOP", 2, "0"},
    {"LEFT", 2, "0"},
    {"WIDTH", 2, "200"},
    {"HEIGHT", 2, "100"},
    {"FONT", 6, ""},
    {"FORECOLOR", 5, "001:255255255"},
    {"BACKCOLOR", 5, "002:255255255"}, // the window applies the chart's default, 179
    {"OUTERBACKCOLOR", 5, "180:255255255"},
    {"FRAMECOLOR", 5, "181:255255255"},
    {"TIMEBACKCOLOR", 5, "179:255255255"},
    {"TIMECOLOR", 5, "001:255255255"},
    {"TOOLBARUSE", 1, "1"},
    {"TOOLTIPUSE", 1, "1"},
    {"FLUCTUATIONUSE", 1, "1"},
    {"REALFIXNEED", 1, "1"},
    {"VINDICOLOR", 5, "183:255255255"},
    {"HINDICOLOR", 5, "182:255255255"},
    {"CHECKSTYLE", 1, "0"},
    {"HINDI", 1, "1"},
    {"VINDI", 1, "1"},
    {"MINMAXOPT", 1, "1"},
    {"DATAORDER", 1, "1"},
    {"TIMEDISPLAY", 1, "1"},
    {"BORDERDISPLAY", 1, "1"},
    {"SENDEXCELDISPLAY", 1, "0"},
    {"FIXPINBTNDISPLAY", 1, "0"},
};

TEST(ChartControlProperties, RegistersEveryPropertyInOrderWithItsDefault)
{
    ChartPtr chart = NewChart();
    ASSERT_TRUE(chart);
    CCtlChart* ctl = CCtlChart::FromInterface(chart.get());
    const COrdinalMap<CBaseProperty>& table = ctl->GetPropertyTable();
    ASSERT_EQ(INT_PTR(sizeof(kDefaults) / sizeof(kDefaults[0])), table.GetCount());
    for (INT_PTR i = 0; i < table.GetCount(); ++i)
    {
        const DefaultCase& c = kDefaults[i];
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.name, table.GetAt(i)->m_strName);
        EXPECT_EQ(c.type, table.GetAt(i)->m_nType);
        EXPECT_TRUE(table.GetAt(i)->m_strDefault.IsEmpty());
    }
}

TEST(ChartControlProperties, NewControlReadsItsDefaultsAsText)
{
    ChartPtr chart = NewChart();
    for (const DefaultCase& c : kDefaults)
    {
        SCOPED_TRACE(c.name);
        CString text = "untouched";
        ASSERT_TRUE(chart->GetPropertyValue(c.name, text));
        EXPECT_STREQ(c.text, text);
    }
    EXPECT_STREQ("Chart", chart->GetCtlClass());
    EXPECT_EQ(nullptr, chart->GetCtlHwnd());
    EXPECT_EQ(nullptr, CCtlChart::FromInterface(chart.get())->GetFont());
}

TEST(ChartControlProperties, DescriptionsOfCommonPropertiesAreKorean)
{
    ChartPtr chart = NewChart();
    const COrdinalMap<CBaseProperty>& table = CCtlChart::FromInterface(chart.get())->GetPropertyTable();
    EXPECT_STREQ("컨트롤명", table.Lookup("NAME")->m_strDesc);
    EXPECT_STREQ("배경색", table.Lookup("BACKCOLOR")->m_strDesc);
    EXPECT_STREQ("OuterBackColor", table.Lookup("OUTERBACKCOLOR")->m_strDesc);
}

struct SetCase
{
    const char* name;    // as the host writes it
    const char* text;    // written
    const char* readAs;  // name read back
    const char* expect;  // text read back
};

const SetCase kSets[] = {
    {"caption", "ABC", "CAPTION", "ABC"},
    {"WIDTH", "abc", "width", "0"},
    {"Width", "321", "WIDTH", "321"},
    {"backcolor", "179:255255255", "BackColor", "179:255255255"},
    {"BACKCOLOR", "007:001002003", "backcolor", "007:001002003"},
    {"forecolor", "010203", "FORECOLOR", "000:255255255"},  // short RGB: white, no index
    {"FORECOLOR", "001002003", "FORECOLOR", "000:001002003"}, // no separator: RGB only
    {"name", "Chart1", "NAME", "Chart1"},
    {"FrameColor", "099:010020030", "FRAMECOLOR", "099:010020030"},
    {"checkstyle", "1", "CheckStyle", "1"},
    {"SendExcelDisplay", "7", "SENDEXCELDISPLAY", "7"},
    {"ToolTipUse", "0", "TOOLTIPUSE", "0"},
    {"font", "굴림,-12,400,0,0,0", "FONT", ""}, // the base keeps no font text
};

class ChartControlSet : public ::testing::TestWithParam<SetCase>
{
};

TEST_P(ChartControlSet, WritesAndReadsBackByNameWithoutRegardToCase)
{
    const SetCase& c = GetParam();
    ChartPtr chart = NewChart();
    ASSERT_TRUE(chart->SetPropertyValue(c.name, c.text));
    CString text;
    ASSERT_TRUE(chart->GetPropertyValue(c.readAs, text));
    EXPECT_STREQ(c.expect, text);
}

INSTANTIATE_TEST_SUITE_P(Table, ChartControlSet, ::testing::ValuesIn(kSets));

TEST(ChartControlProperties, ChartSettersReachTheCanvasThroughTheTable)
{
    ChartPtr chart = NewChart();
    CCtlChart* ctl = CCtlChart::FromInterface(chart.get());
    ASSERT_TRUE(chart->SetPropertyValue("framecolor", "181:001002003"));
    EXPECT_EQ(CCtlColor::Index(181).GetIndex(), ctl->GetProperties().m_clrFrame.GetIndex());
    EXPECT_EQ(RGB(1, 2, 3), ctl->GetProperties().m_clrFrame.GetRGB());
    ASSERT_TRUE(chart->SetPropertyValue("HINDI", "0"));
    EXPECT_EQ(0, ctl->GetProperties().m_nHIndi);
    ASSERT_TRUE(chart->SetPropertyValue("RealFixNeed", "0"));
    EXPECT_EQ(0, ctl->m_nRealFixNeed);
    ASSERT_TRUE(chart->SetPropertyValue("BackColor", "179:000000255"));
    EXPECT_EQ(RGB(0, 0, 255), ctl->GetProperties().m_clrBack.GetRGB());
    ASSERT_TRUE(chart->SetPropertyValue("FONT", "굴림,-12,400,0,0,0"));
    EXPECT_STREQ("굴림,-12,400,0,0,0", ctl->GetProperties().m_strFont);
}

TEST(ChartControlProperties, UnknownNamesFailBothWays)
{
    ChartPtr chart = NewChart();
    CString text = "kept";
    EXPECT_FALSE(chart->GetPropertyValue("NoSuchThing", text));
    EXPECT_STREQ("kept", text);
    EXPECT_FALSE(chart->SetPropertyValue("NoSuchThing", "1"));
    EXPECT_FALSE(chart->GetPropertyValue("", text));
}

TEST(ChartControlProperties, DataItemsReachPropertiesAndDdeDataReadsTheCaption)
{
    ChartPtr chart = NewChart();
    chart->SetCaption("ABC");
    CString text;
    EXPECT_TRUE(chart->GetDataItem("ddedata", 3, 4, text));
    EXPECT_STREQ("ABC", text);
    EXPECT_FALSE(chart->SetDataItem("DDEDATA", 0, 0, "X")); // no property of that name
    EXPECT_TRUE(chart->SetDataItem("caption", 0, 0, "X"));
    EXPECT_STREQ("X", chart->GetCaption());
}

// A chart with records the chart never registers.
class CTestCtl : public CCtlChart
{
public:
    int m_nValue = 5;
    int GetValue() { return m_nValue; }
    void SetValue(int n) { m_nValue = n; }
};

TEST(ChartControlProperties, SecondRegistrationReplacesTheFirstAtTheEnd)
{
    CTestCtl ctl;
    typedef CProperty<int> I;
    ctl.AddProperty("Value", "first", PROPTYPE_INT, static_cast<I::Getter>(&CTestCtl::GetValue),
                    static_cast<I::Setter>(&CTestCtl::SetValue));
    ctl.AddProperty("Other", "other", PROPTYPE_INT, static_cast<I::Getter>(&CTestCtl::GetValue), nullptr);
    ctl.AddProperty("VALUE", "second", PROPTYPE_INT, static_cast<I::Getter>(&CTestCtl::GetValue), nullptr);
    const COrdinalMap<CBaseProperty>& table = ctl.GetPropertyTable();
    const INT_PTR n = INT_PTR(sizeof(kDefaults) / sizeof(kDefaults[0]));
    ASSERT_EQ(n + 2, table.GetCount());
    EXPECT_STREQ("OTHER", table.GetAt(n)->m_strName);
    EXPECT_STREQ("VALUE", table.GetAt(n + 1)->m_strName);
    EXPECT_STREQ("second", table.GetAt(n + 1)->m_strDesc);
    EXPECT_EQ(table.GetAt(n + 1), table.Lookup("VALUE"));
    // Replacing a registered property: it moves to the end.
    ctl.AddProperty("caption", "again", PROPTYPE_INT, static_cast<I::Getter>(&CTestCtl::GetValue), nullptr);
    ASSERT_EQ(n + 2, table.GetCount());
    EXPECT_STREQ("CAPTION", table.GetAt(n + 1)->m_strName);
    EXPECT_STREQ("VINDI", table.GetAt(22)->m_strName); // one place earlier than before
    // The new record has no setter: writing fails and changes nothing.
    EXPECT_FALSE(ctl.SetPropertyValue("value", "9"));
    EXPECT_EQ(5, ctl.m_nValue);
}

struct TypeCase
{
    int type;
    BOOL getOk;
    BOOL setOk;
    const char* read; // after writing "9"; null when the output stays untouched
};

// An int record under every type code: the int family reads and writes it, codes of another
// family find a record of the wrong class and fail, codes without a value succeed untouched.
const TypeCase kTypes[] = {
    {1, TRUE, TRUE, "9"},   {2, TRUE, TRUE, "9"},   {7, TRUE, TRUE, "9"},   {12, TRUE, TRUE, "9"},
    {3, TRUE, TRUE, nullptr}, {8, TRUE, TRUE, nullptr}, {13, TRUE, TRUE, nullptr}, {-1, TRUE, TRUE, nullptr},
    {4, FALSE, FALSE, nullptr}, {5, FALSE, FALSE, nullptr}, {0, FALSE, FALSE, nullptr},
};

class ChartControlTypes : public ::testing::TestWithParam<TypeCase>
{
};

TEST_P(ChartControlTypes, TypeCodeDecidesTheTextForm)
{
    const TypeCase& c = GetParam();
    CTestCtl ctl;
    typedef CProperty<int> I;
    ctl.AddProperty("V", "v", c.type, static_cast<I::Getter>(&CTestCtl::GetValue),
                    static_cast<I::Setter>(&CTestCtl::SetValue));
    EXPECT_EQ(c.setOk, ctl.SetPropertyValue("v", "9"));
    CString text = "untouched";
    EXPECT_EQ(c.getOk, ctl.GetPropertyValue("v", text));
    EXPECT_STREQ(c.read ? c.read : "untouched", text);
    EXPECT_EQ(c.read ? 9 : 5, ctl.m_nValue);
}

INSTANTIATE_TEST_SUITE_P(Table, ChartControlTypes, ::testing::ValuesIn(kTypes));

TEST(ChartControlProperties, RecordsWithoutGetterFailReading)
{
    CTestCtl ctl;
    ctl.AddProperty("W", "w", PROPTYPE_INT, CProperty<int>::Getter(nullptr),
                    static_cast<CProperty<int>::Setter>(&CTestCtl::SetValue));
    CString text = "kept";
    EXPECT_FALSE(ctl.GetPropertyValue("W", text));
    EXPECT_STREQ("kept", text);
    EXPECT_TRUE(ctl.SetPropertyValue("W", "12"));
    EXPECT_EQ(12, ctl.m_nValue);
}

} // namespace
