// Layout records: initial values, assignments that leave run-time fields alone, archive forms.
#include "LayoutRecords.h"

#include "record_archive.h"

DDRAWOBJDATA::DDRAWOBJDATA() : Kind(0), I2(0), I3(1), I4(0), I5(0), KindProp(NULL) {}

DDRAWOBJDATA& DDRAWOBJDATA::operator=(const DDRAWOBJDATA& src)
{
    Kind = src.Kind;
    I2 = src.I2;
    I3 = src.I3;
    I4 = src.I4;
    I5 = src.I5;
    return *this;
}

DDRAWOBJDATA::~DDRAWOBJDATA() {}

void DDRAWOBJDATA::Serialize(CArchive& ar)
{
    // I4 is kept beside Kind, never added to it: the property set picks the kind record that
    // follows by Kind alone, as the writer did.
    CRecordArchive io(ar);
    const int v = io.Version(2);
    io.Ints({&Kind, &I2, &I3});
    if (v >= 1)
        io.Int(I4);
    if (v >= 2)
        io.Int(I5);
}

DTIMEDATA::DTIMEDATA()
    : TimeKind(0), ViewCount(150), MinTerm(1), LIndexWidth(15), RIndexWidth(60), RMargin(10), I7(11), I8(0), I9(0),
      I10(0), I11(0), I12(0), TimeHeight(18), LabelDir(0), XDivisor(0), XDecimals(0)
{
}

DTIMEDATA::~DTIMEDATA() {}

void DTIMEDATA::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    const int v = io.Version(3);
    io.Ints({&TimeKind, &ViewCount});
    io.Texts({&S1, &S2});
    io.Ints({&MinTerm, &LIndexWidth, &RIndexWidth, &RMargin, &I7, &I8, &I9, &I10, &I11, &I12, &TimeHeight, &LabelDir});
    if (v >= 1)
        io.Texts({&S3, &S5, &S6, &S4});
    if (v >= 2)
        io.Ints({&XDivisor, &XDecimals});
    if (v >= 3)
        io.Text(XName);
}

DREGIONSIDEDATA::DREGIONSIDEDATA()
{
    SetInit();
    FracBase = -1;
    Precision = -1;
}

DREGIONSIDEDATA& DREGIONSIDEDATA::operator=(const DREGIONSIDEDATA& src)
{
    I1 = src.I1;
    I2 = src.I2;
    EmptyValue = src.EmptyValue;
    Unit = src.Unit;
    Divisor = src.Divisor;
    Fixed = src.Fixed;
    FixedMax = src.FixedMax;
    FixedMin = src.FixedMin;
    Decimals = src.Decimals;
    UnitColor = src.UnitColor;
    I11 = src.I11;
    return *this;
}

DREGIONSIDEDATA::~DREGIONSIDEDATA() {}

void DREGIONSIDEDATA::SetInit()
{
    I1 = 0;
    I2 = 0;
    EmptyValue = 99999999;
    Unit.Empty();
    Divisor = 0;
    Fixed = 0;
    FixedMax = 0;
    FixedMin = 0;
    Decimals = 0;
    UnitColor.SetIndex(1);
    TagValue = 0;
    TagState = 0;
    I11 = 0;
}

void DREGIONSIDEDATA::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    const int v = io.Version(1);
    io.Ints({&I1, &I2, &EmptyValue});
    io.Text(Unit);
    io.Ints({&Divisor, &Fixed, &FixedMax, &FixedMin, &Decimals});
    if (v >= 1)
        io.Int(I11);
    io.Color(UnitColor);
}

DREGIONDATA::DREGIONDATA() : I1(0), TagOff(0), Reverse(0), I4(0) {}

DREGIONDATA& DREGIONDATA::operator=(const DREGIONDATA& src)
{
    I1 = src.I1;
    TagOff = src.TagOff;
    Reverse = src.Reverse;
    LeftSide = src.LeftSide;
    RightSide = src.RightSide;
    return *this;
}

DREGIONDATA::~DREGIONDATA() {}

void DREGIONDATA::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    io.IgnoredVersion(0);
    io.Ints({&I1, &TagOff, &Reverse});
    LeftSide.Serialize(ar);
    RightSide.Serialize(ar);
}

DREGIONSTRUCTURE::DREGIONSTRUCTURE() : I1(20), I2(0), I3(0), I4(0) {}

DREGIONSTRUCTURE::~DREGIONSTRUCTURE() {}

void DREGIONSTRUCTURE::SetInit()
{
    I1 = 20;
    I2 = 0;
    I3 = 0;
    I4 = 0;
    LeftSide.SetInit();
    RightSide.SetInit();
}
