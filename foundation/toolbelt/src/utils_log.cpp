#include <afxwin.h>

#include "LocalClock.h"
#include "RelayMsg.h"
#include "Utils.h"

CLogger CUtils::m_ServerLogger;
CLogger CUtils::m_UserLogger;
CLogger CUtils::m_AutoCodeSetLogger;

CUtils::CUtils() {}

CUtils::~CUtils()
{
    m_ServerLogger.Close();
    m_UserLogger.Close();
    m_AutoCodeSetLogger.Close();
}

void CUtils::LogServer_SetFilePath(CString dir, CString name)
{
    m_ServerLogger.SetFilePath(dir, name, 1);
    m_ServerLogger.Open();
}

void CUtils::LogServer_WriteLog(CString text)
{
    m_ServerLogger.WriteLog(text);
}

void CUtils::AutoCodeSet_SetFilePath(CString dir, CString name)
{
    m_AutoCodeSetLogger.SetFilePath(dir, name, 1);
    m_AutoCodeSetLogger.Open();
}

void CUtils::AutoCodeSet_WriteLog(CString text)
{
    m_AutoCodeSetLogger.WriteLog(text);
}

void CUtils::UserLog_SetFilePath(CString dir, CString name)
{
    m_UserLogger.SetNumbered(FALSE);
    m_UserLogger.SetFilePath(dir, name, 1);
    m_UserLogger.Open();
}

void CUtils::UserLog_WriteLog(CString a, CString b, CString c)
{
    const CString text = "," + a + "," + b + "," + c;
    m_UserLogger.WriteLog(text);

    // The open screens show the line as it is written (through the main frame).
    CWinApp* app = AfxGetApp();
    CWnd* main = app ? app->m_pMainWnd : nullptr;
    if (main == nullptr || !::IsWindow(main->GetSafeHwnd()))
        return;
    SYSTEMTIME now;
    GetLocalClockTime(&now);
    CString line;
    line.Format("%02d:%02d:%02d:%d %s", now.wHour, now.wMinute, now.wSecond,
                now.wMilliseconds * 1000000, text.GetString());
    tagRelayMsg relay = {nullptr, WM_USERLOG_LINE, static_cast<WPARAM>(line.GetLength()),
                         reinterpret_cast<LPARAM>(line.GetString())};
    ::SendMessageA(main->GetSafeHwnd(), WM_RELAY_TO_SCREENS, 0, reinterpret_cast<LPARAM>(&relay));
}

CString CUtils::GetUserLogFilePath()
{
    return m_UserLogger.GetFilePath();
}
