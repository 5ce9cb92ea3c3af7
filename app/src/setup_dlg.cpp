// The setup dialog: its tab strips and pages, apply, defaults and cancel.
#include "SetupDlg.h"

#include "InstallFolders.h"
#include "SharedData.h"
#include "UITabCtrl.h"
#include "UserConfig.h"

BEGIN_MESSAGE_MAP(CMainSetupDlg, CMapView)
    ON_BN_CLICKED(IDC_SETUP_DEFAULTS, OnDefaults)
    ON_BN_CLICKED(IDC_SETUP_APPLY, OnApply)
    ON_BN_CLICKED(IDC_SETUP_CANCEL, OnCancelButton)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CMainSetupDlg::CMainSetupDlg(CWnd* parent)
    : CMapView(IDD, parent), m_pageMain(NULL), m_pageConnection(NULL), m_pageAlarm(NULL)
{
    m_before = *CSharedData::GetSetupInfo();
}

CMainSetupDlg::~CMainSetupDlg() {}

BOOL CMainSetupDlg::OnInitDialog()
{
    CMapView::OnInitDialog();
    SetDlgWindowStyle();
    m_before = *CSharedData::GetSetupInfo();
    if (!LoadMapFile(this, CString(GetMapDir()) + SETUP_LAYOUT_FILE))
        return TRUE;
    PlacePage(IDC_SETUP_TAB_MAIN, "화면설정", m_pageMain);
    PlacePage(IDC_SETUP_TAB_CONNECTION, "연결설정", m_pageConnection);
    PlacePage(IDC_SETUP_TAB_ALARM, "알림설정", m_pageAlarm);
    return TRUE;
}

void CMainSetupDlg::PlacePage(WORD tabId, const char* text, CSetupPage& page)
{
    CUITabCtrl* tab = dynamic_cast<CUITabCtrl*>(GetControl(tabId));
    if (tab == NULL)
        return;
    tab->SetFont(GetFont());
    tab->InsertItem(0, text);
    tab->SetCurSel(0);
    if (!page.Create(tab))
        return;
    CRect area;
    tab->GetClientRect(&area);
    area.DeflateRect(1, tab->GetBtnHight() + 1, 1, 1);
    page.MoveWindow(&area);
    page.ShowWindow(SW_SHOW);
}

void CMainSetupDlg::OnDefaults()
{
    m_pageMain.SetDefaults();
    m_pageConnection.SetDefaults();
    m_pageAlarm.SetDefaults();
}

void CMainSetupDlg::OnApply()
{
    m_pageMain.Store();
    m_pageConnection.Store();
    m_pageAlarm.Store();
    WriteUserConfig();
    EndDialog(IDOK);
}

void CMainSetupDlg::OnCancelButton()
{
    *CSharedData::GetSetupInfo() = m_before;
    EndDialog(IDCANCEL);
}

void CMainSetupDlg::OnOK() {}

void CMainSetupDlg::OnCancel()
{
    OnCancelButton();
}

void CMainSetupDlg::OnClose()
{
    OnCancelButton();
}
