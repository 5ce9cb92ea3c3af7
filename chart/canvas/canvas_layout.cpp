// The canvas's geometry: regions in the plot area, slots of x coordinates, pixels per slot,
// the splitters and the boundary between two regions.
#include "Canvas.h"
#include "CanvasCommands.h"

#include "DataCell.h"
#include "DrawObject.h"

void PlaceCanvasRegions(const CRect& plot, int L, int R, int layoutKind, int timeKind,
                        const CArray<CanvasRegionShare, const CanvasRegionShare&>& shares,
                        CArray<CRect, const CRect&>& rects)
{
    rects.SetSize(shares.GetSize());
    int visible = 0;
    for (INT_PTR i = 0; i < shares.GetSize(); ++i)
    {
        rects[i] = CRect(0, 0, 0, 0);
        visible += shares[i].visible ? 1 : 0;
    }
    if (visible == 0)
        return;
    const int H = plot.Height();
    const int left = plot.left + L;
    const int right = plot.right - R;
    if (layoutKind == 1 && timeKind != 6 && visible > 1)
    {
        const int k = visible / 2;
        const int W = plot.Width();
        int seen = 0;
        int y = plot.top;
        for (INT_PTR i = 0; i < shares.GetSize(); ++i)
        {
            if (!shares[i].visible)
                continue;
            if (seen == k)
                y = plot.top; // the right column starts
            const BOOL leftColumn = seen < k;
            const int h = leftColumn ? H / k : H / (visible - k);
            const int shift = leftColumn ? 0 : W;
            rects[i] = CRect(left + shift, y, right + shift, y + h);
            y += h;
            ++seen;
        }
        return;
    }
    int y = plot.top;
    int seen = 0;
    for (INT_PTR i = 0; i < shares.GetSize(); ++i)
    {
        if (!shares[i].visible)
            continue;
        ++seen;
        const int bottom = seen == visible ? plot.bottom : y + int(H * shares[i].ratio + 0.5f);
        rects[i] = CRect(left, y, right, bottom);
        y = bottom;
    }
}

int CanvasSlotOfX(int x, int plotLeft, int L, int rightColumnLeft, float pixelsPerSlot, int count)
{
    if (count <= 0 || !(pixelsPerSlot > 0))
        return 0;
    const int origin = rightColumnLeft > 0 && x >= rightColumnLeft ? rightColumnLeft + L : plotLeft + L;
    const float offset = float(x - origin) / pixelsPerSlot;
    int slot = offset < 0 ? 0 : int(offset);
    if (slot > count - 1)
        slot = count - 1;
    return slot;
}

int CCanvas::VisibleRegionCount() const
{
    int visible = 0;
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        CRegionCanvas* region = m_Regions.GetAt(i);
        visible += region && region->m_bVisible ? 1 : 0;
    }
    return visible;
}

