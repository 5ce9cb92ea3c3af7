// Driver of the screens' reader of outside text: a user-log line as screen 1000's real-time log
// tab turns it into a row (the day's log file is read line by line, and new lines arrive as
// counted texts that need not end in a NUL).
#include <afxwin.h>
#include <gtest/gtest.h>

#include <string.h>

#include "AccountTabRecords.h"
#include "FuzzHarness.h"

namespace {

std::vector<std::string> LogLines()
{
    return {"10:11:12:345000000 ,자동매매,BTC 시작,user1", "09:05:07:12000000 ,login,,", "[Log Started].",
            "[Log Continue].", "10:00:00:0 ,자동매매,금액 1,000원, 설정,user1",
            "23:59:59:999000000 ,자동매매설정분류,아주 긴 내용 아주 긴 내용 아주 긴 내용,사용자"};
}

const std::vector<std::string> kLogTokens = {",", ",,", " ", ":", "[Log Started].", "\xB0\xA1", "\xB0", "\x81,",
                                             std::string(1, '\0'), "\r\n", "9999999999999999999999",
                                             std::string(120, 'x')};

// A field holds whole characters followed only by NULs.
void ExpectField(const char* field, size_t width, const char* what)
{
    const size_t used = strnlen(field, width);
    for (size_t i = used; i < width; ++i)
        ASSERT_EQ(0, field[i]) << what << ": bytes after the text";
    for (size_t i = 0; i < used; ++i) {
        if (::IsDBCSLeadByte(static_cast<BYTE>(field[i]))) {
            ASSERT_LT(++i, used) << what << ": a character cut in half";
        }
    }
}

void LogLine(const std::string& in, fuzz::Random&)
{
    USER_LOG_RECORD record;
    memset(&record, 0x55, sizeof record);
    // A counted text: the byte after it is not the parser's to read.
    std::string counted = in + "\x55";
    const BOOL row = ParseUserLogLine(counted.data(), static_cast<int>(in.size()), record);
    if (!row) {
        const USER_LOG_RECORD zero = {};
        EXPECT_EQ(0, memcmp(&zero, &record, sizeof record)) << "no row leaves a zeroed record";
        return;
    }
    ExpectField(record.szTime, sizeof record.szTime, "time");
    EXPECT_LE(strnlen(record.szTime, sizeof record.szTime), 8u) << "hour:minute:second at most";
    ExpectField(record.szCategory, sizeof record.szCategory, "category");
    ExpectField(record.szContent, sizeof record.szContent, "content");
    ExpectField(record.szNote, sizeof record.szNote, "note");
}

fuzz::Registration logLine({"tradepanel_userlog_line", LogLines, kLogTokens, nullptr, nullptr, LogLine, 4096, 3000});

} // namespace
