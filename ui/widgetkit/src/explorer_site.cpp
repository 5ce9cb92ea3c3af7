// The hosted browser's container: it sits in the host window, has no menus, tool space or
// status line of its own, and refuses what a document container would offer.
#include "explorer_site.h"

namespace {

LONG g_cLiveSites = 0;

} // namespace

CExplorerSite::CExplorerSite(HWND hWndHost) : m_cRef(1), m_hWndHost(hWndHost)
{
    ::InterlockedIncrement(&g_cLiveSites);
}

CExplorerSite::~CExplorerSite()
{
    ::InterlockedDecrement(&g_cLiveSites);
}

LONG CExplorerSite::LiveCount()
{
    return g_cLiveSites;
}

STDMETHODIMP CExplorerSite::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    *ppv = NULL;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite))
        *ppv = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceSite))
        *ppv = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(riid, IID_IOleInPlaceUIWindow) || IsEqualIID(riid, IID_IOleInPlaceFrame))
        *ppv = static_cast<IOleInPlaceFrame*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CExplorerSite::AddRef()
{
    return ::InterlockedIncrement(&m_cRef);
}

STDMETHODIMP_(ULONG) CExplorerSite::Release()
{
    const LONG cRef = ::InterlockedDecrement(&m_cRef);
    if (cRef == 0)
        delete this;
    return cRef;
}

STDMETHODIMP CExplorerSite::SaveObject()
{
    return E_NOTIMPL;
}

STDMETHODIMP CExplorerSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != NULL)
        *ppmk = NULL;
    return E_NOTIMPL;
}

STDMETHODIMP CExplorerSite::GetContainer(IOleContainer** ppContainer)
{
    if (ppContainer != NULL)
        *ppContainer = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP CExplorerSite::ShowObject()
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::OnShowWindow(BOOL)
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::RequestNewObjectLayout()
{
    return E_NOTIMPL;
}

STDMETHODIMP CExplorerSite::GetWindow(HWND* phwnd)
{
    if (phwnd == NULL)
        return E_POINTER;
    *phwnd = m_hWndHost;
    return m_hWndHost != NULL ? S_OK : E_FAIL;
}

STDMETHODIMP CExplorerSite::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CExplorerSite::CanInPlaceActivate()
{
    return m_hWndHost != NULL ? S_OK : S_FALSE;
}

STDMETHODIMP CExplorerSite::OnInPlaceActivate()
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::OnUIActivate()
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::GetWindowContext(IOleInPlaceFrame** ppFrame, IOleInPlaceUIWindow** ppDoc,
                                             LPRECT lprcPosRect, LPRECT lprcClipRect,
                                             LPOLEINPLACEFRAMEINFO lpFrameInfo)
{
    if (ppFrame == NULL || ppDoc == NULL || lprcPosRect == NULL || lprcClipRect == NULL || lpFrameInfo == NULL)
        return E_POINTER;
    *ppFrame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *ppDoc = NULL;
    RECT rc = {0, 0, 0, 0};
    if (m_hWndHost != NULL)
        ::GetClientRect(m_hWndHost, &rc);
    *lprcPosRect = rc;
    *lprcClipRect = rc;
    lpFrameInfo->cb = sizeof(OLEINPLACEFRAMEINFO);
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = m_hWndHost != NULL ? ::GetAncestor(m_hWndHost, GA_ROOT) : NULL;
    lpFrameInfo->haccel = NULL;
    lpFrameInfo->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CExplorerSite::Scroll(SIZE)
{
    return E_NOTIMPL;
}

STDMETHODIMP CExplorerSite::OnUIDeactivate(BOOL)
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::OnInPlaceDeactivate()
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::DiscardUndoState()
{
    return E_NOTIMPL;
}

STDMETHODIMP CExplorerSite::DeactivateAndUndo()
{
    return E_NOTIMPL;
}

STDMETHODIMP CExplorerSite::OnPosRectChange(LPCRECT)
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::GetBorder(LPRECT)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CExplorerSite::RequestBorderSpace(LPCBORDERWIDTHS)
{
    return INPLACE_E_NOTOOLSPACE;
}

STDMETHODIMP CExplorerSite::SetBorderSpace(LPCBORDERWIDTHS)
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS)
{
    return E_NOTIMPL;
}

STDMETHODIMP CExplorerSite::SetMenu(HMENU, HOLEMENU, HWND)
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::RemoveMenus(HMENU)
{
    return E_NOTIMPL;
}

STDMETHODIMP CExplorerSite::SetStatusText(LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::EnableModeless(BOOL)
{
    return S_OK;
}

STDMETHODIMP CExplorerSite::TranslateAccelerator(LPMSG, WORD)
{
    return S_FALSE;
}
