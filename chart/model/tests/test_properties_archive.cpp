// The property set's archive: its layout, older versions, the colour indices old archives
// lacked, and loads that fail leaving the model as it was.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Properties.h"
#include "model_with_lists.h"
#include "kind_record_fields.h"
#include "layout_record_fields.h"

namespace {

typedef ModelWithLists Model;

Bytes Store(CProperties& props) { return StoreRecord(props); }

DDRAWOBJDATA* AddObject(CProperties& props, int kind)
{
    DDRAWOBJDATA* pObject = new DDRAWOBJDATA;
    pObject->Kind = kind;
    pObject->I2 = 10 + kind;
    pObject->KindProp = NewKindRecord(kind);
    props.m_ObjectList.AddTail(pObject);
    return pObject;
}

// Regions, an object of every kind and one of a kind without a record, names, settings.
void Fill(Model& m)
{
    CProperties& p = m.props;
    p.m_TimeData.TimeKind = 3;
    p.m_TimeData.XName = "x";
    for (int i = 0; i < 2; ++i) {
        DREGIONDATA* pRegion = new DREGIONDATA;
        pRegion->I1 = 40 + i;
        pRegion->RightSide.Unit = "won";
        p.m_RegionList.AddTail(pRegion);
    }
    for (int kind = 0; kind <= 8; ++kind)
        AddObject(p, kind);
    AddObject(p, 12);
    static_cast<DLINEPROP*>(p.m_ObjectList.GetHead()->KindProp)->Title = "close";
    static_cast<DLINEPROP*>(p.m_ObjectList.GetHead()->KindProp)->LineColor = CCtlColor::Rgb(0x0000FF);
    static_cast<DHBARPROP*>(p.m_ObjectList.GetAt(p.m_ObjectList.FindIndex(8))->KindProp)->Title = "levels";
    p.m_clrBack = CCtlColor::Rgb(0x102030);
    p.m_strFont = "굴림체,-12,700,0,0,0";
    p.m_bDefaultCount = 1;
    p.m_nDefaultCount = 60;
    p.m_nCategoryAxis = 2;
    for (int i = 0; i < 6; ++i)
        m.lists[i].Add(("name" + std::to_string(i)).c_str());
}

template <class R>
void ExpectSameRecord(const std::vector<FieldLayout<R>>& fields, const DDRAWOBJDATA& a, const DDRAWOBJDATA& b)
{
    ExpectSameFields(fields, *static_cast<const R*>(a.KindProp), *static_cast<const R*>(b.KindProp),
                     "kind " + std::to_string(a.Kind));
}

TEST(PropertiesArchive, EmptyModelLayout)
{
    Model m;
    Bytes bytes = Store(m.props);
    ByteWriter expected;
    expected.Byte(8).Raw(StoreRecord(m.props.m_TimeData)).Dword(0).Dword(0).Color(0, 0xFFFFFF)
        .Text("MS Shell Dlg 2,-12,400,0,0,0").Dword(0).Dword(0).Dword(0);
    for (int i = 0; i < 6; ++i)
        expected.Word(0);
    EXPECT_EQ(expected.Get(), bytes);

    Model back;
    back.props.m_strFont = "other";
    size_t consumed = 0;
    ASSERT_EQ(-1, LoadRecord(bytes, back.props, &consumed));
    EXPECT_EQ(bytes.size(), consumed);
    EXPECT_EQ(bytes, Store(back.props));
}

TEST(PropertiesArchive, FullModelRoundTrip)
{
    Model m;
    Fill(m);
    Bytes bytes = Store(m.props);

    Model back;
    // The canvas's own references stay as they are.
    CStringArray categories;
    CTimeDataCell* pTimeCell = reinterpret_cast<CTimeDataCell*>(INT_PTR(0x2000)); // never followed
    back.props.m_pCategoryTexts = &categories;
    back.props.m_pTimeCell = pTimeCell;
    back.props.m_nRealCount = 3;
    CStringArray* pListsBefore[6];
    for (int i = 0; i < 6; ++i)
        pListsBefore[i] = back.props.GetNameList(i + 1);
    size_t consumed = 0;
    ASSERT_EQ(-1, LoadRecord(bytes, back.props, &consumed));
    EXPECT_EQ(bytes.size(), consumed);

    CProperties& p = back.props;
    EXPECT_EQ(3, p.m_TimeData.TimeKind);
    EXPECT_STREQ("x", p.m_TimeData.XName);
    ASSERT_EQ(2, p.m_RegionList.GetCount());
    EXPECT_EQ(41, p.m_RegionList.GetTail()->I1);
    EXPECT_STREQ("won", p.m_RegionList.GetTail()->RightSide.Unit);
    ASSERT_EQ(10, p.m_ObjectList.GetCount());
    POSITION posA = m.props.m_ObjectList.GetHeadPosition();
    POSITION posB = p.m_ObjectList.GetHeadPosition();
    while (posA != NULL) {
        const DDRAWOBJDATA& a = *m.props.m_ObjectList.GetNext(posA);
        const DDRAWOBJDATA& b = *p.m_ObjectList.GetNext(posB);
        ExpectSameFields(DrawObjFields(), a, b, "header");
        switch (a.Kind) {
        case 0:
        case 5: ExpectSameRecord(LineFields(), a, b); break;
        case 1: ExpectSameRecord(JapanFields(), a, b); break;
        case 2: ExpectSameRecord(AmericaFields(), a, b); break;
        case 3: ExpectSameRecord(BarFields(), a, b); break;
        case 4: ExpectSameRecord(Bar2Fields(), a, b); break;
        case 6: ExpectSameRecord(PieFields(), a, b); break;
        case 7: ExpectSameRecord(MeamulFields(), a, b); break;
        case 8: ExpectSameRecord(HBarFields(), a, b); break;
        default: EXPECT_EQ(NULL, b.KindProp); break;
        }
    }
    EXPECT_EQ(CCtlColor::Rgb(0x102030), p.m_clrBack);
    EXPECT_STREQ("굴림체,-12,700,0,0,0", p.m_strFont);
    EXPECT_EQ(1, p.m_bDefaultCount);
    EXPECT_EQ(60, p.m_nDefaultCount);
    EXPECT_EQ(2, p.m_nCategoryAxis);
    EXPECT_EQ(&categories, p.m_pCategoryTexts);
    EXPECT_EQ(pTimeCell, p.m_pTimeCell);
    EXPECT_EQ(3, p.m_nRealCount);
    // The lists are still the canvas's own objects, now holding the loaded names.
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pListsBefore[i], p.GetNameList(i + 1));
        ASSERT_EQ(1, back.lists[i].GetSize());
        EXPECT_STREQ(("name" + std::to_string(i)).c_str(), back.lists[i][0]);
    }
    // Loaded again, it stores the same.
    Bytes again = Store(p);
    Model third;
    ASSERT_EQ(-1, LoadRecord(again, third.props));
    EXPECT_EQ(again, Store(third.props));
}

