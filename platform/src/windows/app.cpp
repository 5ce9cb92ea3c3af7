// CWinApp: the program's one application object (or a library's own, started by platform_dll),
// program start (AfxWinMain), resource loading helpers and the profile.
#include "afxwin.h"
#include "wndimpl_.h"

#include <vector>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {

CWinApp* g_pApp = NULL;

// Application objects defined by libraries, started when their library loads.
struct LibraryApps
{
    CRITICAL_SECTION lock;
    std::vector<CWinApp*> apps;
    LibraryApps() { ::InitializeCriticalSection(&lock); }
    ~LibraryApps() { ::DeleteCriticalSection(&lock); }
};

LibraryApps& Libraries()
{
    static LibraryApps libs;
    return libs;
}

HMODULE ModuleOf(const void* p)
{
    HMODULE hModule = NULL;
    if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                              static_cast<LPCSTR>(p), &hModule))
        return NULL;
    return hModule;
}

CWinApp* FindLibraryApp(HINSTANCE hInstance)
{
    LibraryApps& libs = Libraries();
    ::EnterCriticalSection(&libs.lock);
    CWinApp* pFound = NULL;
    for (CWinApp* p : libs.apps) {
        if (ModuleOf(p) == hInstance)
            pFound = p;
    }
    ::LeaveCriticalSection(&libs.lock);
    return pFound;
}

} // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(NULL), m_pszExeName(NULL),
      m_pszHelpFilePath(NULL), m_pszProfileName(NULL), m_pszRegistryKey(NULL), m_bHelpMode(FALSE)
{
    if (lpszAppName != NULL) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    m_bAutoDelete = FALSE;
    HMODULE hOwner = ModuleOf(this);
    if (hOwner != NULL && hOwner != ::GetModuleHandleA(NULL)) {
        LibraryApps& libs = Libraries();
        ::EnterCriticalSection(&libs.lock);
        libs.apps.push_back(this);
        ::LeaveCriticalSection(&libs.lock);
        return;
    }
    if (g_pApp != NULL)
        return; // one application per program: a second object stays a plain one
    g_pApp = this;
    m_nThreadID = ::GetCurrentThreadId();
    AfxGetThreadState()->m_pCurrentWinThread = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = NULL;
    LibraryApps& libs = Libraries();
    ::EnterCriticalSection(&libs.lock);
    for (auto it = libs.apps.begin(); it != libs.apps.end(); ++it) {
        if (*it == this) {
            libs.apps.erase(it);
            break;
        }
    }
    ::LeaveCriticalSection(&libs.lock);
    m_hThread = NULL; // never a handle of ours
}

void CWinApp::SetCurrentHandles()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(m_hInstance, path, MAX_PATH);
    CString strPath(path);
    int nSlash = strPath.ReverseFind('\\');
    CString strFile = strPath.Mid(nSlash + 1);
    int nDot = strFile.ReverseFind('.');
    m_strExeName = nDot >= 0 ? strFile.Left(nDot) : strFile;
    m_pszExeName = m_strExeName;

    if (m_pszAppName == NULL) {
        CString title;
        if (::FindResourceA(m_hInstance, MAKEINTRESOURCEA((AFX_IDS_APP_TITLE >> 4) + 1), (LPCSTR)RT_STRING) != NULL)
            title.LoadString(m_hInstance, AFX_IDS_APP_TITLE);
        m_strAppName = title.IsEmpty() ? m_strExeName : title;
        m_pszAppName = m_strAppName;
    }
    if (m_pszHelpFilePath == NULL) {
        int nPathDot = strPath.ReverseFind('.');
        m_strHelpPath = (nPathDot > nSlash ? strPath.Left(nPathDot) : strPath) + ".HLP";
        m_pszHelpFilePath = m_strHelpPath;
    }
    if (m_pszProfileName == NULL) {
        m_strProfileName = m_strExeName + ".INI";
        m_pszProfileName = m_strProfileName;
    }
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    if (m_pMainWnd == NULL)
        AfxPostQuitMessage(0); // nothing to run a loop for
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

int CWinApp::ExitInstance()
{
    return (int)AfxGetCurrentMessage()->wParam;
}

// Resources

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEA(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursorA(NULL, lpszCursorName); }
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const { return ::LoadCursorA(NULL, MAKEINTRESOURCEA(nIDCursor)); }
HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIconA(NULL, lpszIconName); }
HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const { return ::LoadIconA(NULL, MAKEINTRESOURCEA(nIDIcon)); }

// Profile

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    m_strProfileName = m_pszAppName != NULL ? m_pszAppName : "";
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key.GetString());
}

