// The account selector's number forms and kinds and the fixed records of the password checks.
#include <gtest/gtest.h>

#include <string>

#include "WidgetRules.h"

TEST(AccountRules, DisplayNumber)
{
    const struct
    {
        const char* number;
        const char* shown;
    } cases[] = {
        {"123-45-678901", "123-45-678901"}, // 11 digits, as they are
        {"12345678901234", "123-45-678901"}, // cut to 11
        {"1234567", "123-45-67"},
        {"1234", "123-4-"}, // an insert past the end appends
        {"", "--"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.shown, AccountDisplayNumber(c.number).GetString()) << c.number;
}

TEST(AccountRules, KindBySecondField)
{
    const struct
    {
        const char* number;
        int kind;
        int futOpt;
    } cases[] = {
        {"123-00-45", 0, 0},        {"123-01-45", 1, 0},      {"123-33-45", 1, 0},   {"123-55", 1, 0},
        {"123-75-1", 1, 0},         {"123-76-1", 1, 0},       {"123-77-1", 1, 0},    {"123-11-45", 0x100, 1},
        {"123-21-1", 0x10, 0},      {"123-22-1", 0x10, 0},    {"123-23-1", 0x10, 0}, {"123-88-1", 0x1000, 0},
        {"123-99-1", -1, 0},        {"12345", -1, 0},         {"123--1", -1, 0},     {"123-1a-1", -1, 0},
        {"123-011-1", 0x100, 0}, // the number 11, though not the text "11"
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.kind, AccountTypeOfNumber(c.number)) << c.number;
        EXPECT_EQ(c.futOpt, IsFutOptNumber(c.number)) << c.number;
    }
    EXPECT_EQ(-1, AccountTypeOfNumber(nullptr));
    EXPECT_EQ(0, IsFutOptNumber(nullptr));
}

TEST(AccountRules, PasswordRequestAndBatchEntry)
{
    char request[ACCPWD_REQUEST_SIZE + 1] = {0};
    MakePasswordRequest("123-45-678901", "4321", request);
    EXPECT_EQ(std::string("00001") + "12345678901         " + "4321    ", std::string(request, ACCPWD_REQUEST_SIZE));
    // Too long a number or password is cut to its field, never past the record.
    char guarded[ACCPWD_REQUEST_SIZE + 1];
    memset(guarded, 'Z', sizeof guarded);
    MakePasswordRequest("1234567890-1234567890-12345", "123456789012", guarded);
    EXPECT_EQ(std::string("00001") + "12345678901234567890" + "12345678", std::string(guarded, ACCPWD_REQUEST_SIZE));
    EXPECT_EQ('Z', guarded[ACCPWD_REQUEST_SIZE]);

    char entry[ACCCFM_ENTRY_SIZE + 1];
    memset(entry, 'Z', sizeof entry);
    MakeBatchEntry('9', "111-22-333", "pw", entry);
    EXPECT_EQ(std::string("1") + "11122333            " + "pw      ", std::string(entry, ACCCFM_ENTRY_SIZE));
    EXPECT_EQ('Z', entry[ACCCFM_ENTRY_SIZE]);
    MakeBatchEntry('1', "111-22-333", "", entry);
    EXPECT_EQ('2', entry[0]);
    EXPECT_EQ(std::string(8, ' '), std::string(entry + 21, 8));
}
