// Dated log channels: exact bytes on disk, file naming, the midnight change through a clock the
// test sets, failures to open, and the user-log line relayed to the main window.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "LocalClock.h"
#include "Logger.h"
#include "RelayMsg.h"
#include "TextUtils.h"
#include "Utils.h"
#include "temp_dir.h"
#include "test_window.h"

#include <string>
#include <thread>
#include <vector>

CWinApp g_app("ToolBeltLogTest");

namespace {

SYSTEMTIME g_now;

void TestClock(SYSTEMTIME* now)
{
    *now = g_now;
}

void SetClock(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD ms)
{
    g_now = SYSTEMTIME{year, month, 0, day, hour, minute, second, ms};
}

class LogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetClock(2026, 12, 9, 9, 5, 7, 12);
        SetLocalClock(TestClock);
    }
    void TearDown() override { SetLocalClock(nullptr); }

    TempDir dir;
};

std::string Line(const char* stamp, const std::string& text)
{
    return std::string(stamp) + " " + text + "\r\n";
}

} // namespace

TEST_F(LogTest, EachLineIsStampedAndEndsInOneCrLf)
{
    CLogger log;
    log.SetFilePath(dir.Path().c_str(), "System", 1);
    EXPECT_EQ(std::string(log.GetFilePath()), dir.File("2026-12-09_System.log"));
    ASSERT_TRUE(log.Open());
    EXPECT_TRUE(log.WriteLog("첫 줄"));
    SetClock(2026, 12, 9, 23, 59, 59, 0);
    EXPECT_TRUE(log.WriteLog("last"));
    EXPECT_EQ(ReadFileBytes(dir.File("2026-12-09_System.log")),
              Line("09:05:07:12000000", "[Log Started].") + Line("09:05:07:12000000", "첫 줄") +
                  Line("23:59:59:0", "last"));
}

TEST_F(LogTest, SystemLogTakesANewNumberedFileAtEachStartUserLogContinues)
{
    for (int start = 0; start < 3; ++start) {
        CLogger log;
        log.SetFilePath(dir.Path().c_str(), "System", 1);
        ASSERT_TRUE(log.Open());
        log.WriteLog("run");
    }
    const std::string oneRun = Line("09:05:07:12000000", "[Log Started].") + Line("09:05:07:12000000", "run");
    for (const char* name : {"2026-12-09_System.log", "2026-12-09_0_System.log", "2026-12-09_1_System.log"})
        EXPECT_EQ(ReadFileBytes(dir.File(name)), oneRun) << name;
    EXPECT_FALSE(FileExists(dir.File("2026-12-09_2_System.log")));

    for (int start = 0; start < 2; ++start) {
        CLogger log;
        log.SetNumbered(FALSE);
        log.SetFilePath(dir.Path().c_str(), "UserLog", 1);
        ASSERT_TRUE(log.Open());
        log.WriteLog("run");
    }
    EXPECT_EQ(ReadFileBytes(dir.File("2026-12-09_UserLog.log")), oneRun + oneRun);
    EXPECT_FALSE(FileExists(dir.File("2026-12-09_0_UserLog.log")));
}

TEST_F(LogTest, FirstLineOfANewDayOpensThatDaysFileWithLogContinue)
{
    const struct
    {
        WORD fromYear, fromMonth, fromDay, toYear, toMonth, toDay;
        const char* newFile;
    } changes[] = {
        {2026, 12, 9, 2026, 12, 10, "2026-12-10_System.log"},
        {2026, 12, 31, 2027, 1, 1, "2027-01-01_System.log"},
        {2026, 12, 9, 2027, 1, 9, "2027-01-09_System.log"}, // same day of the month
    };
    for (const auto& c : changes) {
        TempDir folder;
        SetClock(c.fromYear, c.fromMonth, c.fromDay, 23, 59, 59, 999);
        CLogger log;
        log.SetFilePath(folder.Path().c_str(), "System", 1);
        ASSERT_TRUE(log.Open());
        const std::string oldFile = std::string(log.GetFilePath());
        log.WriteLog("a");
        SetClock(c.toYear, c.toMonth, c.toDay, 0, 0, 0, 1);
        EXPECT_TRUE(log.WriteLog("b"));
        EXPECT_EQ(std::string(log.GetFilePath()), folder.File(c.newFile));
        EXPECT_EQ(ReadFileBytes(oldFile), Line("23:59:59:999000000", "[Log Started].") + Line("23:59:59:999000000", "a"));
        EXPECT_EQ(ReadFileBytes(folder.File(c.newFile)),
                  Line("00:00:00:1000000", "[Log Continue].") + Line("00:00:00:1000000", "b"))
            << c.newFile;
    }
}

