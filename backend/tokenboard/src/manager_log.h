// The server log of the automatic trading.
#pragma once

#include <afx.h>

namespace tokenboard {

void Log(const CString& strText);
// printf-style line.
template <typename... Args>
void LogF(LPCSTR pszFormat, Args&&... args)
{
    CString text;
    text.Format(pszFormat, std::forward<Args>(args)...);
    Log(text);
}

} // namespace tokenboard
