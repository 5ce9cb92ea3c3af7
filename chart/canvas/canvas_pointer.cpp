// The canvas's mouse side: series selection, the crosshair with its three value tags, the
// read-out tooltip, user-drawn lines and the double click.
#include "Canvas.h"

#include <afxcmn.h>

#include "ChartText.h"
#include "DrawObject.h"
#include "SearchData.h"
#include "SearchWnd.h"
#include "SeriesValues.h"

namespace
{
// Tags narrower than this axis strip would cover the plot.
const int kMinTagAxis = 20;
CToolTipCtrl* g_tags[3] = {nullptr, nullptr, nullptr};

void ShowTag(int index, CPoint screen, const CString& text, BOOL centreX, BOOL centreY)
{
    CToolTipCtrl* tag = g_tags[index];
    if (!tag || !tag->GetSafeHwnd())
        return;
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = tag->GetSafeHwnd();
    ti.uId = 1;
    ti.lpszText = const_cast<LPSTR>(LPCSTR(text));
    tag->SendMessage(TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
    const DWORD size = DWORD(tag->SendMessage(TTM_GETBUBBLESIZE, 0, (LPARAM)&ti));
    if (centreX)
        screen.x -= LOWORD(size) / 2;
    if (centreY)
        screen.y -= HIWORD(size) / 2;
    tag->SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(screen.x, screen.y));
    tag->SendMessage(TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
}

void HideTag(int index)
{
    CToolTipCtrl* tag = g_tags[index];
    if (!tag || !tag->GetSafeHwnd())
        return;
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = tag->GetSafeHwnd();
    ti.uId = 1;
    tag->SendMessage(TTM_TRACKACTIVATE, FALSE, (LPARAM)&ti);
}
} // namespace

CWnd* CCanvas::GetCrosshairTag(int index)
{
    return index >= 0 && index < 3 ? g_tags[index] : nullptr;
}

void CCanvas::MakeCrosshairTags()
{
    for (int i = 0; i < 3; ++i)
    {
        if (g_tags[i] && g_tags[i]->GetSafeHwnd())
            continue;
        delete g_tags[i];
        g_tags[i] = new CToolTipCtrl;
        if (!g_tags[i]->CreateEx(NULL, WS_BORDER, WS_EX_TOPMOST | WS_EX_TOOLWINDOW))
            continue;
        // The version-2 record: comctl32 5, which runs without a manifest, refuses the full
        // record of later versions; 44 bytes on 32-bit Windows.
        TOOLINFOA ti = {};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        ti.hwnd = g_tags[i]->GetSafeHwnd();
        ti.uId = 1;
        ti.lpszText = const_cast<LPSTR>("      ");
        g_tags[i]->SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
    }
}

void CCanvas::HideCrosshairTags()
{
    for (int i = 0; i < 3; ++i)
        HideTag(i);
}

CRect CCanvas::CrosshairRect(int column) const
{
    CRect rect(m_rcPlot.left + m_Properties.GetLIndexWidth() - m_Properties.GetLeftMargin(), m_rcPlot.top,
               m_rcPlot.right - m_Properties.GetRIndexWidth() + m_Properties.GetRMargin(), m_rcPlot.bottom);
    if (column == 2)
        rect.OffsetRect(m_rcPlot.Width(), 0);
    return rect;
}

int CCanvas::CrosshairColumn(CPoint point) const
{
    if (CrosshairRect(1).PtInRect(point))
        return 1;
    if (m_nLayoutKind == 1 && VisibleRegionCount() >= 2 && CrosshairRect(2).PtInRect(point))
        return 2;
    return 0;
}

CRegionCanvas* CCanvas::VisibleRegionAt(CPoint point, int* id) const
{
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        int regionId = -1;
        CRegionCanvas* region = m_Regions.GetAt(i, &regionId);
        if (!region || !region->m_bVisible)
            continue;
        CRect rect = region->GetRegionRect();
        if (rect.PtInRect(point) || region->PtInRegion(point))
        {
            if (id)
                *id = regionId;
            return region;
        }
    }
    return nullptr;
}

void CCanvas::DrawCrossLines(CDC* pDC, CPoint point, int column)
{
    if (point.x < 0 || point.y < 0 || column == 0)
        return;
    const CRect rect = CrosshairRect(column);
    // Black and white through XOR: black leaves the pixels, white inverts them, so the lines show
    // on any background and a second drawing restores every pixel.
    const int oldRop = pDC->SetROP2(R2_XORPEN);
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    CPen* old = pDC->SelectObject(&black);
    for (int pass = 0; pass < 2; ++pass)
    {
        pDC->MoveTo(rect.left, point.y);
        pDC->LineTo(rect.right, point.y);
        pDC->MoveTo(point.x, m_rcPlot.top);
        pDC->LineTo(point.x, m_rcPlot.bottom);
        pDC->SelectObject(&white);
    }
    pDC->SelectObject(old);
    pDC->SetROP2(oldRop);
}

