// The control's archives: round trips, older versions, damaged archives, a saved chart reopened
// with the changes made after its property string, and the look of objects carried over.
#include <gtest/gtest.h>

#include <msgbox_recorder.h>

#include <functional>
#include <vector>

#include "../../canvas/tests/canvas_fixture.h"
#include "../../model/tests/property_string_fixture.h"
#include "chart_data_fixture.h"

using namespace chartdata;

namespace
{

typedef std::function<void(CArchive&)> Writer;

// The bytes a writer leaves in an archive.
std::vector<BYTE> Bytes(const Writer& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const UINT length = UINT(file.GetLength());
    BYTE* data = file.Detach();
    std::vector<BYTE> bytes(data, data + length);
    free(data);
    return bytes;
}

void Read(const std::vector<BYTE>& bytes, const Writer& read)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), UINT(bytes.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
}

// The archive exception's cause, or -1 when the read went through.
int ReadCause(const std::vector<BYTE>& bytes, const Writer& read)
{
    try
    {
        Read(bytes, read);
    }
    catch (CArchiveException* e)
    {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

TEST(ChartBaseArchive, RoundTripKeepsTheCommonState)
{
    ChartPtr saved(GetNewControl());
    saved->SetName("가격차트");
    saved->SetCaption("캡션");
    saved->SetHostData(0x7F00AA55);
    saved->SetCtlID(321);
    saved->SetCtlRect(RECT{5, 6, 105, 56});
    saved->SetForeColor(CCtlColor::Index(12));
    Ctl(saved)->SetEnable(FALSE);
    Ctl(saved)->m_strFontText = "굴림체,9";
    const std::vector<BYTE> bytes = Bytes([&](CArchive& ar) { saved->SerializeBase(ar); });
    EXPECT_EQ(1, bytes[0]);

    ChartPtr loaded(GetNewControl());
    Read(bytes, [&](CArchive& ar) { loaded->SerializeBase(ar); });
    EXPECT_STREQ("가격차트", loaded->GetName());
    EXPECT_STREQ("캡션", loaded->GetCaption());
    EXPECT_EQ(0x7F00AA55, loaded->GetHostData());
    EXPECT_EQ(321, loaded->GetCtlID());
    RECT r;
    loaded->GetCtlRect(&r);
    EXPECT_EQ(5, r.left);
    EXPECT_EQ(6, r.top);
    EXPECT_EQ(105, r.right);
    EXPECT_EQ(56, r.bottom);
    EXPECT_EQ(12, loaded->GetForeColor().GetIndex());
    EXPECT_FALSE(Ctl(loaded)->GetEnable());
    EXPECT_STREQ("굴림체,9", Ctl(loaded)->m_strFontText);
}

TEST(ChartBaseArchive, ShortArchiveChangesNothing)
{
    ChartPtr saved(GetNewControl());
    saved->SetName("saved");
    std::vector<BYTE> bytes = Bytes([&](CArchive& ar) { saved->SerializeBase(ar); });
    bytes.resize(bytes.size() - 3);
    ChartPtr loaded(GetNewControl());
    loaded->SetName("kept");
    EXPECT_EQ(CArchiveException::endOfFile, ReadCause(bytes, [&](CArchive& ar) { loaded->SerializeBase(ar); }));
    EXPECT_STREQ("kept", loaded->GetName());
}

TEST(ChartArchive, RoundTripKeepsTheChartsSettings)
{
    ChartPtr saved(GetNewControl());
    CCtlChart* s = Ctl(saved);
    s->SetOuterBackColor(CCtlColor::Rgb(0x102030));
    s->SetTimeColor(CCtlColor::Index(7));
    s->SetToolTipUse(0);
    s->SetRealFixNeed(0);
    s->SetFluctuationUse(0);
    s->SetCheckStyle(1);
    s->SetSendExcelDisplay(1);
    s->SetFixBtnDisplay(1);
    s->m_arArchiveTexts2.Add("둘째");
    s->GetProperties().SetMinTerm(15);
    // The set's six series-name lists are the chart's, the sixth as well as the first.
    for (int list = 1; list <= CProperties::kNameLists; ++list)
        ASSERT_NE(nullptr, s->GetProperties().GetNameList(list)) << list;
    s->GetProperties().GetNameList(1)->Add("첫째");
    s->GetProperties().GetNameList(6)->Add("여섯째");
    const std::vector<BYTE> bytes = Bytes([&](CArchive& ar) { Ctl(saved)->SerializeCtl(ar); });
    EXPECT_EQ(9, bytes[0]);

    ChartPtr loaded(GetNewControl());
    CCtlChart* l = Ctl(loaded);
    Read(bytes, [&](CArchive& ar) { Ctl(loaded)->SerializeCtl(ar); });
    EXPECT_EQ(0x102030u, l->GetOuterBackColor().GetColor());
    EXPECT_EQ(7, l->GetTimeColor().GetIndex());
    EXPECT_EQ(0, l->GetToolTipUse());
    EXPECT_EQ(0, l->GetRealFixNeed());
    EXPECT_EQ(0, l->GetFluctuationUse());
    EXPECT_EQ(1, l->GetCheckStyle());
    EXPECT_EQ(1, l->GetSendExcelDisplay());
    EXPECT_EQ(1, l->GetFixBtnDisplay());
    EXPECT_EQ(15, l->GetProperties().GetMinTerm());
    ASSERT_EQ(1, l->GetProperties().GetNameList(1)->GetSize());
    EXPECT_STREQ("첫째", l->GetProperties().GetNameList(1)->GetAt(0));
    ASSERT_EQ(1, l->GetProperties().GetNameList(6)->GetSize());
    EXPECT_STREQ("여섯째", l->GetProperties().GetNameList(6)->GetAt(0));
    ASSERT_EQ(1, l->m_arArchiveTexts2.GetSize());
    EXPECT_STREQ("둘째", l->m_arArchiveTexts2[0]);
}

// An archive of an older version, written field by field.
std::vector<BYTE> OldChartArchive(int version, CProperties& set)
{
    return Bytes([&](CArchive& ar) {
        ar << BYTE(version);
        for (int i = 0; i < 4; ++i)
            CCtlColor::Rgb(RGB(10 + i, 0, 0)).Serialize(ar); // stored with index 0 and their own RGB
        ar << 1 << 0 << 0;
        CCtlColor::Rgb(RGB(20, 0, 0)).Serialize(ar);
        CCtlColor::Rgb(RGB(21, 0, 0)).Serialize(ar);
        ar << CString() << 1 << 0 << 0 << 0 << 0;
        set.Serialize(ar);
        if (version == 2)
            ar << CString("dropped");
        if (version >= 4)
            CCtlColor::Rgb(RGB(30, 0, 0)).Serialize(ar);
        if (version >= 5)
            ar << 0 << 0;
        if (version >= 6)
            ar << 1;
        if (version >= 7)
            ar << 1;
        if (version >= 9)
            ar << 0;
        CStringArray first, second;
        first.Add("a");
        first.Serialize(ar);
        second.Serialize(ar);
    });
}

struct VersionCase
{
    int version;
    bool defaultBackRead;
    bool fluctuationRead;
    bool indicesReset;
};

const VersionCase kVersions[] = {
    {2, false, false, true},
    {4, true, false, true},
    {7, true, false, true},
    {9, true, true, false},
};

class ChartArchiveVersions : public ::testing::TestWithParam<VersionCase>
{
};

TEST_P(ChartArchiveVersions, OlderFieldsAndPaletteIndices)
{
    const VersionCase& c = GetParam();
    ChartPtr source(GetNewControl());
    const std::vector<BYTE> bytes = OldChartArchive(c.version, Ctl(source)->GetProperties());
    ChartPtr loaded(GetNewControl());
    CCtlChart* l = Ctl(loaded);
    l->SetFluctuationUse(7);
    Read(bytes, [&](CArchive& ar) { Ctl(loaded)->SerializeCtl(ar); });
    EXPECT_EQ(c.fluctuationRead ? 0 : 7, l->GetFluctuationUse()) << c.version;
    EXPECT_EQ(c.defaultBackRead ? RGB(30, 0, 0) : 0xFFFFFFu, l->m_clrDefaultBack.GetRGB()) << c.version;
    EXPECT_EQ(RGB(10, 0, 0), l->GetOuterBackColor().GetRGB()) << "the stored colour stays";
    EXPECT_EQ(c.indicesReset ? 180 : 0, l->GetOuterBackColor().GetIndex());
    EXPECT_EQ(c.indicesReset ? 182 : 0, l->GetHIndiColor().GetIndex());
    EXPECT_EQ(RGB(21, 0, 0), l->GetHIndiColor().GetRGB());
    ASSERT_EQ(1, l->m_arArchiveTexts1.GetSize());
    EXPECT_STREQ("a", l->m_arArchiveTexts1[0]);
}

INSTANTIATE_TEST_SUITE_P(Table, ChartArchiveVersions, ::testing::ValuesIn(kVersions));

TEST(ChartArchive, DamagedArchivesKeepTheChart)
{
    ChartPtr saved(GetNewControl());
    Ctl(saved)->SetCheckStyle(1);
    const std::vector<BYTE> whole = Bytes([&](CArchive& ar) { Ctl(saved)->SerializeCtl(ar); });
    std::vector<BYTE> newer = whole;
    newer[0] = 10;
    ChartPtr loaded(GetNewControl());
    Ctl(loaded)->GetProperties().SetMinTerm(42);
    EXPECT_EQ(CArchiveException::badSchema, ReadCause(newer, [&](CArchive& ar) { Ctl(loaded)->SerializeCtl(ar); }));
    // Cut in the text lists after the property set, inside the set, and after the version.
    for (size_t cut : {size_t(1), size_t(40), whole.size() - 1})
    {
        std::vector<BYTE> part(whole.begin(), whole.begin() + long(whole.size() - cut));
        EXPECT_NE(-1, ReadCause(part, [&](CArchive& ar) { Ctl(loaded)->SerializeCtl(ar); })) << cut;
        EXPECT_EQ(0, Ctl(loaded)->GetCheckStyle()) << cut;
        EXPECT_EQ(42, Ctl(loaded)->GetProperties().GetMinTerm()) << cut;
    }
}

// A chart whose property string built one region, changed afterwards (a second region), saved
// and reopened: the window's creation keeps the archived set instead of the string's.
TEST(ChartArchive, ReopenedChartKeepsItsLaterChanges)
{
    using namespace propfixture;
    const int v = 27;
    const std::string oneRegion =
        Whole(v, TimeSection(v, 3), Section({RegionItem({"7", "0", "1"}, Side("won"), Side("pct"))}),
              Section({HeaderOnlyObject(v, 0)}));
    CHostWindow host;
    ASSERT_TRUE(host.Make(400, 300));
    std::vector<BYTE> bytes;
    {
        ChartPtr saved(GetNewControl());
        Ctl(saved)->SetPropertyString(oneRegion.c_str());
        ASSERT_TRUE(saved->CreateControl(&host, RECT{0, 0, 400, 300}, 1));
        CProperties& set = Ctl(saved)->GetProperties();
        ASSERT_EQ(1, set.m_RegionList.GetCount());
        set.m_RegionList.AddTail(new DREGIONDATA(*set.m_RegionList.GetHead()));
        set.SetMinTerm(30);
        bytes = Bytes([&](CArchive& ar) { Ctl(saved)->SerializeCtl(ar); });
    }
    ChartPtr reopened(GetNewControl());
    Read(bytes, [&](CArchive& ar) { Ctl(reopened)->SerializeCtl(ar); });
    EXPECT_STREQ(oneRegion.c_str(), Ctl(reopened)->m_strPropertyString);
    ASSERT_TRUE(reopened->CreateControl(&host, RECT{0, 0, 400, 300}, 2));
    EXPECT_EQ(2, Ctl(reopened)->GetProperties().m_RegionList.GetCount());
    EXPECT_EQ(30, Ctl(reopened)->GetProperties().GetMinTerm());

    // A string the host gives after the load is its newer word, and is applied.
    ChartPtr restrung(GetNewControl());
    Read(bytes, [&](CArchive& ar) { Ctl(restrung)->SerializeCtl(ar); });
    Ctl(restrung)->SetPropertyString(oneRegion.c_str());
    Ctl(restrung)->GetProperties().ClearAll();
    ASSERT_TRUE(restrung->CreateControl(&host, RECT{0, 0, 400, 300}, 3));
    EXPECT_EQ(1, Ctl(restrung)->GetProperties().m_RegionList.GetCount());
    reopened.reset();
    restrung.reset();
    host.DestroyWindow();
}

// Last information: settings and the look of line, candle and bar objects by their place.
struct Look
{
    int region, object, kind;
    std::vector<int> values;
};

std::vector<BYTE> LastInfo(int version, const std::vector<Look>& looks, int regionCount = -1)
{
    return Bytes([&](CArchive& ar) {
        ar << BYTE(version);
        for (int i = 0; i < 4; ++i)
            CCtlColor::Index(1).Serialize(ar);
        ar << 1 << 0 << 0;
        CCtlColor::Index(1).Serialize(ar);
        CCtlColor::Index(1).Serialize(ar);
        ar << 1 << 1 << 1 << 1 << 1;
        CCtlColor::Rgb(0x00FF00).Serialize(ar);
        ar << 1 << 1 << 1;
        if (version >= 1)
            ar << 40;
        if (version >= 2)
            ar << 0;
        ar << (regionCount >= 0 ? regionCount : int(looks.size()));
        for (const Look& look : looks)
        {
            ar << look.region << 1 << look.object << look.kind;
            for (int value : look.values)
                ar << value;
        }
    });
}

TEST(ChartLastInfo, LineLookGoesToTheLineMadeLaterAtItsPlace)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    const std::vector<BYTE> bytes = LastInfo(2, {{0, 1, DRAWKIND_LINE, {0x00AB00, 3, 2, 1}},
                                                 {0, 2, DRAWKIND_CANDLE, {1, 1, 0xFF, 0xFF00, 1}}, // a line there
                                                 {1, 0, DRAWKIND_BAR, {0x111111, 1, 0x222222, 0x333333}},
                                                 {1, 0, DRAWKIND_BAR, {0x444444, 0, 0x555555, 0x666666}},
                                                 {0, 3, 6, {}}}); // kinds without a look carry nothing
    Read(bytes, [&](CArchive& ar) { ctl->LoadLastInfo("", "", ar); });
    EXPECT_EQ(3, ctl->GetStyleCount()) << "the second bar look took the first one's place";
    EXPECT_EQ(0x00FF00u, ctl->m_clrDefaultBack.GetColor());
    EXPECT_EQ(0, ctl->GetToolTipUse());
    EXPECT_EQ(40, ctl->GetDisplayCount());

    BongData data(10);
    ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 10, 0, 0));
    CDrawObject* five = ctl->GetRegion(0)->GetDrawObject(1);
    EXPECT_EQ(0x00AB00u, five->m_clrLine.GetColor());
    EXPECT_EQ(3, five->m_nWidth);
    EXPECT_EQ(2, five->m_nPointStyle);
    EXPECT_EQ(1, five->m_nShadow);
    EXPECT_EQ(0x00FF00u, ctl->GetRegion(0)->GetDrawObject(2)->m_clrLine.GetColor()) << "the candle look is ignored";
    CDrawObject* volume = ctl->GetRegion(1)->GetDrawObject(0);
    EXPECT_EQ(0x444444u, volume->m_clrFill.GetColor());
    EXPECT_EQ(0x666666u, volume->m_clrBarDown.GetColor());
}

