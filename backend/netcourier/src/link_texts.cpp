#include "LinkTexts.h"

#include <winsock.h>

namespace link_texts {

CString SystemErrorText(int nError)
{
    char* text = NULL;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   NULL, static_cast<DWORD>(nError), 0, reinterpret_cast<char*>(&text), 0, NULL);
    CString result(n != 0 && text != NULL ? text : "");
    if (text != NULL)
        LocalFree(text);
    result.Remove('\r');
    result.Remove('\n');
    return result;
}

CString LossText(const CString& address, int port)
{
    CString text;
    text.Format("서버와 접속이 해제되었습니다. [ip(%s), port(%d)]", (LPCTSTR)address, port);
    return text;
}

CString SendErrorText(int port, int nError)
{
    CString text;
    text.Format("[ERROR].. tcp send error. port(%d). msg(%s). errno(%d)\n", port, (LPCTSTR)SystemErrorText(nError),
                nError);
    return text;
}

bool IsFatalSendError(int nError)
{
    switch (nError) {
    case WSAEACCES:
    case WSAENOTSOCK:
    case WSAEOPNOTSUPP:
    case WSAENETDOWN:
    case WSAENETRESET:
    case WSAECONNRESET:
    case WSAENOTCONN:
    case WSAESHUTDOWN:
    case WSAETIMEDOUT:
    case WSANOTINITIALISED:
        return true;
    }
    return false;
}

} // namespace link_texts