TEST_F(LogTest, ExistingFileOfTheNewDayIsContinuedOrSkippedByChannelKind)
{
    SetClock(2026, 12, 9, 23, 0, 0, 0);
    WriteFileBytes(dir.File("2026-12-10_UserLog.log"), "old\r\n");
    WriteFileBytes(dir.File("2026-12-10_System.log"), "old\r\n");
    CLogger user, system;
    user.SetNumbered(FALSE);
    user.SetFilePath(dir.Path().c_str(), "UserLog", 1);
    system.SetFilePath(dir.Path().c_str(), "System", 1);
    ASSERT_TRUE(user.Open());
    ASSERT_TRUE(system.Open());
    SetClock(2026, 12, 10, 0, 0, 1, 0);
    user.WriteLog("x");
    system.WriteLog("x");
    const std::string continued = Line("00:00:01:0", "[Log Continue].") + Line("00:00:01:0", "x");
    EXPECT_EQ(ReadFileBytes(dir.File("2026-12-10_UserLog.log")), "old\r\n" + continued);
    EXPECT_EQ(ReadFileBytes(dir.File("2026-12-10_System.log")), "old\r\n");
    EXPECT_EQ(ReadFileBytes(dir.File("2026-12-10_0_System.log")), continued);
}

TEST_F(LogTest, ChannelsThatAreNotOpenWriteNothing)
{
    CLogger unset;
    EXPECT_FALSE(unset.WriteLog("lost"));
    EXPECT_FALSE(unset.Open());

    CLogger pathOnly;
    pathOnly.SetFilePath(dir.Path().c_str(), "System", 1);
    EXPECT_FALSE(pathOnly.WriteLog("lost"));
    EXPECT_FALSE(FileExists(dir.File("2026-12-09_System.log")));

    ASSERT_TRUE(pathOnly.Open());
    EXPECT_FALSE(pathOnly.Open()); // a second open is refused
    EXPECT_EQ(ReadFileBytes(dir.File("2026-12-09_System.log")), Line("09:05:07:12000000", "[Log Started]."));
}

TEST_F(LogTest, DayFileThatCannotBeOpenedLeavesTheChannelClosed)
{
    CLogger log;
    log.SetNumbered(FALSE);
    log.SetFilePath(dir.Path().c_str(), "UserLog", 1);
    // A folder where the day file should be.
    const std::string blocked = dir.File("2026-12-09_UserLog.log");
    ASSERT_TRUE(CreateDirectoryA(blocked.c_str(), nullptr));
    EXPECT_FALSE(log.Open());
    EXPECT_FALSE(log.WriteLog("lost"));

    ASSERT_TRUE(RemoveDirectoryA(blocked.c_str()));
    ASSERT_TRUE(log.Open());
    EXPECT_TRUE(log.WriteLog("kept"));
    EXPECT_EQ(ReadFileBytes(blocked), Line("09:05:07:12000000", "[Log Started].") + Line("09:05:07:12000000", "kept"));
}

TEST_F(LogTest, NewDaysFileThatCannotBeOpenedIsRetriedWithTheNextLine)
{
    CLogger log;
    log.SetNumbered(FALSE);
    log.SetFilePath(dir.Path().c_str(), "UserLog", 1);
    ASSERT_TRUE(log.Open());
    const std::string tomorrow = dir.File("2026-12-10_UserLog.log");
    ASSERT_TRUE(CreateDirectoryA(tomorrow.c_str(), nullptr));
    SetClock(2026, 12, 10, 0, 0, 2, 0);
    EXPECT_FALSE(log.WriteLog("lost"));
    ASSERT_TRUE(RemoveDirectoryA(tomorrow.c_str()));
    EXPECT_TRUE(log.WriteLog("kept"));
    EXPECT_EQ(ReadFileBytes(tomorrow), Line("00:00:02:0", "[Log Continue].") + Line("00:00:02:0", "kept"));
}

TEST_F(LogTest, AppendZeroStartsTheDayFileAfreshAndMissingFoldersAreCreated)
{
    const std::string folder = dir.Path() + "a\\b\\c";
    CLogger log;
    log.SetNumbered(FALSE);
    log.SetFilePath(folder.c_str(), "UserLog", 0);
    EXPECT_EQ(std::string(log.GetFilePath()), folder + "\\2026-12-09_UserLog.log");
    WriteFileBytes(folder + "\\2026-12-09_UserLog.log", "old\r\n");
    ASSERT_TRUE(log.Open());
    EXPECT_EQ(ReadFileBytes(folder + "\\2026-12-09_UserLog.log"), Line("09:05:07:12000000", "[Log Started]."));
}

