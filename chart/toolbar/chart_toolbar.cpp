// The chart tool bar: its elements, their layout along the bar, tooltips and the forwarding of
// scroll and slider moves to the canvas.
#include "ChartToolBar.h"
#include "CtlColor.h"
#include "SkinCache.h"

namespace
{
enum
{
    BAR_ID = 20002,
    BAR_THICKNESS = 16,
    SEPARATOR_WIDTH = 6,
    SCROLL_GAP = 6,
    DEFAULT_SLIDER = 80,
    DEFAULT_SCROLL = 120,
};
} // namespace

ChartBarWidths ComputeChartBarWidths(int clientWidth, int buttons, int separators, int splits, BOOL hasSlider,
                                     BOOL hasScroll, BOOL selfResize, int buttonWidth, int splitWidth)
{
    ChartBarWidths widths = {DEFAULT_SLIDER, DEFAULT_SCROLL};
    if (!selfResize)
        return widths;
    if (hasSlider && hasScroll)
    {
        const int free = clientWidth - SEPARATOR_WIDTH * separators - splitWidth * splits - buttonWidth * buttons;
        if (free * 4 / 10 < DEFAULT_SLIDER)
        {
            widths.slider = free * 4 / 10;
            widths.scroll = free * 6 / 10;
        }
        else
        {
            widths.slider = DEFAULT_SLIDER;
            widths.scroll = free - DEFAULT_SLIDER;
        }
        if (widths.scroll < 80)
        {
            widths.scroll = 80;
            widths.slider = 53;
        }
    }
    else if (!hasScroll)
        widths.slider = widths.scroll = 0;
    return widths;
}

void PaintChartBarGround(CDC* pDC, const CRect& client)
{
    pDC->FillSolidRect(client, CCtlColor::GetPaletteColor(181));
    CRect inner = client;
    inner.DeflateRect(0, 1);
    pDC->FillSolidRect(inner, CCtlColor::GetPaletteColor(179));
}

BEGIN_MESSAGE_MAP(CChartToolBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_CHART_SHOW_TIP, OnShowTipText)
    ON_MESSAGE(WM_CHART_HIDE_TIP, OnHideTipText)
    ON_MESSAGE(WM_CHART_SCROLL_ACTION, OnScrollAction)
    ON_MESSAGE(WM_CHART_SLIDER_ACTION, OnSliderAction)
END_MESSAGE_MAP()

CChartToolBar::CChartToolBar()
    : m_nReserved0(0), m_pSkins(nullptr), m_nFirstHidden(-1), m_nButtonWidth(16), m_nMSButtonWidth(30),
      m_nBitmapWidth(16), m_nBitmapHeight(16), m_nLocation(0), m_bSelfResize(0), m_nExtBitmapID(0), m_nButtons(0),
      m_nSeparators(0), m_nSplits(0), m_bHasSlider(0), m_bHasScroll(0), m_nReserved7(7), m_nReserved2028(2028),
      m_nReservedZero(0), m_nBitmapA(0), m_nBitmapB(0), m_pSink(nullptr)
{
}

CChartToolBar::~CChartToolBar()
{
    for (INT_PTR i = 0; i < m_arElements.GetSize(); ++i)
        delete m_arElements[i].window;
    m_arElements.RemoveAll();
}

BOOL CChartToolBar::Create(CWnd* parent)
{
    return CWnd::Create(NULL, "ChartToolbar", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        CRect(0, 0, 0, 0), parent, BAR_ID);
}

int CChartToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_ToolTip.Create(this);
    TBBUTTONPROP overflow;
    overflow.strToolTip = "가려진버튼";
    overflow.dwBitmapID = DWORD(m_nExtBitmapID);
    m_OverflowButton.Create(this, overflow, m_pSkins);
    m_OverflowButton.ShowWindow(SW_HIDE);
    return 0;
}

void CChartToolBar::OnDestroy()
{
    if (m_ToolTip.GetSafeHwnd())
        m_ToolTip.DestroyWindow();
    for (INT_PTR i = 0; i < m_arElements.GetSize(); ++i)
        if (m_arElements[i].window->GetSafeHwnd())
            m_arElements[i].window->DestroyWindow();
    if (m_OverflowButton.GetSafeHwnd())
        m_OverflowButton.DestroyWindow();
    CWnd::OnDestroy();
}

