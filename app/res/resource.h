// Resource ids of the main program: dialog templates (dialog_ranges.h gives the program's
// range), bitmaps and the login dialog's controls.
#pragma once

#define IDD_LOGIN 1000

#define IDB_LOGIN_BACKGROUND 131

#define IDC_LOGIN_ID 1027
#define IDC_LOGIN_LOGIN 1029
#define IDC_LOGIN_CANCEL 1030
#define IDC_LOGIN_PASSWORD 1033
#define IDC_LOGIN_API_KEY 1034
#define IDC_LOGIN_SECRET_KEY 1035
#define IDC_LOGIN_WEB_PAGE1 1038
#define IDC_LOGIN_WEB_PAGE2 1039
#define IDC_LOGIN_WEB_PAGE3 1040
#define IDC_LOGIN_WEB_EDUCATION 1041
#define IDC_LOGIN_SAVE_ID 1051
#define IDC_LOGIN_WEB_EXCHANGE 1052

// The saved-screens dialog.
#define IDD_SAVE_SCREENS 113
#define IDC_SAVESCR_TREE 1013
#define IDC_SAVESCR_NUMBER 1015
#define IDC_SAVESCR_SAVE 1016
#define IDC_SAVESCR_OPEN 1017
#define IDC_SAVESCR_REMOVE_SET 1018
#define IDC_SAVESCR_REMOVE_SCREEN 1019
#define IDC_SAVESCR_NAME 1020
