// Resource ids of TradePanel.dll: the templates every screen plug-in holds for itself.
#pragma once

#include "../../../resources/include/dialog_ranges.h"

#define IDD_MAPVIEW MOLVANE_DLG_PLUGIN_MAP_VIEW
#define IDD_ACCOUNT_TAB MOLVANE_DLG_PLUGIN_ACCOUNT_TAB
// The pages' templates; their ids are fixed by the pages' classes.
#define IDD_BALANCE_TAB 5005
#define IDD_TRADE_TAB 5006
