// The automatic-trading settings: the two automatic types exclude each other, the coin list is
// matched trimmed and upper-cased, coin codes of the coin map are taken as they are.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "AutoAgent.h"

namespace {

// One step on the agent, its expected result, and the state it must leave.
struct Step
{
    const char* what;
    std::function<int(CAutoAgent&)> run;
    int result;
    int type;
    int money;
};

struct Scenario
{
    const char* name;
    std::vector<Step> steps;
};

std::ostream& operator<<(std::ostream& os, const Scenario& s)
{
    return os << s.name;
}

class SettingsScenario : public ::testing::TestWithParam<Scenario>
{
};

TEST_P(SettingsScenario, EachStepGivesItsResultAndState)
{
    CAutoAgent agent;
    for (const Step& step : GetParam().steps)
    {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(step.result, step.run(agent));
        EXPECT_EQ(step.type, agent.GetAutoType());
        EXPECT_EQ(step.money, agent.GetAmountTypeMoney());
    }
}

const auto kSetAmount = [](int amount) {
    return [amount](CAutoAgent& a) { return a.SetAutoAmountType(amount); };
};
const auto kSetCoin = [](const char* code, int amount) {
    return [code, amount](CAutoAgent& a) { return a.SetAutoCoinType(code, amount); };
};
const auto kStopCoin = [](const char* code) {
    return [code](CAutoAgent& a) { return a.StopAutoCoinType(code); };
};
int ResetAmount(CAutoAgent& a) { return a.ResetAutoAmountType(); }
// StopAutoAmountType has no result: -1 stands for it.
int StopAmount(CAutoAgent& a)
{
    a.StopAutoAmountType();
    return -1;
}
int ResetCoins(CAutoAgent& a) { return a.ResetAllCoinType(); }

INSTANTIATE_TEST_SUITE_P(
    Transitions, SettingsScenario,
    ::testing::Values(
        Scenario{"amount on, stop keeps the amount, reset clears it",
                 {{"set 300000", kSetAmount(300000), 1, 1, 300000},
                  {"stop", StopAmount, -1, 0, 300000},
                  {"set 500000", kSetAmount(500000), 1, 1, 500000},
                  {"reset", ResetAmount, 1, 0, 0}}},
        Scenario{"coin-based refuses the amount setters and ignores stop",
                 {{"coin BTC", kSetCoin("BTC", 100000), 1, 2, 0},
                  {"set 500000", kSetAmount(500000), 0, 2, 0},
                  {"reset amount", ResetAmount, 0, 2, 0},
                  {"stop amount", StopAmount, -1, 2, 0}}},
        Scenario{"amount-based refuses every coin setter",
                 {{"set 100", kSetAmount(100), 1, 1, 100},
                  {"coin BTC", kSetCoin("BTC", 1), 0, 1, 100},
                  {"stop coin", kStopCoin("BTC"), 0, 1, 100},
                  {"reset coins", ResetCoins, 0, 1, 100}}},
        Scenario{"coin-based ends with its last coin",
                 {{"coin BTC", kSetCoin("BTC", 1), 1, 2, 0},
                  {"coin ETH", kSetCoin("ETH", 2), 1, 2, 0},
                  {"stop a coin not set", kStopCoin("XRP"), 1, 2, 0},
                  {"stop BTC", kStopCoin("BTC"), 1, 2, 0},
                  {"stop ETH", kStopCoin("ETH"), 1, 0, 0},
                  {"then amount", kSetAmount(7), 1, 1, 7}}},
        Scenario{"reset of all coins goes back to off",
                 {{"coin BTC", kSetCoin("BTC", 1), 1, 2, 0},
                  {"reset coins", ResetCoins, 1, 0, 0},
                  {"reset again", ResetCoins, 1, 0, 0}}}));

TEST(CoinAmounts, AreKeptPerCodeAsGiven)
{
    CAutoAgent agent;
    ASSERT_EQ(1, agent.SetAutoCoinType("BTC", 100));
    ASSERT_EQ(1, agent.SetAutoCoinType("BTC", 250)); // replaces
    EXPECT_EQ(250, agent.GetAutoCoinAmount("BTC"));
    EXPECT_EQ(1, agent.IsCoinRuning("BTC"));
    // Codes of the coin map are not trimmed nor upper-cased.
    EXPECT_EQ(0, agent.IsCoinRuning("btc"));
    EXPECT_EQ(0, agent.IsCoinRuning(" BTC"));
    EXPECT_EQ(0, agent.GetAutoCoinAmount("ETH"));
}

struct ListCase
{
    const char* code;
    int listed;
};

class RecommendedList : public ::testing::TestWithParam<ListCase>
{
};

TEST_P(RecommendedList, MatchesTrimmedUpperCasedCodesExactly)
{
    CAutoAgent agent;
    CStringArray codes;
    codes.Add("BTC");
    codes.Add("ETH");
    codes.Add("XRP");
    agent.SetRcmdCoinList(codes);
    EXPECT_EQ(GetParam().listed, agent.IsCoinInRcmdList(GetParam().code)) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Codes, RecommendedList,
                         ::testing::Values(ListCase{"BTC", 1}, ListCase{" btc ", 1}, ListCase{"xrp", 1},
                                           ListCase{"\tETH\t", 1}, ListCase{"BT", 0}, ListCase{"BTCX", 0},
                                           ListCase{"", 0}, ListCase{"B TC", 0}));

TEST(RecommendedListCopy, IsACopyInTheServersOrder)
{
    CAutoAgent agent;
    CStringArray codes;
    codes.Add("XRP");
    codes.Add("BTC");
    agent.SetRcmdCoinList(codes);
    codes.Add("ETH"); // the agent kept its own copy
    EXPECT_EQ(2, agent.GetRcmdCoinCount());

    CStringArray out;
    out.Add("stale");
    agent.GetRcmdCoinList(out);
    ASSERT_EQ(2, out.GetSize());
    EXPECT_STREQ("XRP", out[0]);
    EXPECT_STREQ("BTC", out[1]);

    agent.SetRcmdCoinList(CStringArray());
    EXPECT_EQ(0, agent.GetRcmdCoinCount());
    EXPECT_EQ(0, agent.IsCoinInRcmdList("XRP"));
}

} // namespace
