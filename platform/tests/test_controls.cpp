// The basic controls on a real parent window.
#include <gtest/gtest.h>

#include <vector>

#include "afxwin.h"
#include "gdi_test_host.h"

namespace {

const char kHostClass[] = "PlatformControlsTestHost";

// One visible parent for the whole suite: hiding a mapped top-level window costs Wine's X11
// driver a two-second wait. Each test's controls go with their objects.
class Controls : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        RegisterTestHostClass(kHostClass);
        parent = new CWnd;
        parent->CreateEx(0, kHostClass, "controls", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, NULL, NULL);
    }

    static void TearDownTestSuite()
    {
        delete parent;
        parent = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(::IsWindow(parent->GetSafeHwnd())); }
    void TearDown() override { AfxUnlockTempMaps(TRUE); }

    CRect Place(int index) const { return CRect(10, 10 + index * 30, 210, 10 + index * 30 + 25); }

    static CWnd* parent;
};

CWnd* Controls::parent = nullptr;

TEST_F(Controls, ListBoxKeepsItemDataWithItsItem)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, CRect(10, 10, 200, 100), parent, 100));
    EXPECT_EQ(list.AddString("alpha"), 0);
    EXPECT_EQ(list.AddString("beta"), 1);
    EXPECT_EQ(list.AddString("gamma"), 2);
    EXPECT_NE(list.SetItemData(0, 10), LB_ERR);
    list.SetItemData(1, 11);
    list.SetItemData(2, 12);
    EXPECT_EQ(list.InsertString(1, "Alphabet"), 1);
    list.SetItemDataPtr(1, &list);
    ASSERT_EQ(list.GetCount(), 4);

    const struct
    {
        int index;
        const char* text;
        DWORD_PTR data;
    } expected[] = {{0, "alpha", 10}, {1, "Alphabet", (DWORD_PTR)&list}, {2, "beta", 11}, {3, "gamma", 12}};
    for (const auto& e : expected) {
        CString text;
        list.GetText(e.index, text);
        EXPECT_STREQ(text, e.text);
        EXPECT_EQ(list.GetTextLen(e.index), (int)strlen(e.text));
        EXPECT_EQ(list.GetItemData(e.index), e.data);
    }
    char buffer[16] = {0};
    EXPECT_EQ(list.GetText(2, buffer), 4);
    EXPECT_STREQ(buffer, "beta");

    // A bad index gives an error and an empty string.
    CString none("stale");
    list.GetText(9, none);
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(list.GetTextLen(9), LB_ERR);

    EXPECT_EQ(list.DeleteString(0), 3);
    EXPECT_EQ(list.GetItemData(0), (DWORD_PTR)&list);
    EXPECT_EQ(list.GetItemDataPtr(0), (void*)&list);
    list.ResetContent();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);
}

TEST_F(Controls, ListBoxFindAndSelect)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(10, 10, 200, 100), parent, 100));
    for (const char* s : {"alpha", "Alphabet", "beta", "gamma"})
        list.AddString(s);

    const struct
    {
        const char* what;
        int startAfter;
        bool exact;
        int found;
    } finds[] = {
        {"ALPHA", -1, false, 0},     // prefix, case-insensitive
        {"alphab", -1, false, 1},
        {"alpha", 0, false, 1},      // search starts after index 0
        {"alphab", -1, true, LB_ERR},
        {"ALPHABET", -1, true, 1},
        {"gam", 3, false, 3},        // wraps around to the start
        {"delta", -1, false, LB_ERR},
    };
    for (const auto& f : finds) {
        int got = f.exact ? list.FindStringExact(f.startAfter, f.what) : list.FindString(f.startAfter, f.what);
        EXPECT_EQ(got, f.found) << f.what << " after " << f.startAfter;
    }

    EXPECT_EQ(list.SelectString(-1, "be"), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.SetCurSel(3), 3);
    EXPECT_EQ(list.GetCurSel(), 3);
    list.SetCurSel(-1);
    EXPECT_EQ(list.GetCurSel(), LB_ERR);

    EXPECT_NE(list.SetItemHeight(0, 21), LB_ERR);
    EXPECT_EQ(list.GetItemHeight(0), 21);
    CRect item;
    EXPECT_NE(list.GetItemRect(1, &item), LB_ERR);
    EXPECT_EQ(item.top, 21);
    EXPECT_EQ(item.Height(), 21);

    for (int i = 0; i < 20; ++i)
        list.AddString("more");
    EXPECT_EQ(list.SetTopIndex(10), 0);
    EXPECT_EQ(list.GetTopIndex(), 10);
}

