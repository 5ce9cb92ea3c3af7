// Resource ids of the windows around the session: the screen lock, the logout dialog and the
// notice window (fixed ids of the program's range in dialog_ranges.h).
#pragma once

#define IDD_SCREEN_LOCK 104
#define IDC_LOCK_PASSWORD 1048
#define IDC_LOCK_OK 100
#define IDC_LOCK_CANCEL 101

#define IDD_LOGOUT 111
#define IDB_LOGOUT_BACKGROUND 117
#define IDC_LOGOUT_OK 1021
#define IDC_LOGOUT_CANCEL 1022
#define IDC_LOGOUT_LOGIN_TIME 1023
#define IDC_LOGOUT_LOGOUT_TIME 1024
#define IDC_LOGOUT_TIME_USED 1025

#define IDD_NOTICE 115
#define IDC_NOTICE_TABLE 50001
#define IDC_NOTICE_TEXT 50002
#define IDC_NOTICE_LIST 50003
#define IDC_NOTICE_OK 50004
