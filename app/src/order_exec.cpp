// The order-alarm host.
#include "OrderExec.h"

#include "TokenBoardRecords.h"

BEGIN_MESSAGE_MAP(COrderExec, CWnd)
    ON_MESSAGE(WM_ORDER_ALARM, OnOrderAlarm)
    ON_MESSAGE(WM_COPYDATA, OnCopyData)
END_MESSAGE_MAP()

COrderExec::COrderExec(CWnd* frame) : m_pFrame(frame), m_nAlarms(0) {}

COrderExec::~COrderExec()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
}

BOOL COrderExec::Create()
{
    return CWnd::Create(AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 0, 0), m_pFrame, 0);
}

LRESULT COrderExec::OnOrderAlarm(WPARAM wParam, LPARAM)
{
    // The alarm window that shows the order comes with the order dialogs.
    if (wParam != 0)
        ++m_nAlarms;
    return 0;
}

LRESULT COrderExec::OnCopyData(WPARAM, LPARAM)
{
    return 0;
}
