// The combo box: selection by index, text and data with and without notices, the arrow from
// the image map, the drop width and the edit field's notices.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ResourceMap.h"
#include "SComboBox.h"
#include "screen_shot.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

class ComboTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        ASSERT_TRUE(parent.CreateHost());
        combo.reset(new CSComboBox);
        ASSERT_TRUE(combo->Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(10, 10, 130, 200),
                                  &parent, 7401));
        EXPECT_EQ(0, combo->AddString("BTC", 10));
        EXPECT_EQ(1, combo->AddString("ETH", static_cast<DWORD>(-1)));
        EXPECT_EQ(2, combo->AddString("XRP", 30));
    }
    void TearDown() override
    {
        combo.reset();
        parent.DestroyWindow();
    }
    size_t SelChanges() const
    {
        size_t n = 0;
        for (const RecordedMessage& m : parent.Of(WM_COMMAND))
            if (m.wParam == MAKEWPARAM(7401, CBN_SELCHANGE) && m.lParam == reinterpret_cast<LPARAM>(combo->m_hWnd))
                ++n;
        return n;
    }

    CRecordingParent parent;
    std::unique_ptr<CSComboBox> combo;
};

TEST_F(ComboTest, SelectionAndNotices)
{
    enum Op { BY_INDEX, BY_TEXT, BY_DATA };
    const struct
    {
        const char* name;
        int start; // selection before
        Op op;
        int index;
        const char* text;
        DWORD data;
        BOOL notify;
        int result;
        int selected;
        size_t notices;
    } cases[] = {
        {"index", -1, BY_INDEX, 2, nullptr, 0, TRUE, 2, 2, 1},
        {"index quietly", -1, BY_INDEX, 1, nullptr, 0, FALSE, 1, 1, 0},
        {"text", 0, BY_TEXT, 0, "XRP", 0, TRUE, 2, 2, 1},
        {"missing text clears and still notifies", 0, BY_TEXT, 0, "DOGE", 0, TRUE, -1, -1, 1},
        {"text compared exactly", 0, BY_TEXT, 0, "xrp", 0, FALSE, -1, -1, 0},
        {"data", 0, BY_DATA, 0, nullptr, 30, TRUE, 2, 2, 1},
        {"missing data changes nothing and says nothing", 1, BY_DATA, 0, nullptr, 99, TRUE, -1, 1, 0},
    };
    for (const auto& c : cases) {
        combo->SetCurSel(c.start);
        parent.Clear();
        int result = 0;
        switch (c.op) {
        case BY_INDEX:
            result = combo->SetCurSelEx(c.index, c.notify);
            break;
        case BY_TEXT:
            result = combo->SetCurSelString(c.text, c.notify);
            break;
        case BY_DATA:
            result = combo->SetCurSelData(c.data, c.notify);
            break;
        }
        EXPECT_EQ(c.result, result) << c.name;
        EXPECT_EQ(c.selected, combo->GetCurSel()) << c.name;
        EXPECT_EQ(c.notices, SelChanges()) << c.name;
    }
}

TEST_F(ComboTest, SelectedTextAndData)
{
    combo->SetCurSel(-1);
    EXPECT_STREQ("", combo->GetCurSelString().GetString());
    EXPECT_EQ(static_cast<DWORD>(-1), combo->GetCurSelData());
    EXPECT_EQ(nullptr, combo->GetCurSelDataPtr());
    combo->SetCurSel(0);
    EXPECT_STREQ("BTC", combo->GetCurSelString().GetString());
    EXPECT_EQ(10u, combo->GetCurSelData());
    int value = 0;
    combo->SetItemDataPtr(2, &value);
    EXPECT_EQ(2, combo->SetCurSelDataPtr(&value, FALSE));
    EXPECT_EQ(&value, combo->GetCurSelDataPtr());
}

TEST_F(ComboTest, ArrowFromTheImageMap)
{
    ASSERT_NE(nullptr, combo->GetArrowBitmap(FALSE));
    EXPECT_EQ(CResourceMap::GetBitmap(919)->GetSafeHandle(), combo->GetArrowBitmap(FALSE));
    EXPECT_EQ(CResourceMap::GetBitmap(920)->GetSafeHandle(), combo->GetArrowBitmap(TRUE));
    Canvas canvas(120, 40, RGB(1, 2, 3));
    combo->DrawBorder(canvas.DC());
    const CRect arrow = combo->GetArrowRect();
    EXPECT_EQ(::GetSystemMetrics(SM_CXHTHUMB), arrow.Width());
    EXPECT_EQ(RGB(40, 40, 40), canvas.Pixel(arrow.CenterPoint().x, arrow.CenterPoint().y));
    EXPECT_EQ(TestColour(301), canvas.Pixel(0, 0)) << "outline";
    // Only one arrow given: the arrows stay as they were.
    std::unique_ptr<CBitmap> one(SolidBitmap(RGB(9, 9, 9)));
    combo->SetBitmap(one.get(), NULL);
    EXPECT_EQ(CResourceMap::GetBitmap(919)->GetSafeHandle(), combo->GetArrowBitmap(FALSE));
    // The image map's bitmaps are only borrowed.
    HGDIOBJ handle = combo->GetArrowBitmap(FALSE);
    combo->DestroyWindow();
    combo.reset();
    BITMAP info;
    EXPECT_EQ(static_cast<int>(sizeof info), ::GetObject(handle, sizeof info, &info));
}

