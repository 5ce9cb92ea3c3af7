// The canvas's commands from its bottom bar and draw-mode menu: zoom, layout, draw mode, value
// lookup, keep-count and the settings, display count and trend-line dialogs.
#include "Canvas.h"

#include "ChartDialogs.h"

namespace
{
struct DrawModeItem
{
    UINT id;
    const char* text;
    int mode;
};
const DrawModeItem kDrawModeItems[] = {
    {CMD_DRAWMODE_TREND, "추세선", DRAWMODE_TREND},
    {CMD_DRAWMODE_VERTICAL, "수직선", DRAWMODE_VERTICAL},
    {CMD_DRAWMODE_HORIZONTAL, "수평선", DRAWMODE_HORIZONTAL},
    {CMD_DRAWMODE_DEFAULT, "기본모드", DRAWMODE_DEFAULT},
};
} // namespace

BOOL CCanvas::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    for (const DrawModeItem& item : kDrawModeItems)
        if (id == item.id)
        {
            SetDrawMode(item.mode);
            return TRUE;
        }
    switch (id)
    {
    case CMD_CHART_DRAWMODE:
        OnDrawModeButton();
        return TRUE;
    case CMD_CHART_LAYOUT:
        OnLayoutSwitch();
        return TRUE;
    case CMD_CHART_ZOOMBACK:
        OnZoomBack();
        return TRUE;
    case CMD_CHART_ZOOMIN:
        OnZoomIn();
        return TRUE;
    case CMD_CHART_TRENDSTYLE:
        OnTrendStyle();
        return TRUE;
    case CMD_CHART_NOACTION:
        return TRUE;
    case CMD_CHART_DISPLAYCOUNT:
        OnDisplayCount();
        return TRUE;
    case CMD_CHART_SETTINGS:
        OnSettings();
        return TRUE;
    case CMD_CHART_KEEPCOUNT:
        m_bKeepCount = m_bKeepCount ? 0 : 1;
        return TRUE;
    default:
        return CWnd::OnCommand(wParam, lParam);
    }
}

void CCanvas::RefreshWindow()
{
    RecalcPixelsPerSlot();
    UpdateShowWindow();
    ComputeScales();
    UpdateScrollBar();
    Invalidate(TRUE);
}

void CCanvas::MakeDrawModeMenu(CMenu& menu) const
{
    menu.CreatePopupMenu();
    for (const DrawModeItem& item : kDrawModeItems)
        menu.AppendMenu(MF_STRING | (item.mode == m_nDrawMode ? MF_CHECKED : MF_UNCHECKED), item.id, item.text);
}

void CCanvas::OnDrawModeButton()
{
    CMenu menu;
    MakeDrawModeMenu(menu);
    CRect button(0, 0, 0, 0);
    if (CWnd* element = m_bBarCreated ? m_BottomBar.GetCtrl(CMD_CHART_DRAWMODE) : nullptr)
        element->GetWindowRect(&button);
    else
        GetWindowRect(&button);
    menu.TrackPopupMenu(TPM_LEFTALIGN, button.left, button.top + 1, this);
}

void CCanvas::SetDrawMode(int mode)
{
    m_nDrawMode = mode;
    ClearSelection();
    if (mode == DRAWMODE_DEFAULT)
        Invalidate(TRUE);
}

void CCanvas::OnLayoutSwitch()
{
    m_nLayoutKind = m_nLayoutKind ? 0 : 1;
    RecalcLayout();
    RecalcPixelsPerSlot();
    UpdateShowWindow();
    ComputeScales();
    PlaceSplitters();
    Invalidate(TRUE);
}

void CCanvas::OnZoomBack()
{
    const INT_PTR n = m_arZoom.GetSize();
    if (n == 0)
        return;
    const CanvasWindowState window = m_arZoom[n - 1];
    m_arZoom.RemoveAt(n - 1);
    m_nFirst = window.first;
    m_nDisplayCount = window.count;
    RefreshWindow();
}

void CCanvas::OnZoomIn()
{
    CanvasWindowState window = {m_nFirst, m_nDisplayCount};
    const CanvasWindowState before = window;
    if (!CanvasZoomIn(GetTotalCount(), window))
        return;
    m_arZoom.Add(before);
    m_nFirst = window.first;
    m_nDisplayCount = window.count;
    RefreshWindow();
}