TEST(ChartLastInfo, CandleLookReachesItsPensAndBrushes)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    Read(LastInfo(2, {{0, 0, DRAWKIND_CANDLE, {1, 0, 0x00AA00, 0x0000AA, 0}}}),
         [&](CArchive& ar) { ctl->LoadLastInfo("", "", ar); });
    BongData data(10);
    ASSERT_EQ(TRUE, chart->AddBongChart(data.pointers, 10, 0, 0));
    CDrawObject* candle = ctl->GetRegion(0)->GetDrawObject(0);
    EXPECT_EQ(0x00AA00u, candle->m_clrFall.GetColor());
    EXPECT_EQ(0, candle->m_nRiseFill);
    ASSERT_NE(nullptr, candle->m_pFallPen);
    LOGPEN pen = {};
    candle->m_pFallPen->GetLogPen(&pen);
    EXPECT_EQ(0x00AA00u, pen.lopnColor);
    LOGBRUSH brush = {};
    ASSERT_NE(nullptr, candle->m_pRiseBrush);
    candle->m_pRiseBrush->GetLogBrush(&brush);
    EXPECT_EQ(0x0000AAu, brush.lbColor);
}

TEST(ChartLastInfo, OlderAndEmptyRecords)
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    ctl->SetFluctuationUse(5);
    Read(LastInfo(0, {}), [&](CArchive& ar) { ctl->LoadLastInfo("", "", ar); });
    EXPECT_EQ(5, ctl->GetFluctuationUse()) << "version 0 has no fluctuation switch";
    EXPECT_EQ(0, ctl->GetStyleCount());
    EXPECT_EQ(0, ctl->GetToolTipUse());

    // A damaged record (three looks announced, one given) changes nothing.
    ctl->SetToolTipUse(1);
    EXPECT_EQ(CArchiveException::endOfFile,
              ReadCause(LastInfo(2, {{0, 0, DRAWKIND_LINE, {1, 1, 1, 1}}}, 3),
                        [&](CArchive& ar) { ctl->LoadLastInfo("", "", ar); }));
    EXPECT_EQ(1, ctl->GetToolTipUse());
    EXPECT_EQ(CArchiveException::badSchema,
              ReadCause(LastInfo(3, {}), [&](CArchive& ar) { ctl->LoadLastInfo("", "", ar); }));
}

