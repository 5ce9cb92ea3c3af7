// CDrawObject: fields, the visible window, the extremes for the scale and the series binding.
#include "DrawObject.h"

#include <algorithm>
#include <climits>

#include "DataCell.h"
#include "KindRecords.h"
#include "SeriesValues.h"

CDrawObject::CDrawObject(CWnd* owner)
    : m_nField0(0), m_pOwnerWnd(owner), m_bShown(1), m_bLabelPressed(0), m_rcLabel(0, 0, 0, 0), m_bLabelHover(0),
      m_nBarMode(0), m_bTwoSeries(0), m_nLegend(0), m_pS0(nullptr), m_pS1(nullptr), m_pS2(nullptr), m_pS3(nullptr),
      m_pS4(nullptr), m_nS4Number(0), m_nSkipValue(SERIES_NODATA), m_nSkipSwitch(0), m_nAxisLength(0),
      m_pStore(nullptr), m_nStoreField(0), m_nKind(0), m_nAxisSide(0), m_mapObjects(10), m_nVisibleCount(0),
      m_nFirstVisible(0), m_nSelected(0), m_fXStep(0), m_fYScale(0), m_nMaximum(SERIES_EMPTYMIN),
      m_nMinimum(SERIES_NOTCOMPUTED), m_nAxisSettings{1, 0, -1, -1}, m_nChartMode(0), m_bEnglish(0),
      m_pChartFont(nullptr), m_bDrawingLinked(0)
{
    m_strBarName2 = "순매도거래량";
}

CDrawObject::~CDrawObject()
{
    Unbind();
}

void CDrawObject::Unbind()
{
    if (!m_pStore)
        return;
    int** holders[] = {&m_pS0, &m_pS1, &m_pS2, &m_pS3, &m_pS4};
    for (int** holder : holders)
        m_pStore->UnbindSeries(holder);
}

void CDrawObject::SetAxisSettings(int a, int b, int c, int d)
{
    m_nAxisSettings[0] = a;
    m_nAxisSettings[1] = b;
    m_nAxisSettings[2] = c;
    m_nAxisSettings[3] = d;
}

int CDrawObject::GetSeriesLength() const
{
    return m_pStore ? m_pStore->m_nLength : 0;
}

int CDrawObject::GetSeriesCount() const
{
    return m_pStore ? m_pStore->m_nSeriesCount : 0;
}

int** CDrawObject::GetSeriesTable() const
{
    return m_pStore ? m_pStore->m_ppSeries : nullptr;
}

int CDrawObject::GetViewFirst() const
{
    return m_pStore ? m_pStore->GetViewFirst() : 0;
}

int CDrawObject::GetViewLast() const
{
    return m_pStore ? m_pStore->GetViewLast() : 0;
}

CDrawObject::PositionIndex CDrawObject::Positions() const
{
    return PositionIndex{m_nAxisLength - GetViewFirst() - 1, m_nAxisLength - GetViewLast() - 1, GetSeriesLength()};
}

int CDrawObject::IndexAt(int position) const
{
    return Positions().At(position);
}

void CDrawObject::GetVisibleRange(int& count, int& first) const
{
    long long a = (long long)m_nAxisLength - m_nFirstVisible;
    long long b = a - m_nVisibleCount;
    long long q = GetViewLast(), p = GetViewFirst(), length = GetSeriesLength();
    long long newest = q > b ? 0 : b - q;
    long long n = a <= p ? a - newest - p + length : length - newest;
    // Past either end of the data nothing is visible; a window that reaches over the data's
    // end is cut to it.
    if (newest > length)
        newest = length;
    if (n > length - newest)
        n = length - newest;
    if (n < 0)
        n = 0;
    count = int(n);
    first = int(newest);
}

void CDrawObject::SumExtremes(int from, int count, int& maximum, int& minimum) const
{
    // Sums run in 64 bits and are held to the 32-bit range, so two large parts cannot wrap.
    maximum = SERIES_EMPTYMIN;
    minimum = SERIES_NOTCOMPUTED;
    bool any = false;
    for (int i = from; i < from + count; ++i)
    {
        long long sum = 0;
        for (const int* s : {m_pS0, m_pS1})
        {
            int v = s ? s[i] : 0;
            if (v != SERIES_NOTCOMPUTED && v != SERIES_NODATA)
                sum += v;
        }
        if (sum > INT_MAX - 1)
            sum = INT_MAX - 1;
        if (sum < INT_MIN + 1)
            sum = INT_MIN + 1;
        int v = int(sum);
        if (!any || v > maximum)
            maximum = v;
        if (!any || v < minimum)
            minimum = v;
        any = true;
    }
}

static int PickMax(const CDataCell* store, const int* s, int from, int count, int skip)
{
    return s ? store->MaxOf(s + from, count, 1, skip) : SERIES_EMPTYMIN;
}

static int PickMin(const CDataCell* store, const int* s, int from, int count, int skip)
{
    return s ? store->MinOf(s + from, count, 1, skip) : SERIES_NOTCOMPUTED;
}

