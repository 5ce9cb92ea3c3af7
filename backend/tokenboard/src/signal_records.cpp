#include "signal_records.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>

#include <limits>

namespace tokenboard {

namespace {

struct CoinName
{
    const char* code;
    const char* name;
};

const CoinName kCoinNames[] = {
    {"BTC", "비트코인(BTC)"},       {"BCH", "비트코인캐시(BCH)"}, {"BTG", "비트코인골드(BTG)"},
    {"ETH", "이더리움(ETH)"},       {"ETC", "이더리움클래식(ETC)"}, {"XRP", "리플(XRP)"},
    {"LTC", "라이트코인(LTC)"},     {"DASH", "대시(DASH)"},        {"XMR", "모네로(XMR)"},
    {"ZEC", "지캐시(ZEC)"},         {"QTUM", "퀀텀(QTUM)"},        {"EOS", "이오스(EOS)"},
};

// Offsets and widths of the code-100 body.
enum
{
    kBodyCode = 0, kBodyKind = 24, kBodySignal = 25, kBodyDate = 29, kBodyTime = 37,
    kBodyBuyPrice = 43, kBodyPercent = 67, kBody73 = 73, kBody97 = 97, kBodyTarget = 99,
    kBody123 = 123, kBody147 = 147, kBody171 = 171
};

// How many bytes of the text fit into nMax bytes without splitting a double-byte character.
int FittingLength(LPCSTR pszText, int nMax)
{
    int len = 0;
    while (pszText[len] != '\0')
    {
        int step = IsDBCSLeadByte(static_cast<BYTE>(pszText[len])) && pszText[len + 1] != '\0' ? 2 : 1;
        if (len + step > nMax)
            break;
        len += step;
    }
    return len;
}

// Writes text into a width-byte field of a signal: zero-filled, at most nMax bytes of text.
void PutSignalText(char* pField, int nWidth, int nMax, LPCSTR pszText)
{
    memset(pField, 0, nWidth);
    memcpy(pField, pszText, FittingLength(pszText, nMax));
}

// The screens read these fields as zero-terminated texts: a terminator always follows.
template <int nWidth>
void PutTerminated(char (&field)[nWidth], LPCSTR pszText)
{
    PutSignalText(field, nWidth, nWidth - 1, pszText);
}

} // namespace

CString FieldText(const BYTE* pField, int nLen)
{
    const char* text = reinterpret_cast<const char*>(pField);
    const void* zero = memchr(text, 0, nLen);
    CString field(text, zero ? static_cast<int>(static_cast<const char*>(zero) - text) : nLen);
    field.Trim();
    return field;
}

int FieldInt(const BYTE* pField, int nLen)
{
    CString text = FieldText(pField, nLen);
    const char* begin = text;
    char* end = NULL;
    errno = 0;
    long long value = strtoll(begin, &end, 10);
    if (end == begin)
        return 0;
    if (errno == ERANGE)
        return value < 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    return SaturateInt(value);
}

double FieldDouble(const BYTE* pField, int nLen)
{
    CString text = FieldText(pField, nLen);
    const char* begin = text;
    char* end = NULL;
    double value = strtod(begin, &end);
    return end == begin ? 0 : value;
}

void PutText(char* pField, int nWidth, LPCSTR pszText)
{
    memset(pField, ' ', nWidth);
    if (pszText == NULL)
        return;
    memcpy(pField, pszText, FittingLength(pszText, nWidth));
}

CString RecordText(const char* pField, int nWidth)
{
    return FieldText(reinterpret_cast<const BYTE*>(pField), nWidth);
}

int SaturateInt(LONGLONG nValue)
{
    if (nValue > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (nValue < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(nValue);
}

CString BodyLogText(const BYTE* pBody, int nLen)
{
    CString text(reinterpret_cast<const char*>(pBody), nLen);
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] == '\0')
            text.SetAt(i, ' ');
    return text;
}

CString SignalCoinCode(const _AUTO_SIGNAL& signal)
{
    return RecordText(signal.szCoinCode, sizeof signal.szCoinCode);
}

CString CoinDisplayName(const CString& strCode)
{
    CString code = strCode;
    code.Trim();
    code.MakeUpper();
    for (const CoinName& entry : kCoinNames)
        if (code == entry.code)
            return entry.name;
    return CString();
}

void ReadSignalBody(const BYTE* pBody, _AUTO_SIGNAL& signal)
{
    memset(&signal, 0, sizeof signal);
    CString code = FieldText(pBody + kBodyCode, 24);
    PutTerminated(signal.szCoinCode, code);
    PutTerminated(signal.szCoinName, CoinDisplayName(code));
    signal.cKind = static_cast<char>(pBody[kBodyKind]);
    // "B001" fills the field: the code keeps all four bytes and is read by its width.
    PutSignalText(signal.szSignalCode, sizeof signal.szSignalCode, sizeof signal.szSignalCode,
                  FieldText(pBody + kBodySignal, 4));
    PutTerminated(signal.szDateTime, FieldText(pBody + kBodyDate, 8) + FieldText(pBody + kBodyTime, 6));
    signal.nBuyPrice = FieldInt(pBody + kBodyBuyPrice, 24);
    signal.dPercent = FieldDouble(pBody + kBodyPercent, 6);
    signal.nField73 = FieldInt(pBody + kBody73, 24);
    signal.nField97 = FieldInt(pBody + kBody97, 2);
    signal.nTargetPrice = FieldInt(pBody + kBodyTarget, 24);
    signal.nField123 = FieldInt(pBody + kBody123, 24);
    signal.nField147 = FieldInt(pBody + kBody147, 24);
    signal.nField171 = FieldInt(pBody + kBody171, 24);
}

void MakeServerOrderSignal(const CString& strCode, char cKind, _AUTO_SIGNAL& signal)
{
    memset(&signal, 0, sizeof signal);
    PutTerminated(signal.szCoinCode, strCode);
    PutTerminated(signal.szCoinName, CoinDisplayName(strCode));
    signal.cKind = cKind;
}

bool MakeRealKey(const CString& strCode, char (&key)[kRealKeyWidth + 1])
{
    memset(key, 0, sizeof key);
    if (strCode.IsEmpty() || strCode.GetLength() > kRealKeyWidth || strCode.Find(',') >= 0)
        return false;
    PutText(key, kRealKeyWidth, strCode);
    return true;
}

CString SideText(const _AUTO_SIGNAL& signal)
{
    return signal.cKind == '1' ? "매수" : "매도";
}

void MakeOrderEvent(const _AUTO_SIGNAL& signal, LPCSTR pszMessage, COIN_ORD_INFO& info)
{
    memset(&info, 0, sizeof info);
    PutText(info.szCoinName, sizeof info.szCoinName, RecordText(signal.szCoinName, sizeof signal.szCoinName));
    PutText(info.szSide, sizeof info.szSide, SideText(signal));
    PutText(info.szOrderID, sizeof info.szOrderID, "");
    PutText(info.szContID, sizeof info.szContID, "");
    PutText(info.szMessage, sizeof info.szMessage, pszMessage);
    PutText(info.szCoinCode, sizeof info.szCoinCode, RecordText(signal.szCoinCode, sizeof signal.szCoinCode));
}

void MakeFillEvent(const _AUTO_SIGNAL& signal, LPCSTR pszOrderId, const OrderFill& fill, LPCSTR pszMessage,
                   COIN_ORD_INFO& info)
{
    MakeOrderEvent(signal, pszMessage, info);
    PutText(info.szOrderID, sizeof info.szOrderID, pszOrderId);
    PutText(info.szContID, sizeof info.szContID, fill.contId);
    info.nPrice = SaturateInt(fill.price);
    info.dUnits = fill.units;
    info.nTotal = SaturateInt(fill.total);
    info.dFee = fill.fee;
}

} // namespace tokenboard
