// The store's life: defaults when SharedKit is loaded, everything it owns freed when it is
// unloaded. Also the dates, the default fonts and the two window handles.
#include "SharedData.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "owned_entries.h"
#include "text_fields.h"

char CSharedData::m_szToday[12] = {0};
char CSharedData::m_szMkDate[12] = {0};
_ST_SETUPINFO* CSharedData::m_pstInfo = NULL;
CFont* CSharedData::m_pDefaultFont[2] = {NULL, NULL};
HWND CSharedData::m_hWndMainFrame = NULL;
HWND CSharedData::m_hOrdAlarm = NULL;

namespace {

const char kDefaultFace[] = "굴림체";

void FormatToday(char* out, size_t size)
{
    __time64_t now = _time64(NULL);
    struct tm local;
    memset(&local, 0, sizeof local);
    int year = 0, month = 0, day = 0;
    if (_localtime64_s(&local, &now) == 0) {
        year = local.tm_year + 1900;
        month = local.tm_mon + 1;
        day = local.tm_mday;
    }
    snprintf(out, size, "%04d%02d%02d", year, month, day);
}

CFont* MakeDefaultFont(int weight)
{
    CFont* font = new CFont;
    font->CreateFont(12, 0, 0, 0, weight, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS, kDefaultFace);
    return font;
}

} // namespace

CSharedData::CSharedData()
{
    FormatToday(m_szToday, sizeof m_szToday);
    FormatToday(m_szMkDate, sizeof m_szMkDate);
    if (m_pDefaultFont[0] == NULL)
        m_pDefaultFont[0] = MakeDefaultFont(FW_NORMAL);
    if (m_pDefaultFont[1] == NULL)
        m_pDefaultFont[1] = MakeDefaultFont(FW_BOLD);
    if (m_pstInfo == NULL)
        m_pstInfo = new _ST_SETUPINFO;
    memset(m_pstInfo, 0, sizeof *m_pstInfo);
}

CSharedData::~CSharedData()
{
    text_fields::ReplaceHeapCopy(m_lpszID, NULL);
    text_fields::ReplaceHeapCopy(m_lpszPwd, NULL);
    text_fields::ReplaceHeapCopy(m_lpszLocalIP, NULL);
    for (CFont*& font : m_pDefaultFont) {
        delete font;
        font = NULL;
    }
    delete m_pstInfo;
    m_pstInfo = NULL;
    m_arrSharedData.RemoveAll();
    owned_entries::DeleteValues(m_arrayAPIStockMaster);
    m_pRecentCode = NULL;
    FreeCodeMasters();
}

void CSharedData::SetMarketDate(const char* date)
{
    text_fields::CopyField(m_szMkDate, sizeof m_szMkDate, date, 8);
}

const char* CSharedData::GetMarketDate()
{
    return m_szMkDate;
}

void CSharedData::SetDate(const char* date)
{
    text_fields::CopyField(m_szToday, sizeof m_szToday, date, 8);
}

const char* CSharedData::GetDate()
{
    return m_szToday;
}

CFont* CSharedData::GetDefaultFont(int normal)
{
    return m_pDefaultFont[normal != 0 ? 0 : 1];
}

void CSharedData::SetMainFrameHandle(HWND hWnd)
{
    m_hWndMainFrame = hWnd;
}

HWND CSharedData::GetMainFrameHandle()
{
    return m_hWndMainFrame;
}

void CSharedData::SetOrdAlarmHandel(HWND hWnd)
{
    m_hOrdAlarm = hWnd;
}

HWND CSharedData::GetOrdAlarmHandel()
{
    return m_hOrdAlarm;
}
