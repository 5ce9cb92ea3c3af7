// Threads and the application: CWinThread (worker and user-interface threads with their own
// message loop), CWinApp (the one application object), AfxBeginThread and friends.
// Included by afxwin.h.
#pragma once

#include "afxwnd_.h"

typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

class AFX_PLATFORM_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam); // worker thread
    virtual ~CWinThread();

    // Starts the thread. It has a message queue before this returns; with CREATE_SUSPENDED it
    // waits for ResumeThread before running the thread function or InitInstance.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);

    CWnd* m_pMainWnd;   // the thread's main window; destroying it ends the thread's loop
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete; // delete the object when the thread ends (default TRUE)
    HANDLE m_hThread;
    DWORD m_nThreadID;
    operator HANDLE() const { return AfxIsNullObject_(this) ? NULL : m_hThread; }

    int GetThreadPriority();
    BOOL SetThreadPriority(int nPriority);
    DWORD SuspendThread();
    DWORD ResumeThread();
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);

    virtual CWnd* GetMainWnd();

    // User-interface threads: InitInstance (FALSE ends the thread after ExitInstance), then Run
    // (the message loop) until WM_QUIT, then ExitInstance, whose result is the exit code.
    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // Idle work while the queue is empty; lCount counts calls since the last message. Count 0
    // updates the main window's commands, count 1 frees the temporary objects. TRUE asks for
    // another call.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    virtual void Delete(); // deletes the object when m_bAutoDelete
    // An exception that a window procedure of this thread let escape: WM_CREATE fails with -1,
    // WM_PAINT validates the window, a WM_COMMAND counts as handled; every other failure but a
    // CUserException (the user was told already) is reported in a message box. Returns the
    // message's result.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    // Handles thread messages (posted with no window) through ON_THREAD_MESSAGE entries.
    BOOL DispatchThreadMessageEx(MSG* pMsg);

    // Worker data
    LPVOID m_pThreadParams;
    AFX_THREADPROC m_pfnThreadProc;

protected:
    void CommonConstruct();
};

class AFX_PLATFORM_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // The object defined by the program becomes AfxGetApp(); one defined by a library that links
    // platform_dll runs its InitInstance when that library is loaded.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszAppName;    // the title of message boxes
    LPCTSTR m_pszExeName;    // module name without folder and extension
    LPCTSTR m_pszHelpFilePath;
    LPCTSTR m_pszProfileName; // INI file name, or the registry's application key
    LPCTSTR m_pszRegistryKey; // null: profile in the INI file
    BOOL m_bHelpMode;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int Run(); // ends at once when InitInstance made no main window
    virtual BOOL OnIdle(LONG lCount);
    virtual int ExitInstance();
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HICON LoadOEMIcon(UINT nIDIcon) const;

    // Profile: the INI file m_pszProfileName, or HKCU\Software\<key>\<app>\<section> after
    // SetRegistryKey.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

    // Fills the names from the module (exe name, title string AFX_IDS_APP_TITLE, profile).
    void SetCurrentHandles();

private:
    CString m_strAppName, m_strExeName, m_strProfileName, m_strRegistryKey, m_strHelpPath;
    friend BOOL AFXAPI AfxWinInit(HINSTANCE, HINSTANCE, LPTSTR, int);
};

// String id of the application title in the program's resources.
#define AFX_IDS_APP_TITLE 0xE000

AFX_PLATFORM_API CWinApp* AFXAPI AfxGetApp();
AFX_PLATFORM_API CWinThread* AFXAPI AfxGetThread();
// The calling thread's main window, else the application's.
AFX_PLATFORM_API CWnd* AFXAPI AfxGetMainWnd();
AFX_PLATFORM_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_PLATFORM_API LPCTSTR AFXAPI AfxGetAppName();
// The message the calling thread's loop took last.
AFX_PLATFORM_API MSG* AFXAPI AfxGetCurrentMessage();
AFX_PLATFORM_API BOOL AFXAPI AfxPumpMessage();
AFX_PLATFORM_API BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
AFX_PLATFORM_API BOOL AFXAPI AfxIsIdleMessage(MSG* pMsg);
AFX_PLATFORM_API void AFXAPI AfxPostQuitMessage(int nExitCode);
// The calling thread's ProcessWndProcException (the default handling on threads without an object).
AFX_PLATFORM_API LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg);

AFX_PLATFORM_API CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                                                   int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                                                   DWORD dwCreateFlags = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
// pThreadClass must be dynamically creatable and derived from CWinThread.
AFX_PLATFORM_API CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority = THREAD_PRIORITY_NORMAL,
                                                   UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                                   LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
// Ends the calling thread (deleting its object when bDelete and m_bAutoDelete).
[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);

// Program start: AfxWinMain drives the application object (InitInstance, Run, ExitInstance).
// Programs link the static library platform_main, whose WinMain calls it.
AFX_PLATFORM_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
AFX_PLATFORM_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
AFX_PLATFORM_API void AFXAPI AfxWinTerm();
// Library start for libraries with their own CWinApp (platform_dll's DllMain calls these).
AFX_PLATFORM_API BOOL AFXAPI AfxDllAttachApp(HINSTANCE hInstance);
AFX_PLATFORM_API void AFXAPI AfxDllDetachApp(HINSTANCE hInstance);

// Hosting of ActiveX controls is not provided; the call is accepted for source compatibility.
inline void AfxEnableControlContainer() {}
