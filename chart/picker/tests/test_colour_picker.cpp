// The colour picker as a user meets it: a real button in a real window, clicked open, driven by
// pointer and keys, and the notifications its parent receives.
#include <gtest/gtest.h>

#include <vector>

#include "ColourPicker.h"

namespace
{

struct KeyCase
{
    const char* what;
    ColourCell from;
    UINT key;
    BOOL custom;
    ColourCell to;
};

class PopupKeys : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(PopupKeys, MoveTheHotCell)
{
    const KeyCase& c = GetParam();
    const ColourCell to = MoveColourCell(c.from, c.key, 5, 8, c.custom);
    EXPECT_EQ(c.to.row, to.row) << c.what;
    EXPECT_EQ(c.to.column, to.column) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PopupKeys,
    ::testing::Values(KeyCase{"down from none", {-1, -1}, VK_DOWN, TRUE, {0, 0}},
                      KeyCase{"down a row", {1, 3}, VK_DOWN, TRUE, {2, 3}},
                      KeyCase{"down from the last row to the custom box", {4, 3}, VK_DOWN, TRUE, {-2, -2}},
                      KeyCase{"down from the custom box", {-2, -2}, VK_DOWN, TRUE, {0, 0}},
                      KeyCase{"down from the last row without custom box", {4, 3}, VK_DOWN, FALSE, {0, 3}},
                      KeyCase{"up from none", {-1, -1}, VK_UP, TRUE, {4, 0}},
                      KeyCase{"up from the custom box", {-2, -2}, VK_UP, TRUE, {4, 0}},
                      KeyCase{"up a row", {3, 5}, VK_UP, TRUE, {2, 5}},
                      KeyCase{"up from the first row to the custom box", {0, 5}, VK_UP, TRUE, {-2, -2}},
                      KeyCase{"right from none", {-1, -1}, VK_RIGHT, TRUE, {0, 0}},
                      KeyCase{"right", {2, 3}, VK_RIGHT, TRUE, {2, 4}},
                      KeyCase{"right wraps", {2, 7}, VK_RIGHT, TRUE, {2, 0}},
                      KeyCase{"left from none", {-1, -1}, VK_LEFT, TRUE, {4, 7}},
                      KeyCase{"left", {2, 3}, VK_LEFT, TRUE, {2, 2}},
                      KeyCase{"left wraps", {2, 0}, VK_LEFT, TRUE, {2, 7}}));

struct PlaceCase
{
    const char* what;
    CPoint at;
    CRect expected;
};

class PopupPlace : public ::testing::TestWithParam<PlaceCase>
{
};

TEST_P(PopupPlace, StaysOnTheScreen)
{
    const PlaceCase& c = GetParam();
    EXPECT_EQ(c.expected, PlaceColourPopup(c.at, CSize(150, 120), 20, CSize(1280, 1024))) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, PopupPlace,
                         ::testing::Values(PlaceCase{"room below", {100, 100}, {100, 100, 250, 220}},
                                           PlaceCase{"past the right edge", {1200, 100}, {1130, 100, 1280, 220}},
                                           PlaceCase{"left of the screen", {-30, 100}, {0, 100, 150, 220}},
                                           PlaceCase{"near the bottom opens above the button", {100, 950},
                                                     {100, 810, 250, 930}}));

// The picker's parent: records every notification.
class PickerHost : public CWnd
{
public:
    struct Note
    {
        UINT message;
        COLORREF colour;
        LPARAM id;
    };
    std::vector<Note> notes;

