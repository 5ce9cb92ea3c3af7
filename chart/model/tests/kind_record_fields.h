// The archive order of the eight kind records, field by field, with the versions that carry
// each field.
#pragma once

#include "KindRecords.h"
#include "record_fields.h"

inline std::vector<FieldLayout<DJAPANPROP>> JapanFields()
{
    typedef DJAPANPROP R;
    return {IntF(&R::FallFill),    IntF(&R::RiseFill),   TextF(&R::S1),        TextF(&R::S2),
            TextF(&R::S3),         TextF(&R::S4),        TextF(&R::S5),        TextF(&R::S6),
            TextF(&R::S7),         TextF(&R::S8),        ColorF(&R::RiseColor), ColorF(&R::FallColor),
            TextF(&R::S10, 1),     TextF(&R::S11, 1),    TextF(&R::S12, 1),    TextF(&R::S13, 1),
            TextF(&R::S14, 1),     TextF(&R::S15, 1),    TextF(&R::S16, 1),    IntF(&R::PriceBand, 2),
            TextF(&R::S17, 2),     TextF(&R::S18, 2),    TextF(&R::S19, 2),    TextF(&R::S20, 2),
            IntF(&R::BidAskMode, 3), IntF(&R::BidAskSwap, 3), TextF(&R::S21, 3), TextF(&R::S22, 3),
            TextF(&R::S23, 3),     TextF(&R::S24, 3),    TextF(&R::S25, 3),    TextF(&R::S26, 3),
            TextF(&R::S27, 3),     TextF(&R::S28, 3)};
}

inline std::vector<FieldLayout<DAMERICAPROP>> AmericaFields()
{
    typedef DAMERICAPROP R;
    return {TextF(&R::S3),     TextF(&R::S1),     TextF(&R::S2),     TextF(&R::S6),     TextF(&R::S4),
            TextF(&R::S5),     ColorF(&R::C1),    TextF(&R::S9, 1),  TextF(&R::S7, 1),  TextF(&R::S8, 1),
            TextF(&R::S12, 1), TextF(&R::S10, 1), TextF(&R::S11, 1)};
}

inline std::vector<FieldLayout<DLINEPROP>> LineFields()
{
    typedef DLINEPROP R;
    return {IntF(&R::Thick),       IntF(&R::Shadow),     IntF(&R::I3),         IntF(&R::I5),
            TextF(&R::S1),         TextF(&R::S2),        TextF(&R::Title),     IntF(&R::BaseLine),
            TextF(&R::BaseName),   IntF(&R::Legend),     IntF(&R::PointStyle), ColorF(&R::LineColor),
            ColorF(&R::UpColor),   ColorF(&R::DownColor), TextF(&R::S5, 1),    TextF(&R::S6, 1),
            TextF(&R::S7, 1),      IntF(&R::PriceLevel, 2),
            // Versions 2 and 3 carried four texts here that are read and dropped.
            DroppedTextF<R>(2, 3), DroppedTextF<R>(2, 3), DroppedTextF<R>(2, 3), DroppedTextF<R>(2, 3),
            TextF(&R::S8, 4),      TextF(&R::S9, 4),     TextF(&R::S10, 4),    TextF(&R::S11, 4),
            TextF(&R::S12, 4),     TextF(&R::S13, 4),    TextF(&R::S14, 4),    TextF(&R::S15, 4),
            IntF(&R::I4, 3)};
}