TEST(PropertiesArchive, ShortArchiveLeavesTheModelAlone)
{
    Model source;
    Fill(source);
    Bytes bytes = Store(source.props);

    Model target;
    target.props.m_TimeData.TimeKind = 5;
    target.props.m_strFont = "before";
    AddObject(target.props, 1);
    target.lists[0].Add("before");
    const Bytes before = Store(target.props);
    for (size_t n = 0; n < bytes.size(); ++n) {
        ASSERT_EQ(CArchiveException::endOfFile, LoadRecord(Bytes(bytes.begin(), bytes.begin() + n), target.props))
            << "cut at " << n;
        ASSERT_EQ(before, Store(target.props)) << "cut at " << n;
        ASSERT_EQ(1, target.lists[0].GetSize()) << "cut at " << n;
        ASSERT_EQ(0, target.lists[1].GetSize()) << "cut at " << n;
    }
}

TEST(PropertiesArchive, BadArchivesLeaveTheModelAlone)
{
    Model m;
    Fill(m);
    const Bytes before = Store(m.props);

    struct
    {
        const char* what;
        Bytes bytes;
        int cause;
    } cases[] = {
        {"newer version", ByteWriter().Byte(9).Raw(Bytes(before.begin() + 1, before.end())).Get(),
         CArchiveException::badSchema},
        {"region count beyond the data",
         ByteWriter().Byte(8).Raw(StoreRecord(m.props.m_TimeData)).Dword(0xFFFFFFFF).Get(),
         CArchiveException::endOfFile},
        {"name count beyond the data",
         ByteWriter().Byte(8).Raw(StoreRecord(m.props.m_TimeData)).Dword(0).Dword(0).Color(0, 0).Text("f")
             .Dword(0).Dword(0).Dword(0).Word(0xFFFF).Dword(0xFFFFFFF0).Get(),
         CArchiveException::endOfFile},
        {"object record cut after its version",
         ByteWriter().Byte(8).Raw(StoreRecord(m.props.m_TimeData)).Dword(0).Dword(1).Byte(3).Get(),
         CArchiveException::endOfFile},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.cause, LoadRecord(c.bytes, m.props)) << c.what;
        EXPECT_EQ(before, Store(m.props)) << c.what;
        EXPECT_EQ(1, m.lists[5].GetSize()) << c.what;
    }
}

