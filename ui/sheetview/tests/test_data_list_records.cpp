// The record-bound list's records on a real window: size refusals, the oldest or the last
// record dropped at the maximum count, update, remove and move, the sort table, alternate
// shading, and the records shown after scroll messages (overscroll rows included).
#include <gtest/gtest.h>

#include "data_list_fixture.h"

namespace {

TEST_F(DataListTest, SizesAreRefused)
{
    CGridDataList unsized;
    Record r = Numbered(1);
    EXPECT_EQ(0, unsized.AddRecord(r.data(), r.size(), 0));
    EXPECT_EQ(0, unsized.InsertRecord(r.data(), r.size()));
    EXPECT_EQ(0, unsized.SetData(r.data(), r.size()));
    EXPECT_EQ(0, unsized.SetRecordSize(0));
    EXPECT_EQ(0, unsized.SetRecordSize(-4));
    EXPECT_EQ(0, unsized.GetRecordSize());

    const struct
    {
        int recordSize, bytes, added;
        int result;
    } adds[] = {{390, 780, 2, 1}, {390, 700, 0, 0}, {390, 390, 1, 1}, {390, 0, 0, 1}, {390, 389, 0, 0}};
    for (const auto& a : adds) {
        CGridDataList l;
        ASSERT_EQ(1, l.SetRecordSize(a.recordSize));
        std::vector<BYTE> bytes(a.bytes + 1, 7);
        EXPECT_EQ(a.result, l.AddRecord(bytes.data(), a.bytes, 0)) << a.bytes;
        EXPECT_EQ(a.added, l.GetRecordCount()) << a.bytes;
    }
    EXPECT_EQ(0, list.InsertRecord(r.data(), r.size() - 1));
    EXPECT_EQ(0, list.InsertRecord(r.data(), r.size() * 2));
    EXPECT_EQ(0, list.UpdateRecord(0, r.data(), r.size())); // no record yet
    Add(0, 1);
    EXPECT_EQ(0, list.UpdateRecord(0, r.data(), r.size() + 1));
    EXPECT_EQ(0, list.UpdateRecord(1, r.data(), r.size()));
    EXPECT_EQ(0, list.SetRecordSize(rec::kSize * 2)); // records are held at their size
    EXPECT_EQ(0, list.RemoveRecord(1, 1));
    EXPECT_EQ(0, list.MoveRecord(0, 1, 1));
    EXPECT_EQ(NULL, list.GetRecordPtr(1));
    EXPECT_EQ(NULL, list.GetRecordPtrRef(-1));
}

TEST_F(DataListTest, TheMaximumDropsTheOldestOnAppendAndTheLastOnInsert)
{
    list.SetMaxRowCount(1000);
    Add(0, 1001);
    ASSERT_EQ(1000, list.GetRecordCount());
    EXPECT_EQ("C001", Code(0));
    EXPECT_EQ("C1000", Code(999));
    EXPECT_EQ("C001", Text(1, 1)); // the view shows the records as they are now

    Record top = Numbered(5000);
    ASSERT_EQ(1, list.InsertRecord(top.data(), top.size()));
    ASSERT_EQ(1000, list.GetRecordCount());
    EXPECT_EQ("C5000", Code(0));
    EXPECT_EQ("C001", Code(1));
    EXPECT_EQ("C999", Code(999)); // the newest appended fell off the end
    EXPECT_EQ("C5000", Text(1, 1));
}

// An insert at the top moves the shown texts down instead of formatting every row: what it
// leaves must be what formatting all the rows again shows, in each situation the move has to
// notice (a view scrolled down, a full list dropping its last record, a cell buffer cut short
// by SetCellText, a column described after the rows were formatted, a sign colour).
TEST_F(DataListTest, AnInsertAtTheTopShowsWhatFormattingEveryRowShows)
{
    struct Shown
    {
        std::string text;
        CColorInfo* fore;
        UINT shade;
        bool operator==(const Shown& o) const { return text == o.text && fore == o.fore && shade == o.shade; }
    };
    auto snapshot = [&]() {
        std::vector<Shown> cells;
        for (UINT row = 1; row < 11; ++row)
            for (UINT col = 1; col < 5; ++col) {
                const tagCell* cell = list.GetCellPtr(col, row);
                cells.push_back({cell->pszText != NULL ? cell->pszText : "(null)", cell->pForeColor,
                                 cell->nFlags & GCF_SHADE});
            }
        return cells;
    };
    const struct
    {
        const char* name;
        int records, max, top;
        bool shrinkRow3, rateColumn;
    } cases[] = {
        {"a few records", 4, -1, 0, false, false},
        {"full list drops its last", 30, 30, 0, false, false},
        {"scrolled down", 30, -1, 7, false, false},
        {"scrolled to the end", 30, 30, 20, false, false},
        {"shrunk buffer", 30, -1, 0, true, false},
        {"column described late", 30, -1, 0, false, true}, // keep last: the description stays
    };
    list.SetRemoveRowLine(1);
    for (const auto& c : cases) {
        list.ClearData(1);
        list.SetMaxRowCount(c.max);
        for (int i = 0; i < c.records; ++i) {
            Record r = Numbered(i);
            r.Int(rec::kRate, i % 3 - 1);
            ASSERT_EQ(1, list.AddRecord(r.data(), r.size(), 1));
        }
        list.SetScrollPosition(1, c.top);
        if (c.shrinkRow3) {
            list.SetCellText(1, 3, "x");
            Record again = Numbered(c.top + 2);
            ASSERT_EQ(1, list.UpdateRecord(c.top + 2, again.data(), again.size())); // cut to its buffer
        }
        if (c.rateColumn)
            list.AddColumnDataInfo(rec::kRate, 4, DT_INT, 4, GDF_RATE | GDF_SIGNCOLOR, 0, NULL, -1);
        for (int n = 0; n < 3; ++n) {
            Record top = Numbered(900 + n);
            top.Int(rec::kRate, n - 1);
            ASSERT_EQ(1, list.InsertRecord(top.data(), top.size()));
            const std::vector<Shown> inserted = snapshot();
            list.SetScrollPosition(1, list.GetTopRecord()); // formats every shown row
            EXPECT_TRUE(inserted == snapshot()) << c.name << ", insert " << n;
        }
        if (c.top == 0)
            EXPECT_EQ("C902", Text(1, 1)) << c.name;
    }
}

TEST_F(DataListTest, RecordsShowInTheirColumnsAsDescribed)
{
    Record r = Numbered(3);
    r.Text(rec::kName, "이름");
    ASSERT_EQ(1, list.SetData(r.data(), r.size()));
    EXPECT_EQ("C003", Text(1, 1));
    EXPECT_EQ("3", Text(2, 1));
    EXPECT_EQ("0.75", Text(3, 1));
    EXPECT_EQ("이름", Text(4, 1));
    EXPECT_EQ(2u, list.GetCellPtr(3, 1)->nFlags & GCF_ALIGN_MASK);

    Record changed = Numbered(9);
    ASSERT_EQ(1, list.UpdateRecord(0, changed.data(), changed.size()));
    EXPECT_EQ("C009", Text(1, 1));
    list.ClearData(1);
    EXPECT_EQ(0, list.GetRecordCount());
    EXPECT_EQ("", Text(1, 1));
}

TEST_F(DataListTest, RemoveAndMoveReshowTheRecords)
{
    Add(0, 4);
    ASSERT_EQ(1, list.RemoveRecord(1, 1));
    EXPECT_EQ("C002", Text(1, 2));
    EXPECT_EQ("", Text(1, 4));
    ASSERT_EQ(1, list.MoveRecord(0, 2, 1));
    EXPECT_EQ("C002", Text(1, 1));
    EXPECT_EQ("C003", Text(1, 2));
    EXPECT_EQ("C000", Text(1, 3));
}

TEST_F(DataListTest, SortTable)
{
    const int quantities[] = {5, -2, 40, 5, 0};
    const char* codes[] = {"delta", "alpha", "echo", "bravo", "charlie"};
    const double prices[] = {1.5, -7.25, 3.0, 1e9, 0.0};
    for (int i = 0; i < 5; ++i) {
        Record r = Record().Text(rec::kCode, codes[i]).Int(rec::kQty, quantities[i]).Dbl(rec::kPrice, prices[i]);
        list.AddRecord(r.data(), r.size(), 0);
    }
    auto column = [this](UINT col) {
        std::string s;
        for (UINT row = 1; row <= 5; ++row)
            s += Text(col, row) + "|";
        return s;
    };
    const struct
    {
        int description, direction;
        UINT col;
        const char* expected;
    } sorts[] = {
        {0, 1, 1, "alpha|bravo|charlie|delta|echo|"}, // texts ascending
        {0, 0, 1, "echo|delta|charlie|bravo|alpha|"},
        {1, 1, 2, "40|5|5|0|-2|"}, // numbers descending
        {1, 0, 2, "-2|0|5|5|40|"},
        {2, 1, 3, "1000000000.00|3.00|1.50|0.00|-7.25|"},
        {2, 0, 3, "-7.25|0.00|1.50|3.00|1000000000.00|"},
    };
    for (const auto& s : sorts) {
        list.Sort(s.description, s.direction);
        EXPECT_EQ(s.expected, column(s.col)) << s.description << "/" << s.direction;
    }
    const std::string before = column(1);
    list.Sort(9, 1);
    list.Sort(-1, 1);
    EXPECT_EQ(before, column(1));
}

TEST_F(DataListTest, AlternateRecordsAreShadedAndEmptyRowsKeepAlternating)
{
    Add(0, 3);
    for (UINT row = 1; row < 11; ++row) {
        const bool shaded = ((row - 1) & 1) != 0; // records 1, 3, ... and the rows after them
        for (UINT col = 1; col < 5; ++col)
            EXPECT_EQ(shaded, (list.GetCellPtr(col, row)->nFlags & GCF_SHADE) != 0) << col << "," << row;
    }
    list.SetRemoveRowLine(0);
    for (UINT row = 1; row < 11; ++row)
        EXPECT_EQ(0u, list.GetCellPtr(2, row)->nFlags & GCF_SHADE);
    list.SetRemoveRowLine(1);
    EXPECT_TRUE(list.GetCellPtr(2, 2)->nFlags & GCF_SHADE);
    EXPECT_EQ(kShadeBack, ListPicture(list).Pixel(list.GetCellRect(2, 2).left + 2, list.GetCellRect(2, 2).top + 2));
}

TEST_F(DataListTest, OwnBarDescribesTheRecords)
{
    EXPECT_EQ(11, list.GetVisibleRowCount());
    Add(0, 50);
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    CXeScrollBar* bar = list.GetOwnScrollBar(1);
    ASSERT_TRUE(bar->GetSafeHwnd() != NULL);
    EXPECT_EQ(IDC_GDL_VSCROLL, bar->GetDlgCtrlID());
    bar->GetScrollInfo(&info, SIF_ALL);
    EXPECT_EQ(49, info.nMax);
    EXPECT_EQ(10u, info.nPage);
    EXPECT_EQ(40, list.GetMaxScrollPosition(1));
}

TEST_F(DataListTest, PositionsAfterVerticalScrollMessages)
{
    Add(0, 50);
    const struct
    {
        UINT code;
        int repeat, top;
    } steps[] = {{SB_LINEDOWN, 1, 1},  {SB_LINEDOWN, 2, 3}, {SB_PAGEDOWN, 1, 13}, {SB_LINEUP, 1, 12},
                 {SB_PAGEUP, 3, 0},    {SB_PAGEDOWN, 9, 40}, {SB_LINEDOWN, 1, 40}, {SB_ENDSCROLL, 1, 40},
                 {SB_THUMBPOSITION, 1, 40}, {SB_TOP, 1, 0}};
    for (const auto& s : steps) {
        for (int i = 0; i < s.repeat; ++i)
            Scroll(s.code);
        EXPECT_EQ(s.top, list.GetTopRecord()) << s.code;
        EXPECT_EQ(s.top, list.GetOwnScrollBar(1)->GetScrollPos());
        char code[16];
        snprintf(code, sizeof code, "C%03d", s.top);
        EXPECT_EQ(code, Text(1, 1));
    }
    // The bar's own line press scrolls the list.
    CXeScrollBar* bar = list.GetOwnScrollBar(1);
    const CPoint down = bar->GetArrow2Rect().CenterPoint();
    bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
    bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(down.x, down.y));
    EXPECT_EQ(1, list.GetTopRecord());
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    EXPECT_EQ(2, list.GetTopRecord());
}

