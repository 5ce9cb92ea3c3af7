// Kind records of the pie and of volume at price: initial values and archive forms.
#include "KindRecords.h"

#include "record_archive.h"

DPIEPROP::DPIEPROP()
    : I1(1), I2(0), I3(0), I4(1), I5(0), I6(30), I7(60), I8(1), I9(3), I10(4), I11(4), I12(2), I13(2), C1(WORD(468)),
      C2(WORD(1))
{
}

DPIEPROP::~DPIEPROP() {}

void DPIEPROP::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    const int v = io.Version(1);
    io.Texts({&S1, &S2});
    io.Ints({&I1, &I2, &I3, &I4, &I5});
    io.Text(S3);
    io.Ints({&I6, &I7, &I8, &I9, &I10, &I11, &I12, &I13});
    io.Colors({&C1, &C2});
    if (v >= 1)
        io.Text(S4);
}

DMEAMULPROP::DMEAMULPROP()
    : RIndexMargin(60), LIndexMargin(15), FontSize(11), ByPrice(0), I5(0), SellName("매도체결량"),
      BuyName("매수체결량"), EvenName("보합체결량"), C1(WORD(179)), LineColor(WORD(181)), SellColor(WORD(464)),
      BuyColor(WORD(465)), TextColor(WORD(1)), EvenColor(WORD(61)), I6(0), I7(0), I8(0)
{
}

DMEAMULPROP::~DMEAMULPROP() {}

void DMEAMULPROP::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    const int v = io.Version(3);
    io.Ints({&RIndexMargin, &LIndexMargin, &FontSize});
    io.Texts({&S2, &S3, &S4, &S1, &S5, &S6});
    io.Ints({&ByPrice, &I5});
    io.Texts({&SellName, &BuyName, &EvenName});
    io.Colors({&C1, &LineColor, &SellColor, &BuyColor, &TextColor, &EvenColor});
    if (v >= 1)
        io.Texts({&S11, &S12, &S13, &S10, &S14, &S15});
    if (v >= 2)
        io.Ints({&I6, &I7});
    if (v >= 3)
        io.Int(I8);
}
