// The web browser host: the browser control in place in a child window, navigation, HTML text
// through the document's stream, and the browser's commands.
#include "WebBrowser.h"

#include <mshtml.h>
#include <ole2.h>

#include <cstring>
#include <new>
#include <vector>

#include "explorer_site.h"

namespace {

// The web browser control and the HTML document object of the browser engine.
const CLSID kWebBrowserControl = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
const CLSID kHtmlDocument = {0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};
const IID kWebBrowser2 = {0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

const char kNoBrowser[] = "웹 브라우저를 사용할 수 없습니다.";
// How long a blank page may take to appear before loading text into it gives up.
const DWORD kBlankPageMs = 5000;

enum : long {
    CMD_PRINT = 6,
    CMD_PRINTPREVIEW = 7,
    CMD_ZOOM = 19,
    CMD_FIND = 32,
    CMD_ZOOMIN = 50,
    CMD_OPTICAL_ZOOM = 63,
};
enum : long { OPT_PROMPTUSER = 1, OPT_DONTPROMPTUSER = 2 };

BSTR ToBstr(LPCTSTR text)
{
    const int cch = ::MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
    if (cch <= 0)
        return NULL;
    std::vector<WCHAR> wide(cch);
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), cch);
    return ::SysAllocString(wide.data());
}

// Runs the thread's messages for up to ms; FALSE when the thread was asked to quit (the quit
// message is put back for the loop that owns it).
BOOL PumpFor(DWORD ms)
{
    ::MsgWaitForMultipleObjects(0, NULL, FALSE, ms, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return FALSE;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

} // namespace

// --- CExplorer ------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CExplorer, CWnd)

BEGIN_MESSAGE_MAP(CExplorer, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CExplorer::CExplorer() : m_pObject(NULL), m_pBrowser(NULL), m_pSite(NULL) {}

CExplorer::~CExplorer()
{
    DestroyWindow();
    DestroyBrowser();
}

LPCTSTR CExplorer::NoBrowserMessage()
{
    return kNoBrowser;
}

BOOL CExplorer::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (!CWnd::Create(lpszClass, kNoBrowser, dwStyle | WS_CHILD | WS_CLIPCHILDREN, rect, pParentWnd, nID, pContext))
        return FALSE;
    if (CreateBrowser()) {
        SetWindowText("");
        return TRUE;
    }
    Invalidate();
    return FALSE;
}

BOOL CExplorer::CreateBrowser()
{
    if (FAILED(::CoCreateInstance(kWebBrowserControl, NULL, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                  reinterpret_cast<void**>(&m_pObject))) ||
        m_pObject == NULL) {
        m_pObject = NULL;
        return FALSE;
    }
    m_pSite = new (std::nothrow) CExplorerSite(m_hWnd);
    CRect rcClient;
    GetClientRect(&rcClient);
    BOOL bDone = m_pSite != NULL && SUCCEEDED(m_pObject->SetClientSite(m_pSite)) &&
                 SUCCEEDED(m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, NULL, m_pSite, 0, m_hWnd, &rcClient)) &&
                 SUCCEEDED(m_pObject->QueryInterface(kWebBrowser2, reinterpret_cast<void**>(&m_pBrowser))) &&
                 m_pBrowser != NULL;
    if (bDone) {
        // A control without the engine that draws its pages would stay an empty window.
        IClassFactory* pEngine = NULL;
        bDone = SUCCEEDED(::CoGetClassObject(kHtmlDocument, CLSCTX_INPROC_SERVER, NULL, IID_IClassFactory,
                                             reinterpret_cast<void**>(&pEngine))) &&
                pEngine != NULL;
        if (pEngine != NULL)
            pEngine->Release();
    }
    if (!bDone)
        DestroyBrowser();
    return bDone;
}

void CExplorer::DestroyBrowser()
{
    if (m_pBrowser != NULL) {
        m_pBrowser->Release();
        m_pBrowser = NULL;
    }
    if (m_pObject != NULL) {
        IOleInPlaceObject* pInPlace = NULL;
        if (SUCCEEDED(m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&pInPlace))) &&
            pInPlace != NULL) {
            pInPlace->InPlaceDeactivate();
            pInPlace->Release();
        }
        m_pObject->Close(OLECLOSE_NOSAVE);
        m_pObject->SetClientSite(NULL);
        m_pObject->Release();
        m_pObject = NULL;
    }
    if (m_pSite != NULL) {
        m_pSite->Detach();
        m_pSite->Release();
        m_pSite = NULL;
    }
}

