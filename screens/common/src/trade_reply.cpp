// The trade history's reply: the buys and sells of one coin as records, with their won
// amounts cut to the record's fields and kept whole beside them.
#include "HistoryView.h"

#include <cstring>
#include <ctime>

#include "ExchangeReply.h"

namespace {

// The texts of an element's keys; FALSE when one is missing or not a text.
BOOL TextsOf(const Json::Value& element, const char* const* keys, int count, CString* texts)
{
    for (int i = 0; i < count; ++i) {
        const Json::Value& value = element[keys[i]];
        if (!value.isString())
            return FALSE;
        texts[i] = value.asCString();
    }
    return TRUE;
}

} // namespace

CString MicrosToDateText(const char* micros)
{
    // Whole seconds of the count: the fraction of a second is cut.
    const __time64_t seconds = TextToWhole(micros) / 1000000;
    struct tm local;
    if (seconds < 0 || _localtime64_s(&local, &seconds) != 0)
        return CString();
    CString text;
    text.Format("%d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                local.tm_min, local.tm_sec);
    return text;
}

CString StripSigns(const char* text)
{
    CString out(text != NULL ? text : "");
    out.Remove('-');
    out.Remove('+');
    out.Trim(" ");
    return out;
}

void ReadTradeReply(const CString& reply, const CString& coin, TradeReply& out)
{
    out.outcome = TradeReply::FAILED;
    out.bCleared = FALSE;
    out.strMessage.Empty();
    out.rows.clear();
    Json::Value root;
    const BOOL parsed = ParseExchangeReply(reply, root);
    // A reply that came but cannot be read still clears the old rows, as any other reply does.
    out.bCleared = !reply.IsEmpty();
    long status = 0;
    if (!parsed || !ReadReplyStatus(root, status))
        return;
    if (status != 0) {
        const Json::Value& message = root["message"];
        if (message.isString()) {
            out.outcome = TradeReply::REFUSED;
            out.strMessage = message.asCString();
        }
        return;
    }
    const Json::Value& data = root["data"];
    if (!data.isArray())
        return;
    CString low(coin);
    low.MakeLower();
    const CString priceKey = low + "1krw";
    const char* const keys[] = {"search", "transfer_date", "units", "price", priceKey, "fee", "krw_remain"};
    for (Json::ArrayIndex i = 0; i < data.size(); ++i) {
        const Json::Value& element = data[i];
        CString t[7];
        if (!element.isObject() || !TextsOf(element, keys, 7, t))
            continue;
        const LONGLONG search = TextToWhole(t[0]);
        if (search != 1 && search != 2)
            continue;
        TradeRow row;
        memset(&row.record, 0, sizeof row.record);
        TRADE_RECORD& r = row.record;
        lstrcpynA(r.szDate, MicrosToDateText(t[1]), sizeof r.szDate);
        r.nSearch = static_cast<int>(search);
        r.dUnits = TextToDecimal(StripSigns(t[2]));
        row.llAmount = TextToWhole(StripSigns(t[3]));
        r.nAmount = CutToInt32(row.llAmount);
        r.dPrice = TextToDecimal(t[4]);
        r.dFee = TextToDecimal(t[5]);
        row.llKrwRemain = TextToWhole(t[6]);
        r.nKrwRemain = CutToInt32(row.llKrwRemain);
        out.rows.push_back(row);
    }
    out.outcome = TradeReply::DONE;
}