void CCanvas::RecalcLayout()
{
    if (!GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    const int R = m_Properties.GetRIndexWidth();
    const int L = m_Properties.GetLIndexWidth();
    const int T = m_Properties.GetTimeHeight();
    const int timeKind = m_Properties.GetTimeKind();
    if (timeKind == 6 || timeKind == -1)
    {
        m_rcPlot = client;
        m_rcPlot.InflateRect(2, 2);
        if (m_Properties.m_nTimeDisplay)
            m_rcPlot.bottom -= T;
    }
    else
    {
        CRect rest = client;
        if (m_bBarCreated && m_nToolBarUse && m_BottomBar.GetSafeHwnd())
        {
            CRect bar;
            m_BottomBar.GetWindowRect(&bar);
            m_nBarHeight = bar.Height();
            rest.bottom -= m_nBarHeight;
        }
        m_rcWhole = rest;
        m_rcPlot = rest;
        if (m_nLayoutKind == 1 && VisibleRegionCount() >= 2)
            m_rcPlot.right /= 2;
        m_rcPlot.top = client.top;
        if (m_Properties.m_nTimeDisplay)
            m_rcPlot.bottom -= TIME_AXIS_HEIGHT;
    }

    // The back buffer has the client's size and is made again at every layout.
    // (The paint selects it only for its own duration.) A 32-bit DIB section, so that crowded
    // charts write their pixel columns straight into its bits.
    delete m_pBackBuffer;
    m_pBackBuffer = nullptr;
    if (client.Width() > 0 && client.Height() > 0)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client.Width();
        info.bmiHeader.biHeight = -client.Height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        CClientDC dc(this);
        m_pBackBuffer = new CBitmap;
        if (!m_pBackBuffer->Attach(::CreateDIBSection(dc.GetSafeHdc(), &info, DIB_RGB_COLORS, &bits, NULL, 0)))
            m_pBackBuffer->CreateCompatibleBitmap(&dc, client.Width(), client.Height());
    }

    PlaceRegions();
    const int axisHeight = (timeKind == 6 || timeKind == -1) ? T : TIME_AXIS_HEIGHT;
    m_rcTime = CRect(m_rcPlot.left + L, m_rcPlot.bottom, m_rcPlot.right - R, m_rcPlot.bottom + axisHeight);
    m_rcTrend = CRect(m_rcPlot.left + L, m_rcPlot.top, m_rcPlot.right - R, m_rcPlot.bottom);
}

void CCanvas::PlaceRegions()
{
    CArray<CanvasRegionShare, const CanvasRegionShare&> shares;
    shares.SetSize(m_Regions.GetSize());
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        int id = -1;
        CRegionCanvas* region = m_Regions.GetAt(i, &id);
        float ratio = 0;
        m_mapRatios.Lookup(id, ratio);
        shares[i].visible = region && region->m_bVisible;
        shares[i].ratio = ratio;
    }
    CArray<CRect, const CRect&> rects;
    PlaceCanvasRegions(m_rcPlot, m_Properties.GetLIndexWidth(), m_Properties.GetRIndexWidth(), m_nLayoutKind,
                       m_Properties.GetTimeKind(), shares, rects);
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        CRegionCanvas* region = m_Regions.GetAt(i);
        if (region && shares[i].visible)
            region->Place(rects[i]);
    }
}

void CCanvas::RecalcPixelsPerSlot()
{
    const int timeKind = m_Properties.GetTimeKind();
    const int width = m_rcPlot.Width() - m_Properties.GetLIndexWidth() - m_Properties.GetRIndexWidth();
    // The category layout divides by its own count; until something sets it (nothing in the
    // library does) the value stays as it is, like a display count of 0.
    const int divisor = timeKind == 6 ? m_nCategoryCount : m_nDisplayCount;
    if (divisor > 0)
        m_fPixelsPerSlot = float(width) / float(divisor);
    if (timeKind == -1)
        m_fPixelsPerSlot = float(int(m_fPixelsPerSlot));
}

void CCanvas::UpdateShowWindow()
{
    m_TimeCell.SetDrawRange(m_fPixelsPerSlot, m_nFirst, m_nDisplayCount);
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        CRegionCanvas* region = m_Regions.GetAt(i);
        if (region)
            region->SetShowWindow(m_nFirst, m_nDisplayCount, m_fPixelsPerSlot);
    }
}

void CCanvas::ComputeScales()
{
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        CRegionCanvas* region = m_Regions.GetAt(i);
        if (region && region->m_bVisible)
            region->ComputeScales();
    }
}

void CCanvas::PlaceSplitters()
{
    CRegionCanvas* previous = nullptr;
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        int id = -1;
        CRegionCanvas* region = m_Regions.GetAt(i, &id);
        CDivideWnd* splitter = m_Splitters.Lookup(id);
        const BOOL visible = region && region->m_bVisible;
        if (splitter && splitter->GetSafeHwnd())
        {
            if (m_nLayoutKind == 1 || !visible || !previous)
                splitter->ShowWindow(SW_HIDE);
            else
                splitter->Move(previous->GetPlotRect(), region->GetPlotRect());
        }
        if (visible)
            previous = region;
    }
}