TEST_F(LogTest, LinesOfConcurrentWritersNeverInterleave)
{
    CLogger log;
    log.SetFilePath(dir.Path().c_str(), "System", 1);
    ASSERT_TRUE(log.Open());
    const std::string text(200, 'w');
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t)
        writers.emplace_back([&] {
            for (int i = 0; i < 100; ++i)
                log.WriteLog(text.c_str());
        });
    for (auto& w : writers)
        w.join();
    const std::string bytes = ReadFileBytes(std::string(log.GetFilePath()));
    const std::string line = Line("09:05:07:12000000", text);
    std::string expected = Line("09:05:07:12000000", "[Log Started].");
    for (int i = 0; i < 400; ++i)
        expected += line;
    EXPECT_EQ(bytes, expected);
}

namespace {

struct RelayRecord
{
    int count = 0;
    HWND sender = reinterpret_cast<HWND>(-1);
    UINT message = 0;
    WPARAM wParam = 0;
    WPARAM outerWParam = 99;
    std::string text;
} g_relay;

LRESULT CALLBACK MainWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_RELAY_TO_SCREENS) {
        const tagRelayMsg* relay = reinterpret_cast<const tagRelayMsg*>(lParam);
        ++g_relay.count;
        g_relay.outerWParam = wParam;
        g_relay.sender = relay->hSender;
        g_relay.message = relay->nMessage;
        g_relay.wParam = relay->wParam;
        g_relay.text = reinterpret_cast<const char*>(relay->lParam);
        return 1;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

} // namespace

TEST_F(LogTest, ProcessChannelsAndTheUserLogRelay)
{
    ASSERT_EQ(GetACP(), 949u);

    // Before the start-up set-path calls, writes go nowhere.
    CUtils::LogServer_WriteLog("early");
    CUtils::UserLog_WriteLog("early", "", "");
    EXPECT_TRUE(std::string(CUtils::GetUserLogFilePath()).empty());

    CUtils::LogServer_SetFilePath(dir.Path().c_str(), "System");
    CUtils::UserLog_SetFilePath(dir.Path().c_str(), "UserLog");
    CUtils::LogServer_WriteLog("System start");
    EXPECT_EQ(ReadFileBytes(dir.File("2026-12-09_System.log")),
              Line("09:05:07:12000000", "[Log Started].") + Line("09:05:07:12000000", "System start"));

    // No main window yet: the line is written and nothing is relayed.
    CUtils::UserLog_WriteLog("login", "", "");
    EXPECT_EQ(g_relay.count, 0);

    HWND hMain = CreateTestWindow("main", MainWindowProc);
    ASSERT_NE(hMain, nullptr);
    CWnd main;
    main.Attach(hMain);
    AfxGetApp()->m_pMainWnd = &main;

    SetClock(2026, 12, 9, 10, 11, 12, 345);
    CUtils::UserLog_WriteLog("자동매매", "BTC 시작", "user1");
    EXPECT_EQ(g_relay.count, 1);
    EXPECT_EQ(g_relay.outerWParam, 0u);
    EXPECT_EQ(g_relay.sender, nullptr);
    EXPECT_EQ(g_relay.message, static_cast<UINT>(WM_USERLOG_LINE));
    EXPECT_EQ(g_relay.text, "10:11:12:345000000 ,자동매매,BTC 시작,user1");
    EXPECT_EQ(g_relay.wParam, g_relay.text.size());

    AfxGetApp()->m_pMainWnd = nullptr;
    main.Detach();
    DestroyWindow(hMain);

    const std::string userLog = ReadFileBytes(dir.File("2026-12-09_UserLog.log"));
    EXPECT_EQ(userLog, Line("09:05:07:12000000", "[Log Started].") + Line("09:05:07:12000000", ",login,,") +
                           Line("10:11:12:345000000", ",자동매매,BTC 시작,user1"));
    EXPECT_EQ(std::string(CUtils::GetUserLogFilePath()), dir.File("2026-12-09_UserLog.log"));

    // A written user-log line splits at "," into four fields.
    CStringArray fields;
    EXPECT_EQ(ExStrTok(fields, "09:05:07:12000000 ,login,,", ','), 4);

    // The utilities' destructor closes the channels: later writes are ignored.
    {
        CUtils closer;
    }
    CUtils::LogServer_WriteLog("after close");
    CUtils::UserLog_WriteLog("after close", "", "");
    EXPECT_EQ(ReadFileBytes(dir.File("2026-12-09_UserLog.log")), userLog);
}
