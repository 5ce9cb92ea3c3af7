// The chart control: construction, window creation, its own properties and the factory.
#include "CtlChart.h"

#include <new>

#include "ChartToolBar.h"
#include "SearchWnd.h"

namespace
{
// Bottom tool-bar commands the control hides.
const unsigned kSettingsButton = 10011;
const unsigned kExcelButton = 10012;
const unsigned kPinButton = 10013;
// The pop-up command that switches the value lookup window.
const unsigned kLookupMenuId = 101;
} // namespace

BEGIN_MESSAGE_MAP(CCtlChart, CCanvas)
    ON_COMMAND(kExcelButton, OnSendToExcel)
END_MESSAGE_MAP()

CCtlChart::CCtlChart()
    : m_hFont(nullptr), m_nToolBarUseProp(0), m_nCheckStyle(0), m_nHIndi(0), m_nVIndi(0), m_nMinMaxOpt(0),
      m_nDataOrder(0), m_nTimeDisplay(0), m_nBorderDisplay(0), m_nSendExcelDisplay(0), m_nFixPinBtnDisplay(0),
      m_pPopupMenu(nullptr), m_bPropertySetLoaded(0), m_nRealVolume(0), m_nVertBaseEntry(-1)
{
    m_strClass = "Chart";

    typedef CProperty<int> I;
    typedef CProperty<CString> S;
    typedef CProperty<CCtlColor> C;
    AddProperty("CAPTION", "텍스트", PROPTYPE_TEXT, S::Getter(&CCtlBase::GetCaption), S::Setter(&CCtlBase::SetCaption));
    AddProperty("VISIBLE", "보임", PROPTYPE_SWITCH, I::Getter(&CCtlBase::GetVisible), I::Setter(&CCtlBase::SetVisible));
    AddProperty("ENABLE", "사용가능", PROPTYPE_SWITCH, I::Getter(&CCtlBase::GetEnable), I::Setter(&CCtlBase::SetEnable));
    AddProperty("TOP", "위쪽", PROPTYPE_INT, I::Getter(&CCtlBase::GetTop), I::Setter(&CCtlBase::SetTop));
    AddProperty("LEFT", "왼쪽", PROPTYPE_INT, I::Getter(&CCtlBase::GetLeft), I::Setter(&CCtlBase::SetLeft));
    AddProperty("WIDTH", "너비", PROPTYPE_INT, I::Getter(&CCtlBase::GetWidth), I::Setter(&CCtlBase::SetWidth));
    AddProperty("HEIGHT", "높이", PROPTYPE_INT, I::Getter(&CCtlBase::GetHeight), I::Setter(&CCtlBase::SetHeight));
    AddProperty("FONT", "글꼴", PROPTYPE_FONT, S::Getter(&CCtlBase::GetCtlFont), S::Setter(&CCtlBase::SetCtlFont));
    AddProperty("FORECOLOR", "글자색", PROPTYPE_COLOR, C::Getter(&CCtlBase::GetForeColor),
                C::Setter(&CCtlBase::SetForeColor));
    AddProperty("BACKCOLOR", "배경색", PROPTYPE_COLOR, C::Getter(&CCtlBase::GetBackColor),
                C::Setter(&CCtlBase::SetBackColor));

    // The chart's own: the description is the name. Members of this class are reached through
    // its CCtlBase part.
#define CHART_PROP(name, type, T, get, set)                                                                 \
    AddProperty(name, name, type, static_cast<T::Getter>(&CCtlChart::get), static_cast<T::Setter>(&CCtlChart::set))
    CHART_PROP("OuterBackColor", PROPTYPE_COLOR, C, GetOuterBackColor, SetOuterBackColor);
    CHART_PROP("FrameColor", PROPTYPE_COLOR, C, GetFrameColor, SetFrameColor);
    CHART_PROP("TimeBackColor", PROPTYPE_COLOR, C, GetTimeBackColor, SetTimeBackColor);
    CHART_PROP("TimeColor", PROPTYPE_COLOR, C, GetTimeColor, SetTimeColor);
    CHART_PROP("ToolBarUse", PROPTYPE_SWITCH, I, GetToolBarUse, SetToolBarUse);
    CHART_PROP("ToolTipUse", PROPTYPE_SWITCH, I, GetToolTipUse, SetToolTipUse);
    CHART_PROP("FluctuationUse", PROPTYPE_SWITCH, I, GetFluctuationUse, SetFluctuationUse);
    CHART_PROP("RealFixNeed", PROPTYPE_SWITCH, I, GetRealFixNeed, SetRealFixNeed);
    CHART_PROP("VIndiColor", PROPTYPE_COLOR, C, GetVIndiColor, SetVIndiColor);
    CHART_PROP("HIndiColor", PROPTYPE_COLOR, C, GetHIndiColor, SetHIndiColor);
    CHART_PROP("CheckStyle", PROPTYPE_SWITCH, I, GetCheckStyle, SetCheckStyle);
    CHART_PROP("HIndi", PROPTYPE_SWITCH, I, GetHIndi, SetHIndi);
    CHART_PROP("VIndi", PROPTYPE_SWITCH, I, GetVIndi, SetVIndi);
    CHART_PROP("MinMaxOpt", PROPTYPE_SWITCH, I, GetMinMaxOpt, SetMinMaxOpt);
    CHART_PROP("DataOrder", PROPTYPE_SWITCH, I, GetDataOrder, SetDataOrder);
    CHART_PROP("TimeDisplay", PROPTYPE_SWITCH, I, GetTimeDisplay, SetTimeDisplay);
    CHART_PROP("BorderDisplay", PROPTYPE_SWITCH, I, GetBorderDisplay, SetBorderDisplay);
    CHART_PROP("SendExcelDisplay", PROPTYPE_SWITCH, I, GetSendExcelDisplay, SetSendExcelDisplay);
    CHART_PROP("FixPinBtnDisplay", PROPTYPE_SWITCH, I, GetFixBtnDisplay, SetFixBtnDisplay);
#undef CHART_PROP

    static const char* const kDataNames[] = {"open", "high", "low", "close", "close", "volume"};
    for (const char* name : kDataNames)
        m_arChartDataNames.Add(name);

    InitProperty();
}

