// The manager's window: creation and destruction, the server's list of recommended coins, the
// real-time registrations, frame dispatch and the ticker prices.
#include "RcmdCoinManager.h"

#include <stdlib.h>
#include <string.h>

#include "TRAgent.h"
#include "Utils.h"
#include "ZembraAPIAgent.h"
#include "manager_log.h"
#include "signal_records.h"

using namespace tokenboard;

CAutoAgent CRcmdCoinManager::m_AutoAgent;
CAutoSignalMap CRcmdCoinManager::m_mapAutoSignal;
CAutoSignalLog CRcmdCoinManager::m_arrAutoSignalLog;
int CRcmdCoinManager::m_bOnSettlementAcnt = 0;
int CRcmdCoinManager::m_bRegisted = 0;
CString CRcmdCoinManager::m_strClassName = "RECOMEND_COIN_MANAGER";

namespace tokenboard {

void Log(const CString& strText)
{
    CUtils::LogServer_WriteLog(strText);
}

} // namespace tokenboard

namespace {

const char kAllKey[] = "ALL";

// The codes joined with a "/" after each, for the log.
CString JoinCodes(const CStringArray& codes)
{
    CString text;
    for (INT_PTR i = 0; i < codes.GetSize(); ++i)
        text += codes[i] + "/";
    return text;
}

bool RegisterKey(WORD code, HWND hWnd, const CString& strCode)
{
    char key[kRealKeyWidth + 1];
    if (!MakeRealKey(strCode, key))
        return false;
    CTRAgent::SetRealData(code, 'G', hWnd, reinterpret_cast<BYTE*>(key), sizeof key);
    return true;
}

bool Contains(const CStringArray& codes, const CString& strCode)
{
    for (INT_PTR i = 0; i < codes.GetSize(); ++i)
        if (codes[i] == strCode)
            return true;
    return false;
}

void UnregisterKey(WORD code, HWND hWnd, const CString& strCode)
{
    char key[kRealKeyWidth + 1];
    if (MakeRealKey(strCode, key))
        CTRAgent::ResetRealData(code, CString(key), hWnd);
}

} // namespace

BEGIN_MESSAGE_MAP(CRcmdCoinManager, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_COPYDATA, OnCopyData)
    ON_MESSAGE(WM_APIDATA_TICKER, OnZembraAPITickerDataReceived)
END_MESSAGE_MAP()

CRcmdCoinManager::CRcmdCoinManager()
{
}

CRcmdCoinManager::~CRcmdCoinManager()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL CRcmdCoinManager::RegisterControl()
{
    WNDCLASS wc;
    memset(&wc, 0, sizeof wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = m_strClassName;
    return AfxRegisterClass(&wc);
}

int CRcmdCoinManager::Create()
{
    if (!m_bRegisted)
    {
        if (!RegisterControl())
            return 0;
        m_bRegisted = 1;
    }
    return CreateEx(0, m_strClassName, "CRcmdCoinManager", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL) ? 1 : 0;
}

int CRcmdCoinManager::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    RequestData_t1110();
    SetRealData_200();
    SetRealData_300();
    CZembraAPIAgent::RequestTickerData(kAllKey, m_hWnd);
    return 0;
}

void CRcmdCoinManager::OnDestroy()
{
    CZembraAPIAgent::StopTickerData(kAllKey, m_hWnd);
    UnsetRealData_200();
    UnsetRealData_300();
    UnsetRealData_100();
    for (_AUTO_SIGNAL* entry : m_arrAutoSignalLog)
        delete entry;
    m_arrAutoSignalLog.clear();
    CWnd::OnDestroy();
}

int CRcmdCoinManager::RequestData_t1110()
{
    BYTE blank = ' ';
    int sent = CTRAgent::RequestQueryData(TR_RCMD_COIN_LIST, 'I', m_hWnd, NULL, &blank, 1, -1);
    Log("t1110 요청");
    return sent;
}

LRESULT CRcmdCoinManager::OnCopyData(WPARAM wParam, LPARAM lParam)
{
    const COPYDATASTRUCT* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (cds == NULL || cds->dwData == CDS_STATUS_TEXT)
        return ::DefWindowProc(m_hWnd, WM_COPYDATA, wParam, lParam);

    const BYTE* body = static_cast<const BYTE*>(cds->lpData);
    const int len = body ? static_cast<int>(cds->cbData) : 0;
    const int type = CTRAgent::GetDataType(reinterpret_cast<_IQ_HEADER*>(wParam));
    if (type == 'I' && cds->dwData == TR_RCMD_COIN_LIST)
    {
        ReceiveData_t1110(body, len);
        SetRealData_100();
    }
    else if (type == 'R' && cds->dwData == RD_AUTO_SIGNAL)
    {
        if (!m_bOnSettlementAcnt)
            ProcRD100Data(body, len);
    }
    else if (type == 'R' && cds->dwData == RD_SETTLEMENT)
        ProcRD200Data(body, len);
    else if (type == 'R' && cds->dwData == RD_FORCED_SELL)
        ProcRD300Data(body, len);
    return ::DefWindowProc(m_hWnd, WM_COPYDATA, wParam, lParam);
}

