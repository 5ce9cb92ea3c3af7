// CMsgCtrl's history: the button opens the newest texts as a drop-down list above the line.
#include "MsgCtrl.h"

#include "DropList.h"

BEGIN_MESSAGE_MAP(CMsgCtrl, CBaseWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_MSGCTRL_HISTORY, OnHistoryClicked)
    ON_MESSAGE(WM_DROPLIST_SETCAPTURE, OnDropListSetCapture)
    ON_MESSAGE(WM_DROPLIST_RELEASECAPTURE, OnDropListReleaseCapture)
    ON_MESSAGE(WM_DROPLIST_CLOSE, OnDropListClose)
    ON_MESSAGE(WM_DROPLIST_SELECT, OnDropListSelect)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

const long kVisibleRows = 3;

} // namespace

CMsgCtrl::~CMsgCtrl()
{
    delete m_pDropList;
}

void CMsgCtrl::OnHistoryClicked()
{
    if (m_bListOpen)
        return;
    CreateDropDownControl();
}

void CMsgCtrl::CreateDropDownControl()
{
    CRect rect;
    GetWindowRect(&rect);
    rect.top -= 1;
    rect.left += 3;
    rect.right += 4;
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (rect.bottom > work.bottom)
        rect.bottom = work.bottom;

    delete m_pDropList;
    m_pDropList = new CBaseDropList;
    m_pDropList->CreateControl(this, rect.Width(), m_arrHistory, kVisibleRows, 0, 0, SD_UPWARD,
                               NULL);
    m_pDropList->SetTextAlign(0);
    if (!m_pDropList->CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "", WS_CHILD | WS_BORDER, rect,
                               CWnd::GetDesktopWindow(), 0)) {
        delete m_pDropList;
        m_pDropList = NULL;
        m_bListOpen = FALSE;
        return;
    }
    m_bListOpen = TRUE;
    SetFocus();
    m_pDropList->ShowWindow(SW_SHOW);
}

void CMsgCtrl::CloseDropList()
{
    if (m_pDropList == NULL)
        return;
    m_bListOpen = FALSE;
    if (m_pDropList->GetSafeHwnd() != NULL) {
        m_pDropList->ShowWindow(SW_HIDE);
        m_pDropList->DestroyWindow();
    }
    delete m_pDropList;
    m_pDropList = NULL;
}

LRESULT CMsgCtrl::OnDropListSetCapture(WPARAM, LPARAM)
{
    SetCapture();
    return 1;
}

LRESULT CMsgCtrl::OnDropListReleaseCapture(WPARAM, LPARAM)
{
    ::ReleaseCapture();
    return 1;
}

LRESULT CMsgCtrl::OnDropListClose(WPARAM, LPARAM)
{
    CloseDropList();
    return 1;
}

LRESULT CMsgCtrl::OnDropListSelect(WPARAM, LPARAM)
{
    return 1; // choosing a past text changes nothing
}

void CMsgCtrl::OnDestroy()
{
    CBaseWnd::OnDestroy();
    CloseDropList();
}
