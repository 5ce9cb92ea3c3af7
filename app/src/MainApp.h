// The application object of Molvane: the start-up in its fixed order (single instance, logs,
// transaction agent, connection, updater swap, version check, login, branch server, exchange
// agent, main frame) and what ExitInstance undoes.
#pragma once

#include <afxwin.h>

#include "TRAgent.h"
#include "ZembraAPIAgent.h"

#define MOLVANE_SEMAPHORE_NAME "MolvaneSystem"

class CQuelmar_MainApp : public CWinApp
{
public:
    CQuelmar_MainApp();
    virtual ~CQuelmar_MainApp();

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    CTRAgent& GetTRAgent() { return m_TRAgent; }
    CZembraAPIAgent& GetAPIAgent() { return m_APIAgent; }

protected:
    // Step 1: FALSE when another instance runs (after its message box).
    BOOL GuardSingleInstance();
    void EnsureUserFolder();
    void SetUpLogs();
    // Steps 7 to 9: TRUE when start-up goes on to the login.
    BOOL RunUpdateChecks();
    void StartUpdater();
    // Step 10's hand-over after the dialog: local and public IP, server port and alias.
    void StoreSessionAddresses();

    HANDLE m_hSemaphore;
    CTRAgent m_TRAgent;
    CZembraAPIAgent m_APIAgent;
};
