// The image button's mouse states and the look it paints, as tables.
#include <gtest/gtest.h>

#include "WidgetRules.h"

namespace {

struct StepCase
{
    const char* name;
    int state;
    BOOL pressedInside;
    ButtonEvent event;
    BOOL inside;
    int expectState;
    BOOL expectPressedInside;
    BOOL expectClick;
};

const StepCase kSteps[] = {
    {"hover", BTN_STATE_NORMAL, FALSE, BTN_EVENT_HOVER, TRUE, BTN_STATE_OVER, FALSE, FALSE},
    {"leave", BTN_STATE_OVER, FALSE, BTN_EVENT_LEAVE, FALSE, BTN_STATE_NORMAL, FALSE, FALSE},
    {"press", BTN_STATE_OVER, FALSE, BTN_EVENT_DOWN, TRUE, BTN_STATE_PRESSED, TRUE, FALSE},
    {"release over it", BTN_STATE_PRESSED, TRUE, BTN_EVENT_UP, TRUE, BTN_STATE_OVER, FALSE, TRUE},
    {"release outside", BTN_STATE_PRESSED, TRUE, BTN_EVENT_UP, FALSE, BTN_STATE_OVER, FALSE, FALSE},
    {"release without a press on it", BTN_STATE_OVER, FALSE, BTN_EVENT_UP, TRUE, BTN_STATE_OVER, FALSE, FALSE},
    {"double click", BTN_STATE_OVER, FALSE, BTN_EVENT_DBLCLK, TRUE, BTN_STATE_PRESSED, FALSE, TRUE},
    {"leave while pressed", BTN_STATE_PRESSED, TRUE, BTN_EVENT_LEAVE, FALSE, BTN_STATE_NORMAL, TRUE, FALSE},
};

TEST(ButtonRules, MouseEvents)
{
    for (const StepCase& c : kSteps) {
        const ButtonStep step = NextButtonState(c.state, c.pressedInside, c.event, c.inside);
        EXPECT_EQ(c.expectState, step.nState) << c.name;
        EXPECT_EQ(c.expectPressedInside, step.bPressedInside) << c.name;
        EXPECT_EQ(c.expectClick, step.bClick) << c.name;
    }
}

TEST(ButtonRules, LookByKindAndState)
{
    struct
    {
        int mouse;
        BOOL disabled, toggle, checked;
        int look;
    } const cases[] = {
        {BTN_STATE_OVER, FALSE, FALSE, FALSE, BTN_STATE_OVER},
        {BTN_STATE_OVER, TRUE, FALSE, FALSE, BTN_STATE_DISABLED},   // a disabled button
        {BTN_STATE_OVER, FALSE, FALSE, TRUE, BTN_STATE_OVER},       // a button's check does not show
        {BTN_STATE_PRESSED, TRUE, TRUE, TRUE, BTN_STATE_NORMAL},    // a disabled toggle paints as normal
        {BTN_STATE_NORMAL, FALSE, TRUE, TRUE, BTN_STATE_PRESSED},   // checked toggle
        {BTN_STATE_OVER, FALSE, TRUE, FALSE, BTN_STATE_OVER},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.look, ButtonLookState(c.mouse, c.disabled, c.toggle, c.checked))
            << c.mouse << " " << c.disabled << c.toggle << c.checked;
}

} // namespace
