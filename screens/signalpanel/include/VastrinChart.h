// CVastrinChart: the score gauge of a rank card, three analysis scores as horizontal bars on a
// 0 to 100 scale; and its geometry as a pure function of the client size and the scores.
#pragma once

#include <afxwin.h>

#include "SignalPanelApi.h"

#define VASTRIN_BAR_COUNT 3
#define VASTRIN_SCALE_COUNT 6 // 0, 20, 40, 60, 80, 100

// Colours of the gauge: fixed, not from the colour map.
#define VASTRIN_CLR_BACK RGB(255, 255, 255)
#define VASTRIN_CLR_GRID RGB(194, 194, 194)
#define VASTRIN_CLR_PLOT RGB(248, 248, 248)
SIGNALPANEL_API extern const COLORREF VASTRIN_BAR_COLORS[VASTRIN_BAR_COUNT];

// Where everything of the gauge goes in a client area of width x height.
struct VASTRIN_LAYOUT
{
    CRect plot;                           // left 10, top 5, right W - 40, bottom H - 30
    int rowLines[2];                      // y of the lines that split the plot into three rows
    int ticks[VASTRIN_SCALE_COUNT];       // x of the tick marks (7 pixels below the bottom)
    int dotted[4];                        // x of the dotted verticals (ticks 1 to 4)
    CRect scaleBoxes[VASTRIN_SCALE_COUNT]; // boxes of "0" ... "100"
    CRect bars[VASTRIN_BAR_COUNT];        // empty (right == left) for a score of 0
    CRect valueBoxes[VASTRIN_BAR_COUNT];  // boxes of the "%d점" labels
};

// The scores are used as given (the gauge's setter has made them 0 to 100).
SIGNALPANEL_API VASTRIN_LAYOUT VastrinLayout(int width, int height, const int scores[VASTRIN_BAR_COUNT]);

class SIGNALPANEL_API CVastrinChart : public CWnd
{
public:
    CVastrinChart();
    virtual ~CVastrinChart();

    // Supply and demand, trend and chart, top to bottom; each taken by SignalScoreValue. Repaints.
    void SetScores(int supply, int trend, int chart);
    int GetScore(int bar) const { return bar >= 0 && bar < VASTRIN_BAR_COUNT ? m_nScore[bar] : 0; }
    // Draws the whole gauge into dc at client coordinates (what WM_PAINT shows).
    void Paint(CDC* dc, const CRect& client);

protected:
    int m_nScore[VASTRIN_BAR_COUNT];
    CFont m_font;

    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
