// Kind records of candles, high-low-close bars and lines: initial values and archive forms.
#include "KindRecords.h"

#include "record_archive.h"

DJAPANPROP::DJAPANPROP()
    : FallFill(0), RiseFill(0), FallColor(WORD(464)), RiseColor(WORD(465)), PriceBand(0), BidAskMode(0), BidAskSwap(0)
{
}

DJAPANPROP::~DJAPANPROP() {}

void DJAPANPROP::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    const int v = io.Version(3);
    io.Ints({&FallFill, &RiseFill});
    io.Texts({&S1, &S2, &S3, &S4, &S5, &S6, &S7, &S8});
    io.Colors({&RiseColor, &FallColor});
    if (v >= 1)
        io.Texts({&S10, &S11, &S12, &S13, &S14, &S15, &S16});
    if (v >= 2) {
        io.Int(PriceBand);
        io.Texts({&S17, &S18, &S19, &S20});
    }
    if (v >= 3) {
        io.Ints({&BidAskMode, &BidAskSwap});
        io.Texts({&S21, &S22, &S23, &S24, &S25, &S26, &S27, &S28});
    }
}

DAMERICAPROP::DAMERICAPROP() : C1(WORD(465)) {}

DAMERICAPROP::~DAMERICAPROP() {}

void DAMERICAPROP::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    const int v = io.Version(1);
    io.Texts({&S3, &S1, &S2, &S6, &S4, &S5});
    io.Color(C1);
    if (v >= 1)
        io.Texts({&S9, &S7, &S8, &S12, &S10, &S11});
}

DLINEPROP::DLINEPROP()
    : Thick(1), Shadow(0), I3(0), I4(0), I5(1), BaseLine(0), Legend(1), PointStyle(0), LineColor(WORD(466)),
      UpColor(WORD(465)), DownColor(WORD(464)), PriceLevel(0)
{
}

DLINEPROP::~DLINEPROP() {}

void DLINEPROP::Serialize(CArchive& ar)
{
    CRecordArchive io(ar);
    const int v = io.Version(4);
    io.Ints({&Thick, &Shadow, &I3, &I5});
    io.Texts({&S1, &S2, &Title});
    io.Int(BaseLine);
    io.Text(BaseName);
    io.Ints({&Legend, &PointStyle});
    io.Colors({&LineColor, &UpColor, &DownColor});
    if (v >= 1)
        io.Texts({&S5, &S6, &S7});
    if (v >= 2) {
        io.Int(PriceLevel);
        // Versions 2 and 3 kept four texts here, which nothing reads any more.
        if (v >= 4)
            io.Texts({&S8, &S9, &S10, &S11, &S12, &S13, &S14, &S15});
        else
            io.SkipTexts(4);
    }
    if (v >= 3)
        io.Int(I4);
}
