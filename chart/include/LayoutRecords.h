// The layout records of a chart: the draw-object header, the time axis, a value-axis side, a
// region as stored and a region at run time. Fields keep their names where they have one,
// otherwise In, Sn, Cn: the n-th int, text or colour of the record in this order.
#pragma once

#include <afx.h>
#include <afxtempl.h>

#include "CtlColor.h"
#include "GraphKitApi.h"

class CDrawObject;

// Header of a draw object. Kind (0 to 8) selects its kind record, to which KindProp points;
// the property set owns that record. The copy constructor copies the pointer, assignment and
// the archive leave it alone.
class GRAPHKIT_API DDRAWOBJDATA
{
public:
    DDRAWOBJDATA();
    DDRAWOBJDATA(const DDRAWOBJDATA& src) = default;
    DDRAWOBJDATA& operator=(const DDRAWOBJDATA& src);
    virtual ~DDRAWOBJDATA();
    virtual void Serialize(CArchive& ar);

    int Kind;
    int I2;
    int I3;
    int I4;
    int I5;
    void* KindProp;
};

// The time axis.
class GRAPHKIT_API DTIMEDATA
{
public:
    DTIMEDATA();
    DTIMEDATA(const DTIMEDATA& src) = default;
    DTIMEDATA& operator=(const DTIMEDATA& src) = default;
    virtual ~DTIMEDATA();
    virtual void Serialize(CArchive& ar);

    int TimeKind;
    int ViewCount; // I2
    CString S1, S2;
    int MinTerm;     // I3
    int LIndexWidth; // I4
    int RIndexWidth; // I5
    int RMargin;     // I6
    int I7, I8, I9, I10;
    int I11; // move-with-data switch of real-time appends
    int I12; // real-time appends reset the property set's counter
    int TimeHeight; // I13
    int LabelDir;   // I14
    CString S3, S4, S5, S6;
    int XDivisor;  // I15
    int XDecimals; // I16
    CString XName; // S7
};

// One value-axis side of a region. TagValue, TagState, FracBase and Precision are run-time
// values: the copy constructor takes them, assignment and the archive leave them alone.
class GRAPHKIT_API DREGIONSIDEDATA
{
public:
    DREGIONSIDEDATA();
    DREGIONSIDEDATA(const DREGIONSIDEDATA& src) = default;
    DREGIONSIDEDATA& operator=(const DREGIONSIDEDATA& src);
    virtual ~DREGIONSIDEDATA();
    virtual void Serialize(CArchive& ar);

    // Everything back to its initial value but FracBase and Precision and the RGB of UnitColor.
    void SetInit();

    int I1;
    int I2;
    int EmptyValue; // I3
    CString Unit;   // S1
    int Divisor;    // I4
    int Fixed;      // I5
    int FixedMax;   // I6
    int FixedMin;   // I7
    int Decimals;   // I8
    CCtlColor UnitColor;
    int TagValue; // I9
    int TagState; // I10
    int I11;
    int FracBase;  // I12
    int Precision; // I13
};

// A region as stored. I4 is a run-time value, taken by the copy constructor only.
class GRAPHKIT_API DREGIONDATA
{
public:
    DREGIONDATA();
    DREGIONDATA(const DREGIONDATA& src) = default;
    DREGIONDATA& operator=(const DREGIONDATA& src);
    virtual ~DREGIONDATA();
    virtual void Serialize(CArchive& ar);

    int I1;
    int TagOff;  // I2
    int Reverse; // I3
    int I4;
    DREGIONSIDEDATA LeftSide;
    DREGIONSIDEDATA RightSide;
};

// A region at run time; it has no archive form and does not own the objects it lists.
class GRAPHKIT_API DREGIONSTRUCTURE
{
public:
    DREGIONSTRUCTURE();
    virtual ~DREGIONSTRUCTURE();
    void SetInit();

    int I1;
    int I2;
    int I3;
    int I4;
    DREGIONSIDEDATA LeftSide;
    DREGIONSIDEDATA RightSide;
    CArray<CDrawObject*, CDrawObject*> Objects;

private:
    DREGIONSTRUCTURE(const DREGIONSTRUCTURE&) = delete;
    DREGIONSTRUCTURE& operator=(const DREGIONSTRUCTURE&) = delete;
};
