// The process-wide session store. Every member is static, so every library that links
// SharedKit reads and writes the same values. One object is made when SharedKit is loaded (its
// constructor fills the defaults) and deleted when it is unloaded (its destructor frees what the
// store owns). All members are used on the user-interface thread only.
//
// Texts handed out through caller buffers are always terminated: a buffer that cannot hold the
// text and its terminator gets nothing (result 0). Texts stored in fixed fields are cut to the
// field (never inside a double-byte character).
#pragma once

#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include "SessionRecords.h"
#include "SharedKitApi.h"

typedef CMap<CString, const char*, _API_CODE_INFO*, _API_CODE_INFO*> CAPICodeMap;
typedef CArray<tagFmtCode*, tagFmtCode*> CFmtCodeArray;
typedef CArray<tagAccount, tagAccount&> CAccountArray;

class SHAREDKIT_API CSharedData
{
public:
    CSharedData();
    ~CSharedData();

    // --- user and session ---------------------------------------------------------------
    // Login ID, password and local IP: heap copies, replaced by each set (NULL clears). The
    // getters return 0 when nothing is stored or when size cannot hold the text and its
    // terminator; else buf is zero-filled over size bytes, the text copied, and 1 returned.
    static void SetUserID(const char* id);
    static int GetUserID(char* buf, int size);
    static void SetPassword(const char* pwd);
    static int GetPassword(char* buf, int size);

    static void SetUserName(const char* name);
    static const char* GetUserName();
    static void SetResidentNo(const char* no);
    static const char* GetResidentNo();
    static void SetAlias(const char* alias);
    static const char* GetAlias();
    static void SetLastLoginTime(char* time);
    static const char* GetLastLoginTime();
    // len bytes of text (at most 1023; a negative len or NULL text stores an empty message).
    static void SetServerMessage(char* text, int len);
    static CString GetServerMessage();

    static void SetUserType(DWORD type);
    static int IsFreeUser();
    static void SetAdmin(int admin);
    static int IsAdmin();
    static int IsStaff();
    static void SetForTest(int test);
    static int IsForTest();
    static void SetExpireDate(int yyyymmdd);
    static int GetExpireDate();

    // Broker fields (nothing in the system reads them).
    static void SetWendralAccount(const char* account);
    static const char* GetWendralAccout();
    static void SetWendralAcntName(const char* name);
    static const char* GetWendralAcntName();
    static void SetTarrowID(const char* id); // an empty text is ignored
    static const char* GetetTarrowID();

    // The user's password kept RC4-enciphered in memory; the clear text never stays. An empty
    // text, or one longer than the store's 260 bytes, leaves the stored password untouched.
    static void SetUserPwd(const char* pwd);
    static CString GetUserPwd();

    // --- network ------------------------------------------------------------------------
    static void SetLocalIP(const char* ip);
    static int GetLocalIP(char* buf, int size);
    // At most 15 characters. GetPublicIP takes the local IP while none is set; 0 when size < 16,
    // else buf is zero-filled over size bytes and the address copied.
    static void SetPublicIP(const char* ip);
    static int GetPublicIP(char* buf, int size);
    static void SetIRSPort(int port);
    static int GetIRSPort();
    static void SetBranchIP(const char* ip);
    static CString GetBranchIP();
    static void SetOfficeInfo(const char* exclusive, const char* headquarter, const char* agent);
    static CString GetOfficeExclusive();
    static CString GetOfficeHeadquarter();
    static CString GetOfficeAgent();

    // --- dates (yyyymmdd) ---------------------------------------------------------------
    static void SetMarketDate(const char* date);
    static const char* GetMarketDate();
    static void SetDate(const char* date);
    static const char* GetDate();

    // --- setup record -------------------------------------------------------------------
    static _ST_SETUPINFO* GetSetupInfo();
    static void SetSkinColor(int value);
    static void SetScreen(int value);
    static void SetMaxScreen(int value);
    static int GetMaxScreen();
    static void SetLockTime(int value);
    static void SetNotify(int value);
    static void SetLastScreenOn(int value);
    static void SetDupulicateID(int value);
    static void SetDupulicateAPP(int value);
    static void SetAccPaseSave(int value);
    static void SetSighKeySave(int value);
    static void SetScreenLock(int value);
    static void SetAlarmOn(int value);
    static void SetAlarmPopup(int value);
    static void SetACCPopup(int value);
    static void SetCodeLink(int value);
    static int GetCodeLink();
    // A path that does not fit the record's 260 bytes leaves the stored one untouched.
    static void SetSoundFile(const char* path);