int CChartToolBar::AddButtons(TBBUTTONPROP* prop)
{
    if (!prop)
        return 1;
    Element element = {prop->nKind, nullptr, nullptr};
    switch (prop->nKind)
    {
    case TBKIND_BUTTON:
    case TBKIND_SEPARATOR:
    case TBKIND_TOGGLE:
    {
        CChartButton* button = new CChartButton;
        button->Create(this, *prop, m_pSkins);
        element.window = button;
        element.element = button;
        if (prop->nKind == TBKIND_SEPARATOR)
            ++m_nSeparators;
        else
            ++m_nButtons;
        break;
    }
    case TBKIND_SPLIT:
    case TBKIND_SPLIT_TOGGLE:
    {
        CChartMsButton* button = new CChartMsButton;
        button->Create(this, *prop, m_pSkins, m_nButtonWidth, m_nLocation != 0);
        element.window = button;
        element.element = button;
        ++m_nSplits;
        break;
    }
    case TBKIND_SLIDER:
    {
        CChartSliderBar* slider = new CChartSliderBar;
        slider->Create(this, *prop, m_pSkins);
        element.window = slider;
        element.element = slider;
        m_bHasSlider = 1;
        break;
    }
    case TBKIND_SCROLLBAR:
    {
        CXScrollBar* scroll = new CXScrollBar;
        scroll->Create(this, *prop, m_pSkins);
        element.window = scroll;
        element.element = scroll;
        m_bHasScroll = 1;
        break;
    }
    default:
        return 1;
    }
    m_arElements.Add(element);
    return 1;
}

void CChartToolBar::AddBitmap(int a, int b)
{
    m_nBitmapA = a;
    m_nBitmapB = b;
}

void CChartToolBar::AutoSize()
{
    CWnd* parent = GetParent();
    if (!parent || !GetSafeHwnd())
        return;
    CRect client;
    parent->GetClientRect(&client);
    if (m_nLocation == 0)
        MoveWindow(client.left, client.bottom - BAR_THICKNESS, client.Width(), BAR_THICKNESS);
    else
        MoveWindow(client.right - BAR_THICKNESS, client.top, BAR_THICKNESS, client.Height());
}

int CChartToolBar::SetSize()
{
    if (!GetSafeHwnd())
        return 1;
    CRect client;
    GetClientRect(&client);
    if (m_nLocation != 0)
    {
        LayoutVertical(client);
        return 1;
    }
    const ChartBarWidths widths = ComputeChartBarWidths(client.Width(), m_nButtons, m_nSeparators, m_nSplits,
                                                        m_bHasSlider, m_bHasScroll, m_bSelfResize, m_nButtonWidth,
                                                        m_nMSButtonWidth);
    int x = 0;
    for (INT_PTR i = 0; i < m_arElements.GetSize(); ++i)
    {
        Element& element = m_arElements[i];
        if (!element.element->GetButtonProp()->bVisible)
        {
            element.window->ShowWindow(SW_HIDE);
            continue;
        }
        CRect rect(x, client.top, x, client.bottom);
        int next = 0;
        switch (element.kind)
        {
        case TBKIND_BUTTON:
        case TBKIND_TOGGLE:
            rect.right = x + m_nButtonWidth - 1;
            next = rect.right;
            break;
        case TBKIND_SEPARATOR:
            rect.right = x + SEPARATOR_WIDTH;
            next = rect.right;
            break;
        case TBKIND_SLIDER:
            rect.right = x + widths.slider;
            next = rect.right;
            break;
        case TBKIND_SCROLLBAR:
            rect.right = x + widths.scroll;
            next = rect.right + SCROLL_GAP;
            break;
        case TBKIND_SPLIT:
        case TBKIND_SPLIT_TOGGLE:
            rect.right = x + m_nMSButtonWidth;
            next = rect.right;
            break;
        default:
            return 0;
        }
        element.element->SetEmntRect(rect);
        element.window->MoveWindow(rect);
        element.window->ShowWindow(SW_SHOW);
        x = next;
    }
    return 1;
}

int CChartToolBar::VerticalExtent(int kind) const
{
    switch (kind)
    {
    case TBKIND_SEPARATOR:
        return SEPARATOR_WIDTH;
    case TBKIND_SPLIT:
    case TBKIND_SPLIT_TOGGLE:
        return m_nMSButtonWidth;
    case TBKIND_SLIDER:
        return DEFAULT_SLIDER;
    case TBKIND_SCROLLBAR:
        return DEFAULT_SCROLL + SCROLL_GAP;
    default:
        return m_nButtonWidth;
    }
}

