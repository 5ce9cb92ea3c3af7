// The chart settings, display count, dropped-series axis choice and trend-line dialogs.
#include "ChartDialogs.h"

namespace
{
// The pickers of the settings dialog in the order of its colour values.
const int kConfigPickers[8] = {IDC_CONFIG_OUTERBACK, IDC_CONFIG_FRAME,      IDC_CONFIG_TIMEBACK,
                               IDC_CONFIG_CHARTBACK, IDC_CONFIG_TIMETEXT,   IDC_CONFIG_INDEXTEXT,
                               IDC_CONFIG_HLINECOLOUR, IDC_CONFIG_VLINECOLOUR};
const UINT kMaxTotal = 9999999;
const UINT kMaxCount = 999999;
} // namespace

CChartConfigDlg::CChartConfigDlg(CWnd* pParent)
    : CChartDialog(IDD_CHART_CONFIG, pParent), m_clrOuterBack(0), m_clrFrame(0), m_clrTimeBack(0), m_clrChartBack(0),
      m_clrTimeText(0), m_clrIndexText(0), m_clrHLine(0), m_clrVLine(0), m_nToolBar(0), m_nToolTip(0),
      m_nFluctuation(0), m_nTimeDisplay(0), m_nHLines(0), m_nVLines(0)
{
}

void CChartConfigDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartDialog::DoDataExchange(pDX);
    COLORREF* colours[8] = {&m_clrOuterBack, &m_clrFrame,     &m_clrTimeBack, &m_clrChartBack,
                            &m_clrTimeText,  &m_clrIndexText, &m_clrHLine,    &m_clrVLine};
    for (int i = 0; i < 8; ++i)
    {
        DDX_Control(pDX, kConfigPickers[i], m_Pickers[i]);
        DDX_ColourPicker(pDX, kConfigPickers[i], *colours[i]);
    }
    DDX_Check(pDX, IDC_CONFIG_TOOLBAR, m_nToolBar);
    DDX_Check(pDX, IDC_CONFIG_TOOLTIP, m_nToolTip);
    DDX_Check(pDX, IDC_CONFIG_FLUCTUATION, m_nFluctuation);
    DDX_Check(pDX, IDC_CONFIG_TIMEDISPLAY, m_nTimeDisplay);
    DDX_Check(pDX, IDC_CONFIG_HLINES, m_nHLines);
    DDX_Check(pDX, IDC_CONFIG_VLINES, m_nVLines);
}

BEGIN_MESSAGE_MAP(CDataNumDlg, CChartDialog)
    ON_BN_CLICKED(IDC_DATANUM_ALL, OnAll)
END_MESSAGE_MAP()

CDataNumDlg::CDataNumDlg(CWnd* pParent) : CChartDialog(IDD_CHART_DATANUM, pParent), m_nTotal(0), m_nCount(0) {}

void CDataNumDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DATANUM_TOTAL, m_nTotal);
    DDV_MinMaxUInt(pDX, m_nTotal, 0, kMaxTotal);
    DDX_Text(pDX, IDC_DATANUM_COUNT, m_nCount);
    // No item shown at all would leave the chart a window of nothing.
    DDV_MinMaxUInt(pDX, m_nCount, 1, kMaxCount);
    DDX_Control(pDX, IDC_DATANUM_SPIN, m_Spin);
}

BOOL CDataNumDlg::OnInitDialog()
{
    CChartDialog::OnInitDialog();
    // The 32-bit range: counts run far above the 16-bit control's 32,767.
    const int upper = int(m_nTotal > kMaxTotal ? kMaxTotal : m_nTotal);
    m_Spin.SetRange32(upper > 0 ? 1 : 0, upper);
    m_Spin.SetPos32(int(m_nCount > kMaxTotal ? kMaxTotal : m_nCount));
    return TRUE;
}

void CDataNumDlg::OnAll()
{
    m_nCount = m_nTotal;
    SetDlgItemInt(IDC_DATANUM_COUNT, m_nCount, FALSE);
}

DIndexOption::DIndexOption(CWnd* pParent) : CChartDialog(IDD_CHART_INDEXOPTION, pParent), m_nChoice(0) {}

void DIndexOption::DoDataExchange(CDataExchange* pDX)
{
    CChartDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_INDEX_NEWRIGHT, m_nChoice);
}

BOOL RunDropAxisDialog(CWnd* parent, BOOL regionHasSeries, int& axisSide)
{
    DIndexOption dlg(parent);
    if (axisSide == 1)
        dlg.m_nChoice = regionHasSeries ? 1 : 0;
    else
        dlg.m_nChoice = regionHasSeries ? 3 : 2;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    if (dlg.m_nChoice == 0 || dlg.m_nChoice == 1)
        axisSide = 1;
    else if (dlg.m_nChoice == 2 || dlg.m_nChoice == 3)
        axisSide = 0;
    return TRUE;
}

CTrandConfig::CTrandConfig(CWnd* pParent)
    : CChartDialog(IDD_CHART_TREND, pParent), m_clrLine(RGB(0, 0, 0)), m_nThickness(1)
{
}

void CTrandConfig::DoDataExchange(CDataExchange* pDX)
{
    CChartDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TREND_COLOUR, m_Picker);
    DDX_ColourPicker(pDX, IDC_TREND_COLOUR, m_clrLine);
    DDX_Control(pDX, IDC_TREND_THICKNESS, m_Thickness);
    if (pDX->m_bSaveAndValidate)
        DDX_CBIndex(pDX, IDC_TREND_THICKNESS, m_nThickness);
}

BOOL CTrandConfig::OnInitDialog()
{
    CChartDialog::OnInitDialog();
    m_Thickness.SetStyleOption(1);
    m_Thickness.SetCurSel(m_nThickness - 1);
    return TRUE;
}
