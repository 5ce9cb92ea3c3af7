// The eight kind records of the chart's drawing objects (kinds 0 to 8): their initial values,
// copies and archive forms. Fields keep their names where they have one, otherwise In, Sn, Cn:
// the n-th int, text or colour of the record in this order.
#pragma once

#include <afx.h>

#include "CtlColor.h"
#include "GraphKitApi.h"

class CDrawObject;

// Kind 1: candles.
class GRAPHKIT_API DJAPANPROP
{
public:
    DJAPANPROP();
    DJAPANPROP(const DJAPANPROP& src) = default;
    DJAPANPROP& operator=(const DJAPANPROP& src) = default;
    virtual ~DJAPANPROP();
    virtual void Serialize(CArchive& ar);

    int FallFill;
    int RiseFill;
    CString S1, S2, S3, S4, S5, S6, S7, S8;
    CCtlColor FallColor;
    CCtlColor RiseColor;
    CString S9, S10, S11, S12, S13, S14, S15, S16; // S9 is copied but never archived
    int PriceBand;
    CString S17, S18, S19, S20;
    int BidAskMode;
    int BidAskSwap;
    CString S21, S22, S23, S24, S25, S26, S27, S28;
};

// Kind 2: high-low-close bars.
class GRAPHKIT_API DAMERICAPROP
{
public:
    DAMERICAPROP();
    DAMERICAPROP(const DAMERICAPROP& src) = default;
    DAMERICAPROP& operator=(const DAMERICAPROP& src) = default;
    virtual ~DAMERICAPROP();
    virtual void Serialize(CArchive& ar);

    CString S1, S2, S3, S4, S5, S6;
    CCtlColor C1;
    CString S7, S8, S9, S10, S11, S12;
};

// Kinds 0 (line) and 5 (symbols).
class GRAPHKIT_API DLINEPROP
{
public:
    DLINEPROP();
    DLINEPROP(const DLINEPROP& src) = default;
    DLINEPROP& operator=(const DLINEPROP& src) = default;
    virtual ~DLINEPROP();
    virtual void Serialize(CArchive& ar);

    int Thick;
    int Shadow;
    int I3;
    int I4;
    int I5;
    CString S1, S2;
    CString Title;
    int BaseLine;
    CString BaseName;
    int Legend;
    int PointStyle;
    CCtlColor LineColor;
    CCtlColor UpColor;
    CCtlColor DownColor;
    CString S5, S6, S7;
    int PriceLevel;
    CString S8, S9, S10, S11, S12, S13, S14, S15;
};

// Kind 3: bars (also the volume bars).
class GRAPHKIT_API DBARPROP
{
public:
    DBARPROP();
    DBARPROP(const DBARPROP& src) = default;
    DBARPROP& operator=(const DBARPROP& src) = default;
    virtual ~DBARPROP();
    virtual void Serialize(CArchive& ar);

    int Shade;
    CString DataName;
    CString S2;
    int BarMode;
    CString RefName;
    CString BarName;
    CString BarName2;
    CString S6;
    int Legend;
    CCtlColor BarColor;
    CCtlColor UpColor;
    CCtlColor DownColor;
    CString S7, S8, S9, S10;
    int BaseCenter;
    int Stack;
    CString S11, S12, S13, S14;
    CString StackName1; // S15
    CString StackName2; // S16
    CString S17, S18, S19, S20;
};

// Kind 4: the second bar form.
class GRAPHKIT_API DBARPROP2
{
public:
    DBARPROP2();
    DBARPROP2(const DBARPROP2& src) = default;
    DBARPROP2& operator=(const DBARPROP2& src) = default;
    virtual ~DBARPROP2();
    virtual void Serialize(CArchive& ar);

    int I1, I2, I3, I4;
    CString S1, S2, S3, S4, S5, S6, S7, S8;
    int I5;
    CString S9;
    int I6, I7, I8, I9;
    CCtlColor C1, C2, C3, C4, C5, C6;
    CString S10, S11, S12, S13, S14;
};

// Kind 8: horizontal bars. Style and LinkedObject are run-time values: the copy constructor
// takes them, assignment and the archive leave them alone.
class GRAPHKIT_API DHBARPROP
{
public:
    DHBARPROP();
    DHBARPROP(const DHBARPROP& src) = default;
    DHBARPROP& operator=(const DHBARPROP& src);
    virtual ~DHBARPROP();
    virtual void Serialize(CArchive& ar);

    CString S1, S2, S3;
    CString Title; // S4
    int BaseMode;
    CString S5;
    CCtlColor UpColor;
    CCtlColor DownColor;
    CString S6, S7, S8, S9;
    int Style;
    CDrawObject* LinkedObject; // not owned
};

// Kind 6: pie.
class GRAPHKIT_API DPIEPROP
{
public:
    DPIEPROP();
    DPIEPROP(const DPIEPROP& src) = default;
    DPIEPROP& operator=(const DPIEPROP& src) = default;
    virtual ~DPIEPROP();
    virtual void Serialize(CArchive& ar);

    CString S1, S2;
    int I1, I2, I3, I4, I5;
    CString S3;
    int I6, I7, I8, I9, I10, I11, I12, I13;
    CCtlColor C1, C2;
    CString S4;
};

// Kind 7: volume at price.
class GRAPHKIT_API DMEAMULPROP
{
public:
    DMEAMULPROP();
    DMEAMULPROP(const DMEAMULPROP& src) = default;
    DMEAMULPROP& operator=(const DMEAMULPROP& src) = default;
    virtual ~DMEAMULPROP();
    virtual void Serialize(CArchive& ar);

    int GetRIndexMargin() const { return RIndexMargin; }
    int GetLIndexMargin() const { return LIndexMargin; }
    int GetFontSize() const { return FontSize; }

    int RIndexMargin;
    int LIndexMargin;
    int FontSize;
    CString S1, S2, S3, S4, S5, S6;
    int ByPrice; // I4
    int I5;
    CString SellName; // S7
    CString BuyName;  // S8
    CString EvenName; // S9
    CCtlColor C1;
    CCtlColor LineColor;
    CCtlColor SellColor;
    CCtlColor BuyColor;
    CCtlColor TextColor;
    CCtlColor EvenColor;
    CString S10, S11, S12, S13, S14, S15;
    int I6, I7, I8;
};
