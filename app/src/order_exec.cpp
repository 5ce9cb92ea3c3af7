// The order-alarm host.
#include "OrderExec.h"

#include "OrdAlarm.h"
#include "TokenBoardRecords.h"

BEGIN_MESSAGE_MAP(COrderExec, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_ORDER_ALARM, OnOrderAlarm)
    ON_MESSAGE(WM_COPYDATA, OnCopyData)
END_MESSAGE_MAP()

COrderExec::COrderExec(CWnd* frame) : m_pFrame(frame), m_pAlarm(NULL) {}

COrderExec::~COrderExec()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL COrderExec::Create()
{
    return CWnd::Create(AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 0, 0), m_pFrame, 0);
}

int COrderExec::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The alarm stays hidden until the first order event; without it the events are dropped,
    // the host itself still answers.
    m_pAlarm = new COrdAlarm(m_pFrame);
    if (!m_pAlarm->Create(COrdAlarm::IDD, m_pFrame)) {
        delete m_pAlarm;
        m_pAlarm = NULL;
    }
    return 0;
}

void COrderExec::OnDestroy()
{
    if (m_pAlarm != NULL) {
        if (::IsWindow(m_pAlarm->GetSafeHwnd()))
            m_pAlarm->DestroyWindow();
        delete m_pAlarm;
        m_pAlarm = NULL;
    }
    CWnd::OnDestroy();
}

LRESULT COrderExec::OnOrderAlarm(WPARAM wParam, LPARAM)
{
    COIN_ORD_INFO* record = reinterpret_cast<COIN_ORD_INFO*>(wParam);
    if (record == NULL || m_pAlarm == NULL || !::IsWindow(m_pAlarm->GetSafeHwnd()))
        return 0;
    m_pAlarm->InsertOrder(record);
    m_pAlarm->DisplayAlarm();
    return 0;
}

LRESULT COrderExec::OnCopyData(WPARAM, LPARAM)
{
    return 0;
}
