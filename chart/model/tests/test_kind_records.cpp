// Kind records: initial values, copies, and their archive forms in every version.
#include <gtest/gtest.h>

#include "kind_record_fields.h"

namespace {

TEST(KindRecordArchive, Japan) { CheckRecordArchive(JapanFields(), 3); }
TEST(KindRecordArchive, America) { CheckRecordArchive(AmericaFields(), 1); }
TEST(KindRecordArchive, Line) { CheckRecordArchive(LineFields(), 4); }
TEST(KindRecordArchive, Bar) { CheckRecordArchive(BarFields(), 3); }
TEST(KindRecordArchive, Bar2) { CheckRecordArchive(Bar2Fields(), 1); }
TEST(KindRecordArchive, HBar) { CheckRecordArchive(HBarFields(), 0); }
TEST(KindRecordArchive, Pie) { CheckRecordArchive(PieFields(), 1); }
TEST(KindRecordArchive, Meamul) { CheckRecordArchive(MeamulFields(), 3); }

TEST(KindRecords, InitialValues)
{
    DJAPANPROP japan;
    EXPECT_EQ(464, japan.FallColor.GetIndex());
    EXPECT_EQ(465, japan.RiseColor.GetIndex());
    EXPECT_EQ(0, japan.FallFill + japan.RiseFill + japan.PriceBand + japan.BidAskMode + japan.BidAskSwap);

    DLINEPROP line;
    EXPECT_EQ(1, line.Thick);
    EXPECT_EQ(1, line.I5);
    EXPECT_EQ(1, line.Legend);
    EXPECT_EQ(466, line.LineColor.GetIndex());
    EXPECT_EQ(0xFFFFFFu, line.LineColor.GetRGB());

    DBARPROP bar;
    EXPECT_EQ(469, bar.BarColor.GetIndex());
    EXPECT_STREQ("매도체결", bar.StackName1);
    EXPECT_STREQ("매수체결", bar.StackName2);

    DBARPROP2 bar2;
    EXPECT_EQ(1, bar2.I1 & bar2.I2 & bar2.I3 & bar2.I4);
    EXPECT_EQ(CCtlColor::Rgb(RGB(0, 234, 12)), bar2.C1);
    EXPECT_EQ(CCtlColor::Rgb(RGB(0, 0, 255)), bar2.C4);
    EXPECT_EQ(464, bar2.C6.GetIndex());

    DPIEPROP pie;
    EXPECT_EQ(30, pie.I6);
    EXPECT_EQ(60, pie.I7);
    EXPECT_EQ(468, pie.C1.GetIndex());

    DMEAMULPROP vap;
    EXPECT_EQ(60, vap.GetRIndexMargin());
    EXPECT_EQ(15, vap.GetLIndexMargin());
    EXPECT_EQ(11, vap.GetFontSize());
    EXPECT_STREQ("매도체결량", vap.SellName);
    EXPECT_STREQ("보합체결량", vap.EvenName);
    EXPECT_EQ(61, vap.EvenColor.GetIndex());

    DHBARPROP hbar;
    EXPECT_EQ(NULL, hbar.LinkedObject);
    EXPECT_EQ(465, hbar.UpColor.GetIndex());
}

TEST(KindRecords, JapanS9IsNeverArchived)
{
    DJAPANPROP source;
    source.S9 = "held";
    DJAPANPROP target;
    target.S9 = "mine";
    ASSERT_EQ(-1, LoadRecord(StoreRecord(source), target));
    EXPECT_STREQ("mine", target.S9);
    DJAPANPROP copy(source);
    EXPECT_STREQ("held", copy.S9);
}

TEST(KindRecords, HBarRunTimeFieldsStayOutOfAssignmentAndArchive)
{
    CDrawObject* pLinked = reinterpret_cast<CDrawObject*>(INT_PTR(0x1000)); // never followed
    DHBARPROP source;
    source.Title = "title";
    source.Style = 1;
    source.LinkedObject = pLinked;

    DHBARPROP copy(source);
    EXPECT_EQ(1, copy.Style);
    EXPECT_EQ(pLinked, copy.LinkedObject);

    DHBARPROP assigned;
    assigned = source;
    EXPECT_STREQ("title", assigned.Title);
    EXPECT_EQ(0, assigned.Style);
    EXPECT_EQ(NULL, assigned.LinkedObject);

    DHBARPROP loaded;
    loaded.Style = 1;
    ASSERT_EQ(-1, LoadRecord(StoreRecord(source), loaded));
    EXPECT_STREQ("title", loaded.Title);
    EXPECT_EQ(1, loaded.Style);
    EXPECT_EQ(NULL, loaded.LinkedObject);
}

} // namespace
