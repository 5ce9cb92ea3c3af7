// CCtrlBase: background colour from the colour map and parent-coloured static children.
#include "CtrlBase.h"

#include "ColorMap.h"

IMPLEMENT_DYNAMIC(CCtrlBase, CWnd)

BEGIN_MESSAGE_MAP(CCtrlBase, CWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CCtrlBase::CCtrlBase() : m_clrBack(0)
{
    CColorInfo* info = CColorMap::GetColorInfo(CLR_VIEW_BACKGROUND);
    if (info != NULL)
        m_clrBack = info->m_clrColor;
    m_brBack.CreateSolidBrush(m_clrBack);
}

CCtrlBase::~CCtrlBase()
{
    m_brBack.DeleteObject();
}

void CCtrlBase::SetBackColor(COLORREF colour)
{
    m_clrBack = colour;
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

HBRUSH CCtrlBase::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_STATIC)
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    // Static children take the colours of the control's parent.
    const MSG* msg = GetCurrentMessage();
    HWND parent = ::GetParent(m_hWnd);
    if (parent == NULL)
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    return reinterpret_cast<HBRUSH>(::SendMessage(parent, msg->message, msg->wParam, msg->lParam));
}
