// The login's wire records: the bodies of transactions 1100 (login) and 1201 (session start
// and end), the 1100 reply and the texts of its result codes.
#pragma once

#include <afx.h>

#define TR_LOGIN 1100
#define TR_SESSION 1201

#define LOGIN_BODY_SIZE 40
#define LOGIN_FIELD_SIZE 20
#define SESSION_BODY_SIZE 13
#define SESSION_ID_SIZE 12
// A login reply is read only when it is longer than this.
#define LOGIN_REPLY_MIN_EXCLUSIVE 68

#define SESSION_SIGN_ON '0'
#define SESSION_SIGN_OFF '1'

// The fields of a usable 1100 reply, blanks trimmed.
struct LoginReply
{
    int nResult;       // -1 when [0,4) is not a number
    int nExpireDate;   // yyyymmdd
    CString strOffice[3];
    CString strBranchIP;
};

// [0,20) ID, [20,40) password, each blank-filled and cut to 20 bytes.
void MakeLoginBody(const CString& id, const CString& password, BYTE body[LOGIN_BODY_SIZE]);
// [0,12) ID blank-filled and cut to 12 bytes, [12] the flag.
void MakeSessionBody(const CString& id, char flag, BYTE body[SESSION_BODY_SIZE]);
// FALSE for a reply of 68 bytes or less (nothing is read then).
BOOL ParseLoginReply(const BYTE* body, int len, LoginReply& reply);
// The message of a refused login (result code other than 0).
const char* LoginFailureText(int result);
