// A list that takes records at the top keeps its painted rows between paints and redraws only
// what changed: after every kind of change, in any order, the picture it paints must be what
// painting the whole list afresh draws.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "data_list_fixture.h"

namespace {

TEST_F(DataListTest, AKeptPictureIsWhatAFreshPaintDraws)
{
    auto differing = [&]() {
        CRect client;
        list.GetClientRect(&client);
        Canvas kept(client.Width(), client.Height(), RGB(1, 1, 1));
        Canvas fresh(client.Width(), client.Height(), RGB(1, 1, 1));
        list.Paint(kept.DC(), client);
        list.CGridList::Paint(fresh.DC(), client);
        int n = 0;
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x)
                n += kept.Pixel(x, y) != fresh.Pixel(x, y);
        return n;
    };
    int serial = 0;
    auto insert = [&]() {
        Record r = Numbered(500 + serial % 400);
        r.Int(rec::kRate, serial++ % 3 - 1);
        ASSERT_EQ(1, list.InsertRecord(r.data(), r.size()));
    };
    const struct
    {
        const char* name;
        std::function<void()> change;
    } steps[] = {
        {"one insert", [&] { insert(); }},
        {"three inserts", [&] { insert(), insert(), insert(); }},
        {"a shown record updated", [&] {
             Record r = Numbered(777 + serial++);
             list.UpdateRecord(list.GetTopRecord() + 2, r.data(), r.size());
         }},
        {"a head text", [&] { list.SetCellText(2, 0, serial++ % 2 ? "qty" : "amount", 1); }},
        {"shading switched", [&] { list.SetRemoveRowLine(serial++ % 2); }},
        {"a row selected", [&] { list.SelectCell(1, 3, 1); }},
        {"selection cleared", [&] { list.ClearSelection(1); }},
        {"scrolled down", [&] { list.SetScrollPosition(1, 3); }},
        {"scrolled to the top", [&] { list.SetScrollPosition(1, 0); }},
        {"a column resized", [&] { list.SetColumnWidth(2, 50 + serial++ % 3 * 15); }},
        {"a cell coloured", [&] { list.SetBackColor(3, 4, serial++ % 2 ? 102 : 103, 1); }},
        {"a cell highlighted", [&] { list.SetCellHighlight(2, 5, serial++ % 2, 1); }},
        {"the font resized", [&] { list.SetGridFontSize(serial++ % 2 ? 10 : 9); }},
        {"the first record removed", [&] { list.RemoveRecord(0, 1); }},
        {"records appended", [&] { Add(900, 2); }},
        {"the window resized", [&] {
             const int n = serial++;
             list.MoveWindow(10, 10, 380 + n % 2 * 20, 11 * 23 + 2 - (n + 1) % 2 * 11);
         }},
        {"cleared", [&] { list.ClearData(1); }},
    };
    Add(0, 30);
    insert();
    ASSERT_EQ(0, differing()) << "first paint";
    for (const auto& step : steps) {
        step.change();
        EXPECT_EQ(0, differing()) << step.name;
        insert();
        EXPECT_EQ(0, differing()) << step.name << ", then an insert";
    }
    // Changes in any order, each followed by a paint or not.
    std::mt19937 pick(7);
    std::string trail;
    for (int i = 0; i < 300; ++i) {
        const auto& step = steps[pick() % (sizeof steps / sizeof steps[0])];
        trail += std::string(step.name) + "; ";
        step.change();
        if (pick() % 3 == 0)
            continue;
        ASSERT_EQ(0, differing()) << trail;
        trail.clear();
    }
}

} // namespace
