// Texts the link shows when a connection fails or is lost.
#pragma once

#include <afx.h>

namespace link_texts {

// The system's message text for a Winsock or system error, without its line breaks.
CString SystemErrorText(int nError);
// "서버와 접속이 해제되었습니다. [ip(...), port(...)]"
CString LossText(const CString& address, int port);
// "[ERROR].. tcp send error. port(...). msg(...). errno(...)\n"
CString SendErrorText(int port, int nError);
// Errors after which a send can never succeed on this connection.
bool IsFatalSendError(int nError);

} // namespace link_texts
