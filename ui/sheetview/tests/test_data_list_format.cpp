// The record-bound list's formatting of one field into a cell: every format by binary type,
// zero hiding, sign colour, signs, check and side marks, the callback, decimals kept by a
// column, and writes that never pass the cell's buffer nor read past the field.
#include <gtest/gtest.h>

#include "ColorMap.h"
#include "data_list_fixture.h"

namespace {

struct FormatCase
{
    const char* name;
    UINT format;
    DATA_TYPE type;
    Record field;
    int length;
    const char* text; // expected cell text
    WORD fore;        // expected fore colour id; 0: unchanged
};

Record IntField(int v) { return Record(8).Int(0, v); }
Record DblField(double v) { return Record(8).Dbl(0, v); }
Record TextField(const char* s, int size = 16) { return Record(size).Text(0, s); }

int g_callbacks;
void WriteCallbackText(void*, tagCell* cell, void*)
{
    ++g_callbacks;
    strcpy(cell->pszText, "cb");
}

class FormatTest : public DataListTest
{
protected:
    tagCell* Cell()
    {
        tagCell* cell = list.GetCellPtr(3, 1);
        strcpy(cell->pszText, "before");
        cell->pForeColor = CColorMap::GetColorInfo(skin::kCustomId);
        cell->nFlags &= ~(GCF_SIGN_MASK | GCF_CHECKED);
        return cell;
    }
    tagGridDataInfo Describe(UINT format, DATA_TYPE type, int length, PFN_GRIDCELLPROC callback = NULL)
    {
        tagGridDataInfo d = {0, (WORD)length, type, 3, 0, format, callback};
        return d;
    }
};

TEST_F(FormatTest, FormatByTypeToCellText)
{
    const FormatCase cases[] = {
        {"int text", GDF_TEXT, DT_INT, IntField(-1234), 4, "-1234", 0},
        {"int quantity", GDF_QUANTITY, DT_INT, IntField(1234567), 4, "1,234,567", 0},
        {"int price", GDF_PRICE, DT_INT, IntField(987654), 4, "9,876.54", 0},
        {"int price3", GDF_PRICE3, DT_INT, IntField(12345), 4, "12.345", 0},
        {"int decimal", GDF_DECIMAL, DT_INT, IntField(7654321), 4, "7,654,321", 0},
        {"int time", GDF_TIME, DT_INT, IntField(93005), 4, "09:30:05", 0},
        {"int date", GDF_DATE, DT_INT, IntField(20261209), 4, "2026/12/09", 0},
        {"int trimzero", GDF_TRIMZERO, DT_INT, IntField(120), 4, "120", 0},
        {"int rate down", GDF_RATE, DT_INT, IntField(-2575), 4, "25.75", 103},
        {"int rate up", GDF_RATE, DT_INT, IntField(1500), 4, "15.00", 102},
        {"int rate2", GDF_RATE2, DT_INT, IntField(-2575), 4, "-25.75", 103},
        {"double price", GDF_PRICE, DT_DOUBLE, DblField(12.5), 8, "12.50", 0},
        {"double price3", GDF_PRICE3, DT_DOUBLE, DblField(12.5), 8, "12.500", 0},
        {"double decimal", GDF_DECIMAL, DT_DOUBLE, DblField(1234.5), 8, "1,234.50000000", 0},
        {"double quantity", GDF_QUANTITY, DT_DOUBLE, DblField(2.5), 8, "2.500000", 0},
        {"double rate", GDF_RATE, DT_DOUBLE, DblField(-3.456), 8, "-3.46", 0},
        {"text text", GDF_TEXT, DT_TEXT, TextField("ABC   "), 6, "ABC", 0},
        {"text time", GDF_TIME, DT_TEXT, TextField("093005"), 6, "09:30:05", 0},
        {"text date", GDF_DATE, DT_TEXT, TextField("20261209"), 8, "2026/12/09", 0},
        {"text trimzero", GDF_TRIMZERO, DT_TEXT, TextField("000120"), 6, "120", 0},
        {"text account", GDF_ACCOUNT, DT_TEXT, TextField("9876543210"), 10, "987-65-43210", 0},
        {"text mask", GDF_MASK, DT_TEXT, TextField("secret"), 10, "******", 0},
        {"side sell", GDF_SIDE, DT_FLAG, TextField("1"), 1, "매도", 103},
        {"side buy", GDF_SIDE, DT_FLAG, TextField("2"), 1, "매수", 102},
        {"side other", GDF_SIDE, DT_FLAG, TextField("9"), 1, "before", 0},
        {"unknown code", 0x8000, DT_INT, IntField(5), 4, "before", 0},
        {"hide zero", GDF_QUANTITY | GDF_HIDEZERO, DT_INT, IntField(0), 4, "", 0},
        {"hide zero point", GDF_PRICE | GDF_HIDEZERO, DT_DOUBLE, DblField(0.5), 8, "", 0},
        {"hide zero keeps", GDF_TEXT | GDF_HIDEZERO, DT_INT, IntField(105), 4, "105", 0},
        {"sign colour -", GDF_TEXT | GDF_SIGNCOLOR, DT_INT, IntField(-5), 4, "-5", 103},
        {"sign colour 0", GDF_TEXT | GDF_SIGNCOLOR, DT_INT, IntField(0), 4, "0", 101},
        {"sign colour +", GDF_TEXT | GDF_SIGNCOLOR, DT_TEXT, TextField("1,234"), 5, "1,234", 102},
        {"short int field", GDF_TEXT, DT_INT, Record(4).Int(0, 0x7FFF1234), 2, "4660", 0},
        {"short double field", GDF_PRICE, DT_DOUBLE, DblField(2.0), 4, "0.00", 0},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.name);
        tagCell* cell = Cell();
        tagGridDataInfo d = Describe(c.format, c.type, c.length);
        Record field = c.field;
        list.ConvertData(field.data(), cell, &d);
        EXPECT_EQ(std::string(c.text), cell->pszText);
        EXPECT_EQ(CColorMap::GetColorInfo(c.fore != 0 ? c.fore : skin::kCustomId), cell->pForeColor);
    }
}

