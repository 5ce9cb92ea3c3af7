// CBaseWnd: a child window filled with one colour.
#include "BaseWnd.h"

#include "ColorMap.h"
#include "MemDC.h"
#include "window_class.h"

IMPLEMENT_DYNAMIC(CBaseWnd, CWnd)

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CString CBaseWnd::m_strClassName = "Quelmar_WND";
BOOL CBaseWnd::m_bRegisted = FALSE;

CBaseWnd::CBaseWnd() : m_clrBackground(CColorMap::GetColor(CLR_VIEW_BACKGROUND)) {}

CBaseWnd::~CBaseWnd() {}

BOOL CBaseWnd::RegisterWnd()
{
    return window_class::Register(m_strClassName, CS_DBLCLKS, window_class::ApplicationIcon());
}

BOOL CBaseWnd::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, style, rect, parent, id);
}

BOOL CBaseWnd::CreateEx(DWORD exStyle, DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    if (!m_bRegisted) {
        if (!RegisterWnd())
            return FALSE;
        m_bRegisted = TRUE;
    }
    return CWnd::CreateEx(exStyle, m_strClassName, "", style, rect, parent, id);
}

void CBaseWnd::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CMDC memDC(&paint, &client);
    memDC.FillSolidRect(&client, m_clrBackground);
}
