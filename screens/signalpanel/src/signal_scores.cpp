// The 1301 reply's records and the rule by which every part of screen 3000 shows a score.
#include "SignalScores.h"

#include "NumberText.h"

namespace {

const int kCodeWidth = 24;
const int kScoreWidth = 5;

// Five characters of text to a whole number: its leading number, 0 when there is none. The
// field is copied first, so a number never runs on into the next field.
int ScoreField(const char* field)
{
    const LONGLONG value = FieldToInteger(field, kScoreWidth);
    // Five characters hold -9999 to 99999: no cut is lost.
    return static_cast<int>(value);
}

} // namespace

int ReadSignalScores(const void* body, int length, SIGNAL_SCORE_RECORD out[SIGNAL_MAX_RECORDS])
{
    if (body == NULL || length < SIGNAL_RECORD_SIZE)
        return 0;
    int count = length / SIGNAL_RECORD_SIZE;
    if (count > SIGNAL_MAX_RECORDS)
        count = SIGNAL_MAX_RECORDS;
    const char* bytes = static_cast<const char*>(body);
    for (int k = 0; k < count; ++k) {
        const char* record = bytes + k * SIGNAL_RECORD_SIZE;
        out[k].code = FieldToTrimText(record, kCodeWidth);
        out[k].trend = ScoreField(record + kCodeWidth);
        out[k].supply = ScoreField(record + kCodeWidth + kScoreWidth);
        out[k].chart = ScoreField(record + kCodeWidth + 2 * kScoreWidth);
    }
    return count;
}

int SignalScoreValue(int score)
{
    return score >= 0 && score <= SIGNAL_SCORE_MAX ? score : 0;
}

int SignalScoreTotal(int supply, int trend, int chart)
{
    return SignalScoreValue(supply) + SignalScoreValue(trend) + SignalScoreValue(chart);
}

CString SignalScoreText(int score)
{
    CString text;
    text.Format("%d점", SignalScoreValue(score));
    return text;
}

CString SignalTotalText(int supply, int trend, int chart)
{
    CString text;
    text.Format("%d/300점", SignalScoreTotal(supply, trend, chart));
    return text;
}
