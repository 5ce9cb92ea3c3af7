// Resource ids of TradePanel.dll: the templates every screen plug-in holds for itself, and the
// account tab window's pages.
#pragma once

#include "../../../resources/include/dialog_ranges.h"

#define IDD_MAPVIEW MOLVANE_DLG_PLUGIN_MAP_VIEW
#define IDD_ACCOUNT_TAB MOLVANE_DLG_PLUGIN_ACCOUNT_TAB
#define IDD_AUTO_LIST_TAB 5004
#define IDD_BALANCE_LIST_TAB 5005
#define IDD_FILLED_ORDER_LIST_TAB 5006
#define IDD_AUTO_SIGNAL_LOG_TAB 5007
#define IDD_HISTORY_LIST_TAB 5008