TEST_F(DataListTest, SelectionStaysWithItsRecordWhileScrolling)
{
    Add(0, 50);
    const CPoint p = list.GetCellRect(2, 3).CenterPoint();
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    EXPECT_EQ(3, list.GetSelectRow());
    Scroll(SB_LINEDOWN);
    EXPECT_FALSE(list.GetCellPtr(2, 3)->nFlags & GCF_SELECTED);
    EXPECT_TRUE(list.GetCellPtr(2, 2)->nFlags & GCF_SELECTED);
    tagGRDHITTEST hit;
    list.HitTest(list.GetCellRect(2, 2).CenterPoint(), &hit);
    EXPECT_EQ(3, hit.nRow); // record coordinates
    CArray<tagCellInfo, tagCellInfo&> cells;
    list.GetSelectedCells(cells);
    ASSERT_EQ(1, cells.GetSize());
    EXPECT_EQ(2, cells[0].nCol);
    EXPECT_EQ(3, cells[0].nRow);
}

TEST_F(DataListTest, ShiftExtendsFromTheAnchorAndCtrlAddsCells)
{
    Add(0, 20);
    auto click = [this](UINT col, UINT row, WPARAM keys) {
        const CPoint p = list.GetCellRect(col, row).CenterPoint();
        host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON | keys);
        host.Mouse(WM_LBUTTONUP, p.x, p.y, keys);
    };
    auto selected = [this]() {
        CArray<tagCellInfo, tagCellInfo&> cells;
        list.GetSelectedCells(cells);
        std::string s;
        for (int i = 0; i < cells.GetSize(); ++i)
            s += std::to_string(cells[i].nCol) + "," + std::to_string(cells[i].nRow) + " ";
        return s;
    };
    click(1, 2, 0);
    click(1, 4, MK_SHIFT);
    EXPECT_EQ("1,2 1,3 1,4 ", selected());
    click(1, 3, MK_SHIFT); // the earlier range gives way to the new one
    EXPECT_EQ("1,2 1,3 ", selected());
    click(3, 6, MK_CONTROL);
    EXPECT_EQ("1,2 1,3 3,6 ", selected());
    click(2, 5, 0);
    EXPECT_EQ("2,5 ", selected());
}

