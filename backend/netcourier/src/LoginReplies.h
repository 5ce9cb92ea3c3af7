// Reading the replies the link's own login dialog receives. Every field is read only when the
// frame holds it; counts are cut to the records the frame really carries.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "NetCourier.h"

namespace login_replies {

const int kHeaderSize = 297;
const int kNumberAt = 42;

// ID and password as the login request carries them: 1 to 8 characters each.
bool IsCredential(const char* text);
// The decimal number of up to `width` bytes at `offset` (atoi of a bounded copy); 0 when the
// field lies beyond the frame.
int NumberAt(const BYTE* frame, int len, int offset, int width = 8);
// Appends the accounts of a reply 5301 (count at [18,26), 40-byte records from 327) or 1905
// (count from 18, 65-byte records from 329); returns how many were appended.
int AppendAccounts5301(const BYTE* frame, int len, CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&>& accounts);
int AppendAccounts1905(const BYTE* frame, int len, CArray<_ACCOUNT_INFO, _ACCOUNT_INFO&>& accounts);
// The computer clock a reply 1901 body carries (date int32 at 235, time int32 at 223, both
// little-endian), with the day of the week of `now`. FALSE for a short body or values that
// are no date and time.
BOOL ServerClock(const BYTE* body, int bodyLen, const SYSTEMTIME& now, SYSTEMTIME& clock);

} // namespace login_replies
