// Reading the login dialog's replies: accounts only from records the frame carries, numbers
// only from bytes inside it, the clock only from a body that holds a real date and time.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "LoginReplies.h"

namespace {

std::string Header(int code, int total, const char* countField)
{
    std::string frame(297, ' ');
    char text[16];
    snprintf(text, sizeof text, "%08d", total);
    frame.replace(0, 8, text);
    snprintf(text, sizeof text, "%08d", code);
    frame.replace(8, 8, text);
    frame.replace(18, strlen(countField), countField);
    return frame;
}

// A reply 5301: `declared` accounts announced, `present` 40-byte records carried.
std::string Reply5301(const char* declared, int present)
{
    std::string body(30, ' ');
    std::string records;
    for (int i = 0; i < present; ++i) {
        char record[41];
        snprintf(record, sizeof record, "ACC%09dPW%06d%-20s", i, i, ("Name " + std::to_string(i)).c_str());
        records += std::string(record, 40);
    }
    std::string frame = Header(5301, 327 + static_cast<int>(records.size()), declared) + body + records;
    frame[42] = 'S';
    return frame;
}

const BYTE* Bytes(const std::string& s)
{
    return reinterpret_cast<const BYTE*>(s.data());
}

struct AccountCase
{
    const char* declared;
    int present;
    int appended;
};

class Accounts5301 : public ::testing::TestWithParam<AccountCase>
{
};

TEST_P(Accounts5301, AppendsOnlyTheRecordsTheFrameCarries)
{
    const AccountCase& c = GetParam();
    const std::string frame = Reply5301(c.declared, c.present);
    CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&> accounts;
    EXPECT_EQ(c.appended, login_replies::AppendAccounts5301(Bytes(frame), static_cast<int>(frame.size()), accounts));
    ASSERT_EQ(c.appended, accounts.GetSize());
    for (int i = 0; i < c.appended; ++i) {
        char no[13], code[9];
        snprintf(no, sizeof no, "ACC%09d", i);
        snprintf(code, sizeof code, "PW%06d", i);
        EXPECT_EQ(0, memcmp(accounts[i].szAccountNo, no, 12));
        EXPECT_EQ(0, memcmp(accounts[i].szAccountCode, code, 8));
        EXPECT_EQ(0, strncmp(accounts[i].szAccountName, ("Name " + std::to_string(i)).c_str(), 6));
        EXPECT_EQ('\0', accounts[i].reserved1[0]);
        EXPECT_EQ('\0', accounts[i].reserved3);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, Accounts5301,
                         ::testing::Values(AccountCase{"00000002", 2, 2}, AccountCase{"00000009", 2, 2},
                                           AccountCase{"00000000", 3, 0}, AccountCase{"-0000001", 3, 0},
                                           AccountCase{"99999999", 0, 0}, AccountCase{"00000001", 3, 1}));

TEST(Accounts1905, CountFromByteEighteenAndSixtyFiveByteRecords)
{
    std::string frame = Header(1905, 0, "2");
    frame += std::string(32, ' '); // up to byte 329
    std::string record(65, '\0');
    record.replace(0, 12, "111122223333");
    record.replace(12, 5, "Alpha");
    frame += record + record.substr(0, 30); // one whole record and a cut one
    CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&> accounts;
    EXPECT_EQ(1, login_replies::AppendAccounts1905(Bytes(frame), static_cast<int>(frame.size()), accounts));
    ASSERT_EQ(1, accounts.GetSize());
    EXPECT_EQ(0, memcmp(accounts[0].szAccountNo, "111122223333", 12));
    EXPECT_STREQ("Alpha", accounts[0].szAccountName);
    EXPECT_EQ(0, login_replies::AppendAccounts1905(Bytes(frame), 300, accounts));
}

TEST(NumberAt, ReadsOnlyInsideTheFrameAndTheField)
{
    const std::string nines(50, '9');
    EXPECT_EQ(99999999, login_replies::NumberAt(Bytes(nines), 50, 42));
    EXPECT_EQ(99, login_replies::NumberAt(Bytes(nines), 44, 42));
    EXPECT_EQ(0, login_replies::NumberAt(Bytes(nines), 42, 42));
    EXPECT_EQ(0, login_replies::NumberAt(NULL, 50, 0));
}

TEST(Credentials, OneToEightCharacters)
{
    EXPECT_TRUE(login_replies::IsCredential("a"));
    EXPECT_TRUE(login_replies::IsCredential("abcdefgh"));
    EXPECT_FALSE(login_replies::IsCredential("abcdefghi"));
    EXPECT_FALSE(login_replies::IsCredential(std::string(5000, 'x').c_str()));
    EXPECT_FALSE(login_replies::IsCredential(""));
    EXPECT_FALSE(login_replies::IsCredential(NULL));
}

std::string ClockBody(int32_t date, int32_t time, int size = 327)
{
    std::string body(size, '\0');
    if (size >= 239) {
        memcpy(&body[235], &date, 4);
        memcpy(&body[223], &time, 4);
    }
    return body;
}

TEST(ServerClock, TakesDateAndTimeAndKeepsTheWeekday)
{
    SYSTEMTIME now = {};
    now.wDayOfWeek = 3;
    SYSTEMTIME clock = {};
    const std::string body = ClockBody(20261209, 134501250);
    ASSERT_TRUE(login_replies::ServerClock(Bytes(body), static_cast<int>(body.size()), now, clock));
    EXPECT_EQ(2026, clock.wYear);
    EXPECT_EQ(12, clock.wMonth);
    EXPECT_EQ(9, clock.wDay);
    EXPECT_EQ(13, clock.wHour);
    EXPECT_EQ(45, clock.wMinute);
    EXPECT_EQ(1, clock.wSecond);
    EXPECT_EQ(250, clock.wMilliseconds);
    EXPECT_EQ(3, clock.wDayOfWeek);
}

TEST(ServerClock, RefusesWhatIsNoClock)
{
    const struct
    {
        int32_t date, time;
        int size;
    } bad[] = {{20261209, 134501250, 238}, {20261309, 134501250, 327}, {20261200, 1, 327}, {-20261209, 1, 327},
               {20261209, 250000000, 327},  {20261209, 126001000, 327},  {15001209, 1, 327}};
    for (const auto& b : bad) {
        SYSTEMTIME now = {}, clock = {};
        const std::string body = ClockBody(b.date, b.time, b.size);
        EXPECT_FALSE(login_replies::ServerClock(Bytes(body), b.size, now, clock)) << b.date << " " << b.time;
    }
}

} // namespace
