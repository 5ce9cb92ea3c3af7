// The signal-score reply of the system's server (transaction 1301) and the one rule by which a
// score is shown: its records read out of the body, and the texts the ranking grid writes.
#pragma once

#include <afx.h>

#include "SignalPanelApi.h"

#define TR_SIGNAL_SCORE 1301
#define SIGNAL_RECORD_SIZE 39
// Four rank cards and eight ranking-grid rows.
#define SIGNAL_MAX_RECORDS 12
#define SIGNAL_SCORE_MAX 100

// One 39-byte reply record, read: [0,24) coin code, [24,29) trend, [29,34) supply and demand,
// [34,39) chart, each score five characters of text.
struct SIGNAL_SCORE_RECORD
{
    CString code;  // trimmed
    int trend;
    int supply;
    int chart;
};

// The records of a reply body: length / 39 of them, at most 12, a remainder ignored; 0 for a
// null body or one shorter than a record. Reads no byte beyond length.
SIGNALPANEL_API int ReadSignalScores(const void* body, int length, SIGNAL_SCORE_RECORD out[SIGNAL_MAX_RECORDS]);

// A score as every part of the screen shows it: a value outside 0 to 100 is no valid score and
// counts as 0, in the bar, in its "%d점" text and in the total.
SIGNALPANEL_API int SignalScoreValue(int score);
// The sum of the three scores, each taken by SignalScoreValue (0 to 300).
SIGNALPANEL_API int SignalScoreTotal(int supply, int trend, int chart);
// "%d점" of the shown score.
SIGNALPANEL_API CString SignalScoreText(int score);
// "%d/300점" of the shown total.
SIGNALPANEL_API CString SignalTotalText(int supply, int trend, int chart);