int CExplorer::LiveSites()
{
    return static_cast<int>(CExplorerSite::LiveCount());
}

BOOL CExplorer::Navigate(LPCTSTR lpszURL)
{
    if (m_pBrowser == NULL || lpszURL == NULL)
        return FALSE;
    BSTR url = ToBstr(lpszURL);
    if (url == NULL)
        return FALSE;
    VARIANT empty;
    ::VariantInit(&empty);
    HRESULT hr = E_FAIL;
    try {
        hr = m_pBrowser->Navigate(url, &empty, &empty, &empty, &empty);
    } catch (...) {
        hr = E_UNEXPECTED;
    }
    ::SysFreeString(url);
    return SUCCEEDED(hr);
}

LPDISPATCH CExplorer::GetDocument()
{
    if (m_pBrowser == NULL)
        return NULL;
    IDispatch* pDocument = NULL;
    if (FAILED(m_pBrowser->get_Document(&pDocument)))
        return NULL;
    return pDocument;
}

HRESULT CExplorer::ExecWB(long nCmd, long nOption, VARIANT* pvaIn, VARIANT* pvaOut)
{
    if (m_pBrowser == NULL)
        return E_FAIL;
    try {
        return m_pBrowser->ExecWB(static_cast<OLECMDID>(nCmd), static_cast<OLECMDEXECOPT>(nOption), pvaIn, pvaOut);
    } catch (...) {
        return E_UNEXPECTED;
    }
}

void CExplorer::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    IOleInPlaceObject* pInPlace = NULL;
    if (m_pObject != NULL &&
        SUCCEEDED(m_pObject->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&pInPlace))) &&
        pInPlace != NULL) {
        const CRect rc(0, 0, cx, cy);
        pInPlace->SetObjectRects(&rc, &rc);
        pInPlace->Release();
    }
    if (m_pBrowser == NULL)
        Invalidate();
}

void CExplorer::OnPaint()
{
    CPaintDC dc(this);
    PaintNoBrowser(&dc);
}