inline std::vector<FieldLayout<DBARPROP>> BarFields()
{
    typedef DBARPROP R;
    return {IntF(&R::Shade),       TextF(&R::DataName),  TextF(&R::S2),        IntF(&R::BarMode),
            TextF(&R::RefName),    TextF(&R::BarName),   TextF(&R::BarName2),  TextF(&R::S6),
            IntF(&R::Legend),      ColorF(&R::BarColor), ColorF(&R::UpColor),  ColorF(&R::DownColor),
            TextF(&R::S7, 1),      TextF(&R::S8, 1),     TextF(&R::S9, 1),     TextF(&R::S10, 1),
            IntF(&R::BaseCenter, 2), IntF(&R::Stack, 3), TextF(&R::S11, 3),    TextF(&R::S12, 3),
            TextF(&R::S13, 3),     TextF(&R::S14, 3),    TextF(&R::StackName1, 3), TextF(&R::StackName2, 3),
            TextF(&R::S17, 3),     TextF(&R::S18, 3),    TextF(&R::S19, 3),    TextF(&R::S20, 3)};
}

inline std::vector<FieldLayout<DBARPROP2>> Bar2Fields()
{
    typedef DBARPROP2 R;
    return {IntF(&R::I1),      IntF(&R::I2),      IntF(&R::I3),      IntF(&R::I4),      TextF(&R::S1),
            TextF(&R::S2),     TextF(&R::S3),     TextF(&R::S4),     TextF(&R::S5),     TextF(&R::S6),
            TextF(&R::S7),     TextF(&R::S8),     IntF(&R::I5),      TextF(&R::S9),     IntF(&R::I6),
            IntF(&R::I8),      IntF(&R::I9),      IntF(&R::I7),      ColorF(&R::C1),    ColorF(&R::C2),
            ColorF(&R::C3),    ColorF(&R::C4),    ColorF(&R::C5),    ColorF(&R::C6),    TextF(&R::S10, 1),
            TextF(&R::S11, 1), TextF(&R::S12, 1), TextF(&R::S13, 1), TextF(&R::S14, 1)};
}

inline std::vector<FieldLayout<DHBARPROP>> HBarFields()
{
    typedef DHBARPROP R;
    return {TextF(&R::S1), TextF(&R::S2),         TextF(&R::S3),           TextF(&R::Title),
            IntF(&R::BaseMode), TextF(&R::S5),    ColorF(&R::UpColor),     ColorF(&R::DownColor),
            TextF(&R::S6), TextF(&R::S7),         TextF(&R::S8),           TextF(&R::S9)};
}

inline std::vector<FieldLayout<DPIEPROP>> PieFields()
{
    typedef DPIEPROP R;
    return {TextF(&R::S1), TextF(&R::S2), IntF(&R::I1),  IntF(&R::I2),   IntF(&R::I3),   IntF(&R::I4),
            IntF(&R::I5),  TextF(&R::S3), IntF(&R::I6),  IntF(&R::I7),   IntF(&R::I8),   IntF(&R::I9),
            IntF(&R::I10), IntF(&R::I11), IntF(&R::I12), IntF(&R::I13),  ColorF(&R::C1), ColorF(&R::C2),
            TextF(&R::S4, 1)};
}

inline std::vector<FieldLayout<DMEAMULPROP>> MeamulFields()
{
    typedef DMEAMULPROP R;
    return {IntF(&R::RIndexMargin), IntF(&R::LIndexMargin), IntF(&R::FontSize),    TextF(&R::S2),
            TextF(&R::S3),          TextF(&R::S4),          TextF(&R::S1),          TextF(&R::S5),
            TextF(&R::S6),          IntF(&R::ByPrice),      IntF(&R::I5),           TextF(&R::SellName),
            TextF(&R::BuyName),     TextF(&R::EvenName),    ColorF(&R::C1),         ColorF(&R::LineColor),
            ColorF(&R::SellColor),  ColorF(&R::BuyColor),   ColorF(&R::TextColor),  ColorF(&R::EvenColor),
            TextF(&R::S11, 1),      TextF(&R::S12, 1),      TextF(&R::S13, 1),      TextF(&R::S10, 1),
            TextF(&R::S14, 1),      TextF(&R::S15, 1),      IntF(&R::I6, 2),        IntF(&R::I7, 2),
            IntF(&R::I8, 3)};
}
