// Fixed fields of the session store: every setter stays inside its field, whatever it is given,
// and never cuts a double-byte character in half.
#include <gtest/gtest.h>

#include <string>

#include "SharedData.h"

namespace {

struct FieldCase
{
    const char* name;
    void (*set)(const std::string&);
    std::string (*get)();
    std::string input;
    std::string stored;
};

template <void (*Setter)(const char*)>
void Set(const std::string& s)
{
    Setter(s.c_str());
}

template <const char* (*Getter)()>
std::string Get()
{
    return Getter();
}

template <CString (*Getter)()>
std::string GetString()
{
    return static_cast<const char*>(Getter());
}

void SetLoginTime(const std::string& s)
{
    std::string copy = s;
    CSharedData::SetLastLoginTime(&copy[0]);
}

void SetMessage(const std::string& s)
{
    std::string copy = s;
    CSharedData::SetServerMessage(&copy[0], static_cast<int>(copy.size()));
}

void SetExclusive(const std::string& s)
{
    CSharedData::SetOfficeInfo(s.c_str(), "", "");
}

void SetAgent(const std::string& s)
{
    CSharedData::SetOfficeInfo("", "", s.c_str());
}

const std::string kLong(2000, 'x');
// "가" is one double-byte character in code page 949.
const std::string kKorean16 = [] {
    std::string s;
    for (int i = 0; i < 16; ++i)
        s += "가";
    return s;
}();

const FieldCase kFields[] = {
    {"UserName", &Set<CSharedData::SetUserName>, &Get<CSharedData::GetUserName>, "홍길동", "홍길동"},
    {"UserNameLong", &Set<CSharedData::SetUserName>, &Get<CSharedData::GetUserName>, kLong, std::string(31, 'x')},
    // 32 bytes of Korean: the 16th character would need bytes 30 and 31, leaving no terminator.
    {"UserNameKorean", &Set<CSharedData::SetUserName>, &Get<CSharedData::GetUserName>, kKorean16, kKorean16.substr(0, 30)},
    {"Alias", &Set<CSharedData::SetAlias>, &Get<CSharedData::GetAlias>, kLong, std::string(31, 'x')},
    {"AliasKorean", &Set<CSharedData::SetAlias>, &Get<CSharedData::GetAlias>, "x" + kKorean16, "x" + kKorean16.substr(0, 30)},
    {"ResidentNo", &Set<CSharedData::SetResidentNo>, &Get<CSharedData::GetResidentNo>, kLong, std::string(11, 'x')},
    {"LastLoginTime", &SetLoginTime, &Get<CSharedData::GetLastLoginTime>, "20240102 10:11:12:345", "20240102 10:11:12"},
    {"ServerMessage", &SetMessage, &GetString<CSharedData::GetServerMessage>, kLong, std::string(1023, 'x')},
    {"ServerMessageShort", &SetMessage, &GetString<CSharedData::GetServerMessage>, "공지", "공지"},
    {"WendralAccount", &Set<CSharedData::SetWendralAccount>, &Get<CSharedData::GetWendralAccout>, kLong, std::string(12, 'x')},
    {"WendralAcntName", &Set<CSharedData::SetWendralAcntName>, &Get<CSharedData::GetWendralAcntName>, kLong, std::string(50, 'x')},
    {"TarrowID", &Set<CSharedData::SetTarrowID>, &Get<CSharedData::GetetTarrowID>, kLong, std::string(50, 'x')},
    {"BranchIP", &Set<CSharedData::SetBranchIP>, &GetString<CSharedData::GetBranchIP>, "192.168.100.200:8000", "192.168.100.200"},
    {"OfficeExclusive", &SetExclusive, &GetString<CSharedData::GetOfficeExclusive>, "12345", "123"},
    {"OfficeAgent", &SetAgent, &GetString<CSharedData::GetOfficeAgent>, "A1", "A1"},
    {"MarketDate", &Set<CSharedData::SetMarketDate>, &Get<CSharedData::GetMarketDate>, "20240102999999", "20240102"},
    {"MarketDateShort", &Set<CSharedData::SetMarketDate>, &Get<CSharedData::GetMarketDate>, "2024", "2024"},
    {"Today", &Set<CSharedData::SetDate>, &Get<CSharedData::GetDate>, "20231231", "20231231"},
};

class FixedField : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(FixedField, StaysInsideItsField)
{
    ASSERT_EQ(949u, ::GetACP());
    const FieldCase& c = GetParam();
    c.set(c.input);
    EXPECT_EQ(c.stored, c.get());
}

INSTANTIATE_TEST_SUITE_P(Setters, FixedField, ::testing::ValuesIn(kFields),
                         [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(FixedFieldEdges, EmptyBrokerIDIsIgnoredAndANegativeMessageLengthStoresNothing)
{
    CSharedData::SetTarrowID("broker7");
    CSharedData::SetTarrowID("");
    CSharedData::SetTarrowID(NULL);
    EXPECT_STREQ("broker7", CSharedData::GetetTarrowID());

    char text[] = "hello";
    CSharedData::SetServerMessage(text, 3);
    EXPECT_STREQ("hel", CSharedData::GetServerMessage());
    CSharedData::SetServerMessage(text, -1);
    EXPECT_STREQ("", CSharedData::GetServerMessage());
    CSharedData::SetServerMessage(NULL, 10);
    EXPECT_STREQ("", CSharedData::GetServerMessage());
}

TEST(FixedFieldEdges, SoundFileThatDoesNotFitKeepsTheStoredPath)
{
    CSharedData::SetSoundFile("C:\\alarm.wav");
    CSharedData::SetSoundFile(std::string(260, 'p').c_str());
    EXPECT_STREQ("C:\\alarm.wav", CSharedData::GetSetupInfo()->szSoundFile);
    const std::string longest(259, 'q');
    CSharedData::SetSoundFile(longest.c_str());
    EXPECT_EQ(longest, CSharedData::GetSetupInfo()->szSoundFile);
}

} // namespace