int CDrawObject::GetMaxValue(int visibleOnly)
{
    int count = GetSeriesLength(), from = 0;
    if (visibleOnly)
        GetVisibleRange(count, from);
    if (!m_pStore || count <= 0)
        return SERIES_EMPTYMIN;
    switch (m_nKind)
    {
    case DRAWKIND_CANDLE:
        if (m_nBidAskMode)
            return std::max(PickMax(m_pStore, m_pS0, from, count, m_nSkipValue),
                       PickMax(m_pStore, m_pS1, from, count, m_nSkipValue));
        return PickMax(m_pStore, m_pS1, from, count, m_nSkipValue);
    case DRAWKIND_BAR:
        if (m_nStack)
        {
            int hi, lo;
            SumExtremes(from, count, hi, lo);
            return hi;
        }
        return PickMax(m_pStore, m_pS0, from, count, m_nSkipValue);
    default:
        return PickMax(m_pStore, m_pS0, from, count, m_nSkipValue);
    }
}

int CDrawObject::GetMinValue(int visibleOnly)
{
    int count = GetSeriesLength(), from = 0;
    if (visibleOnly)
        GetVisibleRange(count, from);
    if (!m_pStore || count <= 0)
        return SERIES_NOTCOMPUTED;
    switch (m_nKind)
    {
    case DRAWKIND_CANDLE:
        if (m_nBidAskMode)
            return std::min(PickMin(m_pStore, m_pS0, from, count, m_nSkipValue),
                       PickMin(m_pStore, m_pS1, from, count, m_nSkipValue));
        return PickMin(m_pStore, m_pS2, from, count, m_nSkipValue);
    case DRAWKIND_AMERICA:
        return PickMin(m_pStore, m_pS1, from, count, m_nSkipValue);
    case DRAWKIND_BAR:
        if (m_nStack)
        {
            int hi, lo;
            SumExtremes(from, count, hi, lo);
            return lo;
        }
        if (m_nBarMode == 2)
        {
            // Symmetric about 0; a search that found nothing stays empty rather than negating
            // the smallest int.
            int hi = PickMax(m_pStore, m_pS0, from, count, m_nSkipValue);
            return hi == SERIES_EMPTYMIN ? SERIES_NOTCOMPUTED : -hi;
        }
        return PickMin(m_pStore, m_pS0, from, count, m_nSkipValue);
    default:
        return PickMin(m_pStore, m_pS0, from, count, m_nSkipValue);
    }
}

int CDrawObject::BindCandleSeries()
{
    if (!m_pStore || m_pStore->m_nSeriesCount < 5)
        return 0;
    static const char* const names[] = {"open", "high", "low", "close"};
    static const char* const codes[] = {"O", "H", "L", "C"};
    for (int i = 0; i < 4; ++i)
        m_pStore->RegisterSeriesCode(names[i], codes[i]);
    int** holders[] = {&m_pS0, &m_pS1, &m_pS2, &m_pS3};
    for (int i = 0; i < 4; ++i)
        m_pStore->BindSeries(i + 1, holders[i]);
    for (int i = 0; i < m_pStore->m_nLength; ++i)
    {
        if (m_pS0[i] == 0)
            m_pS0[i] = m_pS1[i];
        if (m_pS1[i] == 0)
            m_pS1[i] = m_pS0[i];
    }
    DJAPANPROP record;
    record.FallFill = 1;
    record.RiseFill = 1;
    record.FallColor = CCtlColor::Rgb(0xFF0000);
    record.RiseColor = CCtlColor::Rgb(0x0000FF);
    record.PriceBand = 0;
    record.BidAskMode = 0;
    record.BidAskSwap = 0;
    CJapan::SetProperty(record);
    return 1;
}

static int FindReference(const CReferenceList& references, const CString& name)
{
    for (INT_PTR i = 0; i < references.GetSize(); ++i)
        if (references[i].m_strName == name)
            return references[i].m_nValue;
    return 0;
}

int CDrawObject::BindSeries(int kind, const void* record, const CReferenceList& references)
{
    if (!m_pStore || !record || m_pStore->m_nSeriesCount < 1)
        return 0;
    switch (kind)
    {
    case DRAWKIND_LINE:
    {
        const DLINEPROP& line = *static_cast<const DLINEPROP*>(record);
        m_pStore->BindSeries(0, &m_pS0);
        m_strObjectName = line.Title;
        m_nLegend = line.Legend;
        CLine::SetProperty(line);
        if (line.BaseLine && !line.BaseName.IsEmpty())
            m_nS4Number = FindReference(references, line.BaseName);
        return 1;
    }
    case DRAWKIND_BAR:
    {
        const DBARPROP& bar = *static_cast<const DBARPROP*>(record);
        m_pStore->BindSeries(0, &m_pS0);
        m_pStore->RegisterSeriesCode(bar.DataName, "V");
        m_strBarName = bar.BarName;
        m_strBarName2 = bar.BarName2;
        m_nLegend = bar.Legend;
        m_nBarMode = bar.BarMode;
        CBar::SetProperty(bar);
        if (m_nBarMode == 2)
        {
            m_bTwoSeries = 1;
            int index = m_pStore->FindSeriesIndex(bar.RefName);
            if (index < 0)
            {
                CString text = bar.RefName.IsEmpty()
                                   ? CString("거래량차트의 데이터가 정의되지 않았습니다.")
                                   : CString("거래량차트 데이터 ") + bar.RefName + "을 찾을수 없습니다.";
                AfxMessageBox(text);
                return 0;
            }
            m_pStore->BindSeries(index, &m_pS1);
            return 1;
        }
        if (m_nBarMode == 1)
        {
            m_bTwoSeries = 0;
            m_nS4Number = bar.RefName.IsEmpty() ? 0 : FindReference(references, bar.RefName);
            CBar::m_nRefValue = m_nS4Number;
        }
        return 1;
    }
    case DRAWKIND_HBAR:
    {
        const DHBARPROP& hbar = *static_cast<const DHBARPROP*>(record);
        int** table = m_pStore->m_ppSeries;
        m_pS0 = table[0];
        m_pS1 = m_pStore->m_nSeriesCount > 1 ? table[1] : nullptr;
        m_pS2 = hbar.Style == 1 && m_pStore->m_nSeriesCount > 2 ? table[2] : nullptr;
        m_strBarName = hbar.Title;
        CHBar::SetProperty(hbar);
        return 1;
    }
    default:
        return 0;
    }
}

