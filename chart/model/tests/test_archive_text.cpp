// Texts inside records: the length prefixes, the UTF-16 form, and lengths the data cannot hold.
#include <gtest/gtest.h>

#include <string>

#include "KindRecords.h"
#include "archive_bytes.h"

namespace {

// The horizontal-bar record opens with its version byte and then S1: a handy carrier.
Bytes WithFirstText(const Bytes& text)
{
    DHBARPROP rest;
    Bytes stored = StoreRecord(rest);
    return ByteWriter().Byte(stored[0]).Raw(text).Raw(Bytes(stored.begin() + 2, stored.end())).Get(); // after the empty S1
}

struct PrefixCase
{
    size_t length;
    Bytes prefix;
};

TEST(ArchiveText, LengthPrefixes)
{
    const PrefixCase cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const PrefixCase& c : cases) {
        DHBARPROP record;
        record.S1 = std::string(c.length, 'x').c_str();
        Bytes bytes = StoreRecord(record);
        ASSERT_GT(bytes.size(), c.prefix.size() + 1);
        EXPECT_EQ(c.prefix, Bytes(bytes.begin() + 1, bytes.begin() + 1 + c.prefix.size())) << c.length;

        DHBARPROP loaded;
        size_t consumed = 0;
        ASSERT_EQ(-1, LoadRecord(bytes, loaded, &consumed)) << c.length;
        EXPECT_EQ(bytes.size(), consumed);
        EXPECT_EQ(int(c.length), loaded.S1.GetLength());
        EXPECT_STREQ("", loaded.S2);
    }
}

TEST(ArchiveText, Utf16TextIsConvertedToTheCodePage)
{
    // 0xFF 0xFFFE announces UTF-16; its length in 16-bit units follows in the usual form.
    Bytes shortForm = {0xFF, 0xFE, 0xFF, 0x02, 'A', 0, 'B', 0};
    DHBARPROP loaded;
    size_t consumed = 0;
    Bytes bytes = WithFirstText(shortForm);
    ASSERT_EQ(-1, LoadRecord(bytes, loaded, &consumed));
    EXPECT_EQ(bytes.size(), consumed);
    EXPECT_STREQ("AB", loaded.S1);

    Bytes wordForm = {0xFF, 0xFE, 0xFF, 0xFF, 0x03, 0x00, 'x', 0, 'y', 0, 'z', 0};
    bytes = WithFirstText(wordForm);
    ASSERT_EQ(-1, LoadRecord(bytes, loaded, &consumed));
    EXPECT_EQ(bytes.size(), consumed);
    EXPECT_STREQ("xyz", loaded.S1);

    ASSERT_EQ(949u, GetACP());
    Bytes korean = {0xFF, 0xFE, 0xFF, 0x01, 0x00, 0xAC}; // U+AC00
    ASSERT_EQ(-1, LoadRecord(WithFirstText(korean), loaded));
    EXPECT_STREQ("가", loaded.S1);
}

TEST(ArchiveText, LengthBeyondTheDataIsEndOfFile)
{
    const Bytes cases[] = {
        {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF},                         // 32-bit, almost 4 GiB
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},                         // 32-bit, 2 GiB
        {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00},                         // 32-bit, 64 KiB
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 1, 0, 0, 0}, // 64-bit
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3F},             // UTF-16, 2 GiB of bytes
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF},                               // UTF-16, 16-bit length
    };
    for (const Bytes& prefix : cases) {
        DHBARPROP loaded;
        loaded.Title = "kept";
        EXPECT_EQ(CArchiveException::endOfFile, LoadRecord(WithFirstText(prefix), loaded));
        EXPECT_STREQ("kept", loaded.Title);
    }
}

TEST(ArchiveText, LengthExactlyAtTheEnd)
{
    // A 600-byte text as the last thing in the data loads; one byte more claimed does not.
    std::string text(600, 'q');
    ByteWriter whole;
    whole.Byte(0xFF).Word(600);
    Bytes bytes = whole.Get();
    bytes.insert(bytes.end(), text.begin(), text.end());
    Bytes record = ByteWriter().Byte(0).Raw(bytes).Get();
    DAMERICAPROP america;
    // The text is read whole; the record then runs out at its next field.
    EXPECT_EQ(CArchiveException::endOfFile, LoadRecord(record, america));
    EXPECT_EQ(600, america.S3.GetLength());

    record[2] = 0x59; // 601
    DAMERICAPROP shortOne;
    EXPECT_EQ(CArchiveException::endOfFile, LoadRecord(record, shortOne));
    EXPECT_TRUE(shortOne.S3.IsEmpty());
}

} // namespace