LRESULT CExplorer::OnPrintClient(WPARAM wParam, LPARAM)
{
    PaintNoBrowser(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CExplorer::PaintNoBrowser(CDC* dc)
{
    if (m_pBrowser != NULL)
        return;
    // No browser: say so where the page would be.
    CRect rc;
    GetClientRect(&rc);
    dc->FillSolidRect(&rc, ::GetSysColor(COLOR_WINDOW));
    CFont* pOldFont = static_cast<CFont*>(dc->SelectStockObject(DEFAULT_GUI_FONT));
    const COLORREF clrOldText = dc->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    const int nOldMode = dc->SetBkMode(TRANSPARENT);
    dc->DrawText(kNoBrowser, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc->SetBkMode(nOldMode);
    dc->SetTextColor(clrOldText);
    dc->SelectObject(pOldFont);
}

void CExplorer::OnDestroy()
{
    DestroyBrowser();
    CWnd::OnDestroy();
}

// --- CWebBrowser ------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CWebBrowser, CExplorer)

CWebBrowser::CWebBrowser()
{
    char folder[MAX_PATH + 1] = "";
    ::GetTempPathA(sizeof(folder), folder);
    m_strTempFile.Format("%s%p.html", folder, static_cast<const void*>(this));
}

CWebBrowser::~CWebBrowser()
{
    // Nothing writes the file any more; one left by an earlier run of this object goes too.
    ::DeleteFileA(m_strTempFile);
}

LPDISPATCH CWebBrowser::BlankDocument()
{
    if (!Navigate("about:blank"))
        return NULL;
    const DWORD start = ::GetTickCount();
    for (;;) {
        READYSTATE state = READYSTATE_UNINITIALIZED;
        if (m_pBrowser == NULL)
            return NULL;
        if (SUCCEEDED(m_pBrowser->get_ReadyState(&state)) && state == READYSTATE_COMPLETE) {
            if (LPDISPATCH pDocument = GetDocument())
                return pDocument;
        }
        if (::GetTickCount() - start > kBlankPageMs || !PumpFor(20))
            return NULL;
    }
}

BOOL CWebBrowser::LoadIntoDocument(LPDISPATCH pDocument, const char* html, BOOL bInitNew)
{
    const size_t cb = std::strlen(html) + 1;
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
    if (hBlock == NULL)
        return FALSE;
    if (void* pBytes = ::GlobalLock(hBlock)) {
        std::memcpy(pBytes, html, cb);
        ::GlobalUnlock(hBlock);
    }
    BOOL bDone = FALSE;
    IStream* pStream = NULL;
    if (SUCCEEDED(::CreateStreamOnHGlobal(hBlock, FALSE, &pStream)) && pStream != NULL) {
        IPersistStreamInit* pPersist = NULL;
        if (SUCCEEDED(pDocument->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&pPersist))) &&
            pPersist != NULL) {
            if (bInitNew)
                pPersist->InitNew();
            bDone = SUCCEEDED(pPersist->Load(pStream));
            pPersist->Release();
        }
        pStream->Release();
    }
    ::GlobalFree(hBlock);
    return bDone;
}

BOOL CWebBrowser::LoadHTML2(const char* html)
{
    if (html == NULL || m_pBrowser == NULL)
        return FALSE;
    LPDISPATCH pDocument = BlankDocument();
    if (pDocument == NULL)
        return FALSE;
    const BOOL bDone = LoadIntoDocument(pDocument, html, FALSE);
    pDocument->Release();
    return bDone;
}

BOOL CWebBrowser::LoadHTML(const char* html)
{
    if (html == NULL || m_pBrowser == NULL)
        return FALSE;
    LPDISPATCH pDocument = GetDocument();
    const BOOL bExisted = pDocument != NULL;
    if (pDocument == NULL)
        pDocument = BlankDocument();
    if (pDocument == NULL)
        return FALSE;
    const BOOL bDone = LoadIntoDocument(pDocument, html, bExisted);
    pDocument->Release();
    return bDone;
}

int CWebBrowser::Command(long nCmd, long nValue, BOOL bWithValue)
{
    VARIANT in;
    ::VariantInit(&in);
    if (bWithValue) {
        in.vt = VT_I4;
        in.lVal = nValue;
    }
    return SUCCEEDED(ExecWB(nCmd, OPT_PROMPTUSER, bWithValue ? &in : NULL, NULL)) ? 1 : 0;
}

long CWebBrowser::Query(long nCmd)
{
    VARIANT out;
    ::VariantInit(&out);
    if (FAILED(ExecWB(nCmd, OPT_PROMPTUSER, NULL, &out)))
        return -1;
    VARIANT value;
    ::VariantInit(&value);
    const long result = SUCCEEDED(::VariantChangeType(&value, &out, 0, VT_I4)) ? value.lVal : -1;
    ::VariantClear(&value);
    ::VariantClear(&out);
    return result;
}

int CWebBrowser::ShowPrivew()
{
    return Command(CMD_PRINTPREVIEW, 0, FALSE);
}

int CWebBrowser::Print()
{
    return Command(CMD_PRINT, 0, FALSE);
}

int CWebBrowser::Find()
{
    return Command(CMD_FIND, 0, FALSE);
}

int CWebBrowser::Zoom(long percent)
{
    return Command(CMD_OPTICAL_ZOOM, percent, TRUE);
}

int CWebBrowser::FontSize(long size)
{
    return Command(CMD_ZOOM, size, TRUE);
}

long CWebBrowser::GetCurZoom()
{
    return Query(CMD_OPTICAL_ZOOM);
}

long CWebBrowser::GetCurFontSize()
{
    return Query(CMD_ZOOM);
}

void CWebBrowser::ZoomIn()
{
    VARIANT in;
    ::VariantInit(&in);
    in.vt = VT_I4;
    in.lVal = 1000;
    ExecWB(CMD_ZOOMIN, OPT_DONTPROMPTUSER, &in, NULL);
}
