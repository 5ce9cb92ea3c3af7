// The region splitter: its drag with a focus-rectangle outline, and the boundary rule.
#include "DivideWnd.h"

#include "../model/graphkit_module.h"
#include "Properties.h"

int SplitterBoundary(const CRect& upper, const CRect& lower, int dy)
{
    const int upperHeight = upper.Height();
    if (dy < 0 && -dy >= upperHeight && upperHeight != 0)
        return upper.top + 4;
    if (dy > 0 && dy >= lower.Height() && upperHeight != 0)
        return lower.bottom - 4;
    return lower.top + dy;
}

BEGIN_MESSAGE_MAP(CDivideWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CDivideWnd::CDivideWnd()
    : m_hOldCursor(NULL), m_rcTracker(0, 0, 0, 0), m_nStartY(0), m_hDragCursor(NULL), m_bDragging(FALSE),
      m_nIndex(-1), m_pCanvas(nullptr), m_pProperties(nullptr)
{
    m_hDragCursor = ::LoadCursor(GraphKitInstance(), MAKEINTRESOURCE(134));
}

CDivideWnd::~CDivideWnd() {}

BOOL CDivideWnd::Create(CWnd* canvas, int index, CProperties* properties)
{
    m_pCanvas = canvas;
    m_nIndex = index;
    m_pProperties = properties;
    return CWnd::CreateEx(WS_EX_TOPMOST, NULL, "Edge window", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                          CRect(0, 0, 0, 0), canvas, 0);
}

void CDivideWnd::Move(const CRect& upper, const CRect& lower)
{
    (void)upper;
    const int leftMargin = m_pProperties ? m_pProperties->GetLeftMargin() : 0;
    const int rightMargin = m_pProperties ? m_pProperties->GetRMargin() : 0;
    SetWindowPos(&CWnd::wndTop, lower.left - leftMargin + 1, lower.top - 1,
                 lower.Width() + leftMargin + rightMargin - 1, 2, SWP_SHOWWINDOW);
}

BOOL CDivideWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    client.InflateRect(2, 2);
    CPen pen(PS_SOLID, 1, RGB(80, 80, 100));
    CPen* old = pDC->SelectObject(&pen);
    const int y = client.top + client.Height() / 2;
    pDC->MoveTo(client.left, y);
    pDC->LineTo(client.right, y);
    pDC->SelectObject(old);
    return TRUE;
}

void CDivideWnd::OnNcPaint() {}

void CDivideWnd::OnPaint()
{
    CPaintDC dc(this); // the erase draws the line
}

void CDivideWnd::DrawTracker(const CRect& rect)
{
    if (!m_pCanvas || rect.IsRectEmpty())
        return;
    CClientDC dc(m_pCanvas);
    dc.DrawFocusRect(rect);
}

void CDivideWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    if (m_bDragging)
        return;
    SetFocus();
    m_nStartY = point.y;
    m_bDragging = TRUE;
    SetCapture();
    m_hOldCursor = ::SetCursor(m_hDragCursor ? m_hDragCursor : ::LoadCursor(NULL, IDC_SIZENS));
}

void CDivideWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    (void)nFlags;
    ::SetCursor(m_hDragCursor ? m_hDragCursor : ::LoadCursor(NULL, IDC_SIZENS));
    if (!m_bDragging || point.y == m_nStartY || !m_pCanvas)
        return;
    CRect rect;
    GetWindowRect(&rect);
    m_pCanvas->ScreenToClient(&rect);
    rect.OffsetRect(0, point.y + 1);
    DrawTracker(m_rcTracker); // XOR: drawing the old outline again removes it
    DrawTracker(rect);
    m_rcTracker = rect;
}

void CDivideWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    if (!m_bDragging)
        return;
    DrawTracker(m_rcTracker);
    m_bDragging = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    if (m_pCanvas)
        m_pCanvas->SendMessage(WM_DIVIDE_RELEASED, WPARAM(m_nIndex), LPARAM(point.y));
    m_rcTracker.SetRectEmpty();
    if (m_hOldCursor)
        ::SetCursor(m_hOldCursor);
}