TEST_F(FormatTest, SignAndCheckMarksLeaveTheText)
{
    tagCell* cell = Cell();
    tagGridDataInfo sign = Describe(GDF_SIGN, DT_FLAG, 1);
    Record up = TextField("2");
    list.ConvertData(up.data(), cell, &sign);
    EXPECT_EQ(GCF_SIGN_UP, cell->nFlags & GCF_SIGN_MASK);
    EXPECT_STREQ("before", cell->pszText);

    list.SetCheckControl(3, 1);
    tagGridDataInfo check = Describe(GDF_CHECK, DT_FLAG, 4);
    Record on = TextField("x"), off = Record(4);
    list.ConvertData(on.data(), cell, &check);
    EXPECT_TRUE(cell->nFlags & GCF_CHECKED);
    list.ConvertData(off.data(), cell, &check);
    EXPECT_FALSE(cell->nFlags & GCF_CHECKED);
    tagGridDataInfo checkText = Describe(GDF_CHECK, DT_TEXT, 4); // only a flag field checks
    list.ConvertData(on.data(), cell, &checkText);
    EXPECT_FALSE(cell->nFlags & GCF_CHECKED);
}

TEST_F(FormatTest, CallbackRunsOnlyWithItsOptionAndAfterTheFormat)
{
    g_callbacks = 0;
    Record field = IntField(42);
    tagCell* cell = Cell();
    tagGridDataInfo only = Describe(GDF_CALLBACK, DT_INT, 4, WriteCallbackText);
    list.ConvertData(field.data(), cell, &only);
    EXPECT_EQ(1, g_callbacks);
    EXPECT_STREQ("cb", cell->pszText);

    cell = Cell();
    tagGridDataInfo without = Describe(GDF_TEXT, DT_INT, 4, WriteCallbackText);
    list.ConvertData(field.data(), cell, &without);
    EXPECT_EQ(1, g_callbacks);
    EXPECT_STREQ("42", cell->pszText);
}

TEST_F(FormatTest, PricesKeepTheColumnsDecimals)
{
    list.SetDecimalLength(3, 1);
    EXPECT_EQ(1, list.GetDecimalLength(3));
    tagCell* cell = Cell();
    tagGridDataInfo d = Describe(GDF_PRICE3, DT_DOUBLE, 8);
    Record field = DblField(12.5);
    list.ConvertData(field.data(), cell, &d);
    EXPECT_STREQ("12.5", cell->pszText);
}

TEST_F(FormatTest, WritesStopAtTheCellsBuffer)
{
    const struct
    {
        UINT format;
        DATA_TYPE type;
        Record field;
        int length;
        WORD buffer;
    } cases[] = {
        {GDF_DECIMAL, DT_DOUBLE, DblField(1e18), 8, 32},   // 33 characters with separators
        {GDF_QUANTITY, DT_DOUBLE, DblField(-1e300), 8, 32}, // "%f" of a huge number
        {GDF_PRICE, DT_DOUBLE, DblField(12345.5), 8, 3},   // a cell shrunk to its text
        {GDF_TEXT, DT_TEXT, Record(256).Text(0, std::string(256, 'A').c_str()), 256, 32},
        {GDF_MASK, DT_TEXT, Record(256).Text(0, std::string(200, 'p').c_str()), 256, 32},
        {GDF_ACCOUNT, DT_TEXT, Record(256).Text(0, std::string(255, '7').c_str()), 256, 32},
    };
    for (const auto& c : cases) {
        std::vector<char> buffer(c.buffer + 1 + 16, (char)0xAB);
        tagCell cell = *list.GetCellPtr(3, 1);
        cell.pszText = buffer.data();
        cell.nBufSize = c.buffer;
        tagGridDataInfo d = Describe(c.format, c.type, c.length);
        Record field = c.field;
        list.ConvertData(field.data(), &cell, &d);
        EXPECT_LE(strlen(buffer.data()), (size_t)c.buffer) << c.format;
        if (c.format != GDF_ACCOUNT) // an account number keeps its own length
            EXPECT_EQ((size_t)c.buffer, strlen(buffer.data())) << c.format;
        for (size_t i = c.buffer + 1; i < buffer.size(); ++i)
            ASSERT_EQ((char)0xAB, buffer[i]) << "format " << c.format << " wrote past the buffer at " << i;
    }
}

