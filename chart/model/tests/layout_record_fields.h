// The archive order of the layout records, field by field, with the versions that carry each.
#pragma once

#include "LayoutRecords.h"
#include "record_fields.h"

inline std::vector<FieldLayout<DDRAWOBJDATA>> DrawObjFields()
{
    typedef DDRAWOBJDATA R;
    return {IntF(&R::Kind), IntF(&R::I2), IntF(&R::I3), IntF(&R::I4, 1), IntF(&R::I5, 2)};
}

inline std::vector<FieldLayout<DTIMEDATA>> TimeFields()
{
    typedef DTIMEDATA R;
    return {IntF(&R::TimeKind),    IntF(&R::ViewCount), TextF(&R::S1),       TextF(&R::S2),
            IntF(&R::MinTerm),     IntF(&R::LIndexWidth), IntF(&R::RIndexWidth), IntF(&R::RMargin),
            IntF(&R::I7),          IntF(&R::I8),        IntF(&R::I9),        IntF(&R::I10),
            IntF(&R::I11),         IntF(&R::I12),       IntF(&R::TimeHeight), IntF(&R::LabelDir),
            TextF(&R::S3, 1),      TextF(&R::S5, 1),    TextF(&R::S6, 1),    TextF(&R::S4, 1),
            IntF(&R::XDivisor, 2), IntF(&R::XDecimals, 2), TextF(&R::XName, 3)};
}

inline std::vector<FieldLayout<DREGIONSIDEDATA>> SideFields()
{
    typedef DREGIONSIDEDATA R;
    return {IntF(&R::I1),       IntF(&R::I2),      IntF(&R::EmptyValue), TextF(&R::Unit),
            IntF(&R::Divisor),  IntF(&R::Fixed),   IntF(&R::FixedMax),   IntF(&R::FixedMin),
            IntF(&R::Decimals), IntF(&R::I11, 1),  ColorF(&R::UnitColor)};
}
