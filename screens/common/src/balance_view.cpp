// The asset balance's request and its grids, shared by screen 2000 and the balance page.
#include "BalanceView.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "ExchangeReply.h"
#include "GridTable.h"
#include "MapView.h"
#include "NumberText.h"
#include "RcmdCoinManager.h"
#include "WideAmountList.h"
#include "ZembraAPIAgent.h"

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
    NameCoins(out);
}

void CBalanceGrids::NameCoins(BalanceReply& reply)
{
    for (BalanceCoin& coin : reply.coins) {
        const CString name = CRcmdCoinManager::GetCoinName(CString(coin.record.szCode, sizeof coin.record.szCode));
        memset(coin.record.szName, ' ', sizeof coin.record.szName);
        memcpy(coin.record.szName, (LPCSTR)name,
               std::min<size_t>(static_cast<size_t>(name.GetLength()), sizeof coin.record.szName));
    }
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