void CCanvas::UpdateScrollBar()
{
    if (!m_bBarCreated)
        return;
    if (CXScrollBar* scroll = m_BottomBar.GetScrollBar())
    {
        scroll->SetScrollRange(0, GetTotalCount(), m_nDisplayCount, FALSE);
        scroll->SetScrollPos(m_nFirst);
    }
    if (CChartSliderBar* slider = m_BottomBar.GetSlider())
        if (GetTotalCount() > 1)
            slider->SetPos(CanvasSliderPosition(GetTotalCount(), m_nDisplayCount));
}

void CCanvas::SetShowWindow(int first, int count)
{
    m_nFirst = first < 0 ? 0 : first;
    m_nDisplayCount = count < 0 ? 0 : count;
    RecalcPixelsPerSlot();
    UpdateShowWindow();
    ComputeScales();
    UpdateScrollBar();
    SetDirty();
}

int CCanvas::SlotOfX(int x) const
{
    const int rightColumn = m_nLayoutKind == 1 && VisibleRegionCount() >= 2 ? m_rcPlot.right : 0;
    return CanvasSlotOfX(x, m_rcPlot.left, m_Properties.GetLIndexWidth(), rightColumn, m_fPixelsPerSlot,
                         m_nDisplayCount);
}

BOOL CCanvas::MoveRegionBoundary(int index, int dy)
{
    CRegionCanvas* upper = nullptr;
    CRegionCanvas* lower = nullptr;
    int upperId = -1;
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        int id = -1;
        CRegionCanvas* region = m_Regions.GetAt(i, &id);
        if (id == index)
        {
            lower = region;
            break;
        }
        if (region && region->m_bVisible)
        {
            upper = region;
            upperId = id;
        }
    }
    // A splitter whose region has no visible region above it has no boundary to move.
    if (!upper || !lower || !lower->m_bVisible)
        return FALSE;
    CRect top = upper->GetPlotRect();
    CRect bottom = lower->GetPlotRect();
    const int boundary = SplitterBoundary(top, bottom, dy);
    top.bottom = boundary;
    bottom.top = boundary;
    upper->Place(top);
    lower->Place(bottom);
    const int H = m_rcPlot.Height();
    if (H > 0)
    {
        m_mapRatios.SetAt(upperId, float(top.Height()) / float(H));
        m_mapRatios.SetAt(index, float(bottom.Height()) / float(H));
    }
    PlaceSplitters();
    ComputeScales();
    Invalidate(TRUE);
    return TRUE;
}

void CCanvas::SetLayoutKind(int kind)
{
    m_nLayoutKind = kind;
    RecalcLayout();
    RecalcPixelsPerSlot();
    UpdateShowWindow();
    PlaceSplitters();
    ComputeScales();
    SetDirty();
}

void CCanvas::OnBarScroll(int code, int position, CWnd* element)
{
    if (code == 8)
        return;
    // The notification carries the position in 16 bits; past 65,535 bars the word has wrapped,
    // and the bar itself holds the whole position.
    if (const CXScrollBar* bar = dynamic_cast<const CXScrollBar*>(element))
    {
        const int whole = bar->GetScrollPos() - bar->Geometry().minimum;
        if (WORD(whole) == WORD(position))
            position = whole;
    }
    m_nFirst = CanvasScrollFirst(GetTotalCount(), m_nDisplayCount, position);
    UpdateShowWindow();
    ComputeScales();
    Invalidate(TRUE);
}

void CCanvas::OnBarSlider(int code, int position, CWnd* element)
{
    (void)element;
    if (code < 6)
    {
        const CanvasWindowState window = CanvasSliderWindow(GetTotalCount(), {m_nFirst, m_nDisplayCount}, position);
        m_nFirst = window.first;
        m_nDisplayCount = window.count;
    }
    if (code != 8)
    {
        UpdateScrollBar();
        RecalcPixelsPerSlot();
        UpdateShowWindow();
        ComputeScales();
        Invalidate(TRUE);
    }
}
