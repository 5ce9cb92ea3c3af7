// CGdiObject: handle ownership and the handle map behind FromHandle.
#include "afxgdi_.h"

#include "wndimpl_.h"

namespace {

// The wrapper class that matches the kind of object behind a handle.
CRuntimeClass* WrapperClassFor(HGDIOBJ h)
{
    switch (::GetObjectType(h)) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return RUNTIME_CLASS(CPen);
    case OBJ_BRUSH: return RUNTIME_CLASS(CBrush);
    case OBJ_FONT: return RUNTIME_CLASS(CFont);
    case OBJ_BITMAP: return RUNTIME_CLASS(CBitmap);
    case OBJ_REGION: return RUNTIME_CLASS(CRgn);
    case OBJ_PAL: return RUNTIME_CLASS(CPalette);
    default: return RUNTIME_CLASS(CGdiObject);
    }
}

CGdiObject* NewWrapperFor(HGDIOBJ h)
{
    CRuntimeClass* kind = WrapperClassFor(h);
    CGdiObject* w;
    if (kind == RUNTIME_CLASS(CPen))
        w = new CPen;
    else if (kind == RUNTIME_CLASS(CBrush))
        w = new CBrush;
    else if (kind == RUNTIME_CLASS(CFont))
        w = new CFont;
    else if (kind == RUNTIME_CLASS(CBitmap))
        w = new CBitmap;
    else if (kind == RUNTIME_CLASS(CRgn))
        w = new CRgn;
    else if (kind == RUNTIME_CLASS(CPalette))
        w = new CPalette;
    else
        w = new CGdiObject;
    w->m_hObject = h;
    return w;
}

bool WrapperFits(CGdiObject* w, HGDIOBJ h)
{
    return w->GetRuntimeClass() == WrapperClassFor(h);
}

AfxHandleMap_<HGDIOBJ, CGdiObject>& Map()
{
    static AfxHandleMap_<HGDIOBJ, CGdiObject> map(NewWrapperFor, WrapperFits, [](CGdiObject* w) {
        w->m_hObject = NULL;
        delete w;
    });
    return map;
}

} // namespace

void AfxDeleteTempGdiObjects_(AfxTempWndMap_* map)
{
    Map().DeleteTemporaries(map->gdiObjects);
}

int AfxGetTempGdiObjectCount_()
{
    return Map().TemporaryCount();
}

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return hObject == NULL ? NULL : Map().FromHandle(hObject, AfxGetThreadState()->m_pTempWnds->gdiObjects);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    AfxDeleteTempGdiObjects_(AfxGetThreadState()->m_pTempWnds);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return FALSE;
    if (m_hObject != NULL)
        Map().RemovePermanent(m_hObject, this);
    m_hObject = hObject;
    Map().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != NULL)
        Map().RemovePermanent(hObject, this);
    m_hObject = NULL;
    return hObject;
}

void CGdiObject::MoveFrom_(CGdiObject& other) noexcept
{
    HGDIOBJ hObject = other.Detach();
    if (hObject != NULL)
        Attach(hObject);
}

CGdiObject& CGdiObject::operator=(CGdiObject&& other) noexcept
{
    if (this != &other) {
        DeleteObject();
        MoveFrom_(other);
    }
    return *this;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return ::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}
