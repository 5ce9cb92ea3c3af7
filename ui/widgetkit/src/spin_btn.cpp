// CSpinBtn: the skinned up-down button and its steps.
#include "SpinEdit.h"

#include "MemDC.h"
#include "ResourceMap.h"

IMPLEMENT_DYNAMIC(CSpinBtn, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CSpinBtn, CSpinButtonCtrl)
    ON_NOTIFY_REFLECT_EX(UDN_DELTAPOS, OnDeltaPos)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {

void Borrow(CBitmap& target, WORD id)
{
    CBitmap* bitmap = CResourceMap::GetBitmap(id);
    if (bitmap != NULL && bitmap->GetSafeHandle() != NULL)
        target.Attach(bitmap->GetSafeHandle());
}

void Stretch(CDC* dc, const CRect& rect, CBitmap& bitmap)
{
    if (bitmap.GetSafeHandle() == NULL)
        return;
    BITMAP info;
    bitmap.GetBitmap(&info);
    CDC memDC;
    memDC.CreateCompatibleDC(dc);
    CBitmap* old = memDC.SelectObject(&bitmap);
    dc->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memDC, 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
    memDC.SelectObject(old);
}

} // namespace

CSpinBtn::CSpinBtn() : m_nStep(1), m_nValue(0), m_bPressed(FALSE), m_pEdit(NULL)
{
    m_penDkShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));
    m_penShadow.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    m_penHilite.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    m_penLight.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_3DLIGHT));
    m_penFace.CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
    Borrow(m_bmpUp, 921);
    Borrow(m_bmpUpPressed, 922);
    Borrow(m_bmpDown, 923);
    Borrow(m_bmpDownPressed, 924);
}

CSpinBtn::~CSpinBtn()
{
    // The image map's bitmaps: let go, never delete.
    m_bmpUp.Detach();
    m_bmpUpPressed.Detach();
    m_bmpDown.Detach();
    m_bmpDownPressed.Detach();
}

void CSpinBtn::Step(int delta)
{
    const char kind = m_pEdit != NULL ? m_pEdit->GetItemType() : 0;
    const LONGLONG scaled = SpinDelta(kind, m_nValue, delta, m_nStep);
    if (scaled != 0)
        m_bPressed = TRUE;
    int lower = INT_MIN, upper = INT_MAX;
    if (m_hWnd != NULL)
        GetRange32(lower, upper);
    const int value = SpinStep(m_nValue, scaled, lower, upper);
    if (m_pEdit != NULL)
        m_pEdit->SetSpinValue(value);
    else
        m_nValue = value;
}

BOOL CSpinBtn::OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMUPDOWN* updown = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    Step(updown->iDelta);
    // The up-down's own position is left alone.
    *pResult = 1;
    return TRUE;
}

void CSpinBtn::Paint(CDC* dc, CPoint cursor)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    CRect upper = client, lower = client;
    upper.bottom = client.top + client.Height() / 2;
    lower.top = upper.bottom;
    const BOOL pressedUp = m_bPressed && upper.PtInRect(cursor);
    const BOOL pressedDown = m_bPressed && lower.PtInRect(cursor);
    Stretch(dc, upper, pressedUp && m_bmpUpPressed.GetSafeHandle() != NULL ? m_bmpUpPressed : m_bmpUp);
    Stretch(dc, lower, pressedDown && m_bmpDownPressed.GetSafeHandle() != NULL ? m_bmpDownPressed : m_bmpDown);
}

void CSpinBtn::OnPaint()
{
    CPaintDC paint(this);
    const MSG* current = GetCurrentMessage();
    CPoint cursor(current != NULL ? current->pt : CPoint(0, 0));
    ScreenToClient(&cursor);
    {
        CMDC buffer(&paint);
        Paint(&buffer, cursor);
    }
    m_bPressed = FALSE;
}

BOOL CSpinBtn::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CSpinBtn::OnLButtonUp(UINT nFlags, CPoint point)
{
    CSpinButtonCtrl::OnLButtonUp(nFlags, point);
    m_bPressed = FALSE;
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}
