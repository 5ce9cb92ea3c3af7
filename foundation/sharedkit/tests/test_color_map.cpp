// The colour map from fixture colour files: groups, absent ids, bad entries, bad files, and
// entries that controls borrow across reloads.
#include <gtest/gtest.h>

#include <string>

#include "SharedKit.h"
#include "skin_fixture.h"
#include "temp_dir.h"

namespace {

// "배경" in UTF-8 (the file's encoding) and in code page 949 (what the map hands out).
const std::string kBackgroundUtf8 = "\xEB\xB0\xB0\xEA\xB2\xBD";
const char kBackgroundCp949[] = "배경";

std::string Colour(const char* id, const std::string& text, const char* colour)
{
    return std::string("    <COLOR id=\"") + id + "\" text=\"" + text + "\" color=\"" + colour + "\"/>\n";
}

const std::string kFile = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<COLORMAP>\n"
                          "  <GROUP text=\"default\">\n" +
                          Colour("401", kBackgroundUtf8, "30,34,42") + Colour("101", "text", "220, 224, 230") +
                          Colour("102", "up", "240,80,80") + Colour("500", "first", "1,2,3") +
                          Colour("500", "second", "4,5,6") + Colour("600", "short", "1,2") +
                          Colour("601", "letters", "a,b,c") + Colour("602", "too big", "300,0,0") +
                          Colour("603", "written form", "RGB(1,2,3)") + Colour("604", "empty", "") +
                          Colour("x12", "bad id", "1,1,1") + Colour("70000", "id too big", "1,1,1") +
                          "  </GROUP>\n"
                          "  <!-- a second skin -->\n"
                          "  <GROUP text=\"light\">\n" +
                          Colour("401", "light back", "240,240,240") + Colour("700", "only here", "7,7,7") +
                          "  </GROUP>\n</COLORMAP>\n";

class ColorMapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteFileBytes(dir.File("colormap.xml"), kFile);
        ASSERT_NE(nullptr, GetColorMap());
    }
    void TearDown() override { GetColorMap()->Release(); }

    CString Path(const char* name) { return dir.File(name).c_str(); }

    ComScope com;
    TempDir dir;
};

struct Lookup
{
    WORD id;
    COLORREF colour; // GetColor
    bool present;    // GetColorInfo not NULL
    const char* name;
};

TEST_F(ColorMapTest, EmptyGroupLoadsTheDefaultGroupByIdWithBadEntriesLeftOut)
{
    ASSERT_TRUE(GetColorMap()->Load(Path("colormap.xml"), ""));
    const Lookup lookups[] = {
        {401, RGB(30, 34, 42), true, kBackgroundCp949},
        {101, RGB(220, 224, 230), true, "text"}, // a cached id, blanks after the commas
        {102, RGB(240, 80, 80), true, "up"},
        {500, RGB(4, 5, 6), true, "second"}, // the later of two entries answers
        {103, 0, false, ""},                 // a cached id that the group lacks
        {999, 0, false, ""},                 // absent: black, NULL, empty name
        {600, 0, false, ""},                 // fewer than three numbers
        {601, 0, false, ""},                 // not numbers
        {602, 0, false, ""},                 // out of range
        {603, 0, false, ""},                 // the RGB(...) form is not read back
        {604, 0, false, ""},
        {700, 0, false, ""}, // another group's entry
    };
    for (const Lookup& l : lookups) {
        EXPECT_EQ(l.colour, CColorMap::GetColor(l.id)) << l.id;
        EXPECT_EQ(l.present, CColorMap::GetColorInfo(l.id) != nullptr) << l.id;
        EXPECT_STREQ(l.name, CColorMap::GetName(l.id)) << l.id;
    }
    EXPECT_EQ(7, GetColorMap()->GetLoadErrors().GetSize()); // ids 600-604 and two bad ids
    const CStringArray& groups = GetColorMap()->GetGroupNames();
    ASSERT_EQ(2, groups.GetSize());
    EXPECT_STREQ("default", groups[0]);
    EXPECT_STREQ("light", groups[1]);
}