void CRcmdCoinManager::ReceiveData_t1110(const BYTE* pBody, int nLen)
{
    CStringArray codes;
    for (int offset = 0; offset + RCMD_COIN_CODE_LEN <= nLen; offset += RCMD_COIN_CODE_LEN)
        codes.Add(FieldText(pBody + offset, RCMD_COIN_CODE_LEN));
    if (codes.GetSize() > 0)
        m_AutoAgent.SetRcmdCoinList(codes);
    Log("t1110:" + JoinCodes(codes));
}

void CRcmdCoinManager::SetRealData_100()
{
    CStringArray codes;
    m_AutoAgent.GetRcmdCoinList(codes);

    // A later list drops the coins it no longer holds; coins that stay keep their registration.
    CStringArray dropped;
    for (INT_PTR i = 0; i < m_arrRegisteredCoins.GetSize(); ++i)
        if (!Contains(codes, m_arrRegisteredCoins[i]))
        {
            UnregisterKey(RD_AUTO_SIGNAL, m_hWnd, m_arrRegisteredCoins[i]);
            dropped.Add(m_arrRegisteredCoins[i]);
        }
    if (dropped.GetSize() > 0)
        Log("종목추천 실시간 데이터 중지 " + JoinCodes(dropped));

    CStringArray registered;
    for (INT_PTR i = 0; i < codes.GetSize(); ++i)
    {
        if (Contains(registered, codes[i]))
            continue;
        if (!RegisterKey(RD_AUTO_SIGNAL, m_hWnd, codes[i]))
        {
            LogF("실시간 키에 맞지 않는 코드라 등록하지 않음 : %s", (LPCSTR)codes[i]);
            continue;
        }
        registered.Add(codes[i]);
    }
    m_arrRegisteredCoins.RemoveAll();
    m_arrRegisteredCoins.Append(registered);
    Log("종목추천 실시간 데이터 요청 " + JoinCodes(registered));
}

void CRcmdCoinManager::UnsetRealData_100()
{
    if (m_arrRegisteredCoins.GetSize() == 0)
        return;
    for (INT_PTR i = 0; i < m_arrRegisteredCoins.GetSize(); ++i)
        UnregisterKey(RD_AUTO_SIGNAL, m_hWnd, m_arrRegisteredCoins[i]);
    Log("종목추천 실시간 데이터 중지 " + JoinCodes(m_arrRegisteredCoins));
    m_arrRegisteredCoins.RemoveAll();
}

void CRcmdCoinManager::SetRealData_200()
{
    RegisterKey(RD_SETTLEMENT, m_hWnd, kAllKey);
    Log("정산 RD 요청함");
}

void CRcmdCoinManager::SetRealData_300()
{
    RegisterKey(RD_FORCED_SELL, m_hWnd, kAllKey);
    Log("강재 매도 RD 요청함");
}

void CRcmdCoinManager::UnsetRealData_200()
{
    UnregisterKey(RD_SETTLEMENT, m_hWnd, kAllKey);
    Log("정산 RD 중지");
}

void CRcmdCoinManager::UnsetRealData_300()
{
    UnregisterKey(RD_FORCED_SELL, m_hWnd, kAllKey);
    Log("강제 매도 RD 중지");
}

LRESULT CRcmdCoinManager::OnZembraAPITickerDataReceived(WPARAM wParam, LPARAM lParam)
{
    const BYTE* records = reinterpret_cast<const BYTE*>(wParam);
    if (records == NULL || lParam <= 0)
        return 1;
    const int count = static_cast<int>(lParam) / static_cast<int>(sizeof(tagTickerInfo));
    for (int i = 0; i < count; ++i)
    {
        const tagTickerInfo* info = reinterpret_cast<const tagTickerInfo*>(records) + i;
        CString code = RecordText(info->szCoinCode, sizeof info->szCoinCode);
        CString price = RecordText(info->szClosingPrice, sizeof info->szClosingPrice);
        const char* begin = price;
        char* end = NULL;
        long long value = strtoll(begin, &end, 10);
        if (!code.IsEmpty() && end != begin)
            m_mapCoinPrice.SetAt(code, value);
    }
    return 1;
}

BOOL CRcmdCoinManager::GetCoinPrice(CString strCode, LONGLONG& nPrice) const
{
    return m_mapCoinPrice.Lookup(strCode, nPrice);
}
