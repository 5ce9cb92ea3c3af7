// CMapPage: a layout view as a child page: flat background of colour 401, double-buffered,
// transparent labels, no title bar.
#include "MapPage.h"

#include "ColorMap.h"

IMPLEMENT_DYNAMIC(CMapPage, CMapView)

BEGIN_MESSAGE_MAP(CMapPage, CMapView)
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CMapPage::CMapPage(UINT templateId, CWnd* parent)
    : CMapView(templateId, parent), m_clrBack(0), m_nTemplateId(templateId)
{
    CColorInfo* back = CColorMap::GetColorInfo(CLR_VIEW_BACKGROUND);
    if (back != NULL) {
        m_clrBack = back->GetColor();
        m_brBack.CreateSolidBrush(m_clrBack);
    }
}

CMapPage::~CMapPage()
{
    m_brBack.DeleteObject();
}

BOOL CMapPage::Create(CWnd* parent)
{
    return CDialog::Create(m_nTemplateId, parent);
}

BOOL CMapPage::InitWindow()
{
    return CMapView::InitWindow();
}

int CMapPage::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // The window's own creation only: a page carries no title bar.
    return CWnd::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

void CMapPage::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
    CDCSelectGuard select(mem, bitmap);
    mem.FillSolidRect(client, m_clrBack);
    dc.BitBlt(0, 0, client.Width(), client.Height(), &mem, 0, 0, SRCCOPY);
}

BOOL CMapPage::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return 1;
}

HBRUSH CMapPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(m_brBack.GetSafeHandle());
    }
    return brush;
}
