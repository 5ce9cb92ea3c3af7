// The asset balance: the request, its reading into records and 64-bit won sums, and the grids.
#include "BalanceView.h"

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "ExchangeReply.h"
#include "GridTable.h"
#include "MapView.h"
#include "NumberText.h"
#include "RcmdCoinManager.h"
#include "WideAmountList.h"
#include "ZembraAPIAgent.h"

const char* const BALANCE_COINS[BALANCE_COIN_COUNT] = {"btc", "eth",  "dash", "ltc",  "etc", "xrp",
                                                       "bch", "xmr", "zec",  "qtum", "btg", "eos"};

namespace {

// Blank-padded copy of text into a field of n bytes, cut at n.
void PutPadded(char* field, size_t n, const CString& text)
{
    memset(field, ' ', n);
    const size_t length = static_cast<size_t>(text.GetLength());
    memcpy(field, (LPCSTR)text, length < n ? length : n);
}

// The text under a key of "data"; FALSE when the key is missing or holds no text.
BOOL TextOf(const Json::Value& data, const CString& key, CString& text)
{
    const Json::Value& value = data[(LPCSTR)key];
    if (!value.isString())
        return FALSE;
    text = value.asCString();
    return TRUE;
}

// Units times the last price, cut toward zero; a product beyond 64 bits stays at its end.
LONGLONG AmountOf(double units, LONGLONG last)
{
    const double amount = std::trunc(units * static_cast<double>(last));
    if (!(amount > -9.2e18))
        return amount < 0 ? -9200000000000000000LL : 0;
    if (amount >= 9.2e18)
        return 9200000000000000000LL;
    return static_cast<LONGLONG>(amount);
}

// a + b kept within 64 bits.
LONGLONG AddWon(LONGLONG a, LONGLONG b)
{
    if (b > 0 && a > LLONG_MAX - b)
        return LLONG_MAX;
    if (b < 0 && a < LLONG_MIN - b)
        return LLONG_MIN;
    return a + b;
}

BOOL ReadCoin(const Json::Value& data, const char* low, BalanceCoin& coin)
{
    CString total, inUse, available, last;
    CString key;
    key.Format("xcoin_last_%s", low);
    if (!TextOf(data, key, last))
        return FALSE;
    key.Format("total_%s", low);
    if (!TextOf(data, key, total))
        return FALSE;
    key.Format("in_use_%s", low);
    if (!TextOf(data, key, inUse))
        return FALSE;
    key.Format("available_%s", low);
    if (!TextOf(data, key, available))
        return FALSE;
    const LONGLONG price = TextToWhole(last);
    BALANCE_RECORD& r = coin.record;
    r.dTotalUnits = TextToDecimal(total);
    r.dInUseUnits = TextToDecimal(inUse);
    r.dAvailableUnits = TextToDecimal(available);
    coin.llTotal = AmountOf(r.dTotalUnits, price);
    coin.llInUse = AmountOf(r.dInUseUnits, price);
    coin.llAvailable = AmountOf(r.dAvailableUnits, price);
    r.nTotalAmount = CWideAmountList::CutToInt(coin.llTotal);
    r.nInUseAmount = CWideAmountList::CutToInt(coin.llInUse);
    r.nAvailableAmount = CWideAmountList::CutToInt(coin.llAvailable);
    CString code(low);
    code.MakeUpper();
    PutPadded(r.szName, sizeof r.szName, CRcmdCoinManager::GetCoinName(code));
    PutPadded(r.szCode, sizeof r.szCode, code);
    return TRUE;
}

} // namespace

void ReadBalanceReply(const CString& reply, BalanceReply& out)
{
    out.outcome = BalanceReply::FAILED;
    out.strMessage.Empty();
    out.coins.clear();
    out.llKrw = 0;
    out.llCoinSum = 0;
    Json::Value root;
    long status = 0;
    if (!ParseExchangeReply(reply, root) || !ReadReplyStatus(root, status))
        return;
    if (status != 0) {
        const Json::Value& message = root["message"];
        if (message.isString()) {
            out.outcome = BalanceReply::REFUSED;
            out.strMessage = message.asCString();
        }
        return;
    }
    const Json::Value& data = root["data"];
    if (!data.isObject())
        return;
    std::vector<BalanceCoin> coins(BALANCE_COIN_COUNT);
    LONGLONG sum = 0;
    for (int i = 0; i < BALANCE_COIN_COUNT; ++i) {
        if (!ReadCoin(data, BALANCE_COINS[i], coins[i]))
            return;
        sum = AddWon(sum, coins[i].llTotal);
    }
    LONGLONG krw = 0;
    if (!JsonToWonAmount(data["available_krw"], krw))
        return;
    out.coins.swap(coins);
    out.llKrw = krw;
    out.llCoinSum = sum;
    out.outcome = BalanceReply::DONE;
}

