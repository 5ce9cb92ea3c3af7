// Property string: the fields of each kind record, by the string's version.
#include "property_parser.h"

namespace propstring {

void ParseLineProp(DLINEPROP& r, Fields& f, int nLineOrder)
{
    static const int lineIndices[5] = {466, 467, 468, 87, 88};
    const int v = f.Version();
    f.OldFormColor(r.LineColor, nLineOrder < 5 ? lineIndices[nLineOrder] : -1);
    f.Ints({&r.Thick, &r.Shadow, &r.I3, &r.I5});
    f.Texts({&r.S1, &r.Title});
    f.Int(r.BaseLine);
    f.Text(r.BaseName);
    f.OldFormColor(r.UpColor, 465);
    f.OldFormColor(r.DownColor, 464);
    r.Legend = 1;
    if (v >= 2)
        f.Int(r.Legend);
    r.S2.Empty();
    if (v >= 6) {
        f.Text(r.S2);
        f.Add(1, r.S1);
        f.Add(2, r.S2);
    }
    r.PointStyle = 0;
    if (v >= 10)
        f.Int(r.PointStyle);
    if (v >= 15) {
        f.Texts({&r.S5, &r.S6, &r.S7});
        f.Add(4, r.S5);
        f.Add(5, r.S6);
        f.Add(3, r.BaseName);
        f.Add(6, r.S7);
    }
    if (v >= 19) {
        f.Int(r.PriceLevel);
        if (v < 25) {
            f.Skip(4);
        } else {
            f.Texts({&r.S8, &r.S9, &r.S10, &r.S11});
            f.Add(1, {&r.S8, &r.S10});
            f.Add(4, {&r.S9, &r.S11});
            f.Texts({&r.S12, &r.S13, &r.S14, &r.S15});
            f.Add(2, {&r.S12, &r.S14});
            f.Add(5, {&r.S13, &r.S15});
        }
    }
    if (v >= 24)
        f.Int(r.I4);
}

void ParseLine2Prop(DLINEPROP& r, Fields& f)
{
    f.Int(r.PointStyle);
    f.Texts({&r.S1, &r.Title});
    f.Ints({&r.Legend, &r.I5, &r.I3});
    f.Color(r.LineColor);
    f.Add(1, r.S1);
    if (f.Version() >= 15) {
        f.Text(r.S5);
        f.Add(4, r.S5);
    }
}

void ParseJapanProp(DJAPANPROP& r, Fields& f)
{
    const int v = f.Version();
    f.Ints({&r.FallFill, &r.RiseFill});
    f.OldFormColor(r.FallColor, -1);
    f.OldFormColor(r.RiseColor, -1);
    f.Texts({&r.S1, &r.S2, &r.S3, &r.S4});
    if (v >= 6) {
        f.Texts({&r.S5, &r.S6, &r.S7, &r.S8});
        f.Add(1, {&r.S1, &r.S2, &r.S3, &r.S4});
        f.Add(2, {&r.S5, &r.S6, &r.S7, &r.S8});
    } else {
        r.S5.Empty();
        r.S6.Empty();
        r.S7.Empty();
        r.S8.Empty();
    }
    if (v >= 15) {
        f.Texts({&r.S9, &r.S10, &r.S11, &r.S12, &r.S13, &r.S14, &r.S15, &r.S16});
        f.Add(4, {&r.S9, &r.S10, &r.S11, &r.S12});
        f.Add(5, {&r.S13, &r.S14, &r.S15, &r.S16});
    }
    if (v >= 19) {
        f.Int(r.PriceBand);
        f.Texts({&r.S17, &r.S18});
        f.Add(1, r.S17);
        f.Add(4, r.S18);
        f.Texts({&r.S19, &r.S20});
        f.Add(2, r.S19);
        f.Add(5, r.S20);
    }
    if (v >= 21) {
        f.Ints({&r.BidAskMode, &r.BidAskSwap});
        f.Texts({&r.S21, &r.S22, &r.S23, &r.S24});
        f.Add(1, {&r.S21, &r.S22});
        f.Add(2, {&r.S23, &r.S24});
        f.Texts({&r.S25, &r.S26, &r.S27, &r.S28});
        f.Add(4, {&r.S25, &r.S26});
        f.Add(5, {&r.S27, &r.S28});
    }
}

void ParseAmericaProp(DAMERICAPROP& r, Fields& f)
{
    const int v = f.Version();
    f.OldFormColor(r.C1, -1);
    f.Texts({&r.S1, &r.S2, &r.S3});
    if (v >= 6) {
        f.Texts({&r.S4, &r.S5, &r.S6});
        f.Add(1, {&r.S1, &r.S2, &r.S3});
        f.Add(2, {&r.S4, &r.S5, &r.S6});
    } else {
        r.S4.Empty();
        r.S5.Empty();
        r.S6.Empty();
    }
    if (v >= 15) {
        f.Texts({&r.S7, &r.S8, &r.S9, &r.S10, &r.S11, &r.S12});
        f.Add(4, {&r.S7, &r.S8, &r.S9});
        f.Add(5, {&r.S10, &r.S11, &r.S12});
    }
}

void ParseBarProp(DBARPROP& r, Fields& f)
{
    const int v = f.Version();
    f.OldFormColor(r.BarColor, -1);
    f.Int(r.Shade);
    f.Text(r.DataName);
    if (v >= 3) {
        f.Int(r.BarMode);
        if (v == 3)
            r.BarMode = r.BarMode != 0 ? 1 : 0;
        f.Text(r.RefName);
        f.OldFormColor(r.UpColor, 465);
        f.OldFormColor(r.DownColor, 464);
    } else {
        r.BarMode = 0;
        r.RefName.Empty();
        r.UpColor.SetIndex(59);
        r.DownColor.SetIndex(60);
    }
    r.S2.Empty();
    if (v >= 6) {
        f.Text(r.S2);
        f.Add(1, r.DataName);
        f.Add(2, r.S2);
    }
    r.BarName.Empty();
    if (v >= 8)
        f.Text(r.BarName);
    r.BarName2.Empty();
    r.S6.Empty();
    if (v >= 11)
        f.Texts({&r.BarName2, &r.S6});
    r.Legend = 0;
    if (v >= 14)
        f.Int(r.Legend);
    if (v >= 15) {
        f.Texts({&r.S7, &r.S8, &r.S9, &r.S10});
        f.Add(4, r.S7);
        f.Add(5, r.S8);
        f.Add(3, r.RefName);
        f.Add(6, r.S9);
    }
    if (v >= 16)
        f.Int(r.BaseCenter);
    if (v >= 21) {
        f.Int(r.Stack);
        f.Texts({&r.S11, &r.S12, &r.S13, &r.S14});
        f.Add(1, {&r.S11, &r.S12});
        f.Add(2, {&r.S13, &r.S14});
        f.Texts({&r.S17, &r.S18, &r.S19, &r.S20});
        f.Add(4, {&r.S17, &r.S18});
        f.Add(5, {&r.S19, &r.S20});
        f.Texts({&r.StackName1, &r.StackName2});
    }
}

void ParseBar2Prop(DBARPROP2& r, Fields& f)
{
    const int v = f.Version();
    f.Color(r.C1);
    f.Int(r.I1);
    f.Texts({&r.S1, &r.S5});
    f.Color(r.C2);
    f.Int(r.I2);
    f.Texts({&r.S2, &r.S6});
    f.Color(r.C3);
    f.Int(r.I3);
    f.Texts({&r.S3, &r.S7});
    f.Color(r.C4);
    f.Int(r.I4);
    f.Texts({&r.S4, &r.S8});
    f.Int(r.I5);
    f.Text(r.S9);
    f.Color(r.C5);
    f.Color(r.C6);
    r.I6 = 0;
    if (v >= 1)
        f.Int(r.I6);
    r.I8 = r.I9 = 0;
    if (v >= 2)
        f.Ints({&r.I8, &r.I9});
    f.Add(1, {&r.S1, &r.S2, &r.S3, &r.S4});
    if (v >= 15) {
        f.Texts({&r.S10, &r.S11, &r.S12, &r.S13});
        f.Add(4, {&r.S10, &r.S11, &r.S12, &r.S13});
        f.Text(r.S14);
        f.Add(3, r.S9);
        f.Add(6, r.S14);
    }
}

void ParsePieProp(DPIEPROP& r, Fields& f)
{
    f.Int(r.I1);
    f.Texts({&r.S1, &r.S2});
    f.Ints({&r.I2, &r.I3, &r.I4, &r.I5});
    f.Text(r.S3);
    f.Ints({&r.I6, &r.I7});
    f.Color(r.C1);
    f.Color(r.C2);
    f.Ints({&r.I8, &r.I9, &r.I10, &r.I11, &r.I12, &r.I13});
    f.Add(1, r.S1);
    if (f.Version() >= 15) {
        f.Text(r.S4);
        f.Add(4, r.S4);
    }
}

void ParseMeamulProp(DMEAMULPROP& r, Fields& f)
{
    const int v = f.Version();
    f.Skip(3);
    f.Texts({&r.S2, &r.S3, &r.S4, &r.S1, &r.S5, &r.S6});
    for (CCtlColor* p : {&r.C1, &r.LineColor, &r.SellColor, &r.BuyColor, &r.TextColor, &r.EvenColor})
        f.Color(*p);
    f.Ints({&r.ByPrice, &r.I5});
    f.Texts({&r.SellName, &r.BuyName, &r.EvenName});
    f.Add(1, {&r.S2, &r.S3, &r.S4, &r.S1, &r.S5, &r.S6});
    if (v >= 15) {
        f.Texts({&r.S11, &r.S12, &r.S13, &r.S10, &r.S14, &r.S15});
        f.Add(4, {&r.S11, &r.S12, &r.S13, &r.S10, &r.S14, &r.S15});
    }
    if (v >= 16)
        f.Ints({&r.I6, &r.I7});
    if (v >= 17)
        f.Int(r.I8);
}

void ParseHBarProp(DHBARPROP& r, Fields& f)
{
    f.Texts({&r.S1, &r.S2, &r.S3, &r.Title});
    f.Int(r.BaseMode);
    f.Text(r.S5);
    f.Texts({&r.S6, &r.S7, &r.S8, &r.S9});
    f.Color(r.UpColor);
    f.Color(r.DownColor);
    f.Add(1, {&r.S1, &r.S2, &r.S3});
    f.Add(3, r.S5);
    f.Add(4, {&r.S6, &r.S7, &r.S8});
    f.Add(6, r.S9);
}

} // namespace propstring
