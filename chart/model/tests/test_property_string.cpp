// The property string: sections, regions, objects and their kind records by version, and the
// cases where a string is short or malformed.
#include <gtest/gtest.h>
#include <limits.h>

#include "Properties.h"
#include "model_with_lists.h"
#include "property_string_fixture.h"

using namespace propfixture;

namespace {

struct Model : ModelWithLists
{
    const DDRAWOBJDATA* Object(int i) { return props.m_ObjectList.GetAt(props.m_ObjectList.FindIndex(i)); }
    template <class R>
    const R& Record(int i)
    {
        return *static_cast<const R*>(Object(i)->KindProp);
    }
};

std::vector<std::string> ObjectHeader(int v, int kind)
{
    std::vector<std::string> f = {std::to_string(kind), "2", "3"};
    if (v >= 26)
        f.push_back("5");
    return f;
}

// A line object (kind 0) of version v with the given line colour field and title.
std::string LineItem(int v, const std::string& colour, const std::string& title = "close")
{
    std::vector<std::string> f = ObjectHeader(v, 0);
    for (std::string s : {colour, std::string("2"), std::string("1"), std::string("0"), std::string("20"),
                          std::string("s1"), title, std::string("0"), std::string("base"), std::string("255"),
                          std::string("255")})
        f.push_back(s);
    if (v >= 2)
        f.push_back("0");
    if (v >= 6)
        f.push_back("s2");
    if (v >= 10)
        f.push_back("3");
    if (v >= 15) {
        for (const char* s : {"s5", "s6", "s7"})
            f.push_back(s);
    }
    if (v >= 19) {
        f.push_back("1");
        for (int i = 0; i < (v >= 25 ? 8 : 4); ++i)
            f.push_back("n" + std::to_string(i + 8));
    }
    if (v >= 24)
        f.push_back("9");
    return Join(L4, f);
}

// A symbol object (kind 5): point style, S1, title, legend, I5, I3, colour.
std::string SymbolItem(int v, const std::string& colour)
{
    std::vector<std::string> f = ObjectHeader(v, 5);
    for (const char* s : {"4", "sym", "symbols", "1", "7", "0"})
        f.push_back(s);
    f.push_back(colour);
    if (v >= 15)
        f.push_back("s5");
    return Join(L4, f);
}

std::string OneRegion(int v)
{
    std::vector<std::string> header = {"7"};
    if (v >= 1)
        header.push_back("0");
    if (v >= 13)
        header.push_back("1");
    return Section({RegionItem(header, Side("won"), Side("pct"))});
}

TEST(PropertyString, ReadsAWholeChart)
{
    const int v = 27;
    Model m;
    std::string text = Whole(v, TimeSection(v), OneRegion(v),
                             Section({LineItem(v, "466:000000255"), SymbolItem(v, "255")}));
    ASSERT_NE(0, m.props.ParsePropertyString(text.c_str()));

    EXPECT_EQ(27, m.props.m_nPropVersion);
    const DTIMEDATA& t = m.props.m_TimeData;
    EXPECT_EQ(0, t.TimeKind);
    EXPECT_EQ(120, t.ViewCount);
    EXPECT_EQ(1, m.props.m_bDefaultCount);
    EXPECT_EQ(120, m.props.m_nDefaultCount);
    EXPECT_STREQ("date", t.S1);
    EXPECT_EQ(5, t.MinTerm);
    EXPECT_EQ(61, t.RIndexWidth);
    EXPECT_EQ(16, t.LIndexWidth);
    EXPECT_EQ(9, t.RMargin);
    EXPECT_EQ(12, t.I7);
    EXPECT_EQ(20, t.TimeHeight);
    EXPECT_STREQ("t4", t.S4);
    EXPECT_STREQ("t5", t.S5);
    EXPECT_EQ(100, t.XDivisor);
    EXPECT_STREQ("price", t.XName);

    ASSERT_EQ(1, m.props.m_RegionList.GetCount());
    const DREGIONDATA& region = *m.props.m_RegionList.GetHead();
    EXPECT_EQ(7, region.I1);
    EXPECT_EQ(1, region.Reverse);
    EXPECT_EQ(1, m.props.m_nCategoryAxis);
    EXPECT_STREQ("won", region.RightSide.Unit);
    EXPECT_STREQ("pct", region.LeftSide.Unit);
    EXPECT_EQ(2, region.RightSide.Decimals);

    ASSERT_EQ(2, m.props.m_ObjectList.GetCount());
    EXPECT_EQ(5, m.Object(0)->I5);
    const DLINEPROP& line = m.Record<DLINEPROP>(0);
    EXPECT_EQ(CCtlColor("466:000000255"), line.LineColor);
    EXPECT_EQ(2, line.Thick);
    EXPECT_EQ(20, line.I5);
    EXPECT_STREQ("close", line.Title);
    EXPECT_STREQ("base", line.BaseName);
    EXPECT_EQ(CCtlColor::Rgb(255), line.UpColor);
    EXPECT_EQ(0, line.Legend);
    EXPECT_EQ(3, line.PointStyle);
    EXPECT_EQ(1, line.PriceLevel);
    EXPECT_STREQ("n8", line.S8);
    EXPECT_STREQ("n15", line.S15);
    EXPECT_EQ(9, line.I4);
    const DLINEPROP& symbol = m.Record<DLINEPROP>(1);
    EXPECT_EQ(4, symbol.PointStyle);
    EXPECT_EQ(CCtlColor::Rgb(255), symbol.LineColor);

    // Name lists: time S1/S2, the line's and the symbol's texts, in reading order.
    ASSERT_EQ(5, m.lists[0].GetSize());
    EXPECT_STREQ("date", m.lists[0][0]);
    EXPECT_STREQ("s1", m.lists[0][1]);
    EXPECT_STREQ("n8", m.lists[0][2]);
    EXPECT_STREQ("n10", m.lists[0][3]);
    EXPECT_STREQ("sym", m.lists[0][4]);
    ASSERT_EQ(1, m.lists[2].GetSize());
    EXPECT_STREQ("base", m.lists[2][0]);

    // Nothing to rewrite from version 27 on.
    EXPECT_STREQ(text.c_str(), m.props.GetPropertyString());
}

TEST(PropertyString, OldColourFormRewritesTheItemsOwnField)
{
    // Version 26: line colours are not parsed; the line takes its scheme index by its order
    // among line objects, and the stored text shows the colour's text form in the field's place.
    // The symbol ahead holds the same digits in its own colour field, which must stay as it is.
    const int v = 26;
    Model m;
    std::string text = Whole(v, TimeSection(v), OneRegion(v),
                             Section({SymbolItem(v, "255"), LineItem(v, "255"), LineItem(v, "255")}));
    ASSERT_NE(0, m.props.ParsePropertyString(text.c_str()));
    ASSERT_EQ(3, m.props.m_ObjectList.GetCount());

    EXPECT_EQ(CCtlColor::Rgb(255), m.Record<DLINEPROP>(0).LineColor);
    const DLINEPROP& first = m.Record<DLINEPROP>(1);
    EXPECT_EQ(466, first.LineColor.GetIndex());
    EXPECT_EQ(0xFFFFFFu, first.LineColor.GetRGB());
    EXPECT_EQ(465, first.UpColor.GetIndex());
    EXPECT_EQ(464, first.DownColor.GetIndex());
    EXPECT_EQ(467, m.Record<DLINEPROP>(2).LineColor.GetIndex());

    std::string expected = Whole(v, TimeSection(v), OneRegion(v),
                                 Section({SymbolItem(v, "255"), LineItem(v, "466:255255255"),
                                          LineItem(v, "467:255255255")}));
    // The up and down colour fields of each line are rewritten too.
    for (int i = 0; i < 2; ++i) {
        size_t at = expected.find(L4 + "base" + L4 + "255" + L4 + "255" + L4);
        ASSERT_NE(std::string::npos, at);
        expected.replace(at, (L4 + "base" + L4 + "255" + L4 + "255" + L4).size(),
                         L4 + "base" + L4 + "465:255255255" + L4 + "464:255255255" + L4);
    }
    EXPECT_EQ(expected, std::string(m.props.GetPropertyString()));
}

TEST(PropertyString, SchemeIndicesOfTheFirstFiveLines)
{
    const int v = 20;
    std::vector<std::string> items;
    for (int i = 0; i < 6; ++i)
        items.push_back(LineItem(v, "1"));
    Model m;
    ASSERT_NE(0, m.props.ParsePropertyString(Whole(v, TimeSection(v), OneRegion(v), Section(items)).c_str()));
    const int expected[6] = {466, 467, 468, 87, 88, 466};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], m.Record<DLINEPROP>(i).LineColor.GetIndex()) << i;
}

