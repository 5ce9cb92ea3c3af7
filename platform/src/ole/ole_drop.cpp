// COleDataObject, COleDropSource and COleDropTarget over the platform's drag-and-drop calls.
#include <afxole.h>

#include <string.h>

COleDataObject::COleDataObject() : m_lpDataObject(NULL), m_bAutoRelease(TRUE) {}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    LPDATAOBJECT object = m_lpDataObject;
    m_lpDataObject = NULL;
    return object;
}

void COleDataObject::Release()
{
    if (m_lpDataObject != NULL && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = NULL;
}

namespace {

FORMATETC FormatOf(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc, DWORD tymed)
{
    if (lpFormatEtc != NULL)
    {
        FORMATETC format = *lpFormatEtc;
        format.cfFormat = cfFormat;
        return format;
    }
    FORMATETC format = {cfFormat, NULL, DVASPECT_CONTENT, -1, tymed};
    return format;
}

} // namespace

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return FALSE;
    FORMATETC format = FormatOf(cfFormat, lpFormatEtc, TYMED_HGLOBAL | TYMED_FILE | TYMED_ISTREAM |
                                                           TYMED_ISTORAGE | TYMED_GDI | TYMED_MFPICT |
                                                           TYMED_ENHMF);
    return m_lpDataObject->QueryGetData(&format) == S_OK;
}

BOOL COleDataObject::GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL || lpStgMedium == NULL)
        return FALSE;
    memset(lpStgMedium, 0, sizeof *lpStgMedium);
    FORMATETC format = FormatOf(cfFormat, lpFormatEtc, TYMED_HGLOBAL | TYMED_FILE | TYMED_ISTREAM |
                                                           TYMED_ISTORAGE | TYMED_GDI | TYMED_MFPICT |
                                                           TYMED_ENHMF);
    if (m_lpDataObject->GetData(&format, lpStgMedium) != S_OK)
    {
        memset(lpStgMedium, 0, sizeof *lpStgMedium);
        return FALSE;
    }
    return TRUE;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL)
        return NULL;
    FORMATETC format = FormatOf(cfFormat, lpFormatEtc, TYMED_HGLOBAL);
    format.tymed = TYMED_HGLOBAL;
    STGMEDIUM medium;
    memset(&medium, 0, sizeof medium);
    if (m_lpDataObject->GetData(&format, &medium) != S_OK)
        return NULL;
    if (medium.tymed != TYMED_HGLOBAL || medium.hGlobal == NULL)
    {
        ::ReleaseStgMedium(&medium);
        return NULL;
    }
    if (medium.pUnkForRelease == NULL)
        return medium.hGlobal; // the caller's now

    // The source keeps its memory: hand out a copy.
    HGLOBAL copy = NULL;
    const SIZE_T size = ::GlobalSize(medium.hGlobal);
    const void* source = ::GlobalLock(medium.hGlobal);
    if (source != NULL)
    {
        copy = ::GlobalAlloc(GMEM_MOVEABLE, size != 0 ? size : 1);
        void* target = copy != NULL ? ::GlobalLock(copy) : NULL;
        if (target != NULL)
        {
            memcpy(target, source, size);
            ::GlobalUnlock(copy);
        }
        else if (copy != NULL)
        {
            ::GlobalFree(copy);
            copy = NULL;
        }
        ::GlobalUnlock(medium.hGlobal);
    }
    ::ReleaseStgMedium(&medium);
    return copy;
}

COleDropSource::COleDropSource() {}

COleDropSource::~COleDropSource() {}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed)
        return DRAGDROP_S_CANCEL;
    if ((dwKeyState & (MK_LBUTTON | MK_RBUTTON)) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT dropEffect)
{
    (void)dropEffect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    (void)pWnd;
    return TRUE;
}

