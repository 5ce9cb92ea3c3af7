// The exchange's REST base address for this process (see ZEMBRA_DEFAULT_BASE_URL).
#pragma once

#include <afx.h>

CString ZembraBaseURL();
void ZembraSetBaseURL(LPCSTR pszBaseURL);
