// The drop list window: settings, creation, placement on the screen and the layout of its
// list box, scroll bar and size grip.
#include "DropList.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CBaseDropList, CWnd)

namespace {

const UINT kListBoxId = 1;
const UINT kScrollBarId = 2;

} // namespace

CBaseDropList::CBaseDropList()
    : m_nSelection(-1), m_nVisibleRows(5), m_nSizeOffsetX(0), m_nSizeOffsetY(0), m_nWidth(0),
      m_bScrollBarNeeded(FALSE), m_bSizable(FALSE), m_bSizing(FALSE), m_ptPress(0, 0), m_nDirection(SD_DOWNWARD),
      m_pOwner(NULL), m_pListBox(NULL), m_pScrollBar(NULL), m_nTextAlign(0), m_pExtendedData(NULL),
      m_bForceWidth(FALSE)
{
}

CBaseDropList::~CBaseDropList()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    for (INT_PTR i = 0; i < m_items.GetSize(); ++i)
        delete m_items[i];
    m_items.RemoveAll();
    delete m_pScrollBar;
    delete m_pListBox;
}

int CBaseDropList::CreateControl(CWnd* pOwner, long width, CStringArray& items, long visibleRows, long selection,
                                 int sizable, ScrollDirection direction, void* extendedData)
{
    m_pOwner = pOwner;
    m_nWidth = width;
    m_nVisibleRows = visibleRows;
    m_nSelection = selection;
    m_bSizable = sizable;
    m_nDirection = direction;
    m_pExtendedData = extendedData;
    m_bScrollBarNeeded = TRUE;
    for (INT_PTR i = 0; i < m_items.GetSize(); ++i)
        delete m_items[i];
    m_items.RemoveAll();
    for (INT_PTR i = 0; i < items.GetSize(); ++i) {
        CMAINLIST_ITEM* item = new CMAINLIST_ITEM;
        item->m_strText = items[i];
        item->m_strText2 = items[i];
        m_items.Add(item);
    }
    return 1;
}

BOOL CBaseDropList::DestroyWindow()
{
    return CWnd::DestroyWindow();
}

int CBaseDropList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    const CPoint position(lpCreateStruct->x - 3, lpCreateStruct->y + 1);
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    SetWindowPos(&wndTopMost, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);

    CRect client;
    GetClientRect(&client);
    const int bar = ::GetSystemMetrics(SM_CXVSCROLL);
    m_pScrollBar = new CBaseDropListScrollBar;
    m_pListBox = new CBaseDropListBox(this);
    m_pScrollBar->Create(WS_CHILD | WS_VISIBLE | SBS_VERT | SBS_RIGHTALIGN,
                         CRect(client.right - bar, 0, client.right, client.bottom), this, kScrollBarId);
    m_pListBox->CreateBox(CRect(0, 0, std::max(0L, client.right - bar), client.bottom), this, kListBoxId);
    m_pListBox->SetScrollBar(m_pScrollBar);

    CSize test;
    m_pListBox->GetTextSize("TEST", test);
    m_pListBox->SetItemHeight(0, test.cy + 4);

    PlaceWindow(position);
    LayoutChildren();
    FillList();
    SetCapture();
    return 0;
}

void CBaseDropList::PlaceWindow(const CPoint& position)
{
    const int itemHeight = std::max(1, m_pListBox->GetItemHeight(0));
    const int count = int(m_items.GetSize());
    const int all = count * itemHeight + 2;
    const int screenWidth = 2 * ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = 2 * ::GetSystemMetrics(SM_CYSCREEN);
    const int y = position.y;
    const bool limited = m_nVisibleRows != -1 && m_nVisibleRows <= count;

    int top = y, height;
    if ((screenHeight - y) / itemHeight < 5) {
        // No room below: above the owner.
        CRect owner(0, 0, 0, 0);
        if (m_pOwner->GetSafeHwnd() != NULL)
            m_pOwner->GetWindowRect(&owner);
        const int bottom = y - owner.Height();
        if (limited) {
            top = std::max(0, bottom - int(m_nVisibleRows) * itemHeight - 2);
            height = bottom - top;
        } else {
            top = std::max(0, bottom - all);
            height = std::min(all, bottom - top);
        }
    } else if (limited) {
        height = std::min(int(m_nVisibleRows) * itemHeight + 2, screenHeight - y);
    } else if (y + all > screenHeight) {
        height = screenHeight - y;
    } else {
        height = std::max(all, ::GetSystemMetrics(SM_CYVSCROLL));
    }
    m_bScrollBarNeeded = all > height;

    int textWidth = 0;
    for (INT_PTR i = 0; i < m_items.GetSize(); ++i) {
        CSize size;
        m_pListBox->GetTextSize(m_items[i]->m_strText + "  " + m_items[i]->m_strText2, size);
        textWidth = std::max(textWidth, int(size.cx)) + 1;
    }
    CRect listArea, window;
    m_pListBox->GetClientRect(&listArea);
    GetWindowRect(&window);
    int width = textWidth < listArea.Width() ? window.Width() : textWidth;
    width = m_bForceWidth ? int(m_nWidth) : std::max(width, int(m_nWidth));
    int left = position.x;
    if (left + width > screenWidth)
        left = screenWidth - width;
    if (left < 0) {
        left = 0;
        width = std::min(width, screenWidth);
    }
    if (m_nDirection != SD_DOWNWARD)
        top -= height;
    SetWindowPos(NULL, left, top, width, height, SWP_SHOWWINDOW | SWP_NOZORDER);
}

void CBaseDropList::LayoutChildren()
{
    if (m_pListBox == NULL || m_pScrollBar == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    const int bar = ::GetSystemMetrics(SM_CXVSCROLL);
    m_rectGrip.SetRectEmpty();
    if (m_bSizable)
        m_rectGrip.SetRect(client.right - bar, client.bottom - ::GetSystemMetrics(SM_CYVSCROLL), client.right,
                           client.bottom);
    if (m_bScrollBarNeeded) {
        m_rectScrollBar.SetRect(client.right - bar, 0, client.right, m_bSizable ? m_rectGrip.top : client.bottom);
        m_rectList.SetRect(0, 0, client.right - bar, client.bottom);
        m_pScrollBar->MoveWindow(&m_rectScrollBar);
    } else {
        m_rectScrollBar.SetRectEmpty();
        m_rectList = client;
    }
    m_pListBox->MoveWindow(&m_rectList);
}

void CBaseDropList::FillList()
{
    for (INT_PTR i = 0; i < m_items.GetSize(); ++i)
        m_pListBox->AddListItem(m_items[i]);
    if (!m_bScrollBarNeeded) {
        m_pScrollBar->ShowWindow(SW_HIDE);
        m_pListBox->SetCurSel(-1);
    } else {
        m_pScrollBar->CreateControl(m_pListBox, m_rectScrollBar);
        m_pListBox->SetCurSel(int(m_nSelection));
        m_pListBox->SetTopIdx(m_pListBox->GetTopIndex(), TRUE); // the selection may have scrolled
    }
}

void CBaseDropList::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutChildren();
    Invalidate();
}
