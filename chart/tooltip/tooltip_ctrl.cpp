// CMSToolTipCtrl: the pop-up window, its painting, and the input it passes on to the window
// beneath it. Every way it hides gives up the mouse capture.
#include "MSToolTipCtrl.h"

#include <algorithm>

namespace
{

const char CLASS_NAME[] = "MSToolTip Control";

// Pads around a single text.
const int TEXT_PAD_X = 6;
const int TEXT_PAD_Y = 4;

} // namespace

BEGIN_MESSAGE_MAP(CMSToolTipCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_MBUTTONDOWN()
    ON_WM_CAPTURECHANGED()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMSToolTipCtrl::CMSToolTipCtrl()
    : m_pOwnerWnd(nullptr), m_rcTip(0, 0, 0, 0), m_bEnglish(FALSE), m_nTitleWidth(0)
{
    WNDCLASS wc;
    memset(&wc, 0, sizeof wc);
    HINSTANCE instance = AfxGetInstanceHandle();
    if (!::GetClassInfo(instance, CLASS_NAME, &wc))
    {
        memset(&wc, 0, sizeof wc);
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = ::DefWindowProc;
        wc.hInstance = instance;
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
        wc.lpszClassName = CLASS_NAME;
        AfxRegisterClass(&wc);
    }
}

CMSToolTipCtrl::~CMSToolTipCtrl()
{
    DestroyWindow();
}

BOOL CMSToolTipCtrl::Create(CWnd* owner)
{
    m_pOwnerWnd = owner;
    return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, CLASS_NAME, "", WS_POPUP | WS_BORDER, 0, 0, 0, 0, NULL, NULL);
}

void CMSToolTipCtrl::MakeFont()
{
    if (m_font.GetSafeHandle())
        m_font.DeleteObject();
    m_font.CreatePointFont(90, m_bEnglish ? "Arial" : "굴림체");
}

void CMSToolTipCtrl::ShowAt(CPoint point, CSize size, BOOL left)
{
    int x = left ? point.x - size.cx : point.x;
    m_rcTip.SetRect(x, point.y - size.cy / 2, x + size.cx, point.y - size.cy / 2 + size.cy);
    SetWindowPos(&wndTopMost, m_rcTip.left, m_rcTip.top, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
    SetCapture();
}

void CMSToolTipCtrl::ShowText(CPoint point, LPCSTR text, BOOL left)
{
    if (!m_hWnd)
        return;
    MakeFont();
    m_strText = text ? text : "";
    m_arTitles.RemoveAll();
    m_arValues.RemoveAll();
    CClientDC dc(this);
    CDCSelectGuard select(dc, m_font);
    CSize extent = dc.GetTextExtent(m_strText);
    CRect frame(0, 0, extent.cx + TEXT_PAD_X, extent.cy + TEXT_PAD_Y);
    ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
    ShowAt(point, frame.Size(), left);
}

void CMSToolTipCtrl::ShowTable(CPoint point, LPCSTR table, BOOL left)
{
    if (!m_hWnd)
        return;
    MakeFont();
    m_strText.Empty();
    ParseTipTable(table, m_bEnglish, m_arTitles, m_arValues);
    CClientDC dc(this);
    CDCSelectGuard select(dc, m_font);
    CDCTextMeasurer measurer(&dc);
    m_nTitleWidth = 0;
    for (INT_PTR i = 0; i < m_arTitles.GetSize(); ++i)
        m_nTitleWidth = std::max(m_nTitleWidth, int(measurer.Measure(m_arTitles[i]).cx));
    ShowAt(point, TipTableSize(m_arTitles, m_arValues, measurer), left);
}

void CMSToolTipCtrl::HideTip()
{
    if (m_hWnd && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_hWnd && IsWindowVisible())
        ShowWindow(SW_HIDE);
}

void CMSToolTipCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, ::GetSysColor(COLOR_INFOBK));
    CDCSelectGuard select(dc, m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    if (m_arTitles.IsEmpty())
    {
        dc.TextOut(TEXT_PAD_X / 2, TEXT_PAD_Y / 2, m_strText);
        return;
    }
    int lineHeight = dc.GetTextExtent("가").cy;
    int valueX = m_nTitleWidth + dc.GetTextExtent("  ").cx;
    int y = (client.Height() - lineHeight * int(m_arTitles.GetSize())) / 2;
    for (INT_PTR i = 0; i < m_arTitles.GetSize(); ++i, y += lineHeight)
    {
        dc.TextOut(1, y, m_arTitles[i]);
        dc.TextOut(1 + valueX, y, m_arValues[i]);
    }
}

HWND CMSToolTipCtrl::WindowBeneath(CPoint screen) const
{
    HWND under = ::WindowFromPoint(screen);
    if (!under || under == m_hWnd)
        under = m_pOwnerWnd ? m_pOwnerWnd->GetSafeHwnd() : NULL;
    return under;
}

void CMSToolTipCtrl::PostMouse(HWND under, UINT clientMessage, UINT ncMessage, UINT nFlags, CPoint screen)
{
    LRESULT hit = ::SendMessage(under, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    if (hit == HTCLIENT)
    {
        CPoint client = screen;
        ::ScreenToClient(under, &client);
        ::PostMessage(under, clientMessage, nFlags, MAKELPARAM(client.x, client.y));
    }
    else
        ::PostMessage(under, ncMessage, WPARAM(hit), MAKELPARAM(screen.x, screen.y));
}

void CMSToolTipCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(&screen);
    if (m_rcTip.PtInRect(screen))
        return;
    HideTip();
    HWND under = WindowBeneath(screen);
    if (!under)
        return;
    ::SendMessage(under, WM_TOOLTIP_LEFT, 0, 0);
    PostMouse(under, WM_MOUSEMOVE, WM_NCMOUSEMOVE, nFlags, screen);
}

void CMSToolTipCtrl::PassKey(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    HideTip();
    if (m_pOwnerWnd && m_pOwnerWnd->GetSafeHwnd())
        ::PostMessage(m_pOwnerWnd->GetSafeHwnd(), message, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CMSToolTipCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    PassKey(WM_KEYDOWN, nChar, nRepCnt, nFlags);
}

void CMSToolTipCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    PassKey(WM_SYSKEYDOWN, nChar, nRepCnt, nFlags);
}

void CMSToolTipCtrl::PassButton(UINT clientMessage, UINT ncMessage, UINT nFlags, CPoint point)
{
    CPoint screen = point;
    ClientToScreen(&screen);
    HideTip();
    HWND under = WindowBeneath(screen);
    if (under)
        PostMouse(under, clientMessage, ncMessage, nFlags, screen);
}

void CMSToolTipCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    PassButton(WM_LBUTTONDOWN, WM_NCLBUTTONDOWN, nFlags, point);
}

void CMSToolTipCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    PassButton(WM_RBUTTONDOWN, WM_NCRBUTTONDOWN, nFlags, point);
}

void CMSToolTipCtrl::OnMButtonDown(UINT nFlags, CPoint point)
{
    PassButton(WM_MBUTTONDOWN, WM_NCMBUTTONDOWN, nFlags, point);
}

void CMSToolTipCtrl::OnCaptureChanged(CWnd* pWnd)
{
    // Without the capture the tooltip would no longer see the mouse leave: it goes too.
    if (IsWindowVisible())
        ShowWindow(SW_HIDE);
    CWnd::OnCaptureChanged(pWnd);
}

void CMSToolTipCtrl::OnDestroy()
{
    HideTip();
    CWnd::OnDestroy();
}
