// QueryBroker: the transaction agent. It frames queries with the 297-byte query header, hands
// them to the socket link, keeps the real-time registrations, and routes every reply and
// real-time frame to its windows as WM_COPYDATA.
//
// WM_COPYDATA conventions for every window that sends requests or registers real-time codes
// (all data valid only during the call; a receiver copies what it keeps):
// - status text: wParam 0, dwData CDS_STATUS_TEXT, lpData a NUL-terminated text, cbData its
//   length + 1; one before each request is sent and one before each reply is delivered;
// - query reply: wParam the whole frame (header first), dwData the transaction code, lpData
//   the body behind the 297-byte header, cbData its length;
// - real-time frame: wParam the whole frame (type 'R'), dwData the real-time code, lpData the
//   body behind the 33-byte real-time header, cbData its length.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "QueryBrokerApi.h"

#define CDS_STATUS_TEXT 20000

#define IQ_HEADER_SIZE 297
#define REAL_HEADER_SIZE 33
#define IQ_KEY_MAX 127
#define REAL_KEY_MAX 12

#pragma pack(push, 1)
// The query header of every frame the agent sends, blank-filled, numbers "%08d" cut to 8.
struct _IQ_HEADER
{
    char szLength[8];   // [0,8) total frame length, header included
    char szTrCode[8];   // [8,16) transaction or real-time code
    char cDataType;     // [16] 'I' inquiry, 'O' order, 'G'/'F' (un)registration, 'R' real-time
    char cReserved;     // [17]
    char reserved1[8];  // [18,26)
    char szConnNo[8];   // [26,34) connection number, at least 1
    char reserved2[16]; // [34,50)
    char szWindow[8];   // [50,58) the reply window's token, which the server echoes
    char cReserved2;    // [58]
    BYTE cKeyLength;    // [59] key length as one raw byte
    char szKey[190];    // [60,250)
    char szUserID[8];   // [250,258) (a longer user ID runs on over the site ID)
    char szSiteID[8];   // [258,266)
    char reserved3[31]; // [266,297)
};
#pragma pack(pop)

static_assert(sizeof(_IQ_HEADER) == IQ_HEADER_SIZE, "query header layout");

// The real-time registration store (code -> key -> windows).
class CHandleManager;

class QUERYBROKER_API CTRAgent : public CWnd
{
public:
    CTRAgent();
    virtual ~CTRAgent();

    // Registers the window class once and creates the message-only window "TRAgent".
    int Create();

    // Sends one query: a status text to `reply` first, then the frame (key may be null; conn
    // -1 chooses the connection by the type letter). 1 when the socket link took the frame.
    static int RequestQueryData(WORD trCode, BYTE type, HWND reply, const char* key, BYTE* data, int len,
                                int conn = -1);
    static int GetDataType(_IQ_HEADER* frame);
    static int GetSocketIndex(BYTE type);
    static void SendMsgToControl(HWND window, const char* text);
    static void LogData(CString tag, BYTE* frame, int len);
    static void GetFormattedIP(char* out);

    // Real-time registrations (keys separated by ',').
    static void SetRealData(WORD code, BYTE type, HWND window, BYTE* keys, int len);
    static void ResetRealData(WORD code, const CString& keys, HWND window);
    static void DeleteTRCodeKey(WORD code, const CString& keys);
    static void ResetAll();
    static void SetRealAll();
    static void ReceiveRealData(BYTE* frame, int len);
    static void ReceiveQueryData(BYTE* frame, int len);

    static CHandleManager* m_Manager;
    static int m_bRegisted;
    static CString m_strClassName;
    static CString m_strSiteID;
    static char m_szID[40];

protected:
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnSocketClosed(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static BOOL RegisterControl();
};
