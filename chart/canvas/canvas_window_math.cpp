// The shown data window's arithmetic under zoom, slider, scroll bar and display count.
#include "CanvasCommands.h"

BOOL CanvasZoomIn(int total, CanvasWindowState& window)
{
    if (window.count < 11 || total < window.first + window.count)
        return FALSE;
    window.first += 10;
    window.count -= 10;
    return TRUE;
}

CanvasWindowState CanvasSliderWindow(int total, CanvasWindowState window, int position)
{
    int count = int(double(100 - position) / 100.0 * double(total));
    if (count < 1)
        count = 1;
    int first = window.first + window.count - count;
    if (first < 0)
        first = 0;
    return {first, count};
}

int CanvasSliderPosition(int total, int count)
{
    if (total <= 1)
        return 0;
    return 100 - int(double(count) / double(total - 1) * 100.0);
}

int CanvasScrollFirst(int total, int count, int position)
{
    const int last = total - count;
    if (position > last)
        position = last;
    if (position < 0)
        position = 0;
    return position;
}

CanvasCountResult CanvasApplyDisplayCount(int total, int requested, CanvasWindowState& window)
{
    if (requested <= 0)
        return CANVASCOUNT_REFUSED_ZERO;
    if (requested > total)
        return CANVASCOUNT_REFUSED_ABOVE;
    if (requested == total)
    {
        window = {0, total};
        return CANVASCOUNT_SET;
    }
    window.count = requested;
    if (window.first + requested > total)
        window.first = total - requested;
    if (window.first < 0)
        window.first = 0;
    return CANVASCOUNT_SET;
}
