// The session store's copy rules: never more than the caller's buffer, and what is handed out
// is always terminated.
#include <gtest/gtest.h>

#include <cstring>

#include "SharedData.h"

namespace {

class SessionStore : public ::testing::Test
{
protected:
    void TearDown() override
    {
        CSharedData::SetUserID(NULL);
        CSharedData::SetPassword(NULL);
        CSharedData::SetLocalIP(NULL);
        CSharedData::SetPublicIP(NULL);
    }
};

struct CopyCase
{
    const char* stored;
    int size;
    int result;
    const char* expected; // the text in the buffer when result is 1
};

// The three heap-copied values share one copy rule.
struct Accessor
{
    const char* name;
    void (*set)(const char*);
    int (*get)(char*, int);
};

const Accessor kAccessors[] = {
    {"UserID", &CSharedData::SetUserID, &CSharedData::GetUserID},
    {"Password", &CSharedData::SetPassword, &CSharedData::GetPassword},
    {"LocalIP", &CSharedData::SetLocalIP, &CSharedData::GetLocalIP},
};

const CopyCase kCopyCases[] = {
    {"abcdef", 4, 0, ""},        // too small: nothing written
    {"abcdef", 6, 0, ""},        // no room for the terminator: nothing written
    {"abcdef", 7, 1, "abcdef"},  // exactly fits with its terminator
    {"abcdef", 10, 1, "abcdef"}, // the rest zero-filled
    {NULL, 10, 0, ""},           // never set
    {"abc", 0, 0, ""},
    {"", 1, 1, ""},
};

class HeapCopyRule : public SessionStore, public ::testing::WithParamInterface<std::tuple<Accessor, CopyCase>>
{
};

TEST_P(HeapCopyRule, FollowsTheCopyRule)
{
    const Accessor& a = std::get<0>(GetParam());
    const CopyCase& c = std::get<1>(GetParam());
    a.set(c.stored);
    char buf[16];
    memset(buf, '#', sizeof buf);
    EXPECT_EQ(c.result, a.get(buf, c.size)) << a.name;
    if (c.result == 0) {
        EXPECT_EQ('#', buf[0]) << a.name << ": untouched";
        return;
    }
    EXPECT_STREQ(c.expected, buf) << a.name;
    for (int i = static_cast<int>(strlen(c.expected)); i < c.size; ++i)
        EXPECT_EQ('\0', buf[i]) << a.name << " byte " << i;
    EXPECT_EQ('#', buf[c.size]) << a.name << ": nothing beyond size";
}

INSTANTIATE_TEST_SUITE_P(AllHeapCopies, HeapCopyRule,
                         ::testing::Combine(::testing::ValuesIn(kAccessors), ::testing::ValuesIn(kCopyCases)));

TEST_F(SessionStore, SettingTheIDAgainReplacesIt)
{
    CSharedData::SetUserID("first");
    CSharedData::SetUserID("second");
    char buf[8] = {0};
    ASSERT_EQ(1, CSharedData::GetUserID(buf, 7));
    EXPECT_STREQ("second", buf);
}

TEST_F(SessionStore, PublicIPFallsBackToTheLocalIP)
{
    CSharedData::SetLocalIP("10.1.2.3");
    char buf[16];
    ASSERT_EQ(1, CSharedData::GetPublicIP(buf, sizeof buf));
    EXPECT_STREQ("10.1.2.3", buf);
    CSharedData::SetPublicIP("203.0.113.200");
    ASSERT_EQ(1, CSharedData::GetPublicIP(buf, sizeof buf));
    EXPECT_STREQ("203.0.113.200", buf);
    EXPECT_EQ(0, CSharedData::GetPublicIP(buf, 14));
}

TEST_F(SessionStore, PublicIPKeepsAtMostFifteenCharactersAndItsTerminator)
{
    CSharedData::SetPublicIP("1234567890123456789");
    char buf[20];
    memset(buf, '#', sizeof buf);
    EXPECT_EQ(0, CSharedData::GetPublicIP(buf, 15)); // the 15 characters would stay unterminated
    EXPECT_EQ('#', buf[0]);
    ASSERT_EQ(1, CSharedData::GetPublicIP(buf, 16));
    EXPECT_EQ(0, memcmp(buf, "123456789012345", 15));
    EXPECT_EQ('\0', buf[15]);
    EXPECT_EQ('#', buf[16]);
}

} // namespace
