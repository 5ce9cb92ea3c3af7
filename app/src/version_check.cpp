// The version check: the installed version from version.dat, transaction 100 and its answer.
#include "VersionCheck.h"

#include "InstallFolders.h"
#include "TRAgent.h"

BEGIN_MESSAGE_MAP(CVersionChecker, CWnd)
    ON_MESSAGE(WM_COPYDATA, OnCopyData)
END_MESSAGE_MAP()

CVersionChecker::CVersionChecker() : m_hEvent(::CreateEventA(NULL, TRUE, FALSE, NULL)), m_bUpdate(0)
{
}

CVersionChecker::~CVersionChecker()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
    if (m_hEvent != NULL)
        ::CloseHandle(m_hEvent);
}

BOOL CVersionChecker::CreateMessageWindow()
{
    return CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, 0, 0, 0, 0, HWND_MESSAGE, NULL);
}

int CVersionChecker::RequestAndWait(const BYTE* body, DWORD waitMs)
{
    BYTE data[VERSION_BODY_SIZE];
    memcpy(data, body, sizeof data);
    m_bUpdate = 0;
    CTRAgent::RequestQueryData(TR_VERSION_CHECK, 'I', m_hWnd, NULL, data, VERSION_BODY_SIZE, -1);

    ::ResetEvent(m_hEvent);
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD r = ::WaitForSingleObject(m_hEvent, 1);
        if (r == WAIT_OBJECT_0)
            return m_bUpdate;
        if (r != WAIT_TIMEOUT)
            continue;
        // Peeking also delivers what the link's receive thread sends to the agent's window,
        // which passes the answer on to this window.
        MSG msg;
        if (::PeekMessageA(&msg, m_hWnd, WM_COPYDATA, WM_COPYDATA, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (::GetTickCount() - start > waitMs)
            return 0;
    }
}

LRESULT CVersionChecker::OnCopyData(WPARAM wParam, LPARAM lParam)
{
    const COPYDATASTRUCT* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (cds != NULL && wParam != 0 && cds->dwData == TR_VERSION_CHECK &&
        CTRAgent::GetDataType(reinterpret_cast<_IQ_HEADER*>(wParam)) == 'I') {
        if (IsUpdateReply(static_cast<const BYTE*>(cds->lpData), static_cast<int>(cds->cbData)))
            m_bUpdate = 1;
        ::SetEvent(m_hEvent);
    }
    return Default();
}

int CheckProgramVersion()
{
    CVersionChecker checker;
    if (!checker.CreateMessageWindow())
        return 0;
    CString version;
    if (!ReadInstalledVersion(CString(GetSystemDir()) + "version.dat", version))
        return 0;
    BYTE body[VERSION_BODY_SIZE];
    MakeVersionBody(version, body);
    return checker.RequestAndWait(body, VERSION_WAIT_MS);
}
