// Resource ids of WidgetKit.dll (unique across the install).
#pragma once

#define IDB_DIALOG_CAPTION 7216
#define IDB_DIALOG_CLOSEBOX 7217
#define IDD_SHOWMSG 7212
#define IDD_MESSAGEBOX 7218
#define IDC_SHOWMSG_TEXT 1018
#define IDD_ACCPWD 7202
#define IDD_ACCCFM 7203
#define IDD_ELWCODE 7211
#define IDD_CDECTRL 7213
#define IDD_STOCKCODE 7214
#define IDD_PREVIEW 101
