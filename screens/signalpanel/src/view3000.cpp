// CView3000's start-up from its layout, its rank cards, rank images and description, the score
// query and the reply shown.
#include "View3000.h"

#include "ColorMap.h"
#include "GridTable.h"
#include "InstallFolders.h"
#include "RankingChart.h"
#include "RcmdCoinManager.h"
#include "ResourceMap.h"
#include "SStatic.h"
#include "SharedData.h"
#include "TRAgent.h"

namespace {

const WORD kBackGrid = 1000;
const WORD kCardGrid = 1001;
const WORD kRankGrid = 1002;
const int kRankImageSize = 19;

// The description beside the ranking grid: text, or a picture when bitmap is set.
struct DescriptionLabel
{
    RECT rect;
    const char* text;
    int size;
    BOOL bold;
    WORD bitmap;
};

const DescriptionLabel kLabels[VIEW3000_LABEL_COUNT] = {
    {{586, 458, 648, 472}, "Vastrin", 12, TRUE, 0},
    {{586, 491, 990, 503}, "Vastrin는 고도화 된 알고리즘을 통한 실시간 분석 시스템입니다.", 9, FALSE, 0},
    {{586, 511, 990, 525}, "누구나 쉽고 편리하게 각 코인별 현재 투자 매력도를 평가해 드립니다.", 9, FALSE, 0},
    {{586, 542, 990, 543}, "", 9, FALSE, 0}, // a 1-pixel line
    {{586, 562, 597, 573}, "", 9, FALSE, VIEW3000_BMP_BULLET},
    {{603, 562, 666, 575}, "수급분석:", 9, TRUE, 0},
    {{667, 562, 990, 575}, "24시간 거래량을 바탕으로 수급을 분석하여 평가한 점수", 9, FALSE, 0},
    {{586, 593, 597, 604}, "", 9, FALSE, VIEW3000_BMP_BULLET},
    {{603, 593, 666, 606}, "추세분석:", 9, TRUE, 0},
    {{667, 593, 990, 606}, "상승 추세가 나타날 확률을 분석하여 평가한 점수", 9, FALSE, 0},
    {{586, 623, 597, 634}, "", 9, FALSE, VIEW3000_BMP_BULLET},
    {{603, 623, 666, 635}, "차트분석:", 9, TRUE, 0},
    {{667, 623, 990, 635}, "수급, 추세, 차트를 분석하여 상승 확률을 평가한 점수", 9, FALSE, 0},
};
const int kLineLabel = 3;
const WORD kClrLine = 301;

void RaiseToTop(CWnd* wnd)
{
    wnd->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SendToBottom(CWnd* wnd)
{
    if (wnd != NULL)
        wnd->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

template <class T> void DestroyAndDelete(T*& wnd)
{
    if (wnd == NULL)
        return;
    if (wnd->GetSafeHwnd() != NULL)
        wnd->DestroyWindow();
    delete wnd;
    wnd = NULL;
}

} // namespace

BEGIN_MESSAGE_MAP(CView3000, CMapView)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_COPYDATA, OnCopyDataMessage)
END_MESSAGE_MAP()

CView3000::CView3000(UINT templateId, CWnd* parent)
    : CMapView(templateId, parent), m_pBackGrid(NULL), m_pCardGrid(NULL), m_pRankGrid(NULL)
{
    for (int i = 0; i < VIEW3000_CARD_COUNT; ++i)
        m_pCards[i] = NULL;
    for (int i = 0; i < VIEW3000_ROW_COUNT; ++i)
        m_pRankImages[i] = NULL;
    for (int i = 0; i < VIEW3000_LABEL_COUNT; ++i)
        m_pLabels[i] = NULL;
}

CView3000::~CView3000()
{
    // Whatever a destruction without WM_DESTROY left behind.
    for (int i = 0; i < VIEW3000_CARD_COUNT; ++i)
        delete m_pCards[i];
    for (int i = 0; i < VIEW3000_ROW_COUNT; ++i)
        delete m_pRankImages[i];
    for (int i = 0; i < VIEW3000_LABEL_COUNT; ++i)
        delete m_pLabels[i];
}

CString CView3000::LayoutPath()
{
    return CString(GetMapDir()) + "MF_3000.xml";
}

BOOL CView3000::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    return CMapView::PreCreateWindow(cs);
}

