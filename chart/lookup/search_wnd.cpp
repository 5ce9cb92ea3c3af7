// The value lookup window: its rows, their texts and the paint.
#include "SearchWnd.h"

#include "Canvas.h"
#include "ChartText.h"
#include "SeriesValues.h"

namespace
{

const COLORREF kGridColour = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kRowColour = RGB(0, 0, 0);
const int kTextInset = 3;

} // namespace

BEGIN_MESSAGE_MAP(CSearchWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CSearchWnd::CSearchWnd() : m_nLaidOut(10), m_nField1(-1), m_nField2(-1), m_pChart(nullptr), m_bEnglish(FALSE) {}

CSearchWnd::~CSearchWnd()
{
    if (GetSafeHwnd())
        DestroyWindow();
    Clear();
}

BOOL CSearchWnd::Create(CWnd* chart)
{
    m_pChart = chart;
    const CString cls = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW));
    CRect rect(0, 0, CLIENT_WIDTH, m_nLaidOut * ROW_HEIGHT);
    const DWORD style = WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    ::AdjustWindowRectEx(&rect, style, FALSE, WS_EX_TOOLWINDOW);
    CRect place(0, 0, 0, 0);
    if (chart && chart->GetSafeHwnd())
        chart->GetWindowRect(&place);
    rect.OffsetRect(place.left + 10 - rect.left, place.top + 10 - rect.top);
    return CreateEx(WS_EX_TOOLWINDOW, cls, "수치조회", style, rect.left, rect.top, rect.Width(), rect.Height(),
                    chart ? chart->GetSafeHwnd() : NULL, NULL);
}

void CSearchWnd::Clear()
{
    while (!m_Rows.IsEmpty())
        delete static_cast<CSearchData*>(m_Rows.RemoveHead());
}

void CSearchWnd::SetRows(CObList& rows)
{
    Clear();
    while (!rows.IsEmpty())
        m_Rows.AddTail(rows.RemoveHead());
    const int count = GetRowCount();
    if (count != m_nLaidOut)
        FitToRows(count);
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CSearchWnd::FitToRows(int rows)
{
    m_nLaidOut = rows;
    if (!GetSafeHwnd())
        return;
    CRect rect(0, 0, CLIENT_WIDTH, rows * ROW_HEIGHT);
    ::AdjustWindowRectEx(&rect, DWORD(GetStyle()), FALSE, DWORD(GetExStyle()));
    SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSearchWnd::RowTexts(const CSearchData& row, BOOL english, CString& title, CString& value)
{
    title = row.m_strTitle;
    value.Empty();
    const int v = row.m_nValue;
    const BOOL empty = IsReservedSeriesValue(v);
    const char* dateWord = english ? "DATE" : "일자";
    const char* timeWord = english ? "TIME" : "시간";
    // The time series names its rows by the kind of its axis: a day chart's "일자", an interval
    // or tick chart's "시간".
    if (title.Find(dateWord) >= 0 || title == timeWord)
    {
        const int kind = row.m_nTimeKind;
        if (kind == 3 || kind == 4)
        {
            title = timeWord;
            if (!empty)
                value = FormatTimeValue(v, 3);
        }
        else if (!empty)
            value = FormatTimeValue(v, kind == 0 || kind == 1 ? 0 : 2);
        return;
    }
    if (!empty)
        value = FormatNumberValue(v, -1, -1, "", row.m_nScale, row.m_nDecimals, 0);
}

BOOL CSearchWnd::GetRowTexts(int i, CString& title, CString& value) const
{
    POSITION pos = i >= 0 ? m_Rows.FindIndex(i) : NULL;
    if (!pos)
        return FALSE;
    RowTexts(*static_cast<const CSearchData*>(m_Rows.GetAt(pos)), m_bEnglish, title, value);
    return TRUE;
}

void CSearchWnd::PaintTo(CDC* pDC, const CRect& client)
{
    pDC->FillSolidRect(client, RGB(255, 255, 255));
    CRect edge = client;
    pDC->DrawEdge(&edge, EDGE_SUNKEN, BF_RECT);

    CFont font;
    font.CreateFont(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, m_bEnglish ? "Arial" : "굴림");
    CFont* oldFont = pDC->SelectObject(&font);
    CPen grid(PS_SOLID, 1, kGridColour);
    CPen rowPen(PS_SOLID, 1, kRowColour);
    CPen* oldPen = pDC->SelectObject(&grid);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const int middle = client.left + client.Width() / 2;

    int i = 0;
    for (POSITION pos = m_Rows.GetHeadPosition(); pos != NULL; ++i)
    {
        const CSearchData* row = static_cast<const CSearchData*>(m_Rows.GetNext(pos));
        CString title, value;
        RowTexts(*row, m_bEnglish, title, value);
        const int top = client.top + i * ROW_HEIGHT;
        CRect left(client.left + kTextInset, top, middle, top + ROW_HEIGHT);
        CRect right(middle, top, client.right - kTextInset, top + ROW_HEIGHT);
        pDC->DrawText(title, &left, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        pDC->DrawText(value, &right, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        // The last row of a group (the time, each object's series) closes with the row colour.
        pDC->SelectObject(row->m_nHighlight ? &rowPen : &grid);
        pDC->MoveTo(client.left, top + ROW_HEIGHT - 1);
        pDC->LineTo(client.right, top + ROW_HEIGHT - 1);
    }
    pDC->SelectObject(&grid);
    pDC->MoveTo(middle, client.top);
    pDC->LineTo(middle, client.top + i * ROW_HEIGHT);

    pDC->SetBkMode(oldMode);
    pDC->SelectObject(oldPen);
    pDC->SelectObject(oldFont);
}

void CSearchWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    PaintTo(&dc, client);
}

BOOL CSearchWnd::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CSearchWnd::OnClose()
{
    // The chart owns this window and frees it: tell it after this message is done.
    if (m_pChart && ::IsWindow(m_pChart->GetSafeHwnd()))
        m_pChart->PostMessage(WM_LOOKUP_CLOSED, 0, 0);
    else
        ShowWindow(SW_HIDE);
}
