// Dropping a series on a chart: the checked reading of "CF_LONGARRAY" blocks (sound, short,
// cut, padded and hostile ones), the drop target's effects, and drops on a live chart window
// through a test data object, including memory that cannot be locked.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "../../canvas/tests/canvas_fixture.h"
#include "ChartDragDrop.h"
#include "CtlChart.h"

namespace
{

// A block of n candles (newest first) with the given header fields.
std::vector<int> Block(int n, int firstTime, int columns = 4, int timeKind = 0, int minuteUnit = 0)
{
    std::vector<int> ints = {n, columns, timeKind, minuteUnit};
    for (int i = 0; i < n; ++i)
        ints.push_back(firstTime - i);
    for (int k = 0; k < columns; ++k)
        for (int i = 0; i < n; ++i)
            ints.push_back(1000 + 10 * k + i);
    return ints;
}

std::vector<BYTE> Bytes(const std::vector<int>& ints)
{
    std::vector<BYTE> bytes(ints.size() * sizeof(int));
    memcpy(bytes.data(), ints.data(), bytes.size());
    return bytes;
}

struct ParseCase
{
    const char* what;
    std::vector<BYTE> bytes;
    BOOL sound;
};

std::vector<BYTE> Edited(std::vector<int> ints, size_t at, int value)
{
    ints[at] = value;
    return Bytes(ints);
}

std::vector<BYTE> Resized(std::vector<BYTE> bytes, long change)
{
    bytes.resize(size_t(long(bytes.size()) + change), 0);
    return bytes;
}

class DroppedBlock : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(DroppedBlock, IsReadOnlyWhenEveryFieldFitsItsSize)
{
    const ParseCase& c = GetParam();
    CDroppedSeries series;
    EXPECT_EQ(c.sound, ParseDroppedSeries(c.bytes.empty() ? nullptr : c.bytes.data(), c.bytes.size(), series))
        << c.what;
    if (!c.sound)
    {
        EXPECT_EQ(0, series.count) << c.what; // nothing half-read
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DroppedBlock,
    ::testing::Values(ParseCase{"three candles", Bytes(Block(3, 20260105)), TRUE},
                      ParseCase{"one column", Bytes(Block(2, 20260105, 1)), TRUE},
                      ParseCase{"interval chart", Bytes(Block(2, 93000, 4, 3, 5)), TRUE},
                      ParseCase{"empty", {}, FALSE},
                      ParseCase{"header cut", Bytes({3, 4, 0}), FALSE},
                      ParseCase{"last value cut", Resized(Bytes(Block(3, 20260105)), -4), FALSE},
                      ParseCase{"odd byte missing", Resized(Bytes(Block(3, 20260105)), -1), FALSE},
                      ParseCase{"padded", Resized(Bytes(Block(3, 20260105)), 4), FALSE},
                      ParseCase{"no items", Bytes({0, 4, 0, 0}), FALSE},
                      ParseCase{"negative count", Edited(Block(3, 20260105), 0, -3), FALSE},
                      ParseCase{"count far past the block", Edited(Block(3, 20260105), 0, 0x40000000), FALSE},
                      ParseCase{"count past the limit", Edited(Block(3, 20260105), 0, 1000001), FALSE},
                      ParseCase{"no columns", Edited(Block(3, 20260105), 1, 0), FALSE},
                      ParseCase{"five columns", Edited(Block(3, 20260105), 1, 5), FALSE},
                      ParseCase{"column count wraps", Edited(Block(3, 20260105), 1, -1), FALSE},
                      ParseCase{"unknown time kind", Edited(Block(3, 20260105), 2, 7), FALSE},
                      ParseCase{"negative minute unit", Edited(Block(3, 20260105), 3, -1), FALSE},
                      ParseCase{"times out of order", Edited(Block(3, 20260105), 5, 20260106), FALSE},
                      ParseCase{"a time twice", Edited(Block(3, 20260105), 5, 20260105), FALSE}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return "Case" + std::to_string(info.index); });

TEST(DroppedBlockFields, PointIntoTheBlock)
{
    const std::vector<BYTE> bytes = Bytes(Block(3, 20260105, 4, 3, 15));
    CDroppedSeries series;
    ASSERT_TRUE(ParseDroppedSeries(bytes.data(), bytes.size(), series));
    EXPECT_EQ(3, series.count);
    EXPECT_EQ(4, series.columns);
    EXPECT_EQ(3, series.timeKind);
    EXPECT_EQ(15, series.minuteUnit);
    EXPECT_EQ(20260103, series.times[2]);
    EXPECT_EQ(1000, series.values[0][0]);
    EXPECT_EQ(1032, series.values[3][2]);
}

// A data object with blocks in global memory by format; a format may hand out memory that
// cannot be locked.
class CTestDataObject : public IDataObject
{
public:
    ULONG refs = 1;
    std::map<CLIPFORMAT, std::vector<BYTE>> blocks;
    std::map<CLIPFORMAT, bool> unlockable;
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP GetData(FORMATETC* f, STGMEDIUM* m) override
    {
        auto it = blocks.find(f->cfFormat);
        if (it == blocks.end() || !(f->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        HGLOBAL h;
        if (unlockable[f->cfFormat])
            h = ::GlobalAlloc(GMEM_MOVEABLE, 0); // discarded from the start: every lock fails
        else
        {
            h = ::GlobalAlloc(GMEM_MOVEABLE, it->second.size());
            memcpy(::GlobalLock(h), it->second.data(), it->second.size());
            ::GlobalUnlock(h);
        }
        m->tymed = TYMED_HGLOBAL;
        m->hGlobal = h;
        m->pUnkForRelease = NULL;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* f) override
    {
        return blocks.count(f->cfFormat) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

const CLIPFORMAT kOther = CF_TEXT;

CLIPFORMAT LongArrayFormat()
{
    return CLIPFORMAT(::RegisterClipboardFormatA(CHART_DRAG_FORMAT));
}

struct OverCase
{
    const char* what;
    bool targetHasFormat;
    bool dataHasFormat;
    DWORD keys;
    DROPEFFECT effect;
};

class DropTargetOver : public ::testing::TestWithParam<OverCase>
{
};

TEST_P(DropTargetOver, ShowsCopyOrMoveOnlyForAnAcceptedFormat)
{
    const OverCase& c = GetParam();
    COleDropTargetCanvas target;
    if (c.targetHasFormat)
        target.AddFormat(LongArrayFormat());
    CTestDataObject source;
    source.blocks[c.dataHasFormat ? LongArrayFormat() : kOther] = Bytes(Block(1, 5));
    COleDataObject data;
    data.Attach(&source, FALSE);
    EXPECT_EQ(c.effect, target.OnDragOver(nullptr, &data, c.keys, CPoint(1, 1))) << c.what;
    EXPECT_EQ(c.effect, target.GetLastEffect()) << c.what;
    EXPECT_EQ(c.effect, target.OnDragEnter(nullptr, &data, c.keys, CPoint(1, 1))) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DropTargetOver,
    ::testing::Values(OverCase{"copy", true, true, MK_LBUTTON, DROPEFFECT_COPY},
                      OverCase{"move with Shift", true, true, MK_LBUTTON | MK_SHIFT, DROPEFFECT_MOVE},
                      OverCase{"data lacks the format", true, false, MK_LBUTTON, DROPEFFECT_NONE},
                      OverCase{"target given no format", false, true, MK_LBUTTON, DROPEFFECT_NONE}));

// A window that keeps what the drop message brought.
class CDropRecorder : public CWnd
{
public:
    int messages = 0;
    std::vector<BYTE> block;
    CHARTDROPINFO info = {};
    bool samePointer = false;
    LRESULT reply = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_CHART_DROP)
            return CWnd::WindowProc(message, wParam, lParam);
        ++messages;
        info = *reinterpret_cast<const CHARTDROPINFO*>(lParam);
        samePointer = reinterpret_cast<const BYTE*>(wParam) == info.block;
        block.assign(info.block, info.block + info.size);
        return reply;
    }
};

class DropTargetDrop : public ::testing::Test
{
protected:
    CDropRecorder window;
    COleDropTargetCanvas target;
    CTestDataObject source;
    COleDataObject data;
    void SetUp() override
    {
        ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), "drop", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
        target.AddFormat(LongArrayFormat());
        data.Attach(&source, FALSE);
    }
    void TearDown() override { window.DestroyWindow(); }
};

TEST_F(DropTargetDrop, HandsTheWindowTheWholeBlockAndThePoint)
{
    source.blocks[LongArrayFormat()] = Bytes(Block(3, 20260105));
    EXPECT_TRUE(target.OnDrop(&window, &data, DROPEFFECT_COPY, CPoint(12, 34)));
    ASSERT_EQ(1, window.messages);
    EXPECT_EQ(source.blocks[LongArrayFormat()], window.block);
    EXPECT_EQ(source.blocks[LongArrayFormat()].size(), window.info.size);
    EXPECT_TRUE(window.samePointer);
    EXPECT_EQ(12, window.info.x);
    EXPECT_EQ(34, window.info.y);
    EXPECT_EQ(3, window.info.kind);
}

TEST_F(DropTargetDrop, TakesTheLastAcceptedFormatTheDataOffers)
{
    const CLIPFORMAT second = CLIPFORMAT(::RegisterClipboardFormatA("Molvane test format"));
    target.AddFormat(second);
    source.blocks[LongArrayFormat()] = {1, 2, 3, 4};
    source.blocks[second] = {9, 9, 9, 9, 9, 9, 9, 9};
    EXPECT_TRUE(target.OnDrop(&window, &data, DROPEFFECT_COPY, CPoint(0, 0)));
    EXPECT_EQ(source.blocks[second], window.block);
}

TEST_F(DropTargetDrop, FailsWithoutTheFormatOnARefusalAndOnMemoryItCannotLock)
{
    source.blocks[kOther] = {1, 2, 3, 4};
    EXPECT_FALSE(target.OnDrop(&window, &data, DROPEFFECT_COPY, CPoint(0, 0)));
    EXPECT_EQ(0, window.messages);

    source.blocks[LongArrayFormat()] = Bytes(Block(3, 20260105));
    source.unlockable[LongArrayFormat()] = true;
    EXPECT_FALSE(target.OnDrop(&window, &data, DROPEFFECT_COPY, CPoint(0, 0)));
    EXPECT_EQ(0, window.messages);

    source.unlockable[LongArrayFormat()] = false;
    window.reply = -1;
    EXPECT_FALSE(target.OnDrop(&window, &data, DROPEFFECT_COPY, CPoint(0, 0)));
    EXPECT_EQ(1, window.messages);
}

struct ChartDeleter
{
    void operator()(IChartBase* p) const { delete p; }
};

int s_nPreset = -1;
BOOL s_bAnswer = TRUE;
BOOL RecordingAxisDialog(CWnd*, BOOL regionHasSeries, int& axisSide)
{
    s_nPreset = axisSide;
    (void)regionHasSeries;
    return s_bAnswer;
}

// A chart window with one empty region; drops go through its own drop target.
class ChartDrop : public ::testing::Test
{
protected:
    CHostWindow host;
    std::unique_ptr<IChartBase, ChartDeleter> chart{GetNewControl()};
    CTestDataObject source;
    COleDataObject data;
    int region = -1;

