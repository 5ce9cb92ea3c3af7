// The trade history shown by screen 2001 and by the trade page of screen 1000's account tab
// window: the coin and kind choices, the signed request of one coin's recent transactions, its
// reading into records (buys and sells only) and the result grid.
#pragma once

#include <afxwin.h>

#include <vector>

class CMapView;
class CSComboBox;
class CWideAmountList;

#pragma pack(push, 1)
// One row of the result grid (56 bytes). The won fields hold the amount cut to 32 bits; the
// grid shows the exact amount kept beside the record (CWideAmountList).
struct TRADE_RECORD
{
    char szDate[20]; // "%d/%02d/%02d %02d:%02d:%02d", zero-terminated
    int nSearch;     // 1 buy, 2 sell
    double dUnits;   // sign removed
    int nAmount;     // won
    double dPrice;   // won per unit
    double dFee;
    int nKrwRemain; // won after the trade
};
#pragma pack(pop)
static_assert(sizeof(TRADE_RECORD) == 56, "the trade record is 56 bytes on every target");

// Control ids of both trade-history layouts.
#define IDC_TRADE_QUERY 1000
#define IDC_TRADE_COIN 1001
#define IDC_TRADE_KIND_ALL 1002
#define IDC_TRADE_KIND_BUY 1003
#define IDC_TRADE_KIND_SELL 1004
#define IDC_TRADE_GRID 1005

// One listed trade of a read reply: its record and the exact won amounts of its two fields.
struct TradeRow
{
    TRADE_RECORD record;
    LONGLONG llAmount;
    LONGLONG llKrwRemain;
};

struct TradeReply
{
    enum Outcome { FAILED, REFUSED, DONE };
    Outcome outcome;
    BOOL bCleared;      // the reply was not empty: the grid is cleared whatever follows
    CString strMessage; // a refusal's "message" as received (UTF-8)
    std::vector<TradeRow> rows;
};

// "%d/%02d/%02d %02d:%02d:%02d" of the local time of a microsecond count since 1970 given as
// text; empty when the count gives no time.
CString MicrosToDateText(const char* micros);
// The text with every '-' and '+' removed and blanks trimmed at both ends.
CString StripSigns(const char* text);
// Reads a reply of "/info/user_transactions" for a coin (upper-case code): DONE with the buys
// and sells in order (an element that is not an object, lacks one of its keys or holds no text
// there is skipped), REFUSED with the exchange's message for a nonzero status, FAILED for
// anything else that cannot be read.
void ReadTradeReply(const CString& reply, const CString& coin, TradeReply& out);

// The controls of a trade-history layout, the kind chosen and the query they show.
class CTradeGrids
{
public:
    CTradeGrids();

    // The result grid's own object, for the view's GetSubControl; NULL for other ids.
    static CWnd* MakeSubControl(WORD id);
    // Looks up and sets up the combo, the kind choices and the grid (any may be missing).
    void Setup(CMapView* view);
    // A kind choice was clicked (ids 1002 to 1004).
    void ChooseKind(UINT id);
    UINT GetKind() const { return m_nKind; }
    // The coin code of the combo's choice; empty while "------ 선택 ------" is chosen.
    CString SelectedCoin() const;
    // The request parameters of a coin with the kind chosen.
    CString Params(const CString& coin) const;
    // Sends the request for the coin and reads its reply.
    void Query(const CString& coin, TradeReply& out) const;
    // Shows a read reply: a reply that was not empty clears the grid; DONE lists its rows.
    void Show(const TradeReply& reply);

    CSComboBox* GetCombo() const { return m_pCombo; }
    CWideAmountList* GetGrid() const { return m_pGrid; }

    static const char* const NO_COIN_TEXT;
    static const char* const NO_COIN_MESSAGE;

protected:
    CSComboBox* m_pCombo;
    CWideAmountList* m_pGrid;
    UINT m_nKind;
};
