// Status callbacks of the fetch session as one-line texts in an optional status window.
#include "WebGrab.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>

namespace {

const int kStatusBuffer = 512;

// The callback's information as text, never read past its given length.
CString InfoText(LPVOID lpvInfo, DWORD dwLength)
{
    if (!lpvInfo || dwLength == 0)
        return CString();
    const char* p = static_cast<const char*>(lpvInfo);
    return CString(p, static_cast<int>(strnlen(p, dwLength)));
}

} // namespace

CWebGrabSession::CWebGrabSession(LPCTSTR szAgentName)
    : CInternetSession(szAgentName, 1, PRE_CONFIG_INTERNET_ACCESS), m_pStatusWnd(NULL)
{
    CommonConstruct();
}

CWebGrabSession::CWebGrabSession(LPCTSTR szAgentName, CWnd* pStatusWnd)
    : CInternetSession(szAgentName, 1, PRE_CONFIG_INTERNET_ACCESS), m_pStatusWnd(NULL)
{
    CommonConstruct();
    m_pStatusWnd = pStatusWnd;
}

CWebGrabSession::~CWebGrabSession()
{
}

void CWebGrabSession::CommonConstruct()
{
    m_pStatusWnd = NULL;
    try
    {
        EnableStatusCallback(TRUE);
    }
    catch (CInternetException* e)
    {
        e->Delete(); // the texts are a courtesy; fetching works without them
    }
}

void CWebGrabSession::SetStatus(LPCTSTR fmt, ...)
{
    char szStatus[kStatusBuffer];
    va_list args;
    va_start(args, fmt);
    int n = vsnprintf(szStatus, sizeof(szStatus), fmt, args);
    va_end(args);
    if (n < 0)
        szStatus[0] = '\0';
    szStatus[sizeof(szStatus) - 1] = '\0';

    HWND hStatus = m_pStatusWnd ? m_pStatusWnd->GetSafeHwnd() : NULL;
    if (hStatus && ::IsWindow(hStatus))
    {
        ::SetWindowTextA(hStatus, szStatus);
        ::RedrawWindow(hStatus, NULL, NULL, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void CWebGrabSession::OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                                       DWORD dwStatusInformationLength)
{
    UNUSED_ALWAYS(dwContext);
    switch (dwInternetStatus)
    {
    case INTERNET_STATUS_RESOLVING_NAME:
        SetStatus("Resolving name for %s", InfoText(lpvStatusInformation, dwStatusInformationLength).GetString());
        break;
    case INTERNET_STATUS_NAME_RESOLVED:
        SetStatus("Resolved name for %s", InfoText(lpvStatusInformation, dwStatusInformationLength).GetString());
        break;
    case INTERNET_STATUS_CONNECTING_TO_SERVER:
        SetStatus("Connecting to socket address ");
        break;
    case INTERNET_STATUS_CONNECTED_TO_SERVER:
        SetStatus("Connected to socket address");
        break;
    case INTERNET_STATUS_SENDING_REQUEST:
        SetStatus("Sending request...");
        break;
    case INTERNET_STATUS_REQUEST_SENT:
        SetStatus("Request sent");
        break;
    case INTERNET_STATUS_RECEIVING_RESPONSE:
        break;
    case INTERNET_STATUS_RESPONSE_RECEIVED:
        SetStatus("Response received");
        break;
    case INTERNET_STATUS_CLOSING_CONNECTION:
        SetStatus("Closing the connection to the server");
        break;
    case INTERNET_STATUS_CONNECTION_CLOSED:
        SetStatus("Connection to the server closed");
        break;
    case INTERNET_STATUS_HANDLE_CREATED:
        SetStatus("%s", "");
        break;
    case INTERNET_STATUS_HANDLE_CLOSING:
        break;
    case INTERNET_STATUS_REQUEST_COMPLETE:
        if (lpvStatusInformation && dwStatusInformationLength == 8)
        {
            const DWORD* words = static_cast<const DWORD*>(lpvStatusInformation);
            SetStatus("Request complete, dwResult = %8.8X, dwError = %8.8X", static_cast<unsigned>(words[0]),
                      static_cast<unsigned>(words[1]));
        }
        else
            SetStatus("Request complete");
        break;
    default:
        SetStatus("Unknown status: %d", static_cast<int>(dwInternetStatus));
        break;
    }
}