    void SetUp() override
    {
        ASSERT_TRUE(host.Make(500, 300));
        ASSERT_TRUE(chart->CreateControl(&host, RECT{0, 0, 400, 200}, 5));
        region = Ctl()->AddRegion();
        data.Attach(&source, FALSE);
        CCanvas::SetDropAxisDialog(nullptr);
    }
    void TearDown() override
    {
        CCanvas::SetDropAxisDialog(nullptr);
        chart.reset();
        host.DestroyWindow();
    }
    CCtlChart* Ctl() { return CCtlChart::FromInterface(chart.get()); }
    CPoint InRegion() { return Ctl()->GetRegion(region)->GetPlotRect().CenterPoint(); }
    BOOL Drop(const std::vector<int>& ints, CPoint at)
    {
        source.blocks[LongArrayFormat()] = Bytes(ints);
        return Ctl()->GetDropTarget().OnDrop(Ctl(), &data, DROPEFFECT_COPY, at);
    }
    int Objects() { return Ctl()->GetRegion(region)->GetObjectCount(); }
};

TEST_F(ChartDrop, ASoundBlockBecomesCandlesOfTheRegionUnderThePoint)
{
    EXPECT_EQ(LongArrayFormat(), Ctl()->GetDragFormat());
    ASSERT_FALSE(Ctl()->GetRegion(region)->GetPlotRect().IsRectEmpty());
    EXPECT_TRUE(Drop(Block(3, 20260105), InRegion()));
    EXPECT_EQ(1, Objects());
    EXPECT_EQ(3, Ctl()->GetTotalCount());
    EXPECT_TRUE(Ctl()->IsDataReady());
    CDrawObject* candles = Ctl()->GetRegion(region)->GetObjectAt(0);
    ASSERT_TRUE(candles);
    EXPECT_EQ(1, candles->GetKind());
    EXPECT_EQ(0, candles->m_nAxisSide);

    // Later times join the chart; a second series over a series takes the right axis.
    EXPECT_TRUE(Drop(Block(2, 20260110), InRegion()));
    EXPECT_EQ(2, Objects());
    EXPECT_EQ(5, Ctl()->GetTotalCount());
    EXPECT_EQ(1, Ctl()->GetRegion(region)->GetObjectAt(1)->m_nAxisSide);
}

// A data link clearing the chart while the user answers the modal axis dialog.
CCtlChart* s_pClearedChart = nullptr;
BOOL ClearingAxisDialog(CWnd*, BOOL, int&)
{
    if (s_pClearedChart)
        s_pClearedChart->Remove_Chart_All();
    return TRUE;
}

TEST_F(ChartDrop, ADropWhoseSeriesCannotBeAddedLeavesNoTimesBehind)
{
    ASSERT_TRUE(Drop(Block(3, 20260105), InRegion()));
    s_pClearedChart = Ctl();
    CCanvas::SetDropAxisDialog(&ClearingAxisDialog);
    EXPECT_FALSE(Drop(Block(2, 20260110), InRegion())) << "its region went while the dialog was open";
    s_pClearedChart = nullptr;
    EXPECT_EQ(0, Ctl()->GetRegionCount());
    EXPECT_EQ(0, Ctl()->GetTotalCount()) << "the refused block's times were merged";
    EXPECT_EQ(0, chart->GetChartDataCount());
}

struct RefusedCase
{
    const char* what;
    std::vector<int> block;
};

class ChartDropRefused : public ChartDrop, public ::testing::WithParamInterface<RefusedCase>
{
};

TEST_P(ChartDropRefused, LeavesTheChartAsItWas)
{
    ASSERT_TRUE(Drop(Block(3, 20260105), InRegion()));
    std::vector<int> block = GetParam().block;
    EXPECT_FALSE(Drop(block, InRegion())) << GetParam().what;
    EXPECT_EQ(1, Objects());
    EXPECT_EQ(3, Ctl()->GetTotalCount());
}

std::vector<int> Cut(std::vector<int> ints, size_t n)
{
    ints.resize(ints.size() - n);
    return ints;
}

std::vector<int> With(std::vector<int> ints, size_t at, int value)
{
    ints[at] = value;
    return ints;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChartDropRefused,
    ::testing::Values(RefusedCase{"times among the chart's", Block(2, 20260104)},
                      RefusedCase{"another time kind", Block(2, 20260110, 4, 4)},
                      RefusedCase{"one column", Block(2, 20260110, 1)},
                      RefusedCase{"short block", {2, 4, 0}},
                      RefusedCase{"cut block", Cut(Block(2, 20260110), 1)},
                      RefusedCase{"count claims more", With(Block(2, 20260110), 0, 100000)},
                      RefusedCase{"hostile count", With(Block(2, 20260110), 0, int(0x80000001))}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ChartDrop, OutsideEveryRegionOrCancelledNothingIsAdded)
{
    EXPECT_FALSE(Drop(Block(3, 20260105), CPoint(-5, -5)));
    EXPECT_EQ(0, Objects());
    CCanvas::SetDropAxisDialog(&RecordingAxisDialog);
    s_bAnswer = FALSE;
    EXPECT_FALSE(Drop(Block(3, 20260105), InRegion()));
    EXPECT_EQ(0, s_nPreset); // an empty region offers the left axis
    EXPECT_EQ(0, Objects());
    EXPECT_EQ(0, Ctl()->GetTotalCount());
    s_bAnswer = TRUE;
    EXPECT_TRUE(Drop(Block(3, 20260105), InRegion()));
    EXPECT_EQ(1, Objects());
}

} // namespace

namespace
{

class CNullTarget : public IDropTarget
{
public:
    STDMETHODIMP QueryInterface(REFIID, void** ppv) override
    {
        *ppv = this;
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP DragEnter(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
    STDMETHODIMP DragOver(DWORD, POINTL, DWORD*) override { return S_OK; }
    STDMETHODIMP DragLeave() override { return S_OK; }
    STDMETHODIMP Drop(IDataObject*, DWORD, POINTL, DWORD*) override { return S_OK; }
};

TEST(ChartDropRegistration, AChartWithATimeAxisTakesDropsAndLetsGoWhenDestroyed)
{
    ASSERT_TRUE(SUCCEEDED(OleInitialize(NULL)));
    CNullTarget other;
    for (int timeKind : {0, 6})
    {
        CHostWindow host;
        ASSERT_TRUE(host.Make(300, 200));
        std::unique_ptr<IChartBase, ChartDeleter> chart(GetNewControl());
        chart->Set_TimeKind(timeKind);
        ASSERT_TRUE(chart->CreateControl(&host, RECT{0, 0, 200, 100}, 5));
        HWND hWnd = chart->GetCtlHwnd();
        const HRESULT hr = RegisterDragDrop(hWnd, &other);
        if (timeKind == 6)
        {
            EXPECT_EQ(S_OK, hr); // the category layout registers no target
            RevokeDragDrop(hWnd);
        }
        else
            EXPECT_EQ(DRAGDROP_E_ALREADYREGISTERED, hr);
        chart.reset();
        host.DestroyWindow();
    }
    OleUninitialize();
}

} // namespace