namespace {

HKEY OpenSectionKey(LPCTSTR lpszRegistryKey, LPCTSTR lpszApp, LPCTSTR lpszSection, bool bCreate)
{
    CString path = CString("Software\\") + lpszRegistryKey + "\\" + lpszApp + "\\" + lpszSection;
    HKEY hKey = NULL;
    LONG rc = bCreate ? ::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, NULL, 0, KEY_READ | KEY_WRITE, NULL, &hKey, NULL)
                      : ::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &hKey);
    return rc == ERROR_SUCCESS ? hKey : NULL;
}

} // namespace

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == NULL)
        return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hKey = OpenSectionKey(m_pszRegistryKey, m_pszProfileName, lpszSection, false);
    if (hKey == NULL)
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, cb = sizeof(dwValue);
    LONG rc = ::RegQueryValueExA(hKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &cb);
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS && dwType == REG_DWORD ? (UINT)dwValue : (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == NULL) {
        CString text;
        text.Format("%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_pszProfileName);
    }
    HKEY hKey = OpenSectionKey(m_pszRegistryKey, m_pszProfileName, lpszSection, true);
    if (hKey == NULL)
        return FALSE;
    DWORD dwValue = (DWORD)nValue;
    LONG rc = ::RegSetValueExA(hKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszDefault == NULL)
        lpszDefault = "";
    if (m_pszRegistryKey == NULL) {
        // Grow until the value fits: the call fills the buffer up to size - 1 when it is short.
        for (DWORD nSize = 256;; nSize *= 2) {
            CString value;
            DWORD nGot = ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, value.GetBuffer((int)nSize),
                                                    nSize, m_pszProfileName);
            value.ReleaseBuffer((int)nGot);
            if (nGot < nSize - 1)
                return value;
        }
    }
    HKEY hKey = OpenSectionKey(m_pszRegistryKey, m_pszProfileName, lpszSection, false);
    if (hKey == NULL)
        return lpszDefault;
    DWORD dwType = 0, cb = 0;
    CString value = lpszDefault;
    if (::RegQueryValueExA(hKey, lpszEntry, NULL, &dwType, NULL, &cb) == ERROR_SUCCESS && dwType == REG_SZ) {
        CString read;
        char* buffer = read.GetBuffer((int)cb + 1);
        if (::RegQueryValueExA(hKey, lpszEntry, NULL, &dwType, (LPBYTE)buffer, &cb) == ERROR_SUCCESS) {
            buffer[cb] = '\0';
            read.ReleaseBuffer();
            value = read;
        } else {
            read.ReleaseBuffer(0);
        }
    }
    ::RegCloseKey(hKey);
    return value;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == NULL)
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    if (lpszEntry == NULL) {
        CString path = CString("Software\\") + m_pszRegistryKey + "\\" + m_pszProfileName + "\\" + lpszSection;
        return ::RegDeleteKeyA(HKEY_CURRENT_USER, path) == ERROR_SUCCESS;
    }
    HKEY hKey = OpenSectionKey(m_pszRegistryKey, m_pszProfileName, lpszSection, true);
    if (hKey == NULL)
        return FALSE;
    LONG rc = lpszValue == NULL
                  ? ::RegDeleteValueA(hKey, lpszEntry)
                  : ::RegSetValueExA(hKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue, (DWORD)lstrlenA(lpszValue) + 1);
    ::RegCloseKey(hKey);
    return rc == ERROR_SUCCESS;
}

/////////////////////////////////////////////////////////////////////////////
// Global functions and program start

CWinApp* AFXAPI AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    if (g_pApp != NULL && g_pApp->m_hInstance != NULL)
        return g_pApp->m_hInstance;
    return ::GetModuleHandleA(NULL);
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return g_pApp != NULL ? g_pApp->m_pszAppName : NULL;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    (void)hPrevInstance;
    AfxSetResourceHandle(hInstance);
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AfxLockTempMaps();
    AfxUnlockTempMaps();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    if (pThread == NULL || pApp == NULL)
        return -1; // the program defines no application object
    int nReturnCode = -1;
    if (AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pApp->InitApplication()) {
        if (!pThread->InitInstance()) {
            if (pThread->m_pMainWnd != NULL)
                pThread->m_pMainWnd->DestroyWindow();
            nReturnCode = pThread->ExitInstance();
        } else {
            nReturnCode = pThread->Run();
        }
    }
    AfxWinTerm();
    return nReturnCode;
}

BOOL AFXAPI AfxDllAttachApp(HINSTANCE hInstance)
{
    CWinApp* pApp = FindLibraryApp(hInstance);
    if (pApp == NULL)
        return TRUE; // the library has no application object
    pApp->m_hInstance = hInstance;
    pApp->SetCurrentHandles();
    return pApp->InitInstance();
}

void AFXAPI AfxDllDetachApp(HINSTANCE hInstance)
{
    if (CWinApp* pApp = FindLibraryApp(hInstance))
        pApp->ExitInstance();
}
