// CRankingChart: a rank card of screen 3000 and the places of its parts.
#include "RankingChart.h"

#include "ColorMap.h"
#include "ResourceMap.h"
#include "SStatic.h"
#include "SharedData.h"
#include "SignalScores.h"

namespace {

struct CardPart
{
    int id;
    RECT rect;
};

// Every part but the badge, whose size depends on the rank.
const CardPart kParts[] = {
    {RANKCARD_DECORATION, {304, 18, 445, 53}},
    {RANKCARD_NAME, {108, 27, 270, 45}},
    {RANKCARD_CAPTION_SUPPLY, {54, 68, 103, 85}},
    {RANKCARD_CAPTION_TREND, {54, 106, 103, 120}},
    {RANKCARD_CAPTION_CHART, {54, 142, 103, 158}},
    {RANKCARD_TOTAL, {326, 30, 360, 50}},
    {RANKCARD_GAUGE, {100, 53, 484, 200}},
};

} // namespace

CRect RankCardPartRect(int id, int rank)
{
    if (id == RANKCARD_BADGE)
        return rank == 1 ? CRect(9, 7, 55, 53) : CRect(9, 7, 41, 39);
    for (const CardPart& part : kParts)
        if (part.id == id)
            return CRect(part.rect);
    return CRect(0, 0, 0, 0);
}

BEGIN_MESSAGE_MAP(CRankingChart, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CRankingChart::CRankingChart(int rank) : m_nRank(rank)
{
    for (int i = 0; i < RANKCARD_LABEL_COUNT; ++i)
        m_pLabels[i] = NULL;
}

CRankingChart::~CRankingChart()
{
    // A card destroyed without its window's destruction still frees its labels.
    for (int i = 0; i < RANKCARD_LABEL_COUNT; ++i)
        delete m_pLabels[i];
}

CSStatic* CRankingChart::GetLabel(int id) const
{
    const int index = id - RANKCARD_BADGE;
    return index >= 0 && index < RANKCARD_LABEL_COUNT ? m_pLabels[index] : NULL;
}

CSStatic* CRankingChart::CreateLabel(int id, const char* text)
{
    CSStatic* label = new CSStatic;
    const CRect rect = RankCardPartRect(id, m_nRank);
    if (!label->Create(text, WS_CHILD | WS_VISIBLE, rect, this, id)) {
        delete label;
        return NULL;
    }
    label->SetFont(CSharedData::GetDefaultFont(1));
    m_pLabels[id - RANKCARD_BADGE] = label;
    return label;
}

int CRankingChart::OnCreate(LPCREATESTRUCT cs)
{
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    const COLORREF ground = CColorMap::GetColor(RANKCARD_CLR_GROUND);
    if (CSStatic* badge = CreateLabel(RANKCARD_BADGE, ""))
        badge->SetBackgroundImg(CResourceMap::GetBitmap(static_cast<WORD>(RANKCARD_BMP_BADGE_BASE + m_nRank)));
    if (CSStatic* decoration = CreateLabel(RANKCARD_DECORATION, ""))
        decoration->SetBackgroundImg(CResourceMap::GetBitmap(RANKCARD_BMP_DECORATION));
    if (CSStatic* name = CreateLabel(RANKCARD_NAME, ""))
        name->SetBkColor(ground).SetFontSize(12).SetFontBold(TRUE);
    static const char* const kCaptions[] = {"수급분석", "추세분석", "차트분석"};
    for (int i = 0; i < 3; ++i)
        if (CSStatic* caption = CreateLabel(RANKCARD_CAPTION_SUPPLY + i, kCaptions[i]))
            caption->SetBkColor(ground).SetFontSize(9);
    if (CSStatic* total = CreateLabel(RANKCARD_TOTAL, "0"))
        total->SetTransparent(TRUE).SetTextColor(RANKCARD_CLR_TOTAL).SetFontSize(14).SetFontBold(TRUE);
    m_Gauge.Create(NULL, NULL, WS_CHILD | WS_VISIBLE, RankCardPartRect(RANKCARD_GAUGE, m_nRank), this,
                   RANKCARD_GAUGE);
    return 0;
}

void CRankingChart::OnDestroy()
{
    if (m_Gauge.GetSafeHwnd() != NULL)
        m_Gauge.DestroyWindow();
    for (int i = 0; i < RANKCARD_LABEL_COUNT; ++i) {
        if (m_pLabels[i] == NULL)
            continue;
        if (m_pLabels[i]->GetSafeHwnd() != NULL)
            m_pLabels[i]->DestroyWindow();
        delete m_pLabels[i];
        m_pLabels[i] = NULL;
    }
    CWnd::OnDestroy();
}

void CRankingChart::SetData(const CString& name, int supply, int trend, int chart)
{
    if (CSStatic* label = GetLabel(RANKCARD_NAME))
        label->SetText(name);
    CString total;
    total.Format("%d", SignalScoreTotal(supply, trend, chart));
    if (CSStatic* label = GetLabel(RANKCARD_TOTAL))
        label->SetText(total);
    m_Gauge.SetScores(supply, trend, chart);
    if (m_Gauge.GetSafeHwnd() != NULL)
        m_Gauge.UpdateWindow();
}

void CRankingChart::Paint(CDC* dc, const CRect& client)
{
    dc->FillSolidRect(&client, CColorMap::GetColor(RANKCARD_CLR_GROUND));
}

void CRankingChart::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    Paint(&paint, client);
}