CCtlChart::~CCtlChart()
{
    if (GetSafeHwnd())
        DestroyWindow();
    m_hCtlWnd = nullptr;
}

void CCtlChart::InitProperty()
{
    SetOuterBackColor(CCtlColor::Index(180));
    SetFrameColor(CCtlColor::Index(181));
    SetTimeBackColor(CCtlColor::Index(179));
    SetTimeColor(CCtlColor::Index(1));
    SetToolBarUse(1);
    SetToolTipUse(1);
    SetFluctuationUse(1);
    SetRealFixNeed(1);
    SetVIndiColor(CCtlColor::Index(183));
    SetHIndiColor(CCtlColor::Index(182));
    m_strPropertyString.Empty();
    SetCheckStyle(0);
    SetHIndi(1);
    SetVIndi(1);
    SetMinMaxOpt(1);
    SetDataOrder(1);
    m_clrDefaultBack = CCtlColor::Index(179);
    SetTimeDisplay(1);
    SetBorderDisplay(1);
    SetSendExcelDisplay(0);
    SetFixBtnDisplay(0);
    m_clrCanvasVert = CCtlColor::Index(1);
}

BOOL CCtlChart::MakeControl(CWnd* pParent)
{
    m_nToolBarUse = m_nToolBarUseProp;
    if (!Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER | WS_TABSTOP, m_rcCurrent, pParent, UINT(m_nCtlID)))
        return FALSE;
    m_hCtlWnd = GetSafeHwnd();
    m_hFont = pParent ? reinterpret_cast<HFONT>(pParent->SendMessage(WM_GETFONT)) : nullptr;
    SetChartProp();
    return TRUE;
}

