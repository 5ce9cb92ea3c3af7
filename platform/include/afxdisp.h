// OLE automation clients: the dispatch driver that calls an IDispatch by dispatch id with
// arguments described by a VTS_ string, and the two exceptions a failed call throws.
#pragma once

#include "afxwin.h"

#include <ole2.h>
#include <oleauto.h>

// Argument types of InvokeHelper, one byte each (the variant type of the argument).
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R8 "\x05"
#define VTS_BSTR "\x08"
#define VTS_DISPATCH "\x09"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_NONE ""

// A failed COM call: m_sc is its status code.
class AFX_PLATFORM_API COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    COleException();
    virtual ~COleException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    // The status code an exception stands for (E_OUTOFMEMORY for a memory exception, E_UNEXPECTED
    // for any other kind).
    static SCODE PASCAL Process(const CException* pAnyException);

    SCODE m_sc;
};

// An automation server raised an error (DISP_E_EXCEPTION) with its own code and description.
class AFX_PLATFORM_API COleDispatchException : public CException
{
    DECLARE_DYNAMIC(COleDispatchException)
public:
    COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode);
    virtual ~COleDispatchException();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

    WORD m_wCode;
    CString m_strDescription;
    DWORD m_dwHelpContext;
    CString m_strHelpFile;
    CString m_strSource;
    SCODE m_scError;
};

[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowOleException(SCODE sc);
[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription,
                                                                       UINT nHelpID = 0);

class AFX_PLATFORM_API COleDispatchDriver
{
public:
    COleDispatchDriver();
    explicit COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    COleDispatchDriver(const COleDispatchDriver& dispatchSrc);
    ~COleDispatchDriver();
    const COleDispatchDriver& operator=(const COleDispatchDriver& dispatchSrc);

    // A new object of the class; FALSE (its status in pError) when it cannot be made.
    BOOL CreateDispatch(REFCLSID clsid, COleException* pError = NULL);
    BOOL CreateDispatch(LPCSTR lpszProgID, COleException* pError = NULL);
    // Takes lpDispatch (released with the driver when bAutoRelease); any earlier one is released.
    void AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    LPDISPATCH DetachDispatch();
    void ReleaseDispatch();

    // Calls the member dwDispID. pbParamInfo lists the arguments' VTS_ types in the member's
    // order; vtRet is the result's type (VT_EMPTY: none), stored at pvRet: LPDISPATCH (owned by
    // the caller), CString, short, long, double, BOOL or VARIANT. A property put passes its
    // last argument as the value. A failed call throws COleDispatchException (the server's
    // error) or COleException; without a dispatch interface nothing is called.
    void AFX_CDECL InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
                                ...);
    void InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
                       va_list argList);
    void AFX_CDECL SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);
    void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const;

    operator LPDISPATCH() { return m_lpDispatch; }

    LPDISPATCH m_lpDispatch;
    BOOL m_bAutoRelease;
};