BOOL CView3000::InitWindow()
{
    CMapView::InitWindow();
    return 1;
}

CRankingChart* CView3000::GetCard(int index) const
{
    return index >= 0 && index < VIEW3000_CARD_COUNT ? m_pCards[index] : NULL;
}

CSStatic* CView3000::GetRankImage(int index) const
{
    return index >= 0 && index < VIEW3000_ROW_COUNT ? m_pRankImages[index] : NULL;
}

CSStatic* CView3000::GetLabel(int index) const
{
    return index >= 0 && index < VIEW3000_LABEL_COUNT ? m_pLabels[index] : NULL;
}

BOOL CView3000::OnInitDialog()
{
    if (!CMapView::OnInitDialog())
        return 0;
    if (!LoadMapFile(this, LayoutPath()))
        return 0;
    // No message line: the query's status text shows nowhere.
    SetupControls();
    RequestScores();
    return 1;
}

void CView3000::SetupControls()
{
    m_pBackGrid = dynamic_cast<CGridTable*>(GetControl(kBackGrid));
    m_pCardGrid = dynamic_cast<CGridTable*>(GetControl(kCardGrid));
    m_pRankGrid = dynamic_cast<CGridTable*>(GetControl(kRankGrid));
    SetupGrids();
    CreateCards();
    CreateRankImages();
    CreateLabels();
    // A new child goes below its older siblings: the labels were made under the background
    // grid, which would cover them. It goes to the bottom again, under everything.
    SendToBottom(m_pBackGrid);
}

void CView3000::SetupGrids()
{
    if (m_pBackGrid != NULL) {
        m_pBackGrid->SetRowHeight(0, 660);
        m_pBackGrid->SetBackColor(0, 0, 901);
        SendToBottom(m_pBackGrid);
    }
    if (m_pCardGrid != NULL) {
        m_pCardGrid->SetRowHeight(0, 207);
        m_pCardGrid->SetRowHeight(1, 207);
    }
    CGridTable* g = m_pRankGrid;
    if (g == NULL)
        return;
    const UINT rows = g->GetRowCount();
    for (UINT row = 0; row < rows; ++row)
        g->SetRowHeight(row, 25);
    static const char* const kHeads[] = {"순위", "암호화폐명", "수급분석", "추세분석", "차트분석", "합계"};
    for (UINT col = 0; col < 6; ++col) {
        g->SetCellText(col, 0, kHeads[col]);
        g->SetCellAlign(col, 0, 1);
    }
    g->SetBackColor(0, 0, 5, 0, 401, 0);
    if (rows > 1) {
        g->SetBackColor(0, 1, 5, rows - 1, 901, 0);
        g->SetCellAlign(1, 1, 1, rows - 1, 0, 0);
        g->SetCellAlign(2, 1, 5, rows - 1, 2, 0);
    }
    g->SetUseCellSelect(0);
}

void CView3000::CreateCards()
{
    for (int k = 0; k < VIEW3000_CARD_COUNT; ++k) {
        CRect place(0, 0, 0, 0);
        if (m_pCardGrid != NULL) {
            place = m_pCardGrid->GetCellRect(k % 2, k / 2);
            m_pCardGrid->MapWindowPoints(this, &place);
        }
        CRankingChart* card = new CRankingChart(k + 1);
        if (!card->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, place, this, VIEW3000_CARD_ID + k)) {
            delete card;
            continue;
        }
        RaiseToTop(card);
        m_pCards[k] = card;
    }
}

