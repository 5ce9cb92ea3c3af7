// The image map from fixture image files: bitmaps by id loaded on first use, missing files,
// absent ids, and bitmaps that controls borrow across reloads.
#include <gtest/gtest.h>

#include <string>

#include "InstallFolders.h"
#include "SharedKit.h"
#include "skin_fixture.h"
#include "temp_dir.h"

namespace {

std::string Image(const char* id, const std::string& folder, const char* file)
{
    return std::string("    <IMAGE id=\"") + id + "\" path=\"" + folder + "\" file=\"" + file + "\"/>\n";
}

class ResourceMapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteSolidBmp(images.File("red.bmp"), 4, 3, RGB(255, 0, 0));
        WriteSolidBmp(images.File("blue.bmp"), 2, 2, RGB(0, 0, 255));
        const std::string& f = images.Name();
        WriteFileBytes(dir.File("ResourceMap.xml"),
                       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RESOURCEMAP>\n"
                       "  <GROUP text=\"default\">\n" +
                           Image("10", f, "red.bmp") + Image("11", f, "missing.bmp") +
                           Image("12", f, "red.bmp") + Image("12", f, "blue.bmp") + Image("bad", f, "red.bmp") +
                           "  </GROUP>\n  <GROUP text=\"other\">\n" + Image("10", f, "red.bmp") +
                           Image("12", f, "red.bmp") + "  </GROUP>\n</RESOURCEMAP>\n");
        ASSERT_NE(nullptr, GetResourceMap());
    }
    void TearDown() override { GetResourceMap()->Release(); }

    CString Path() { return dir.File("ResourceMap.xml").c_str(); }

    ComScope com;
    TempDir dir;
    ScratchImageFolder images;
};

struct BitmapCase
{
    WORD id;
    bool present;   // GetBitmap not NULL
    bool loaded;    // the bitmap has a handle
    int width;
    COLORREF pixel;
};

TEST_F(ResourceMapTest, BitmapsByIdFromTheDefaultGroup)
{
    ASSERT_TRUE(GetResourceMap()->Load(Path(), ""));
    const BitmapCase cases[] = {
        {10, true, true, 4, RGB(255, 0, 0)},
        {12, true, true, 2, RGB(0, 0, 255)}, // the later of two entries answers
        {11, true, false, 0, 0},             // missing file: a bitmap without a handle
        {13, false, false, 0, 0},            // absent id
    };
    for (const BitmapCase& c : cases) {
        CBitmap* bitmap = CResourceMap::GetBitmap(c.id);
        ASSERT_EQ(c.present, bitmap != nullptr) << c.id;
        if (!c.present)
            continue;
        EXPECT_EQ(bitmap, CResourceMap::GetBitmap(c.id)) << c.id << ": loaded once";
        ASSERT_EQ(c.loaded, bitmap->GetSafeHandle() != nullptr) << c.id;
        if (!c.loaded)
            continue;
        BITMAP info;
        ASSERT_NE(0, bitmap->GetBitmap(&info));
        EXPECT_EQ(c.width, info.bmWidth) << c.id;
        EXPECT_EQ(c.pixel, PixelOf(static_cast<HBITMAP>(bitmap->GetSafeHandle()), 1, 1)) << c.id;
    }
    EXPECT_STREQ((std::string(GetImageDir()) + images.Name() + "\\red.bmp").c_str(), CResourceMap::GetPath(10));
    EXPECT_EQ(1, GetResourceMap()->GetLoadErrors().GetSize());
}

TEST_F(ResourceMapTest, AMissingFileIsNotTriedAgain)
{
    ASSERT_TRUE(GetResourceMap()->Load(Path(), "default"));
    CBitmap* missing = CResourceMap::GetBitmap(11);
    ASSERT_NE(nullptr, missing);
    EXPECT_EQ(nullptr, missing->GetSafeHandle());
    WriteSolidBmp(images.File("missing.bmp"), 1, 1, RGB(0, 255, 0));
    EXPECT_EQ(missing, CResourceMap::GetBitmap(11));
    EXPECT_EQ(nullptr, missing->GetSafeHandle());
}

TEST_F(ResourceMapTest, BorrowedBitmapsStayValidAcrossReloads)
{
    ASSERT_TRUE(GetResourceMap()->Load(Path(), "default"));
    CBitmap* red = CResourceMap::GetBitmap(10);
    CBitmap* blue = CResourceMap::GetBitmap(12);
    HGDIOBJ blueHandle = blue->GetSafeHandle();
    ASSERT_NE(nullptr, blueHandle);

    ASSERT_TRUE(GetResourceMap()->Load(Path(), "other"));
    EXPECT_EQ(red, CResourceMap::GetBitmap(10)); // same file: the same bitmap
    CBitmap* now = CResourceMap::GetBitmap(12);
    ASSERT_NE(nullptr, now);
    EXPECT_NE(blue, now); // another file: a new bitmap ...
    // ... while the one a control borrowed is still a live bitmap of its own colour.
    EXPECT_EQ(blueHandle, blue->GetSafeHandle());
    EXPECT_EQ(RGB(0, 0, 255), PixelOf(static_cast<HBITMAP>(blueHandle), 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), PixelOf(static_cast<HBITMAP>(now->GetSafeHandle()), 0, 0));
    EXPECT_EQ(nullptr, CResourceMap::GetBitmap(11));
}

