// ASSERT and its kin are checked in the tests' build, and a failed one fails the running test
// at the line of the assertion.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <afxwin.h>

namespace {

int g_evaluations = 0;

bool Counted(bool value)
{
    ++g_evaluations;
    return value;
}

void AssertFalse() { ASSERT(Counted(false)); }
CWnd* volatile g_pNothing = NULL; // a null the compiler cannot see through
void AssertValidNull() { ASSERT_VALID(g_pNothing); }
void AssertKindOfWrongClass()
{
    CWnd wnd;
    ASSERT_KINDOF(CDialog, &wnd);
}
void AssertNullPointer() { ASSERT_POINTER((int*)NULL, int); }
void VerifyFalse() { VERIFY(Counted(false)); }

TEST(Assertions, AFailedCheckFailsTheTest)
{
    g_evaluations = 0;
    EXPECT_NONFATAL_FAILURE(AssertFalse(), "ASSERT failed");
    EXPECT_EQ(g_evaluations, 1);
    EXPECT_NONFATAL_FAILURE(AssertValidNull(), "ASSERT failed");
    EXPECT_NONFATAL_FAILURE(AssertKindOfWrongClass(), "ASSERT failed");
    EXPECT_NONFATAL_FAILURE(AssertNullPointer(), "ASSERT failed");
    EXPECT_NONFATAL_FAILURE(VerifyFalse(), "ASSERT failed");
}

TEST(Assertions, AHoldingCheckEvaluatesOnceAndPasses)
{
    g_evaluations = 0;
    ASSERT(Counted(true));
    VERIFY(Counted(true));
    EXPECT_EQ(g_evaluations, 2);
    CDialog dlg;
    ASSERT_KINDOF(CWnd, &dlg);
    ASSERT_VALID(&dlg);
}

// The failure names the file and line of the check.
TEST(Assertions, TheReportNamesTheCheckedLine)
{
    ::testing::TestPartResultArray results;
    int line = 0;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        ASSERT(g_evaluations < 0); line = __LINE__;
    }
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results.GetTestPartResult(0).line_number(), line);
    EXPECT_NE(std::string(results.GetTestPartResult(0).file_name()).find("test_assert.cpp"), std::string::npos);
}

} // namespace
