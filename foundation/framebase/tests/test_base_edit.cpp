// The own-drawn edit on a real window: keys, characters, the input method, the mouse, the
// clipboard, the context menu and the selection colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SharedData.h"
#include "edit_host.h"
#include "pixel_probe.h"

#include <imm.h>

namespace {

const std::string kHan = "한"; // C7 D1 in code page 949

// One input of a script: a character (with its repeat count) or a key.
struct Input
{
    enum Kind { CHAR, KEY } kind;
    UINT code;
    int repeat;
};

Input Ch(UINT c, int repeat = 1)
{
    return Input{Input::CHAR, c, repeat};
}
Input Key(UINT vk)
{
    return Input{Input::KEY, vk, 1};
}

struct ScriptCase
{
    const char* name;
    int maxLength;
    std::string start; // set with SetData (caret at its end)
    std::vector<Input> inputs;
    std::string text;
    int caret;
};

class EditScript : public ::testing::TestWithParam<ScriptCase>
{
};

TEST_P(EditScript, KeysAndCharactersEditTheText)
{
    ASSERT_EQ(949u, ::GetACP());
    const ScriptCase& c = GetParam();
    EditHost host(c.maxLength);
    ASSERT_NE(nullptr, host.edit.GetSafeHwnd());
    std::string start = c.start;
    host.edit.SetData(&start[0]);
    for (const Input& in : c.inputs) {
        if (in.kind == Input::CHAR)
            host.Char(in.code, in.repeat);
        else
            host.Key(in.code);
    }
    EXPECT_EQ(c.text, host.Text());
    EXPECT_EQ(c.caret, host.edit.GetCaret());
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, EditScript,
    ::testing::Values(
        ScriptCase{"Typing", 0, "", {Ch('a'), Ch('b'), Ch('c')}, "abc", 3},
        ScriptCase{"InsertAfterLeft", 0, "abc", {Key(VK_LEFT), Key(VK_LEFT), Ch('X')}, "aXbc", 2},
        ScriptCase{"HomeDelete", 0, "abc", {Key(VK_HOME), Key(VK_DELETE)}, "bc", 0},
        ScriptCase{"BackspaceTakesADoubleByteWhole", 0, "a" + kHan, {Key(VK_BACK)}, "a", 1},
        ScriptCase{"LeftStepsOverADoubleByte", 0, "a" + kHan, {Key(VK_LEFT)}, "a" + kHan, 1},
        ScriptCase{"DeleteAtALeadByteTakesBoth", 0, kHan + "b", {Key(VK_HOME), Key(VK_DELETE)}, "b", 0},
        ScriptCase{"ControlCharactersAreIgnored", 0, "ab", {Ch('\t'), Ch('\r'), Ch(127), Ch(8)}, "ab", 2},
        ScriptCase{"RepeatCount", 0, "", {Ch('z', 4)}, "zzzz", 4},
        // With 10 bytes, 8 of text leave no room for a typed character.
        ScriptCase{"TypedCharacterRefusedWhenFull", 10, "abcdefgh", {Ch('X')}, "abcdefgh", 8},
        // A held key cannot type past the buffer: only what fits is typed.
        ScriptCase{"RepeatStopsAtTheLimit", 6, "", {Ch('z', 50)}, "zzzz", 4},
        ScriptCase{"TypingReplacesTheSelection", 0, "abc", {Ch(1), Ch('Q')}, "Q", 1}),
    [](const ::testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.name); });

TEST(EditWindow, SetDataThatDoesNotFitIsIgnored)
{
    EditHost host(5);
    char fits[] = "abcd";
    char tooLong[] = "abcde";
    host.edit.SetData(fits);
    host.edit.SetData(tooLong);
    EXPECT_EQ("abcd", host.Text());
    host.edit.ClearData(TRUE);
    EXPECT_EQ("", host.Text());
    EXPECT_EQ(0, host.edit.GetCaret());
}

TEST(EditWindow, BytesAbove127ThatAreNoLeadBytesAreMeasuredLikeTheyAreDrawn)
{
    EditHost host;
    // 0x80 and 0xFF are no lead bytes in code page 949; 0xC7 0xD1 is one character.
    ASSERT_FALSE(::IsDBCSLeadByte(0x80));
    char start[] = "\x80\xFF\xC7\xD1";
    host.edit.SetData(start);
    CClientDC dc(&host.edit);
    CFont* old = dc.SelectObject(CSharedData::GetDefaultFont(1));
    struct
    {
        int from, to;
        int bytes;
    } const runs[] = {{0, 1, 1}, {1, 2, 1}, {2, 4, 2}};
    for (const auto& r : runs) {
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(dc.GetSafeHdc(), start + r.from, r.bytes, &size);
        EXPECT_EQ(size.cx, host.edit.MeasureText(r.from, r.to)) << r.from;
    }
    dc.SelectObject(old);
    EXPECT_EQ(2, host.edit.HitTest(host.edit.GetTextX() + host.edit.MeasureText(0, 2) + 1));
}

