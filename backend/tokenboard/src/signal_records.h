// Building the records of signals and order events: fixed text fields, the code-100 body, the
// coin names and the real-time keys.
#pragma once

#include <afx.h>

#include "TokenBoardRecords.h"
#include "exchange_replies.h"

namespace tokenboard {

// Real-time keys are a code blank-filled to this width and a terminating zero byte.
const int kRealKeyWidth = 12;

// The len-byte field as text, cut at its first zero byte, blanks trimmed at both ends.
CString FieldText(const BYTE* pField, int nLen);
// The trimmed field read as a decimal integer (its leading integer part), cut to 32 bits.
int FieldInt(const BYTE* pField, int nLen);
// The trimmed field read as a decimal number; 0 when it holds none.
double FieldDouble(const BYTE* pField, int nLen);
// Writes text into a width-byte field, blank-filled, cut at the width but never inside a
// double-byte character.
void PutText(char* pField, int nWidth, LPCSTR pszText);
// A fixed text field (blank-filled, maybe without terminator) as trimmed text.
CString RecordText(const char* pField, int nWidth);
int SaturateInt(LONGLONG nValue);
// A frame body as one log line, zero bytes shown as blanks.
CString BodyLogText(const BYTE* pBody, int nLen);
// The signal's coin code, trimmed.
CString SignalCoinCode(const _AUTO_SIGNAL& signal);

// Display name of a coin code, its case and surrounding blanks ignored; the empty text for an
// unknown code.
CString CoinDisplayName(const CString& strCode);

// The signal of a code-100 body of AUTO_SIGNAL_BODY_LEN bytes; ordered flag and mode 0. Its texts
// are zero-filled; coin code, name and date-time always end in a zero byte.
void ReadSignalBody(const BYTE* pBody, _AUTO_SIGNAL& signal);
// A signal for an order the server ordered itself: zero numbers, the coin and its name.
void MakeServerOrderSignal(const CString& strCode, char cKind, _AUTO_SIGNAL& signal);

// The 13-byte key of a code ("BTC" and nine blanks, then a zero byte); false when the code does
// not fit the key.
bool MakeRealKey(const CString& strCode, char (&key)[kRealKeyWidth + 1]);

// "매수" for a buy signal (kind '1'), else "매도".
CString SideText(const _AUTO_SIGNAL& signal);
// An event that reports a failure (or any text) for the signal's coin.
void MakeOrderEvent(const _AUTO_SIGNAL& signal, LPCSTR pszMessage, COIN_ORD_INFO& info);
// An event of one fill of an accepted order.
void MakeFillEvent(const _AUTO_SIGNAL& signal, LPCSTR pszOrderId, const OrderFill& fill, LPCSTR pszMessage,
                   COIN_ORD_INFO& info);

} // namespace tokenboard