// An archive of an older version: the time record, no regions, the given objects (header and
// record bytes), the background as that version kept it, the font, the counts and the lists.
Bytes OldArchive(int version, const std::vector<Bytes>& objects, DWORD background)
{
    ByteWriter w;
    DTIMEDATA time;
    time.ViewCount = 77;
    w.Byte(BYTE(version)).Raw(StoreRecord(time)).Dword(0).Dword(DWORD(objects.size()));
    for (const Bytes& object : objects)
        w.Raw(object);
    if (version >= 6)
        w.Color(0, background);
    else
        w.Dword(background);
    w.Text("font");
    if (version >= 3)
        w.Dword(1).Dword(25);
    if (version >= 5)
        w.Dword(1);
    for (int i = 0; i < (version >= 4 ? 6 : 3); ++i)
        w.Word(1).Text("list" + std::to_string(i + 1));
    return w.Get();
}

Bytes LineObject(WORD index)
{
    DDRAWOBJDATA header;
    DLINEPROP line;
    line.LineColor = CCtlColor::Index(index);
    line.UpColor = CCtlColor::Index(7);
    Bytes bytes = StoreRecord(header);
    Bytes record = StoreRecord(line);
    bytes.insert(bytes.end(), record.begin(), record.end());
    return bytes;
}

TEST(PropertiesArchive, OlderVersionsRead)
{
    for (int version = 0; version <= 8; ++version) {
        Model m;
        Bytes bytes = OldArchive(version, {}, 0x0000FF);
        size_t consumed = 0;
        ASSERT_EQ(-1, LoadRecord(bytes, m.props, &consumed)) << version;
        EXPECT_EQ(bytes.size(), consumed) << version;
        EXPECT_EQ(77, m.props.m_TimeData.ViewCount);
        EXPECT_EQ(CCtlColor::Rgb(0x0000FF), m.props.m_clrBack) << version;
        EXPECT_STREQ("font", m.props.m_strFont);
        EXPECT_EQ(version >= 3 ? 1 : 0, m.props.m_bDefaultCount) << version;
        EXPECT_EQ(version >= 3 ? 25 : 0, m.props.m_nDefaultCount) << version;
        EXPECT_EQ(version >= 5 ? 1 : 0, m.props.m_nCategoryAxis) << version;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(i < 3 || version >= 4 ? 1 : 0, m.lists[i].GetSize()) << version << " list " << i;
    }
}

