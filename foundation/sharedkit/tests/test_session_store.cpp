// The rest of the session store: defaults made at load, the enciphered password, named values,
// accounts and the code masters.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

#include "SharedData.h"

namespace {

TEST(SessionDefaults, DatesAreTodayAndTheSetupRecordStartsZeroed)
{
    time_t now = time(NULL);
    char today[12];
    strftime(today, sizeof today, "%Y%m%d", localtime(&now));
    // Other tests may set the dates; the market date is set by none.
    EXPECT_STREQ(today, CSharedData::GetMarketDate());
    ASSERT_NE(nullptr, CSharedData::GetSetupInfo());
    EXPECT_EQ(0, CSharedData::GetSetupInfo()->nScreenLock);
}

TEST(SessionDefaults, DefaultFontsAreTwoFontsOfWeight400And700)
{
    CFont* normal = CSharedData::GetDefaultFont(1);
    CFont* bold = CSharedData::GetDefaultFont(0);
    ASSERT_NE(nullptr, normal);
    ASSERT_NE(nullptr, bold);
    ASSERT_NE(normal, bold);
    LOGFONT lf;
    ASSERT_NE(0, normal->GetLogFont(&lf));
    EXPECT_EQ(400, lf.lfWeight);
    EXPECT_EQ(12, lf.lfHeight);
    EXPECT_STREQ("굴림체", lf.lfFaceName);
    ASSERT_NE(0, bold->GetLogFont(&lf));
    EXPECT_EQ(700, lf.lfWeight);
}

TEST(SessionSetup, SettersFillTheirFieldsOfTheRecord)
{
    CSharedData::SetMaxScreen(7);
    CSharedData::SetCodeLink(1);
    CSharedData::SetLockTime(3);
    CSharedData::SetACCPopup(1);
    EXPECT_EQ(7, CSharedData::GetMaxScreen());
    EXPECT_EQ(1, CSharedData::GetCodeLink());
    const unsigned char* raw = reinterpret_cast<const unsigned char*>(CSharedData::GetSetupInfo());
    int value = 0;
    memcpy(&value, raw + 8, 4);
    EXPECT_EQ(7, value);
    memcpy(&value, raw + 12, 4);
    EXPECT_EQ(3, value);
    memcpy(&value, raw + 52, 4);
    EXPECT_EQ(1, value);
    memcpy(&value, raw + 56, 4);
    EXPECT_EQ(1, value);
}

TEST(SessionPassword, IsKeptEncipheredAndComesBackWhole)
{
    CSharedData::SetUserPwd("s3cret-비밀");
    EXPECT_EQ(strlen("s3cret-비밀"), CSharedData::m_nUserPwdSize);
    EXPECT_NE(0, memcmp(CSharedData::m_szUserPwd, "s3cret", 6));
    EXPECT_STREQ("s3cret-비밀", CSharedData::GetUserPwd());

    struct
    {
        std::string text;
        const char* why;
    } const ignored[] = {{"", "empty"}, {std::string(261, 'k'), "longer than the store"}};
    for (const auto& c : ignored) {
        CSharedData::SetUserPwd(c.text.c_str());
        EXPECT_STREQ("s3cret-비밀", CSharedData::GetUserPwd()) << c.why;
    }
    const std::string longest(260, 'k');
    CSharedData::SetUserPwd(longest.c_str());
    EXPECT_EQ(longest, static_cast<const char*>(CSharedData::GetUserPwd()));
}

TEST(SessionNamedValues, TakeReadsOnceAndReplaceKeepsTheLast)
{
    CSharedData::SetSharedData("key", "one");
    CSharedData::SetSharedData("key", "two");
    EXPECT_STREQ("two", CSharedData::GetSharedData("key", 0));
    EXPECT_STREQ("two", CSharedData::GetSharedData("key", 1));
    EXPECT_STREQ("", CSharedData::GetSharedData("key", 1));
    CSharedData::SetSharedData("gone", "x");
    CSharedData::DelSharedData("gone");
    EXPECT_STREQ("", CSharedData::GetSharedData("gone", 0));
}

TEST(SessionAccounts, EmptyAtStartThenRegisteredAccountsAreFoundByEitherKey)
{
    tagAccount* p = NULL;
    ASSERT_EQ(0, CSharedData::GetAccountCount());
    EXPECT_EQ(0, CSharedData::GetAccount(0, &p));

    CSharedData::RegistAccount("  123-11-456 ", " 홍길동 ", "x", '1', '2', "KEY5");
    ASSERT_EQ(1, CSharedData::GetAccountCount());
    ASSERT_EQ(1, CSharedData::GetAccount(0, &p));
    EXPECT_STREQ("123-11-456", p->strAccount);
    EXPECT_STREQ("홍길동", p->strName);
    EXPECT_EQ(p, CSharedData::GetAccount("KEY5"));
    EXPECT_EQ(p, CSharedData::GetAccount("123-11-456"));
    EXPECT_EQ(nullptr, CSharedData::GetAccount("123"));
    EXPECT_EQ(0, CSharedData::GetAccount(1, &p));
    EXPECT_EQ(0, CSharedData::GetAccount(-1, &p));

    char buf[8];
    memset(buf, '#', sizeof buf);
    ASSERT_EQ(1, CSharedData::GetAccPwd("KEY5", buf, 3));
    EXPECT_STREQ("97", buf); // at most size - 1 characters, terminated
    EXPECT_EQ('#', buf[3]);
    EXPECT_EQ(0, CSharedData::GetAccPwd("nobody", buf, 8));
    CSharedData::m_arAccount.RemoveAll();
}

TEST(SessionMasters, AnswerAsOnEmptyData)
{
    EXPECT_EQ(nullptr, CSharedData::GetStockCodeInfo("BTC"));
    EXPECT_EQ(-1, CSharedData::GetCodeMarketType("BTC"));
    EXPECT_STREQ("", CSharedData::GetNextFutCode(NULL));
    EXPECT_STREQ("", CSharedData::GetIndexName("KOSPI"));
    EXPECT_EQ(0, CSharedData::GetCodeType("101T3000"));
    EXPECT_EQ(nullptr, CSharedData::GetCodeInfo("abcd"));
}

tagFmtCode MakeRecord(char kind, const char* code, const char* standard, const char* strike)
{
    tagFmtCode r;
    memset(&r, ' ', sizeof r);
    r.szRecord[tagFmtCode::KIND] = kind;
    memcpy(r.szRecord + tagFmtCode::CODE, code, strlen(code));
    memcpy(r.szRecord + tagFmtCode::STANDARD_CODE, standard, strlen(standard));
    memcpy(r.szRecord + tagFmtCode::STRIKE, strike, strlen(strike));
    return r;
}

TEST(SessionMasters, CodeInfoComparesInUpperCaseWithoutTouchingTheCallersText)
{
    tagFmtCode future = MakeRecord('1', "1AB03000", "KR4101AB0030", "00000");
    tagFmtCode call = MakeRecord('2', "201T3250", "KR4201T32500", "32500");
    CSharedData::RegistCode(&future);
    CSharedData::RegistCode(&call);
    // A literal lives in read-only memory: upper-casing it in place would crash.
    EXPECT_EQ(CSharedData::GetFutureLst()[0], CSharedData::GetCodeInfo("1ab03"));
    EXPECT_EQ('1', CSharedData::GetCodeType("1AB03000"));
    EXPECT_EQ('2', CSharedData::GetCodeType("KR4201T32500"));
    char strike[8];
    ASSERT_EQ(1, CSharedData::GetStrike("201T3250", strike, 1));
    EXPECT_STREQ("32500", strike);
    EXPECT_STREQ("KR4101AB0030", CSharedData::GetNextFutCode(NULL));
    EXPECT_STREQ("", CSharedData::GetNextFutCode("KR4101AB0030"));

    tagFmtCode empty = MakeRecord('1', "", "", "");
    empty.szRecord[1] = 3; // a length below 9: an empty code
    empty.szRecord[2] = 0;
    CSharedData::RegistCode(&empty);
    tagFmtCode odd = MakeRecord('9', "X", "", "");
    CSharedData::RegistCode(&odd);
    CSharedData::RegistCode(NULL);
    EXPECT_EQ(1, CSharedData::GetFutureLst().GetSize());
    for (CFmtCodeArray* records : {&CSharedData::GetFutureLst(), &CSharedData::GetCallOptLst()}) {
        for (INT_PTR i = 0; i < records->GetSize(); ++i)
            delete records->GetAt(i);
        records->RemoveAll();
    }
}

struct ItemCodeCase
{
    char kind;
    WORD year;
    WORD month;
    const char* underlying;
    const char* expected;
};

class ItemCode : public ::testing::TestWithParam<ItemCodeCase>
{
};

TEST_P(ItemCode, IsEightCharactersAndTerminated)
{
    const ItemCodeCase& c = GetParam();
    char out[12];
    memset(out, '#', sizeof out);
    CSharedData::GetItemCode(c.kind, c.year, c.month, c.underlying, out);
    EXPECT_STREQ(c.expected, out);
    EXPECT_EQ('\0', out[9]);
    EXPECT_EQ('#', out[10]);
}

INSTANTIATE_TEST_SUITE_P(Codes, ItemCode,
                         ::testing::Values(ItemCodeCase{'2', 2005, 3, "KOSPI", "20193KOS"},
                                           ItemCodeCase{'1', 2010, 12, "101", "101EC101"},
                                           ItemCodeCase{'3', 1996, 1, "AB", "30101AB "},
                                           ItemCodeCase{'4', 2030, 11, NULL, "4014B   "}));

} // namespace
