// The saved screen sets' files as bytes: strings of every length prefix, records of the old
// stamps, the screens' own data behind the records, and damaged files refused whole-set-wise.
#include <gtest/gtest.h>

#include <afx.h>

#include <string>

#include "ScreenSets.h"
#include "temp_dir.h"

namespace {

std::string U32(unsigned v)
{
    return std::string{char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char((v >> 24) & 0xFF)};
}

std::string U16(unsigned v)
{
    return std::string{char(v & 0xFF), char((v >> 8) & 0xFF)};
}

// The archive's string: a one-byte length below 255, 0xFF and two bytes below 0xFFFE, else
// 0xFF 0xFFFF and four bytes; then the text.
std::string Str(const std::string& text)
{
    const size_t n = text.size();
    if (n < 255)
        return std::string(1, char(n)) + text;
    if (n < 0xFFFE)
        return "\xFF" + U16((unsigned)n) + text;
    return std::string("\xFF\xFF\xFF") + U32((unsigned)n) + text;
}

std::string Rect(int l, int t, int r, int b)
{
    return U32(l) + U32(t) + U32(r) + U32(b);
}

std::string Placement()
{
    // length 44, flags 0, show 1, min (-1,-1), max (-1,-1), normal (10,20,110,220).
    return U32(44) + U32(0) + U32(1) + U32(-1) + U32(-1) + U32(-1) + U32(-1) + Rect(10, 20, 110, 220);
}

std::string Item(unsigned stamp, const std::string& id, const std::string& text, const std::string& code,
                 const std::string& account)
{
    std::string bytes = U32(stamp) + Str(id) + Str(text) + Rect(10, 20, 110, 220);
    if (stamp > 2010020500)
        bytes += Str(code) + Str(account);
    if (stamp >= 2013052301)
        bytes += Placement();
    return bytes;
}

std::string Set(const std::string& number, const std::string& name, const std::string& items, int count)
{
    return U32(2009122901) + Str(number) + Str(name) + U32(count) + items;
}

std::string Info(const std::string& sets, int count)
{
    return U32(2009122901) + U32(count) + sets;
}

class ScreenSetFile : public ::testing::Test
{
protected:
    std::string Path() const { return m_dir.File("set.dat"); }
    TempDir m_dir;
};

struct LengthCase
{
    size_t length;
};

class StringLengths : public ScreenSetFile, public ::testing::WithParamInterface<LengthCase>
{
};

TEST_P(StringLengths, RoundTripByteForByte)
{
    const std::string name(GetParam().length, 'n');
    const std::string code(GetParam().length, 'c');
    const std::string bytes =
        Info(Set("9001", name, Item(2013052301, "1000", "[1000] Trade", code, "acc"), 1), 1) + U32(77);
    WriteFileBytes(Path(), bytes);

    CUserScrInfo info;
    ASSERT_EQ(SCREENSET_READ, ReadScreenSetWithData(Path().c_str(), info));
    ASSERT_EQ(1, info.GetCount());
    CSerializeItems* set = info.GetAt(0);
    EXPECT_EQ(name, (LPCSTR)set->m_strName);
    ASSERT_EQ(1, set->m_arrItems.GetSize());
    const CSerializeItem* item = set->m_arrItems[0];
    EXPECT_EQ(code, (LPCSTR)item->m_strCode);
    EXPECT_EQ("acc", std::string(item->m_strAccount));
    EXPECT_EQ(CRect(10, 20, 110, 220), item->m_rect);
    EXPECT_EQ(CRect(10, 20, 110, 220), CRect(item->m_placement.rcNormalPosition));
    EXPECT_EQ(77, item->m_nOwnData);
    EXPECT_EQ(set, info.Find(9001));

    const std::string again = m_dir.File("again.dat");
    ASSERT_TRUE(WriteScreenSets(again.c_str(), info, TRUE));
    EXPECT_EQ(bytes, ReadFileBytes(again));
}

INSTANTIATE_TEST_SUITE_P(Prefixes, StringLengths,
                         ::testing::Values(LengthCase{0}, LengthCase{254}, LengthCase{255}, LengthCase{65533},
                                           LengthCase{65534}, LengthCase{70000}));

TEST_F(ScreenSetFile, OldStampsLackTheLaterFieldsAndTheirData)
{
    struct Case
    {
        unsigned stamp;
        bool codes, placement, ownData;
    } cases[] = {{2010020500, false, false, false},
                 {2010020501, true, false, false},
                 {2010081801, true, false, true},
                 {2013052301, true, true, true}};
    for (const Case& c : cases) {
        // Two screens, the own data of each behind the records.
        std::string items = Item(c.stamp, "1000", "a", "BTC", "111") + Item(c.stamp, "2000", "b", "ETH", "222");
        std::string data = c.ownData ? U32(5) + U32(6) : std::string();
        WriteFileBytes(Path(), Info(Set("9001", "set", items, 2), 1) + data);
        CUserScrInfo info;
        ASSERT_EQ(SCREENSET_READ, ReadScreenSetWithData(Path().c_str(), info)) << c.stamp;
        const CSerializeItems* set = info.GetAt(0);
        ASSERT_EQ(2, set->m_arrItems.GetSize());
        EXPECT_EQ(c.codes ? "ETH" : "", std::string(set->m_arrItems[1]->m_strCode)) << c.stamp;
        EXPECT_EQ(c.ownData, set->m_arrItems[1]->HasOwnData() != FALSE) << c.stamp;
        if (c.ownData) {
            EXPECT_EQ(5, set->m_arrItems[0]->m_nOwnData);
            EXPECT_EQ(6, set->m_arrItems[1]->m_nOwnData);
        }
        const CRect normal(set->m_arrItems[0]->m_placement.rcNormalPosition);
        EXPECT_EQ(c.placement ? CRect(10, 20, 110, 220) : CRect(0, 0, 0, 0), normal) << c.stamp;
    }
}

TEST_F(ScreenSetFile, ACutFileKeepsTheSetsReadWholeAndSaysSo)
{
    const std::string first = Set("9001", "one", Item(2013052301, "1000", "a", "", ""), 1);
    const std::string second = Set("9002", "two", Item(2013052301, "2000", "b", "", "") + Item(2013052301, "3000", "c", "", ""), 2);
    const std::string whole = Info(first + second, 2);
    struct Case
    {
        size_t cut;
        int kept;
    } cases[] = {{0, 0}, {3, 0}, {8 + 10, 0}, {8 + first.size(), 1}, {8 + first.size() + 20, 1},
                 {whole.size() - 1, 1}, {whole.size(), 2}};
    for (const Case& c : cases) {
        WriteFileBytes(Path(), whole.substr(0, c.cut));
        CUserScrInfo info;
        EXPECT_EQ(c.cut == whole.size() ? SCREENSET_READ : SCREENSET_DAMAGED, ReadScreenSets(Path().c_str(), info))
            << c.cut;
        EXPECT_EQ(c.kept, info.GetCount()) << c.cut;
    }
    // A set count far beyond the file ends at the file's end.
    WriteFileBytes(Path(), Info(first, 0x7FFFFFFF));
    CUserScrInfo info;
    EXPECT_EQ(SCREENSET_DAMAGED, ReadScreenSets(Path().c_str(), info));
    EXPECT_EQ(1, info.GetCount());
    // No file at all.
    EXPECT_EQ(SCREENSET_MISSING, ReadScreenSets(m_dir.File("none.dat").c_str(), info));
    EXPECT_EQ(0, info.GetCount());
}

TEST_F(ScreenSetFile, RemovingAScreenTakesTheFirstOfItsNumber)
{
    CSerializeItems set;
    for (const char* id : {"1000", "2000", "1000"}) {
        CSerializeItem* item = new CSerializeItem;
        item->m_strScreenID = id;
        item->m_nOwnData = (int)set.m_arrItems.GetSize();
        set.m_arrItems.Add(item);
    }
    EXPECT_TRUE(set.RemoveScreen("1000"));
    ASSERT_EQ(2, set.m_arrItems.GetSize());
    EXPECT_EQ(1, set.m_arrItems[0]->m_nOwnData);
    EXPECT_EQ(2, set.m_arrItems[1]->m_nOwnData);
    EXPECT_FALSE(set.RemoveScreen("3000"));
}

} // namespace
