// The setup dialog's pages: screens (last screens, start set, screen count, code link),
// connection (security switches, idle-lock period) and alarm (sound switch, pop-up, sound file).
#include "SetupPages.h"

#include <afxdlgs.h>
#include <mmsystem.h>

#include "InstallFolders.h"
#include "ScreenSets.h"
#include "SessionRecords.h"
#include "SharedData.h"
#include "UserConfig.h"
#include "resource.h"

namespace {

const char* const kMaxScreens[] = {"10", "20", "30"};
const char* const kLockMinutes[] = {"5", "10", "30", "60", "120"};
const char kWaveOnly[] = "WAV 파일만 선택해 주시기 바랍니다";
const char kSetupCaption[] = "환경설정";

} // namespace

// --- every page -------------------------------------------------------------------------

CSetupPage::CSetupPage(UINT templateId, const char* layout, CWnd* parent)
    : CMapPage(templateId, parent), m_pszLayout(layout)
{
}

BOOL CSetupPage::OnInitDialog()
{
    CMapPage::OnInitDialog();
    if (!LoadMapFile(this, CString(GetMapDir()) + m_pszLayout))
        return TRUE;
    Show();
    return TRUE;
}

void CSetupPage::SetCheck(WORD id, int on)
{
    if (CWnd* button = GetControl(id))
        button->SendMessage(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

CComboBox* CSetupPage::Combo(WORD id)
{
    return dynamic_cast<CComboBox*>(GetControl(id));
}

void CSetupPage::FillList(WORD id, const char* const* entries, int count, const CString& selected)
{
    CComboBox* list = Combo(id);
    if (list == NULL)
        return;
    list->ResetContent();
    int chosen = 0;
    for (int i = 0; i < count; ++i) {
        list->AddString(entries[i]);
        if (selected == entries[i])
            chosen = i;
    }
    list->SetCurSel(chosen);
}

// --- screens ----------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CPageMain, CSetupPage)
    ON_BN_CLICKED(IDC_PAGE_LAST_SCREEN_ON, OnLastScreenOn)
    ON_BN_CLICKED(IDC_PAGE_LAST_SCREEN_OFF, OnLastScreenOff)
    ON_CBN_SELCHANGE(IDC_PAGE_SCREEN_SET, OnScreenSetChosen)
END_MESSAGE_MAP()

CPageMain::CPageMain(CWnd* parent) : CSetupPage(IDD_SETUP_PAGE_MAIN, "MF_PageMain.xml", parent) {}

void CPageMain::Show()
{
    const _ST_SETUPINFO* setup = CSharedData::GetSetupInfo();
    SelectRadioBtn(IDC_PAGE_LAST_SCREEN_ON, IDC_PAGE_LAST_SCREEN_OFF,
                   setup->nLastScreenOn ? IDC_PAGE_LAST_SCREEN_ON : IDC_PAGE_LAST_SCREEN_OFF);
    SelectRadioBtn(IDC_PAGE_CODE_LINK_ON, IDC_PAGE_CODE_LINK_OFF,
                   setup->nCodeLink ? IDC_PAGE_CODE_LINK_ON : IDC_PAGE_CODE_LINK_OFF);

    // The saved sets, the last one read at the top.
    if (CComboBox* sets = Combo(IDC_PAGE_SCREEN_SET)) {
        sets->ResetContent();
        CUserScrInfo info;
        ReadScreenSets(ScreenSetIndexPath(), info);
        for (int i = 0; i < info.GetCount(); ++i)
            sets->InsertString(0, info.GetAt(i)->m_strNumber);
        CString current;
        current.Format("%d", setup->nScreen);
        const int found = sets->FindStringExact(-1, current);
        sets->SetCurSel(found >= 0 ? found : 0);
    }
    CString most;
    most.Format("%d", setup->nMaxScreen);
    FillList(IDC_PAGE_MAX_SCREEN, kMaxScreens, _countof(kMaxScreens), most);
}

void CPageMain::Store()
{
    CString number;
    if (CComboBox* sets = Combo(IDC_PAGE_SCREEN_SET))
        sets->GetLBText(sets->GetCurSel(), number);
    CSharedData::SetScreen(atoi(number));
    CSharedData::SetLastScreenOn(GetButtonCheck(IDC_PAGE_LAST_SCREEN_ON) == BST_CHECKED);
    CSharedData::SetCodeLink(GetButtonCheck(IDC_PAGE_CODE_LINK_ON) == BST_CHECKED);
    CComboBox* most = Combo(IDC_PAGE_MAX_SCREEN);
    const int index = most != NULL ? most->GetCurSel() : -1;
    if (index >= 0 && index < (int)_countof(kMaxScreens))
        CSharedData::SetMaxScreen(10 * (index + 1));
}

void CPageMain::SetDefaults()
{
    SelectRadioBtn(IDC_PAGE_LAST_SCREEN_ON, IDC_PAGE_LAST_SCREEN_OFF, IDC_PAGE_LAST_SCREEN_ON);
    SelectRadioBtn(IDC_PAGE_CODE_LINK_ON, IDC_PAGE_CODE_LINK_OFF, IDC_PAGE_CODE_LINK_OFF);
    if (CComboBox* sets = Combo(IDC_PAGE_SCREEN_SET))
        sets->SetCurSel(0);
    if (CComboBox* most = Combo(IDC_PAGE_MAX_SCREEN))
        most->SetCurSel(0);
}

void CPageMain::OnLastScreenOn()
{
    CSharedData::SetLastScreenOn(1);
}

void CPageMain::OnLastScreenOff()
{
    CSharedData::SetLastScreenOn(0);
}

void CPageMain::OnScreenSetChosen()
{
    CComboBox* sets = Combo(IDC_PAGE_SCREEN_SET);
    if (sets == NULL || sets->GetCurSel() < 0)
        return;
    CString number;
    sets->GetLBText(sets->GetCurSel(), number);
    CSharedData::SetScreen(atoi(number));
}

// --- connection -------------------------------------------------------------------------

CPageConnection::CPageConnection(CWnd* parent)
    : CSetupPage(IDD_SETUP_PAGE_CONNECTION, "MF_PageConnection.xml", parent)
{
}

void CPageConnection::Show()
{
    const _ST_SETUPINFO* setup = CSharedData::GetSetupInfo();
    SetCheck(IDC_PAGE_DUPLICATE_ID, setup->nDupulicateID);
    SetCheck(IDC_PAGE_ACC_POPUP, CSharedData::IsStaff() ? 0 : setup->nACCPopup);
    EnableControl(IDC_PAGE_ACC_POPUP, !CSharedData::IsStaff());
    SetCheck(IDC_PAGE_SIGNKEY_SAVE, setup->nSighKeySave);
    SetCheck(IDC_PAGE_SCREEN_LOCK, setup->nScreenLock);
    // A period index the list does not have shows its first entry.
    const int period = setup->nLockTime >= 0 && setup->nLockTime < (int)_countof(kLockMinutes) ? setup->nLockTime : 0;
    FillList(IDC_PAGE_LOCK_TIME, kLockMinutes, _countof(kLockMinutes), kLockMinutes[period]);
}

void CPageConnection::Store()
{
    CSharedData::SetDupulicateID(GetButtonCheck(IDC_PAGE_DUPLICATE_ID) == BST_CHECKED);
    CSharedData::SetACCPopup(CSharedData::IsStaff() ? 0 : GetButtonCheck(IDC_PAGE_ACC_POPUP) == BST_CHECKED);
    CSharedData::SetSighKeySave(GetButtonCheck(IDC_PAGE_SIGNKEY_SAVE) == BST_CHECKED);
    CSharedData::SetScreenLock(GetButtonCheck(IDC_PAGE_SCREEN_LOCK) == BST_CHECKED);
    CComboBox* period = Combo(IDC_PAGE_LOCK_TIME);
    if (period != NULL && period->GetCurSel() >= 0)
        CSharedData::SetLockTime(period->GetCurSel());
}

void CPageConnection::SetDefaults()
{
    SetCheck(IDC_PAGE_DUPLICATE_ID, 1);
    SetCheck(IDC_PAGE_ACC_POPUP, !CSharedData::IsStaff());
    SetCheck(IDC_PAGE_SIGNKEY_SAVE, 1);
    SetCheck(IDC_PAGE_SCREEN_LOCK, 1);
    if (CComboBox* period = Combo(IDC_PAGE_LOCK_TIME))
        period->SetCurSel(0);
}

// --- alarm ------------------------------------------------------------------------------

BOOL (*CPageAlarm::s_pfnChooseFile)(HWND owner, CString& path) = CPageAlarm::ChooseWaveFile;
BOOL(WINAPI* CPageAlarm::s_pfnPlaySound)(LPCSTR path, UINT flags) = ::sndPlaySoundA;

BEGIN_MESSAGE_MAP(CPageAlarm, CSetupPage)
    ON_BN_CLICKED(IDC_PAGE_SOUND_CHOOSE, OnChooseFile)
    ON_BN_CLICKED(IDC_PAGE_SOUND_PLAY, OnPlay)
END_MESSAGE_MAP()

CPageAlarm::CPageAlarm(CWnd* parent) : CSetupPage(IDD_SETUP_PAGE_ALARM, "MF_PageAlarm.xml", parent) {}

void CPageAlarm::Show()
{
    const _ST_SETUPINFO* setup = CSharedData::GetSetupInfo();
    SetCheck(IDC_PAGE_ALARM_ON, setup->nAlarmOn);
    SetCheck(IDC_PAGE_ALARM_POPUP, setup->nAlarmPopup);
    if (CWnd* edit = GetControl(IDC_PAGE_SOUND_FILE))
        edit->SetWindowText(SetupSoundFile());
}

void CPageAlarm::Store()
{
    CSharedData::SetAlarmOn(GetButtonCheck(IDC_PAGE_ALARM_ON) == BST_CHECKED);
    CSharedData::SetAlarmPopup(GetButtonCheck(IDC_PAGE_ALARM_POPUP) == BST_CHECKED);
    CString path;
    if (CWnd* edit = GetControl(IDC_PAGE_SOUND_FILE))
        edit->GetWindowText(path);
    CSharedData::SetSoundFile(path);
}

void CPageAlarm::SetDefaults()
{
    SetCheck(IDC_PAGE_ALARM_ON, 0);
    SetCheck(IDC_PAGE_ALARM_POPUP, 1);
}

BOOL CPageAlarm::ChooseWaveFile(HWND owner, CString& path)
{
    CFileDialog dialog(TRUE, NULL, NULL, OFN_HIDEREADONLY, "WAV Files (*.wav)|*.wav|All Files (*.*)|*.*|",
                       CWnd::FromHandle(owner));
    dialog.m_ofn.lpstrTitle = "Alarm Sound 선택";
    if (dialog.DoModal() != IDOK)
        return FALSE;
    path = dialog.GetPathName();
    return TRUE;
}

void CPageAlarm::OnChooseFile()
{
    ::SetCurrentDirectoryA(GetWorkingDir());
    CString chosen;
    if (!s_pfnChooseFile(m_hWnd, chosen))
        return;
    // Anything but a wave file keeps the sound the user had: the warning is no path.
    if (!IsWaveFile(chosen)) {
        AfxPlatformMessageBox(m_hWnd, kWaveOnly, kSetupCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    if (CWnd* edit = GetControl(IDC_PAGE_SOUND_FILE))
        edit->SetWindowText(chosen);
}

void CPageAlarm::OnPlay()
{
    CString path;
    if (CWnd* edit = GetControl(IDC_PAGE_SOUND_FILE))
        edit->GetWindowText(path);
    if (!path.IsEmpty())
        s_pfnPlaySound(path, SND_ASYNC);
}