TEST(PropertiesArchive, OldArchivesGetTheSchemeColourIndices)
{
    std::vector<Bytes> objects;
    for (int i = 0; i < 6; ++i)
        objects.push_back(LineObject(WORD(300 + i)));
    struct
    {
        int version;
        int expected[6];
    } cases[] = {{7, {466, 467, 468, 87, 88, 305}}, {8, {300, 301, 302, 303, 304, 305}}};
    for (const auto& c : cases) {
        Model m;
        ASSERT_EQ(-1, LoadRecord(OldArchive(c.version, objects, 0), m.props));
        ASSERT_EQ(6, m.props.m_ObjectList.GetCount());
        int i = 0;
        for (POSITION pos = m.props.m_ObjectList.GetHeadPosition(); pos != NULL; ++i) {
            const DLINEPROP* pLine = static_cast<const DLINEPROP*>(m.props.m_ObjectList.GetNext(pos)->KindProp);
            EXPECT_EQ(c.expected[i], pLine->LineColor.GetIndex()) << c.version << " object " << i;
            EXPECT_EQ(c.version < 8 ? 465 : 7, pLine->UpColor.GetIndex());
        }
    }
}

TEST(PropertiesArchive, OldArchiveIndicesOfCandlesAndBars)
{
    DDRAWOBJDATA candleHeader;
    candleHeader.Kind = 1;
    DJAPANPROP candle;
    candle.FallColor = CCtlColor::Index(5);
    candle.RiseColor = CCtlColor::Index(6);
    DDRAWOBJDATA barHeader;
    barHeader.Kind = 3;
    DBARPROP bar;
    bar.BarColor = CCtlColor::Index(5);
    bar.UpColor = CCtlColor::Index(6);
    bar.DownColor = CCtlColor::Index(8);
    Bytes candleBytes = StoreRecord(candleHeader), candleRecord = StoreRecord(candle);
    candleBytes.insert(candleBytes.end(), candleRecord.begin(), candleRecord.end());
    Bytes barBytes = StoreRecord(barHeader), barRecord = StoreRecord(bar);
    barBytes.insert(barBytes.end(), barRecord.begin(), barRecord.end());

    Model m;
    ASSERT_EQ(-1, LoadRecord(OldArchive(5, {candleBytes, barBytes}, 0), m.props));
    const DJAPANPROP* pCandle = static_cast<const DJAPANPROP*>(m.props.m_ObjectList.GetHead()->KindProp);
    EXPECT_EQ(464, pCandle->FallColor.GetIndex());
    EXPECT_EQ(465, pCandle->RiseColor.GetIndex());
    const DBARPROP* pBar = static_cast<const DBARPROP*>(m.props.m_ObjectList.GetTail()->KindProp);
    EXPECT_EQ(469, pBar->BarColor.GetIndex());
    EXPECT_EQ(465, pBar->UpColor.GetIndex());
    EXPECT_EQ(464, pBar->DownColor.GetIndex());
}

TEST(PropertiesArchive, ConstructionValues)
{
    CProperties p;
    EXPECT_EQ(100, p.m_TimeData.ViewCount);
    EXPECT_EQ(30, p.GetMinTerm());
    EXPECT_EQ(15, p.GetLIndexWidth());
    EXPECT_EQ(60, p.GetRIndexWidth());
    EXPECT_EQ(10, p.GetRMargin());
    EXPECT_EQ(11, p.GetTimeI7());
    EXPECT_EQ(10, p.GetLeftMargin());
    EXPECT_EQ(73000, p.m_nSessionTimes[0]);
    EXPECT_EQ(145000, p.m_nSessionTimes[3]);
    EXPECT_EQ(CCtlColor::Rgb(0xEFDFDD), p.m_clrOuterBack);
    EXPECT_EQ(CCtlColor::Rgb(0xC8C8C8), p.m_clrVIndi);
    EXPECT_STREQ("MS Shell Dlg 2,-12,400,0,0,0", p.m_strFont);
    EXPECT_EQ(1, p.SetTimeKind(6));
    EXPECT_EQ(6, p.GetTimeKind());
    EXPECT_EQ(NULL, p.GetNameList(1));
    std::unique_ptr<CObject> created(RUNTIME_CLASS(CProperties)->CreateObject());
    EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CProperties)));
}

} // namespace
