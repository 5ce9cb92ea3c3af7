// The record-bound list's check boxes and edits written back into the records: exact bytes by
// type and field length with nothing beyond the field, the commit reported to the parent in
// record coordinates, the masked editor, and Tab to the next editable cell (scrolling).
#include <gtest/gtest.h>

#include "data_list_fixture.h"

namespace {

const BYTE kGuard = 0xEE;

class DataListEditTest : public DataListTest
{
protected:
    // A record whose every byte is the guard, then the list's one record.
    void OneGuardedRecord()
    {
        Record r;
        memset(r.data(), kGuard, r.size());
        ASSERT_EQ(1, list.SetData(r.data(), r.size()));
    }
    const BYTE* Bytes(int index = 0) { return list.GetRecordPtr(index); }
    void Commit(UINT col, UINT row, const char* text)
    {
        list.SendMessage(WM_GRID_SETEDITDATA, ((WPARAM)row << 16) | col, (LPARAM)text);
    }
    CGridEdit* Editor() { return static_cast<CGridEdit*>(list.GetDlgItem(IDC_GRIDEDIT)); }
};

TEST_F(DataListEditTest, CommitWritesTheFieldsBytesAndNothingBeyond)
{
    const struct
    {
        const char* name;
        WORD offset, length;
        DATA_TYPE type;
        UINT format;
        const char* text;
        std::vector<BYTE> expected; // the field's bytes after the commit
    } cases[] = {
        {"int in 4", 10, 4, DT_INT, GDF_QUANTITY, "1,234", {0xD2, 0x04, 0, 0}},
        {"int in 2", 10, 2, DT_INT, GDF_QUANTITY, "1,234", {0xD2, 0x04}},
        {"int in 8", 10, 8, DT_INT, GDF_QUANTITY, "-2", {0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
        {"price int", 10, 4, DT_INT, GDF_PRICE, "98.76", {0x94, 0x26, 0, 0}}, // 9876
        {"double in 8", 20, 8, DT_DOUBLE, GDF_DECIMAL, "0.5", {0, 0, 0, 0, 0, 0, 0xE0, 0x3F}},
        {"double in 4", 20, 4, DT_DOUBLE, GDF_DECIMAL, "0.5", {0, 0, 0, 0}},
        {"double in 12", 20, 12, DT_DOUBLE, GDF_DECIMAL, "0.5", {0, 0, 0, 0, 0, 0, 0xE0, 0x3F, 0, 0, 0, 0}},
        {"text cut", 40, 5, DT_TEXT, GDF_TEXT, "AB,CDEFG", {'A', 'B', 'C', 'D', 'E'}},
        {"text short", 40, 5, DT_TEXT, GDF_TEXT, "xy", {'x', 'y', 0, 0, 0}},
        {"flag", 40, 1, DT_FLAG, GDF_TEXT, "2", {'2'}},
        {"past the record", 92, 8, DT_INT, GDF_TEXT, "7", {7, 0, 0, 0}}, // only 4 bytes are the record's
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list.ClearColumnDataInfo();
        list.AddColumnDataInfo(c.offset, c.length, c.type, 2, c.format, 0, NULL, 0);
        OneGuardedRecord();
        Commit(2, 1, c.text);
        const BYTE* bytes = Bytes();
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(c.expected[i], bytes[c.offset + i]) << "byte " << i;
        for (int i = 0; i < rec::kSize; ++i)
            if (i < c.offset || i >= c.offset + (int)c.expected.size())
                ASSERT_EQ(kGuard, bytes[i]) << "byte " << i << " outside the field changed";
    }
}

TEST_F(DataListEditTest, CommitReformatsTheRowAndTellsTheParentInRecordCoordinates)
{
    Add(0, 30);
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    Commit(2, 3, "12,345"); // record 2 + 2 = 4
    EXPECT_EQ(12345, *(const int*)(Bytes(4) + rec::kQty));
    EXPECT_EQ("12,345", Text(2, 3));
    ASSERT_FALSE(host.parent.m_messages.empty());
    const GridMessage m = host.parent.m_messages.back();
    EXPECT_EQ((UINT)WM_GRID_SETEDITDATA, m.message);
    EXPECT_EQ(((WPARAM)5 << 16) | 2, m.wParam); // (top + row) << 16 | column
    Commit(2, 4, "1000000"); // the formatted text is longer than the typed one
    EXPECT_EQ("1,000,000", Text(2, 4));
    // A row past the records keeps the text in the cell and writes nothing.
    list.ClearData(1);
    Commit(2, 3, "9");
    EXPECT_EQ("9", Text(2, 3));
}

TEST_F(DataListEditTest, ClickingACheckCellWritesOnesOverItsField)
{
    list.ClearColumnDataInfo();
    list.AddColumnDataInfo(rec::kCheck, rec::kCheckLen, DT_FLAG, 4, GDF_CHECK, 0, NULL, 0);
    for (UINT row = 1; row < 11; ++row)
        list.SetCheckControl(4, row);
    Record r;
    memset(r.data(), kGuard, r.size());
    memset(r.data() + rec::kCheck, 0, rec::kCheckLen);
    ASSERT_EQ(1, list.SetData(r.data(), r.size()));
    EXPECT_FALSE(list.IsChecked(4, 1));
    const CPoint p = list.GetCellRect(4, 1).CenterPoint();
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    EXPECT_TRUE(list.IsChecked(4, 1));
    EXPECT_EQ(0, memcmp("1111", Bytes() + rec::kCheck, rec::kCheckLen));
    EXPECT_EQ(kGuard, Bytes()[rec::kCheck - 1]);
    EXPECT_EQ(kGuard, Bytes()[rec::kCheck + rec::kCheckLen]);
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    EXPECT_FALSE(list.IsChecked(4, 1));
    EXPECT_EQ(0, memcmp("\0\0\0\0", Bytes() + rec::kCheck, rec::kCheckLen));
    // A record that is not there: the box changes, no record does.
    const CPoint empty = list.GetCellRect(4, 3).CenterPoint();
    host.Mouse(WM_LBUTTONDOWN, empty.x, empty.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, empty.x, empty.y);
    EXPECT_EQ(1, list.GetRecordCount());
}

TEST_F(DataListEditTest, EditsStartOnlyOnRecordsAndMaskTheirField)
{
    list.ClearColumnDataInfo();
    list.AddColumnDataInfo(rec::kName, rec::kNameLen, DT_TEXT, 1, GDF_MASK, 0, NULL, 0);
    for (UINT row = 1; row < 11; ++row)
        list.SetCellStyle(1, row, GCS_EDIT);
    Add(0, 2);
    CPoint p = list.GetCellRect(1, 5).CenterPoint(); // no record there
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    EXPECT_FALSE(Editor()->IsWindowVisible());
    p = list.GetCellRect(1, 2).CenterPoint();
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    ASSERT_TRUE(Editor()->IsWindowVisible());
    EXPECT_EQ(1, Editor()->GetTargetColumn());
    EXPECT_EQ(2, Editor()->GetTargetRow());
    EXPECT_TRUE(Editor()->IsPasswordMode());
}

TEST_F(DataListEditTest, AMaskedFieldEditedWithoutAChangeKeepsItsText)
{
    list.ClearColumnDataInfo();
    list.AddColumnDataInfo(rec::kName, rec::kNameLen, DT_TEXT, 1, GDF_MASK, 0, NULL, 0);
    list.SetCellStyle(1, 1, GCS_EDIT);
    Record r = Numbered(0);
    r.Text(rec::kName, "pw42");
    ASSERT_EQ(1, list.SetData(r.data(), r.size()));
    EXPECT_EQ("****", Text(1, 1));
    const CPoint p = list.GetCellRect(1, 1).CenterPoint();
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    ASSERT_TRUE(Editor()->IsWindowVisible());
    EXPECT_STREQ("pw42", Editor()->GetData()) << "the edit holds the field, shown masked";
    list.SetFocus(); // leaving the edit commits it
    PumpMessages();
    EXPECT_FALSE(Editor()->IsWindowVisible());
    EXPECT_EQ(std::string("pw42"), std::string((const char*)Bytes() + rec::kName));
    EXPECT_EQ("****", Text(1, 1));
}

TEST_F(DataListEditTest, TabMovesToTheNextEditableCellAndScrollsAtTheEnd)
{
    for (UINT row = 1; row < 11; ++row) {
        list.SetCellStyle(2, row, GCS_EDIT);
        list.SetCellStyle(3, row, GCS_EDIT);
    }
    Add(0, 30);
    const CPoint p = list.GetCellRect(2, 9).CenterPoint();
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    ASSERT_TRUE(Editor()->IsWindowVisible());
    const struct
    {
        int col, row, top;
    } steps[] = {{3, 9, 0}, {2, 10, 0}, {3, 10, 0}, {2, 10, 1}, {3, 10, 1}};
    for (const auto& s : steps) {
        Editor()->SendMessage(WM_KEYDOWN, VK_TAB, 1);
        PumpMessages();
        ASSERT_TRUE(Editor()->IsWindowVisible());
        EXPECT_EQ(s.col, Editor()->GetTargetColumn());
        EXPECT_EQ(s.row, Editor()->GetTargetRow());
        EXPECT_EQ(s.top, list.GetTopRecord());
    }
    EXPECT_TRUE(Editor()->IsPasswordMode() == FALSE);
}

} // namespace