TEST_F(Controls, ComboBoxListEditAndDropDown)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, CRect(10, 10, 200, 200), parent, 101));
    combo.AddString("one");
    combo.AddString("two");
    combo.InsertString(0, "zero");
    combo.SetItemData(0, 100);
    combo.SetItemData(2, 102);
    ASSERT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetItemData(2), 102u);
    CString text;
    combo.GetLBText(1, text);
    EXPECT_STREQ(text, "one");
    EXPECT_EQ(combo.GetLBTextLen(2), 3);
    combo.GetLBText(7, text);
    EXPECT_TRUE(text.IsEmpty());

    EXPECT_EQ(combo.FindString(-1, "TW"), 2);
    EXPECT_EQ(combo.FindStringExact(-1, "on"), CB_ERR);
    EXPECT_EQ(combo.SelectString(-1, "ze"), 0);
    EXPECT_EQ(combo.GetCurSel(), 0);
    combo.GetWindowText(text);
    EXPECT_STREQ(text, "zero");

    combo.SetWindowText("abcdef");
    EXPECT_TRUE(combo.SetEditSel(1, 4));
    EXPECT_EQ(combo.GetEditSel(), (DWORD)MAKELONG(1, 4));
    combo.LimitText(3);
    COMBOBOXINFO info;
    memset(&info, 0, sizeof(info));
    info.cbSize = sizeof(info);
    ASSERT_TRUE(combo.GetComboBoxInfo(&info));
    EXPECT_EQ(::SendMessage(info.hwndItem, EM_GETLIMITTEXT, 0, 0), 3);

    EXPECT_FALSE(combo.GetDroppedState());
    combo.ShowDropDown(TRUE);
    EXPECT_TRUE(combo.GetDroppedState());
    combo.ShowDropDown(FALSE);
    EXPECT_FALSE(combo.GetDroppedState());
    EXPECT_NE(combo.SetDroppedWidth(300), CB_ERR);
    EXPECT_GE(combo.GetDroppedWidth(), 300);

    EXPECT_EQ(combo.DeleteString(0), 2);
    EXPECT_EQ(combo.GetItemData(1), 102u);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(Controls, EditLimitSelectionAndUndo)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, Place(0), parent, 102));
    edit.LimitText(5);
    EXPECT_EQ(edit.GetLimitText(), 5u);
    edit.ReplaceSel("abcdefgh"); // typed-in text stops at the limit
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "abcde");

    edit.SetSel(1, 3);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(edit.GetSel(), (DWORD)MAKELONG(1, 3));
    edit.SetSel(MAKELONG(0, 2));
    EXPECT_EQ(edit.GetSel(), (DWORD)MAKELONG(0, 2));

    edit.ReplaceSel("X", TRUE);
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "Xcde");
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "abcde");

    edit.SetSel(0, 1);
    edit.Clear();
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "bcde");

    edit.SetLimitText(10);
    EXPECT_EQ(edit.GetLimitText(), 10u);

    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    EXPECT_TRUE(edit.SetReadOnly(FALSE));
    EXPECT_FALSE(edit.GetStyle() & ES_READONLY);

    edit.SetPasswordChar('*');
    EXPECT_EQ(edit.GetPasswordChar(), '*');
    edit.SetModify(FALSE);
    EXPECT_FALSE(edit.GetModify());
}

TEST_F(Controls, MultiLineEditLines)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, CRect(10, 10, 200, 120), parent,
                            103));
    edit.SetWindowText("first\r\nsecond\r\nz");
    EXPECT_EQ(edit.GetLineCount(), 3);
    EXPECT_EQ(edit.LineIndex(1), 7);
    EXPECT_EQ(edit.LineLength(edit.LineIndex(1)), 6);
    EXPECT_EQ(edit.LineFromChar(8), 1);

    char line[16];
    memset(line, 0, sizeof(line));
    EXPECT_EQ(edit.GetLine(1, line, sizeof(line) - 1), 6);
    EXPECT_STREQ(line, "second");

    // A buffer of one character gets one character and nothing beyond it.
    char tiny[2] = {0, '#'};
    EXPECT_EQ(edit.GetLine(0, tiny, 1), 1);
    EXPECT_EQ(tiny[0], 'f');
    EXPECT_EQ(tiny[1], '#');
    EXPECT_EQ(edit.GetLine(0, tiny, 0), 0);
}

