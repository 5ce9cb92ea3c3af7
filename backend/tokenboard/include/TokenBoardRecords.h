// Records and messages that TokenBoard shares with the main program and the screens.
// Numbers are in the machine's byte order. Texts of _AUTO_SIGNAL are zero-filled and its coin
// code, name and date-time always zero-terminated; those of COIN_ORD_INFO are blank-filled, cut
// at their width and carry no terminator.
#pragma once

#include <stddef.h>
#include <windows.h>

// Sent to the order-alarm window (CSharedData::GetOrdAlarmHandel): wParam a COIN_ORD_INFO valid
// during the call, lParam 0.
#define WM_ORDER_ALARM (WM_USER + 121)
// Relayed to the open screens through the main frame's WM_RELAY_TO_SCREENS: wParam 1144, lParam
// the log entry (_AUTO_SIGNAL*) of the new signal, or 0 after a reset.
#define WM_AUTOSIGNAL_CHANGED (WM_USER + 120)

// Transaction of the recommended-coin list; real-time codes of the server's trading orders.
#define TR_RCMD_COIN_LIST 1110
#define RD_AUTO_SIGNAL 100
#define RD_SETTLEMENT 200
#define RD_FORCED_SELL 300

// Body lengths of the real-time codes: shorter bodies are dropped.
#define AUTO_SIGNAL_BODY_LEN 195
#define SETTLEMENT_BODY_LEN 26
#define FORCED_SELL_BODY_LEN 38
// One coin code of the reply to transaction 1110.
#define RCMD_COIN_CODE_LEN 24

#pragma pack(push, 1)

// One automatic-trading signal of a coin (139 bytes), kept by CRcmdCoinManager and read by the
// trading screen.
struct _AUTO_SIGNAL
{
    char szCoinCode[24];   // trimmed coin code, zero-terminated
    char szCoinName[50];   // display name (CRcmdCoinManager::GetCoinName), zero-terminated
    char cKind;            // '0' target price update, '1' buy, '2' sell
    char szSignalCode[4];  // "B001" opens a position; zero-filled, no room for a terminator
    char szDateTime[16];   // YYYYMMDDhhmmss, zero-terminated
    int nBuyPrice;         // expected buy price
    double dPercent;       // share of the available money a buy spends, percent
    int nField73;          // carried to the screens
    int nField97;
    int nTargetPrice;      // expected target price
    int nField123;
    int nField147;
    int nField171;
    int nOrdered;          // 1 while a position bought on a signal is watched, else 0
    int nAutoMode;         // mode the position was bought under: 1 amount, 2 coin, 0 none
};

// One order event shown by the order alarm (390 bytes).
struct COIN_ORD_INFO
{
    char szCoinName[50];  // display name
    char szSide[10];      // "매수" or "매도"
    char szOrderID[30];   // blank on failure
    char szContID[10];    // execution id, blank on failure
    int nPrice;           // fill price; 0 on failure
    double dUnits;        // fill units; 0 on failure
    int nTotal;           // fill total in won; 0 on failure
    double dFee;          // fill fee; 0 on failure
    char szMessage[256];  // the failure or success text
    char szCoinCode[10];
};

#pragma pack(pop)

static_assert(sizeof(_AUTO_SIGNAL) == 139, "_AUTO_SIGNAL is 139 bytes");
static_assert(sizeof(COIN_ORD_INFO) == 390, "COIN_ORD_INFO is 390 bytes");

static_assert(offsetof(_AUTO_SIGNAL, dPercent) == 99 && offsetof(_AUTO_SIGNAL, nOrdered) == 131,
              "_AUTO_SIGNAL layout");
static_assert(offsetof(COIN_ORD_INFO, nPrice) == 100 && offsetof(COIN_ORD_INFO, szMessage) == 124 &&
                  offsetof(COIN_ORD_INFO, szCoinCode) == 380,
              "COIN_ORD_INFO layout");
