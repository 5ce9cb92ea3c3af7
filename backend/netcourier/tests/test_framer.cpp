// Framing of the received byte stream: the length test on the first bytes, and whole frames in
// order whatever way the stream is cut into reads.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "FrameCutter.h"

namespace {

using frame_cut::CutFrame;

std::string Frame(int total, int code, char fill)
{
    char head[32];
    snprintf(head, sizeof head, "%08d%08d", total, code);
    std::string frame(head, 16);
    frame.resize(total, fill);
    return frame;
}

struct CutCase
{
    const char* name;
    std::string data;
    int held;
    frame_cut::Status status;
    int length;
};

class CutFrameCases : public ::testing::TestWithParam<CutCase>
{
};

TEST_P(CutFrameCases, ReadsOnlyTheHeldBytes)
{
    const CutCase& c = GetParam();
    // The held bytes are copied to a buffer of exactly that size, so a read past them is
    // outside the buffer.
    std::vector<BYTE> held(c.data.begin(), c.data.begin() + c.held);
    const frame_cut::Cut cut = CutFrame(held.empty() ? NULL : held.data(), c.held);
    EXPECT_EQ(c.status, cut.status);
    EXPECT_EQ(c.length, cut.length);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, CutFrameCases,
    ::testing::Values(CutCase{"nothing", "", 0, frame_cut::kNeedMore, 0},
                      CutCase{"seven_bytes_of_a_length", "0000030", 7, frame_cut::kNeedMore, 0},
                      CutCase{"length_without_the_frame", Frame(300, 1, 'a'), 8, frame_cut::kNeedMore, 0},
                      CutCase{"all_but_one_byte", Frame(300, 1, 'a'), 299, frame_cut::kNeedMore, 0},
                      CutCase{"whole_frame", Frame(300, 1, 'a'), 300, frame_cut::kComplete, 300},
                      CutCase{"header_only_frame", Frame(16, 5, 'a'), 16, frame_cut::kComplete, 16},
                      CutCase{"leading_blanks", "     300" + Frame(300, 1, 'a').substr(8), 300,
                              frame_cut::kComplete, 300},
                      CutCase{"digits_then_text", "00000020XXXXXXXXXXXXXXXXXXX", 20, frame_cut::kComplete, 20},
                      CutCase{"shorter_than_its_header", "00000010abcdefghij", 10, frame_cut::kTooShort, 10},
                      CutCase{"zero_length", "00000000", 8, frame_cut::kTooShort, 0},
                      CutCase{"no_digits", "ABCDEFGH12345678", 16, frame_cut::kTooShort, 0},
                      CutCase{"negative", "-0000300", 8, frame_cut::kTooShort, -300},
                      CutCase{"at_the_limit", "00102400", 8, frame_cut::kNeedMore, 0},
                      CutCase{"over_the_limit", "00102401", 8, frame_cut::kTooLong, 102401}),
    [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

struct Collected
{
    std::vector<std::string> frames;
};

void Collect(void* context, const BYTE* frame, int length)
{
    static_cast<Collected*>(context)->frames.emplace_back(reinterpret_cast<const char*>(frame), length);
}

// Feeds `stream` in reads of the given sizes (repeating the pattern) and returns the status.
frame_cut::Status FeedInChunks(CFrameAssembler& assembler, const std::string& stream, const std::vector<int>& sizes,
                               Collected& out)
{
    frame_cut::Status status = frame_cut::kNeedMore;
    size_t at = 0;
    for (size_t i = 0; at < stream.size(); ++i) {
        const size_t n = std::min<size_t>(sizes[i % sizes.size()], stream.size() - at);
        status = assembler.Feed(reinterpret_cast<const BYTE*>(stream.data() + at), static_cast<int>(n), Collect, &out);
        at += n;
    }
    return status;
}

struct Chunking
{
    const char* name;
    std::vector<int> sizes;
};

const Chunking kChunkings[] = {
    {"one_read", {1 << 24}},
    {"byte_by_byte", {1}},
    {"seven", {7}},
    {"eight", {8}},
    {"seventeen", {17}},
    {"eighteen", {18}},
    {"uneven", {3, 299, 1, 8000, 16, 5}},
    {"full_reads", {102400}},
};

std::vector<std::string> SampleFrames()
{
    return {Frame(300, 100, 'a'), Frame(400, 1100, 'b'), Frame(16, 7, 'c'), Frame(102400, 1301, 'd'),
            Frame(33, 100, 'e'),  Frame(17, 8, 'f'),     Frame(5000, 200, 'g')};
}

std::string Join(const std::vector<std::string>& frames)
{
    std::string all;
    for (const std::string& f : frames)
        all += f;
    return all;
}

class AssemblerChunkings : public ::testing::TestWithParam<Chunking>
{
};

TEST_P(AssemblerChunkings, HandsOutEveryFrameWholeAndInOrder)
{
    const std::vector<std::string> frames = SampleFrames();
    CFrameAssembler assembler;
    Collected out;
    EXPECT_EQ(frame_cut::kNeedMore, FeedInChunks(assembler, Join(frames), GetParam().sizes, out));
    EXPECT_EQ(frames, out.frames);
    EXPECT_EQ(0, assembler.GetHeld());
}

TEST_P(AssemblerChunkings, StopsAtABadLengthAfterHandingOutTheFramesBeforeIt)
{
    const std::vector<std::string> good = {Frame(300, 100, 'a'), Frame(400, 1100, 'b')};
    for (const std::string& bad : {std::string("ABCDEFGH") + std::string(300, 'x'), std::string("00000010abcdefgh"),
                                   std::string("00200000") + std::string(300, 'x')}) {
        CFrameAssembler assembler;
        Collected out;
        const frame_cut::Status status =
            FeedInChunks(assembler, Join(good) + bad + Frame(300, 100, 'z'), GetParam().sizes, out);
        EXPECT_NE(frame_cut::kNeedMore, status) << bad.substr(0, 8);
        EXPECT_EQ(good, out.frames) << bad.substr(0, 8);
        // Nothing more is taken until the assembler is reset.
        const std::string more = Frame(20, 1, 'm');
        EXPECT_EQ(status, assembler.Feed(reinterpret_cast<const BYTE*>(more.data()), 20, Collect, &out));
        EXPECT_EQ(good.size(), out.frames.size());
        assembler.Reset();
        EXPECT_EQ(frame_cut::kNeedMore, assembler.Feed(reinterpret_cast<const BYTE*>(more.data()), 20, Collect, &out));
        EXPECT_EQ(more, out.frames.back());
    }
}

INSTANTIATE_TEST_SUITE_P(Reads, AssemblerChunkings, ::testing::ValuesIn(kChunkings),
                         [](const ::testing::TestParamInfo<Chunking>& info) { return std::string(info.param.name); });

TEST(Assembler, KeepsAnIncompleteTailForTheNextRead)
{
    const std::string stream = Frame(300, 1, 'a') + Frame(400, 2, 'b') + Frame(50, 3, 'c').substr(0, 10);
    CFrameAssembler assembler;
    Collected out;
    assembler.Feed(reinterpret_cast<const BYTE*>(stream.data()), static_cast<int>(stream.size()), Collect, &out);
    ASSERT_EQ(2u, out.frames.size());
    EXPECT_EQ(10, assembler.GetHeld());
    const std::string rest = Frame(50, 3, 'c').substr(10);
    assembler.Feed(reinterpret_cast<const BYTE*>(rest.data()), static_cast<int>(rest.size()), Collect, &out);
    ASSERT_EQ(3u, out.frames.size());
    EXPECT_EQ(Frame(50, 3, 'c'), out.frames[2]);
}

TEST(Assembler, ReportsTheBadLengthItFound)
{
    CFrameAssembler assembler;
    const std::string over = "00102401";
    EXPECT_EQ(frame_cut::kTooLong, assembler.Feed(reinterpret_cast<const BYTE*>(over.data()), 8, NULL, NULL));
    EXPECT_EQ(102401, assembler.GetFaultLength());
}

TEST(ReadNumberField, ReadsLikeAtoiOfTheEightBytes)
{
    EXPECT_EQ(1100, frame_cut::ReadNumberField("000011009999"));
    EXPECT_EQ(100, frame_cut::ReadNumberField("00000100R"));
    EXPECT_EQ(12, frame_cut::ReadNumberField("  12    "));
    EXPECT_EQ(0, frame_cut::ReadNumberField("        "));
    EXPECT_EQ(12345678, frame_cut::ReadNumberField("123456789"));
}

} // namespace