void CChartToolBar::LayoutVertical(const CRect& client)
{
    // The first element that does not fit; one earlier when the room left before it could not
    // hold the overflow button.
    m_nFirstHidden = -1;
    int y = 1;
    int previous = -1;
    for (INT_PTR i = 0; i < m_arElements.GetSize(); ++i)
    {
        if (!m_arElements[i].element->GetButtonProp()->bVisible)
            continue;
        const int extent = VerticalExtent(m_arElements[i].kind);
        if (y + extent > client.bottom)
        {
            m_nFirstHidden = int(i);
            if (previous >= 0 && client.bottom - y < m_nMSButtonWidth - m_nButtonWidth + 4)
                m_nFirstHidden = previous;
            break;
        }
        y += extent;
        previous = int(i);
    }
    y = 1;
    for (INT_PTR i = 0; i < m_arElements.GetSize(); ++i)
    {
        Element& element = m_arElements[i];
        const BOOL hidden = m_nFirstHidden >= 0 && i >= m_nFirstHidden;
        if (!element.element->GetButtonProp()->bVisible || hidden)
        {
            element.element->SetEmntRect(CRect(0, 0, 0, 0));
            element.window->MoveWindow(CRect(0, 0, 0, 0));
            element.window->ShowWindow(SW_HIDE);
            continue;
        }
        const CRect rect(client.left, y, client.right, y + VerticalExtent(element.kind));
        element.element->SetEmntRect(rect);
        element.window->MoveWindow(rect);
        element.window->ShowWindow(SW_SHOW);
        y = rect.bottom;
    }
    if (m_nFirstHidden >= 0 && m_OverflowButton.GetSafeHwnd())
    {
        m_OverflowButton.MoveWindow(client.left, client.bottom - m_nButtonWidth, client.Width(), m_nButtonWidth);
        m_OverflowButton.ShowWindow(SW_SHOW);
    }
    else if (m_OverflowButton.GetSafeHwnd())
        m_OverflowButton.ShowWindow(SW_HIDE);
}

CChartToolBar::Element* CChartToolBar::FindElement(int id)
{
    for (INT_PTR i = 0; i < m_arElements.GetSize(); ++i)
        if (m_arElements[i].element->GetButtonProp()->nID == id)
            return &m_arElements[i];
    return nullptr;
}

TBBUTTONPROP* CChartToolBar::GetButtonInfo(int id)
{
    Element* element = FindElement(id);
    return element ? element->element->GetButtonProp() : nullptr;
}

void CChartToolBar::SetButtonInfo(int id, TBBUTTONPROP* prop)
{
    Element* element = FindElement(id);
    if (element && prop)
        *element->element->GetButtonProp() = *prop;
}

CWnd* CChartToolBar::GetCtrl(int id)
{
    Element* element = FindElement(id);
    return element ? element->window : nullptr;
}

int CChartToolBar::GetCtrlKind(int id)
{
    Element* element = FindElement(id);
    return element ? element->kind : -1;
}

void CChartToolBar::SetButtonState(int id, int state)
{
    Element* element = FindElement(id);
    if (element)
        element->element->SetCheck(state);
}

void CChartToolBar::SetHideCtrl(unsigned id)
{
    Element* element = FindElement(int(id));
    if (element)
    {
        element->element->GetButtonProp()->bVisible = 0;
        SetSize();
    }
}

void CChartToolBar::SetSelfResize(int on)
{
    m_bSelfResize = on;
    if (GetSafeHwnd())
        SetSize();
}

void CChartToolBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    SetSize();
}

BOOL CChartToolBar::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CChartToolBar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    PaintChartBarGround(&dc, client);
    for (INT_PTR i = 0; i < m_arElements.GetSize(); ++i)
        if (m_arElements[i].window->IsWindowVisible())
            m_arElements[i].window->Invalidate(FALSE);
}

BOOL CChartToolBar::IsOwnElement(HWND window) const
{
    if (!window)
        return FALSE;
    if (window == m_OverflowButton.GetSafeHwnd())
        return TRUE;
    for (INT_PTR i = 0; i < m_arElements.GetSize(); ++i)
        if (m_arElements[i].window->GetSafeHwnd() == window)
            return TRUE;
    return FALSE;
}