// Widths are measured once per font: a second edit of a font, and a font made again after the
// first was deleted (its handle may come back), measure as the font draws.
TEST(EditWindow, EachFontMeasuresItsOwnWidthsWhenShared)
{
    EditHost host;
    struct
    {
        int height;
        int weight;
    } const fonts[] = {{12, FW_NORMAL}, {24, FW_BOLD}, {12, FW_NORMAL}, {24, FW_BOLD}};
    char text[] = "WWW\xC7\xD1";
    for (const auto& f : fonts) {
        CFont font;
        ASSERT_TRUE(font.CreateFont(f.height, 0, 0, 0, f.weight, 0, 0, 0, 0, 0, 0, 0, 0x20, "굴림체"));
        host.edit.SetFont(&font, FALSE);
        host.edit.SetData(text);
        CClientDC dc(&host.edit);
        CFont* old = dc.SelectObject(&font);
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(dc.GetSafeHdc(), text, 5, &size);
        TEXTMETRIC tm = {};
        dc.GetTextMetrics(&tm);
        dc.SelectObject(old);
        EXPECT_EQ(size.cx, host.edit.MeasureText(0, 5)) << f.height;
        EXPECT_EQ(tm.tmHeight, host.edit.GetLineHeight()) << f.height;
        host.edit.SetFont(CSharedData::GetDefaultFont(1), FALSE);
    }
}

TEST(EditWindow, KoreanCompositionShowsABlockCaretThenOneCharacter)
{
    EditHost host;
    char start[] = "a";
    host.edit.SetData(start);
    const char* steps[] = {"ㅎ", "하", "한"};
    for (const char* step : steps) {
        host.edit.m_strComposition = step;
        host.edit.SendMessage(WM_IME_COMPOSITION, 0, GCS_COMPSTR);
        EXPECT_TRUE(host.edit.IsComposing());
        EXPECT_EQ(std::string("a") + step, host.Text());
        EXPECT_EQ(3, host.edit.GetCaret());
        // The block caret covers the composed character.
        const CRect caret = host.edit.GetCaretRect();
        EXPECT_EQ(host.edit.GetDoubleByteWidth(), caret.Width());
        EXPECT_EQ(host.edit.GetTextX() + host.edit.MeasureText(0, 1), caret.left);
    }
    host.edit.SendMessage(WM_IME_CHAR, (0xC7 << 8) | 0xD1, 0);
    EXPECT_FALSE(host.edit.IsComposing());
    EXPECT_EQ("a" + kHan, host.Text());
    EXPECT_EQ(2, host.edit.GetCaretRect().Width());
    host.Key(VK_LEFT);
    EXPECT_EQ(1, host.edit.GetCaret());
}

TEST(EditWindow, CompositionThatDoesNotFitInsertsNothing)
{
    EditHost host(4);
    char start[] = "ab";
    host.edit.SetData(start);
    host.edit.m_strComposition = "한";
    host.edit.SendMessage(WM_IME_COMPOSITION, 0, GCS_COMPSTR);
    EXPECT_FALSE(host.edit.IsComposing());
    EXPECT_EQ("ab", host.Text());
    host.edit.SendMessage(WM_IME_CHAR, (0xC7 << 8) | 0xD1, 0);
    EXPECT_EQ("ab", host.Text());
}

TEST(EditWindow, ClickingRightOfACharactersMiddlePlacesTheCaretAfterIt)
{
    EditHost host;
    char start[] = "WWW";
    host.edit.SetData(start);
    const int w = host.edit.MeasureText(0, 1);
    ASSERT_GT(w, 2);
    struct
    {
        int x;
        int caret;
    } const clicks[] = {{host.edit.GetTextX() + w / 2 - 1, 0},
                        {host.edit.GetTextX() + w / 2 + 1, 1},
                        {host.edit.GetTextX() + w + w / 2 + 1, 2},
                        {host.edit.GetTextX() + 10 * w, 3}};
    for (const auto& c : clicks) {
        host.edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, 5));
        host.edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(c.x, 5));
        EXPECT_EQ(c.caret, host.edit.GetCaret()) << c.x;
    }
    // Dragging selects from the press to the pointer.
    host.edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(host.edit.GetTextX() + 1, 5));
    host.edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(host.edit.GetTextX() + 2 * w + 1, 5));
    host.edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(host.edit.GetTextX() + 2 * w + 1, 5));
    EXPECT_EQ("WW", std::string(host.edit.GetBuffer().GetSelectedText()));
}

