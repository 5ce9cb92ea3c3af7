// CRankingChart: one rank card of screen 3000: rank badge, coin name, total score, the three
// captions and the score gauge; and where each of its parts sits.
#pragma once

#include <afxwin.h>

#include "SignalPanelApi.h"
#include "VastrinChart.h"

class CSStatic;

// Child ids of a card's parts.
enum {
    RANKCARD_BADGE = 200,
    RANKCARD_DECORATION = 201,
    RANKCARD_NAME = 202,
    RANKCARD_CAPTION_SUPPLY = 203,
    RANKCARD_CAPTION_TREND = 204,
    RANKCARD_CAPTION_CHART = 205,
    RANKCARD_TOTAL = 206,
    RANKCARD_GAUGE = 207,
};
#define RANKCARD_LABEL_COUNT 7 // ids 200 to 206
#define RANKCARD_CLR_GROUND 201
#define RANKCARD_CLR_TOTAL RGB(253, 248, 0)
// Badge bitmaps 817 (rank 1) to 820 (rank 4); 829 the decoration behind the total.
#define RANKCARD_BMP_BADGE_BASE 816
#define RANKCARD_BMP_DECORATION 829

// The rectangle of a part (ids 200 to 207) in a card of the rank; empty for another id.
SIGNALPANEL_API CRect RankCardPartRect(int id, int rank);

class SIGNALPANEL_API CRankingChart : public CWnd
{
public:
    explicit CRankingChart(int rank);
    virtual ~CRankingChart();

    // Name, then supply and demand, trend and chart: the name label, the total of the shown
    // scores (SignalScoreTotal) and the gauge's bars.
    void SetData(const CString& name, int supply, int trend, int chart);

    int GetRank() const { return m_nRank; }
    CSStatic* GetLabel(int id) const;
    CVastrinChart& GetGauge() { return m_Gauge; }
    // The card's own ground (colour 201), at client coordinates.
    void Paint(CDC* dc, const CRect& client);

protected:
    int m_nRank;
    CSStatic* m_pLabels[RANKCARD_LABEL_COUNT];
    CVastrinChart m_Gauge;

    CSStatic* CreateLabel(int id, const char* text);

    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
