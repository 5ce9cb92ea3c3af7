// CUITabCtrl: tabs with per-tab colour sets kept in step with the tabs, and their painting.
#include "UITabCtrl.h"

#include "ColorMap.h"
#include "MemDC.h"
#include "WidgetRules.h"

IMPLEMENT_DYNAMIC(CUITabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CUITabCtrl, CTabCtrl)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CUITabCtrl::CUITabCtrl()
    : m_clrBack(CColorMap::GetColor(401)), m_clrUnselected(CColorMap::GetColor(632)),
      m_clrSelected(CColorMap::GetColor(631)), m_clrLine(CColorMap::GetColor(633))
{
    m_brBack.CreateSolidBrush(m_clrBack);
}

CUITabCtrl::~CUITabCtrl() {}

BOOL CUITabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CTabCtrl::Create(style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TCS_FIXEDWIDTH, rect, parent, id);
}

int CUITabCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTabCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetItemSize(CSize(100, 22));
    return 0;
}

LONG CUITabCtrl::InsertItem(int index, const char* text)
{
    const LONG inserted = CTabCtrl::InsertItem(TCIF_TEXT, index, text, 0, 0);
    if (inserted >= 0) {
        // Every tab has its entry, so later tabs keep their own colours.
        TabColourEntry none = {FALSE, {0, 0, 0, 0}};
        m_arrColors.InsertAt(inserted <= m_arrColors.GetSize() ? inserted : m_arrColors.GetSize(), none);
    }
    return inserted;
}

LONG CUITabCtrl::InsertItem(int index, const char* text, tagBtnColor colours)
{
    const LONG inserted = CTabCtrl::InsertItem(TCIF_TEXT, index, text, 0, 0);
    if (inserted >= 0) {
        TabColourEntry entry = {TRUE, colours};
        m_arrColors.InsertAt(inserted <= m_arrColors.GetSize() ? inserted : m_arrColors.GetSize(), entry);
    }
    return inserted;
}

BOOL CUITabCtrl::DeleteItem(int index)
{
    if (!CTabCtrl::DeleteItem(index))
        return FALSE;
    if (index >= 0 && index < m_arrColors.GetSize())
        m_arrColors.RemoveAt(index);
    return TRUE;
}

BOOL CUITabCtrl::DeleteAllItems()
{
    m_arrColors.RemoveAll();
    return CTabCtrl::DeleteAllItems();
}

const tagBtnColor* CUITabCtrl::GetTabColours(int index) const
{
    if (index < 0 || index >= m_arrColors.GetSize() || !m_arrColors[index].bSet)
        return NULL;
    return &m_arrColors[index].colours;
}

void CUITabCtrl::SetTabColor(COLORREF background, COLORREF line, COLORREF unselectedFill, COLORREF selectedFill)
{
    m_clrBack = background;
    m_clrLine = line;
    m_clrUnselected = unselectedFill;
    m_clrSelected = selectedFill;
    // Static children are painted with the brush: it must follow the colour.
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(m_clrBack);
    if (m_hWnd != NULL)
        Invalidate();
}

void CUITabCtrl::DrawTabButton(CDC* dc, CRect& itemRect, TCITEMA* item, int index)
{
    const BOOL selected = index == GetCurSel();
    const TabColours colours =
        TabButtonColours(selected, GetTabColours(index), m_clrSelected, m_clrUnselected, m_clrLine);

    CRect fill = itemRect;
    fill.OffsetRect(1, 1);
    fill.bottom += 1;
    CRgn region;
    region.CreateRoundRectRgn(fill.left, fill.top, fill.right, fill.bottom, 2, 2);
    CBrush brush(colours.clrFill);
    dc->FillRgn(&region, &brush);

    CPen pen(PS_SOLID, 1, colours.clrLine);
    CPen* oldPen = dc->SelectObject(&pen);
    const CRect& r = itemRect;
    dc->MoveTo(r.left, r.bottom);
    dc->LineTo(r.left, r.top + 2);
    dc->LineTo(r.left + 2, r.top);
    dc->LineTo(r.right - 2, r.top);
    dc->LineTo(r.right, r.top + 2);
    dc->LineTo(r.right, r.bottom);
    dc->SelectObject(oldPen);

    CRect textRect = itemRect;
    textRect.OffsetRect(0, 1);
    dc->SetTextColor(colours.clrText);
    dc->SetBkMode(TRANSPARENT);
    dc->DrawText(item->pszText != NULL ? item->pszText : "", &textRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void CUITabCtrl::DrawTabBoarder(CDC* dc, CRect& rect, COLORREF colour)
{
    CPen pen(PS_SOLID, 1, colour);
    CPen* oldPen = dc->SelectObject(&pen);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    dc->Rectangle(&rect);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
}

void CUITabCtrl::Paint(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, m_clrBack);
    CFont* oldFont = dc->SelectObject(GetFont());

    const int selected = GetCurSel();
    const int count = GetItemCount();
    for (int i = 0; i < count; ++i)
        if (i != selected)
            DrawTab(dc, i, 0);

    const tagBtnColor* own = selected >= 0 ? GetTabColours(selected) : NULL;
    CRect border(client.left, 23, client.right, client.bottom);
    DrawTabBoarder(dc, border, own != NULL ? own->clrBorder : m_clrLine);

    if (selected >= 0)
        DrawTab(dc, selected, 0);
    if (oldFont != NULL)
        dc->SelectObject(oldFont);
}

void CUITabCtrl::DrawTab(CDC* dc, int index, int extraHeight)
{
    char text[100] = "";
    TCITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text - 1;
    GetItem(index, &item);
    CRect rect;
    GetItemRect(index, &rect);
    rect.bottom += extraHeight;
    DrawTabButton(dc, rect, &item, index);
}

void CUITabCtrl::OnPaint()
{
    CPaintDC paint(this);
    CMDC buffer(&paint);
    Paint(&buffer);
}

BOOL CUITabCtrl::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

HBRUSH CUITabCtrl::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(m_brBack.GetSafeHandle());
    }
    return CTabCtrl::OnCtlColor(pDC, pWnd, nCtlColor);
}