LRESULT CChartToolBar::OnShowTipText(WPARAM wParam, LPARAM lParam)
{
    if (!IsOwnElement(HWND(wParam)))
        return 0; // a colour picker's 2025 (selection changed), not a request of ours
    const CPoint screen(short(LOWORD(lParam)), short(HIWORD(lParam)));
    CString text;
    CRect at;
    if (m_OverflowButton.GetSafeHwnd() && m_OverflowButton.IsWindowVisible())
    {
        m_OverflowButton.GetWindowRect(&at);
        if (at.PtInRect(screen))
            text = "가려진버튼";
    }
    for (INT_PTR i = 0; text.IsEmpty() && i < m_arElements.GetSize(); ++i)
    {
        Element& element = m_arElements[i];
        if (!element.window->IsWindowVisible())
            continue;
        CRect rect;
        element.window->GetWindowRect(&rect);
        if (element.kind == TBKIND_SLIDER || element.kind == TBKIND_SCROLLBAR)
        {
            // A square as wide as the element is high, centred on the pointer.
            const int half = rect.Height() / 2;
            if (!rect.PtInRect(screen))
                continue;
            rect = CRect(screen.x - half, rect.top, screen.x - half + rect.Height(), rect.bottom);
        }
        if (rect.PtInRect(screen))
        {
            text = element.element->GetButtonProp()->strToolTip;
            at = rect;
        }
    }
    if (text.IsEmpty())
        return 0;
    m_strShownTip = text;
    if (m_ToolTip.GetSafeHwnd())
        m_ToolTip.ShowText(CPoint(at.left + at.Width(), at.top), text);
    return 0;
}

LRESULT CChartToolBar::OnHideTipText(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (!IsOwnElement(HWND(wParam)))
        return 0; // a colour picker's 2026 (dropped down)
    m_strShownTip.Empty();
    if (m_ToolTip.GetSafeHwnd())
        m_ToolTip.HideTip();
    return 0;
}

LRESULT CChartToolBar::OnScrollAction(WPARAM wParam, LPARAM lParam)
{
    if (m_pSink)
        m_pSink->OnBarScroll(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<CWnd*>(lParam));
    return 0;
}

LRESULT CChartToolBar::OnSliderAction(WPARAM wParam, LPARAM lParam)
{
    if (m_pSink)
        m_pSink->OnBarSlider(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<CWnd*>(lParam));
    return 0;
}

namespace
{
struct BottomElement
{
    int kind;
    int id;
    const char* tip;
    const char* image; // null for slider and scroll bar
    bool timeSeriesOnly; // left out for numeric x values
};

const BottomElement kBottomElements[] = {
    {TBKIND_SCROLLBAR, 10000, "스크롤바", nullptr, false},
    {TBKIND_TOGGLE, 10013, "조회시 갯수고정", SKIN_PIN_BTN, false},
    {TBKIND_BUTTON, 10002, "추세선", SKIN_LINE_BTN, true},
    {TBKIND_BUTTON, 10006, "선색상", SKIN_CONFIG_BTN, true},
    {TBKIND_BUTTON, 10011, "환경설정", SKIN_CROSS_BTN, true},
    {TBKIND_TOGGLE, 10008, "수치조회", SKIN_SEARCH_BTN, false},
    {TBKIND_BUTTON, 10010, "화면표시갯수", SKIN_DATANUM_BTN, true},
    {TBKIND_BUTTON, 10003, "보기설정", SKIN_SHOWTYPE_BTN, false},
    {TBKIND_BUTTON, 10012, "엑셀 보내기", SKIN_EXCEL_BTN, false},
    {TBKIND_SLIDER, 10001, "축소/확대", nullptr, false},
};
} // namespace

CChartBtmBar::CChartBtmBar() : m_nTimeKind(0), m_clrReserved(0xFFFF00) { m_bSelfResize = 1; }

CChartBtmBar::~CChartBtmBar()
{
    for (INT_PTR i = 0; i < m_arProps.GetSize(); ++i)
        delete m_arProps[i];
}

BOOL CChartBtmBar::CreateBar(CWnd* canvas, CSkinCache* skins)
{
    SetSkinCache(skins);
    if (!Create(canvas))
        return FALSE;
    for (const BottomElement& element : kBottomElements)
    {
        TBBUTTONPROP* prop = new TBBUTTONPROP;
        prop->nKind = element.kind;
        prop->nState = 4;
        prop->nID = element.id;
        prop->dwBitmapID = element.image && skins ? skins->GetID(element.image) : 0;
        prop->strToolTip = element.tip;
        m_arProps.Add(prop);
        if (element.timeSeriesOnly && m_nTimeKind == 5)
            continue;
        AddButtons(prop);
    }
    AutoSize();
    SetSize();
    return TRUE;
}

CXScrollBar* CChartBtmBar::GetScrollBar() { return static_cast<CXScrollBar*>(GetCtrl(10000)); }

CChartSliderBar* CChartBtmBar::GetSlider() { return static_cast<CChartSliderBar*>(GetCtrl(10001)); }
