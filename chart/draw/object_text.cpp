// Numbers a drawer writes beside its drawing, in the number settings its region handed the object.
#include "ChartText.h"
#include "DrawObject.h"
#include "draw_geometry.h"

CString ObjectNumberText(const CDrawObject* obj, int value)
{
    // The region hands divisor, decimals, fraction base and precision, in that order.
    return FormatNumberValue(value, obj->GetAxisSetting(2), obj->GetAxisSetting(3), "", obj->GetAxisSetting(0),
                             obj->GetAxisSetting(1), 0);
}