TEST(PropertyString, ColourFieldsFromVersion27)
{
    struct
    {
        const char* field;
        CCtlColor colour;
    } cases[] = {{"255", CCtlColor::Rgb(255)},
                 {"466:255000000", CCtlColor("466:255000000")},
                 {"70000:000000001", CCtlColor("65535:000000001")},
                 {"99999999999", CCtlColor::Rgb(0xFFFFFF)},
                 {"-5", CCtlColor::Rgb(0)}};
    for (const auto& c : cases) {
        Model m;
        const int v = 27;
        ASSERT_NE(0, m.props.ParsePropertyString(
                         Whole(v, TimeSection(v), OneRegion(v), Section({LineItem(v, c.field)})).c_str()));
        EXPECT_EQ(c.colour, m.Record<DLINEPROP>(0).LineColor) << c.field;
    }
}

TEST(PropertyString, FailuresLeaveAnEmptyModel)
{
    const int v = 27;
    const std::string time = TimeSection(v);
    const std::string regionItem = RegionItem({"7", "0", "1"}, Side("r"), Side("l"));
    const std::string regions = Section({regionItem});
    const std::string objects = Section({LineItem(v, "1")});
    const std::string whole = Whole(v, time, regions, objects);
    struct
    {
        const char* what;
        std::string text;
    } cases[] = {
        {"no final separator", whole.substr(0, whole.size() - 2)},
        {"too few objects", Whole(v, time, regions, Join(L2, {"2", LineItem(v, "1")}))},
        {"too few regions", Whole(v, time, Join(L2, {"2", regionItem}), objects)},
        {"negative object count", Whole(v, time, regions, Join(L2, {"-1"}))},
        {"missing object count", Whole(v, time, regions, "")},
        {"negative region count", Whole(v, time, Join(L2, {"-3"}), objects)},
        {"time section short", Whole(v, Join(L4, {"0", "120", "date"}), regions, objects)},
        {"region side short", Whole(v, time, Section({RegionItem({"7", "0", "1"}, Join(L4, {"0", "0"}), Side("x"))}),
                                    objects)},
        {"region header short", Whole(v, time, Section({RegionItem({"7"}, Side("a"), Side("b"))}), objects)},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        Model m;
        m.lists[0].Add("old");
        EXPECT_EQ(0, m.props.ParsePropertyString(c.text.c_str())) << c.what;
        EXPECT_EQ(0, m.props.m_RegionList.GetCount()) << c.what;
        EXPECT_EQ(0, m.props.m_ObjectList.GetCount()) << c.what;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(0, m.lists[i].GetSize()) << c.what;
        EXPECT_STREQ(c.text.c_str(), m.props.GetPropertyString()) << c.what;
    }
}