void CCanvas::DrawCrosshair(CDC* pDC, CPoint point, BOOL withTags)
{
    int column = m_nCrossColumn ? m_nCrossColumn : CrosshairColumn(point);
    DrawCrossLines(pDC, point, column);
    if (withTags)
        ShowCrosshairTags(point, column);
}

void CCanvas::ShowCrosshairTags(CPoint point, int column)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point))
        return;
    int regionId = -1;
    CRegionCanvas* region = VisibleRegionAt(point, &regionId);
    if (!region)
        return;
    const int total = GetTotalCount();
    const int timeKind = m_Properties.GetTimeKind();
    int slot = region->PickSlot(point.x, m_nFirst, m_nFirst + m_nDisplayCount - 1, m_fPixelsPerSlot, FALSE);
    if (slot > m_nFirst + m_nDisplayCount - 1)
        slot = m_nFirst + m_nDisplayCount - 1;
    if (slot > total - 1)
        slot = total - 1; // the last data item
    if (slot < 0)
        slot = 0;
    const int timeIndex = m_TimeCell.GetLength() - 1 - slot;
    const int* times = m_TimeCell.GetTimes();
    if (times && timeIndex >= 0 && timeIndex < m_TimeCell.GetLength())
    {
        const int t = times[timeIndex];
        const CString text = timeKind == 5 ? FormatNumberValue(t, -1, -1, "", m_Settings.m_nXDivisor, m_Settings.m_nXDecimals, 0)
                                           : FormatTimeValue(t, timeKind);
        CPoint at(point.x, m_rcPlot.bottom);
        ClientToScreen(&at);
        ShowTag(0, at, text, TRUE, FALSE);
    }
    const CRect rect = CrosshairRect(column);
    const int L = m_Properties.GetLIndexWidth(), R = m_Properties.GetRIndexWidth();
    float factor = 0;
    int divisor = 1, decimals = 0;
    if (L >= kMinTagAxis)
    {
        region->GetLeftScale(factor, divisor, decimals);
        CPoint at(rect.left, point.y);
        ClientToScreen(&at);
        ShowTag(1, at, FormatNumberValue(region->PickLeftValue(point.y), -1, -1, "", divisor, decimals, 0), FALSE, TRUE);
    }
    else
        HideTag(1);
    if (R >= kMinTagAxis)
    {
        region->GetRightScale(factor, divisor, decimals);
        CPoint at(m_rcPlot.right - R + m_Properties.GetRMargin() + (column == 2 ? m_rcPlot.Width() : 0), point.y);
        ClientToScreen(&at);
        ShowTag(2, at, FormatNumberValue(region->PickValue(point.y), -1, -1, "", divisor, decimals, 0), FALSE, TRUE);
    }
    else
        HideTag(2);
    m_bCrossTagShown = TRUE;
}

void CCanvas::ClearSelection()
{
    if (!m_bSelected)
        return;
    if (CRegionCanvas* region = m_Regions.Lookup(m_nSelRegion))
    {
        CClientDC dc(this);
        region->ToggleSelect(&dc, m_nSelObject);
    }
    m_bSelected = 0;
    m_nSelRegion = m_nSelObject = -1;
}

void CCanvas::DrawRubberLine()
{
    CClientDC dc(this);
    CTrend* layer = &m_Trend;
    if (m_nDrawMode != DRAWMODE_VERTICAL)
        if (CRegionCanvas* region = m_Regions.Lookup(m_nDrawRegion))
            layer = region;
    CPoint end = m_ptEnd;
    if (m_nDrawMode == DRAWMODE_VERTICAL)
        end.y = m_ptStart.y;
    layer->DrawLine(&dc, m_ptStart, end, m_nDrawMode, nullptr);
}

