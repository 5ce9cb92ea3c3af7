// The asset balance shown by screen 2000 and by the balance page of screen 1000's account tab
// window: the signed balance request of every coin, its reading into per-coin records and won
// sums, and the summary and per-coin grids both places build the same way.
#pragma once

#include <afxwin.h>

#include <vector>

class CGridTable;
class CMapView;
class CWideAmountList;

#pragma pack(push, 1)
// One row of the per-coin grid (96 bytes). The won fields hold the amount cut to 32 bits; the
// grid shows the exact amount kept beside the record (CWideAmountList).
struct BALANCE_RECORD
{
    char szName[50]; // display name, blank-padded
    double dTotalUnits;
    int nTotalAmount;
    double dInUseUnits;
    int nInUseAmount;
    double dAvailableUnits;
    int nAvailableAmount;
    char szCode[10]; // upper-case coin code, blank-padded
};
#pragma pack(pop)
static_assert(sizeof(BALANCE_RECORD) == 96, "the balance record is 96 bytes on every target");

// Control ids of both balance layouts.
#define IDC_BALANCE_QUERY 1000
#define IDC_BALANCE_SUMMARY 1001
#define IDC_BALANCE_COINS 1002

#define BALANCE_COIN_COUNT 12
// The reply's lower-case coin keys in the grid's row order.
extern const char* const BALANCE_COINS[BALANCE_COIN_COUNT];

// One coin of a read reply: its record and the exact won amounts of its three fields.
struct BalanceCoin
{
    BALANCE_RECORD record;
    LONGLONG llTotal;
    LONGLONG llInUse;
    LONGLONG llAvailable;
};

struct BalanceReply
{
    enum Outcome { FAILED, REFUSED, DONE };
    Outcome outcome;
    CString strMessage; // a refusal's "message" as received (UTF-8)
    std::vector<BalanceCoin> coins;
    LONGLONG llKrw;     // available won
    LONGLONG llCoinSum; // sum of the coins' total amounts
};

// Reads a reply of "/info/balance" (the rows' names left blank): DONE with every coin, REFUSED with the exchange's message
// for a nonzero status, FAILED for anything that cannot be read (empty, not JSON, a missing
// status, message or coin key, a value that is not a text where a text belongs, an
// "available_krw" that is not a number within 64 bits).
void ReadBalanceReply(const CString& reply, BalanceReply& out);

// The two grids of a balance layout and the query they show.
class CBalanceGrids
{
public:
    CBalanceGrids();

    // The per-coin grid's own object, for the view's GetSubControl; NULL for other ids.
    static CWnd* MakeSubControl(WORD id);
    // Looks up and sets up the layout's grids (either may be missing).
    void Setup(CMapView* view);
    // Sends the balance request and reads its reply, rows named.
    static void Query(BalanceReply& out);
    // The coins' display names from the coin manager, blank-padded into their records.
    static void NameCoins(BalanceReply& reply);
    // Shows a read reply: on DONE every row (replacing the old ones) and the summary; other
    // outcomes leave the grids as they were.
    void Show(const BalanceReply& reply);

    CGridTable* GetSummary() const { return m_pSummary; }
    CWideAmountList* GetCoinGrid() const { return m_pCoins; }

protected:
    void SetSummaryCell(UINT col, LONGLONG amount);

    CGridTable* m_pSummary;
    CWideAmountList* m_pCoins;
};
