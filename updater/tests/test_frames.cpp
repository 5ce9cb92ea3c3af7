// Frame format of the version-server link and the reassembly of frames from a byte stream.
#include <gtest/gtest.h>
#include <string.h>
#include <algorithm>

#include "version_frame.h"

namespace {

std::string Frame(int code, char status, const std::string& body)
{
    char header[19];
    snprintf(header, sizeof(header), "%08d%08dx%c", (int)(VERSION_HEADER_SIZE + body.size()), code, status);
    return std::string(header, VERSION_HEADER_SIZE) + body;
}

std::string Body(size_t size, char seed)
{
    std::string body(size, '\0');
    for (size_t i = 0; i < size; ++i)
        body[i] = (char)(seed + i * 7);
    return body;
}

struct Collector
{
    std::vector<std::string> frames;
    VersionFrameAssembler::FrameHandler Handler()
    {
        return [this](const char* frame, int length) {
            frames.emplace_back(frame, length);
            return true;
        };
    }
};

TEST(VersionRequest, ListRequestIsSpacesWithTheNameAndSpaceReserved)
{
    std::string request = BuildVersionRequest(VFC_VERSION_LIST, MakeVersionListRecord());
    ASSERT_EQ(146u, request.size());
    EXPECT_EQ("0000014600000001x ", request.substr(0, 18));
    EXPECT_EQ(std::string(80, ' '), request.substr(18, 80));
    EXPECT_EQ("version.dat" + std::string(29, ' '), request.substr(98, 40));
    EXPECT_EQ(std::string(8, ' '), request.substr(138, 8));
}

TEST(VersionRequest, FileRequestPadsAndCutsFieldsAndZeroesReserved)
{
    std::string longName(45, 'n');
    std::string request = BuildVersionRequest(VFC_FILE, MakeFileRecord("Bin", " main", longName));
    ASSERT_EQ(146u, request.size());
    EXPECT_EQ("0000014600000002x ", request.substr(0, 18));
    EXPECT_EQ("Bin" + std::string(37, ' '), request.substr(18, 40));
    EXPECT_EQ(" main" + std::string(35, ' '), request.substr(58, 40));
    EXPECT_EQ(std::string(40, 'n'), request.substr(98, 40));
    EXPECT_EQ(std::string(8, '\0'), request.substr(138, 8));
    VersionRecord rec;
    memcpy(&rec, request.data() + 18, sizeof(rec));
    EXPECT_EQ("main", RecordField(rec, 1));
}

TEST(VersionFrameFields, LengthMustBeEightDigitsAndCodeMayBePadded)
{
    struct Case
    {
        const char* field;
        int length;
        int code;
    } cases[] = {
        {"00000146", 146, 146}, {"00102697", 102697, 102697}, {"00x4o0ab", -1, -1},
        {"    0001", -1, 1},    {"0001    ", -1, 1},          {"-0000018", -1, -1},
        {"        ", -1, -1},   {"00 00018", -1, -1},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.length, ParseFrameLength(c.field)) << c.field;
        EXPECT_EQ(c.code, ParseFrameCode(c.field)) << c.field;
    }
}

TEST(VersionFrameAssembler, DeliversFramesOnceCompleteWhereverTheStreamIsCut)
{
    std::string stream = Frame(2, 'M', Body(300, 'a')) + Frame(2, 'M', "") + Frame(2, 'L', Body(5, 'z'));
    for (size_t chunk = 1; chunk <= stream.size(); chunk += (chunk < 40 ? 1 : 37))
    {
        VersionFrameAssembler assembler;
        Collector got;
        for (size_t at = 0; at < stream.size(); at += chunk)
        {
            int n = (int)std::min(chunk, stream.size() - at);
            ASSERT_EQ(VersionFrameAssembler::FEED_OK, assembler.Feed(stream.data() + at, n, got.Handler()));
        }
        ASSERT_EQ(3u, got.frames.size()) << "chunk " << chunk;
        EXPECT_EQ(stream, got.frames[0] + got.frames[1] + got.frames[2]);
        EXPECT_EQ(0, assembler.Held());
    }
}

TEST(VersionFrameAssembler, SeventeenBytesWaitForTheRest)
{
    std::string frame = Frame(1, 'L', "");
    VersionFrameAssembler assembler;
    Collector got;
    assembler.Feed(frame.data(), 17, got.Handler());
    EXPECT_TRUE(got.frames.empty());
    EXPECT_EQ(17, assembler.Held());
    assembler.Feed(frame.data() + 17, 1, got.Handler());
    EXPECT_EQ(1u, got.frames.size());
}

// The normal path of a large file: a partial frame is held when a read of a whole buffer's
// worth arrives. Everything must still come out intact.
TEST(VersionFrameAssembler, FullSizeReadOnTopOfAPartialFrameIsTakenWhole)
{
    const int body = VERSION_MAX_FRAME - VERSION_HEADER_SIZE;
    std::string stream;
    for (int i = 0; i < 4; ++i)
        stream += Frame(2, 'M', Body(body, (char)('a' + i)));
    stream += Frame(2, 'L', "");
    VersionFrameAssembler assembler;
    Collector got;
    size_t at = 0;
    ASSERT_EQ(VersionFrameAssembler::FEED_OK, assembler.Feed(stream.data(), 60000, got.Handler()));
    at = 60000;
    while (at < stream.size())
    {
        int n = (int)std::min<size_t>(VERSION_MAX_FRAME, stream.size() - at);
        ASSERT_EQ(VersionFrameAssembler::FEED_OK, assembler.Feed(stream.data() + at, n, got.Handler()));
        at += n;
    }
    ASSERT_EQ(5u, got.frames.size());
    std::string joined;
    for (const std::string& f : got.frames)
        joined += f;
    EXPECT_EQ(stream, joined);
}

TEST(VersionFrameAssembler, LengthOutsideTheFormatIsReported)
{
    const char* fields[] = {"00000010", "00000000", "00000017", "00102698", "99999999", "00x4o0ab", "    0146"};
    for (const char* field : fields)
    {
        std::string stream = Frame(2, 'L', "") + std::string(field, 8) + "00000002xM" + std::string(200, 'q');
        VersionFrameAssembler assembler;
        Collector got;
        EXPECT_EQ(VersionFrameAssembler::FEED_BAD_LENGTH,
                  assembler.Feed(stream.data(), (int)stream.size(), got.Handler()))
            << field;
        EXPECT_EQ(1u, got.frames.size()) << "the good frame before it is still delivered";
        EXPECT_EQ(std::string(field, 8), assembler.BadLengthField());
        EXPECT_EQ(0, assembler.Held());
    }
}

TEST(VersionFrameAssembler, HandlerCanStopOrResetInTheMiddleOfABatch)
{
    std::string stream = Frame(2, 'M', "a") + Frame(2, 'M', "b") + Frame(2, 'L', "");
    VersionFrameAssembler assembler;
    int calls = 0;
    EXPECT_EQ(VersionFrameAssembler::FEED_STOPPED,
              assembler.Feed(stream.data(), (int)stream.size(), [&](const char*, int) { return ++calls < 2; }));
    EXPECT_EQ(2, calls);
    EXPECT_EQ(0, assembler.Held());

    calls = 0;
    EXPECT_EQ(VersionFrameAssembler::FEED_STOPPED,
              assembler.Feed(stream.data(), (int)stream.size(), [&](const char*, int) {
                  ++calls;
                  assembler.Reset();
                  return true;
              }));
    EXPECT_EQ(1, calls);
    EXPECT_EQ(0, assembler.Held());
}

} // namespace
