// The user's setup record (filled by the main program from "user.cfg" and its setup dialog).
#include "SharedData.h"

#include <cstring>

namespace {

// Setters called before the store exists (or after it is gone) have nowhere to write.
template <typename Field>
void Store(Field _ST_SETUPINFO::*field, int value)
{
    if (CSharedData::m_pstInfo != NULL)
        CSharedData::m_pstInfo->*field = value;
}

} // namespace

_ST_SETUPINFO* CSharedData::GetSetupInfo()
{
    return m_pstInfo;
}

void CSharedData::SetSkinColor(int value) { Store(&_ST_SETUPINFO::nSkinColor, value); }
void CSharedData::SetScreen(int value) { Store(&_ST_SETUPINFO::nScreen, value); }
void CSharedData::SetMaxScreen(int value) { Store(&_ST_SETUPINFO::nMaxScreen, value); }
void CSharedData::SetLockTime(int value) { Store(&_ST_SETUPINFO::nLockTime, value); }
void CSharedData::SetNotify(int value) { Store(&_ST_SETUPINFO::nNotify, value); }
void CSharedData::SetLastScreenOn(int value) { Store(&_ST_SETUPINFO::nLastScreenOn, value); }
void CSharedData::SetDupulicateID(int value) { Store(&_ST_SETUPINFO::nDupulicateID, value); }
void CSharedData::SetDupulicateAPP(int value) { Store(&_ST_SETUPINFO::nDupulicateAPP, value); }
void CSharedData::SetAccPaseSave(int value) { Store(&_ST_SETUPINFO::nAccPaseSave, value); }
void CSharedData::SetSighKeySave(int value) { Store(&_ST_SETUPINFO::nSighKeySave, value); }
void CSharedData::SetScreenLock(int value) { Store(&_ST_SETUPINFO::nScreenLock, value); }
void CSharedData::SetAlarmOn(int value) { Store(&_ST_SETUPINFO::nAlarmOn, value); }
void CSharedData::SetAlarmPopup(int value) { Store(&_ST_SETUPINFO::nAlarmPopup, value); }
void CSharedData::SetACCPopup(int value) { Store(&_ST_SETUPINFO::nACCPopup, value); }
void CSharedData::SetCodeLink(int value) { Store(&_ST_SETUPINFO::nCodeLink, value); }

int CSharedData::GetMaxScreen()
{
    return m_pstInfo != NULL ? m_pstInfo->nMaxScreen : 0;
}

int CSharedData::GetCodeLink()
{
    return m_pstInfo != NULL ? m_pstInfo->nCodeLink : 0;
}

void CSharedData::SetSoundFile(const char* path)
{
    if (m_pstInfo == NULL)
        return;
    const char* text = path != NULL ? path : "";
    const size_t len = strlen(text);
    if (len >= sizeof m_pstInfo->szSoundFile)
        return;
    memset(m_pstInfo->szSoundFile, 0, sizeof m_pstInfo->szSoundFile);
    memcpy(m_pstInfo->szSoundFile, text, len);
}
