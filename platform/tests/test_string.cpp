// CString: storage, formatting, extraction and the multi-byte rules under code page 949.
#include <afx.h>
#include <gtest/gtest.h>

#include "exception_probe.h"

#include <string>

namespace {

// Double-byte characters of code page 949 whose trail byte is an ASCII letter:
// "갂" = 81 41 ("A"), "갵" = 81 61 ("a"), "갴" = 81 5A ("Z"), "걕" = 81 7A ("z").
class StringTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 949u) << "the tests run with the Korean ANSI code page"; }
};

template <typename... Args>
CString Fmt(const char* format, Args... args)
{
    CString s;
    s.Format(format, args...);
    return s;
}

std::string Bytes(const CString& s) { return std::string(s.GetString(), size_t(s.GetLength())); }

TEST_F(StringTest, IsOnePointerToTheTextWithTheHeaderBeforeIt)
{
    CString s("abc");
    static_assert(sizeof(CString) == sizeof(char*), "layout");
    EXPECT_EQ(*reinterpret_cast<const char* const*>(&s), s.GetString());
    const CStringData* header = reinterpret_cast<const CStringData*>(s.GetString()) - 1;
    EXPECT_EQ(header->nDataLength, 3);
    EXPECT_GE(header->nAllocLength, 3);
    EXPECT_EQ(header->nRefs, 1);
    CString copy(s);
    EXPECT_EQ(copy.GetString(), s.GetString()) << "copies share the text";
    EXPECT_EQ(header->nRefs, 2);
}

TEST_F(StringTest, WritingToACopyLeavesTheOriginal)
{
    CString a("shared");
    CString b(a);
    b.SetAt(0, 'S');
    b += "!";
    EXPECT_STREQ(a, "shared");
    EXPECT_STREQ(b, "Shared!");

    CString locked("locked");
    locked.LockBuffer();
    CString c(locked);
    EXPECT_NE(c.GetString(), locked.GetString()) << "a locked buffer is never shared";
    locked.UnlockBuffer();
}

TEST_F(StringTest, ConstructorsAndOperators)
{
    EXPECT_STREQ(CString(), "");
    EXPECT_STREQ(CString((LPCSTR)NULL), "");
    EXPECT_STREQ(CString("abcdef", 3), "abc");
    EXPECT_STREQ(CString('x', 4), "xxxx");
    EXPECT_STREQ(CString(L"wide 한글"), "wide 한글");
    EXPECT_STREQ(CString("a") + "b" + CString("c") + 'd', "abcd");
    EXPECT_STREQ('>' + CString("x"), ">x");
    CString s = "x";
    s += 'y';
    s += CString("z");
    s += L"w";
    EXPECT_STREQ(s, "xyzw");
    s += s;
    EXPECT_STREQ(s, "xyzwxyzw");
    s = s.GetString() + 4; // assigning a part of itself
    EXPECT_STREQ(s, "xyzw");

    EXPECT_TRUE(CString("abc") == "abc");
    EXPECT_TRUE("abc" == CString("abc"));
    EXPECT_TRUE(CString("abc") != CString("abd"));
    EXPECT_TRUE(CString("abc") < "abd");
    EXPECT_TRUE(CString("\xB0\xA1") > "z") << "bytes compare unsigned";
    EXPECT_EQ(CString("abc").Compare("ABC"), 1);
    EXPECT_EQ(CString("abc").CompareNoCase("ABC"), 0);
    EXPECT_EQ(CString("abc").CompareNoCase("abd"), -1);
}

TEST_F(StringTest, SysStringsAreUtf16)
{
    BSTR b = CString("A한글").AllocSysString();
    EXPECT_EQ(SysStringLen(b), 3u);
    EXPECT_STREQ(b, L"A한글");
    CString("").SetSysString(&b);
    EXPECT_EQ(SysStringLen(b), 0u);
    SysFreeString(b);
}

TEST_F(StringTest, AccessOutsideTheTextThrowsInvalidArg)
{
    CString s("ab");
    EXPECT_EQ(s.GetAt(2), '\0') << "the terminator is readable";
    EXPECT_EQ(s[1], 'b');
    const auto throwsInvalidArg = ThrowsFrameworkException<CInvalidArgException>;
    EXPECT_TRUE(throwsInvalidArg([&] { s.GetAt(3); }));
    EXPECT_TRUE(throwsInvalidArg([&] { s.GetAt(-1); }));
    EXPECT_TRUE(throwsInvalidArg([&] { s.SetAt(2, 'x'); }));
    EXPECT_STREQ(s, "ab");
}

