// CHistoryListTab: the user log's lines read from its file and received as they are written.
#include "HistoryListTab.h"

#include <vector>

#include "AccountTabRecords.h"
#include "RelayMsg.h"
#include "Utils.h"

IMPLEMENT_DYNAMIC(CHistoryListTab, CAccountTabPage)

BEGIN_MESSAGE_MAP(CHistoryListTab, CAccountTabPage)
    ON_MESSAGE(WM_USERLOG_LINE, OnUserLogLine)
END_MESSAGE_MAP()

namespace {

const WORD kLogGrid = 1003;

#define FIELD(member) offsetof(USER_LOG_RECORD, member), sizeof(USER_LOG_RECORD::member)

const TAB_PAGE_COLUMN kLogColumns[] = {
    {"시간", FIELD(szTime), DT_TEXT, GDF_TEXT, NULL, 0},
    {"구분", FIELD(szCategory), DT_TEXT, GDF_TEXT, NULL, 0},
    {"내용", FIELD(szContent), DT_TEXT, GDF_TEXT, NULL, 0},
    {"기타", FIELD(szNote), DT_TEXT, GDF_TEXT, NULL, 0},
};

#undef FIELD

} // namespace

CHistoryListTab::CHistoryListTab(UINT templateId, CWnd* strip)
    : CAccountTabPage(templateId, strip, "MF_1000_HistoryListTab.xml")
{
}

void CHistoryListTab::SetUpPage()
{
    m_pGrid = dynamic_cast<CGridDataList*>(GetControl(kLogGrid));
    if (m_pGrid == NULL)
        return;
    SetUpColumns(m_pGrid, sizeof(USER_LOG_RECORD), kLogColumns, _countof(kLogColumns));
    LoadLogFile();
}

void CHistoryListTab::LoadLogFile()
{
    if (m_pGrid == NULL)
        return;
    // The log channel keeps writing the file: share it both ways.
    CStdioFile file;
    if (!file.Open(CUtils::GetUserLogFilePath(),
                   CFile::modeReadWrite | CFile::shareDenyNone | CFile::typeText))
        return;
    std::vector<CString> lines;
    CString line;
    while (file.ReadString(line)) {
        line.Trim();
        if (!line.IsEmpty())
            lines.push_back(line);
    }
    file.Close();
    // Newest first, appended in one go: one repaint for the whole day.
    std::vector<USER_LOG_RECORD> rows;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        USER_LOG_RECORD record;
        if (ParseUserLogLine(*it, it->GetLength(), record))
            rows.push_back(record);
    }
    if (!rows.empty())
        m_pGrid->AddRecord(reinterpret_cast<BYTE*>(rows.data()), (int)(rows.size() * sizeof(USER_LOG_RECORD)), 1);
}

LRESULT CHistoryListTab::OnUserLogLine(WPARAM wParam, LPARAM lParam)
{
    USER_LOG_RECORD record;
    if (m_pGrid != NULL && lParam != 0 &&
        ParseUserLogLine(reinterpret_cast<const char*>(lParam), static_cast<int>(wParam), record))
        m_pGrid->InsertRecord(reinterpret_cast<BYTE*>(&record), sizeof record);
    return 1;
}