// A count of 0 describes an empty chart: the parse succeeds with nothing in the model, not
// even the regions or names read before it; the time record stays as read.
TEST(PropertyString, ZeroCountsEmptyTheModelAndSucceed)
{
    const int v = 27;
    Model m;
    ASSERT_NE(0, m.props.ParsePropertyString(Whole(v, TimeSection(v), OneRegion(v), Section({})).c_str()));
    EXPECT_EQ(0, m.props.m_RegionList.GetCount());
    EXPECT_EQ(0, m.props.m_ObjectList.GetCount());
    EXPECT_EQ(0, m.lists[0].GetSize());
    EXPECT_EQ(0, m.lists[1].GetSize());

    Model none;
    ASSERT_NE(0, none.props.ParsePropertyString(
                     Whole(v, TimeSection(v, 6), Section({}), Section({LineItem(v, "1")})).c_str()));
    EXPECT_EQ(6, none.props.GetTimeKind());
    EXPECT_EQ(0, none.props.m_RegionList.GetCount());
    EXPECT_EQ(0, none.props.m_ObjectList.GetCount());
    EXPECT_EQ(0, none.lists[0].GetSize()); // the time section's names went with the rest
}

TEST(PropertyString, MissingKindFieldsKeepTheirInitialValues)
{
    // The item ends after the line's width and shadow: the rest keep the record's defaults
    // rather than repeating the last field read.
    const int v = 27;
    std::vector<std::string> f = ObjectHeader(v, 0);
    f.push_back("466:000000000");
    f.push_back("3");
    f.push_back("1");
    Model m;
    ASSERT_NE(0, m.props.ParsePropertyString(
                     Whole(v, TimeSection(v), OneRegion(v), Section({Join(L4, f) + "tail"})).c_str()));
    const DLINEPROP& line = m.Record<DLINEPROP>(0);
    DLINEPROP fresh;
    EXPECT_EQ(3, line.Thick);
    EXPECT_EQ(1, line.Shadow);
    EXPECT_EQ(fresh.I3, line.I3);
    EXPECT_EQ(fresh.I5, line.I5);
    EXPECT_EQ(fresh.Legend, line.Legend);
    EXPECT_STREQ("", line.Title);
    EXPECT_EQ(fresh.UpColor, line.UpColor);
    EXPECT_EQ(fresh.PriceLevel, line.PriceLevel);
}

