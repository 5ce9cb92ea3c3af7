// The process-wide resource search chain: the program's resource module, then the extension
// libraries that registered a CDynLinkLibrary (newest first, system libraries last).
#include "afxwin.h"
#include "wndimpl_.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace {

struct Chain
{
    CRITICAL_SECTION lock;
    CDynLinkLibrary* pHead = NULL;
    HINSTANCE hResource = NULL; // null: the program's module
    Chain() { ::InitializeCriticalSection(&lock); }
    ~Chain() { ::DeleteCriticalSection(&lock); }
};

Chain& TheChain()
{
    static Chain chain;
    return chain;
}

class ChainLock
{
public:
    ChainLock() { ::EnterCriticalSection(&TheChain().lock); }
    ~ChainLock() { ::LeaveCriticalSection(&TheChain().lock); }
};

} // namespace

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    HINSTANCE hRes = TheChain().hResource;
    return hRes != NULL ? hRes : ::GetModuleHandleA(NULL);
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    TheChain().hResource = hInstResource;
}

int AfxGetChainModules_(HMODULE* phModules, int nMax)
{
    int n = 0;
    if (n < nMax)
        phModules[n++] = AfxGetResourceHandle();
    ChainLock lock;
    for (int pass = 0; pass < 2; pass++) {
        for (CDynLinkLibrary* p = TheChain().pHead; p != NULL; p = p->m_pNextDLL) {
            if ((p->m_bSystem != 0) == (pass == 1) && p->m_hResource != NULL && n < nMax)
                phModules[n++] = p->m_hResource;
        }
    }
    return n;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HMODULE modules[64];
    int n = AfxGetChainModules_(modules, 64);
    for (int i = 0; i < n; i++) {
        if (::FindResourceA(modules[i], lpszName, lpszType) != NULL)
            return modules[i];
    }
    return AfxGetResourceHandle();
}

HINSTANCE AfxGetPlatformModule_()
{
    static const char anchor = 0;
    HMODULE hModule = NULL;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         &anchor, &hModule);
    return hModule;
}

HINSTANCE AfxFindClassInstance_(LPCTSTR lpszClass, HINSTANCE hDefault)
{
    if (lpszClass == NULL || IS_INTRESOURCE(lpszClass))
        return hDefault;
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    if (::GetClassInfoExA(hDefault, lpszClass, &wc))
        return hDefault;
    HMODULE candidates[66];
    int n = 0;
    candidates[n++] = ::GetModuleHandleA(NULL);
    candidates[n++] = AfxGetPlatformModule_();
    n += AfxGetChainModules_(candidates + n, 64);
    for (int i = 0; i < n; i++) {
        if (::GetClassInfoExA(candidates[i], lpszClass, &wc))
            return candidates[i];
    }
    return hDefault;
}

/////////////////////////////////////////////////////////////////////////////
// Extension libraries

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = NULL;
    state.pFirstSharedFactory = NULL;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    (void)bAll; // every library object of the module goes, whichever thread made it
    if (!state.bInitialized)
        return;
    for (;;) {
        CDynLinkLibrary* pFound = NULL;
        {
            ChainLock lock;
            for (CDynLinkLibrary* p = TheChain().pHead; p != NULL; p = p->m_pNextDLL) {
                if (p->m_hModule == state.hModule) {
                    pFound = p;
                    break;
                }
            }
        }
        if (pFound == NULL)
            break;
        delete pFound; // unlinks itself
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(NULL)
{
    ChainLock lock;
    m_pNextDLL = TheChain().pHead;
    TheChain().pHead = this;
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(NULL)
{
    ChainLock lock;
    m_pNextDLL = TheChain().pHead;
    TheChain().pHead = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    ChainLock lock;
    for (CDynLinkLibrary** pp = &TheChain().pHead; *pp != NULL; pp = &(*pp)->m_pNextDLL) {
        if (*pp == this) {
            *pp = m_pNextDLL;
            break;
        }
    }
}