CBalanceGrids::CBalanceGrids() : m_pSummary(NULL), m_pCoins(NULL) {}

CWnd* CBalanceGrids::MakeSubControl(WORD id)
{
    return id == IDC_BALANCE_COINS ? new CWideAmountList : NULL;
}

void CBalanceGrids::Setup(CMapView* view)
{
    m_pSummary = dynamic_cast<CGridTable*>(view->GetControl(IDC_BALANCE_SUMMARY));
    m_pCoins = dynamic_cast<CWideAmountList*>(view->GetControl(IDC_BALANCE_COINS));
    if (m_pSummary != NULL) {
        static const char* const kHeads[] = {"총 보유자산", "암호화폐 보유자산", "사용가능 금액"};
        for (UINT i = 0; i < 3; ++i) {
            m_pSummary->SetCellText(i * 2, 0, kHeads[i]);
            m_pSummary->SetCellStyle(i * 2, 0, GCS_HEADER);
            m_pSummary->SetCellAlign(i * 2, 0, 1);
            m_pSummary->SetCellAlign(i * 2 + 1, 0, 2);
        }
        m_pSummary->SetUseCellSelect(0);
    }
    CWideAmountList* g = m_pCoins;
    if (g == NULL)
        return;
    static const char* const kHeads[] = {"암호화폐명",   "보유수량",     "금액",        "사용중인수량",
                                         "사용중인금액", "사용가능수량", "사용가능금액"};
    for (UINT col = 0; col < 7; ++col) {
        g->SetCellText(col, 0, kHeads[col]);
        g->SetCellAlign(col, 0, 1);
    }
    g->SetRecordSize(sizeof(BALANCE_RECORD));
    g->SetRowSelect(1);
    g->KeepSelection(1);
    g->AddColumnDataInfo(offsetof(BALANCE_RECORD, szName), 50, DT_TEXT, 0, GDF_TEXT, 0, NULL, 0);
    // Units, then their won amount, three times: total, in use, available.
    static const WORD kUnits[] = {offsetof(BALANCE_RECORD, dTotalUnits), offsetof(BALANCE_RECORD, dInUseUnits),
                                  offsetof(BALANCE_RECORD, dAvailableUnits)};
    for (UINT i = 0; i < 3; ++i) {
        g->AddColumnDataInfo(kUnits[i], 8, DT_DOUBLE, 1 + i * 2, GDF_DECIMAL, 0, NULL, 2);
        g->AddColumnDataInfo(kUnits[i] + 8, 4, DT_INT, 2 + i * 2, GDF_QUANTITY | GDF_CALLBACK, 0,
                             CWideAmountList::WideAmountCell, 2);
    }
}

void CBalanceGrids::Query(BalanceReply& out)
{
    CString params;
    params.Format("currency=%s", "ALL");
    ReadBalanceReply(CZembraAPIAgent::RequestPrivateData("/info/balance", params), out);
}

void CBalanceGrids::SetSummaryCell(UINT col, LONGLONG amount)
{
    // Sums are 64-bit and shown as text: a balance above 2.1 billion won stays whole.
    if (m_pSummary != NULL)
        m_pSummary->SetCellText(col, 0, IntToNumberText(amount), 1);
}

void CBalanceGrids::Show(const BalanceReply& reply)
{
    if (reply.outcome != BalanceReply::DONE)
        return;
    if (m_pCoins != NULL) {
        m_pCoins->ClearWide(1);
        for (const BalanceCoin& coin : reply.coins) {
            const WIDE_AMOUNT amounts[] = {{offsetof(BALANCE_RECORD, nTotalAmount), coin.llTotal},
                                           {offsetof(BALANCE_RECORD, nInUseAmount), coin.llInUse},
                                           {offsetof(BALANCE_RECORD, nAvailableAmount), coin.llAvailable}};
            BALANCE_RECORD record = coin.record;
            m_pCoins->AddWideRecord(reinterpret_cast<BYTE*>(&record), sizeof record, amounts, 3, 1);
        }
    }
    SetSummaryCell(1, AddWon(reply.llKrw, reply.llCoinSum));
    SetSummaryCell(3, reply.llCoinSum);
    SetSummaryCell(5, reply.llKrw);
}
