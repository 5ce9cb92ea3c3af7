// Driver of the chart control's archives as a host keeps them in its files: the common control
// state, the whole chart with its property set, and the last information with the look of the
// objects. The first byte of an input chooses the archive. A load either goes through or fails
// with the framework's archive or memory exception, and a failed load leaves the chart as it
// was.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "CtlChart.h"
#include "DrawObject.h"
#include "FuzzHarness.h"

namespace {

enum Kind
{
    kBase,
    kChart,
    kLastInfo,
    kKinds
};

struct ChartDeleter
{
    void operator()(IChartBase* p) const { delete p; }
};
typedef std::unique_ptr<IChartBase, ChartDeleter> ChartPtr;

CCtlChart* Ctl(const ChartPtr& chart) { return CCtlChart::FromInterface(chart.get()); }

// What a failed load must leave as it was.
struct Snapshot
{
    CString name;
    int checkStyle;
    int styles;
    int toolTip;
    int minTerm;
    explicit Snapshot(CCtlChart* c)
        : name(c->GetName()), checkStyle(c->GetCheckStyle()), styles(c->GetStyleCount()), toolTip(c->GetToolTipUse()),
          minTerm(c->GetProperties().GetMinTerm())
    {
    }
    bool operator==(const Snapshot& o) const
    {
        return name == o.name && checkStyle == o.checkStyle && styles == o.styles && toolTip == o.toolTip &&
               minTerm == o.minTerm;
    }
};

void Load(const std::string& in, fuzz::Random&)
{
    if (in.empty())
        return;
    const Kind kind = Kind(BYTE(in[0]) % kKinds);
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    ctl->SetName("before");
    ctl->SetCheckStyle(1);
    ctl->GetProperties().SetMinTerm(42);
    const Snapshot before(ctl);
    CMemFile file;
    file.Write(in.data() + 1, UINT(in.size() - 1));
    file.SeekToBegin();
    bool failed = false;
    try {
        CArchive ar(&file, CArchive::load);
        switch (kind) {
        case kBase:
            chart->SerializeBase(ar);
            break;
        case kChart:
            ctl->SerializeCtl(ar);
            break;
        default:
            ctl->LoadLastInfo("", "", ar);
            break;
        }
    } catch (CArchiveException* e) {
        failed = true;
        e->Delete();
    } catch (CMemoryException* e) {
        failed = true;
        e->Delete();
    }
    if (failed) {
        EXPECT_TRUE(Snapshot(ctl) == before) << "a failed load changed the chart";
    }
}

std::string Stored(Kind kind, const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
    }
    std::string bytes(size_t(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], UINT(bytes.size()));
    return std::string(1, char(kind)) + bytes;
}

std::vector<std::string> Fixtures()
{
    ChartPtr chart(GetNewControl());
    CCtlChart* ctl = Ctl(chart);
    chart->SetName("가격");
    chart->SetCaption("BTC");
    std::vector<long> columns[6];
    long* pointers[6];
    for (int i = 0; i < 30; ++i) {
        columns[0].push_back(20260301 - i);
        for (int k = 1; k < 5; ++k)
            columns[k].push_back(1000 + 10 * k + i % 7);
        columns[5].push_back(100 + i);
    }
    for (int k = 0; k < 6; ++k)
        pointers[k] = columns[k].data();
    chart->AddBongChart(pointers, 30, 0, 0);
    ctl->m_arArchiveTexts1.Add("목록");
    return {
        Stored(kBase, [&](CArchive& ar) { chart->SerializeBase(ar); }),
        Stored(kChart, [&](CArchive& ar) { ctl->SerializeCtl(ar); }),
        Stored(kLastInfo, [&](CArchive& ar) { ctl->SaveLastInfo("", "", ar); }),
    };
}

fuzz::Registration chartArchives({"chart_archives",
                                  Fixtures,
                                  {std::string("\xFF\xFF", 2), std::string("\xFF\xFF\xFF\xFF", 4),
                                   std::string("\x00\x00\x00\x00", 4), std::string("\x02\x00\x00\x00", 4),
                                   std::string("\x09", 1), std::string("\x07", 1), std::string("\xFF\xFE\xFF", 3)},
                                  nullptr,
                                  nullptr,
                                  Load,
                                  64 * 1024,
                                  3000});

} // namespace
