// The property dialogs of candle, line, bar and volume objects, and the draw objects' hook that
// opens them.
#include "Canvas.h"
#include "ChartDialogs.h"
#include "CtlColor.h"
#include "DrawObject.h"

CCandlePropDlg::CCandlePropDlg(CWnd* pParent)
    : CChartDialog(IDD_CHART_CANDLEPROP, pParent), m_nKind(0), m_clrRise(CCtlColor::GetPaletteColor(465)),
      m_clrFall(CCtlColor::GetPaletteColor(464)), m_nRiseFill(1), m_nFallFill(1), m_nPriceBand(0)
{
}

BOOL CCandlePropDlg::OnInitDialog()
{
    FillList(IDC_CANDLE_KIND, IDS_CANDLE_KIND_FIRST);
    return CChartDialog::OnInitDialog();
}

void CCandlePropDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartDialog::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_CANDLE_KIND, m_nKind);
    DDX_Control(pDX, IDC_CANDLE_RISE, m_Pickers[0]);
    DDX_ColourPicker(pDX, IDC_CANDLE_RISE, m_clrRise);
    DDX_Control(pDX, IDC_CANDLE_FALL, m_Pickers[1]);
    DDX_ColourPicker(pDX, IDC_CANDLE_FALL, m_clrFall);
    DDX_Check(pDX, IDC_CANDLE_RISEFILL, m_nRiseFill);
    DDX_Check(pDX, IDC_CANDLE_FALLFILL, m_nFallFill);
    DDX_Check(pDX, IDC_CANDLE_PRICEBAND, m_nPriceBand);
}

CLinePropDlg::CLinePropDlg(CWnd* pParent)
    : CChartDialog(IDD_CHART_LINEPROP, pParent), m_clrLine(RGB(255, 0, 0)), m_nThickness(1), m_nShape(0),
      m_nShadow(0)
{
}

BOOL CLinePropDlg::OnInitDialog()
{
    FillList(IDC_LINE_SHAPE, IDS_LINE_SHAPE_FIRST);
    return CChartDialog::OnInitDialog();
}

void CLinePropDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINE_COLOUR, m_Picker);
    DDX_ColourPicker(pDX, IDC_LINE_COLOUR, m_clrLine);
    DDX_Control(pDX, IDC_LINE_THICKNESS, m_Thickness);
    DDX_CBIndex(pDX, IDC_LINE_THICKNESS, m_nThickness);
    DDX_CBIndex(pDX, IDC_LINE_SHAPE, m_nShape);
    DDX_Check(pDX, IDC_LINE_SHADOW, m_nShadow);
}

CBarPropDlg::CBarPropDlg(CWnd* pParent)
    : CChartDialog(IDD_CHART_BARPROP, pParent), m_clrUp(RGB(200, 0, 0)), m_clrDown(RGB(0, 0, 200)), m_nShadow(0)
{
}

void CBarPropDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BAR_UP, m_Pickers[0]);
    DDX_ColourPicker(pDX, IDC_BAR_UP, m_clrUp);
    DDX_Control(pDX, IDC_BAR_DOWN, m_Pickers[1]);
    DDX_ColourPicker(pDX, IDC_BAR_DOWN, m_clrDown);
    DDX_Check(pDX, IDC_BAR_SHADOW, m_nShadow);
}

CVolumePorpDlg::CVolumePorpDlg(CWnd* pParent)
    : CChartDialog(IDD_CHART_VOLUMEPROP, pParent), m_clrBar(RGB(0, 200, 0)), m_nShadow(0)
{
}

void CVolumePorpDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VOLUME_COLOUR, m_Picker);
    DDX_ColourPicker(pDX, IDC_VOLUME_COLOUR, m_clrBar);
    DDX_Check(pDX, IDC_VOLUME_SHADOW, m_nShadow);
}

namespace
{
// The draw objects' settings dialog of their kind: the values in, and out on OK.
INT_PTR RunDrawStyleDialog(int dialog, CDrawStyleValues& values, CWnd* parent)
{
    switch (dialog)
    {
    case DRAWDIALOG_CANDLE:
    {
        CCandlePropDlg dlg(parent);
        dlg.m_clrRise = values.colour1;
        dlg.m_clrFall = values.colour2;
        dlg.m_nRiseFill = values.switch1;
        dlg.m_nFallFill = values.switch2;
        dlg.m_nPriceBand = values.switch3;
        const INT_PTR result = dlg.DoModal();
        if (result == IDOK)
            values = {dlg.m_clrRise, dlg.m_clrFall, dlg.m_nRiseFill, dlg.m_nFallFill, dlg.m_nPriceBand};
        return result;
    }
    case DRAWDIALOG_VOLUME:
    {
        CVolumePorpDlg dlg(parent);
        dlg.m_clrBar = values.colour1;
        dlg.m_nShadow = values.switch1;
        const INT_PTR result = dlg.DoModal();
        if (result == IDOK)
        {
            values.colour1 = dlg.m_clrBar;
            values.switch1 = dlg.m_nShadow;
        }
        return result;
    }
    case DRAWDIALOG_BAR:
    {
        CBarPropDlg dlg(parent);
        dlg.m_clrUp = values.colour1;
        dlg.m_clrDown = values.colour2;
        dlg.m_nShadow = values.switch1;
        const INT_PTR result = dlg.DoModal();
        if (result == IDOK)
        {
            values.colour1 = dlg.m_clrUp;
            values.colour2 = dlg.m_clrDown;
            values.switch1 = dlg.m_nShadow;
        }
        return result;
    }
    default:
    {
        CLinePropDlg dlg(parent);
        dlg.m_clrLine = values.colour1;
        dlg.m_nThickness = values.switch1;
        dlg.m_nShape = values.switch2;
        dlg.m_nShadow = values.switch3;
        const INT_PTR result = dlg.DoModal();
        if (result == IDOK)
            values = {dlg.m_clrLine, 0, dlg.m_nThickness, dlg.m_nShape, dlg.m_nShadow};
        return result;
    }
    }
}

// Loading the library installs the dialogs behind the draw objects' settings hook and the
// canvas's axis choice of a dropped series.
struct InstallDialogs
{
    InstallDialogs()
    {
        CDrawObject::SetStyleDialog(RunDrawStyleDialog);
        CCanvas::SetDropAxisDialog(RunDropAxisDialog);
    }
} g_installDialogs;
} // namespace