std::string ClipboardText()
{
    std::string text;
    if (!::OpenClipboard(NULL))
        return "<unavailable>";
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (data != NULL) {
        text = static_cast<const char*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

void SetClipboardText(const std::string& text)
{
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
    memcpy(::GlobalLock(memory), text.c_str(), text.size());
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_TEXT, memory);
    ::CloseClipboard();
}

TEST(EditClipboard, CopyCutAndPasteThroughTheControlKeys)
{
    EditHost host;
    char start[] = "hello";
    host.edit.SetData(start);
    SetClipboardText("old");
    host.Char(1);    // Ctrl+A
    host.Char(3);    // Ctrl+C
    EXPECT_EQ("hello", ClipboardText());
    host.Char(0x18); // Ctrl+X
    EXPECT_EQ("", host.Text());
    host.Char(0x16); // Ctrl+V
    host.Char(0x16);
    EXPECT_EQ("hellohello", host.Text());
    EXPECT_EQ(10, host.edit.GetCaret());
}

TEST(EditClipboard, PasteIsWholeOrNothing)
{
    EditHost host(8);
    char start[] = "abc";
    host.edit.SetData(start);
    SetClipboardText("12345"); // 3 + 5 bytes leave no terminator
    host.Char(0x16);
    EXPECT_EQ("abc", host.Text());
    SetClipboardText("1234");
    host.Char(0x16);
    EXPECT_EQ("abc1234", host.Text());
    // A selection the paste replaces makes room.
    host.Char(1);
    SetClipboardText("1234567");
    host.Char(0x16);
    EXPECT_EQ("1234567", host.Text());
}

TEST(EditClipboard, PasswordModeNeverGivesItsTextAway)
{
    EditHost host;
    char secret[] = "s3cret";
    host.edit.SetData(secret);
    host.edit.SetPasswordMode(TRUE);
    SetClipboardText("before");
    host.Char(1);
    host.Char(3);
    host.Char(0x18);
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ("s3cret", host.Text());
    CMenu menu;
    host.edit.BuildContextMenu(menu);
    EXPECT_TRUE(menu.GetMenuState(ID_BASEEDIT_COPY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_BASEEDIT_CUT, MF_BYCOMMAND) & MF_GRAYED);
    host.edit.RunEditCommand(ID_BASEEDIT_CUT);
    EXPECT_EQ("s3cret", host.Text());
    // Each byte is drawn as one "*", and measured so.
    EXPECT_EQ(6 * host.edit.MeasureText(0, 1), host.edit.MeasureText(0, 6));
}

TEST(EditContextMenu, GreysWhatCannotBeDone)
{
    EditHost host;
    char start[] = "abc";
    host.edit.SetData(start);
    ASSERT_TRUE(::OpenClipboard(NULL));
    ::EmptyClipboard();
    ::CloseClipboard();
    struct
    {
        bool select;
        bool clipboard;
        bool cutCopyGrey;
        bool pasteGrey;
    } const cases[] = {{false, false, true, true}, {true, false, false, true}, {true, true, false, false}};
    for (const auto& c : cases) {
        if (c.clipboard)
            SetClipboardText("x");
        if (c.select)
            host.edit.SelectAll();
        CMenu menu;
        host.edit.BuildContextMenu(menu);
        ASSERT_EQ(4u, menu.GetMenuItemCount());
        CString label;
        menu.GetMenuString(ID_BASEEDIT_CUT, label, MF_BYCOMMAND);
        EXPECT_STREQ("잘라내기(&T)", label);
        EXPECT_EQ(c.cutCopyGrey, (menu.GetMenuState(ID_BASEEDIT_CUT, MF_BYCOMMAND) & MF_GRAYED) != 0);
        EXPECT_EQ(c.cutCopyGrey, (menu.GetMenuState(ID_BASEEDIT_COPY, MF_BYCOMMAND) & MF_GRAYED) != 0);
        EXPECT_EQ(c.pasteGrey, (menu.GetMenuState(ID_BASEEDIT_PASTE, MF_BYCOMMAND) & MF_GRAYED) != 0);
        EXPECT_EQ(0u, menu.GetMenuState(ID_BASEEDIT_SELECTALL, MF_BYCOMMAND) & MF_GRAYED);
    }
    host.edit.SetData(start);
    host.edit.RunEditCommand(ID_BASEEDIT_SELECTALL);
    EXPECT_EQ("abc", std::string(host.edit.GetBuffer().GetSelectedText()));
}

TEST(EditPainting, SelectionColoursFollowTheFocus)
{
    EditHost host;
    char start[] = "....";
    host.edit.SetData(start);
    host.edit.SelectAll();
    const int x = host.edit.GetTextX() + 1;
    const int y = 1; // inside the text cell's background
    ASSERT_EQ(::GetFocus(), host.edit.m_hWnd);
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), ShownPixel(host.edit, x, y));
    host.parent.SetFocus();
    EXPECT_EQ(RGB(192, 192, 192), ShownPixel(host.edit, x, y));
    // Right of the text: the window colour.
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), ShownPixel(host.edit, 280, y));
}

} // namespace
