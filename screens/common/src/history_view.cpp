// The trade history's request, its choices and the result grid, shared by screen 2001 and the
// trade page.
#include "HistoryView.h"

#include <cstddef>
#include <cstring>
#include <ctime>

#include "ColorMap.h"
#include "ExchangeReply.h"
#include "MapView.h"
#include "NumberText.h"
#include "SComboBox.h"
#include "WideAmountList.h"
#include "ZembraAPIAgent.h"

const char* const CTradeGrids::NO_COIN_TEXT = "------ 선택 ------";
const char* const CTradeGrids::NO_COIN_MESSAGE = "암호화폐를 선택해 주세요";

namespace {

// The kind column: 1 a buy in the up colour, anything else a sell in the down colour.
void KindCell(void* field, tagCell* cell, void*)
{
    if (field == NULL || cell == NULL || cell->pszText == NULL)
        return;
    int search = 0;
    memcpy(&search, field, sizeof search);
    lstrcpynA(cell->pszText, search == 1 ? "매수" : "매도", cell->nBufSize + 1);
    cell->pForeColor = CColorMap::GetColorInfo(search == 1 ? 102 : 103);
}

} // namespace

CTradeGrids::CTradeGrids() : m_pCombo(NULL), m_pGrid(NULL), m_nKind(IDC_TRADE_KIND_ALL) {}

CWnd* CTradeGrids::MakeSubControl(WORD id)
{
    return id == IDC_TRADE_GRID ? new CWideAmountList : NULL;
}

void CTradeGrids::Setup(CMapView* view)
{
    m_pCombo = dynamic_cast<CSComboBox*>(view->GetControl(IDC_TRADE_COIN));
    m_pGrid = dynamic_cast<CWideAmountList*>(view->GetControl(IDC_TRADE_GRID));
    if (m_pCombo != NULL) {
        m_pCombo->AddString(NO_COIN_TEXT);
        for (int i = 0; i < TRADE_COIN_COUNT; ++i)
            m_pCombo->AddString(TRADE_COINS[i].name);
        m_pCombo->SetCurSel(0);
    }
    view->SelectRadioBtn(IDC_TRADE_KIND_ALL, IDC_TRADE_KIND_SELL, static_cast<WORD>(m_nKind));
    CWideAmountList* g = m_pGrid;
    if (g == NULL)
        return;
    static const char* const kHeads[] = {"거래일시", "구분", "거래수량", "거래금액", "거래단가", "수수료", "잔고(원)"};
    for (UINT col = 0; col < 7; ++col) {
        g->SetCellText(col, 0, kHeads[col]);
        g->SetCellAlign(col, 0, 1);
    }
    g->SetRecordSize(sizeof(TRADE_RECORD));
    g->SetRowSelect(1);
    g->KeepSelection(1);
    g->AddColumnDataInfo(offsetof(TRADE_RECORD, szDate), 20, DT_TEXT, 0, GDF_TEXT, 0, NULL, 0);
    g->AddColumnDataInfo(offsetof(TRADE_RECORD, nSearch), 4, DT_INT, 1, GDF_CALLBACK, 0, KindCell, 2);
    g->AddColumnDataInfo(offsetof(TRADE_RECORD, dUnits), 8, DT_DOUBLE, 2, GDF_DECIMAL, 0, NULL, 2);
    g->AddColumnDataInfo(offsetof(TRADE_RECORD, nAmount), 4, DT_INT, 3, GDF_QUANTITY | GDF_CALLBACK, 0,
                         CWideAmountList::WideAmountCell, 2);
    g->AddColumnDataInfo(offsetof(TRADE_RECORD, dPrice), 8, DT_DOUBLE, 4, GDF_DECIMAL, 0, NULL, 2);
    g->AddColumnDataInfo(offsetof(TRADE_RECORD, dFee), 8, DT_DOUBLE, 5, GDF_DECIMAL, 0, NULL, 2);
    g->AddColumnDataInfo(offsetof(TRADE_RECORD, nKrwRemain), 4, DT_INT, 6, GDF_QUANTITY | GDF_CALLBACK, 0,
                         CWideAmountList::WideAmountCell, 2);
}

void CTradeGrids::ChooseKind(UINT id)
{
    if (id >= IDC_TRADE_KIND_ALL && id <= IDC_TRADE_KIND_SELL)
        m_nKind = id;
}

CString CTradeGrids::SelectedCoin() const
{
    if (m_pCombo == NULL)
        return CString();
    return RowToCoinCode(m_pCombo->GetCurSel() - 1);
}

CString CTradeGrids::Params(const CString& coin) const
{
    CString params;
    params.Format("offset=0&count=50&searchGb=%d&currency=%s", static_cast<int>(m_nKind - IDC_TRADE_KIND_ALL),
                  (LPCSTR)coin);
    return params;
}

void CTradeGrids::Query(const CString& coin, TradeReply& out) const
{
    ReadTradeReply(CZembraAPIAgent::RequestPrivateData("/info/user_transactions", Params(coin)), coin, out);
}

void CTradeGrids::Show(const TradeReply& reply)
{
    if (m_pGrid == NULL || !reply.bCleared)
        return;
    m_pGrid->ClearWide(1);
    for (const TradeRow& row : reply.rows) {
        const WIDE_AMOUNT amounts[] = {{offsetof(TRADE_RECORD, nAmount), row.llAmount},
                                       {offsetof(TRADE_RECORD, nKrwRemain), row.llKrwRemain}};
        TRADE_RECORD record = row.record;
        m_pGrid->AddWideRecord(reinterpret_cast<BYTE*>(&record), sizeof record, amounts, 2, 1);
    }
}
