// The edits on real windows: typed and pasted input in numeric mode, separators, limits and
// decimals, the parent's notices, the key edit and the digits-only edit.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "SEdit.h"
#include "widget_host.h"

namespace {

void PutOnClipboard(HWND owner, const char* text)
{
    ASSERT_TRUE(::OpenClipboard(owner));
    ::EmptyClipboard();
    const size_t size = strlen(text) + 1;
    HGLOBAL data = ::GlobalAlloc(GMEM_MOVEABLE, size);
    memcpy(::GlobalLock(data), text, size);
    ::GlobalUnlock(data);
    ::SetClipboardData(CF_TEXT, data);
    ::CloseClipboard();
}

class EditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateHost());
        edit.reset(new CSEdit);
        ASSERT_TRUE(edit->CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                   CRect(10, 10, 210, 32), &parent, 7301));
    }
    void TearDown() override
    {
        edit.reset();
        parent.DestroyWindow();
    }
    void Type(const char* keys)
    {
        for (const char* k = keys; *k; ++k)
            edit->SendMessage(WM_CHAR, static_cast<unsigned char>(*k), 1);
    }
    std::string Shown()
    {
        CString text;
        edit->GetWindowText(text);
        return text.GetString();
    }

    CRecordingParent parent;
    std::unique_ptr<CSEdit> edit;
};

TEST_F(EditTest, NumericModeTypedInput)
{
    const struct
    {
        const char* name;
        BOOL real, minus, comma;
        int decimals;
        BOOL limits;
        double low, high;
        const char* keys;
        const char* shown;
    } cases[] = {
        {"digits with separators", FALSE, FALSE, TRUE, 0, FALSE, 0, 0, "1234567", "1,234,567"},
        {"letters dropped", TRUE, TRUE, FALSE, 0, FALSE, 0, 0, "1a2b3", "123"},
        {"no point without real", FALSE, FALSE, FALSE, 0, FALSE, 0, 0, "12.5", "125"},
        {"two decimals", TRUE, FALSE, TRUE, 2, FALSE, 0, 0, "1234.567", "1,234.56"},
        {"one point", TRUE, FALSE, FALSE, 0, FALSE, 0, 0, "1.2.3", "1.23"},
        {"minus only in front", FALSE, TRUE, FALSE, 0, FALSE, 0, 0, "1-2", "12"},
        {"minus refused", FALSE, FALSE, FALSE, 0, FALSE, 0, 0, "-12", "12"},
        {"the maximum", FALSE, FALSE, TRUE, 0, TRUE, 0, 999999, "9999999", "999,999"},
        {"backspace", FALSE, FALSE, TRUE, 0, FALSE, 0, 0, "12345\b", "1,234"},
    };
    for (const auto& c : cases) {
        edit->SetWindowText("");
        edit->SetNumeric(TRUE, c.real);
        edit->SetMinusInput(c.minus);
        edit->SetUseComma(c.comma);
        edit->SetDecSize(c.decimals);
        edit->UseMinMaxValue(FALSE);
        if (c.limits)
            edit->SetValueGap(c.low, c.high);
        edit->SetSel(0, 0);
        Type(c.keys);
        EXPECT_EQ(c.shown, Shown()) << c.name;
    }
    EXPECT_TRUE(edit->GetStyle() & ES_RIGHT);
}

TEST_F(EditTest, MinusAcceptedAtTheStartOnly)
{
    edit->SetNumeric(TRUE, FALSE);
    edit->SetMinusInput(TRUE);
    Type("12");
    edit->SetSel(0, 0);
    Type("-");
    EXPECT_EQ("-12", Shown());
}

TEST_F(EditTest, PastedTextIsFiltered)
{
    edit->SetNumeric(TRUE, TRUE);
    edit->SetUseComma(TRUE);
    edit->SetDecSize(2);
    const struct
    {
        const char* clip;
        const char* shown;
    } cases[] = {
        {"12a", "5"},        // refused whole: the text stays
        {"calc.exe", "5"},
        {"1.999", "5"},      // three decimals
        {"1,500", "51,500"}, // its own separators are fine
        {"\r\n", "51,500"},
    };
    edit->SetWindowText("5");
    for (const auto& c : cases) {
        PutOnClipboard(parent.m_hWnd, c.clip);
        const int length = edit->GetWindowTextLength();
        edit->SetSel(length, length);
        edit->SendMessage(WM_PASTE);
        EXPECT_EQ(c.shown, Shown()) << c.clip;
    }
    EXPECT_STREQ("51500", edit->GetText().GetString());
    // A plain edit pastes as ever.
    edit->SetNumeric(FALSE, FALSE);
    PutOnClipboard(parent.m_hWnd, "ab");
    edit->SetWindowText("");
    edit->SendMessage(WM_PASTE);
    EXPECT_EQ("ab", Shown());
}

