// The signer against fixed vectors (key, nonce, parameters -> body, message, signature), its
// URL encoding, buffer bounds and nonces.
#include <gtest/gtest.h>

#include <string.h>
#include <set>
#include <string>
#include <thread>
#include <vector>
#include "ZembraAPIAgent.h"
#include "ZembraSigner.h"

namespace {

const char kBase[] = "https://localhost:4443";
const std::string kLongSecret(200, 'k');

struct SignCase
{
    const char* secret;
    const char* endpoint;
    const char* params;
    ULONGLONG nonce;
    const char* body;
    const char* sign;
};

// Signatures from an independent HMAC-SHA-512 implementation.
const SignCase kSignCases[] = {
    {"molvane-demo-secret", "/info/balance", "currency=BTC", 1700000000123ULL,
     "endpoint=%2Finfo%2Fbalance&currency=BTC",
     "NmM3NjlkY2U2Mzg5YTkyZjc0MmZjNmQ5ZjAwMGZjODMwODY4NDMxNTBiZGZjMTFkZTI0NzEwZDdlOGVlNTcyZDQ3MzAwMzlkNzNkMTQ1OGM1"
     "ZWMyNTc2YmQzY2VhY2RmMGY2MTgwOWNlYjFkZWJmMzhlNWQ5OGI0ZmI0NjNkZDQ="},
    // Empty parameters: the "&" is still written.
    {"molvane-demo-secret", "/info/balance", "", 1700000000124ULL, "endpoint=%2Finfo%2Fbalance&",
     "YjRhNTAyMjQ5YzkyMjJlNTJmOWQzMTNjMjBlNGYzODU2MDk0YTY4MzJiN2RiNmQzNTQzNTM1YWE1NDk3NjA3MTY4NjU3YjJmNmE5Y2ZlNjY1"
     "ZWI3OTVhNjRiZGI2OWU5NzJkZGZiYTM0YTllMWMyYzBjMzZmN2RlZDUzNGI3NGI="},
    // A decimal point stays.
    {"molvane-demo-secret", "/trade/market_buy", "units=0.001&currency=BTC", 1712345678901ULL,
     "endpoint=%2Ftrade%2Fmarket_buy&units=0.001&currency=BTC",
     "YWI3NThlYWM3ZWIxYzdjYjU3MzM2ZTQ2Y2UzYzUyMDZjMmY4ZWEzZDIyYTUwMmUxN2VmMDU3MjUwMjBmZDdhMThhZmY0ZWU3NGZiM2I4"
     "ZmNiZWM3ZGI2ZGU4Y2Q1YzA2Y2M3MWU5NGFlNTZkMTdmYjA5MzJjMzhkMDFhZTlkM2E="},
    // Plus and blank are escaped; a one-digit nonce.
    {"molvane-demo-secret", "/trade/market_sell", "units=1+2 3&currency=ETH", 1ULL,
     "endpoint=%2Ftrade%2Fmarket_sell&units=1%2B2%203&currency=ETH",
     "YzFkZWIzYWVmMzk5ZGE4NmE4N2U1YTRlYWFlMjBiMWJkODEwYzcyYjIzNjMxYjMzYWNmMmQyOTA1ODNhNWZkNDg1ODk4OWNhNzYwNGJj"
     "YjNlN2Q2YTViNDdmODY1YzQ3MTViMzQ5YmE4MDk2MzJiZTFiZDkzM2QzZWE5ZjcxODQ="},
    // A Korean character in the ANSI text: one percent group per byte; the longest nonce that fits.
    {"molvane-demo-secret", "/info/user_transactions", "offset=0&count=20&searchGb=0&currency=한",
     9999999999999999999ULL, "endpoint=%2Finfo%2Fuser_transactions&offset=0&count=20&searchGb=0&currency=%C7%D1",
     "MTI0ZmMzN2Y0ODhiNjcwNzE1MGVlM2E2ZmEwOWU2ZWU5NjQ2YzExM2E0ODEwZmI5OThjNmQ1YzdiNWUwMzc4ODUyOTBmOTMyYjU3OGQ3"
     "YTg0ZmQ1MTg2YWNjMTllMmEzZWRlN2ZlYTcwOGJiNjA4NGJlOTJiOTY4NjNjOTNkNjg="},
    // An empty secret still signs.
    {"", "/info/balance", "currency=ALL", 1700000000000ULL, "endpoint=%2Finfo%2Fbalance&currency=ALL",
     "NDkxMmNjYjc4MmUyYjgzNTM0OWQ2MTg3Y2M2NWI2MmU0YjdmNmRlNzdlZDAyM2JkNzY5YzQyZmE2NGIwMWE5YjI5M2UyYzkwMDE1MDE0"
     "ZWNmZmFiM2RlNWQ4ZGI0NjdkNDU5MWQxOTNkMzU5YTJiNjJhYzlhNzBmN2MwYTY4Mjk="},
    // A secret longer than the hash's block is hashed first by HMAC.
    {kLongSecret.c_str(),
     "/info/balance", "currency=XRP", 999ULL, "endpoint=%2Finfo%2Fbalance&currency=XRP",
     "YTNjNDc0Y2I5OWQxYjkxNzYxYmRkNWY3N2ZiZDViMGM1MTlhZTgxZTJlNDZlYTE1MDA0MGFmMzc4MDY5MjJhMGIzNjYwYjMzNjY0Nzg4"
     "OTRjOTcyMGM0NjBhNmM4MmEyZmFlZjI3OGJkYjk5ZWI5NjNiNGEwMmRhYmExMTIwZDI="},
};

class SignVectors : public ::testing::TestWithParam<SignCase>
{
};

TEST_P(SignVectors, GiveTheExactBodyMessageSignatureAndHeaders)
{
    ASSERT_EQ(949u, GetACP());
    const SignCase& c = GetParam();
    ZEMBRA_SIGNED_REQUEST req;
    ASSERT_TRUE(CZembraSigner::Sign(kBase, c.endpoint, c.params, "molvane-demo-key", c.secret, c.nonce, req));

    std::string nonce = std::to_string(c.nonce);
    EXPECT_EQ(std::string(kBase) + c.endpoint, req.szURL);
    EXPECT_EQ(nonce, req.szNonce);
    EXPECT_EQ(std::string("endpoint=") + c.endpoint + "&" + c.params, req.szForm);
    EXPECT_EQ(c.body, std::string(req.szBody));
    EXPECT_EQ(std::string(c.endpoint) + '\x01' + c.body + '\x01' + nonce, std::string(req.szMessage));

    EXPECT_EQ(128u, strlen(req.szMacHex));
    EXPECT_EQ(strspn(req.szMacHex, "0123456789abcdef"), 128u);
    ASSERT_EQ(172u, strlen(req.szSign));
    EXPECT_EQ('=', req.szSign[171]);
    EXPECT_NE('=', req.szSign[170]);
    EXPECT_STREQ(c.sign, req.szSign);

    EXPECT_STREQ("Api-Key: molvane-demo-key", req.szHeaderKey);
    EXPECT_EQ(std::string("Api-Sign:") + c.sign, req.szHeaderSign);
    EXPECT_EQ("Api-Nonce:" + nonce, req.szHeaderNonce);
    EXPECT_STREQ("api-client-type:1", req.szHeaderClientType);
}

INSTANTIATE_TEST_SUITE_P(Signer, SignVectors, ::testing::ValuesIn(kSignCases));

TEST(Signer, UrlEncodeKeepsOnlyTheUnreservedBytes)
{
    struct
    {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},
        {"AZaz09", "AZaz09"},
        {"@.=\\-_:&", "@.=\\-_:&"},
        {"/ +%~*?#", "%2F%20%2B%25%7E%2A%3F%23"},
        {"\x01\x7f\x80\xff", "%01%7F%80%FF"},
        {"잠시", "%C0%E1%BD%C3"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.out, CZembraSigner::UrlEncode(c.in)) << c.in;
}

// Each of these would overrun one of the fixed buffers; the request is refused instead.
TEST(Signer, RefusesWhatWouldNotFitItsBuffers)
{
    std::string longEndpoint = "/" + std::string(120, 'e');      // URL over 128
    std::string longParams = "a=" + std::string(1020, 'x');        // form text over 1024
    std::string escapedParams = "a=" + std::string(400, '/');      // body over 1024 once encoded
    std::string messageParams = "a=" + std::string(990, 'x');      // body fits, message does not
    std::string longKey(130, 'K');                                 // "Api-Key" line over 128
    struct
    {
        const char* what;
        const char* endpoint;
        const char* params;
        const char* key;
        ULONGLONG nonce;
    } cases[] = {
        {"url", longEndpoint.c_str(), "currency=BTC", "key", 1},
        {"form", "/info/balance", longParams.c_str(), "key", 1},
        {"body", "/info/balance", escapedParams.c_str(), "key", 1},
        {"message", "/info/balance", messageParams.c_str(), "key", 1},
        {"api key header", "/info/balance", "currency=BTC", longKey.c_str(), 1},
        {"nonce of 20 digits", "/info/balance", "currency=BTC", "key", 18446744073709551615ULL},
    };
    for (const auto& c : cases)
    {
        struct
        {
            char before[64];
            ZEMBRA_SIGNED_REQUEST req;
            char after[64];
        } guarded;
        memset(&guarded, 0xAB, sizeof(guarded));
        EXPECT_FALSE(CZembraSigner::Sign(kBase, c.endpoint, c.params, c.key, "secret", c.nonce, guarded.req))
            << c.what;
        for (int i = 0; i < 64; ++i)
        {
            ASSERT_EQ(static_cast<char>(0xAB), guarded.before[i]) << c.what;
            ASSERT_EQ(static_cast<char>(0xAB), guarded.after[i]) << c.what;
        }
    }
    // Just inside the bounds still signs.
    ZEMBRA_SIGNED_REQUEST req;
    std::string fitting = "a=" + std::string(960, 'x');
    EXPECT_TRUE(CZembraSigner::Sign(kBase, "/info/balance", fitting.c_str(), "key", "secret", 1, req));
    EXPECT_FALSE(CZembraSigner::Sign(NULL, "/info/balance", "", "key", "secret", 1, req));
}

ULONGLONG NowMillis()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULONGLONG ticks = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return (ticks - 116444736000000000ULL) / 10000;
}

