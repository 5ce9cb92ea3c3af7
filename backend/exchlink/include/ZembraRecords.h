// Fixed records that ExchLink's market-data feeds send to windows, and the messages carrying them.
// Every text field is left-aligned, blank-filled to its width, cut at the width and has no
// terminator; numbers stay the exchange's decimal text. A record handed over in a message is
// valid only during the call: the receiver copies what it keeps.
#pragma once

#include <windows.h>

// wParam: the record(s), lParam: their total length in bytes.
#define WM_APIDATA_TICKER 2138   // one tagTickerInfo; for "ALL" n records one after another
#define WM_APIDATA_FILLLIST 1139 // one tagFillListInfo
#define WM_APIDATA_HOGA 1140     // one tagHogaInfo
// wParam: one tagAPIErrorNotice, lParam: 0; sent to the window given to SetMainHWND.
#define WM_APIERROR_NOTICE (WM_USER + 117)

#pragma pack(push, 1)

// The ticker of one coin (230 bytes).
struct tagTickerInfo
{
    char szCoinCode[10];
    char szTime[12]; // "hh:mm:ss" of the reply's data.date, local time
    char szOpeningPrice[12];
    char szClosingPrice[12]; // the last price
    char szMinPrice[12];
    char szMaxPrice[12];
    char szAveragePrice[16];
    char szUnitsTraded[40];
    char szVolume1Day[40];
    char szVolume7Day[40];
    char szBuyPrice[12];
    char szSellPrice[12];
};

// One trade of a coin (59 bytes).
struct tagFillSlot
{
    char szTransactionDate[20];
    char szType[3];
    char szUnitsTraded[12];
    char szPrice[12];
    char szTotal[12];
};

#define FILLLIST_SLOTS 10

// The latest trades of one coin (600 bytes); slots after the last trade given stay blank.
struct tagFillListInfo
{
    char szCoinCode[10];
    tagFillSlot slot[FILLLIST_SLOTS];
};

// One price level of an order book (24 bytes).
struct tagHogaLevel
{
    char szPrice[12];
    char szQuantity[12];
};

#define HOGA_LEVELS 10

// The order book of one coin (502 bytes); levels after the last one given stay blank.
struct tagHogaInfo
{
    char szOrderCurrency[10];
    char szTime[12]; // "hh:mm:ss" of the reply's timestamp, local time
    tagHogaLevel bid[HOGA_LEVELS];
    tagHogaLevel ask[HOGA_LEVELS];
};

// An error the exchange reported for a market-data request (260 bytes, blank-filled fields).
struct tagAPIErrorNotice
{
    char szTime[10];     // local time of the parse, "hh:mm:ss"
    char szTitle[50];    // which feed: "Zembra TICKER API 에러" and its two siblings
    char szMessage[200]; // the exchange's "message" in the ANSI code page
};

#pragma pack(pop)

static_assert(sizeof(tagTickerInfo) == 230, "tagTickerInfo is 230 bytes");
static_assert(sizeof(tagFillSlot) == 59, "tagFillSlot is 59 bytes");
static_assert(sizeof(tagFillListInfo) == 600, "tagFillListInfo is 600 bytes");
static_assert(sizeof(tagHogaLevel) == 24, "tagHogaLevel is 24 bytes");
static_assert(sizeof(tagHogaInfo) == 502, "tagHogaInfo is 502 bytes");
static_assert(sizeof(tagAPIErrorNotice) == 260, "tagAPIErrorNotice is 260 bytes");
