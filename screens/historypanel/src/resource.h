// Resource ids of HistoryPanel.dll: the template every screen plug-in holds for itself.
#pragma once

#include "../../../resources/include/dialog_ranges.h"

#define IDD_MAPVIEW MOLVANE_DLG_PLUGIN_MAP_VIEW