    BOOL Make(int x, int y)
    {
        return CreateEx(WS_EX_TOPMOST, NULL, "picker host", WS_POPUP | WS_VISIBLE, x, y, 200, 60, NULL, NULL);
    }
    std::vector<UINT> Messages() const
    {
        std::vector<UINT> out;
        for (const Note& n : notes)
            out.push_back(n.message);
        return out;
    }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message >= CPN_SELCHANGE && message <= CPN_SELENDCANCEL)
            notes.push_back({message, COLORREF(wParam), lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

const COLORREF kOffTable = RGB(1, 2, 3);
const int kPickerId = 77;

class Picker : public ::testing::Test
{
protected:
    PickerHost host;
    CColourPicker picker;

    void Make(int hostY, COLORREF colour)
    {
        ASSERT_TRUE(host.Make(100, hostY));
        ASSERT_TRUE(picker.Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 30), &host, kPickerId));
        picker.SetColour(colour);
    }
    CColourPopup* Open()
    {
        picker.SendMessage(BM_CLICK, 0, 0);
        return picker.GetPopup();
    }
    void TearDown() override
    {
        CColourPopup::SetChooseColour(nullptr);
        if (picker.GetSafeHwnd())
            picker.DestroyWindow();
        if (host.GetSafeHwnd())
            host.DestroyWindow();
    }
};

TEST_F(Picker, AClickOpensThePopupBelowTheButton)
{
    Make(100, RGB(255, 0, 0));
    CColourPopup* popup = Open();
    ASSERT_NE(nullptr, popup);
    EXPECT_TRUE(picker.IsActive());
    ASSERT_EQ(1u, host.notes.size());
    EXPECT_EQ(UINT(CPN_DROPDOWN), host.notes[0].message);
    EXPECT_EQ(kPickerId, host.notes[0].id);
    CRect button, window;
    picker.GetWindowRect(&button);
    popup->GetWindowRect(&window);
    EXPECT_EQ(button.bottom, window.top);
    EXPECT_EQ(button.left, window.left);
    // Red is cell 16: row 2, column 0.
    EXPECT_EQ(2, popup->GetChosenCell().row);
    EXPECT_EQ(0, popup->GetChosenCell().column);
}

TEST_F(Picker, NearTheScreenBottomThePopupOpensAboveTheButton)
{
    Make(::GetSystemMetrics(SM_CYSCREEN) - 60, RGB(255, 0, 0));
    CColourPopup* popup = Open();
    ASSERT_NE(nullptr, popup);
    CRect button, window;
    picker.GetWindowRect(&button);
    popup->GetWindowRect(&window);
    EXPECT_LE(window.bottom, button.top);
    EXPECT_LE(window.bottom, ::GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(Picker, AColourNotInTheTableChoosesTheCustomEntry)
{
    Make(100, kOffTable);
    CColourPopup* popup = Open();
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(-2, popup->GetChosenCell().row);
    EXPECT_EQ(-2, popup->GetChosenCell().column);
}

TEST_F(Picker, EscapeRestoresTheInitialColour)
{
    Make(100, kOffTable);
    picker.SetTrackSelection(TRUE);
    CColourPopup* popup = Open();
    ASSERT_NE(nullptr, popup);
    const CRect cell = popup->GetCellRect(1, 5); // Blue
    popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y));
    EXPECT_EQ(RGB(0, 0, 255), picker.GetColour()); // tracking follows the pointer
    popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(nullptr, picker.GetPopup());
    EXPECT_FALSE(picker.IsActive());
    EXPECT_EQ(kOffTable, picker.GetColour());
    const std::vector<UINT> expected = {CPN_DROPDOWN, CPN_SELCHANGE, CPN_CLOSEUP, CPN_SELENDCANCEL};
    EXPECT_EQ(expected, host.Messages());
    EXPECT_EQ(kOffTable, host.notes.back().colour);
    EXPECT_EQ(kPickerId, host.notes.back().id);
}

TEST_F(Picker, KeysMoveAndEnterConfirms)
{
    Make(100, RGB(0, 0, 0));
    CColourPopup* popup = Open();
    ASSERT_NE(nullptr, popup);
    popup->SendMessage(WM_KEYDOWN, VK_DOWN, 0);  // none -> first cell, Black
    popup->SendMessage(WM_KEYDOWN, VK_LEFT, 0);  // wraps to the row's last: Dark grey
    popup->SendMessage(WM_KEYDOWN, VK_DOWN, 0);  // Grey - 40
    EXPECT_EQ(1, popup->GetHotCell().row);
    EXPECT_EQ(7, popup->GetHotCell().column);
    popup->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(RGB(102, 102, 102), picker.GetColour());
    EXPECT_EQ(UINT(CPN_SELENDOK), host.notes.back().message);
    EXPECT_EQ(RGB(102, 102, 102), host.notes.back().colour);
}

TEST_F(Picker, AReleaseOutsideThePopupCancels)
{
    Make(100, RGB(255, 0, 0));
    CColourPopup* popup = Open();
    ASSERT_NE(nullptr, popup);
    const CRect cell = popup->GetCellRect(0, 1);
    popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y));
    popup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
    EXPECT_EQ(nullptr, picker.GetPopup());
    EXPECT_EQ(RGB(255, 0, 0), picker.GetColour());
    EXPECT_EQ(UINT(CPN_SELENDCANCEL), host.notes.back().message);
}

struct CustomCase
{
    const char* what;
    BOOL dialogOk;
    COLORREF expected;
};

COLORREF g_dialogColour = RGB(9, 8, 7);
BOOL g_dialogOk = FALSE;
BOOL FakeChooseColour(CWnd*, COLORREF& colour)
{
    if (g_dialogOk)
        colour = g_dialogColour;
    return g_dialogOk;
}

class PickerCustom : public Picker, public ::testing::WithParamInterface<CustomCase>
{
};