TEST(Signer, NoncesAreTheClockInMillisecondsAndNeverRepeat)
{
    ULONGLONG before = NowMillis();
    std::vector<ULONGLONG> nonces;
    for (int i = 0; i < 2000; ++i) // far more than one per millisecond
        nonces.push_back(CZembraSigner::NextNonce());
    for (size_t i = 1; i < nonces.size(); ++i)
        ASSERT_GT(nonces[i], nonces[i - 1]);
    EXPECT_GE(nonces.front(), before);
    EXPECT_LT(nonces.front(), before + 5000);
}

TEST(Signer, NoncesFromSeveralThreadsAreAllDistinct)
{
    std::vector<ULONGLONG> got[4];
    std::vector<std::thread> threads;
    for (auto& out : got)
        threads.emplace_back([&out] {
            for (int i = 0; i < 500; ++i)
                out.push_back(CZembraSigner::NextNonce());
        });
    for (auto& t : threads)
        t.join();
    std::set<ULONGLONG> all;
    for (auto& out : got)
        all.insert(out.begin(), out.end());
    EXPECT_EQ(2000u, all.size());
}

TEST(Signer, Utf8ToAnsiConvertsToCodePage949)
{
    ASSERT_EQ(949u, GetACP());
    EXPECT_STREQ("", CZembraAPIAgent::UTF8toANSI(NULL));
    EXPECT_STREQ("", CZembraAPIAgent::UTF8toANSI(""));
    EXPECT_STREQ("status 5600", CZembraAPIAgent::UTF8toANSI("status 5600"));
    // "잠시 후" in UTF-8 becomes its CP949 bytes (the literal compiles to CP949).
    EXPECT_STREQ("잠시 후", CZembraAPIAgent::UTF8toANSI("\xEC\x9E\xA0\xEC\x8B\x9C \xED\x9B\x84"));
}

} // namespace
