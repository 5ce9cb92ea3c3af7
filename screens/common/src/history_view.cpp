// The trade history: the request of one coin's transactions, its reading and the result grid.
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

// The texts of an element's keys; FALSE when one is missing or not a text.
BOOL TextsOf(const Json::Value& element, const char* const* keys, int count, CString* texts)
{
    for (int i = 0; i < count; ++i) {
        const Json::Value& value = element[keys[i]];
        if (!value.isString())
            return FALSE;
        texts[i] = value.asCString();
    }
    return TRUE;
}

} // namespace

CString MicrosToDateText(const char* micros)
{
    // Whole seconds of the count: the fraction of a second is cut.
    const __time64_t seconds = TextToWhole(micros) / 1000000;
    struct tm local;
    if (seconds < 0 || _localtime64_s(&local, &seconds) != 0)
        return CString();
    CString text;
    text.Format("%d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                local.tm_min, local.tm_sec);
    return text;
}

CString StripSigns(const char* text)
{
    CString out(text != NULL ? text : "");
    out.Remove('-');
    out.Remove('+');
    out.Trim(" ");
    return out;
}

void ReadTradeReply(const CString& reply, const CString& coin, TradeReply& out)
{
    out.outcome = TradeReply::FAILED;
    out.bCleared = FALSE;
    out.strMessage.Empty();
    out.rows.clear();
    Json::Value root;
    const BOOL parsed = ParseExchangeReply(reply, root);
    // A reply that came but cannot be read still clears the old rows, as any other reply does.
    out.bCleared = !reply.IsEmpty();
    long status = 0;
    if (!parsed || !ReadReplyStatus(root, status))
        return;
    if (status != 0) {
        const Json::Value& message = root["message"];
        if (message.isString()) {
            out.outcome = TradeReply::REFUSED;
            out.strMessage = message.asCString();
        }
        return;
    }
    const Json::Value& data = root["data"];
    if (!data.isArray())
        return;
    CString low(coin);
    low.MakeLower();
    const CString priceKey = low + "1krw";
    const char* const keys[] = {"search", "transfer_date", "units", "price", priceKey, "fee", "krw_remain"};
    for (Json::ArrayIndex i = 0; i < data.size(); ++i) {
        const Json::Value& element = data[i];
        CString t[7];
        if (!element.isObject() || !TextsOf(element, keys, 7, t))
            continue;
        const LONGLONG search = TextToWhole(t[0]);
        if (search != 1 && search != 2)
            continue;
        TradeRow row;
        memset(&row.record, 0, sizeof row.record);
        TRADE_RECORD& r = row.record;
        lstrcpynA(r.szDate, MicrosToDateText(t[1]), sizeof r.szDate);
        r.nSearch = static_cast<int>(search);
        r.dUnits = TextToDecimal(StripSigns(t[2]));
        row.llAmount = TextToWhole(StripSigns(t[3]));
        r.nAmount = CWideAmountList::CutToInt(row.llAmount);
        r.dPrice = TextToDecimal(t[4]);
        r.dFee = TextToDecimal(t[5]);
        row.llKrwRemain = TextToWhole(t[6]);
        r.nKrwRemain = CWideAmountList::CutToInt(row.llKrwRemain);
        out.rows.push_back(row);
    }
    out.outcome = TradeReply::DONE;
}

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