TEST_F(DataListTest, RowsBeyondTheClientScrollAsOverscroll)
{
    // 14 grid rows in a client that shows 11: the last records come into view by pixels.
    ListHost<CGridDataList> tall(3, 14, 1, 1, 0, CSize(300, 11 * 23 + 2), [](CGridDataList& l) {
        l.SetRecordSize(rec::kSize);
        l.SetDataListScrollbar(GDL_SCROLL_VERT);
        l.AddColumnDataInfo(rec::kCode, rec::kCodeLen, DT_TEXT, 1, GDF_TEXT, 0, NULL, 0);
    });
    CGridDataList& l = tall.list;
    for (int i = 0; i < 30; ++i) {
        Record r = Numbered(i);
        l.AddRecord(r.data(), r.size(), 0);
    }
    EXPECT_EQ(20, l.GetMaxScrollPosition(1)); // 30 records, 10 a page
    for (int i = 0; i < 20; ++i)
        l.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(17, l.GetTopRecord()); // 30 - 13 grid rows: the last top record
    EXPECT_EQ(3, l.GetOverscrollRows());
    EXPECT_EQ(l.GetRowStart(3) - 1, l.GetVScrollOffset());
    EXPECT_EQ(20, l.GetOwnScrollBar(1)->GetScrollPos());
    EXPECT_EQ("C029", std::string((const char*)l.GetCellText(1, 13)));
    l.SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(17, l.GetTopRecord());
    EXPECT_EQ(2, l.GetOverscrollRows());
    l.SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(9, l.GetTopRecord());
    EXPECT_EQ(0, l.GetOverscrollRows());
    EXPECT_EQ(0, l.GetVScrollOffset());
}

