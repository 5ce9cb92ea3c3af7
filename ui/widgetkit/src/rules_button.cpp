// The mouse states of the image buttons and the look they paint.
#include "WidgetRules.h"

ButtonStep NextButtonState(int nState, BOOL bPressedInside, ButtonEvent event, BOOL bInside)
{
    ButtonStep step = {nState, bPressedInside, FALSE};
    switch (event) {
    case BTN_EVENT_HOVER:
        step.nState = BTN_STATE_OVER;
        break;
    case BTN_EVENT_LEAVE:
        step.nState = BTN_STATE_NORMAL;
        break;
    case BTN_EVENT_DOWN:
        step.nState = BTN_STATE_PRESSED;
        step.bPressedInside = TRUE;
        break;
    case BTN_EVENT_UP:
        // Only a press that started on the button and ends over it clicks.
        step.bClick = bPressedInside && bInside;
        step.bPressedInside = FALSE;
        step.nState = BTN_STATE_OVER;
        break;
    case BTN_EVENT_DBLCLK:
        step.bClick = TRUE;
        step.nState = BTN_STATE_PRESSED;
        break;
    }
    return step;
}

int ButtonLookState(int nMouseState, BOOL bDisabled, BOOL bToggle, BOOL bChecked)
{
    if (!bToggle)
        return bDisabled ? BTN_STATE_DISABLED : nMouseState;
    if (bDisabled)
        return BTN_STATE_NORMAL;
    return bChecked ? BTN_STATE_PRESSED : nMouseState;
}
