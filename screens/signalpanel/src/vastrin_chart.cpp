// CVastrinChart: the three-bar score gauge of a rank card, and its geometry.
#include "VastrinChart.h"

#include "DCSelectors.h"
#include "MemDC.h"
#include "SignalScores.h"

const COLORREF VASTRIN_BAR_COLORS[VASTRIN_BAR_COUNT] = {RGB(254, 193, 6), RGB(149, 214, 10), RGB(202, 142, 232)};

namespace {

const int kPlotLeft = 10;
const int kPlotTop = 5;
const int kPlotRightGap = 40;
const int kPlotBottomGap = 30;
const int kTickLength = 7;
const char* const kScaleTexts[VASTRIN_SCALE_COUNT] = {"0", "20", "40", "60", "80", "100"};

} // namespace

VASTRIN_LAYOUT VastrinLayout(int width, int height, const int scores[VASTRIN_BAR_COUNT])
{
    VASTRIN_LAYOUT l;
    l.plot = CRect(kPlotLeft, kPlotTop, width - kPlotRightGap, height - kPlotBottomGap);
    const int third = (l.plot.bottom - l.plot.top) / 3;
    l.rowLines[0] = l.plot.top + third;
    l.rowLines[1] = l.plot.top + 2 * third;
    const int step = (l.plot.right - l.plot.left) / 5;
    for (int k = 0; k < 5; ++k)
        l.ticks[k] = l.plot.left + k * step;
    l.ticks[5] = l.plot.right;
    for (int k = 0; k < 4; ++k)
        l.dotted[k] = l.ticks[k + 1];

    const int textTop = l.plot.bottom + 9;
    const int textBottom = l.plot.bottom + 19;
    l.scaleBoxes[0] = CRect(10 - 5, textTop, 20 + 5, textBottom);
    for (int k = 1; k < 5; ++k)
        l.scaleBoxes[k] = CRect(l.ticks[k] - 5, textTop, l.ticks[k] + 15 + 5, textBottom);
    l.scaleBoxes[5] = CRect(l.plot.right - 10, textTop, l.plot.right + 15 + 10, textBottom);

    const int row = (height - 35) / 3;
    const int span = width - 50;
    const int inset = row * 35 / 100;
    for (int i = 0; i < VASTRIN_BAR_COUNT; ++i) {
        const int top = kPlotTop + inset + i * row;
        const int bottom = kPlotTop + row - inset + i * row;
        const int right = kPlotLeft + span * scores[i] / 100;
        l.bars[i] = CRect(kPlotLeft, top, right, bottom);
        l.valueBoxes[i] = right + 28 > width - kPlotRightGap ? CRect(width - 70, top, width - 40, top + 15)
                                                              : CRect(right + 3, top, right + 28, top + 15);
    }
    return l;
}

BEGIN_MESSAGE_MAP(CVastrinChart, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CVastrinChart::CVastrinChart()
{
    for (int i = 0; i < VASTRIN_BAR_COUNT; ++i)
        m_nScore[i] = 0;
}

CVastrinChart::~CVastrinChart()
{
}

void CVastrinChart::SetScores(int supply, int trend, int chart)
{
    m_nScore[0] = SignalScoreValue(supply);
    m_nScore[1] = SignalScoreValue(trend);
    m_nScore[2] = SignalScoreValue(chart);
    if (m_hWnd != NULL)
        Invalidate();
}

int CVastrinChart::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    m_font.CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_MODERN, "굴림체");
    return 0;
}

void CVastrinChart::OnDestroy()
{
    m_font.DeleteObject();
    CWnd::OnDestroy();
}

BOOL CVastrinChart::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CVastrinChart::OnNcPaint()
{
    Default();
    Invalidate();
}

void CVastrinChart::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CMDC buffer(&paint, &client);
    Paint(&buffer, client);
}

void CVastrinChart::Paint(CDC* dc, const CRect& client)
{
    const VASTRIN_LAYOUT l = VastrinLayout(client.Width(), client.Height(), m_nScore);
    dc->FillSolidRect(&client, VASTRIN_CLR_BACK);
    dc->FillSolidRect(&l.plot, VASTRIN_CLR_PLOT);
    {
        CPenDC pen(dc->GetSafeHdc(), VASTRIN_CLR_GRID, 1, PS_SOLID);
        dc->MoveTo(l.plot.left, l.plot.top);
        dc->LineTo(l.plot.right, l.plot.top);
        dc->LineTo(l.plot.right, l.plot.bottom);
        dc->LineTo(l.plot.left, l.plot.bottom);
        dc->LineTo(l.plot.left, l.plot.top);
        for (int line : l.rowLines) {
            dc->MoveTo(l.plot.left, line);
            dc->LineTo(l.plot.right, line);
        }
        for (int x : l.ticks) {
            dc->MoveTo(x, l.plot.bottom);
            dc->LineTo(x, l.plot.bottom + kTickLength);
        }
    }
    {
        CPenDC pen(dc->GetSafeHdc(), VASTRIN_CLR_GRID, 1, PS_DOT);
        for (int x : l.dotted) {
            dc->MoveTo(x, l.plot.top);
            dc->LineTo(x, l.plot.bottom);
        }
    }

    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColour = dc->SetTextColor(RGB(0, 0, 0));
    CFont* oldFont = m_font.GetSafeHandle() != NULL ? dc->SelectObject(&m_font) : NULL;
    const UINT format = DT_LEFT | DT_TOP | DT_SINGLELINE;
    for (int k = 0; k < VASTRIN_SCALE_COUNT; ++k) {
        CRect box = l.scaleBoxes[k];
        dc->DrawText(kScaleTexts[k], -1, &box, format);
    }
    for (int i = 0; i < VASTRIN_BAR_COUNT; ++i) {
        if (l.bars[i].right > l.bars[i].left)
            dc->FillSolidRect(&l.bars[i], VASTRIN_BAR_COLORS[i]);
        CRect box = l.valueBoxes[i];
        dc->DrawText(SignalScoreText(m_nScore[i]), -1, &box, format);
    }
    if (oldFont != NULL)
        dc->SelectObject(oldFont);
    dc->SetTextColor(oldColour);
    dc->SetBkMode(oldMode);
}
