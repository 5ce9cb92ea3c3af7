// The version check before the login: transaction 100 with the installed version, a bounded
// wait for the server's answer, and whether the updater must run.
#pragma once

#include <afxwin.h>

#define TR_VERSION_CHECK 100
#define VERSION_BODY_SIZE 10
// How long the check waits for the answer.
#define VERSION_WAIT_MS 3000

// The message-only window that receives the answer and signals its event.
class CVersionChecker : public CWnd
{
public:
    CVersionChecker();
    virtual ~CVersionChecker();

    BOOL CreateMessageWindow();
    // Sends transaction 100 with the 10-byte body and waits at most waitMs for the answer;
    // 1 when the server asks for an update.
    int RequestAndWait(const BYTE* body, DWORD waitMs);

    HANDLE m_hEvent;
    int m_bUpdate;

protected:
    afx_msg LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The version the updater recorded: the text behind "=" of the first line of path that
// contains "version" (empty when that line does not split in exactly two). FALSE when the file
// cannot be opened.
BOOL ReadInstalledVersion(const char* path, CString& version);
// The request body: blanks, the version copied from the start and cut to 10 bytes.
void MakeVersionBody(const CString& version, BYTE body[VERSION_BODY_SIZE]);
// 1 when a reply body asks for an update: byte 10 is 'Y' (a shorter body never does).
int IsUpdateReply(const BYTE* body, int len);

// The whole check of start-up: 1 when an update is required, 0 otherwise (no version file, no
// answer within VERSION_WAIT_MS, any other answer).
int CheckProgramVersion();
