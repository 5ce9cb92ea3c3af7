// The arithmetic of the canvas's shown data window under the bottom bar's commands: zoom in and
// back, the zoom slider, the scroll bar and the display count dialog. Pure functions, so every
// rule can be checked without a window.
#pragma once

#include <afx.h>

#include "GraphKitApi.h"

// Commands of the bottom bar and the draw-mode menu.
enum
{
    CMD_CHART_SCROLL = 10000,
    CMD_CHART_SLIDER = 10001,
    CMD_CHART_DRAWMODE = 10002,
    CMD_CHART_LAYOUT = 10003,
    CMD_CHART_ZOOMBACK = 10004,
    CMD_CHART_ZOOMIN = 10005,
    CMD_CHART_TRENDSTYLE = 10006,
    CMD_CHART_LOOKUP = 10008,
    CMD_CHART_NOACTION = 10009,
    CMD_CHART_DISPLAYCOUNT = 10010,
    CMD_CHART_SETTINGS = 10011,
    CMD_CHART_EXPORT = 10012,
    CMD_CHART_KEEPCOUNT = 10013,
    CMD_DRAWMODE_TREND = 1000,
    CMD_DRAWMODE_VERTICAL = 1001,
    CMD_DRAWMODE_HORIZONTAL = 1002,
    CMD_DRAWMODE_DEFAULT = 1003,
};

// The first shown index and the display count.
struct GRAPHKIT_API CanvasWindowState
{
    int first;
    int count;
};

// Zoom in: only with a count of at least 11 and first + count within the total; the right edge
// stays (first + 10, count - 10). FALSE (unchanged) otherwise.
GRAPHKIT_API BOOL CanvasZoomIn(int total, CanvasWindowState& window);
// The zoom slider at position 0 ... 100: count max(trunc((100 - position) / 100 * total), 1),
// the right edge kept (first 0 when that would be negative).
GRAPHKIT_API CanvasWindowState CanvasSliderWindow(int total, CanvasWindowState window, int position);
// The slider position that shows a window: 100 - trunc(count / (total - 1) * 100); 0 with one
// item or none.
GRAPHKIT_API int CanvasSliderPosition(int total, int count);
// The first index of a scroll position, clamped to 0 ... total - count.
GRAPHKIT_API int CanvasScrollFirst(int total, int count, int position);

enum CanvasCountResult
{
    CANVASCOUNT_REFUSED_ZERO = 0, // no data item shown: a degenerate window
    CANVASCOUNT_REFUSED_ABOVE = 1, // more than the data sent
    CANVASCOUNT_SET = 2,
};
// The display count the dialog gave: 0 and counts above the total are refused (window
// unchanged); the total shows everything from the newest item; any other count keeps the first
// index where it can and pulls it back so the window stays within the data.
GRAPHKIT_API CanvasCountResult CanvasApplyDisplayCount(int total, int requested, CanvasWindowState& window);
