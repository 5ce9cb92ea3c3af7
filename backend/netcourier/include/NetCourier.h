// NetCourier: the one TCP connection to the system's server. Plain exported functions with the
// prefix LCM_, returning 1 for success and 0 for failure unless noted otherwise.
//
// Frames on the wire (both directions): [0,8) the total length in bytes, these 8 included, and
// [8,16) the transaction or real-time code, both as ASCII decimal digits ("%08d"). Every
// incoming frame reaches the receiver window as a sent WM_COPYDATA: wParam 0, dwData the code,
// cbData the total length, lpData the frame (valid only during the call).
#pragma once

#include <windows.h>

#ifdef NETCOURIER_BUILD
#define NETCOURIER_API __declspec(dllexport)
#else
#define NETCOURIER_API __declspec(dllimport)
#endif

// Sent to the main window (LCM_SetMainHwnd) when the connection is lost, wParam 0, lParam 0.
// A result of -1 leaves the loss to the link, which then shows it and sends WM_FORCE_LOGOUT.
#define WM_LINK_CLOSED (WM_USER + 11)
#define WM_FORCE_LOGOUT (WM_USER + 52)

// Connection states.
#define LCM_STATE_INIT 100       // constructed
#define LCM_STATE_CREATED 101    // socket created by the socket thread
#define LCM_STATE_CONNECTED 102
#define LCM_STATE_CLOSED 103     // connection attempt failed, or the connection was lost
#define LCM_STATE_TERMINATED 104 // closed by this side, or the loss was not taken over

#define LCM_FRAME_LIMIT 102400   // the longest frame the link receives
#define LCM_USERINFO_SIZE 327    // the user-information block (LCM_GetUserInfo)
#define LCM_LOGIN_RECORD_SIZE 82 // the record LCM_ShowLoginDlg fills: ID 32, password 32, zeros

// A server record: address, port and alias of one server.
struct tagServerInfo
{
    char szAddress[16]; // IPv4 text (or host name), NUL-terminated
    int nPort;
    char szAlias[28];   // NUL-terminated
    int nReserved;
};

#pragma pack(push, 1)
// One account from the link's own login dialog.
struct _ACCOUNT_INFO
{
    char szAccountNo[12];   // [0,12)
    char reserved1[9];      // [12,21)
    char szAccountName[20]; // [21,41)
    char reserved2[27];     // [41,68)
    char szAccountCode[8];  // [68,76)
    char reserved3;         // [76]
};
#pragma pack(pop)

static_assert(sizeof(tagServerInfo) == 52, "server record layout");
static_assert(sizeof(_ACCOUNT_INFO) == 77, "account record layout");

extern "C" {

// Stores the main window, which hears of a lost connection; returns it.
NETCOURIER_API HWND LCM_SetMainHwnd(HWND hWnd);
// Makes `receiver` the window of every incoming frame; for index 0 connects to the main
// server (User\system.ini [SERVER] IP and PORT when set). Always 1: the outcome shows in
// LCM_IsConnected.
NETCOURIER_API int LCM_ConnectServer(int nConn, HWND hReceiver);
// For index 0 connects to the second server record. Always 1.
NETCOURIER_API int LCM_ConnectEMRServer(int nConn);
// Moves connection 0 to the IPv4 address `ip` (surrounding blanks ignored) with the stored
// port; 0 for an address that is no IPv4 address. Connected to that address already: 1.
NETCOURIER_API int LCM_ReConnectServer(int nConn, const char* ip);
// Sends one whole frame on connection 0: 1 when the link took it (sent, or queued behind
// earlier frames), 0 when refused (other index, not connected, socket failure).
NETCOURIER_API int LCM_RequestQueryData(int nConn, char type, const char* frame, int len);
NETCOURIER_API int LCM_IsConnected(int nConn);
// 1 when the connection's socket thread is not running; -1 asks for all connections.
NETCOURIER_API int LCM_IsTerminated(int nConn);
// Closes connection 0; -1 also ends the receive thread (at program end). Always 1.
NETCOURIER_API int LCM_Close(int nConn);
// Copies the main server record; 0 when its address is empty.
NETCOURIER_API int LCM_GetServerInfo(tagServerInfo* pInfo);
// Copies the local IPv4 text (at most 16 bytes with its terminator); 0 when none was found.
NETCOURIER_API int LCM_GetLocalIP(char* pszOut);
NETCOURIER_API int LCM_GetAccountList(void** ppList, int* pnCount);
// Copies the LCM_USERINFO_SIZE-byte user-information block.
NETCOURIER_API void LCM_GetUserInfo(void* pOut);
NETCOURIER_API const char* LCM_GetLastLoginTime();
NETCOURIER_API const char* LCM_GetResidentNo();
NETCOURIER_API int LCM_GetUserGroup();
NETCOURIER_API int LCM_IsTempPwd();
NETCOURIER_API int LCM_IsTempAccPwd();
NETCOURIER_API int LCM_UsePublicSign();
NETCOURIER_API char LCM_GetUserConfirmType();
NETCOURIER_API HWND LCM_SetDisconnectHwnd(HWND hWnd);
NETCOURIER_API HWND LCM_GetDisconnectHwnd();
NETCOURIER_API int LCM_GetCommisionInfo();
// Runs the link's own login dialog; on OK fills LCM_LOGIN_RECORD_SIZE bytes of pOut and
// returns 1, else 0.
NETCOURIER_API int LCM_ShowLoginDlg(HWND hReceiver, void* pOut);

} // extern "C"