TEST_F(Controls, ButtonCheckStateAndStyle)
{
    CButton check;
    ASSERT_TRUE(check.Create("check", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, Place(0), parent, 104));
    EXPECT_EQ(check.GetButtonStyle(), (UINT)BS_AUTO3STATE);
    const int states[] = {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED};
    for (int state : states) {
        check.SetCheck(state);
        EXPECT_EQ(check.GetCheck(), state);
        EXPECT_EQ(check.GetState() & 3u, (UINT)state);
    }
    check.SetState(TRUE);
    EXPECT_TRUE(check.GetState() & BST_PUSHED);
    check.SetState(FALSE);
    EXPECT_FALSE(check.GetState() & BST_PUSHED);

    // A click on an automatic box moves it on to its next state.
    check.SendMessage(BM_CLICK);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);

    check.SetButtonStyle(BS_AUTOCHECKBOX);
    EXPECT_EQ(check.GetButtonStyle(), (UINT)BS_AUTOCHECKBOX);

    CButton picture;
    ASSERT_TRUE(picture.Create("", WS_CHILD | WS_VISIBLE | BS_BITMAP, Place(1), parent, 105));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(8, 8, 1, 32, NULL));
    EXPECT_EQ(picture.SetBitmap(bmp), (HBITMAP)NULL);
    EXPECT_EQ(picture.GetBitmap(), (HBITMAP)bmp);
    picture.DestroyWindow();
}

// Records the parent's reflected owner-draw requests.
class ProbeButton : public CButton
{
public:
    std::vector<UINT> drawnIds;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        drawnIds.push_back(lpDIS->CtlID);
        CDC* pDC = CDC::FromHandle(lpDIS->hDC);
        pDC->FillSolidRect(&lpDIS->rcItem, RGB(255, 0, 0));
    }
};

TEST_F(Controls, OwnerDrawButtonDrawsThroughReflection)
{
    ProbeButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, Place(2), parent, 106));
    button.Invalidate();
    button.UpdateWindow();
    ASSERT_FALSE(button.drawnIds.empty());
    EXPECT_EQ(button.drawnIds.back(), 106u);
}

TEST_F(Controls, StaticImages)
{
    CStatic pic;
    ASSERT_TRUE(pic.Create("", WS_CHILD | WS_VISIBLE | SS_BITMAP, Place(0), parent));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(8, 8, 1, 32, NULL));
    EXPECT_EQ(pic.SetBitmap(bmp), (HBITMAP)NULL);
    EXPECT_EQ(pic.GetBitmap(), (HBITMAP)bmp);
    pic.DestroyWindow();

    CStatic icon;
    ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE | SS_ICON, Place(1), parent));
    HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    icon.SetIcon(hIcon);
    EXPECT_EQ(icon.GetIcon(), hIcon);
}

TEST_F(Controls, ScrollBarInfoRangeAndLimit)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, Place(0), parent, 107));
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 100;
    si.nPage = 10;
    si.nPos = 50;
    EXPECT_TRUE(bar.SetScrollInfo(&si));

    SCROLLINFO got;
    memset(&got, 0, sizeof(got));
    ASSERT_TRUE(bar.GetScrollInfo(&got));
    EXPECT_EQ(got.nMin, 0);
    EXPECT_EQ(got.nMax, 100);
    EXPECT_EQ(got.nPage, 10u);
    EXPECT_EQ(got.nPos, 50);

    // The thumb stops where the page touches the end of the range.
    EXPECT_EQ(bar.GetScrollLimit(), 91);
    EXPECT_EQ(bar.SetScrollPos(200), 50);
    EXPECT_EQ(bar.GetScrollPos(), 91);

    si.fMask = SIF_PAGE;
    si.nPage = 0;
    bar.SetScrollInfo(&si);
    EXPECT_EQ(bar.GetScrollLimit(), 100);

    bar.SetScrollRange(-5, 5);
    int lo = 0, hi = 0;
    bar.GetScrollRange(&lo, &hi);
    EXPECT_EQ(lo, -5);
    EXPECT_EQ(hi, 5);

    EXPECT_TRUE(bar.EnableScrollBar(ESB_DISABLE_BOTH));
    bar.ShowScrollBar(FALSE);
    EXPECT_FALSE(bar.IsWindowVisible());
    bar.ShowScrollBar(TRUE);
    EXPECT_TRUE(bar.IsWindowVisible());
}

TEST_F(Controls, RuntimeClassesDeriveFromCWnd)
{
    CButton button;
    CListBox list;
    EXPECT_TRUE(button.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CListBox)));
    EXPECT_FALSE(list.IsKindOf(RUNTIME_CLASS(CComboBox)));
}

} // namespace
