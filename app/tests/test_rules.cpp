// The main program's records and file rules: the login and session bodies, the login reply,
// the updater swap. (The messages of the refusals and the version check's records are shown
// against the server peer.)
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "LoginRules.h"
#include "temp_dir.h"
#include "UpdaterSwap.h"

namespace {

std::string Bytes(const BYTE* data, size_t len)
{
    return std::string(reinterpret_cast<const char*>(data), len);
}

TEST(LoginBodies, IdAndPasswordAreBlankFilledAndCutTo20)
{
    struct Case
    {
        const char* id;
        const char* password;
        std::string body;
    } cases[] = {
        {"user1", "pw", "user1" + std::string(15, ' ') + "pw" + std::string(18, ' ')},
        {"abcdefghijklmnopqrstuvwxyz", "12345678901234567890XYZ", "abcdefghijklmnopqrst12345678901234567890"},
        {"", "", std::string(40, ' ')},
        {"한글아이디", "p", "한글아이디" + std::string(10, ' ') + "p" + std::string(19, ' ')},
    };
    for (const Case& c : cases) {
        BYTE body[LOGIN_BODY_SIZE];
        memset(body, 0, sizeof body);
        MakeLoginBody(c.id, c.password, body);
        EXPECT_EQ(c.body, Bytes(body, sizeof body)) << c.id;
    }
}

TEST(SessionBodies, IdIsCutTo12AndTheFlagFollows)
{
    struct Case
    {
        const char* id;
        char flag;
        std::string body;
    } cases[] = {
        {"user1", SESSION_SIGN_ON, "user1       0"},
        {"user1", SESSION_SIGN_OFF, "user1       1"},
        {"abcdefghijklmnopqrstuvwxyz", SESSION_SIGN_ON, "abcdefghijkl0"},
        {"", SESSION_SIGN_OFF, std::string(12, ' ') + "1"},
    };
    for (const Case& c : cases) {
        BYTE body[SESSION_BODY_SIZE];
        memset(body, 0, sizeof body);
        MakeSessionBody(c.id, c.flag, body);
        EXPECT_EQ(c.body, Bytes(body, sizeof body)) << c.id;
    }
}

// A reply body: result, one unread byte, expiry, three offices, branch address, padding.
std::string Reply(const std::string& result, const std::string& expire, const std::string& offices,
                  const std::string& branch, size_t length = 100)
{
    std::string body = result + "x" + expire + offices + branch;
    body.resize(length, ' ');
    return body;
}

TEST(LoginReplies, OnlyRepliesLongerThan68BytesAreRead)
{
    const std::string full = Reply("0000", "20991231", "001002003", "127.0.0.1      ");
    LoginReply reply;
    for (size_t len : {0, 1, 37, 68}) {
        EXPECT_FALSE(ParseLoginReply(reinterpret_cast<const BYTE*>(full.data()), (int)len, reply)) << len;
    }
    EXPECT_FALSE(ParseLoginReply(nullptr, 100, reply));
    ASSERT_TRUE(ParseLoginReply(reinterpret_cast<const BYTE*>(full.data()), 69, reply));
    EXPECT_EQ(0, reply.nResult);
    EXPECT_EQ(20991231, reply.nExpireDate);
    EXPECT_STREQ("001", reply.strOffice[0]);
    EXPECT_STREQ("002", reply.strOffice[1]);
    EXPECT_STREQ("003", reply.strOffice[2]);
    EXPECT_STREQ("127.0.0.1", reply.strBranchIP);
}

TEST(LoginReplies, FieldsAreTrimmedAndOnlyDigitsAreACode)
{
    struct Case
    {
        std::string body;
        int result;
        int expire;
        const char* office1;
        const char* branch;
    } cases[] = {
        {Reply("0000", "20250101", " 1 2  3  ", "  10.1.2.3     "), 0, 20250101, "1", "10.1.2.3"},
        {Reply("   3", "20250101", "aaabbbccc", "1.2.3.4        "), 3, 20250101, "aaa", "1.2.3.4"},
        {Reply("0005", "        ", "aaabbbccc", "               "), 5, 0, "aaa", ""},
        // Letters are no success: a broken code must not log the user in.
        {Reply("OK  ", "20250101", "aaabbbccc", "1.2.3.4        "), -1, 20250101, "aaa", "1.2.3.4"},
        {Reply("    ", "2025ab01", "aaabbbccc", "1.2.3.4        "), -1, 0, "aaa", "1.2.3.4"},
        {Reply(std::string("0\0" "00", 4), "20250101", "aaabbbccc", std::string("1.2.3.4\0" "9.9.9.9", 15)), 0,
         20250101, "aaa", "1.2.3.4"},
    };
    for (const Case& c : cases) {
        LoginReply reply;
        ASSERT_TRUE(ParseLoginReply(reinterpret_cast<const BYTE*>(c.body.data()), (int)c.body.size(), reply));
        EXPECT_EQ(c.result, reply.nResult) << c.body;
        EXPECT_EQ(c.expire, reply.nExpireDate) << c.body;
        EXPECT_STREQ(c.office1, reply.strOffice[0]) << c.body;
        EXPECT_STREQ(c.branch, reply.strBranchIP) << c.body;
    }
}

class UpdaterSwap : public ::testing::Test
{
protected:
    std::string Bin() const { return m_bin.Path(); }
    std::string Target() const { return ReadFileBytes(m_bin.File("PatchRunner.exe")); }
    bool PendingExists() const { return FileExists(m_bin.File("_PatchRunner.exe")); }
    void Write(const char* name, const std::string& bytes) { WriteFileBytes(m_bin.File(name), bytes); }
    TempDir m_bin;
};

TEST_F(UpdaterSwap, TheNewCopyReplacesTheOldOne)
{
    Write("PatchRunner.exe", "old updater");
    Write("_PatchRunner.exe", "new updater");
    EXPECT_EQ(UPDATER_SWAP_DONE, SwapPendingUpdater(Bin().c_str()));
    EXPECT_EQ("new updater", Target());
    EXPECT_FALSE(PendingExists());
}

TEST_F(UpdaterSwap, WithoutANewCopyNothingIsTouched)
{
    Write("PatchRunner.exe", "old updater");
    EXPECT_EQ(UPDATER_SWAP_NONE, SwapPendingUpdater(Bin().c_str()));
    EXPECT_EQ("old updater", Target());
}

TEST_F(UpdaterSwap, ANewCopyWithoutAnOldOneIsPutInPlace)
{
    Write("_PatchRunner.exe", "new updater");
    EXPECT_EQ(UPDATER_SWAP_DONE, SwapPendingUpdater(Bin().c_str()));
    EXPECT_EQ("new updater", Target());
    EXPECT_FALSE(PendingExists());
}

TEST_F(UpdaterSwap, AnOldOneInUseStaysAndTheNewCopyWaits)
{
    Write("PatchRunner.exe", "old updater");
    Write("_PatchRunner.exe", "new updater");
    // Open without delete sharing, as a running program's image is: it cannot be replaced.
    HANDLE busy = ::CreateFileA((Bin() + "PatchRunner.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, busy);
    EXPECT_EQ(UPDATER_SWAP_FAILED, SwapPendingUpdater(Bin().c_str()));
    ::CloseHandle(busy);
    EXPECT_EQ("old updater", Target());
    EXPECT_TRUE(PendingExists());
    // The next start takes it.
    EXPECT_EQ(UPDATER_SWAP_DONE, SwapPendingUpdater(Bin().c_str()));
    EXPECT_EQ("new updater", Target());
}

} // namespace
