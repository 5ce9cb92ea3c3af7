// The drop list's owner-drawn list box: rows follow the mouse, a press on a row chooses it.
#include "DropList.h"

#include <stdlib.h>

BEGIN_MESSAGE_MAP(CBaseDropListBox, CListBox)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_VSCROLL()
    ON_MESSAGE(WM_DROPLIST_SETCAPTURE, OnDropListSetCapture)
    ON_MESSAGE(WM_DROPLIST_RELEASECAPTURE, OnDropListReleaseCapture)
END_MESSAGE_MAP()

namespace {

// Moves colour percent of the way towards target.
COLORREF Blend(COLORREF colour, COLORREF target, int percent)
{
    auto channel = [percent](int from, int to) { return from + (to - from) * percent / 100; };
    return RGB(channel(GetRValue(colour), GetRValue(target)), channel(GetGValue(colour), GetGValue(target)),
               channel(GetBValue(colour), GetBValue(target)));
}

} // namespace

CBaseDropListBox::CBaseDropListBox(CBaseDropList* pDropList)
    : m_pOwner(pDropList->GetOwnerWnd()), m_pScrollBar(NULL), m_pDropList(pDropList), m_nTopIdx(0)
{
    m_clrWindow = ::GetSysColor(COLOR_WINDOW);
    m_clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_clrBtnText = ::GetSysColor(COLOR_BTNTEXT);
    m_clrFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrHighlightEdge = ::GetSysColor(COLOR_3DHIGHLIGHT);
    m_clrShadow = ::GetSysColor(COLOR_3DSHADOW);
    m_clrDarkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    m_clrLight = ::GetSysColor(COLOR_3DLIGHT);
    m_clrFaceBlend = Blend(m_clrFace, m_clrWindow, 70);
    m_clrHighlightBlend = Blend(m_clrHighlight, m_clrWindow, 90);
    m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "굴림체");
}

CBaseDropListBox::~CBaseDropListBox()
{
}

BOOL CBaseDropListBox::CreateBox(const CRect& rect, CWnd* pParent, UINT nID)
{
    if (!Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT, rect, pParent,
                nID))
        return FALSE;
    SetFont(&m_font, FALSE);
    return TRUE;
}

int CBaseDropListBox::AddListItem(CMAINLIST_ITEM* pItem)
{
    const int index = AddString(pItem->m_strText + "  " + pItem->m_strText2);
    if (index >= 0)
        SetItemDataPtr(index, pItem);
    return index;
}

CMAINLIST_ITEM* CBaseDropListBox::GetListItem(int index) const
{
    if (index < 0 || index >= GetCount())
        return NULL;
    void* data = GetItemDataPtr(index);
    return data == reinterpret_cast<void*>(-1) ? NULL : static_cast<CMAINLIST_ITEM*>(data);
}

long CBaseDropListBox::GetBottomIdx() const
{
    CRect client;
    GetClientRect(&client);
    const int itemHeight = GetItemHeight(0);
    return GetTopIndex() + (itemHeight > 0 ? client.Height() / itemHeight : 0);
}

void CBaseDropListBox::SetTopIdx(long index, BOOL updateScrollBar)
{
    SetTopIndex(int(index));
    m_nTopIdx = GetTopIndex();
    if (updateScrollBar && m_pScrollBar != NULL && m_pScrollBar->GetSafeHwnd() != NULL)
        m_pScrollBar->SetScrollPos(int(m_nTopIdx));
}

void CBaseDropListBox::GetTextSize(CString text, CSize& size)
{
    CClientDC dc(this);
    CDCSelectGuard select(dc, m_font);
    size = dc.GetTextExtent(text);
}

void CBaseDropListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (int(lpDrawItemStruct->itemID) < 0)
        return;
    CDC dc;
    dc.Attach(lpDrawItemStruct->hDC);
    const int saved = dc.SaveDC();
    CRect rect = lpDrawItemStruct->rcItem;
    const CMAINLIST_ITEM* item = GetListItem(int(lpDrawItemStruct->itemID));
    const bool disabled = item != NULL && item->m_bDisabled;
    const bool selected = (lpDrawItemStruct->itemState & ODS_SELECTED) && !disabled;
    if (selected) {
        dc.FillSolidRect(&rect, m_clrHighlightBlend);
        CBrush frame(m_clrHighlight);
        dc.FrameRect(&rect, &frame);
    } else {
        dc.FillSolidRect(&rect, m_clrWindow);
    }
    dc.SetTextColor(disabled ? ::GetSysColor(COLOR_GRAYTEXT) : m_clrWindowText);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(&m_font);
    const UINT align = m_pDropList->GetTextAlign();
    CRect textRect = rect;
    if ((align & (DT_CENTER | DT_RIGHT)) == 0)
        textRect.left += 5;
    CString text;
    GetText(int(lpDrawItemStruct->itemID), text);
    dc.DrawText(text, &textRect, DT_SINGLELINE | DT_VCENTER | align);
    dc.RestoreDC(saved);
    dc.Detach();
}

void CBaseDropListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    LOGFONT lf;
    m_font.GetLogFont(&lf);
    lpMeasureItemStruct->itemHeight = UINT(abs(lf.lfHeight) + 10);
}

int CBaseDropListBox::RowAt(CPoint point) const
{
    const int itemHeight = GetItemHeight(0);
    if (itemHeight <= 0 || point.y < 0)
        return -1;
    const int row = GetTopIndex() + point.y / itemHeight;
    return row < GetCount() ? row : -1;
}

void CBaseDropListBox::FollowTopIndex()
{
    if (GetTopIndex() != m_nTopIdx)
        SetTopIdx(GetTopIndex(), TRUE);
}

void CBaseDropListBox::ReturnCaptureToDropList()
{
    ::ReleaseCapture();
    m_pDropList->SendMessage(WM_DROPLIST_SETCAPTURE);
}

void CBaseDropListBox::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        ReturnCaptureToDropList();
        return;
    }
    const int row = RowAt(point);
    const CMAINLIST_ITEM* item = GetListItem(row);
    if (row >= 0 && row != GetCurSel() && (item == NULL || !item->m_bDisabled))
        SetCurSel(row);
    FollowTopIndex();
}

void CBaseDropListBox::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point)) {
        ReturnCaptureToDropList();
        return;
    }
    const int row = RowAt(point);
    const CMAINLIST_ITEM* item = GetListItem(row);
    if (row < 0 || (item != NULL && item->m_bDisabled))
        return;
    // Everything the owner needs travels by value: the list is closed before it reads it.
    HWND hOwner = m_pOwner->GetSafeHwnd();
    ::PostMessageA(hOwner, WM_DROPLIST_SELECT, WPARAM(row), LPARAM(item != NULL ? item->m_lValue : 0));
    ::ReleaseCapture();
    ::PostMessageA(hOwner, WM_DROPLIST_CLOSE, 0, 0);
}

BOOL CBaseDropListBox::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    return m_pDropList->ScrollByWheel(m_hWnd, zDelta);
}

void CBaseDropListBox::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    if (m_pScrollBar != NULL && m_pScrollBar->GetSafeHwnd() != NULL)
        m_pScrollBar->ScrollTo(nSBCode, nPos);
    else
        Default();
}

LRESULT CBaseDropListBox::OnDropListSetCapture(WPARAM, LPARAM)
{
    SetCapture();
    SetFocus();
    return 1;
}

LRESULT CBaseDropListBox::OnDropListReleaseCapture(WPARAM, LPARAM)
{
    if (GetCapture() == this)
        ::ReleaseCapture();
    return 1;
}
