#include "LoginReplies.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace login_replies {

namespace {

const int kMaxCredential = 8;
const int kDateAt = 235;
const int kTimeAt = 223;

struct FieldMove
{
    int from;
    int width;
    int to;
};

// Copies a text field up to its width or its first NUL into a zeroed record.
void CopyText(BYTE* record, const BYTE* source, const FieldMove& move)
{
    const int n = static_cast<int>(strnlen(reinterpret_cast<const char*>(source + move.from), move.width));
    memcpy(record + move.to, source + move.from, n);
}

int AppendRecords(const BYTE* frame, int len, int count, int first, int size, const FieldMove* moves, int nMoves,
                  CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&>& accounts)
{
    if (frame == NULL || count <= 0 || len < first)
        return 0;
    const int present = (len - first) / size;
    if (count > present)
        count = present;
    for (int i = 0; i < count; ++i) {
        _ACCOUNT_INFO account;
        memset(&account, 0, sizeof account);
        const BYTE* source = frame + first + i * size;
        for (int m = 0; m < nMoves; ++m)
            CopyText(reinterpret_cast<BYTE*>(&account), source, moves[m]);
        accounts.Add(account);
    }
    return count;
}

int32_t Int32At(const BYTE* p)
{
    return static_cast<int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24));
}

int Digits(const char* text, int from, int count)
{
    char part[8] = {0};
    memcpy(part, text + from, count);
    return atoi(part);
}

} // namespace

bool IsCredential(const char* text)
{
    if (text == NULL)
        return false;
    const size_t n = strnlen(text, kMaxCredential + 1);
    return n >= 1 && n <= static_cast<size_t>(kMaxCredential);
}

int NumberAt(const BYTE* frame, int len, int offset, int width)
{
    if (frame == NULL || offset < 0 || width <= 0 || offset >= len)
        return 0;
    char text[32] = {0};
    const int n = std::min(std::min(width, len - offset), static_cast<int>(sizeof text) - 1);
    memcpy(text, frame + offset, n);
    return atoi(text);
}

int AppendAccounts5301(const BYTE* frame, int len, CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&>& accounts)
{
    static const FieldMove moves[] = {{0, 12, 0}, {12, 8, 68}, {20, 20, 21}};
    return AppendRecords(frame, len, NumberAt(frame, len, 18, 8), 327, 40, moves, 3, accounts);
}

int AppendAccounts1905(const BYTE* frame, int len, CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&>& accounts)
{
    static const FieldMove moves[] = {{0, 12, 0}, {12, 20, 21}};
    return AppendRecords(frame, len, NumberAt(frame, len, 18, kNumberAt - 18), 329, 65, moves, 2, accounts);
}

BOOL ServerClock(const BYTE* body, int bodyLen, const SYSTEMTIME& now, SYSTEMTIME& clock)
{
    if (body == NULL || bodyLen < kDateAt + 4)
        return FALSE;
    const int32_t date = Int32At(body + kDateAt);
    const int32_t time = Int32At(body + kTimeAt);
    if (date < 0 || date > 99991231 || time < 0 || time > 235959999)
        return FALSE;
    char dateText[16], timeText[16];
    snprintf(dateText, sizeof dateText, "%08d", static_cast<int>(date));
    snprintf(timeText, sizeof timeText, "%09d", static_cast<int>(time));
    clock = now;
    clock.wYear = static_cast<WORD>(Digits(dateText, 0, 4));
    clock.wMonth = static_cast<WORD>(Digits(dateText, 4, 2));
    clock.wDay = static_cast<WORD>(Digits(dateText, 6, 2));
    clock.wHour = static_cast<WORD>(Digits(timeText, 0, 2));
    clock.wMinute = static_cast<WORD>(Digits(timeText, 2, 2));
    clock.wSecond = static_cast<WORD>(Digits(timeText, 4, 2));
    clock.wMilliseconds = static_cast<WORD>(Digits(timeText, 6, 3));
    return clock.wYear >= 1601 && clock.wMonth >= 1 && clock.wMonth <= 12 && clock.wDay >= 1 && clock.wDay <= 31 &&
           clock.wHour < 24 && clock.wMinute < 60 && clock.wSecond < 60;
}

} // namespace login_replies
