// CView1000's start-up from its layout, its grids and the three market-data feeds.
#include "View1000.h"

#include <cstdlib>
#include <cstring>

#include "AccountTabWnd.h"
#include "ColorMap.h"
#include "GridCellProcs.h"
#include "GridTable.h"
#include "IniFiles.h"
#include "InstallFolders.h"
#include "NumberText.h"
#include "RelayMsg.h"
#include "SComboBox.h"
#include "SEdit.h"
#include "SStatic.h"
#include "ImgButton.h"
#include "RcmdCoinManager.h"
#include "AutoAgent.h"
#include "TokenBoardRecords.h"
#include "ZembraAPIAgent.h"
#include "ZembraRecords.h"
#include "resource.h"

namespace {

const WORD kClrNormal = 101;
const WORD kClrUp = 102;
const WORD kClrDown = 103;

// Fore colour of a whole column by a sign: rise, fall, else normal.
WORD ColourOfSign(char sign)
{
    if (sign == '1' || sign == '2')
        return kClrUp;
    if (sign == '4' || sign == '5')
        return kClrDown;
    return kClrNormal;
}

// Bar length in percent of the side's largest quantity (0 when the larger of the two is 0).
double BarValue(double quantity, double largest)
{
    const double a = quantity < 0 ? -quantity : quantity;
    const double b = largest < 0 ? -largest : largest;
    const double bigger = a > b ? a : b;
    if (bigger == 0)
        return 0;
    const double value = (a < b ? a : b) / bigger * 100.0;
    return quantity < 0 ? -value : value;
}

void SetBar(CGridTable* grid, UINT col, UINT row, double value)
{
    tagCell* cell = grid->GetCellPtr(col, row);
    if (cell != NULL)
        cell->dBarValue = value;
}

} // namespace

BEGIN_MESSAGE_MAP(CView1000, CMapView)
    ON_WM_DESTROY()
    ON_WM_COPYDATA()
    ON_WM_TIMER()
    ON_MESSAGE(WM_APIDATA_TICKER, OnTicker)
    ON_MESSAGE(WM_APIDATA_HOGA, OnHoga)
    ON_MESSAGE(WM_APIDATA_FILLLIST, OnFillList)
    ON_MESSAGE(WM_AUTOSIGNAL_CHANGED, OnAutoSignalChanged)
    ON_MESSAGE(WM_USERLOG_LINE, OnUserLogLine)
    ON_MESSAGE(WM_GRID_LBUTTONDBLCLK, OnGridDblClk)
    ON_CBN_SELCHANGE(1002, OnCoinChange)
    ON_BN_CLICKED(1008, OnQueryAmount)
    ON_BN_CLICKED(1017, OnStartStop)
    ON_BN_CLICKED(1016, OnReset)
    ON_BN_CLICKED(1014, OnWebSite)
END_MESSAGE_MAP()

CView1000::CView1000(UINT templateId, CWnd* parent)
    : CMapView(templateId, parent), m_pBoard(NULL), m_pBackGrid(NULL), m_pCoinCombo(NULL), m_pPriceGrid(NULL),
      m_pHogaGrid(NULL), m_pAutoPanel(NULL), m_pAmountEdit(NULL), m_pAutoStatus(NULL), m_pStartButton(NULL),
      m_pLampButton(NULL), m_pBannerGrid(NULL), m_pTabWnd(NULL), m_strSelectedCode("BTC"), m_cSelectedSign('3'),
      m_bSubscribed(FALSE)
{
}

CView1000::~CView1000()
{
    delete m_pTabWnd;
}

CString CView1000::LayoutPath()
{
    return CString(GetMapDir()) + "MF_1000.xml";
}

BOOL CView1000::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    return CMapView::PreCreateWindow(cs);
}

BOOL CView1000::InitWindow()
{
    CMapView::InitWindow();
    return 1;
}

BOOL CView1000::OnInitDialog()
{
    if (!CMapView::OnInitDialog())
        return 0;
    if (!LoadMapFile(this, LayoutPath()))
        return 0;
    InstallMsgCtrl(1);
    SetupControls();
    return 1;
}

BOOL CView1000::OnCopyData(CWnd* from, COPYDATASTRUCT* cds)
{
    return CBaseView::OnCopyData(from, cds);
}

