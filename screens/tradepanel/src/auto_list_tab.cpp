// The watch list and the signal history: their columns, state and kind words, and the rebuilds
// on the back end's relayed changes.
#include "AutoListTab.h"

#include <cstring>

#include "AccountTabRecords.h"
#include "ColorMap.h"
#include "RcmdCoinManager.h"

IMPLEMENT_DYNAMIC(CAutoListTab, CAccountTabPage)
IMPLEMENT_DYNAMIC(CAutoSignalLogTab, CAccountTabPage)

BEGIN_MESSAGE_MAP(CAutoListTab, CAccountTabPage)
    ON_COMMAND_RANGE(AUTOLIST_FILTER_ALL, AUTOLIST_FILTER_WATCHED, OnFilter)
    ON_MESSAGE(WM_AUTOSIGNAL_CHANGED, OnAutoSignalChanged)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CAutoSignalLogTab, CAccountTabPage)
    ON_MESSAGE(WM_AUTOSIGNAL_CHANGED, OnAutoSignalChanged)
END_MESSAGE_MAP()

namespace {

const WORD kWatchGrid = 1002;
const WORD kHistoryGrid = 1000;
const WORD kClrUp = 102;
const WORD kClrDown = 103;

int ReadInt(const void* field)
{
    int value = 0;
    memcpy(&value, field, sizeof value);
    return value;
}

void ShowWord(tagCell* cell, const char* word, WORD colour)
{
    CAccountTabPage::PutCellText(cell, word);
    cell->pForeColor = CColorMap::GetColorInfo(colour);
}

void MonitoringCell(void* field, tagCell* cell, void*)
{
    if (field == NULL || cell == NULL)
        return;
    if (ReadInt(field) == 1)
        ShowWord(cell, "감시중", kClrUp);
    else
        ShowWord(cell, "대기", kClrDown);
}

void KindCell(void* field, tagCell* cell, void*)
{
    if (field == NULL || cell == NULL)
        return;
    switch (ReadInt(field)) {
    case 0: ShowWord(cell, "목표가", kClrUp); break;
    case 1: ShowWord(cell, "매수", kClrUp); break;
    case 2: ShowWord(cell, "매도", kClrDown); break;
    default: CAccountTabPage::PutCellText(cell, ""); break;
    }
}

#define FIELD(record, member) offsetof(record, member), sizeof(record::member)

const TAB_PAGE_COLUMN kWatchColumns[] = {
    {"암호화폐명", FIELD(WATCH_LIST_RECORD, szName), DT_TEXT, GDF_TEXT, NULL, 0},
    {"상태", FIELD(WATCH_LIST_RECORD, nMonitoring), DT_INT, GDF_CALLBACK, MonitoringCell, 1},
    {"예상매수가", FIELD(WATCH_LIST_RECORD, nBuyPrice), DT_INT, GDF_QUANTITY, NULL, 2},
    {"예상목표가", FIELD(WATCH_LIST_RECORD, nTargetPrice), DT_INT, GDF_QUANTITY, NULL, 2},
    {"설정일시", FIELD(WATCH_LIST_RECORD, szDateTime), DT_TEXT, GDF_TEXT, NULL, 1},
};

const TAB_PAGE_COLUMN kHistoryColumns[] = {
    {"시간", FIELD(SIGNAL_LOG_RECORD, szDateTime), DT_TEXT, GDF_TEXT, NULL, 1},
    {"암호화폐명", FIELD(SIGNAL_LOG_RECORD, szName), DT_TEXT, GDF_TEXT, NULL, 0},
    {"구분", FIELD(SIGNAL_LOG_RECORD, nKind), DT_INT, GDF_CALLBACK, KindCell, 1},
    {"예상매수가", FIELD(SIGNAL_LOG_RECORD, nBuyPrice), DT_INT, GDF_QUANTITY, NULL, 2},
    {"예상목표가", FIELD(SIGNAL_LOG_RECORD, nTargetPrice), DT_INT, GDF_QUANTITY, NULL, 2},
};

#undef FIELD

} // namespace

// --- watch list ----------------------------------------------------------------------------

CAutoListTab::CAutoListTab(UINT templateId, CWnd* strip)
    : CAccountTabPage(templateId, strip, "MF_1000_AutoTab.xml"), m_nFilter(AUTOLIST_FILTER_ALL)
{
}

void CAutoListTab::SetUpPage()
{
    m_pGrid = dynamic_cast<CGridDataList*>(GetControl(kWatchGrid));
    if (m_pGrid != NULL)
        SetUpColumns(m_pGrid, sizeof(WATCH_LIST_RECORD), kWatchColumns, _countof(kWatchColumns));
}

void CAutoListTab::RebuildList()
{
    CAutoSignalMap* map = CRcmdCoinManager::GetAutoSignalList();
    if (map == NULL || m_pGrid == NULL)
        return;
    m_pGrid->ClearData(1);
    for (POSITION pos = map->GetStartPosition(); pos != NULL;) {
        CString code;
        _AUTO_SIGNAL signal;
        map->GetNextAssoc(pos, code, signal);
        if (m_nFilter == AUTOLIST_FILTER_WATCHED && signal.nOrdered == 0)
            continue;
        WATCH_LIST_RECORD record;
        MakeWatchListRecord(signal, record);
        m_pGrid->AddRecord(reinterpret_cast<BYTE*>(&record), sizeof record, 1);
    }
}

void CAutoListTab::OnFilter(UINT id)
{
    m_nFilter = id;
    RebuildList();
}

LRESULT CAutoListTab::OnAutoSignalChanged(WPARAM wParam, LPARAM)
{
    if (wParam != WM_AUTOSIGNAL_CHANGED)
        return 0;
    RebuildList();
    return 1;
}

// --- signal history ------------------------------------------------------------------------

CAutoSignalLogTab::CAutoSignalLogTab(UINT templateId, CWnd* strip)
    : CAccountTabPage(templateId, strip, "MF_1000_AutoLogTab.xml")
{
}

void CAutoSignalLogTab::SetUpPage()
{
    m_pGrid = dynamic_cast<CGridDataList*>(GetControl(kHistoryGrid));
    if (m_pGrid != NULL)
        SetUpColumns(m_pGrid, sizeof(SIGNAL_LOG_RECORD), kHistoryColumns, _countof(kHistoryColumns));
}

void CAutoSignalLogTab::InsertSignal(const _AUTO_SIGNAL& signal)
{
    if (m_pGrid == NULL)
        return;
    SIGNAL_LOG_RECORD record;
    MakeSignalLogRecord(signal, record);
    m_pGrid->InsertRecord(reinterpret_cast<BYTE*>(&record), sizeof record);
}

void CAutoSignalLogTab::FillPage()
{
    CAutoSignalLog* log = CRcmdCoinManager::GetAutoSignalLogData();
    if (log == NULL)
        return;
    for (const _AUTO_SIGNAL* signal : *log)
        if (signal != NULL)
            InsertSignal(*signal);
}

LRESULT CAutoSignalLogTab::OnAutoSignalChanged(WPARAM wParam, LPARAM lParam)
{
    if (wParam != WM_AUTOSIGNAL_CHANGED)
        return 0;
    // A reset sends no signal: the history keeps what it shows.
    if (lParam != 0)
        InsertSignal(*reinterpret_cast<const _AUTO_SIGNAL*>(lParam));
    return 1;
}
