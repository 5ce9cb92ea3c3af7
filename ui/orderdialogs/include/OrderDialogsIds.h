// Dialog templates, control ids and timer ids of OrderDialogs.dll (its templates keep to the
// library's range in dialog_ranges.h; the notice dialog's template keeps a fixed id outside it).
// Included by the resource script, so plain defines only.
#pragma once

#define IDD_ORDCONFIRM 24000
#define IDD_ORDOPTION 24001
#define IDD_ORDALARM 24002
#define IDD_NOTICEDLG 28001

// The order alarm: its record list, the clear and hide buttons, the slide timer.
#define IDC_ORDALARM_GRID 1001
#define IDC_ORDALARM_CLEAR 1002
#define IDC_ORDALARM_HIDE 1003
#define IDT_ORDALARM_SLIDE 1004