TEST_F(StringTest, FormatFollowsTheRuntimeRules)
{
    const struct
    {
        const char* expected;
        CString actual;
    } cases[] = {
        {"42", Fmt("%d", 42)},
        {"   42|42   |00042", Fmt("%5d|%-5d|%05d", 42, 42, 42)},
        {"+7 -7  7", Fmt("%+d %d % d", 7, -7, 7)},
        {"4294967295", Fmt("%u", -1)},
        {"1", Fmt("%hd", 65537)},
        {"ff FF 0xff 377", Fmt("%x %X %#x %o", 255, 255, 255, 255)},
        {"3.14|  3.1|3.142e+000", Fmt("%.2f|%5.1f|%.3e", 3.14159, 3.14159, 3.14159)},
        {"2.5", Fmt("%g", 2.5)},
        {"-9223372036854775807", Fmt("%I64d", -9223372036854775807LL)},
        {"18446744073709551615", Fmt("%I64u", 18446744073709551615ULL)},
        // A pointer prints as all its hex digits: 8 on 32-bit Windows, 16 on 64-bit.
        {sizeof(void*) == 4 ? "0012ABCD" : "000000000012ABCD", Fmt("%p", reinterpret_cast<void*>(0x12ABCD))},
        {"c%", Fmt("%c%%", 'c')},
        {"[  abc][abc  ][ab]", Fmt("[%5s][%-5s][%.2s]", "abc", "abc", "abc")},
        {"(null)", Fmt("%s", static_cast<const char*>(nullptr))},
        {"CString arg: text 7", Fmt("CString arg: %s %d", CString("text"), 7)},
        {"홍길동님 안녕하세요", Fmt("%s님 %s", CString("홍길동"), "안녕하세요")},
        {"[  한글]", Fmt("[%6s]", "한글")}, // widths count bytes
        {"", Fmt("")},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.actual, c.expected);
}

TEST_F(StringTest, FormatMayUseItsOwnTextAndAppendFormatAppends)
{
    CString s("ab");
    s.Format("%s-%s", s, s.GetString());
    EXPECT_STREQ(s, "ab-ab");
    s.AppendFormat(" %d%s", 1, CString("x"));
    EXPECT_STREQ(s, "ab-ab 1x");
    CString big;
    big.Format("%s", CString('z', 5000).GetString());
    EXPECT_EQ(big.GetLength(), 5000);
}