TEST_F(ComboTest, DroppedListIsAsWideAsTheLongestItem)
{
    combo->AddString("비트코인캐시(BCH) 비트코인캐시(BCH) 비트코인캐시");
    combo->ShowDropDown(TRUE);
    DispatchQueued();
    CClientDC dc(combo.get());
    CFont* old = dc.SelectObject(combo->GetFont());
    const int text = dc.GetTextExtent("비트코인캐시(BCH) 비트코인캐시(BCH) 비트코인캐시").cx;
    dc.SelectObject(old);
    EXPECT_GE(combo->GetDroppedWidth(), text + ::GetSystemMetrics(SM_CXVSCROLL));
    combo->ShowDropDown(FALSE);
    DispatchQueued();
}

int FontHeight(CWnd& window, CFont* font)
{
    CClientDC dc(&window);
    CFont* old = dc.SelectObject(font);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    dc.SelectObject(old);
    return tm.tmHeight;
}

void PressKey(WORD key)
{
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = key;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
}

bool PumpUntil(const std::function<bool()>& done)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > 5000)
            return false;
        DispatchQueued();
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// The dropped list's rows hold the font with the padding the system's menus give around
// theirs, whatever font the combo is given: Hangul lines keep apart and the highlight of one
// row stops where the next begins.
TEST_F(ComboTest, ListRowsLeaveTheMenusPaddingAroundTheFont)
{
    const int padding = CSComboBox::SystemRowPadding();
    EXPECT_GE(padding, 2);
    CFont gulim;
    ASSERT_TRUE(gulim.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "굴림체"));
    CFont* fonts[] = {&gulim, CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)))};
    for (CFont* font : fonts) {
        combo->SetFont(font);
        EXPECT_EQ(combo->GetItemHeight(0), FontHeight(*combo, font) + padding);
    }
    combo->SetFont(&gulim);
    const int row = FontHeight(*combo, &gulim) + padding;

    combo->AddString("비트코인캐시(BCH)");
    combo->AddString("이더리움클래식(ETC)");
    combo->SetCurSel(3); // highlighted between two Hangul rows
    // Dropped from the keyboard, as a trader opens it.
    parent.SetForegroundWindow();
    combo->SetFocus();
    ASSERT_TRUE(PumpUntil([&]() { return ::GetFocus() == combo->m_hWnd; }));
    PressKey(VK_F4);
    ASSERT_TRUE(PumpUntil([&]() { return combo->GetDroppedState() != FALSE; }));
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::GetComboBoxInfo(combo->m_hWnd, &info));
    RECT first, second;
    ASSERT_NE(LB_ERR, ::SendMessageA(info.hwndList, LB_GETITEMRECT, 0, (LPARAM)&first));
    ASSERT_NE(LB_ERR, ::SendMessageA(info.hwndList, LB_GETITEMRECT, 1, (LPARAM)&second));
    EXPECT_EQ(first.bottom - first.top, row);
    EXPECT_EQ(second.top, first.bottom);
    // All five rows show whole in the dropped list.
    CRect list;
    ::GetClientRect(info.hwndList, &list);
    EXPECT_GE(list.Height(), 5 * row);
    // For the eye: the dropped rows with Hangul, in the test tree's Temp folder.
    ::UpdateWindow(info.hwndList);
    char bin[MAX_PATH] = {};
    ::GetModuleFileNameA(NULL, bin, MAX_PATH);
    std::string temp(bin);
    temp.resize(temp.find_last_of('\\'));
    temp.resize(temp.find_last_of('\\') + 1);
    EXPECT_TRUE(SavePng(temp + "Temp\\combo_list.png", ShootWindow(info.hwndList)));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&]() { return combo->GetDroppedState() == FALSE; }));
}

TEST(ComboEdit, EditFieldNoticesReachTheParent)
{
    LoadTestSkin();
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateHost());
    CSComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(10, 10, 130, 200), &parent, 7402));
    ASSERT_NE(nullptr, combo.GetEdit().m_hWnd) << "the edit field is a CSEdit";
    combo.GetEdit().SendMessage(WM_CHAR, 'A', 1);
    DispatchQueued();
    const std::vector<RecordedMessage> notes = parent.Of(WM_SEDIT_CHAR);
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ(static_cast<WPARAM>('A'), notes[0].wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(&combo), notes[0].lParam);
    combo.DestroyWindow();
    EXPECT_EQ(nullptr, combo.GetEdit().m_hWnd);
    parent.DestroyWindow();
}

} // namespace
