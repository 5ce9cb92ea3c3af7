// Kind records of bars, the second bar form and horizontal bars: initial values, the
// horizontal bars' assignment and the archive forms.
#include "KindRecords.h"

#include "record_archive.h"

DBARPROP::DBARPROP()
    : Shade(0), BarMode(0), Legend(0), BarColor(WORD(469)), UpColor(WORD(465)), DownColor(WORD(464)), BaseCenter(0),
      Stack(0), StackName1("매도체결"), StackName2("매수체결")
{
}

DBARPROP::~DBARPROP() {}

void DBARPROP::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    const int v = io.Version(3);
    io.Int(Shade);
    io.Texts({&DataName, &S2});
    io.Int(BarMode);
    io.Texts({&RefName, &BarName, &BarName2, &S6});
    io.Int(Legend);
    io.Colors({&BarColor, &UpColor, &DownColor});
    if (v >= 1)
        io.Texts({&S7, &S8, &S9, &S10});
    if (v >= 2)
        io.Int(BaseCenter);
    if (v >= 3) {
        io.Int(Stack);
        io.Texts({&S11, &S12, &S13, &S14, &StackName1, &StackName2, &S17, &S18, &S19, &S20});
    }
}

DBARPROP2::DBARPROP2()
    : I1(1), I2(1), I3(1), I4(1), I5(0), I6(0), I7(0), I8(0), I9(0), C1(COLORREF(RGB(0, 234, 12))),
      C2(COLORREF(RGB(100, 234, 12))), C3(COLORREF(RGB(100, 234, 100))), C4(COLORREF(RGB(0, 0, 255))), C5(WORD(465)),
      C6(WORD(464))
{
}

DBARPROP2::~DBARPROP2() {}

void DBARPROP2::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    const int v = io.Version(1);
    io.Ints({&I1, &I2, &I3, &I4});
    io.Texts({&S1, &S2, &S3, &S4, &S5, &S6, &S7, &S8});
    io.Int(I5);
    io.Text(S9);
    io.Ints({&I6, &I8, &I9, &I7});
    io.Colors({&C1, &C2, &C3, &C4, &C5, &C6});
    if (v >= 1)
        io.Texts({&S10, &S11, &S12, &S13, &S14});
}

DHBARPROP::DHBARPROP() : BaseMode(0), UpColor(WORD(465)), DownColor(WORD(464)), Style(0), LinkedObject(NULL) {}

DHBARPROP::~DHBARPROP() {}

DHBARPROP& DHBARPROP::operator=(const DHBARPROP& src)
{
    S1 = src.S1;
    S2 = src.S2;
    S3 = src.S3;
    Title = src.Title;
    BaseMode = src.BaseMode;
    S5 = src.S5;
    UpColor = src.UpColor;
    DownColor = src.DownColor;
    S6 = src.S6;
    S7 = src.S7;
    S8 = src.S8;
    S9 = src.S9;
    return *this;
}

void DHBARPROP::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    io.IgnoredVersion(0);
    io.Texts({&S1, &S2, &S3, &Title});
    io.Int(BaseMode);
    io.Text(S5);
    io.Colors({&UpColor, &DownColor});
    io.Texts({&S6, &S7, &S8, &S9});
}
