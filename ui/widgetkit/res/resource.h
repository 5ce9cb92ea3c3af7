// Resource ids of WidgetKit.dll (unique across the install).
#pragma once

#define IDB_DIALOG_CAPTION 7216
#define IDB_DIALOG_CLOSEBOX 7217
#define IDD_SHOWMSG 7212
#define IDD_MESSAGEBOX 7218
#define IDC_SHOWMSG_TEXT 1018
