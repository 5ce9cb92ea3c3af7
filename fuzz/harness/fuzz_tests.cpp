// Every driver as a test: the short pass (a few thousand inputs each) that CI runs. The same
// program runs as long as one likes through scripts/fuzz.sh (MOLVANE_FUZZ_COUNT and friends).
#include <gtest/gtest.h>

#include "FuzzHarness.h"

namespace {

std::vector<std::string> DriverNames()
{
    std::vector<std::string> names;
    for (const fuzz::Driver& d : fuzz::Drivers())
        names.push_back(d.name);
    return names;
}

class FuzzPass : public ::testing::TestWithParam<std::string>
{
};

TEST_P(FuzzPass, NoInputCrashesHangsOrBreaksARule)
{
    const fuzz::Driver* driver = fuzz::FindDriver(GetParam());
    ASSERT_NE(driver, nullptr);
    EXPECT_EQ(-1, fuzz::Run(*driver, fuzz::OptionsFromEnvironment(driver->shortPass)));
}

INSTANTIATE_TEST_SUITE_P(Drivers, FuzzPass, ::testing::ValuesIn(DriverNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
