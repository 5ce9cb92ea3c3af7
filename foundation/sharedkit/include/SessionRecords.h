// Plain records kept by the session store: the user's setup record, the coin and derivatives
// master records and the account list entry.
#pragma once

#include <afx.h>

// The user's setup, filled from "user.cfg" and the setup dialog (320 bytes).
struct _ST_SETUPINFO
{
    int nSkinColor;
    int nScreen;
    int nMaxScreen;
    int nLockTime;
    int nNotify;
    int nLastScreenOn;
    int nDupulicateID;
    int nDupulicateAPP;
    int nAccPaseSave;
    int nSighKeySave;
    int nScreenLock;
    int nAlarmOn;
    int nAlarmPopup;
    int nACCPopup;
    int nCodeLink;
    char szSoundFile[260];
};
static_assert(sizeof(_ST_SETUPINFO) == 320, "the setup record is 320 bytes");

// One coin of the coin master.
struct _API_CODE_INFO
{
    int nMarketType; // 1 shows the name in the rising colour
    CString strName;
    CString strCode;
    CString strExtra;
    int nValue1;
    int nValue2;
};

// A 140-byte derivatives master record: byte 0 its kind ('1' future, '2' call, '3' put,
// '4' spread), the code from byte 1, a 12-character standard code at byte 13, the strike at 88.
struct tagFmtCode
{
    enum {
        SIZE = 140,
        KIND = 0,
        CODE = 1,
        STANDARD_CODE = 13,
        STANDARD_CODE_LENGTH = 12,
        STRIKE = 88,
        STRIKE_LENGTH = 5
    };
    char szRecord[SIZE];
};
static_assert(sizeof(tagFmtCode) == 140, "the derivatives record is 140 bytes");

// Option pricing figures of the derivatives master (68 bytes).
struct tagOptInfo
{
    char szRecord[68];
};

// One account of the account list: number, name, a third text, the account password, a second
// key, and two small numbers (the second is the account kind).
struct tagAccount
{
    CString strAccount;
    CString strName;
    CString strThird;
    CString strPassword;
    CString strKey;
    int nFlag;
    int nKind;
};