void CCtlChart::SetChartProp()
{
    SetOuterBackColor(m_clrOuterBack);
    SetFrameColor(m_clrFrame);
    SetTimeBackColor(m_clrTimeBack);
    SetTimeColor(m_clrTime);
    SetToolTipUse(GetToolTipUse());
    SetFluctuationUse(GetFluctuationUse());
    SetRealFixNeed(GetRealFixNeed());
    SetVIndiColor(m_clrVIndi);
    SetHIndiColor(m_clrHIndi);
    SetCheckStyle(m_nCheckStyle);
    SetHIndi(m_nHIndi);
    SetVIndi(m_nVIndi);
    SetMinMaxOpt(m_nMinMaxOpt);
    SetDataOrder(m_nDataOrder);
    SetTimeDisplay(m_nTimeDisplay);
    SetBorderDisplay(m_nBorderDisplay);
    SetSendExcelDisplay(m_nSendExcelDisplay);
    SetFixBtnDisplay(m_nFixPinBtnDisplay);
    // An archived property set already holds what its string built and every change since.
    if (!m_bPropertySetLoaded)
        SetPropertyString(m_strPropertyString);
    if (CChartBtmBar* bar = GetBottomBar())
    {
        if (!m_nSendExcelDisplay)
            bar->SetHideCtrl(kExcelButton);
        if (!m_nFixPinBtnDisplay)
            bar->SetHideCtrl(kPinButton);
        bar->SetHideCtrl(kSettingsButton);
    }
    SetBackColor(m_clrDefaultBack);
}

void CCtlChart::SetPropertyString(CString strText)
{
    if (strText.IsEmpty())
        return;
    m_strPropertyString = strText;
    m_bPropertySetLoaded = 0;
    GetProperties().ParsePropertyString(strText);
    // The volume-at-price drawer keeps copies of the font and look: it takes the new ones.
    GetVolumeDrawer().SetChart(&GetProperties());
}

void CCtlChart::SetBackColor(CCtlColor color)
{
    m_clrBack = color;
    m_clrDefaultBack = color;
    GetProperties().m_clrBack = color;
    InvalidateControl();
}

void CCtlChart::SetVisible(BOOL bVisible)
{
    CCtlBase::SetVisible(bVisible);
}