void CView1000::SetupControls()
{
    m_pBoard = dynamic_cast<CGridTable*>(GetControl(1000));
    m_pBackGrid = dynamic_cast<CGridTable*>(GetControl(1001));
    m_pCoinCombo = dynamic_cast<CSComboBox*>(GetControl(1002));
    m_pPriceGrid = dynamic_cast<CGridTable*>(GetControl(1003));
    m_pHogaGrid = dynamic_cast<CGridTable*>(GetControl(1004));
    m_pAutoPanel = dynamic_cast<CGridTable*>(GetControl(1005));
    m_pAmountEdit = dynamic_cast<CSEdit*>(GetControl(1006));
    m_pAutoStatus = dynamic_cast<CGridTable*>(GetControl(1015));
    m_pStartButton = dynamic_cast<CImgButton*>(GetControl(1017));
    m_pLampButton = dynamic_cast<CImgButton*>(GetControl(1040));
    m_pBannerGrid = dynamic_cast<CGridTable*>(GetControl(1020));

    SetupBoard();
    if (m_pBackGrid != NULL) {
        m_pBackGrid->SetRowHeight(0, 538);
        m_pBackGrid->SetBackColor(0, 0, 401);
        m_pBackGrid->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (m_pCoinCombo != NULL) {
        for (int i = 0; i < TRADE_COIN_COUNT; ++i)
            m_pCoinCombo->AddString(TRADE_COINS[i].name);
        m_pCoinCombo->SetCurSel(0);
    }
    m_strSelectedCode = RowToCoinCode(0);
    SetupPriceGrids();
    SetupAutoPanel();
    if (m_pAmountEdit != NULL) {
        m_pAmountEdit->SetNumeric(1, 0);
        m_pAmountEdit->SetUseComma(1);
    }
    SetupBanner();

    UpdateAutoState(CRcmdCoinManager::GetAutoAgent()->GetAutoType() == CAutoAgent::AUTO_AMOUNT);
    if (m_pLampButton != NULL)
        m_pLampButton->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    CRect place(0, 0, 0, 0);
    CWnd* placeholder = GetControl(1032);
    if (placeholder != NULL) {
        placeholder->GetWindowRect(&place);
        ScreenToClient(&place);
        placeholder->ShowWindow(SW_HIDE);
    }
    m_pTabWnd = new CAccountTabWnd(IDD_ACCOUNT_TAB, this);
    if (!m_pTabWnd->Create(this)) {
        delete m_pTabWnd;
        m_pTabWnd = NULL;
        return;
    }
    m_pTabWnd->SetWindowPos(NULL, place.left, place.top, place.Width(), place.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    CZembraAPIAgent::RequestTickerData("ALL", m_hWnd);
    CZembraAPIAgent::RequestHogaData(m_strSelectedCode, m_hWnd);
    CZembraAPIAgent::RequestFillListData(m_strSelectedCode, m_hWnd);
    m_bSubscribed = TRUE;
}

void CView1000::SetupBoard()
{
    if (m_pBoard == NULL)
        return;
    static const char* const kHeads[] = {"코인명", "현재가", "전일대비", "거래량(24H)", "평균가격(24H)"};
    for (UINT col = 0; col < 5; ++col) {
        m_pBoard->SetCellText(col, 0, kHeads[col]);
        m_pBoard->SetCellStyle(col, 0, GCS_HEADER);
        m_pBoard->SetCellAlign(col, 0, 1);
    }
    for (int row = 1; row <= TRADE_COIN_COUNT; ++row)
        m_pBoard->SetCellText(0, row, TRADE_COINS[row - 1].name);
    m_pBoard->SetCellAlign(0, 1, 0, TRADE_COIN_COUNT, 0, 0);
    m_pBoard->SetCellAlign(1, 1, 4, TRADE_COIN_COUNT, 2, 0);
    m_pBoard->SetUseCellSelect(1);
    m_pBoard->SetRowSelect(1);
    m_pBoard->KeepSelection(1);
}

void CView1000::SetupPriceGrids()
{
    if (m_pPriceGrid != NULL) {
        m_pPriceGrid->SetCellText(0, 0, "현재가");
        m_pPriceGrid->SetCellStyle(0, 0, GCS_HEADER);
        m_pPriceGrid->SetCellText(2, 0, "전일대비(24H)");
        m_pPriceGrid->SetCellStyle(2, 0, GCS_HEADER);
        m_pPriceGrid->SetCellAlign(1, 0, 2);
        m_pPriceGrid->SetCellAlign(3, 0, 2);
    }
    CGridTable* g = m_pHogaGrid;
    if (g == NULL)
        return;
    for (UINT row = 0; row < 10; ++row) {
        g->Merge(0, row, 1, row);
        g->SetCellStyle(0, row, GCS_BAR);
        g->Merge(3, row, 4, row);
    }
    g->SetBarAlign(0, 0, 0, 9, GCF_BARALIGN_RIGHT, 0);
    g->SetBackColor(0, 0, 2, 9, 204, 0);
    for (UINT row = 10; row < 20; ++row) {
        g->Merge(3, row, 4, row);
        g->SetCellStyle(3, row, GCS_BAR);
    }
    g->SetBarAlign(3, 10, 3, 19, 0x20000000u, 0);
    g->SetBackColor(2, 10, 3, 19, 203, 0);
    static const char* const kFigures[] = {"시 가(24H)", "고 가(24H)", "저 가(24H)", "평균가(24H)", "거래량(24H)"};
    for (UINT i = 0; i < 5; ++i) {
        g->SetCellText(3, i * 2, kFigures[i]);
        g->SetCellStyle(3, i * 2, GCS_HEADER);
        g->SetCellAlign(3, i * 2 + 1, 2);
    }
    g->SetCellText(0, 10, "체결가");
    g->SetCellStyle(0, 10, GCS_HEADER);
    g->SetCellText(1, 10, "체결량");
    g->SetCellStyle(1, 10, GCS_HEADER);
    g->SetCellAlign(1, 11, 1, 19, 2, 0);
    g->Merge(0, 20, 1, 20);
    g->SetCellText(2, 20, "주문수량합계");
    g->Merge(3, 20, 4, 20);
    g->SetCellAlign(0, 0, 0, 20, 2, 0);
    g->SetCellAlign(2, 0, 2, 20, 1, 0);
    g->SetCellAlign(3, 10, 3, 20, 0, 0);
    g->SetCellAlign(0, 10, 1);
    for (UINT row = 0; row <= 20; ++row)
        g->SetCellBoldFont(2, row, 1);
    g->SetUseCellSelect(0);
}

void CView1000::SetupAutoPanel()
{
    CGridTable* p = m_pAutoPanel;
    if (p != NULL) {
        static const int kHeights[] = {25, 15, 24, 191};
        for (UINT row = 0; row < 4; ++row)
            p->SetRowHeight(row, kHeights[row]);
        p->Merge(0, 0, 1, 0);
        p->Merge(0, 1, 1, 1);
        p->Merge(0, 3, 1, 3);
        p->SetCellText(0, 0, "금액별 자동매매 설정");
        p->SetCellStyle(0, 0, GCS_HEADER);
        p->SetForeColor(0, 0, 201);
        p->SetCellBoldFont(0, 0, 1);
        p->SetBackColor(0, 0, 900);
        p->SetCellText(0, 2, "매매 가능 금액");
        p->SetCellStyle(0, 2, GCS_HEADER);
        p->SetBackColor(0, 2, 902);
        p->SetBackColor(0, 1, 1, 1, 901, 0);
        p->SetBackColor(0, 3, 1, 3, 901, 0);
        p->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (CSStatic* label = dynamic_cast<CSStatic*>(GetControl(1007)))
        label->SetBkColor(RGB(255, 255, 255));
    for (WORD id = 1010; id <= 1013; ++id) {
        CSStatic* label = dynamic_cast<CSStatic*>(GetControl(id));
        if (label == NULL)
            continue;
        label->SetBkColor(RGB(235, 238, 243));
        if (id != 1011)
            label->SetTextColor(RGB(84, 87, 93));
    }
    if (m_pAutoStatus != NULL)
        m_pAutoStatus->SetUseCellSelect(0);
}

void CView1000::RepaintCells(CGridTable* grid, int col1, int row1, int col2, int row2)
{
    if (grid == NULL || grid->GetSafeHwnd() == NULL)
        return;
    CRect rect = grid->GetRect(col1, row1, col2, row2);
    grid->RedrawWindow(&rect, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CView1000::EnableCombo()
{
    KillTimer(VIEW1000_COMBO_TIMER);
    if (m_pCoinCombo != NULL && !m_pCoinCombo->IsWindowEnabled())
        m_pCoinCombo->EnableWindow(TRUE);
}

LRESULT CView1000::OnTicker(WPARAM wParam, LPARAM lParam)
{
    const char* records = reinterpret_cast<const char*>(wParam);
    if (records == NULL || lParam <= 0)
        return 1;
    EnableCombo();
    const LONG_PTR count = lParam / static_cast<LONG_PTR>(sizeof(tagTickerInfo));
    for (LONG_PTR i = 0; i < count; ++i)
        OnTickerRecord(records + i * sizeof(tagTickerInfo));
    RepaintCells(m_pBoard, 1, 1, 4, TRADE_COIN_COUNT);
    return 1;
}

void CView1000::OnTickerRecord(const char* bytes)
{
    const tagTickerInfo* t = reinterpret_cast<const tagTickerInfo*>(bytes);
    const CString code = FieldToTrimText(t->szCoinCode, sizeof t->szCoinCode);
    const int row = CoinCodeToRow(code);
    if (row < 1 || row > TRADE_COIN_COUNT)
        return;
    const LONGLONG price = FieldToInteger(t->szClosingPrice, sizeof t->szClosingPrice);
    const LONGLONG open = FieldToInteger(t->szOpeningPrice, sizeof t->szOpeningPrice);
    const LONGLONG change = price - open;
    const LONGLONG absChange = change < 0 ? -change : change;
    const double units = FieldToDouble(t->szUnitsTraded, sizeof t->szUnitsTraded);
    const double average = FieldToDouble(t->szAveragePrice, sizeof t->szAveragePrice);
    const char sign = change >= 1 ? '2' : (change < 0 ? '5' : '3');

    if (m_pBoard != NULL) {
        m_pBoard->SetCellText(1, row, IntToNumberText(price));
        m_pBoard->SetCellText(2, row, IntToNumberText(absChange));
        m_pBoard->SetSign(2, row, sign);
        m_pBoard->SetCellText(3, row, DoubleToNumberText(units, 8));
        m_pBoard->SetCellText(4, row, DoubleToNumberText(average, 2));
        if (tagCell* cell = m_pBoard->GetCellPtr(1, row))
            SetFontColorBySign(sign, cell);
    }
    if (code != m_strSelectedCode)
        return;
    m_cSelectedSign = sign;
    if (m_pPriceGrid != NULL) {
        m_pPriceGrid->SetSign(3, 0, sign);
        if (tagCell* cell = m_pPriceGrid->GetCellPtr(1, 0))
            SetFontColorBySign(sign, cell);
        m_pPriceGrid->SetCellText(1, 0, IntToNumberText(price), 1);
        m_pPriceGrid->SetCellText(3, 0, IntToNumberText(absChange), 1);
    }
    CGridTable* g = m_pHogaGrid;
    if (g == NULL)
        return;
    const LONGLONG high = FieldToInteger(t->szMaxPrice, sizeof t->szMaxPrice);
    const LONGLONG low = FieldToInteger(t->szMinPrice, sizeof t->szMinPrice);
    // The colour rule compares 32-bit values; prices beyond that are compared here instead.
    auto colourBy = [](LONGLONG a, LONGLONG b) -> WORD { return a < b ? kClrUp : (a == b ? kClrNormal : kClrDown); };
    g->SetCellText(3, 1, IntToNumberText(open), 1);
    g->SetCellText(3, 3, IntToNumberText(high));
    g->SetForeColor(3, 3, colourBy(open, high), 1);
    g->SetCellText(3, 5, IntToNumberText(low));
    g->SetForeColor(3, 5, colourBy(open, low), 1);
    g->SetCellText(3, 7, DoubleToNumberText(average, 2));
    g->SetForeColor(3, 7, colourBy(open, static_cast<LONGLONG>(average)), 1);
    g->SetCellText(3, 9, DoubleToNumberText(units, 8), 1);
    g->SetForeColor(2, 0, 2, 19, ColourOfSign(sign), 1);
}

LRESULT CView1000::OnHoga(WPARAM wParam, LPARAM lParam)
{
    const tagHogaInfo* h = reinterpret_cast<const tagHogaInfo*>(wParam);
    if (h == NULL || lParam < static_cast<LPARAM>(sizeof(tagHogaInfo)))
        return 1;
    if (FieldToTrimText(h->szOrderCurrency, sizeof h->szOrderCurrency) != m_strSelectedCode)
        return 1;
    EnableCombo();
    CGridTable* g = m_pHogaGrid;
    if (g == NULL)
        return 1;

    // Asks: the tenth in row 0 down to the best in row 9, next to the bids.
    double quantities[HOGA_LEVELS];
    double sum = 0;
    double largest = -1;
    for (int k = 0; k < HOGA_LEVELS; ++k) {
        const tagHogaLevel& level = h->ask[HOGA_LEVELS - 1 - k];
        const double quantity = FieldToDouble(level.szQuantity, sizeof level.szQuantity);
        quantities[k] = quantity;
        g->SetCellText(0, k, DoubleToNumberText(quantity, 8));
        g->SetCellText(2, k, IntToNumberText(FieldToInteger(level.szPrice, sizeof level.szPrice)));
        sum += quantity;
        if (quantity >= largest)
            largest = quantity;
    }
    for (int k = 0; k < HOGA_LEVELS; ++k)
        SetBar(g, 0, k, BarValue(quantities[k], largest));
    g->SetCellText(0, 20, DoubleToNumberText(sum, 8), 1);
    RepaintCells(g, 0, 0, 2, 9);

    sum = 0;
    largest = -1;
    for (int k = 0; k < HOGA_LEVELS; ++k) {
        const tagHogaLevel& level = h->bid[k];
        const double quantity = FieldToDouble(level.szQuantity, sizeof level.szQuantity);
        quantities[k] = quantity;
        g->SetCellText(2, 10 + k, IntToNumberText(FieldToInteger(level.szPrice, sizeof level.szPrice)));
        g->SetCellText(3, 10 + k, DoubleToNumberText(quantity, 8));
        sum += quantity;
        if (quantity >= largest)
            largest = quantity;
    }
    for (int k = 0; k < HOGA_LEVELS; ++k)
        SetBar(g, 3, 10 + k, BarValue(quantities[k], largest));
    g->SetCellText(3, 20, DoubleToNumberText(sum, 8), 1);
    RepaintCells(g, 2, 10, 4, 19);
    return 1;
}

LRESULT CView1000::OnFillList(WPARAM wParam, LPARAM lParam)
{
    const tagFillListInfo* f = reinterpret_cast<const tagFillListInfo*>(wParam);
    if (f == NULL || lParam < static_cast<LPARAM>(sizeof(tagFillListInfo)))
        return 1;
    // Records of the coin left behind can still arrive before its stop takes effect.
    if (FieldToTrimText(f->szCoinCode, sizeof f->szCoinCode) != m_strSelectedCode)
        return 1;
    EnableCombo();
    CGridTable* g = m_pHogaGrid;
    if (g == NULL)
        return 1;
    for (int k = 0; k < 9; ++k) {
        const tagFillSlot& slot = f->slot[k];
        const UINT row = 11 + k;
        g->SetCellText(0, row, IntToNumberText(FieldToInteger(slot.szPrice, sizeof slot.szPrice)));
        g->SetCellText(1, row, DoubleToNumberText(FieldToDouble(slot.szUnitsTraded, sizeof slot.szUnitsTraded), 4));
        if (tagCell* cell = g->GetCellPtr(0, row))
            SetFontColorBySign(m_cSelectedSign, cell);
        const BOOL bid = FieldToTrimText(slot.szType, sizeof slot.szType) == "bid";
        if (tagCell* cell = g->GetCellPtr(1, row))
            SetFontColorBySign(bid ? '2' : '5', cell);
    }
    RepaintCells(g, 0, 11, 1, 19);
    return 1;
}

void CView1000::OnCoinChange()
{
    if (m_pCoinCombo == NULL)
        return;
    m_pCoinCombo->EnableWindow(FALSE);
    CZembraAPIAgent::StopHogaData(m_strSelectedCode, m_hWnd);
    CZembraAPIAgent::StopFillListData(m_strSelectedCode, m_hWnd);
    m_strSelectedCode = RowToCoinCode(m_pCoinCombo->GetCurSel());
    CZembraAPIAgent::RequestHogaData(m_strSelectedCode, m_hWnd);
    CZembraAPIAgent::RequestFillListData(m_strSelectedCode, m_hWnd);
    // A stalled feed must not leave the combo closed for good.
    SetTimer(VIEW1000_COMBO_TIMER, VIEW1000_COMBO_TIMEOUT_MS, NULL);
}

void CView1000::OnTimer(UINT_PTR id)
{
    if (id == VIEW1000_COMBO_TIMER) {
        EnableCombo();
        return;
    }
    CMapView::OnTimer(id);
}

void CView1000::RelayToTab(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pTabWnd != NULL && m_pTabWnd->GetSafeHwnd() != NULL)
        m_pTabWnd->SendMessage(message, wParam, lParam);
}

LRESULT CView1000::OnAutoSignalChanged(WPARAM wParam, LPARAM lParam)
{
    RelayToTab(WM_AUTOSIGNAL_CHANGED, wParam, lParam);
    return 1;
}

LRESULT CView1000::OnUserLogLine(WPARAM wParam, LPARAM lParam)
{
    RelayToTab(WM_USERLOG_LINE, wParam, lParam);
    return 1;
}

void CView1000::SetupBanner()
{
    if (m_pBannerGrid == NULL)
        return;
    m_pBannerGrid->SetRowHeight(0, 25);
    m_pBannerGrid->SetRowHeight(1, 250);
    m_pBannerGrid->SetUseCellSelect(0);
    m_pBannerGrid->SetBackColor(0, 0, 900);
    m_pBannerGrid->SetForeColor(0, 0, 201);
    m_pBannerGrid->SetCellBoldFont(0, 0, 1);
    m_pBannerGrid->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    CRect cell = m_pBannerGrid->GetCellRect(0, 1);
    m_pBannerGrid->MapWindowPoints(this, &cell);
    // Without a browser engine the control keeps its window, which says so: the screen goes on
    // without the banner rather than failing.
    if (m_Banner.Create(WS_CHILD | WS_VISIBLE, cell, this, VIEW1000_BANNER_ID)) {
        const CString address = BannerAddress();
        if (!address.IsEmpty())
            m_Banner.Navigate(address);
    }
}

CString CView1000::BannerAddress()
{
    CIniFiles ini(CString(GetUserDir()) + "system.ini");
    return ini.ReadString("WEB", "BANNER", "");
}

LRESULT CView1000::OnGridDblClk(WPARAM, LPARAM)
{
    return 0;
}

void CView1000::OnWebSite()
{
    // The system's web site comes from "system.ini" [WEB] SITE; nothing opens without it.
    CIniFiles ini(CString(GetUserDir()) + "system.ini");
    const CString site = ini.ReadString("WEB", "SITE", "");
    if (!site.IsEmpty())
        ::ShellExecuteA(m_hWnd, "open", site, NULL, NULL, SW_SHOWNORMAL);
}

void CView1000::OnDestroy()
{
    KillTimer(VIEW1000_COMBO_TIMER);
    if (m_bSubscribed) {
        CZembraAPIAgent::StopTickerData("ALL", m_hWnd);
        CZembraAPIAgent::StopHogaData(m_strSelectedCode, m_hWnd);
        CZembraAPIAgent::StopFillListData(m_strSelectedCode, m_hWnd);
        m_bSubscribed = FALSE;
    }
    if (m_pTabWnd != NULL) {
        if (m_pTabWnd->GetSafeHwnd() != NULL)
            m_pTabWnd->DestroyWindow();
        delete m_pTabWnd;
        m_pTabWnd = NULL;
    }
    if (m_Banner.GetSafeHwnd() != NULL)
        m_Banner.DestroyWindow();
    CMapView::OnDestroy();
}