void CView3000::CreateRankImages()
{
    if (m_pRankGrid == NULL)
        return;
    for (int i = 0; i < VIEW3000_ROW_COUNT; ++i) {
        CRect cell = m_pRankGrid->GetCellRect(0, i + 1);
        m_pRankGrid->MapWindowPoints(this, &cell);
        cell.DeflateRect(9, 3, 9, 3);
        const CRect place(cell.left, cell.top, cell.left + kRankImageSize, cell.top + kRankImageSize);
        CSStatic* image = new CSStatic;
        if (!image->Create("", WS_CHILD | WS_VISIBLE, place, this, VIEW3000_RANK_IMAGE_ID + i)) {
            delete image;
            continue;
        }
        image->SetBackgroundImg(CResourceMap::GetBitmap(static_cast<WORD>(VIEW3000_BMP_RANK_IMAGE + i)));
        // Over the grid, which clips its siblings above it.
        RaiseToTop(image);
        m_pRankImages[i] = image;
    }
}

void CView3000::CreateLabels()
{
    for (int i = 0; i < VIEW3000_LABEL_COUNT; ++i) {
        const DescriptionLabel& d = kLabels[i];
        CSStatic* label = new CSStatic;
        if (!label->Create(d.text, WS_CHILD | WS_VISIBLE, CRect(d.rect), this, VIEW3000_LABEL_ID + i)) {
            delete label;
            continue;
        }
        label->SetFont(CSharedData::GetDefaultFont(1));
        if (i == kLineLabel)
            label->SetBkColor(CColorMap::GetColor(kClrLine));
        else
            label->SetTransparent(TRUE);
        label->SetFontSize(d.size);
        if (d.bold)
            label->SetFontBold(TRUE);
        if (d.bitmap != 0)
            label->SetBackgroundImg(CResourceMap::GetBitmap(d.bitmap));
        m_pLabels[i] = label;
    }
}

void CView3000::RequestScores()
{
    BYTE body[4] = {' ', ' ', ' ', ' '};
    CTRAgent::RequestQueryData(TR_SIGNAL_SCORE, 'I', m_hWnd, NULL, body, sizeof body, -1);
}

LRESULT CView3000::OnCopyDataMessage(WPARAM wParam, LPARAM lParam)
{
    COPYDATASTRUCT* cds = reinterpret_cast<COPYDATASTRUCT*>(lParam);
    // The word parameter is the whole frame the agent received, not a window.
    if (cds != NULL && cds->dwData == TR_SIGNAL_SCORE &&
        CTRAgent::GetDataType(reinterpret_cast<_IQ_HEADER*>(wParam)) == 'I')
        ShowScores(cds->lpData, static_cast<int>(cds->cbData));
    return CBaseView::OnCopyData(NULL, cds);
}

void CView3000::ShowScores(const void* body, int length)
{
    SIGNAL_SCORE_RECORD records[SIGNAL_MAX_RECORDS];
    const int count = ReadSignalScores(body, length, records);
    for (int k = 0; k < count; ++k) {
        const SIGNAL_SCORE_RECORD& r = records[k];
        if (k < VIEW3000_CARD_COUNT) {
            if (m_pCards[k] != NULL)
                m_pCards[k]->SetData(CRcmdCoinManager::GetCoinName(r.code), r.supply, r.trend, r.chart);
        } else {
            ShowRow(static_cast<UINT>(k - VIEW3000_CARD_COUNT + 1), r);
        }
    }
}

void CView3000::ShowRow(UINT row, const SIGNAL_SCORE_RECORD& r)
{
    CGridTable* g = m_pRankGrid;
    if (g == NULL || row >= g->GetRowCount())
        return;
    g->SetCellText(1, row, CRcmdCoinManager::GetCoinName(r.code), 1);
    g->SetCellText(2, row, SignalScoreText(r.supply), 1);
    g->SetCellText(3, row, SignalScoreText(r.trend), 1);
    g->SetCellText(4, row, SignalScoreText(r.chart), 1);
    g->SetCellText(5, row, SignalTotalText(r.supply, r.trend, r.chart), 1);
}

void CView3000::OnDestroy()
{
    for (int i = 0; i < VIEW3000_CARD_COUNT; ++i)
        DestroyAndDelete(m_pCards[i]);
    for (int i = 0; i < VIEW3000_ROW_COUNT; ++i)
        DestroyAndDelete(m_pRankImages[i]);
    for (int i = 0; i < VIEW3000_LABEL_COUNT; ++i)
        DestroyAndDelete(m_pLabels[i]);
    CMapView::OnDestroy();
}