TEST(PropertyString, RegionHeaderFieldsByVersion)
{
    struct
    {
        int version;
        std::vector<std::string> header;
        int tagOff;
        int reverse;
    } cases[] = {{0, {"7"}, 0, 0}, {1, {"7", "1"}, 1, 0}, {13, {"7", "1", "1"}, 1, 1}};
    for (const auto& c : cases) {
        Model m;
        std::string regions = Section({RegionItem(c.header, Side("r"), Side("l"))});
        ASSERT_NE(0, m.props.ParsePropertyString(
                         Whole(c.version, TimeSection(c.version), regions, Section({LineItem(c.version, "1")}))
                             .c_str()))
            << c.version;
        const DREGIONDATA& region = *m.props.m_RegionList.GetHead();
        EXPECT_EQ(7, region.I1);
        EXPECT_EQ(c.tagOff, region.TagOff) << c.version;
        EXPECT_EQ(c.reverse, region.Reverse) << c.version;
        EXPECT_EQ(c.reverse, m.props.m_nCategoryAxis) << c.version;
    }
}

TEST(PropertyString, OldBarsAndObjectsWithoutRecords)
{
    // Version 2: a bar reads colour, shade and data name only; its up and down colours take
    // indices 59 and 60. A kind outside 0 to 8 is kept without a record; an object whose header
    // is short is left out and the rest are read.
    const int v = 2;
    std::string bar = Join(L4, {"3", "0", "1", "7", "1", "volume"});
    std::string other = Join(L4, {"12", "0", "1"});
    std::string broken = Join(L4, {"3", "0"});
    Model m;
    ASSERT_NE(0, m.props.ParsePropertyString(
                     Whole(v, TimeSection(v), OneRegion(v), Section({bar, broken, other})).c_str()));
    ASSERT_EQ(2, m.props.m_ObjectList.GetCount());
    const DBARPROP& record = m.Record<DBARPROP>(0);
    EXPECT_EQ(469, record.BarColor.GetIndex());
    EXPECT_EQ(1, record.Shade);
    EXPECT_STREQ("volume", record.DataName);
    EXPECT_EQ(59, record.UpColor.GetIndex());
    EXPECT_EQ(60, record.DownColor.GetIndex());
    EXPECT_EQ(0, record.BarMode);
    EXPECT_EQ(12, m.Object(1)->Kind);
    EXPECT_EQ(NULL, m.Object(1)->KindProp);
}