void CCanvas::OnTrendStyle()
{
    CTrandConfig dlg(this);
    dlg.m_clrLine = m_crTrend;
    dlg.m_nThickness = m_nTrendStyleValue;
    if (dlg.DoModal() != IDOK)
        return;
    m_crTrend = dlg.m_clrLine;
    m_nTrendStyleValue = dlg.m_nThickness + 1;
    // The list shows thicknesses: the chosen entry is the new lines' width less one.
    m_nTrendWidth = dlg.m_nThickness + 1;
    for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
        if (CRegionCanvas* region = m_Regions.GetAt(i))
        {
            region->m_crDefaultPen = m_crTrend;
            region->m_nDefaultPenWidth = m_nTrendWidth;
        }
    m_Trend.m_crDefaultPen = m_crTrend;
    m_Trend.m_nDefaultPenWidth = m_nTrendWidth;
}

void CCanvas::OnDisplayCount()
{
    CDataNumDlg dlg(this);
    dlg.m_nTotal = UINT(GetTotalCount());
    dlg.m_nCount = UINT(m_nDisplayCount);
    if (dlg.DoModal() != IDOK)
        return;
    CanvasWindowState window = {m_nFirst, m_nDisplayCount};
    const int requested = dlg.m_nCount > 999999 ? 999999 : int(dlg.m_nCount);
    switch (CanvasApplyDisplayCount(GetTotalCount(), requested, window))
    {
    case CANVASCOUNT_REFUSED_ABOVE:
        ShowMessageBox("화면 표시 갯수는 전송된 자료수를 초과할수 없습니다.");
        return;
    case CANVASCOUNT_REFUSED_ZERO:
        return;
    default:
        break;
    }
    m_nFirst = window.first;
    m_nDisplayCount = window.count;
    RefreshWindow();
}

void CCanvas::OnSettings()
{
    CChartConfigDlg dlg(this);
    dlg.m_clrOuterBack = m_Properties.m_clrOuterBack.GetColor();
    dlg.m_clrFrame = m_Properties.m_clrFrame.GetColor();
    dlg.m_clrTimeBack = m_Properties.m_clrTimeBack.GetColor();
    dlg.m_clrChartBack = m_Properties.m_clrBack.GetColor();
    dlg.m_clrTimeText = m_Properties.m_clrTime.GetColor();
    dlg.m_clrHLine = m_Properties.m_clrHIndi.GetColor();
    dlg.m_clrVLine = m_Properties.m_clrVIndi.GetColor();
    dlg.m_nTimeDisplay = m_Properties.m_nTimeDisplay;
    dlg.m_nToolBar = m_nToolBarUse;
    dlg.m_nToolTip = m_nToolTipUse;
    dlg.m_nFluctuation = m_nFluctuationUse;
    dlg.m_nHLines = m_Properties.m_nHIndi;
    dlg.m_nVLines = m_Properties.m_nVIndi;
    if (dlg.DoModal() != IDOK)
        return;
    m_Properties.m_clrOuterBack = CCtlColor::Rgb(dlg.m_clrOuterBack);
    m_Properties.m_clrFrame = CCtlColor::Rgb(dlg.m_clrFrame);
    m_Properties.m_clrTimeBack = CCtlColor::Rgb(dlg.m_clrTimeBack);
    m_Properties.m_clrBack = CCtlColor::Rgb(dlg.m_clrChartBack);
    m_Properties.m_clrTime = CCtlColor::Rgb(dlg.m_clrTimeText);
    m_Properties.m_clrHIndi = CCtlColor::Rgb(dlg.m_clrHLine);
    m_Properties.m_clrVIndi = CCtlColor::Rgb(dlg.m_clrVLine);
    m_Properties.m_nTimeDisplay = dlg.m_nTimeDisplay;
    m_nToolBarUse = dlg.m_nToolBar;
    m_nToolTipUse = dlg.m_nToolTip;
    m_nFluctuationUse = dlg.m_nFluctuation;
    m_Properties.m_nHIndi = dlg.m_nHLines;
    m_Properties.m_nVIndi = dlg.m_nVLines;
    if (m_bBarCreated)
        m_BottomBar.ShowWindow(m_nToolBarUse ? SW_SHOW : SW_HIDE);
    RecalcLayout();
    RefreshWindow();
}
