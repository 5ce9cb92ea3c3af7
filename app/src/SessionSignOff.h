// The sign-off at the end of a session: transaction 1201 with '1', given a short time to reach
// the server and be answered before the caller closes the link.
#pragma once

#include <afxwin.h>

// How long the sign-off waits for its answer.
#define SIGN_OFF_WAIT_MS 1000

// Sends 1201 '1' for the user and waits at most waitMs for its answer (other threads' sent
// messages are delivered meanwhile, nothing posted is taken); 1 when it was answered.
int SendSignOff(const CString& userId, DWORD waitMs = SIGN_OFF_WAIT_MS);
