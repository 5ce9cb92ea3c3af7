// The item-code record shared by the code controls, and the fixed-field master records it is
// filled from.
#pragma once

#include <afx.h>

#include "SessionRecords.h"
#include "SharedKitApi.h"

// A warrant master record: NUL-terminated texts at bytes 0 (code), 6, 19 (name), 61 and 67,
// and the kind as digits at byte 76.
struct tagELWCode
{
    enum { SIZE = 80, CODE = 0, SHORT_CODE = 6, NAME = 19, FIELD6 = 61, FIELD7 = 67, KIND = 76 };
    char szRecord[SIZE];
};

// An equity master record: a 6-byte code and a 16-byte name, blank-padded.
struct tagEQTYCode
{
    char szCode[6];
    char szName[16];
};

// Five numbers and seven texts (48 bytes).
class SHAREDKIT_API CODE_INFO
{
public:
    CODE_INFO();
    CODE_INFO(const CODE_INFO& other);
    CODE_INFO& operator=(const CODE_INFO& other);
    ~CODE_INFO();

    // Texts 1-5 from bytes [0,13), [13,26), [26,47), [47,80), [80,113) (trimmed), text 6 from
    // [129,135).
    void UpdateCode(tagFmtCode* record);
    // Number 1 from the digits at byte 76; texts 1, 2, 3 from bytes 0, 6, 19 (trimmed), text 6
    // from byte 61, text 7 from byte 67 (trimmed).
    void UpdateCode(tagELWCode* record);
    // Text 1 from the code, text 3 from the name, both trimmed.
    void UpdateCode(tagEQTYCode* record);

    int m_nField1;
    int m_nField2;
    int m_nField3;
    int m_nField4;
    int m_nField5;
    CString m_strField1;
    CString m_strField2;
    CString m_strField3;
    CString m_strField4;
    CString m_strField5;
    CString m_strField6;
    CString m_strField7;
};
// An in-memory record (it holds strings): 48 bytes on 32-bit Windows, 80 on 64-bit.
static_assert(sizeof(CODE_INFO) == (sizeof(void*) == 4 ? 48 : 80), "CODE_INFO layout");
