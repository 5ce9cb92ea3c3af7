// Layout records: initial values, assignments that leave run-time fields alone, archive forms.
#include <gtest/gtest.h>

#include "layout_record_fields.h"

namespace {

TEST(LayoutRecordArchive, DrawObj) { CheckRecordArchive(DrawObjFields(), 2); }
TEST(LayoutRecordArchive, Time) { CheckRecordArchive(TimeFields(), 3); }
TEST(LayoutRecordArchive, Side) { CheckRecordArchive(SideFields(), 1); }

// A region is its three ints and both sides, each side with its own version byte.
Bytes RegionFixture(BYTE version, int i1, int tagOff, int reverse, const Bytes& left, const Bytes& right)
{
    return ByteWriter().Byte(version).Int(i1).Int(tagOff).Int(reverse).Raw(left).Raw(right).Get();
}

TEST(LayoutRecordArchive, Region)
{
    DREGIONDATA region;
    region.I1 = 3;
    region.TagOff = 1;
    region.Reverse = 1;
    region.I4 = 9;
    region.LeftSide.Unit = "left";
    region.RightSide.Unit = "right";
    region.RightSide.Fixed = 1;
    Bytes bytes = StoreRecord(region);
    EXPECT_EQ(RegionFixture(0, 3, 1, 1, StoreRecord(region.LeftSide), StoreRecord(region.RightSide)), bytes);

    DREGIONDATA loaded;
    loaded.I4 = 4;
    size_t consumed = 0;
    ASSERT_EQ(-1, LoadRecord(bytes, loaded, &consumed));
    EXPECT_EQ(bytes.size(), consumed);
    EXPECT_EQ(3, loaded.I1);
    EXPECT_EQ(1, loaded.TagOff);
    EXPECT_EQ(1, loaded.Reverse);
    EXPECT_EQ(4, loaded.I4); // run-time: the target's own
    EXPECT_STREQ("left", loaded.LeftSide.Unit);
    EXPECT_STREQ("right", loaded.RightSide.Unit);
    EXPECT_EQ(1, loaded.RightSide.Fixed);

    // A side of version 0 inside a region: no I11, its colour right after Decimals.
    DREGIONSIDEDATA side;
    Bytes oldSide = ByteWriter().Byte(0).Int(1).Int(2).Int(3).Text("u").Int(4).Int(5).Int(6).Int(7).Int(8)
                        .Color(0, 0x112233).Get();
    Bytes mixed = RegionFixture(0, 1, 0, 0, oldSide, StoreRecord(side));
    DREGIONDATA fromOld;
    ASSERT_EQ(-1, LoadRecord(mixed, fromOld, &consumed));
    EXPECT_EQ(mixed.size(), consumed);
    EXPECT_EQ(8, fromOld.LeftSide.Decimals);
    EXPECT_EQ(CCtlColor::Rgb(0x112233), fromOld.LeftSide.UnitColor);

    // Files of later releases load: the region's own version byte is not read, a newer side
    // is read like the written one.
    for (size_t at : {size_t(0), size_t(13)}) // the region's and the left side's version byte
    {
        Bytes newer = bytes;
        newer[at] = 7;
        DREGIONDATA fromNewer;
        ASSERT_EQ(-1, LoadRecord(newer, fromNewer, &consumed)) << "byte " << at;
        EXPECT_EQ(newer.size(), consumed) << "byte " << at;
        EXPECT_EQ(3, fromNewer.I1) << "byte " << at;
        EXPECT_STREQ("left", fromNewer.LeftSide.Unit) << "byte " << at;
        EXPECT_EQ(1, fromNewer.RightSide.Fixed) << "byte " << at;
    }

    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_EQ(CArchiveException::endOfFile, LoadRecord(Bytes(bytes.begin(), bytes.begin() + n), loaded));
}

TEST(LayoutRecords, InitialValues)
{
    DDRAWOBJDATA object;
    EXPECT_EQ(0, object.Kind);
    EXPECT_EQ(1, object.I3);
    EXPECT_EQ(NULL, object.KindProp);

    DTIMEDATA time;
    EXPECT_EQ(150, time.ViewCount);
    EXPECT_EQ(1, time.MinTerm);
    EXPECT_EQ(15, time.LIndexWidth);
    EXPECT_EQ(60, time.RIndexWidth);
    EXPECT_EQ(10, time.RMargin);
    EXPECT_EQ(11, time.I7);
    EXPECT_EQ(18, time.TimeHeight);

    DREGIONSIDEDATA side;
    EXPECT_EQ(99999999, side.EmptyValue);
    EXPECT_EQ(1, side.UnitColor.GetIndex());
    EXPECT_EQ(-1, side.FracBase);
    EXPECT_EQ(-1, side.Precision);

    DREGIONSTRUCTURE run;
    EXPECT_EQ(20, run.I1);
    EXPECT_EQ(0, run.Objects.GetSize());
}

TEST(LayoutRecords, DrawObjKindIsStoredKindWhateverI4Holds)
{
    // The kind record that follows is chosen by Kind; adding I4 to it would read the wrong one.
    Bytes bytes = ByteWriter().Byte(2).Int(3).Int(0).Int(1).Int(5).Int(0).Get();
    DDRAWOBJDATA object;
    ASSERT_EQ(-1, LoadRecord(bytes, object));
    EXPECT_EQ(3, object.Kind);
    EXPECT_EQ(5, object.I4);
    EXPECT_EQ(bytes, StoreRecord(object));
}

TEST(LayoutRecords, AssignmentsKeepRunTimeFields)
{
    int record = 0;
    DDRAWOBJDATA source;
    source.Kind = 3;
    source.KindProp = &record;
    DDRAWOBJDATA assigned;
    assigned = source;
    EXPECT_EQ(3, assigned.Kind);
    EXPECT_EQ(NULL, assigned.KindProp);
    EXPECT_EQ(&record, DDRAWOBJDATA(source).KindProp);

    DREGIONSIDEDATA side;
    side.Unit = "won";
    side.TagValue = 7;
    side.TagState = 1;
    side.FracBase = 32;
    side.Precision = 2;
    side.I11 = 4;
    DREGIONSIDEDATA sideAssigned;
    sideAssigned = side;
    EXPECT_STREQ("won", sideAssigned.Unit);
    EXPECT_EQ(4, sideAssigned.I11);
    EXPECT_EQ(0, sideAssigned.TagValue);
    EXPECT_EQ(0, sideAssigned.TagState);
    EXPECT_EQ(-1, sideAssigned.FracBase);
    EXPECT_EQ(-1, sideAssigned.Precision);
    DREGIONSIDEDATA sideCopy(side);
    EXPECT_EQ(7, sideCopy.TagValue);
    EXPECT_EQ(32, sideCopy.FracBase);

    DREGIONDATA region;
    region.I4 = 5;
    region.LeftSide = side;
    region.LeftSide.TagValue = 7;
    DREGIONDATA regionAssigned;
    regionAssigned = region;
    EXPECT_EQ(0, regionAssigned.I4);
    EXPECT_STREQ("won", regionAssigned.LeftSide.Unit);
    EXPECT_EQ(0, regionAssigned.LeftSide.TagValue);
    DREGIONDATA regionCopy(region);
    EXPECT_EQ(5, regionCopy.I4);
    EXPECT_EQ(7, regionCopy.LeftSide.TagValue);
}

TEST(LayoutRecords, SetInitKeepsFractionSettingsAndRgb)
{
    DREGIONSIDEDATA side;
    side.Unit = "x";
    side.Fixed = 1;
    side.TagValue = 3;
    side.FracBase = 8;
    side.Precision = 3;
    side.UnitColor = CCtlColor("500:001002003");
    side.SetInit();
    EXPECT_TRUE(side.Unit.IsEmpty());
    EXPECT_EQ(0, side.Fixed);
    EXPECT_EQ(0, side.TagValue);
    EXPECT_EQ(99999999, side.EmptyValue);
    EXPECT_EQ(8, side.FracBase);
    EXPECT_EQ(3, side.Precision);
    EXPECT_EQ(1, side.UnitColor.GetIndex());
    EXPECT_EQ(RGB(1, 2, 3), side.UnitColor.GetRGB());

    DREGIONSTRUCTURE run;
    run.I1 = 5;
    run.I3 = 2;
    run.LeftSide.Fixed = 1;
    run.Objects.Add(NULL);
    run.SetInit();
    EXPECT_EQ(20, run.I1);
    EXPECT_EQ(0, run.I3);
    EXPECT_EQ(0, run.LeftSide.Fixed);
    EXPECT_EQ(1, run.Objects.GetSize());
}

} // namespace
