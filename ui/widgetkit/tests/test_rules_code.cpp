// Item-code texts: cutting and upper-casing that keep double-byte characters whole, the search
// list's prefix test and the search dialogs' searches.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "CodeDialogs.h"
#include "WidgetRules.h"

namespace {

// "비트코인" in code page 949: four double-byte characters.
const char kBitcoin[] = "비트코인";
// Extended syllables whose trail bytes are the ASCII letters 'a' and 'b' (0x81 0x61, 0x81 0x62).
const char kLowerTrails[] = "갵갶";

} // namespace

TEST(CodeRules, CutKeepsDoubleByteCharactersWhole)
{
    ASSERT_EQ(8u, strlen(kBitcoin));
    const struct
    {
        const char* text;
        int bytes;
        std::string cut;
    } cases[] = {
        {kBitcoin, 8, kBitcoin},
        {kBitcoin, 7, std::string(kBitcoin, 6)},
        {kBitcoin, 1, ""},
        {"A비트", 2, "A"},
        {"A비트", 3, std::string("A비트", 3)},
        {"BTC", 6, "BTC"},
        {"BTC", 0, ""},
        {nullptr, 4, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.cut, std::string(CutOnCharBoundary(c.text, c.bytes))) << c.bytes;
}

TEST(CodeRules, UpperCasesSingleByteLettersOnly)
{
    EXPECT_STREQ("BTC-KRW 1", UpperSingleByte("btc-Krw 1").GetString());
    // Trail bytes in 'a'..'z' stay as they are: the Korean text comes back unchanged.
    ASSERT_EQ(std::string("\x81\x61\x81\x62"), kLowerTrails);
    EXPECT_STREQ(kLowerTrails, UpperSingleByte(kLowerTrails).GetString());
    EXPECT_STREQ(kBitcoin, UpperSingleByte(kBitcoin).GetString());
    EXPECT_EQ(std::string("X") + kLowerTrails + "Y", std::string(UpperSingleByte((std::string("x") + kLowerTrails + "y").c_str())));
    EXPECT_EQ(std::string(kLowerTrails, 2), std::string(CutOnCharBoundary(kLowerTrails, 3)));
}

TEST(CodeRules, SearchListPrefix)
{
    const struct
    {
        const char* code;
        const char* name;
        const char* typed;
        BOOL match;
    } cases[] = {
        {"BTC", kBitcoin, "b", TRUE},     {"BTC", kBitcoin, "BT", TRUE},     {"BTC", kBitcoin, "BTCX", FALSE},
        {"ETH", kBitcoin, "비트", TRUE},   {"ETH", kBitcoin, "비", TRUE},      {"ETH", "이더리움", "비", FALSE},
        {"ETH", "Ether", "eth", TRUE},    {"AAA", "갵갶A", "갵갶a", TRUE},  {"AAA", "갂갶", "갵", FALSE},    {"XRP", "ripple", "RIP", TRUE},    {"BTC", kBitcoin, "", FALSE},
        // A typed length that ends inside a name character cannot match it.
        {"ETH", kBitcoin, "\xBA", FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.match, CodeMatchesTyped(c.code, c.name, c.typed)) << c.code << " " << c.typed;
}

TEST(CodeRules, StockRowsCutOnCharacterBoundaries)
{
    _API_CODE_INFO record;
    record.nMarketType = 1;
    record.strCode = "ABCDEFGH";
    std::string name;
    for (int i = 0; i < 21; ++i)
        name += "가";
    record.strName = name.c_str();
    const tagSTOCKCODEROW row = MakeStockCodeRow(&record);
    EXPECT_EQ(1, row.nType);
    EXPECT_EQ("ABCDEF", std::string(row.szCode, 6));
    // 42 bytes of name: 40 bytes are twenty whole characters.
    EXPECT_EQ(name.substr(0, 40), std::string(row.szName, 40));
    EXPECT_EQ(&record, row.pRecord);
    record.strName = (std::string(39, 'N') + "가").c_str();
    const tagSTOCKCODEROW cut = MakeStockCodeRow(&record);
    EXPECT_EQ(std::string(39, 'N') + '\0', std::string(cut.szName, 40)) << "no half character at the end";
}

TEST(CodeRules, DialogSearchByCodeOrName)
{
    // Sorted by name bytes, as the dialog sorts them: Latin names before Korean ones.
    std::vector<_API_CODE_INFO> records(5);
    const char* const data[][2] = {{"X12", "Zeta"}, {"XRP", "zz"}, {"101", "가상"}, {"BTC", "나비"}, {"ETH", "다람"}};
    for (size_t i = 0; i < records.size(); ++i) {
        records[i].nMarketType = 0;
        records[i].strCode = data[i][0];
        records[i].strName = data[i][1];
    }
    std::vector<tagSTOCKCODEROW> rows;
    for (auto& r : records)
        rows.push_back(MakeStockCodeRow(&r));
    const struct
    {
        const char* text;
        int row;
    } cases[] = {
        {"나", 3},  // the first name at or after the text
        {"가", 2},  {"A", 0},
        {"라", -1}, // after every name
        {"ZE", 0},  // names compared upper-cased
        {"zz", 1},
        {"1", 2},   // a digit searches codes
        {"X1", 0},  // codes begin with the text
        {"12", -1}, {"", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.row, FindStockCodeRow(rows, c.text)) << c.text;
}

TEST(CodeRules, WarrantSearchText)
{
    const struct
    {
        const char* item;
        const char* text;
        BOOL match;
    } cases[] = {
        {"57A123", "57a12", TRUE}, {"57A123", "57B12", FALSE}, {"00123", "123", FALSE},
        {"00123X", "00123", TRUE}, {"0123", "123", FALSE},
        {"12A", "012", TRUE}, // all digits: both read as the same number
        {"call", "CA", TRUE},      {"", "1", FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.match, WarrantTextMatches(c.item, c.text)) << c.item << " / " << c.text;
}