void CCtlChart::ShowControl(BOOL bShow)
{
    CCtlBase::ShowControl(bShow);
    // The lookup window floats apart from the chart: it goes and comes back with it.
    CSearchWnd* lookup = GetLookupWnd();
    if (IsLookupOn() && lookup && lookup->GetSafeHwnd())
        lookup->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CCtlChart::ActionPopupMenu(unsigned int nID)
{
    if (nID == kLookupMenuId)
        OnLookupCommand();
}

// Defined here, not in the class, so that the library exports them.
void CCtlChart::OpenConfigDlg() {}
void CCtlChart::AddChartData() {}
void CCtlChart::SetConnectCtl() {}
void CCtlChart::SetFontInfo() {}
void CCtlChart::UpdateRealData() {}
void CCtlChart::AddDataToCtl() {}
void CCtlChart::AddRealDataToCtl() {}
void CCtlChart::UpdatePriceIndexInfo() {}

void CCtlChart::ShowMessageBox(CString strText)
{
    (void)strText;
}

CMenu* CCtlChart::GetPopupMenu(CPoint point)
{
    (void)point;
    return m_pPopupMenu;
}

int CCtlChart::GetExcelAlign(long nColumn, int nRow)
{
    (void)nColumn;
    (void)nRow;
    return 0;
}

CString CCtlChart::GetCommonPath()
{
    return CString();
}

void CCtlChart::SetCtlFont(CString strFont)
{
    CCtlBase::SetCtlFont(strFont);
    GetProperties().m_strFont = strFont;
}

void CCtlChart::SetEnglishVersion(int nEnglish)
{
    GetProperties().m_bEnglish = nEnglish;
    GetSeriesSettings().m_nEnglish = nEnglish;
    GetReadOutTip().SetEnglish(nEnglish);
}

void CCtlChart::UpdateOutputData(DATAUPDATEINFO* pInfo)
{
    if (!pInfo || pInfo->nUpdate != 0)
        return;
    ClearAll();
    if (m_hCtlWnd)
        ::InvalidateRect(m_hCtlWnd, nullptr, TRUE);
}

// Colours and switches the canvas keeps as well.
void CCtlChart::SetOuterBackColor(CCtlColor color)
{
    m_clrOuterBack = color;
    GetProperties().m_clrOuterBack = color;
}

void CCtlChart::SetFrameColor(CCtlColor color)
{
    m_clrFrame = color;
    GetProperties().m_clrFrame = color;
}

void CCtlChart::SetTimeBackColor(CCtlColor color)
{
    m_clrTimeBack = color;
    GetProperties().m_clrTimeBack = color;
}

void CCtlChart::SetTimeColor(CCtlColor color)
{
    m_clrTime = color;
    GetProperties().m_clrTime = color;
}

void CCtlChart::SetToolBarUse(int n)
{
    m_nToolBarUseProp = n;
    m_nToolBarUse = n;
}

void CCtlChart::SetVIndiColor(CCtlColor color)
{
    m_clrVIndi = color;
    GetProperties().m_clrVIndi = color;
}

void CCtlChart::SetHIndiColor(CCtlColor color)
{
    m_clrHIndi = color;
    GetProperties().m_clrHIndi = color;
}

void CCtlChart::SetCheckStyle(int n)
{
    m_nCheckStyle = n;
    GetProperties().m_nCheckStyle = n;
}

void CCtlChart::SetHIndi(int n)
{
    m_nHIndi = n;
    GetProperties().m_nHIndi = n;
}

void CCtlChart::SetVIndi(int n)
{
    m_nVIndi = n;
    GetProperties().m_nVIndi = n;
}

void CCtlChart::SetMinMaxOpt(int n)
{
    m_nMinMaxOpt = n;
    GetProperties().m_nMinMaxOpt = n;
}

void CCtlChart::SetDataOrder(int n)
{
    m_nDataOrder = n;
    GetProperties().m_nDataOrder = n;
}

void CCtlChart::SetTimeDisplay(int n)
{
    m_nTimeDisplay = n;
    GetProperties().m_nTimeDisplay = n;
}

void CCtlChart::SetBorderDisplay(int n)
{
    m_nBorderDisplay = n;
    GetProperties().m_nBorderDisplay = n;
}

void CCtlChart::SetSendExcelDisplay(int n)
{
    m_nSendExcelDisplay = n;
    GetProperties().m_nSendExcelDisplay = n;
}

void CCtlChart::SetFixBtnDisplay(int n)
{
    m_nFixPinBtnDisplay = n;
    GetProperties().m_nFixPinBtnDisplay = n;
}

// Operations of the time settings and the series store.
long CCtlChart::GetChartDataCount()
{
    return GetTotalCount();
}

void CCtlChart::Set_MinTerm(int nMinTerm)
{
    GetProperties().SetMinTerm(nMinTerm);
}

void CCtlChart::Set_TimeKind(int nKind)
{
    GetProperties().SetTimeKind(nKind);
}

extern "C" IChartBase* GetNewControl()
{
    // Nothing may leave this function as an exception: the host may not be C++.
    try
    {
        CCtlChart* chart = new (std::nothrow) CCtlChart;
        return chart ? static_cast<IChartBase*>(chart) : nullptr;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
    }
    catch (const std::bad_alloc&)
    {
    }
    return nullptr;
}
