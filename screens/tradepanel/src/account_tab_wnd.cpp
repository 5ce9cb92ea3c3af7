// The account tab window of screen 1000: for now the place below the board that receives the
// relayed messages its pages will show.
#include "AccountTabWnd.h"

#include "RelayMsg.h"
#include "TokenBoardRecords.h"

BEGIN_MESSAGE_MAP(CAccountTabWnd, CDialog)
    ON_MESSAGE(WM_AUTOSIGNAL_CHANGED, OnAutoSignalChanged)
    ON_MESSAGE(WM_USERLOG_LINE, OnUserLogLine)
END_MESSAGE_MAP()

CAccountTabWnd::CAccountTabWnd(UINT templateId, CWnd* parent, HINSTANCE resources)
    : CDialog(templateId, parent, resources), m_nAutoSignalChanged(0), m_nUserLogLines(0)
{
}

LRESULT CAccountTabWnd::OnAutoSignalChanged(WPARAM, LPARAM)
{
    ++m_nAutoSignalChanged;
    return 1;
}

LRESULT CAccountTabWnd::OnUserLogLine(WPARAM, LPARAM)
{
    ++m_nUserLogLines;
    return 1;
}
