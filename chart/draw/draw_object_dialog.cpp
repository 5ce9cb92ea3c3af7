// CDrawObject: the settings dialog of an object's kind and the values it hands back.
#include "DataCell.h"
#include "DrawObject.h"

namespace
{
DrawStyleDialogFn g_styleDialog = nullptr;
}

void CDrawObject::SetStyleDialog(DrawStyleDialogFn dialog)
{
    g_styleDialog = dialog;
}

void CDrawObject::OpenPropertyDialog()
{
    if (m_bEnglish || !m_pStore || !g_styleDialog)
        return;
    const int derived = m_pStore->m_nKind;
    int dialog = 0;
    if (derived == DATACELL_MOVING_AVERAGE)
        dialog = DRAWDIALOG_LINE;
    else if (derived == DATACELL_PLAIN || derived == DATACELL_RATE)
    {
        switch (m_nKind)
        {
        case DRAWKIND_CANDLE:
            dialog = DRAWDIALOG_CANDLE;
            break;
        case DRAWKIND_BAR:
            dialog = m_nMode == 0 ? DRAWDIALOG_VOLUME : DRAWDIALOG_BAR;
            break;
        case DRAWKIND_LINE:
            dialog = DRAWDIALOG_LINE;
            break;
        default:
            break;
        }
    }
    if (!dialog)
        return;
    CDrawStyleValues values;
    switch (dialog)
    {
    case DRAWDIALOG_CANDLE:
        values = {m_clrRise.GetColor(), m_clrFall.GetColor(), m_nRiseFill, m_nFallFill, m_nPriceBand};
        break;
    case DRAWDIALOG_VOLUME:
        values = {m_clrFill.GetColor(), 0, m_n3D, 0, 0};
        break;
    case DRAWDIALOG_BAR:
        values = {m_clrBarUp.GetColor(), m_clrBarDown.GetColor(), m_n3D, 0, 0};
        break;
    default:
        values = {m_clrLine.GetColor(), 0, m_nWidth - 1, m_nPointStyle, m_nShadow};
        break;
    }
    if (g_styleDialog(dialog, values, m_pOwnerWnd) != IDOK)
        return;
    switch (dialog)
    {
    case DRAWDIALOG_CANDLE:
        SetStyle(values.switch2, values.switch1, values.colour2, values.colour1, values.switch3);
        break;
    case DRAWDIALOG_VOLUME:
        m_clrFill = CCtlColor::Rgb(values.colour1);
        m_n3D = values.switch1;
        break;
    case DRAWDIALOG_BAR:
        m_clrBarUp = CCtlColor::Rgb(values.colour1);
        m_clrBarDown = CCtlColor::Rgb(values.colour2);
        m_n3D = values.switch1;
        break;
    default:
        // The line builds its pens from these at every paint.
        m_clrLine = CCtlColor::Rgb(values.colour1);
        m_nWidth = values.switch1 + 1;
        m_nPointStyle = values.switch2;
        m_nShadow = values.switch3;
        break;
    }
    if (m_pOwnerWnd && ::IsWindow(m_pOwnerWnd->GetSafeHwnd()))
        m_pOwnerWnd->SendMessage(2028, 0, 0);
}