TEST_F(DataListTest, PositioningOnARecord)
{
    Add(0, 50);
    list.SetScrollPosition(1, 30);
    EXPECT_EQ(30, list.GetTopRecord());
    list.SetScrollPosition(1, 99);
    EXPECT_EQ(40, list.GetTopRecord());
    list.SetVisibleRowIndex(20);
    EXPECT_EQ(15, list.GetTopRecord());
    list.SelectRowByDataIndex(25);
    EXPECT_EQ(20, list.GetTopRecord());
    EXPECT_EQ(26, list.GetSelectRow());
    EXPECT_TRUE(list.GetCellPtr(1, 6)->nFlags & GCF_SELECTED);
    EXPECT_EQ("C025", Text(1, 6));
}

} // namespace

namespace {

TEST(DataListHorizontal, OneRecordPerColumnScrollsByRecords)
{
    GridSkin skin;
    ListHost<CGridDataList> host(6, 3, 1, 1, 0, CSize(400, 3 * 23 + 20), [](CGridDataList& l) {
        l.SetUpdateStyle(0);
        l.SetRecordSize(rec::kSize);
        l.SetDataListScrollbar(GDL_SCROLL_HORZ);
        l.AddColumnDataInfo(rec::kCode, rec::kCodeLen, DT_TEXT, 1, GDF_TEXT, 0, NULL, 0);
        l.AddColumnDataInfo(rec::kQty, 4, DT_INT, 2, GDF_QUANTITY, 0, NULL, 0);
    });
    CGridDataList& l = host.list;
    for (int i = 0; i < 12; ++i) {
        Record r = Numbered(i);
        l.AddRecord(r.data(), r.size(), 1);
    }
    auto text = [&l](UINT col, UINT row) { return std::string((const char*)l.GetCellText(col, row)); };
    EXPECT_EQ("C000", text(1, 1));
    EXPECT_EQ("4", text(5, 2));
    EXPECT_EQ(7, l.GetMaxScrollPosition(0)); // 12 records, 5 a page
    const struct
    {
        UINT code;
        int repeat, left;
    } steps[] = {{SB_LINEDOWN, 1, 1}, {SB_PAGEDOWN, 1, 6}, {SB_PAGEDOWN, 1, 7}, {SB_LINEUP, 2, 5}, {SB_TOP, 1, 0}};
    for (const auto& s : steps) {
        for (int i = 0; i < s.repeat; ++i)
            l.SendMessage(WM_HSCROLL, s.code, 0);
        EXPECT_EQ(s.left, l.GetLeftRecord()) << s.code;
        EXPECT_EQ(s.left, l.GetOwnScrollBar(0)->GetScrollPos());
        char code[16];
        snprintf(code, sizeof code, "C%03d", s.left);
        EXPECT_EQ(code, text(1, 1));
    }
    l.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
    EXPECT_EQ(1, l.GetLeftRecord());
    tagGRDHITTEST hit;
    l.HitTest(l.GetCellRect(2, 1).CenterPoint(), &hit);
    EXPECT_EQ(3, hit.nCol); // record coordinates
    EXPECT_EQ(1, hit.nRow);
}

} // namespace

