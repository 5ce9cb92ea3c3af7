// ToolBelt's static utilities: the process-wide log channels, window and system helpers, broker
// account and price-tick formats, and the in-memory text cipher.
#pragma once

#include <afx.h>
#include "Logger.h"
#include "ToolBeltApi.h"

class CWnd;

enum WinVer
{
    wvUnknown = 0, // unreadable (not cached)
    wvWin32s,
    wvWin95,  // any other 4.x of the 9x family
    wvWin98,  // 4.10
    wvWinMe,  // 4.90
    wvNT,     // any other NT version, 6.x and later included
    wvNT4,
    wvWin2000,
    wvWinXP
};

class TOOLBELT_API CUtils
{
public:
    CUtils();
    // Closes the three log channels.
    ~CUtils();

    // Log channels. The set-path operations choose the channel's folder and name and open it;
    // writes to a channel that is not open are ignored.
    static void LogServer_SetFilePath(CString dir, CString name);
    static void LogServer_WriteLog(CString text);
    static void AutoCodeSet_SetFilePath(CString dir, CString name);
    static void AutoCodeSet_WriteLog(CString text);
    // The user log continues the day's one file (it is not numbered).
    static void UserLog_SetFilePath(CString dir, CString name);
    // Writes ",a,b,c" as one line on the user log, then relays the stamped line to the main
    // window as WM_RELAY_TO_SCREENS carrying WM_USERLOG_LINE.
    static void UserLog_WriteLog(CString a, CString b, CString c);
    static CString GetUserLogFilePath();

    // Sends WM_COMMAND (id, code) to the control's parent; 0 when it has none.
    static BOOL NotifyParent(CWnd* control, UINT code);
    static void ReDrawNCClient(HWND hWnd);
    static WinVer GetWinVersion();
    // 0 for the classic look (Windows 2000, or the "Windows Classic.theme"), else 1.
    static int GetCurrentTheme();
    // A copy of the screen under rc; the caller owns the bitmap. Null on failure.
    static HBITMAP GetScreenBitmap(const RECT* rc);
    static void ScreenToClient(HWND hWnd, RECT* rc);
    static void ClientToScreen(HWND hWnd, RECT* rc);

    static CString GetTarrowAcntFormat(CString account);
    static int GetStockPriceTick(int price);

    // Copies len bytes from in to out (the same buffer is allowed) and en- or deciphers out in
    // place with RC4 keyed by the MD5 hash of key. 0 on success, else the platform error code.
    static DWORD GetEncrypt(char* key, DWORD keyLen, char* in, char* out, DWORD len);
    static DWORD GetDecrypt(char* key, DWORD keyLen, char* in, char* out, DWORD len);

    static CLogger m_ServerLogger;
    static CLogger m_UserLogger;
    static CLogger m_AutoCodeSetLogger;
};
