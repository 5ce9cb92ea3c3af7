// OLE drag and drop: the data object a drop offers, the drop target a window registers, and
// the drop source's feedback rules. OLE must be initialised on the thread (OleInitialize)
// before a target can be registered.
#pragma once

#include "afxdisp.h"
#include "afxwin.h"

#include <ole2.h>

typedef DWORD DROPEFFECT;

// The data of a drag or of the clipboard, over an IDataObject.
class AFX_PLATFORM_API COleDataObject
{
public:
    COleDataObject();
    ~COleDataObject();

    // Takes lpDataObject (released with the wrapper when bAutoRelease); an earlier one is released.
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();

    // The object offers the format (any medium unless lpFormatEtc names one).
    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // The data of the format in a medium the caller must release (ReleaseStgMedium).
    BOOL GetData(CLIPFORMAT cfFormat, LPSTGMEDIUM lpStgMedium, LPFORMATETC lpFormatEtc = NULL);
    // The data of the format as global memory that the caller owns and frees (GlobalFree);
    // null when the object has none in global memory.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);

    LPDATAOBJECT m_lpDataObject;
    BOOL m_bAutoRelease;

private:
    COleDataObject(const COleDataObject&);
    COleDataObject& operator=(const COleDataObject&);
};

// The rules of a drag: when it goes on, drops or is cancelled, and its cursors.
class AFX_PLATFORM_API COleDropSource : public CCmdTarget
{
public:
    COleDropSource();
    virtual ~COleDropSource();

    // Escape cancels (DRAGDROP_S_CANCEL); releasing the mouse button that drags drops
    // (DRAGDROP_S_DROP); anything else goes on (S_OK).
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    // The system's cursors (DRAGDROP_S_USEDEFAULTCURSORS).
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // Whether a drag begins at once (TRUE).
    virtual BOOL OnBeginDrag(CWnd* pWnd);
};

// A window that takes drops. The platform's IDropTarget calls the virtual handlers with the
// point in the window's client coordinates; a handler's effect is cut to what the source allows.
class AFX_PLATFORM_API COleDropTarget : public CCmdTarget
{
public:
    COleDropTarget();
    virtual ~COleDropTarget();

    // Registers pWnd with OLE; FALSE when OLE refuses (not initialised, no window, taken).
    BOOL Register(CWnd* pWnd);
    // Ends the registration (done by the destructor too).
    virtual void Revoke();

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1: OnDrop decides.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);

    // The object's COM interface for IID_IDropTarget (or IID_IUnknown); null for any other.
    // Its reference count is not the object's lifetime: the target lives as long as its owner.
    LPUNKNOWN GetInterface(const void* piid);

    HWND m_hWnd;

private:
    struct XDropTarget : public IDropTarget
    {
        COleDropTarget* m_pThis;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(DragEnter)(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHOD(DragOver)(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
        STDMETHOD(DragLeave)() override;
        STDMETHOD(Drop)(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    };
    friend struct XDropTarget;

    CPoint ClientPoint(POINTL pt) const;

    XDropTarget m_xDropTarget;
    COleDataObject m_dataObject; // the data of the drag in progress
    BOOL m_bRegistered;
};
