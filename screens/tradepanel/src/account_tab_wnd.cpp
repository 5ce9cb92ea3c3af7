// CAccountTabWnd: the tab strip, the page table, the pages' lazy creation and the relays.
#include "AccountTabWnd.h"

#include "AutoListTab.h"
#include "BalanceListTab.h"
#include "BottomTabCtrl.h"
#include "ColorMap.h"
#include "FilledOrdListTab.h"
#include "HistoryListTab.h"
#include "InstallFolders.h"
#include "RelayMsg.h"
#include "TokenBoardRecords.h"
#include "resource.h"

extern HINSTANCE g_hTradePanel;

IMPLEMENT_DYNAMIC(CAccountTabWnd, CMapPage)

BEGIN_MESSAGE_MAP(CAccountTabWnd, CMapPage)
    ON_NOTIFY(TCN_SELCHANGING, ACCOUNT_TAB_STRIP_ID, OnSelChanging)
    ON_NOTIFY(TCN_SELCHANGE, ACCOUNT_TAB_STRIP_ID, OnSelChange)
    ON_MESSAGE(WM_AUTOSIGNAL_CHANGED, OnAutoSignalChanged)
    ON_MESSAGE(WM_USERLOG_LINE, OnUserLogLine)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

template <class Page> CMapPage* MakePage(UINT templateId, CWnd* strip)
{
    return new Page(templateId, strip);
}

const ACCOUNT_TAB_ENTRY kTabs[ACCOUNT_TAB_COUNT] = {
    {"자동매매", IDD_AUTO_LIST_TAB, MakePage<CAutoListTab>},
    {"시그널 내역", IDD_AUTO_SIGNAL_LOG_TAB, MakePage<CAutoSignalLogTab>},
    {"자산잔고", IDD_BALANCE_LIST_TAB, MakePage<CBalanceListTab>},
    {"거래내역", IDD_FILLED_ORDER_LIST_TAB, MakePage<CFilledOrdListTab>},
    {"실시간로그", IDD_HISTORY_LIST_TAB, MakePage<CHistoryListTab>},
};

// The selected tab's colours: fill, outline, text (the fourth is not drawn).
tagBtnColor SelectedTabColours()
{
    tagBtnColor colours = {CColorMap::GetColor(631), RGB(139, 139, 151), RGB(242, 57, 3), RGB(0, 0, 0)};
    return colours;
}

} // namespace

CAccountTabWnd::CAccountTabWnd(UINT templateId, CWnd* parent) : CMapPage(templateId, parent), m_pTabStrip(NULL)
{
    SetResourceModule(g_hTradePanel);
    for (CMapPage*& page : m_pPages)
        page = NULL;
}

CAccountTabWnd::~CAccountTabWnd()
{
    DeletePages();
}

CString CAccountTabWnd::LayoutPath()
{
    return CString(GetMapDir()) + "MF_1000_TabWnd.xml";
}

const ACCOUNT_TAB_ENTRY* CAccountTabWnd::GetTabEntries()
{
    return kTabs;
}

CWnd* CAccountTabWnd::GetSubControl(WORD id)
{
    if (id != ACCOUNT_TAB_STRIP_ID)
        return NULL;
    // The layout's controls own it from here on.
    return new CBottomTabCtrl;
}

BOOL CAccountTabWnd::InitWindow()
{
    CMapPage::InitWindow();
    return 1;
}

BOOL CAccountTabWnd::OnInitDialog()
{
    if (!CMapPage::OnInitDialog())
        return 0;
    if (!LoadMapFile(this, LayoutPath()))
        return 0;
    // Looked up after the load: a load that stopped part-way has deleted what it made.
    m_pTabStrip = dynamic_cast<CBottomTabCtrl*>(GetControl(ACCOUNT_TAB_STRIP_ID));
    if (m_pTabStrip != NULL)
        SetUpTabs();
    return 1;
}

void CAccountTabWnd::SetUpTabs()
{
    const tagBtnColor colours = SelectedTabColours();
    for (int i = 0; i < ACCOUNT_TAB_COUNT; ++i)
        m_pTabStrip->InsertItem(i, kTabs[i].text, colours);
    for (int i = 0; i < ACCOUNT_TAB_COUNT; ++i)
        m_pPages[i] = kTabs[i].make != NULL ? kTabs[i].make(kTabs[i].templateId, m_pTabStrip) : NULL;
    ShowPage(0, TRUE);
}

CMapPage* CAccountTabWnd::GetPage(int index) const
{
    return index >= 0 && index < ACCOUNT_TAB_COUNT ? m_pPages[index] : NULL;
}

void CAccountTabWnd::ShowPage(int index, BOOL show)
{
    if (m_pTabStrip == NULL || m_pTabStrip->GetSafeHwnd() == NULL)
        return;
    CMapPage* page = GetPage(index);
    if (page != NULL && page->GetSafeHwnd() == NULL && show) {
        // The page's start-up, and so its first fill, runs here.
        if (page->Create(m_pTabStrip)) {
            CRect strip;
            m_pTabStrip->GetClientRect(&strip);
            const int top = m_pTabStrip->GetBtnHight();
            page->SetWindowPos(NULL, 1, top + 1, strip.Width() - 3, strip.Height() - top - 3,
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
    }
    if (page != NULL && page->GetSafeHwnd() != NULL)
        page->ShowWindow(show ? SW_SHOW : SW_HIDE);
    m_pTabStrip->Invalidate();
}

void CAccountTabWnd::OnSelChanging(NMHDR*, LRESULT* result)
{
    if (m_pTabStrip != NULL)
        ShowPage(m_pTabStrip->GetCurSel(), FALSE);
    *result = 0;
}

void CAccountTabWnd::OnSelChange(NMHDR*, LRESULT* result)
{
    if (m_pTabStrip != NULL)
        ShowPage(m_pTabStrip->GetCurSel(), TRUE);
    *result = 0;
}

LRESULT CAccountTabWnd::OnAutoSignalChanged(WPARAM wParam, LPARAM lParam)
{
    for (CMapPage* page : m_pPages)
        if (page != NULL && page->GetSafeHwnd() != NULL)
            page->SendMessage(WM_AUTOSIGNAL_CHANGED, wParam, lParam);
    return 1;
}

LRESULT CAccountTabWnd::OnUserLogLine(WPARAM wParam, LPARAM lParam)
{
    CMapPage* page = m_pPages[ACCOUNT_TAB_LOG_PAGE];
    if (page != NULL && page->GetSafeHwnd() != NULL)
        page->SendMessage(WM_USERLOG_LINE, wParam, lParam);
    return 1;
}

void CAccountTabWnd::DeletePages()
{
    for (CMapPage*& page : m_pPages) {
        if (page == NULL)
            continue;
        if (page->GetSafeHwnd() != NULL)
            page->DestroyWindow();
        delete page;
        page = NULL;
    }
}

void CAccountTabWnd::OnDestroy()
{
    DeletePages();
    CMapPage::OnDestroy();
}