TEST(PropertyString, NumbersSaturate)
{
    const int v = 27;
    std::string time = TimeSection(v);
    time.replace(0, 1, "99999999999");
    Model m;
    ASSERT_NE(0, m.props.ParsePropertyString(Whole(v, time, OneRegion(v), Section({})).c_str()));
    EXPECT_EQ(INT_MAX, m.props.GetTimeKind());
    Model huge;
    EXPECT_EQ(0, huge.props.ParsePropertyString(
                     Whole(v, TimeSection(v), OneRegion(v), Join(L2, {"-99999999999"})).c_str()));
}

TEST(PropertyString, CandleAndVolumeAtPriceOfVersion21)
{
    const int v = 21;
    std::vector<std::string> candle = ObjectHeader(v, 1);
    for (const char* s : {"1", "1", "0", "0", "a1", "a2", "a3", "a4", "b5", "b6", "b7", "b8"})
        candle.push_back(s);
    for (int i = 9; i <= 16; ++i)
        candle.push_back("c" + std::to_string(i));
    for (const char* s : {"1", "d17", "d18", "d19", "d20", "1", "1"})
        candle.push_back(s);
    for (int i = 21; i <= 28; ++i)
        candle.push_back("e" + std::to_string(i));
    std::vector<std::string> vap = ObjectHeader(v, 7);
    for (const char* s : {"x", "x", "x", "s2", "s3", "s4", "s1", "s5", "s6"})
        vap.push_back(s);
    for (int i = 0; i < 6; ++i)
        vap.push_back(std::to_string(i + 1));
    for (const char* s : {"1", "0", "sell", "buy", "even", "s11", "s12", "s13", "s10", "s14", "s15", "6", "7"})
        vap.push_back(s);
    Model m;
    ASSERT_NE(0, m.props.ParsePropertyString(
                     Whole(v, TimeSection(v), OneRegion(v), Section({Join(L4, candle), Join(L4, vap)})).c_str()));
    const DJAPANPROP& j = m.Record<DJAPANPROP>(0);
    EXPECT_EQ(1, j.FallFill);
    EXPECT_EQ(464, j.FallColor.GetIndex()); // old form: its own index
    EXPECT_STREQ("b8", j.S8);
    EXPECT_STREQ("c16", j.S16);
    EXPECT_EQ(1, j.PriceBand);
    EXPECT_STREQ("d20", j.S20);
    EXPECT_EQ(1, j.BidAskSwap);
    EXPECT_STREQ("e28", j.S28);
    const DMEAMULPROP& p = m.Record<DMEAMULPROP>(1);
    EXPECT_EQ(60, p.RIndexMargin);
    EXPECT_STREQ("s1", p.S1);
    EXPECT_EQ(CCtlColor::Rgb(6), p.EvenColor);
    EXPECT_EQ(1, p.ByPrice);
    EXPECT_STREQ("even", p.EvenName);
    EXPECT_STREQ("s10", p.S10);
    EXPECT_EQ(7, p.I7);
    EXPECT_EQ(0, p.I8);
    // The candle's colour fields were rewritten in the stored text in their own places.
    std::string stored = LPCSTR(m.props.GetPropertyString());
    EXPECT_NE(std::string::npos, stored.find(L4 + "1" + L4 + "464:255255255" + L4 + "465:255255255" + L4 + "a1"));
}

TEST(PropertyString, TokenHelpers)
{
    CString source = "ab\x17\x17" "cd\x17\x17" "e";
    CString token;
    EXPECT_TRUE(CProperties::NextToken(source, token, "\x17\x17"));
    EXPECT_STREQ("ab", token);
    EXPECT_TRUE(CProperties::NextToken(source, token, "\x17\x17"));
    EXPECT_STREQ("cd", token);
    EXPECT_FALSE(CProperties::NextToken(source, token, "\x17\x17"));
    EXPECT_STREQ("cd", token);
    EXPECT_STREQ("e", source);

    CString section = "3\x15\x15rest";
    EXPECT_EQ(3, CProperties::ReadCount(section, "\x15\x15"));
    EXPECT_STREQ("rest", section);
    CString none = "3";
    EXPECT_EQ(-1, CProperties::ReadCount(none, "\x15\x15"));
}

} // namespace
