// The numeric input filter of the edits, pasting, and the thousands separators, as tables.
#include <gtest/gtest.h>

#include <string>

#include "WidgetRules.h"

namespace {

enum Flags { REAL = 1, MINUS = 2, MINMAX = 4 };

NumericRules Rules(int flags, int decimals = 0, double minimum = -999999.0, double maximum = 999999.0)
{
    NumericRules rules = DefaultNumericRules();
    rules.bReal = (flags & REAL) != 0;
    rules.bMinus = (flags & MINUS) != 0;
    rules.bMinMax = (flags & MINMAX) != 0;
    rules.nDecimals = decimals;
    rules.dMin = minimum;
    rules.dMax = maximum;
    return rules;
}

struct TypeCase
{
    const char* name;
    NumericRules rules;
    const char* text;
    int start, end;
    UINT ch;
    const char* accepted; // null: refused
};

TEST(NumericFilter, TypedCharacters)
{
    const TypeCase cases[] = {
        {"digit", Rules(0), "12", 2, 2, '3', "123"},
        {"letter", Rules(REAL | MINUS), "12", 2, 2, 'a', nullptr},
        {"blank", Rules(0), "12", 2, 2, ' ', nullptr},
        {"point without real", Rules(0), "12", 2, 2, '.', nullptr},
        {"point", Rules(REAL), "12", 2, 2, '.', "12."},
        {"second point", Rules(REAL), "1.2", 3, 3, '.', nullptr},
        {"point over the selected point", Rules(REAL), "1.2", 1, 2, '.', "1.2"},
        {"minus without minus input", Rules(0), "12", 0, 0, '-', nullptr},
        {"minus in front", Rules(MINUS), "12", 0, 0, '-', "-12"},
        {"minus behind", Rules(MINUS), "12", 1, 1, '-', nullptr},
        {"second minus", Rules(MINUS), "-12", 0, 0, '-', nullptr},
        {"minus over the selected minus", Rules(MINUS), "-12", 0, 1, '-', "-12"},
        {"third decimal", Rules(REAL, 2), "1.25", 4, 4, '7', nullptr},
        {"digit before the point with full decimals", Rules(REAL, 2), "1.25", 0, 0, '7', "71.25"},
        {"no decimal limit", Rules(REAL, 0), "1.25", 4, 4, '7', "1.257"},
        {"seventh digit over the maximum", Rules(MINMAX), "999999", 6, 6, '9', nullptr},
        {"seventh digit without min/max", Rules(0), "999999", 6, 6, '9', "9999999"},
        {"digit over a selection", Rules(MINMAX), "999999", 0, 6, '5', "5"},
        {"commas go", Rules(0), "1,234", 5, 5, '5', "12345"},
        {"backspace", Rules(0), "1,234", 5, 5, 8, "123"},
        {"backspace at the start", Rules(0), "12", 0, 0, 8, "12"},
        {"backspace below the minimum", Rules(MINMAX, 0, 100, 999), "150", 3, 3, 8, nullptr},
        {"delete at the caret", Rules(0), "123", 0, 0, 12, "23"},
        {"backspace of a selection", Rules(0), "12345", 1, 3, 8, "145"},
    };
    for (const TypeCase& c : cases) {
        CString out = "untouched";
        const BOOL ok = TypeIntoNumber(c.rules, c.text, c.start, c.end, c.ch, out);
        EXPECT_EQ(c.accepted != nullptr, ok) << c.name;
        EXPECT_EQ(c.accepted == nullptr, IsNotInputChar(c.rules, c.text, c.start, c.end, c.ch)) << c.name;
        if (c.accepted != nullptr)
            EXPECT_STREQ(c.accepted, out.GetString()) << c.name;
        else
            EXPECT_STREQ("untouched", out.GetString()) << c.name;
    }
}

TEST(NumericFilter, PastedTextGoesThroughTheSameFilter)
{
    const struct
    {
        const char* name;
        NumericRules rules;
        const char* text;
        int start, end;
        const char* pasted;
        const char* accepted;
    } cases[] = {
        {"digits", Rules(0), "12", 2, 2, "345", "12345"},
        {"a number with separators", Rules(0), "", 0, 0, "1,234", "1234"},
        {"letters", Rules(REAL | MINUS), "12", 2, 2, "3a", nullptr},
        {"a line break", Rules(0), "", 0, 0, "12\r\n", nullptr},
        {"a decimal number without real", Rules(0), "", 0, 0, "1.5", nullptr},
        {"a decimal number", Rules(REAL, 2), "", 0, 0, "1.5", "1.5"},
        {"too many decimals", Rules(REAL, 2), "", 0, 0, "1.555", nullptr},
        {"over the maximum", Rules(MINMAX, 0, 0, 1000), "", 0, 0, "1001", nullptr},
        {"over a selection", Rules(0), "1,234", 1, 4, "9", "194"},
        {"minus behind", Rules(MINUS), "5", 1, 1, "-1", nullptr},
        {"minus in front", Rules(MINUS), "5", 0, 0, "-1", "-15"},
    };
    for (const auto& c : cases) {
        CString out = "untouched";
        EXPECT_EQ(c.accepted != nullptr, PasteIntoNumber(c.rules, c.text, c.start, c.end, c.pasted, out)) << c.name;
        EXPECT_STREQ(c.accepted != nullptr ? c.accepted : "untouched", out.GetString()) << c.name;
    }
}

TEST(Separators, InsertAndRemove)
{
    const struct
    {
        const char* plain;
        const char* shown;
    } cases[] = {
        {"", ""},
        {"123", "123"},
        {"1234", "1,234"},
        {"7654321", "7,654,321"},
        {"-7654321.891", "-7,654,321.891"},
        {"1234.5678", "1,234.5678"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.shown, SeparatorText(c.plain).GetString()) << c.plain;
        EXPECT_STREQ(c.plain, StripSeparators(c.shown).GetString()) << c.shown;
    }
}

TEST(Separators, ALongNumberStaysWithinItsBuffer)
{
    // 99 digits would need 32 separators: never written past the 100-byte buffer.
    const std::string digits(99, '9');
    const CString shown = SeparatorText(digits.c_str());
    EXPECT_EQ(WIDGETKIT_MAX_NUMBER_INPUT, shown.GetLength());
    EXPECT_EQ(-1, shown.Find(',')) << "too long for separators: shown as it is";
    // Longer input is cut to the buffer first.
    const std::string longer(300, '1');
    EXPECT_EQ(WIDGETKIT_MAX_NUMBER_INPUT, SeparatorText(longer.c_str()).GetLength());
}

TEST(Separators, CaretAfterReformatting)
{
    const struct
    {
        const char* typed;
        int caret;
        int expect;
    } cases[] = {
        {"9999", 4, 5},   // typed at the end of 999: the separator comes before the caret
        {"1,2345", 6, 6}, // commas already counted
        {"10,234", 2, 2}, // inside the number
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expect, CaretAfterSeparators(c.typed, c.caret)) << c.typed;
}

} // namespace
