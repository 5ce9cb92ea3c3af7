// The account tab pages' rows: signals and user-log lines turned into fixed display records.
#include "AccountTabRecords.h"

#include <afxcoll.h>

#include <cstring>

#include "NumberText.h"
#include "TextUtils.h"

namespace {

// The bytes of text that fit in limit without splitting a double-byte character; a lead byte
// that ends the text has lost its character and is left out.
int WholeCharacters(const CString& text, int limit)
{
    const char* s = text.GetString();
    const int length = text.GetLength();
    int n = 0;
    while (n < length) {
        const int step = ::IsDBCSLeadByte(static_cast<BYTE>(s[n])) ? 2 : 1;
        if (n + step > limit || n + step > length)
            break;
        n += step;
    }
    return n;
}

// Copies the text's whole characters into a field of width bytes; the rest keeps its filler.
void PutText(char* field, int width, const CString& text)
{
    memcpy(field, text.GetString(), WholeCharacters(text, width));
}

void PutPadded(char* field, int width, const CString& text)
{
    memset(field, ' ', width);
    PutText(field, width, text);
}

} // namespace

CString SignalDateText(const _AUTO_SIGNAL& signal)
{
    CString text = FieldToTrimText(signal.szDateTime, sizeof signal.szDateTime);
    if (text.GetLength() != 14)
        return text;
    text.Insert(12, ':');
    text.Insert(10, ':');
    text.Insert(8, '/');
    text.Insert(6, '/');
    text.Insert(4, '/');
    return text;
}

void MakeWatchListRecord(const _AUTO_SIGNAL& signal, WATCH_LIST_RECORD& out)
{
    memset(&out, 0, sizeof out);
    PutPadded(out.szName, sizeof out.szName, FieldToText(signal.szCoinName, sizeof signal.szCoinName));
    out.nMonitoring = signal.nOrdered;
    out.nBuyPrice = signal.nBuyPrice;
    out.nTargetPrice = signal.nTargetPrice;
    PutPadded(out.szDateTime, sizeof out.szDateTime, SignalDateText(signal));
    PutPadded(out.szCode, sizeof out.szCode, FieldToText(signal.szCoinCode, sizeof signal.szCoinCode));
}

void MakeSignalLogRecord(const _AUTO_SIGNAL& signal, SIGNAL_LOG_RECORD& out)
{
    memset(&out, 0, sizeof out);
    PutPadded(out.szDateTime, sizeof out.szDateTime, SignalDateText(signal));
    PutPadded(out.szName, sizeof out.szName, FieldToText(signal.szCoinName, sizeof signal.szCoinName));
    // A kind that is not a digit shows nothing.
    out.nKind = signal.cKind >= '0' && signal.cKind <= '9' ? signal.cKind - '0' : -1;
    out.nBuyPrice = signal.nBuyPrice;
    out.nTargetPrice = signal.nTargetPrice;
    PutPadded(out.szCode, sizeof out.szCode, FieldToText(signal.szCoinCode, sizeof signal.szCoinCode));
}

BOOL ParseUserLogLine(const char* text, int length, USER_LOG_RECORD& out)
{
    memset(&out, 0, sizeof out);
    if (text == NULL || length <= 0)
        return FALSE;
    // The line is counted, not terminated; a NUL inside ends it.
    const CString line(text, static_cast<int>(strnlen(text, static_cast<size_t>(length))));
    CStringArray fields;
    const int count = ExStrTok(fields, line, ',');
    if (count < 4)
        return FALSE;
    CString time = fields[0];
    time.Trim();
    CString content = fields[2];
    for (int i = 3; i < count - 1; ++i)
        content += "," + fields[i];
    CString category = fields[1];
    CString note = fields[count - 1];
    // The channel's stamp hh:mm:ss:N keeps its hour, minute and second.
    PutText(out.szTime, 8, time);
    PutText(out.szCategory, sizeof out.szCategory, category.Trim());
    PutText(out.szContent, sizeof out.szContent, content.Trim());
    PutText(out.szNote, sizeof out.szNote, note.Trim());
    return TRUE;
}
