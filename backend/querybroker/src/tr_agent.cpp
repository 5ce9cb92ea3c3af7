// The agent's hidden window: the receiver of every frame of the socket link.
#include "TRAgent.h"

#include <cstdio>
#include <cstring>

#include "HandleManager.h"
#include "SharedData.h"

CHandleManager* CTRAgent::m_Manager = NULL;
int CTRAgent::m_bRegisted = 0;
CString CTRAgent::m_strClassName = "MSGWND";
CString CTRAgent::m_strSiteID = "QZ";
char CTRAgent::m_szID[40] = {0};

BEGIN_MESSAGE_MAP(CTRAgent, CWnd)
    ON_WM_COPYDATA()
    ON_WM_CREATE()
    ON_MESSAGE(WM_USER + 82, OnSocketClosed)
END_MESSAGE_MAP()

CTRAgent::CTRAgent()
{
    if (m_Manager == NULL)
        m_Manager = new CHandleManager;
}

CTRAgent::~CTRAgent()
{
    ResetAll();
    delete m_Manager;
    m_Manager = NULL;
}

BOOL CTRAgent::RegisterControl()
{
    WNDCLASS wc;
    memset(&wc, 0, sizeof wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProc;
    // The instance the framework creates windows with, so that CreateEx finds the class.
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = m_strClassName;
    return AfxRegisterClass(&wc);
}

int CTRAgent::Create()
{
    if (!m_bRegisted) {
        if (!RegisterControl())
            return 0;
        m_bRegisted = 1;
    }
    return CreateEx(0, m_strClassName, "TRAgent", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL) ? 1 : 0;
}

int CTRAgent::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CWnd::OnCreate(lpCreateStruct);
}

BOOL CTRAgent::OnCopyData(CWnd*, COPYDATASTRUCT* pCopyDataStruct)
{
    if (pCopyDataStruct == NULL || pCopyDataStruct->lpData == NULL)
        return TRUE;
    BYTE* frame = static_cast<BYTE*>(pCopyDataStruct->lpData);
    const int len = static_cast<int>(pCopyDataStruct->cbData);
    if (len > 16 && frame[16] == 'R')
        ReceiveRealData(frame, len);
    else
        ReceiveQueryData(frame, len);
    return TRUE;
}

LRESULT CTRAgent::OnSocketClosed(WPARAM, LPARAM)
{
    AfxMessageBox("Socket Closed");
    return 0;
}

int CTRAgent::GetDataType(_IQ_HEADER* frame)
{
    return frame == NULL ? 0 : static_cast<BYTE>(frame->cDataType);
}

int CTRAgent::GetSocketIndex(BYTE type)
{
    switch (type) {
    case 'A':
    case 'F':
    case 'G':
    case 'I':
    case 'R':
    case 'S':
        return 0;
    }
    return 1;
}

void CTRAgent::SendMsgToControl(HWND window, const char* text)
{
    if (text == NULL)
        return;
    COPYDATASTRUCT cds;
    cds.dwData = CDS_STATUS_TEXT;
    cds.cbData = static_cast<DWORD>(strlen(text) + 1);
    cds.lpData = const_cast<char*>(text);
    ::SendMessage(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
}

void CTRAgent::GetFormattedIP(char* out)
{
    if (out == NULL)
        return;
    char ip[16] = {0};
    CSharedData::GetPublicIP(ip, sizeof ip);
    int part[4] = {0, 0, 0, 0};
    sscanf(ip, "%d.%d.%d.%d", &part[0], &part[1], &part[2], &part[3]);
    for (int& p : part)
        p = p < 0 ? 0 : (p > 999 ? 999 : p);
    sprintf(out, "%03d%03d%03d%03d", part[0], part[1], part[2], part[3]);
}
