// CString::LoadString: string tables are read directly (any length) from the module that the
// resource chain names, and converted from UTF-16 to the ANSI code page.
#include "afx.h"
#include "wndimpl_.h"

namespace {

// The UTF-16 text of string nID in hInstance's string table, or null when absent or empty.
const WCHAR* FindStringInModule(HINSTANCE hInstance, UINT nID, int* pnLength)
{
    HRSRC hRes = FindResourceA(hInstance, MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6));
    if (hRes == NULL)
        return nullptr;
    HGLOBAL hGlobal = LoadResource(hInstance, hRes);
    if (hGlobal == NULL)
        return nullptr;
    const WCHAR* p = static_cast<const WCHAR*>(LockResource(hGlobal));
    const WCHAR* end = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(p) + SizeofResource(hInstance, hRes));
    if (p == nullptr)
        return nullptr;
    // A block holds 16 strings, each a WORD length and that many UTF-16 units.
    for (UINT i = 0; i < (nID & 15); ++i) {
        if (p >= end)
            return nullptr;
        p += 1 + *p;
    }
    if (p >= end || *p == 0 || p + 1 + *p > end)
        return nullptr;
    *pnLength = *p;
    return p + 1;
}

} // namespace

// Several modules may hold strings of the same 16-string block: the module that holds the
// string itself wins, not the first one that has the block.
HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    HMODULE modules[64];
    int n = AfxGetChainModules_(modules, 64);
    int nLength = 0;
    for (int i = 0; i < n; i++) {
        if (FindStringInModule(modules[i], nID, &nLength) != nullptr)
            return modules[i];
    }
    return AfxGetResourceHandle();
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
    if (hInstance == NULL)
        return FALSE;
    return LoadString(hInstance, nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    int nLength = 0;
    const WCHAR* text = FindStringInModule(hInstance, nID, &nLength);
    if (text == nullptr)
        return FALSE;
    *this = CString(text, nLength);
    return TRUE;
}
