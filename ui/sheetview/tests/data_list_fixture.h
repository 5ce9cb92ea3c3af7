// Fixtures of the record-bound list tests: records built field by field at byte offsets, and a
// list of 96-byte records (text code, name, int quantity, double price, int rate, side and
// check flags) on a recording parent.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "list_fixture.h"

// Field offsets of the test record.
namespace rec {
const int kSize = 96;
const int kCode = 0, kCodeLen = 12;
const int kName = 12, kNameLen = 20;
const int kQty = 32;
const int kPrice = 36;
const int kRate = 44;
const int kSide = 48;
const int kCheck = 49, kCheckLen = 4;
const int kAmount = 56;
} // namespace rec

struct Record
{
    std::vector<BYTE> bytes;
    explicit Record(int size = rec::kSize) : bytes(size, 0) {}
    Record& Text(int offset, const char* text)
    {
        memcpy(bytes.data() + offset, text, strlen(text));
        return *this;
    }
    Record& Int(int offset, int v)
    {
        memcpy(bytes.data() + offset, &v, sizeof v);
        return *this;
    }
    Record& Dbl(int offset, double v)
    {
        memcpy(bytes.data() + offset, &v, sizeof v);
        return *this;
    }
    BYTE* data() { return bytes.data(); }
    int size() const { return (int)bytes.size(); }
};

// A record whose code is "C<n>", quantity n and price n / 4.
inline Record Numbered(int n)
{
    char code[16];
    snprintf(code, sizeof code, "C%03d", n);
    return Record().Text(rec::kCode, code).Int(rec::kQty, n).Dbl(rec::kPrice, n / 4.0);
}

// Columns: 0 header, 1 code, 2 quantity, 3 price, 4 name; 1 header row; own vertical bar.
class DataListTest : public ::testing::Test
{
protected:
    GridSkin skin;
    ListHost<CGridDataList> host{5, 11, 1, 1, 0, CSize(400, 11 * 23 + 2), [](CGridDataList& l) {
                                     l.SetRecordSize(rec::kSize);
                                     l.SetDataListScrollbar(GDL_SCROLL_VERT);
                                     l.AddColumnDataInfo(rec::kCode, rec::kCodeLen, DT_TEXT, 1, GDF_TEXT, 0, NULL, 0);
                                     l.AddColumnDataInfo(rec::kQty, 4, DT_INT, 2, GDF_QUANTITY, 0, NULL, -1);
                                     l.AddColumnDataInfo(rec::kPrice, 8, DT_DOUBLE, 3, GDF_PRICE, 0, NULL, 2);
                                     l.AddColumnDataInfo(rec::kName, rec::kNameLen, DT_TEXT, 4, GDF_TEXT, 0, NULL, 0);
                                 }};
    CGridDataList& list = host.list;

    void Add(int from, int count)
    {
        for (int i = from; i < from + count; ++i) {
            Record r = Numbered(i);
            ASSERT_EQ(1, list.AddRecord(r.data(), r.size(), 1));
        }
    }
    std::string Text(UINT col, UINT row) { return (const char*)list.GetCellText(col, row); }
    std::string Code(int index)
    {
        BYTE* r = list.GetRecordPtr(index);
        return r != NULL ? std::string((const char*)r + rec::kCode, strnlen((const char*)r + rec::kCode, rec::kCodeLen))
                         : std::string("(none)");
    }
    LRESULT Scroll(UINT code) { return list.SendMessage(WM_VSCROLL, code, 0); }
};
