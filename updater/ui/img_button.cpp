#include "img_button.h"

namespace {

const COLORREF kNoColor = (COLORREF)-1;

} // namespace

BEGIN_MESSAGE_MAP(CImgButton, CButton)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CImgButton::CImgButton()
    : m_bTracking(FALSE), m_bOwnBitmaps(TRUE), m_bBitmapMode(FALSE), m_bToggled(FALSE), m_bCaptured(FALSE),
      m_nState(STATE_NORMAL), m_nColorMask(0), m_crText(kNoColor)
{
    ColorSet face = {::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_BTNHIGHLIGHT),
                     ::GetSysColor(COLOR_BTNSHADOW)};
    for (ColorSet& set : m_colors)
        set = face;
}

CImgButton::~CImgButton()
{
    if (!m_bOwnBitmaps)
        for (CBitmap& bitmap : m_bitmaps)
            bitmap.Detach();
}

BOOL CImgButton::LoadBitmaps(UINT nNormal, UINT nOver, UINT nPressed, UINT nDisabled)
{
    UINT ids[4] = {nNormal, nOver, nPressed, nDisabled};
    for (int i = 0; i < 4; ++i)
    {
        m_bitmaps[i].DeleteObject();
        if (ids[i])
            m_bitmaps[i].LoadBitmap(ids[i]);
    }
    m_bOwnBitmaps = TRUE;
    return m_bitmaps[0].GetSafeHandle() != NULL;
}

void CImgButton::SetColorSet(int nIndex, const ColorSet& colors)
{
    if (nIndex < 0 || nIndex > 3)
        return;
    m_colors[nIndex] = colors;
    if (nIndex > 0)
        m_nColorMask |= 1 << nIndex;
}

void CImgButton::SizeToBitmap()
{
    BITMAP bm;
    if (!m_bitmaps[0].GetSafeHandle() || !m_bitmaps[0].GetBitmap(&bm))
        return;
    SetWindowPos(NULL, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CImgButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
}

int CImgButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    lpCreateStruct->style |= BS_OWNERDRAW;
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetState(STATE_NORMAL);
    return 0;
}

void CImgButton::SetState(int nState)
{
    if (m_nState == nState)
        return;
    m_nState = nState;
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CImgButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking)
    {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE | TME_HOVER, m_hWnd, 1};
        m_bTracking = ::TrackMouseEvent(&tme);
    }
    CButton::OnMouseMove(nFlags, point);
}

void CImgButton::OnMouseHover(UINT /*nFlags*/, CPoint /*point*/)
{
    if (!m_bCaptured)
        SetState(STATE_OVER);
}

void CImgButton::OnMouseLeave()
{
    m_bTracking = FALSE;
    if (!m_bCaptured)
        SetState(STATE_NORMAL);
}

void CImgButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    SetCapture();
    m_bCaptured = TRUE;
    SetState(STATE_PRESSED);
}

void CImgButton::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    ReleaseCapture();
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    ClientToScreen(&point);
    if (m_bCaptured && rcWindow.PtInRect(point))
        ClickAction();
    m_bCaptured = FALSE;
    SetState(STATE_OVER);
}

void CImgButton::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    ClickAction();
    SetState(STATE_PRESSED);
}

void CImgButton::ClickAction()
{
    m_bToggled = !m_bToggled;
    CWnd* pParent = GetParent();
    if (pParent)
        pParent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), (LPARAM)m_hWnd);
}

int CImgButton::GetCurrentState()
{
    return IsWindowEnabled() ? m_nState : STATE_NORMAL;
}

CBitmap* CImgButton::CurrentBitmap()
{
    // By state: a disabled button is in the normal state and shows its normal picture.
    int nState = GetCurrentState();
    int nIndex = nState == STATE_OVER ? 1 : nState == STATE_PRESSED ? 2 : 0;
    return m_bitmaps[nIndex].GetSafeHandle() ? &m_bitmaps[nIndex] : &m_bitmaps[0];
}

const CImgButton::ColorSet& CImgButton::CurrentColors() const
{
    int nIndex = 0;
    if (!IsWindowEnabled())
        nIndex = 3;
    else if (m_nState == STATE_OVER)
        nIndex = 1;
    else if (m_nState == STATE_PRESSED)
        nIndex = 2;
    return (m_nColorMask & (1 << nIndex)) ? m_colors[nIndex] : m_colors[0];
}

void CImgButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc = lpDrawItemStruct->rcItem;
    CWnd* pParent = GetParent();
    CFont* pOldFont = pParent ? pDC->SelectObject(pParent->GetFont()) : NULL;
    const int nState = GetCurrentState();

    CBitmap* pBitmap = CurrentBitmap();
    if (m_bBitmapMode && pBitmap->GetSafeHandle())
    {
        CDC memDC;
        memDC.CreateCompatibleDC(pDC);
        CBitmap* pOld = memDC.SelectObject(pBitmap);
        BITMAP bm;
        pBitmap->GetBitmap(&bm);
        pDC->StretchBlt(rc.left, rc.top, rc.Width(), rc.Height(), &memDC, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        memDC.SelectObject(pOld);
    }
    else
    {
        const ColorSet& colors = CurrentColors();
        pDC->FillSolidRect(&rc, colors.crFill);
        pDC->Draw3dRect(&rc, colors.crTopLeft, colors.crBottomRight);
        CRect rcFrame = rc;
        rcFrame.DeflateRect(1, 1);
        CBrush frame(colors.crFrame);
        pDC->FrameRect(&rcFrame, &frame);
    }

    CString strText;
    GetWindowText(strText);
    if (!strText.IsEmpty())
    {
        CRect rcText = rc;
        if (nState == STATE_PRESSED)
            rcText.OffsetRect(1, 1);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(!IsWindowEnabled() ? ::GetSysColor(COLOR_GRAYTEXT)
                          : m_crText != kNoColor ? m_crText
                                                 : ::GetSysColor(COLOR_BTNTEXT));
        pDC->DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if ((lpDrawItemStruct->itemState & ODS_FOCUS) && (GetStyle() & WS_TABSTOP))
    {
        CRect rcFocus = rc;
        rcFocus.DeflateRect(2, 2);
        pDC->DrawFocusRect(&rcFocus);
    }
    if (pOldFont)
        pDC->SelectObject(pOldFont);
}