TEST_F(ResourceMapTest, BadBitmapFilesGiveABitmapWithoutAHandle)
{
    const struct
    {
        const char* file;
        std::string bytes;
    } files[] = {
        {"empty.bmp", ""},
        {"text.bmp", "not a bitmap at all"},
        {"header_only.bmp", BmpBytes(4, 4, 24, "").substr(0, 20)},
        {"huge.bmp", BmpBytes(100000, 100000, 24, std::string(48, '\x7F'))},
        {"bad_depth.bmp", BmpBytes(2, 2, 13, std::string(16, '\0'))},
    };
    std::string xml = "<RESOURCEMAP><GROUP text=\"default\">";
    int id = 20;
    for (const auto& f : files) {
        WriteFileBytes(images.File(f.file), f.bytes);
        xml += Image(std::to_string(id++).c_str(), images.Name(), f.file);
    }
    xml += "</GROUP></RESOURCEMAP>";
    WriteFileBytes(dir.File("bad.xml"), xml);
    ASSERT_TRUE(GetResourceMap()->Load(dir.File("bad.xml").c_str(), "default"));
    id = 20;
    for (const auto& f : files) {
        CBitmap* bitmap = CResourceMap::GetBitmap(static_cast<WORD>(id++));
        ASSERT_NE(nullptr, bitmap) << f.file;
        EXPECT_EQ(nullptr, bitmap->GetSafeHandle()) << f.file;
    }
}

TEST_F(ResourceMapTest, EntriesReachingOutsideTheImageFolderAreRefused)
{
    // A bitmap one level above the image folder, which an entry must not be able to name.
    WriteSolidBmp(std::string(GetImageDir()) + "..\\outside.bmp", 1, 1, RGB(0, 255, 0));
    const struct
    {
        const char* id;
        std::string path;
        std::string file;
        bool accepted;
    } entries[] = {
        {"30", images.Name(), "red.bmp", true},
        {"31", "..", "outside.bmp", false},
        {"32", images.Name() + "\\..\\..", "outside.bmp", false},
        {"33", images.Name(), "..\\..\\outside.bmp", false},
        {"34", images.Name() + "/../..", "outside.bmp", false},
        {"35", "C:", "outside.bmp", false},
        {"36", "\\Windows", "outside.bmp", false},
        {"37", images.Name(), "..red.bmp", true}, // dots inside a name are no step out
        {"38", "", images.Name() + "\\red.bmp", true},
    };
    std::string xml = "<RESOURCEMAP><GROUP text=\"default\">";
    for (const auto& e : entries)
        xml += Image(e.id, e.path, e.file.c_str());
    xml += "</GROUP></RESOURCEMAP>";
    WriteSolidBmp(images.File("..red.bmp"), 1, 1, RGB(255, 0, 0));
    WriteFileBytes(dir.File("escape.xml"), xml);
    ASSERT_TRUE(GetResourceMap()->Load(dir.File("escape.xml").c_str(), "default"));
    int refused = 0;
    for (const auto& e : entries) {
        const WORD id = static_cast<WORD>(std::stoi(e.id));
        CBitmap* bitmap = CResourceMap::GetBitmap(id);
        EXPECT_EQ(e.accepted, bitmap != nullptr) << e.id;
        if (bitmap != nullptr)
            EXPECT_EQ(RGB(255, 0, 0), PixelOf(static_cast<HBITMAP>(bitmap->GetSafeHandle()), 0, 0)) << e.id;
        refused += e.accepted ? 0 : 1;
    }
    EXPECT_EQ(refused, GetResourceMap()->GetLoadErrors().GetSize());
}

TEST_F(ResourceMapTest, AFileThatCannotBeReadKeepsThePreviousImages)
{
    ASSERT_TRUE(GetResourceMap()->Load(Path(), "default"));
    CBitmap* red = CResourceMap::GetBitmap(10);
    EXPECT_FALSE(GetResourceMap()->Load(dir.File("none.xml").c_str(), "default"));
    EXPECT_EQ(red, CResourceMap::GetBitmap(10));
    EXPECT_FALSE(GetResourceMap()->Load(Path(), "nothing"));
    EXPECT_EQ(nullptr, CResourceMap::GetBitmap(10));
}

} // namespace