TEST_F(ColorMapTest, NamedGroupFillsOnlyItsEntries)
{
    ASSERT_TRUE(GetColorMap()->Load(Path("colormap.xml"), "light"));
    EXPECT_EQ(RGB(240, 240, 240), CColorMap::GetColor(401));
    EXPECT_EQ(RGB(7, 7, 7), CColorMap::GetColor(700));
    EXPECT_EQ(nullptr, CColorMap::GetColorInfo(101));
    EXPECT_EQ(nullptr, CColorMap::GetColorInfo(500));
    EXPECT_EQ(2, GetColorMap()->GetGroupNames().GetSize());
}

TEST_F(ColorMapTest, GroupNamesAreCaseSensitiveAndAMissingGroupEmptiesTheMap)
{
    ASSERT_TRUE(GetColorMap()->Load(Path("colormap.xml"), "default"));
    EXPECT_FALSE(GetColorMap()->Load(Path("colormap.xml"), "Default"));
    EXPECT_EQ(nullptr, CColorMap::GetColorInfo(401));
    EXPECT_EQ(nullptr, CColorMap::GetColorInfo(101));
    EXPECT_EQ(2, GetColorMap()->GetGroupNames().GetSize());
}

TEST_F(ColorMapTest, AFileThatCannotBeReadKeepsThePreviousColours)
{
    ASSERT_TRUE(GetColorMap()->Load(Path("colormap.xml"), "default"));
    WriteFileBytes(dir.File("broken.xml"), "<COLORMAP><GROUP text=\"default\">");
    const char* files[] = {"broken.xml", "missing.xml"};
    for (const char* file : files) {
        EXPECT_FALSE(GetColorMap()->Load(Path(file), "default")) << file;
        EXPECT_EQ(RGB(30, 34, 42), CColorMap::GetColor(401)) << file;
        EXPECT_EQ(RGB(220, 224, 230), CColorMap::GetColor(101)) << file;
        EXPECT_EQ(2, GetColorMap()->GetGroupNames().GetSize()) << file;
    }
}

TEST_F(ColorMapTest, BorrowedEntriesStayValidAcrossReloads)
{
    ASSERT_TRUE(GetColorMap()->Load(Path("colormap.xml"), "default"));
    CColorInfo* background = CColorMap::GetColorInfo(401);
    CColorInfo* text = CColorMap::GetColorInfo(101);
    ASSERT_NE(nullptr, background);
    ASSERT_NE(nullptr, text);

    // The same id in the new group: the borrowed entry follows it.
    ASSERT_TRUE(GetColorMap()->Load(Path("colormap.xml"), "light"));
    EXPECT_EQ(background, CColorMap::GetColorInfo(401));
    EXPECT_EQ(RGB(240, 240, 240), background->GetColor());
    // An id the new group lacks: no longer answered, but the borrowed entry is still alive.
    EXPECT_EQ(nullptr, CColorMap::GetColorInfo(101));
    EXPECT_STREQ("text", text->GetName());
    EXPECT_EQ(RGB(220, 224, 230), text->GetColor());

    ASSERT_TRUE(GetColorMap()->Load(Path("colormap.xml"), "default"));
    EXPECT_EQ(background, CColorMap::GetColorInfo(401));
    EXPECT_EQ(RGB(30, 34, 42), background->GetColor());
}

TEST_F(ColorMapTest, DuplicateIdsReuseOneEntry)
{
    ASSERT_TRUE(GetColorMap()->Load(Path("colormap.xml"), "default"));
    CColorInfo* first = CColorMap::GetColorInfo(500);
    ASSERT_TRUE(GetColorMap()->Load(Path("colormap.xml"), "default"));
    EXPECT_EQ(first, CColorMap::GetColorInfo(500));
    EXPECT_EQ(RGB(4, 5, 6), first->GetColor());
}

} // namespace