void CCanvas::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
    if (!m_bDataReady || GetTotalCount() <= 0)
        return;
    m_ReadOut.HideTip();
    m_bReadOutShown = FALSE;
    // A series' legend button.
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        CRegionCanvas* region = m_Regions.GetAt(i);
        for (int o = 0; region && region->m_bVisible && o < region->GetObjectCount(); ++o)
        {
            CDrawObject* object = region->GetObjectAt(o);
            if (object && !object->m_rcLabel.IsRectEmpty() && object->m_rcLabel.PtInRect(point))
            {
                object->OnLabelClick(point.x, point.y, object->m_rcLabel);
                Invalidate(TRUE);
                return;
            }
        }
    }
    const int timeKind = m_Properties.GetTimeKind();
    const BOOL timeSeries = timeKind != 6 && timeKind != -1;
    BOOL hit = FALSE;
    if (m_nDrawMode == DRAWMODE_DEFAULT && m_rcPlot.PtInRect(point) && timeSeries)
    {
        for (INT_PTR i = 0; i < m_Regions.GetSize() && !hit; ++i)
        {
            int regionId = -1;
            CRegionCanvas* region = m_Regions.GetAt(i, &regionId);
            if (!region || !region->m_bVisible)
                continue;
            const int objectId = region->HitTest(point.x, point.y);
            if (objectId < 0)
                continue;
            hit = TRUE;
            if (!m_bSelected || m_nSelRegion != regionId || m_nSelObject != objectId)
            {
                ClearSelection();
                CClientDC dc(this);
                region->ToggleSelect(&dc, objectId);
                m_bSelected = 1;
                m_nSelRegion = regionId;
                m_nSelObject = objectId;
            }
        }
        if (!hit)
            ClearSelection();
    }
    if (!hit && m_nDrawMode == DRAWMODE_DEFAULT && timeSeries && VisibleRegionCount() > 0)
    {
        m_bCrossOn = 1;
        m_ptCross = point;
        m_nCrossColumn = CrosshairColumn(point);
        MakeCrosshairTags();
        CClientDC dc(this);
        DrawCrossLines(&dc, point, m_nCrossColumn);
        SetCapture();
        return;
    }
    if (m_nDrawMode > DRAWMODE_DEFAULT)
    {
        if (m_nDrawMode == DRAWMODE_VERTICAL)
        {
            if (!m_rcPlot.PtInRect(point))
                return;
            m_nDrawRegion = -1;
        }
        else if (!VisibleRegionAt(point, &m_nDrawRegion))
            return;
        m_ptStart = m_ptEnd = point;
        m_bDrawing = 1;
        DrawRubberLine();
        SetCapture();
    }
}

void CCanvas::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (!m_bDataReady || GetTotalCount() <= 0)
        return;
    BOOL hoverChanged = FALSE;
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        CRegionCanvas* region = m_Regions.GetAt(i);
        for (int o = 0; region && region->m_bVisible && o < region->GetObjectCount(); ++o)
            if (CDrawObject* object = region->GetObjectAt(o))
            {
                const int before = object->m_bLabelHover;
                object->OnLabelHover(point.x, point.y, object->m_rcLabel);
                hoverChanged |= before != object->m_bLabelHover;
            }
    }
    if (hoverChanged)
        Invalidate(TRUE);
    const int timeKind = m_Properties.GetTimeKind();
    if (m_bCrossOn && timeKind != 6 && timeKind != -1 && point != m_ptCross)
    {
        const int column = CrosshairColumn(point);
        if (column == 0)
        {
            if (m_ptCross.x >= 0)
            {
                m_ptCross = CPoint(-1, -1);
                Invalidate(FALSE);
                m_bRedrawAfterPaint = 1;
            }
            HideCrosshairTags();
            m_bCrossTagShown = FALSE;
        }
        else
        {
            m_ReadOut.HideTip();
            m_bReadOutShown = FALSE;
            CClientDC dc(this);
            if (m_ptCross.x >= 0)
                DrawCrossLines(&dc, m_ptCross, m_nCrossColumn);
            m_nCrossColumn = column;
            DrawCrosshair(&dc, point, TRUE);
            m_ptCross = point;
            m_bRedrawAfterPaint = 0;
        }
    }
    // While the lookup is on it follows the slot under the pointer.
    if (m_bLookupOn && m_pLookupWnd)
    {
        FillLookup(SlotOfX(point.x));
        if (!m_pLookupWnd->IsWindowVisible())
            m_pLookupWnd->ShowWindow(SW_SHOWNOACTIVATE);
    }
    if (m_bDrawing)
    {
        DrawRubberLine();
        m_ptEnd = point;
        DrawRubberLine();
        return;
    }
    if (!m_nToolTipUse || m_bLookupOn)
        return;
    if (nFlags & MK_LBUTTON)
        return;
    CPoint screen = point;
    ClientToScreen(&screen);
    if (::WindowFromPoint(screen) != GetSafeHwnd())
    {
        m_ReadOut.HideTip();
        m_bReadOutShown = FALSE;
        return;
    }
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, GetSafeHwnd(), 0};
    ::TrackMouseEvent(&track);
    // The same slot under the pointer: the shown read-out still holds.
    if (m_bReadOutShown && SlotOfX(point.x) == m_nReadOutSlot && m_rcPlot.PtInRect(point))
        return;
    const CString text = BuildReadOut(point);
    if (text.IsEmpty())
        return;
    m_ReadOut.ShowTable(screen, text);
    m_bReadOutShown = TRUE;
}

