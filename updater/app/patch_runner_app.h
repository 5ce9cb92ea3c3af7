// PatchRunner's application object: stops the main program of this install, then runs the
// updater dialog; the program ends with the dialog.
#pragma once

#include <afxwin.h>

class CPatchRunnerApp : public CWinApp
{
public:
    CPatchRunnerApp();
    virtual BOOL InitInstance();
};
