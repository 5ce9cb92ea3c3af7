// Internal: text between the DOM's wide strings and 8-bit strings (thread's ANSI code page).
#pragma once

#include <afx.h>
#include <oleauto.h>

CString BstrToText(BSTR text);
// A new BSTR of the text; the caller frees it with SysFreeString.
BSTR TextToBstr(const char* text);
// String variants converted, 32-bit integers as "%d", doubles as "%f", anything else empty.
CString VariantToText(const VARIANT& value);