TEST_F(EditTest, TextWithAndWithoutSeparators)
{
    edit->SetNumeric(TRUE, FALSE);
    edit->SetUseComma(TRUE);
    edit->SetText("7654321");
    EXPECT_EQ("7,654,321", Shown());
    EXPECT_STREQ("7654321", edit->GetText().GetString());
    // 99 digits: the text stays bounded and whole.
    const std::string digits(99, '8');
    edit->SetText(digits.c_str());
    EXPECT_EQ(digits, Shown());
}

TEST_F(EditTest, ParentHearsOfCharactersEnterAndFocusLoss)
{
    edit->SetNumeric(TRUE, FALSE);
    Type("1x2");
    std::vector<RecordedMessage> chars = parent.Of(WM_SEDIT_CHAR);
    ASSERT_EQ(2u, chars.size()) << "only accepted characters";
    EXPECT_EQ(static_cast<WPARAM>('1'), chars[0].wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(edit.get()), chars[0].lParam);
    parent.Clear();
    edit->SetFocus();
    MSG msg = {edit->m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg);
    chars = parent.Of(WM_SEDIT_CHAR);
    ASSERT_EQ(1u, chars.size());
    EXPECT_EQ(13u, chars[0].wParam);
    parent.Clear();
    parent.SetFocus();
    const std::vector<RecordedMessage> lost = parent.Of(WM_KILLFOCUS);
    ASSERT_FALSE(lost.empty());
    EXPECT_EQ(0u, lost.back().wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(edit.get()), lost.back().lParam);
}

TEST_F(EditTest, FocusSelectsEverything)
{
    edit->SetWindowText("12345");
    parent.SetFocus();
    edit->SetFocus();
    int start = -1, end = -1;
    edit->GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(5, end);
}

TEST_F(EditTest, ReadOnlyRefusesTyping)
{
    edit->SetReadOnly(TRUE);
    Type("12");
    EXPECT_EQ("", Shown());
}

TEST_F(EditTest, ColoursAndFonts)
{
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), edit->SetBackColor(RGB(10, 20, 30)));
    EXPECT_EQ(RGB(10, 20, 30), edit->GetBackColor());
    edit->SetTextColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), edit->GetTextColor());
    LOGFONTA lf;
    EXPECT_TRUE(edit->SetFontFaceName("굴림체"));
    EXPECT_TRUE(edit->SetFontBold(TRUE));
    ASSERT_TRUE(edit->GetTextFont(&lf));
    EXPECT_STREQ("굴림체", lf.lfFaceName);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_TRUE(edit->SetFontHeight(12));
    edit->GetTextFont(&lf);
    EXPECT_LT(lf.lfHeight, 0);
    EXPECT_EQ(FW_BOLD, lf.lfWeight) << "one field at a time";
}

TEST(KeyEdit, ShowsNamedKeysOnly)
{
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateHost());
    CHKEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 20), &parent, 7302));
    const struct
    {
        WORD vk;
        const char* name; // null: ignored
    } cases[] = {{VK_F5, "F5"},  {'7', "'7'"}, {'Q', "Q"},         {VK_NUMPAD3, "NUM 3"}, {VK_OEM_5, "'\\'"},
                 {0xE5, nullptr}, {VK_RETURN, "ENTER"}, {VK_LCONTROL, "Left CTRL"}, {VK_OEM_7, "'''"}};
    for (const auto& c : cases) {
        const WORD before = edit.GetKey();
        MSG msg = {edit.m_hWnd, WM_KEYDOWN, c.vk, 0, 0, {0, 0}};
        edit.PreTranslateMessage(&msg);
        EXPECT_EQ(0u, msg.wParam) << "the key is swallowed";
        CString text;
        edit.GetWindowText(text);
        if (c.name != nullptr) {
            EXPECT_STREQ(c.name, text.GetString()) << c.vk;
            EXPECT_EQ(c.vk, edit.GetKey());
        } else {
            EXPECT_EQ(before, edit.GetKey()) << c.vk;
            EXPECT_EQ(0, edit.SetKey(c.vk));
        }
    }
    EXPECT_EQ(1, edit.SetKey(0));
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("키를 누르세요.", text.GetString());
    edit.DestroyWindow();
    parent.DestroyWindow();
}

TEST(NumberEdit, DigitsOnlyAndRightAligned)
{
    CRecordingParent parent;
    ASSERT_TRUE(parent.CreateHost());
    CNumberEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 20), &parent, 7303));
    EXPECT_TRUE(edit.GetStyle() & ES_NUMBER);
    EXPECT_TRUE(edit.GetStyle() & ES_RIGHT);
    edit.DestroyWindow();
    parent.DestroyWindow();
}

} // namespace