TEST_F(FormatTest, LongFieldsGetCellsOfTheirLength)
{
    list.AddColumnDataInfo(rec::kAmount, 40, DT_TEXT, 4, GDF_TEXT, 0, NULL, 1);
    EXPECT_EQ(40, list.GetCellPtr(4, 1)->nBufSize);
    EXPECT_EQ(1u, list.GetCellPtr(4, 5)->nFlags & GCF_ALIGN_MASK);
    EXPECT_EQ(2u, list.GetCellPtr(2, 3)->nFlags & GCF_ALIGN_MASK); // -1: right-aligned
    Record r;
    memset(r.data() + rec::kAmount, 'z', 40);
    list.ClearColumnDataInfo();
    list.AddColumnDataInfo(rec::kAmount, 40, DT_TEXT, 4, GDF_TEXT, 0, NULL, 0);
    ASSERT_EQ(1, list.AddRecord(r.data(), r.size(), 1));
    EXPECT_EQ(std::string(40, 'z'), Text(4, 1));
}

TEST_F(FormatTest, ADescriptionPastTheRecordReadsZerosThere)
{
    list.ClearColumnDataInfo();
    list.AddColumnDataInfo(rec::kSize - 2, 8, DT_TEXT, 4, GDF_TEXT, 0, NULL, 0);
    list.AddColumnDataInfo(rec::kSize + 10, 4, DT_INT, 1, GDF_TEXT, 0, NULL, 0);
    Record r;
    r.Text(rec::kSize - 2, "OK");
    ASSERT_EQ(1, list.AddRecord(r.data(), r.size(), 1));
    EXPECT_EQ("OK", Text(4, 1));
    EXPECT_EQ("0", Text(1, 1));
}

TEST(CellProcs, ColoursAndSignsByComparisonAndSign)
{
    GridSkin skin;
    tagCell cell = {};
    EXPECT_EQ(CColorMap::GetColorInfo(102), SetFontColor(1, 2, &cell));
    EXPECT_EQ(CColorMap::GetColorInfo(102), cell.pForeColor);
    EXPECT_EQ(CColorMap::GetColorInfo(101), SetFontColor(2, 2, &cell));
    EXPECT_EQ(CColorMap::GetColorInfo(103), SetFontColor(3, 2, &cell));
    const struct
    {
        char sign;
        WORD fore;
        DWORD flags;
    } signs[] = {{'1', 102, GCF_SIGN_CEILING}, {'2', 102, GCF_SIGN_UP}, {'3', 101, 0},
                 {'4', 103, GCF_SIGN_FLOOR},   {'5', 103, GCF_SIGN_DOWN}};
    for (const auto& s : signs) {
        cell.pForeColor = NULL;
        SetFontColorBySign(s.sign, &cell);
        EXPECT_EQ(CColorMap::GetColorInfo(s.fore), cell.pForeColor) << s.sign;
        DWORD flags = 0xFFFFFFFF;
        SetSign(s.sign, &flags);
        EXPECT_EQ(s.flags, flags & GCF_SIGN_MASK) << s.sign;
    }
    cell.pForeColor = NULL;
    SetFontColorBySign('x', &cell);
    EXPECT_EQ(NULL, cell.pForeColor);
    DWORD flags = GCF_SIGN_UP;
    SetSign('x', &flags);
    EXPECT_EQ(GCF_SIGN_UP, flags);

    char text[33] = {};
    cell.pszText = text;
    cell.nBufSize = 32;
    SetUDRate(1000, 25, '5', &cell, "%");
    EXPECT_EQ(CColorMap::GetColorInfo(103), cell.pForeColor);
    EXPECT_EQ('(', text[0]);
    EXPECT_EQ(')', text[strlen(text) - 1]);
    EXPECT_NE(nullptr, strstr(text, "%"));
    EXPECT_EQ(nullptr, strchr(text, '-')); // the rate is shown without its sign
}

} // namespace