TEST(ChartLastInfo, SavedLooksComeBackAndArchivesKeepTheirDirection)
{
    ChartPtr saved(GetNewControl());
    BongData data(10);
    ASSERT_EQ(TRUE, saved->AddBongChart(data.pointers, 10, 0, 0));
    Ctl(saved)->SetLineChartColor(0, 3, 0x123456);
    Ctl(saved)->GetRegion(1)->GetDrawObject(0)->m_n3D = 1;
    const std::vector<BYTE> bytes = Bytes([&](CArchive& ar) { Ctl(saved)->SaveLastInfo("", "", ar); });
    EXPECT_EQ(2, bytes[0]);

    ChartPtr loaded(GetNewControl());
    Read(bytes, [&](CArchive& ar) { Ctl(loaded)->LoadLastInfo("", "", ar); });
    EXPECT_EQ(5, Ctl(loaded)->GetStyleCount()) << "candle, three lines and the volume bars";
    ASSERT_EQ(TRUE, loaded->AddBongChart(data.pointers, 10, 0, 0));
    EXPECT_EQ(0x123456u, Ctl(loaded)->GetLineChartColor(0, 3));
    EXPECT_EQ(1, Ctl(loaded)->GetRegion(1)->GetDrawObject(0)->m_n3D);

    EXPECT_EQ(CArchiveException::readOnly,
              ReadCause(bytes, [&](CArchive& ar) { Ctl(saved)->SaveLastInfo("", "", ar); }));
    int cause = -1;
    try
    {
        Bytes([&](CArchive& ar) { Ctl(saved)->LoadLastInfo("", "", ar); });
    }
    catch (CArchiveException* e)
    {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::writeOnly, cause);
}

} // namespace