namespace {

TEST(DataListRepeat, RecordsOfTwoRowsRefreshSelectAndCommitByRecord)
{
    GridSkin skin;
    ListHost<CGridDataList> host(3, 11, 1, 1, 0, CSize(300, 11 * 23 + 2), [](CGridDataList& l) {
        l.SetRecordSize(rec::kSize);
        l.SetRepeatCount(2);
        l.SetDataListScrollbar(GDL_SCROLL_VERT);
        l.AddColumnDataInfo(rec::kCode, rec::kCodeLen, DT_TEXT, 1, GDF_TEXT, 0, NULL, 0);
        l.AddColumnDataInfo(rec::kQty, 4, DT_INT, 1, GDF_QUANTITY, 1, NULL, 0);
    });
    CGridDataList& l = host.list;
    auto text = [&l](UINT row) { return std::string((const char*)l.GetCellText(1, row)); };
    for (int i = 0; i < 20; ++i) {
        Record r = Numbered(i);
        l.AddRecord(r.data(), r.size(), 1);
    }
    EXPECT_EQ("C003", text(7)); // record 3 takes rows 7 and 8
    EXPECT_EQ("3", text(8));
    EXPECT_EQ(15, l.GetMaxScrollPosition(1)); // 20 records, 5 a page
    l.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(1, l.GetTopRecord());
    EXPECT_EQ("C001", text(1));
    EXPECT_EQ("C004", text(7));

    Record changed = Numbered(90);
    ASSERT_EQ(1, l.UpdateRecord(3, changed.data(), changed.size()));
    EXPECT_EQ("C090", text(5)); // record 3 is now on rows 5 and 6
    EXPECT_EQ("90", text(6));
    EXPECT_EQ("C002", text(3));

    const CPoint p = l.GetCellRect(1, 4).CenterPoint(); // record 2's second row
    host.Mouse(WM_LBUTTONDOWN, p.x, p.y, MK_LBUTTON);
    host.Mouse(WM_LBUTTONUP, p.x, p.y);
    l.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_TRUE(l.GetCellPtr(1, 2)->nFlags & GCF_SELECTED); // still record 2's second row
    EXPECT_FALSE(l.GetCellPtr(1, 4)->nFlags & GCF_SELECTED);

    l.SendMessage(WM_GRID_SETEDITDATA, ((WPARAM)2 << 16) | 1, (LPARAM) "77");
    EXPECT_EQ(77, *(const int*)(l.GetRecordPtr(2) + rec::kQty));
    EXPECT_EQ(90, *(const int*)(l.GetRecordPtr(3) + rec::kQty));
    EXPECT_EQ("C002", text(1));
    EXPECT_EQ("77", text(2));
}

} // namespace
