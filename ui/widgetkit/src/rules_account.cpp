// The account selector's number forms and kinds, and the fixed records of the password checks.
#include "WidgetRules.h"

#include <cstdlib>
#include <cstring>

namespace {

// Copies text into a blank-filled field of n bytes, cut to it.
void PutField(char* field, int n, const char* text)
{
    memset(field, ' ', n);
    if (text == NULL)
        return;
    const size_t len = strnlen(text, n);
    memcpy(field, text, len);
}

// The second '-'-separated field, or FALSE when there is none.
BOOL SecondField(const char* accountNo, CString& out)
{
    if (accountNo == NULL)
        return FALSE;
    const char* first = strchr(accountNo, '-');
    if (first == NULL)
        return FALSE;
    const char* start = first + 1;
    const char* end = strchr(start, '-');
    out = end != NULL ? CString(start, static_cast<int>(end - start)) : CString(start);
    return TRUE;
}

} // namespace

CString AccountWithoutDashes(const char* accountNo)
{
    CString out;
    if (accountNo == NULL)
        return out;
    for (const char* p = accountNo; *p; ++p)
        if (*p != '-')
            out += *p;
    return out;
}

CString AccountDisplayNumber(const char* accountNo)
{
    CString digits = AccountWithoutDashes(accountNo);
    if (digits.GetLength() > 11)
        digits = digits.Left(11);
    // An insert past the end appends, as the framework's string does.
    const auto insertDash = [](CString& text, int at) {
        if (at > text.GetLength())
            at = text.GetLength();
        text = text.Left(at) + "-" + text.Mid(at);
    };
    insertDash(digits, 5);
    insertDash(digits, 3);
    return digits;
}

int AccountTypeOfNumber(const char* accountNo)
{
    CString field;
    if (!SecondField(accountNo, field) || field.IsEmpty())
        return -1;
    for (int i = 0; i < field.GetLength(); ++i)
        if (field[i] < '0' || field[i] > '9')
            return -1;
    switch (atoi(field)) {
    case 0:
        return 0;
    case 1:
    case 33:
    case 55:
    case 75:
    case 76:
    case 77:
        return 1;
    case 11:
        return 0x100;
    case 21:
    case 22:
    case 23:
        return 0x10;
    case 88:
        return 0x1000;
    default:
        return -1;
    }
}

int IsFutOptNumber(const char* accountNo)
{
    CString field;
    return SecondField(accountNo, field) && field == "11" ? 1 : 0;
}

void MakePasswordRequest(const char* accountNo, const char* password, char out[ACCPWD_REQUEST_SIZE])
{
    memcpy(out, "00001", 5);
    PutField(out + 5, 20, AccountWithoutDashes(accountNo));
    PutField(out + 25, 8, password);
}

void MakeBatchEntry(char kind, const char* accountNo, const char* password, char out[ACCCFM_ENTRY_SIZE])
{
    out[0] = kind == '9' ? '1' : '2';
    PutField(out + 1, 20, AccountWithoutDashes(accountNo));
    PutField(out + 21, 8, password);
}
