// The login's wire records.
#include "LoginRules.h"

#include <string.h>

namespace {

void CopyField(BYTE* out, int size, const CString& text)
{
    memset(out, ' ', size);
    const int n = text.GetLength() < size ? text.GetLength() : size;
    memcpy(out, (LPCTSTR)text, n);
}

CString Field(const BYTE* body, int from, int to)
{
    CString text(reinterpret_cast<const char*>(body) + from, to - from);
    // A NUL inside the field ends it, as it would end the text on the screen.
    const int nul = text.Find('\0');
    if (nul >= 0)
        text = text.Left(nul);
    text.Trim();
    return text;
}

// Only plain digits are a number: a code of letters must not read as 0, which is success.
int Number(const CString& text)
{
    if (text.IsEmpty())
        return -1;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return -1;
    return atoi(text);
}

} // namespace

void MakeLoginBody(const CString& id, const CString& password, BYTE body[LOGIN_BODY_SIZE])
{
    CopyField(body, LOGIN_FIELD_SIZE, id);
    CopyField(body + LOGIN_FIELD_SIZE, LOGIN_FIELD_SIZE, password);
}

void MakeSessionBody(const CString& id, char flag, BYTE body[SESSION_BODY_SIZE])
{
    CopyField(body, SESSION_ID_SIZE, id);
    body[SESSION_ID_SIZE] = static_cast<BYTE>(flag);
}

BOOL ParseLoginReply(const BYTE* body, int len, LoginReply& reply)
{
    if (body == NULL || len <= LOGIN_REPLY_MIN_EXCLUSIVE)
        return FALSE;
    reply.nResult = Number(Field(body, 0, 4));
    const int expire = Number(Field(body, 5, 13));
    reply.nExpireDate = expire < 0 ? 0 : expire;
    reply.strOffice[0] = Field(body, 13, 16);
    reply.strOffice[1] = Field(body, 16, 19);
    reply.strOffice[2] = Field(body, 19, 22);
    reply.strBranchIP = Field(body, 22, 37);
    return TRUE;
}

const char* LoginFailureText(int result)
{
    switch (result) {
    case 1:
    case 2:
    case 4:
        return "사용자 인증에 실패했습니다. 아이디를 확인해 주세요.";
    case 3:
        return "사용 중지된 아이디입니다. 고객센터에 문의해 주세요.";
    case 5:
        return "기간이 만료되었습니다.";
    default:
        return "사용자 인증에 실패했습니다";
    }
}