CString CCanvas::BuildReadOut(CPoint point)
{
    const int slot = SlotOfX(point.x);
    const int rawSlot = m_fPixelsPerSlot > 0
                            ? int((point.x - (m_rcPlot.left + m_Properties.GetLIndexWidth())) / m_fPixelsPerSlot)
                            : -1;
    if (rawSlot < 0 || rawSlot >= m_nDisplayCount || !m_rcPlot.PtInRect(point))
    {
        m_nReadOutSlot = rawSlot;
        if (m_bReadOutShown)
            m_ReadOut.HideTip();
        m_bReadOutShown = FALSE;
        return CString();
    }
    m_ptReadOut = point;
    BOOL hit = FALSE;
    for (INT_PTR i = 0; i < m_Regions.GetSize() && !hit; ++i)
    {
        CRegionCanvas* region = m_Regions.GetAt(i);
        hit = region && region->m_bVisible && region->PtInRegion(point) && region->HitTest(point.x, point.y) >= 0;
    }
    if (!hit)
        return CString();
    m_nReadOutSlot = slot;
    const int position = m_nFirst + slot;
    CObList rows;
    m_TimeCell.AddLookupRow(m_TimeCell.GetLength() - 1 - position, rows);
    const INT_PTR timeRows = rows.GetCount();
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
    {
        CRegionCanvas* region = m_Regions.GetAt(i);
        if (region && region->m_bVisible)
            region->AddTipRows(position, rows);
    }
    CArray<ReadOutItem, const ReadOutItem&> items;
    INT_PTR n = 0;
    for (POSITION pos = rows.GetHeadPosition(); pos != NULL; ++n)
    {
        CSearchData* row = static_cast<CSearchData*>(rows.GetNext(pos));
        items.Add(ReadOutItemFromRow(*row, n < timeRows));
        delete row;
    }
    return BuildReadOutText(items, m_Properties.GetTimeKind(), IsEnglish(), m_nFluctuationUse);
}

void CCanvas::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
    m_ReadOut.HideTip();
    m_bReadOutShown = FALSE;
    if (m_bCrossOn)
    {
        m_bCrossOn = 0;
        CClientDC dc(this);
        if (m_ptCross.x >= 0)
            DrawCrossLines(&dc, m_ptCross, m_nCrossColumn);
        HideCrosshairTags();
        m_bCrossTagShown = FALSE;
        m_ptCross = CPoint(-1, -1);
        m_nCrossColumn = 0;
        if (GetCapture() == this)
            ReleaseCapture();
    }
    if (m_bDrawing)
    {
        if (GetCapture() == this)
            ReleaseCapture();
        m_bDrawing = 0;
        DrawRubberLine();
        m_ptEnd = point;
        const int last = m_nFirst + m_nDisplayCount - 1;
        if (m_nDrawMode == DRAWMODE_VERTICAL)
        {
            m_Trend.SetArea(&m_rcTrend);
            m_Trend.AddTrend(m_ptStart, CPoint(m_ptEnd.x, m_ptStart.y), m_nDrawMode, m_nFirst, last,
                             m_fPixelsPerSlot, FALSE, m_crTrend, m_nTrendWidth, m_nTrendStyle);
        }
        else if (CRegionCanvas* region = m_Regions.Lookup(m_nDrawRegion))
            region->AddTrend(m_ptStart, m_ptEnd, m_nDrawMode, m_nFirst, last, m_fPixelsPerSlot, FALSE, m_crTrend,
                             m_nTrendWidth, m_nTrendStyle);
        Invalidate(TRUE);
    }
}

void CCanvas::OnMouseLeave()
{
    if (m_bReadOutShown)
        m_ReadOut.HideTip();
    m_bReadOutShown = FALSE;
    if (m_Properties.GetTimeKind() != 6)
    {
        HideCrosshairTags();
        m_bCrossTagShown = FALSE;
    }
    if (GetCapture() == this)
        ReleaseCapture();
}

void CCanvas::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDblClk(nFlags, point);
    if (m_bDblClickNotify && GetTotalCount() > 0)
    {
        if (VisibleRegionAt(point))
        {
            const int slot = SlotOfX(point.x);
            const int position = m_nFirst + slot;
            for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
                if (CRegionCanvas* region = m_Regions.GetAt(i))
                    region->SetHighlightSlot(position);
            const int timeIndex = m_TimeCell.GetLength() - 1 - position;
            const int* times = m_TimeCell.GetTimes();
            if (times && timeIndex >= 0 && timeIndex < m_TimeCell.GetLength())
                CanvasDblClick(long(times[timeIndex]));
            Invalidate(TRUE);
        }
    }
    if (m_bSelected)
        if (CRegionCanvas* region = m_Regions.Lookup(m_nSelRegion))
            if (CDrawObject* object = region->GetDrawObject(m_nSelObject))
            {
                object->OpenPropertyDialog();
                Invalidate(TRUE);
            }
    SetFocus();
}