COleDropTarget::COleDropTarget() : m_hWnd(NULL), m_bRegistered(FALSE)
{
    m_xDropTarget.m_pThis = this;
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (pWnd == NULL || !::IsWindow(pWnd->GetSafeHwnd()))
        return FALSE;
    Revoke();
    if (FAILED(::RegisterDragDrop(pWnd->GetSafeHwnd(), &m_xDropTarget)))
        return FALSE;
    m_hWnd = pWnd->GetSafeHwnd();
    m_bRegistered = TRUE;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_bRegistered)
        ::RevokeDragDrop(m_hWnd);
    m_bRegistered = FALSE;
    m_hWnd = NULL;
    m_dataObject.Release();
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*) {}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return DROPEFFECT(-1);
}

LPUNKNOWN COleDropTarget::GetInterface(const void* piid)
{
    if (piid == NULL)
        return NULL;
    const IID& iid = *static_cast<const IID*>(piid);
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget))
        return &m_xDropTarget;
    return NULL;
}

CPoint COleDropTarget::ClientPoint(POINTL pt) const
{
    POINT point = {pt.x, pt.y};
    if (m_hWnd != NULL)
        ::ScreenToClient(m_hWnd, &point);
    return CPoint(point);
}

STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    *ppv = m_pThis->GetInterface(&riid);
    if (*ppv == NULL)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

// The target is owned by its C++ owner, not by its references.
STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::AddRef()
{
    return 1;
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::Release()
{
    return 1;
}

namespace {

// The handler's effect, never one the source does not allow.
void ReportEffect(DROPEFFECT effect, DWORD* pdwEffect)
{
    if (pdwEffect != NULL)
        *pdwEffect &= effect;
}

} // namespace

STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                                    DWORD* pdwEffect)
{
    if (pdwEffect == NULL)
        return E_INVALIDARG;
    COleDropTarget* self = m_pThis;
    if (pDataObj != NULL)
        pDataObj->AddRef();
    self->m_dataObject.Attach(pDataObj, TRUE);
    DROPEFFECT effect = DROPEFFECT_NONE;
    try
    {
        effect = self->OnDragEnter(CWnd::FromHandle(self->m_hWnd), &self->m_dataObject, grfKeyState,
                                   self->ClientPoint(pt));
    }
    catch (CException* e)
    {
        e->Delete(); // nothing may leave through COM
    }
    ReportEffect(effect, pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    if (pdwEffect == NULL)
        return E_INVALIDARG;
    COleDropTarget* self = m_pThis;
    DROPEFFECT effect = DROPEFFECT_NONE;
    if (self->m_dataObject.m_lpDataObject != NULL)
    {
        try
        {
            effect = self->OnDragOver(CWnd::FromHandle(self->m_hWnd), &self->m_dataObject, grfKeyState,
                                      self->ClientPoint(pt));
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    ReportEffect(effect, pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave()
{
    COleDropTarget* self = m_pThis;
    try
    {
        self->OnDragLeave(CWnd::FromHandle(self->m_hWnd));
    }
    catch (CException* e)
    {
        e->Delete();
    }
    self->m_dataObject.Release();
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                               DWORD* pdwEffect)
{
    if (pdwEffect == NULL)
        return E_INVALIDARG;
    COleDropTarget* self = m_pThis;
    self->m_dataObject.Release();
    COleDataObject data;
    if (pDataObj != NULL)
        pDataObj->AddRef();
    data.Attach(pDataObj, TRUE);
    CWnd* pWnd = CWnd::FromHandle(self->m_hWnd);
    const CPoint point = self->ClientPoint(pt);
    DROPEFFECT result = DROPEFFECT_NONE;
    try
    {
        const DROPEFFECT allowed = *pdwEffect;
        const DROPEFFECT wanted = self->OnDragOver(pWnd, &data, grfKeyState, point) & allowed;
        result = self->OnDropEx(pWnd, &data, wanted, allowed, point);
        if (result == DROPEFFECT(-1))
            result = wanted != DROPEFFECT_NONE && self->OnDrop(pWnd, &data, wanted, point) ? wanted
                                                                                           : DROPEFFECT_NONE;
    }
    catch (CException* e)
    {
        e->Delete();
        result = DROPEFFECT_NONE;
    }
    *pdwEffect = result & *pdwEffect;
    return S_OK;
}
