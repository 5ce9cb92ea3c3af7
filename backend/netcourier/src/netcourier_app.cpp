// The library's application object: starts the socket layer and the information store when
// the library is loaded.
#include <afxwin.h>
#include <afxsock.h>

#include "InfoMng.h"

class CNetCourierApp : public CWinApp
{
public:
    BOOL InitInstance() override;
};

BOOL CNetCourierApp::InitInstance()
{
    CWinApp::InitInstance();
    if (!AfxSocketInit()) {
        AfxMessageBox("Windows 소켓을 초기화할 수 없습니다.", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    CInfoMng& info = TheInfoMng();
    info.ResetServers();
    info.LookUpLocalIP();
    return TRUE;
}

CNetCourierApp theApp;
