// Reading and writing "user.cfg" (the keys' spelling is the file's own), and the rule of the alarm sound.
#include "UserConfig.h"

#include <algorithm>
#include <cstring>

#include "IniFiles.h"
#include "InstallFolders.h"
#include "ScreenSets.h"
#include "SessionRecords.h"
#include "SharedData.h"

CString UserConfigPath()
{
    return CString(GetUserDir()) + USER_CONFIG_FILE;
}

BOOL MigrateUserConfig()
{
    CIniFiles ini(UserConfigPath());
    if (ini.ReadInteger("MAIN", "VER", 0) != 0)
        return FALSE;
    ini.WriteInteger("MAIN", "VER", USER_CONFIG_VERSION);
    ::DeleteFileA(ScreenSetIndexPath());
    ::DeleteFileA(LastScreensPath());
    return TRUE;
}

void ReadUserConfig()
{
    CIniFiles ini(UserConfigPath());
    CSharedData::SetSkinColor(ini.ReadInteger("SCREEN", "SKIN", 0));
    CSharedData::SetScreen(ini.ReadInteger("SCREEN", "SCREEN", 0));
    CSharedData::SetMaxScreen(ini.ReadInteger("SCREEN", "MAXSCREEN", 10));
    CSharedData::SetLockTime(ini.ReadInteger("SECURITY", "LOCK_TIME", 0));
    CSharedData::SetLastScreenOn(ini.ReadBool("SCREEN", "LAST_SCREEN", 1));
    CSharedData::SetDupulicateID(ini.ReadBool("SECURITY", "DUPULICATE_ID", 1));
    CSharedData::SetDupulicateAPP(ini.ReadBool("SECURITY", "DUPULICATE_APP", 0));
    CSharedData::SetAccPaseSave(ini.ReadBool("SECURITY", "ACC_AUTOSAVE", 0));
    CSharedData::SetSighKeySave(ini.ReadBool("SECURITY", "SIGNKEY_SAVE", 1));
    CSharedData::SetScreenLock(ini.ReadBool("SECURITY", "SCREENLOCK", 1));
    CSharedData::SetACCPopup(CSharedData::IsStaff() ? 0 : ini.ReadBool("SECURITY", "ACC_POPUP", 1));
    CSharedData::SetAlarmOn(ini.ReadBool("ALARM", "ALARMON", 0));
    CSharedData::SetAlarmPopup(ini.ReadBool("ALARM", "ALARM_POPUP", 1));
    CSharedData::SetNotify(ini.ReadInteger("NOTIFY", "DATE", 0));
    CSharedData::SetCodeLink(ini.ReadBool("SCREEN", "CODELINK", 0));
    CSharedData::SetSoundFile(ini.ReadString("ALARM", "SOUND", ""));
}

void WriteUserConfig()
{
    const _ST_SETUPINFO* setup = CSharedData::GetSetupInfo();
    CIniFiles ini(UserConfigPath());
    ini.WriteInteger("SCREEN", "SKIN", setup->nSkinColor);
    ini.WriteInteger("SCREEN", "SCREEN", setup->nScreen);
    ini.WriteInteger("SCREEN", "MAXSCREEN", setup->nMaxScreen);
    ini.WriteInteger("SECURITY", "LOCK_TIME", setup->nLockTime);
    ini.WriteBool("SCREEN", "LAST_SCREEN", setup->nLastScreenOn);
    ini.WriteBool("SCREEN", "CODELINK", setup->nCodeLink);
    ini.WriteBool("SECURITY", "DUPULICATE_ID", setup->nDupulicateID);
    ini.WriteBool("SECURITY", "DUPULICATE_APP", setup->nDupulicateAPP);
    ini.WriteBool("SECURITY", "SIGNKEY_SAVE", setup->nSighKeySave);
    ini.WriteBool("SECURITY", "SCREENLOCK", setup->nScreenLock);
    ini.WriteBool("SECURITY", "ACC_POPUP", setup->nACCPopup);
    ini.WriteBool("ALARM", "ALARMON", setup->nAlarmOn);
    ini.WriteBool("ALARM", "ALARM_POPUP", setup->nAlarmPopup);
    ini.WriteString("ALARM", "SOUND", SetupSoundFile());
}

CString SetupSoundFile()
{
    const _ST_SETUPINFO* setup = CSharedData::GetSetupInfo();
    return CString(setup->szSoundFile, (int)strnlen(setup->szSoundFile, sizeof setup->szSoundFile));
}

BOOL IsWaveFile(const CString& path)
{
    const int dot = path.ReverseFind('.');
    const int slash = std::max(path.ReverseFind('\\'), path.ReverseFind('/'));
    if (dot < 0 || dot < slash)
        return FALSE;
    return path.Mid(dot + 1).CompareNoCase("wav") == 0;
}