    // --- fonts and windows --------------------------------------------------------------
    // normal != 0: weight 400, else weight 700; both 12 px "굴림체". Owned by the store.
    static CFont* GetDefaultFont(int normal);
    static void SetMainFrameHandle(HWND hWnd);
    static HWND GetMainFrameHandle();
    static void SetOrdAlarmHandel(HWND hWnd);
    static HWND GetOrdAlarmHandel();

    // --- named values -------------------------------------------------------------------
    static void SetSharedData(CString key, CString value);
    // The value, empty when absent; with take 1 a found key is removed after reading.
    static CString GetSharedData(CString key, int take);
    static void DelSharedData(CString key);

    // --- accounts -----------------------------------------------------------------------
    static void RegistAccount(const char* number, const char* name, const char* third, char flag, char kind,
                              const char* key);
    static int GetAccountCount();
    static int GetAccount(int index, tagAccount** out);
    static tagAccount* GetAccount(const char* key);
    static int GetAccPwd(const char* key, char* buf, int size);

    // --- coin master (never filled in this system) --------------------------------------
    static void SetRecentCode(_API_CODE_INFO* code);
    static _API_CODE_INFO* GetRecentCode();
    static CAPICodeMap& GetStockMap();
    static _API_CODE_INFO* GetStockCodeInfo(const char* code);
    static int GetCodeMarketType(const char* code);

    // --- derivatives masters (never filled in this system) ------------------------------
    static void RegistCode(tagFmtCode* record);
    static CFmtCodeArray& GetFutureLst();
    static CFmtCodeArray& GetCallOptLst();
    static CFmtCodeArray& GetPutOptLst();
    static CFmtCodeArray& GetSpreadLst();
    static tagOptInfo* GetOptPrcInfo();
    // NULL unless the code is 5 characters; the code is compared in upper case (the caller's
    // text is not changed).
    static tagFmtCode* GetCodeInfo(const char* code);
    static char GetCodeType(const char* code);
    static const char* GetNextFutCode(const char* code);
    static const char* GetIndexName(const char* code);
    static int GetStrike(const char* code, char* out, int byShortCode);
    static const char* GetSimpleCode(const char* code);
    // Writes an 8-character code and its terminator into out (at least 10 bytes).
    static void GetItemCode(char kind, WORD year, WORD month, const char* underlying, char* out);
    static int LoadMaster();
    static int LoadFOMaster(CString path);
    static void Initialize();
    static void UnLoadMaster();
    static void GetOptCodes();
    static void GetOptMonths();
    static void GetStrikes();

    // --- members ------------------------------------------------------------------------
    static char* m_lpszID;
    static char* m_lpszPwd;
    static char m_szUserPwd[260];
    static DWORD m_nUserPwdSize;
    static char m_szUserName[32];
    static char m_szResidentNo[12];
    static char m_szAlias[32];
    static char m_szLastLoginTime[20];
    static CString m_strServerMessage;
    static DWORD m_dwUserType;
    static int m_nAdmin;
    static int m_bIsForTest;
    static int m_nWendralExpireDate;
    static char m_szWendralAccountNo[13];
    static char m_szWendralAcntName[51];
    static char m_szTarrowID[51];

    static char* m_lpszLocalIP;
    static char m_szPublicIP[16];
    static int m_nIRS;
    static char m_szBranchIP[16];
    static char m_szExclusiveSals[4];
    static char m_szHeadquarter[4];
    static char m_szAgent[4];

    static char m_szToday[12];
    static char m_szMkDate[12];

    static _ST_SETUPINFO* m_pstInfo;
    static CFont* m_pDefaultFont[2];
    static HWND m_hWndMainFrame;
    static HWND m_hOrdAlarm;

    static _API_CODE_INFO* m_pRecentCode;
    static CAPICodeMap m_arrayAPIStockMaster;
    static CFmtCodeArray s_arrayFutureMaster;
    static CFmtCodeArray s_arCOPIdxCde;
    static CFmtCodeArray s_arPOPIdxCde;
    static CFmtCodeArray s_arSrdIdxCde;
    static CMapStringToString m_mapIndexCode;
    static tagOptInfo s_OptInfo;

    static CAccountArray m_arAccount;
    static CMapStringToString m_arrSharedData;

private:
    // Deletes the registered derivatives records (the store's destructor).
    static void FreeCodeMasters();

    CSharedData(const CSharedData&) = delete;
    CSharedData& operator=(const CSharedData&) = delete;
};
