// Resource ids of PatchRunner's window.
#pragma once

#define IDD_PATCHRUNNER_DIALOG 102
#define IDB_CANCEL_FACE 129
#define IDB_BACKGROUND 130
#define IDB_CLOSE_BOX 131

#define IDC_CLOSE_BOX 8
#define IDC_WORKER 1000
#define IDC_STATUS 1003
#define IDC_PROGRESS 1008
