// Template, control and string ids of GraphKit's dialogs (read by the resource script too).
#pragma once

#define IDD_CHART_LINEPROP 2001
#define IDD_CHART_CONFIG 2002
#define IDD_CHART_DATANUM 2003
#define IDD_CHART_CANDLEPROP 2004
#define IDD_CHART_TREND 2005
#define IDD_CHART_VOLUMEPROP 2006
#define IDD_CHART_BARPROP 2007
#define IDD_CHART_INDEXOPTION 131

// Settings dialog.
#define IDC_CONFIG_TOOLBAR 2024
#define IDC_CONFIG_OUTERBACK 2025
#define IDC_CONFIG_FRAME 2026
#define IDC_CONFIG_TIMEBACK 2027
#define IDC_CONFIG_TIMETEXT 2028
#define IDC_CONFIG_CHARTBACK 2029
#define IDC_CONFIG_TOOLTIP 2030
#define IDC_CONFIG_TIMEDISPLAY 2031
#define IDC_CONFIG_INDEXTEXT 2032
#define IDC_CONFIG_FLUCTUATION 2033
#define IDC_CONFIG_HLINECOLOUR 2035
#define IDC_CONFIG_VLINECOLOUR 2036
#define IDC_CONFIG_HLINES 2037
#define IDC_CONFIG_VLINES 2038
// Display count dialog.
#define IDC_DATANUM_ALL 3
#define IDC_DATANUM_COUNT 2102
#define IDC_DATANUM_TOTAL 2104
#define IDC_DATANUM_SPIN 2105
// Axis choice of a dropped series.
#define IDC_INDEX_NEWRIGHT 1000
#define IDC_INDEX_SHARERIGHT 1001
#define IDC_INDEX_NEWLEFT 1002
#define IDC_INDEX_SHARELEFT 1003
#define IDC_INDEX_NONE 1004
// Trend-line settings.
#define IDC_TREND_COLOUR 2100
#define IDC_TREND_THICKNESS 2101
// Candle settings.
#define IDC_CANDLE_RISE 2110
#define IDC_CANDLE_FALL 2111
#define IDC_CANDLE_RISEFILL 2112
#define IDC_CANDLE_FALLFILL 2113
#define IDC_CANDLE_PRICEBAND 2114
#define IDC_CANDLE_KIND 2115
// Line settings.
#define IDC_LINE_SHAPE 2103
#define IDC_LINE_COLOUR 2117
#define IDC_LINE_THICKNESS 2118
#define IDC_LINE_SHADOW 2119
// Volume and bar settings.
#define IDC_VOLUME_COLOUR 2120
#define IDC_VOLUME_SHADOW 2114
#define IDC_BAR_DOWN 2121
#define IDC_BAR_UP 2122
#define IDC_BAR_SHADOW 2123

// The entries of the dialogs' lists, consecutive string ids from the first (windres has no
// resource type for a dialog's initial list data, so they stand in the string table).
#define IDS_CANDLE_KIND_FIRST 2040
#define IDS_LINE_SHAPE_FIRST 2050