TEST_F(StringTest, ExtractionClampsOutOfRangeArguments)
{
    const CString s("abcdef");
    const struct
    {
        CString actual;
        const char* expected;
    } cases[] = {
        {s.Mid(2), "cdef"},      {s.Mid(2, 2), "cd"}, {s.Mid(-3, 2), "ab"},   {s.Mid(4, 100), "ef"},
        {s.Mid(6), ""},          {s.Mid(9, 2), ""},   {s.Mid(1, -1), ""},     {s.Left(2), "ab"},
        {s.Left(-1), ""},        {s.Left(99), "abcdef"}, {s.Right(2), "ef"},  {s.Right(-5), ""},
        {s.Right(99), "abcdef"}, {s.SpanIncluding("abx"), "ab"}, {s.SpanExcluding("dc"), "ab"},
        {s.SpanIncluding("z"), ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.actual, c.expected);
}

TEST_F(StringTest, InsertDeleteAndTruncateEdit)
{
    const struct
    {
        const char* start;
        int op; // 0 insert text, 1 insert char, 2 delete
        int index;
        int count;
        const char* expected;
        int result;
    } cases[] = {
        {"abc", 0, 1, 0, "aXYbc", 5}, {"abc", 0, -4, 0, "XYabc", 5}, {"abc", 0, 9, 0, "abcXY", 5},
        {"abc", 1, 3, 0, "abc!", 4},  {"abcdef", 2, 1, 2, "adef", 4}, {"abcdef", 2, 4, 9, "abcd", 4},
        {"abc", 2, -1, 1, "bc", 2},   {"abc", 2, 5, 1, "abc", 3},     {"abc", 2, 1, -2, "abc", 3},
    };
    for (const auto& c : cases) {
        CString s(c.start);
        int result = c.op == 0 ? s.Insert(c.index, "XY") : c.op == 1 ? s.Insert(c.index, '!') : s.Delete(c.index, c.count);
        EXPECT_STREQ(s, c.expected) << c.start << " op " << c.op << " at " << c.index;
        EXPECT_EQ(result, c.result);
    }
}

TEST_F(StringTest, TrimRemovesBlanksOrTheGivenCharacters)
{
    const struct
    {
        CString actual;
        const char* expected;
    } cases[] = {
        {CString(" \t a b \r\n").Trim(), "a b"},
        {CString("  ab  ").TrimLeft(), "ab  "},
        {CString("  ab  ").TrimRight(), "  ab"},
        {CString("xxabxx").Trim('x'), "ab"},
        {CString("xyabyx").Trim("xy"), "ab"},
        {CString("xyabyx").TrimLeft("yx"), "abyx"},
        {CString("   ").Trim(), ""},
        {CString("ab").Trim(""), "ab"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.actual, c.expected);
}

TEST_F(StringTest, ReplaceAndRemoveCountWhatTheyChange)
{
    CString s("a.b.c");
    EXPECT_EQ(s.Replace('.', '/'), 2);
    EXPECT_STREQ(s, "a/b/c");
    EXPECT_EQ(s.Replace("/", "::"), 2);
    EXPECT_STREQ(s, "a::b::c");
    EXPECT_EQ(s.Replace("::", ""), 2);
    EXPECT_STREQ(s, "abc");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace("q", "x"), 0);
    CString t("aaaa");
    EXPECT_EQ(t.Replace("aa", "a"), 2) << "matches do not overlap";
    EXPECT_STREQ(t, "aa");
    CString r("banana");
    EXPECT_EQ(r.Remove('a'), 3);
    EXPECT_STREQ(r, "bnn");
}

TEST_F(StringTest, SearchesFindCharactersAndSubstrings)
{
    const CString s("one two one");
    EXPECT_EQ(s.Find('o'), 0);
    EXPECT_EQ(s.Find('o', 1), 6);
    EXPECT_EQ(s.Find("one", 1), 8);
    EXPECT_EQ(s.Find("one", 20), -1);
    EXPECT_EQ(s.Find(""), 0);
    EXPECT_EQ(s.ReverseFind('o'), 8);
    EXPECT_EQ(s.FindOneOf("wx"), 5);
    EXPECT_EQ(s.FindOneOf("xyz"), -1);
}

TEST_F(StringTest, TokenizeSkipsLeadingDelimitersAndEndsWithMinusOne)
{
    CString s("%one, two,,three");
    std::vector<std::string> tokens;
    int pos = 0;
    for (CString token = s.Tokenize("%, ", pos); pos != -1; token = s.Tokenize("%, ", pos))
        tokens.push_back(token.GetString());
    EXPECT_EQ(tokens, (std::vector<std::string>{"one", "two", "three"}));
}

TEST_F(StringTest, ATrailByteNeverMatchesASearch)
{
    // "갂" ends in the byte of "A", "갵" in that of "a".
    const CString s("갂갵A");
    const struct
    {
        int actual;
        int expected;
    } cases[] = {
        {s.Find('A'), 4},
        {s.Find("A"), 4},
        {s.Find('a'), -1},
        {s.Find("Aa"), -1},
        {CString("가각").Find("\xA1\xB0"), -1}, // straddles two characters
        {CString("가각").Find("각"), 2},
        {s.ReverseFind('A'), 4},
        {CString("A갂").ReverseFind('A'), 0},
        {s.FindOneOf("aA"), 4},
        {s.FindOneOf("갵"), 2},
        {CString("갂").Find('\x81'), -1},
    };
    for (size_t i = 0; i < _countof(cases); ++i)
        EXPECT_EQ(cases[i].actual, cases[i].expected) << "case " << i;
}

TEST_F(StringTest, CaseChangesNeverTouchTrailBytes)
{
    CString upper("갵a걕z");
    upper.MakeUpper();
    EXPECT_EQ(Bytes(upper), "갵A걕Z");
    CString lower("갂A갴Z");
    lower.MakeLower();
    EXPECT_EQ(Bytes(lower), "갂a갴z");
    EXPECT_NE(CString("갂").CompareNoCase("갵"), 0) << "the two differ only in a trail byte's case";
    EXPECT_EQ(CString("갂X").CompareNoCase("갂x"), 0);
}

TEST_F(StringTest, EditsKeepDoubleByteCharactersWhole)
{
    CString replaced("갂A");
    EXPECT_EQ(replaced.Replace('A', 'B'), 1);
    EXPECT_EQ(Bytes(replaced), "갂B");
    CString removed("A갂A");
    EXPECT_EQ(removed.Remove('A'), 2);
    EXPECT_EQ(Bytes(removed), "갂");
    CString trimmed("A갂A");
    trimmed.Trim('A');
    EXPECT_EQ(Bytes(trimmed), "갂");
    CString trimmedSet("갵aa");
    trimmedSet.TrimRight("a");
    EXPECT_EQ(Bytes(trimmedSet), "갵");
    CString reversed("A한글B");
    reversed.MakeReverse();
    EXPECT_EQ(Bytes(reversed), "B글한A");
    EXPECT_STREQ(CString("갂A").SpanExcluding("A"), "갂");
    EXPECT_STREQ(CString("갂").SpanIncluding("A"), "");

    CString korean("종목, 코드,이름");
    int pos = 0;
    EXPECT_STREQ(korean.Tokenize(", ", pos), "종목");
    EXPECT_STREQ(korean.Tokenize(", ", pos), "코드");
    EXPECT_STREQ(korean.Tokenize(", ", pos), "이름");
}

TEST_F(StringTest, ExtractSubStringSplitsAtSeparatorsOutsideCharacters)
{
    const struct
    {
        const char* text;
        int index;
        char sep;
        BOOL found;
        const char* field;
    } cases[] = {
        {"a\nb\nc", 0, '\n', TRUE, "a"}, {"a\nb\nc", 2, '\n', TRUE, "c"}, {"a\nb\nc", 3, '\n', FALSE, ""},
        {"a,,b", 1, ',', TRUE, ""},      {"", 0, ',', TRUE, ""},          {"x", -1, ',', FALSE, ""},
        {"갂A끝", 1, 'A', TRUE, "끝"},   {"갂A끝", 0, 'A', TRUE, "갂"},   {"갂갂", 1, 'A', FALSE, ""},
    };
    for (const auto& c : cases) {
        CString field("stale");
        EXPECT_EQ(AfxExtractSubString(field, c.text, c.index, c.sep), c.found) << c.text << " #" << c.index;
        EXPECT_STREQ(field, c.field) << c.text << " #" << c.index;
    }
    CString field("stale");
    EXPECT_FALSE(AfxExtractSubString(field, NULL, 0, ','));
    EXPECT_STREQ(field, "");
}

TEST_F(StringTest, BuffersAreWrittenDirectlyAndReleased)
{
    CString s("abc");
    CString shared(s);
    LPSTR p = s.GetBuffer(10);
    strcpy(p, "longer text");
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "longer text");
    EXPECT_STREQ(shared, "abc");
    p = s.GetBufferSetLength(3);
    EXPECT_EQ(s.GetLength(), 3);
    p[0] = 'L';
    s.ReleaseBuffer(2);
    EXPECT_STREQ(s, "Lo");
    s.Truncate(1);
    EXPECT_STREQ(s, "L");
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    s.Preallocate(100);
    EXPECT_GE(s.GetAllocLength(), 100);
    EXPECT_STREQ(s, "");
}

TEST_F(StringTest, LoadStringReadsTheProgramsStringTable)
{
    CString s;
    EXPECT_TRUE(s.LoadString(1));
    EXPECT_STREQ(s, "hello");
    EXPECT_TRUE(s.LoadString(2));
    EXPECT_STREQ(s, "한글 %s님");
    EXPECT_TRUE(s.LoadString(17));
    EXPECT_EQ(s.GetLength(), 300) << "long strings are not cut";
    EXPECT_FALSE(s.LoadString(999));
    EXPECT_STREQ(CString(MAKEINTRESOURCEA(1)), "hello");
    CString formatted;
    formatted.Format(2u, "홍길동");
    EXPECT_STREQ(formatted, "한글 홍길동님");
}

} // namespace
