// The display records of the account tab window's own pages, made from the back end's
// automatic-trading signals and from user-log lines, and the texts they show.
#pragma once

#include <afx.h>

#include "TokenBoardRecords.h"
#include "TradePanelApi.h"

#pragma pack(push, 1)

// One row of the watch list: a coin's current signal (106 bytes).
struct WATCH_LIST_RECORD
{
    char szName[50];     // display name, blank-padded
    int nMonitoring;     // 1 while the coin is watched
    int nBuyPrice;       // expected buy price
    int nTargetPrice;    // expected target price
    char szDateTime[20]; // "yyyy/mm/dd/hh:mm:ss", blank-padded
    char szCode[24];     // coin code, blank-padded (not shown)
};

// One row of the signal history (106 bytes).
struct SIGNAL_LOG_RECORD
{
    char szDateTime[20];
    char szName[50];
    int nKind; // 0 target price update, 1 buy, 2 sell
    int nBuyPrice;
    int nTargetPrice;
    char szCode[24];
};

// One row of the real-time log (170 bytes, zero-padded texts).
struct USER_LOG_RECORD
{
    char szTime[10];     // hh:mm:ss
    char szCategory[10];
    char szContent[100];
    char szNote[50];     // the user
};

#pragma pack(pop)

static_assert(sizeof(WATCH_LIST_RECORD) == 106 && sizeof(SIGNAL_LOG_RECORD) == 106, "signal rows are 106 bytes");
static_assert(sizeof(USER_LOG_RECORD) == 170, "log rows are 170 bytes");

// The signal's 14-digit date-time as year/month/day/hour:minute:second; any other length is
// shown as it stands (trimmed).
TRADEPANEL_API CString SignalDateText(const _AUTO_SIGNAL& signal);
TRADEPANEL_API void MakeWatchListRecord(const _AUTO_SIGNAL& signal, WATCH_LIST_RECORD& out);
TRADEPANEL_API void MakeSignalLogRecord(const _AUTO_SIGNAL& signal, SIGNAL_LOG_RECORD& out);

// A user-log line ("hh:mm:ss:N ,category,content,user") as a row. The first two fields and the
// last keep their places and whatever lies between them is the content, commas included; a line
// of fewer than four fields ("[Log Started].") gives no row (FALSE).
TRADEPANEL_API BOOL ParseUserLogLine(const char* text, int length, USER_LOG_RECORD& out);
