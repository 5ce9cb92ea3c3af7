// Reading the exchange's JSON replies safely: anything that is not what is expected reads as
// the empty text, and nothing throws. Shared by every reader of the exchange's replies.
#pragma once

#include <afx.h>
#include <json/json.h>

// Parses the text with the reader's default features; false for anything that does not parse,
// the reader's own exceptions included (nesting beyond its depth limit ends in one). root is
// null after a failure.
bool ParseJson(const char* pText, int nLength, Json::Value& root);
// True when the text parses as JSON (ParseJson).
bool ParsesAsJson(const char* pText, int nLength);
// Parses the text into root; true only for a JSON object.
bool ParseObject(const char* pText, int nLength, Json::Value& root);
// The member's text when obj is an object and the member a string, else "".
const char* MemberText(const Json::Value& obj, const char* pszName);
// The member itself when obj is an object that has it, else a null value.
const Json::Value& Member(const Json::Value& obj, const char* pszName);
// "status" read as a decimal number (0 when missing or not a string).
int StatusNumber(const Json::Value& root);