void CDrawObject::AttachDrawer()
{
    switch (m_nKind)
    {
    case DRAWKIND_CANDLE:
        CJapan::SetOwner(this);
        break;
    case DRAWKIND_LINE:
        CLine::SetOwner(this);
        break;
    case DRAWKIND_AMERICA:
        CAmerica::SetOwner(this);
        break;
    case DRAWKIND_BAR:
        CBar::SetOwner(this);
        break;
    case DRAWKIND_BAR2:
        CBar2::SetOwner(this);
        break;
    case DRAWKIND_SYMBOL:
        CSymbol::SetOwner(this);
        break;
    case DRAWKIND_PIE:
        CPie::SetOwner(this);
        break;
    case DRAWKIND_HBAR:
        CHBar::SetOwner(this);
        break;
    default:
        break;
    }
}

void CDrawObject::CopyPlacement(const CDrawObject& other)
{
    m_pStore = other.m_pStore;
    m_nKind = other.m_nKind;
    m_nAxisSide = other.m_nAxisSide;
    m_nStoreField = other.m_nStoreField;
    m_fXStep = other.m_fXStep;
    m_fYScale = other.m_fYScale;
    m_nAxisSettings[0] = other.m_nAxisSettings[0];
    m_nField0 = other.m_nField0;
}

void CDrawObject::Draw(CRect rect, CDC* pDC, BOOL inverted)
{
    switch (m_nKind)
    {
    case DRAWKIND_CANDLE:
        CJapan::Draw(rect, pDC, inverted);
        break;
    case DRAWKIND_LINE:
        CLine::Draw(rect, pDC, inverted);
        DrawLabelEdge(pDC);
        break;
    case DRAWKIND_AMERICA:
        CAmerica::Draw(rect, pDC, inverted);
        break;
    case DRAWKIND_BAR:
        CBar::Draw(rect, pDC, inverted);
        break;
    case DRAWKIND_BAR2:
        CBar2::Draw(rect, pDC, inverted);
        break;
    case DRAWKIND_SYMBOL:
        CSymbol::Draw(rect, pDC);
        break;
    case DRAWKIND_PIE:
        CPie::Draw(rect, pDC);
        break;
    case DRAWKIND_HBAR:
        CHBar::Draw(rect, pDC);
        // A link back to an object being drawn (itself or through others) would draw forever.
        if (m_pLinked && !m_bDrawingLinked)
        {
            m_bDrawingLinked = 1;
            m_pLinked->Draw(rect, pDC, inverted);
            m_bDrawingLinked = 0;
        }
        break;
    default:
        break;
    }
    if (m_nSelected == 1)
        DrawSelection(rect, pDC);
}

void CDrawObject::DrawSelection(CRect rect, CDC* pDC)
{
    switch (m_nKind)
    {
    case DRAWKIND_CANDLE:
        CJapan::DrawSelection(rect, pDC);
        break;
    case DRAWKIND_LINE:
        CLine::DrawSelection(rect, pDC);
        break;
    case DRAWKIND_AMERICA:
        CAmerica::DrawSelection(rect, pDC);
        break;
    case DRAWKIND_BAR:
        CBar::DrawSelection(rect, pDC);
        break;
    case DRAWKIND_HBAR:
        CHBar::DrawSelection(rect, pDC);
        break;
    default:
        break;
    }
}

int CDrawObject::HitTest(CRect rect, int x, int y, BOOL inverted)
{
    switch (m_nKind)
    {
    case DRAWKIND_CANDLE:
        return CJapan::HitTest(rect, x, y, inverted);
    case DRAWKIND_LINE:
        return CLine::HitTest(rect, x, y, inverted);
    case DRAWKIND_AMERICA:
        return CAmerica::HitTest(rect, x, y, inverted);
    case DRAWKIND_BAR:
        return CBar::HitTest(rect, x, y, inverted);
    default:
        return 0;
    }
}