TEST_P(PickerCustom, TheCustomEntryConfirmsEvenWhenTheDialogIsCancelled)
{
    const CustomCase& c = GetParam();
    g_dialogOk = c.dialogOk;
    CColourPopup::SetChooseColour(FakeChooseColour);
    Make(100, RGB(255, 0, 0));
    CColourPopup* popup = Open();
    ASSERT_NE(nullptr, popup);
    const CPoint inside = popup->GetCustomRect().CenterPoint();
    popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(-2, popup->GetHotCell().row);
    popup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(c.expected, picker.GetColour()) << c.what;
    ASSERT_FALSE(host.notes.empty());
    EXPECT_EQ(UINT(CPN_SELENDOK), host.notes.back().message) << c.what;
    EXPECT_EQ(c.expected, host.notes.back().colour) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Table, PickerCustom,
                         ::testing::Values(CustomCase{"dialog OK", TRUE, RGB(9, 8, 7)},
                                           CustomCase{"dialog cancelled", FALSE, RGB(255, 0, 0)}));

// The popup's numbers are also other senders' (the chart tooltip's 2027, a canvas's 2028): a
// picker acts on them only from its own open popup.
TEST_F(Picker, NotificationsFromOthersAreIgnored)
{
    Make(100, RGB(255, 0, 0));
    for (UINT message : {UINT(CPN_SELCHANGE), UINT(CPN_SELENDOK), UINT(CPN_SELENDCANCEL)})
        EXPECT_EQ(0, int(picker.SendMessage(message, RGB(0, 0, 255), 0))) << message;
    EXPECT_EQ(RGB(255, 0, 0), picker.GetColour());
    EXPECT_TRUE(host.notes.empty());
    CColourPopup* popup = Open();
    ASSERT_NE(nullptr, popup);
    // With the popup open, a sender that passes an id is still not the popup.
    EXPECT_EQ(0, int(picker.SendMessage(CPN_SELENDOK, RGB(0, 0, 255), 5)));
    EXPECT_TRUE(picker.IsActive());
    popup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(Picker, SelectionModeOneMakesTheColourTheTextColour)
{
    Make(100, RGB(255, 0, 0));
    picker.SetSelectionMode(1);
    picker.SetColour(RGB(0, 0, 255));
    EXPECT_EQ(RGB(0, 0, 255), picker.GetTextColour());
    EXPECT_EQ(RGB(255, 0, 0), picker.GetBkColour());
    EXPECT_EQ(RGB(0, 0, 255), picker.GetColour());
}

TEST_F(Picker, TheButtonIsSizedForItsArrow)
{
    Make(100, RGB(255, 0, 0));
    CRect client;
    picker.GetClientRect(&client);
    const int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    EXPECT_EQ(picker.GetArrowRect().Height() + 2 * cyEdge, client.Height());
    EXPECT_EQ(client.right - ::GetSystemMetrics(SM_CXEDGE), picker.GetArrowRect().right);
    EXPECT_NE(0, picker.GetStyle() & BS_OWNERDRAW);
}

struct DrawCase
{
    const char* what;
    UINT state;
    BOOL showsColour;
};

class PickerDrawing : public Picker, public ::testing::WithParamInterface<DrawCase>
{
};

TEST_P(PickerDrawing, TheButtonShowsItsColourLeftOfTheArrow)
{
    const DrawCase& c = GetParam();
    const COLORREF colour = RGB(12, 200, 34);
    Make(100, colour);
    CRect client;
    picker.GetClientRect(&client);
    CClientDC screen(&picker);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
    CBitmap* old = memory.SelectObject(&bitmap);
    memory.FillSolidRect(&client, RGB(255, 0, 255));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kPickerId;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = c.state;
    item.hwndItem = picker.GetSafeHwnd();
    item.hDC = memory.GetSafeHdc();
    item.rcItem = client;
    picker.DrawItem(&item);
    const int x = (client.left + picker.GetArrowRect().left) / 2, y = client.Height() / 2;
    const COLORREF expected = c.showsColour ? colour : ::GetSysColor(COLOR_3DFACE);
    EXPECT_EQ(expected, memory.GetPixel(x, y)) << c.what;
    EXPECT_NE(RGB(255, 0, 255), memory.GetPixel(picker.GetArrowRect().CenterPoint().x, y)) << c.what;
    memory.SelectObject(old);
}

INSTANTIATE_TEST_SUITE_P(Table, PickerDrawing,
                         ::testing::Values(DrawCase{"enabled", 0, TRUE}, DrawCase{"disabled", ODS_DISABLED, FALSE}));

TEST(ColourTable, HoldsTheFortyNamedColoursInRowOrder)
{
    EXPECT_EQ(RGB(0, 0, 0), COLOUR_TABLE[0].colour);
    EXPECT_STREQ("Pale green ", COLOUR_TABLE[35].name);
    EXPECT_EQ(RGB(152, 251, 152), COLOUR_TABLE[35].colour);
    EXPECT_EQ(RGB(255, 255, 255), COLOUR_TABLE[39].colour);
    EXPECT_STREQ("Grey - 40", COLOUR_TABLE[15].name);
}

} // namespace
