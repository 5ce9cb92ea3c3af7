// Readings of the exchange's JSON replies shared by the screens: the reply object, its status,
// won amounts and the number texts of its fields. Every reading reports a value it cannot take
// instead of raising, so a malformed reply takes the screen's failure path.
#pragma once

#include <afx.h>

#include <json/json.h>

// The reply text as a JSON object; FALSE for an empty text, invalid JSON or another value.
BOOL ParseExchangeReply(const CString& reply, Json::Value& root);
// The "status" text read as a whole number ("0000" gives 0); a text that is not all digits
// ("ERR", "") is a refusal (-1). FALSE when the reply holds no status text.
BOOL ReadReplyStatus(const Json::Value& root, long& status);
// A won amount given as a JSON number: an integer unchanged, a real cut toward zero, true 1,
// false 0, null 0; FALSE for a text, an array, an object or a number beyond 64 bits.
BOOL JsonToWonAmount(const Json::Value& value, LONGLONG& amount);
// a + b kept within 64 bits (at the nearest end).
LONGLONG AddWon(LONGLONG a, LONGLONG b);
// A won amount within the 32-bit range of a record field (cut at its ends).
int CutToInt32(LONGLONG amount);
// The leading whole number of a text ("12.9" reads 12, "abc" 0); beyond 64 bits it stays at
// the nearest end.
LONGLONG TextToWhole(const char* text);
// The leading decimal number of a text in plain notation ("1.5e3x" reads 1500); a text without
// one, "NaN", "inf", a hexadecimal text or a number beyond a double read 0.
double TextToDecimal(const char* text);
