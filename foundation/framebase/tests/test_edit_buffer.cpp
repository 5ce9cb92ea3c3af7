// The own-drawn edit's text model: inserts, deletes, selection and caret steps on whole
// characters of code page 949, limits, never a byte past the buffer.
#include <gtest/gtest.h>

#include <string>

#include "EditBuffer.h"

namespace {

// "한" and "글" are double-byte characters in code page 949.
const std::string kHan = "한";
const std::string kGeul = "글";

// A buffer of max bytes holding text with the caret at caret.
struct Buffer
{
    CEditBuffer buffer;
    Buffer(int max, const std::string& text, int caret) : buffer(max)
    {
        buffer.Allocate();
        buffer.SetText(text.c_str());
        buffer.SetCaret(caret);
    }
    std::string Text() const { return buffer.GetData(); }
};

struct InsertCase
{
    const char* name;
    int max;
    std::string text;
    int caret;
    std::string insert;
    bool accepted;
    std::string result;
    int caretAfter;
};

class EditInsert : public ::testing::TestWithParam<InsertCase>
{
};

TEST_P(EditInsert, IsWholeOrNothing)
{
    ASSERT_EQ(949u, ::GetACP());
    const InsertCase& c = GetParam();
    Buffer b(c.max, c.text, c.caret);
    EXPECT_EQ(c.accepted, b.buffer.Insert(c.insert.data(), static_cast<int>(c.insert.size())) != FALSE);
    EXPECT_EQ(c.result, b.Text());
    EXPECT_EQ(c.caretAfter, b.buffer.GetCaret());
    EXPECT_EQ(static_cast<int>(c.result.size()), b.buffer.GetLength());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditInsert,
    ::testing::Values(InsertCase{"AtEnd", 10, "abc", 3, "de", true, "abcde", 5},
                      InsertCase{"InMiddle", 10, "abc", 1, "XY", true, "aXYbc", 3},
                      InsertCase{"DoubleByte", 10, "ab", 1, kHan, true, "a" + kHan + "b", 3},
                      // 7 + 2 bytes leave exactly the terminator's byte.
                      InsertCase{"FillsToTheTerminator", 10, "abcdefg", 0, "XY", true, "XYabcdefg", 2},
                      // The caret is at 0, but the text is what fills the buffer.
                      InsertCase{"TooLongAtTheStart", 10, "abcdefgh", 0, "XY", false, "abcdefgh", 0},
                      InsertCase{"PasteLongerThanTheBuffer", 8, "", 0, std::string(20, 'p'), false, "", 0},
                      InsertCase{"EmptyIsNoInsert", 8, "ab", 2, "", false, "ab", 2}),
    [](const ::testing::TestParamInfo<InsertCase>& info) { return std::string(info.param.name); });

struct DeleteCase
{
    const char* name;
    std::string text;
    int caret;
    int anchor, end; // selection
    std::string result;
    int caretAfter;
};

class EditDelete : public ::testing::TestWithParam<DeleteCase>
{
};

TEST_P(EditDelete, RemovesWholeCharactersOrTheSelection)
{
    const DeleteCase& c = GetParam();
    Buffer b(32, c.text, c.caret);
    b.buffer.SetSelection(c.anchor, c.end);
    b.buffer.DeleteAtCaret();
    EXPECT_EQ(c.result, b.Text());
    EXPECT_EQ(c.caretAfter, b.buffer.GetCaret());
    EXPECT_FALSE(b.buffer.HasSelection());
    // Nothing of the old text is left behind the terminator.
    for (int i = b.buffer.GetLength(); i < 32; ++i)
        EXPECT_EQ('\0', b.buffer.GetData()[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditDelete,
    ::testing::Values(DeleteCase{"SingleByte", "abc", 1, 0, 0, "ac", 1},
                      DeleteCase{"LeadByteTakesItsTrail", "a" + kHan + "b", 1, 0, 0, "ab", 1},
                      DeleteCase{"AtTheEndNothing", "abc", 3, 0, 0, "abc", 3},
                      // A lone lead byte at the end is one byte: nothing past the text goes.
                      DeleteCase{"LoneLeadByteAtTheEnd", "ab\xC7", 2, 0, 0, "ab", 2},
                      DeleteCase{"SelectionFirst", "abcdef", 5, 4, 1, "aef", 1},
                      DeleteCase{"SelectionOfDoubleBytes", kHan + kGeul + "x", 0, 0, 4, "x", 0}),
    [](const ::testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.name); });

TEST(EditSteps, CaretStepsOverWholeCharacters)
{
    Buffer b(32, "a" + kHan + kGeul + "b", 0); // a, 한 (1-2), 글 (3-4), b (5)
    const int forward[] = {1, 3, 5, 6, 6};
    int at = 0;
    for (int expected : forward) {
        at = b.buffer.NextChar(at);
        EXPECT_EQ(expected, at);
    }
    const int backward[] = {5, 3, 1, 0, 0};
    for (int expected : backward) {
        at = b.buffer.PrevChar(at);
        EXPECT_EQ(expected, at);
    }
    // A caret asked for the middle of a character lands on its start.
    b.buffer.SetCaret(2);
    EXPECT_EQ(1, b.buffer.GetCaret());
    b.buffer.SetCaret(100);
    EXPECT_EQ(6, b.buffer.GetCaret());
    b.buffer.SetSelection(4, 2);
    EXPECT_EQ(3, b.buffer.GetAnchor());
    EXPECT_EQ(1, b.buffer.GetSelEnd());
    EXPECT_EQ(kHan, static_cast<const char*>(b.buffer.GetSelectedText()));
}

TEST(EditLimits, SetTextAndMaxLength)
{
    struct
    {
        int max;
        std::string text;
        bool fits;
    } const cases[] = {{5, "abcd", true}, {5, "abcde", false}, {1, "", true}, {1, "a", false}};
    for (const auto& c : cases) {
        Buffer b(c.max, "", 0);
        EXPECT_EQ(c.fits, b.buffer.SetText(c.text.c_str()) != FALSE) << c.max << " " << c.text;
        EXPECT_EQ(c.fits ? c.text : "", b.Text());
        EXPECT_EQ(c.fits ? static_cast<int>(c.text.size()) : 0, b.buffer.GetCaret());
    }
    Buffer b(10, "keep", 4);
    EXPECT_FALSE(b.buffer.SetMaxLength(0));
    EXPECT_EQ("keep", b.Text());
    EXPECT_TRUE(b.buffer.SetMaxLength(3));
    EXPECT_EQ("", b.Text()); // a new buffer: the text is lost
    EXPECT_EQ(3, b.buffer.GetMaxLength());
    EXPECT_TRUE(b.buffer.Insert("ab", 2));
    EXPECT_FALSE(b.buffer.Insert("c", 1));
}

TEST(EditSelection, SelectAllAndRemoveSelection)
{
    Buffer b(16, "hello", 2);
    b.buffer.SelectAll();
    EXPECT_EQ(5, b.buffer.GetCaret());
    EXPECT_EQ("hello", std::string(b.buffer.GetSelectedText()));
    EXPECT_TRUE(b.buffer.RemoveSelection());
    EXPECT_EQ("", b.Text());
    EXPECT_FALSE(b.buffer.RemoveSelection());
}

} // namespace
