// COleDispatchDriver: late-bound automation calls by dispatch id, and the OLE exceptions.
#include <afxdisp.h>

#include <vector>

IMPLEMENT_DYNAMIC(COleException, CException)
IMPLEMENT_DYNAMIC(COleDispatchException, CException)

namespace {

BSTR NarrowToBstr(LPCSTR text)
{
    if (text == NULL)
        return ::SysAllocString(L"");
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
    if (n <= 0)
        return ::SysAllocString(L"");
    std::vector<WCHAR> wide(n);
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    return ::SysAllocString(wide.data());
}

CString BstrToNarrow(BSTR text)
{
    CString out;
    if (text == NULL)
        return out;
    const int length = int(::SysStringLen(text));
    const int n = ::WideCharToMultiByte(CP_ACP, 0, text, length, NULL, 0, NULL, NULL);
    if (n <= 0)
        return out;
    std::vector<char> narrow(n + 1, '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), n, NULL, NULL);
    out = CString(narrow.data(), n);
    return out;
}

void CopyMessage(const CString& text, LPSTR lpszError, UINT nMaxError)
{
    if (lpszError == NULL || nMaxError == 0)
        return;
    lstrcpynA(lpszError, text, int(nMaxError));
}

} // namespace

COleException::COleException() : m_sc(S_OK) {}

COleException::~COleException() {}

BOOL COleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    LPSTR buffer = NULL;
    const DWORD n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                         FORMAT_MESSAGE_IGNORE_INSERTS,
                                     NULL, DWORD(m_sc), 0, reinterpret_cast<LPSTR>(&buffer), 0, NULL);
    CString text;
    if (n > 0 && buffer != NULL)
        text = buffer;
    else
        text.Format("OLE error 0x%08lX", (unsigned long)m_sc);
    if (buffer != NULL)
        ::LocalFree(buffer);
    text.TrimRight("\r\n ");
    CopyMessage(text, lpszError, nMaxError);
    return TRUE;
}

SCODE PASCAL COleException::Process(const CException* pAnyException)
{
    if (pAnyException == NULL)
        return S_OK;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException*>(pAnyException)->m_sc;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    if (pAnyException->IsKindOf(RUNTIME_CLASS(COleDispatchException)))
        return static_cast<const COleDispatchException*>(pAnyException)->m_scError;
    return E_UNEXPECTED;
}

COleDispatchException::COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_strDescription(lpszDescription), m_dwHelpContext(nHelpID), m_scError(S_OK)
{
}

COleDispatchException::~COleDispatchException() {}

BOOL COleDispatchException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = m_dwHelpContext;
    CopyMessage(m_strDescription, lpszError, nMaxError);
    return !m_strDescription.IsEmpty();
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    COleException* e = new COleException;
    e->m_sc = sc;
    throw e;
}

void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription, UINT nHelpID)
{
    throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}

COleDispatchDriver::COleDispatchDriver() : m_lpDispatch(NULL), m_bAutoRelease(TRUE) {}

COleDispatchDriver::COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease)
    : m_lpDispatch(lpDispatch), m_bAutoRelease(bAutoRelease)
{
}

COleDispatchDriver::COleDispatchDriver(const COleDispatchDriver& dispatchSrc)
    : m_lpDispatch(dispatchSrc.m_lpDispatch), m_bAutoRelease(TRUE)
{
    if (m_lpDispatch != NULL)
        m_lpDispatch->AddRef();
}

COleDispatchDriver::~COleDispatchDriver()
{
    ReleaseDispatch();
}

const COleDispatchDriver& COleDispatchDriver::operator=(const COleDispatchDriver& dispatchSrc)
{
    if (this != &dispatchSrc)
    {
        LPDISPATCH other = dispatchSrc.m_lpDispatch;
        if (other != NULL)
            other->AddRef();
        ReleaseDispatch();
        m_lpDispatch = other;
        m_bAutoRelease = TRUE;
    }
    return *this;
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid, COleException* pError)
{
    LPUNKNOWN unknown = NULL;
    SCODE sc = ::CoCreateInstance(clsid, NULL, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&unknown));
    LPDISPATCH dispatch = NULL;
    if (SUCCEEDED(sc))
    {
        sc = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
        unknown->Release();
    }
    if (FAILED(sc) || dispatch == NULL)
    {
        if (pError != NULL)
            pError->m_sc = FAILED(sc) ? sc : E_NOINTERFACE;
        return FALSE;
    }
    AttachDispatch(dispatch, TRUE);
    return TRUE;
}

BOOL COleDispatchDriver::CreateDispatch(LPCSTR lpszProgID, COleException* pError)
{
    CLSID clsid;
    BSTR progId = NarrowToBstr(lpszProgID);
    const SCODE sc = ::CLSIDFromProgID(progId, &clsid);
    ::SysFreeString(progId);
    if (FAILED(sc))
    {
        if (pError != NULL)
            pError->m_sc = sc;
        return FALSE;
    }
    return CreateDispatch(clsid, pError);
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease)
{
    ReleaseDispatch();
    m_lpDispatch = lpDispatch;
    m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch()
{
    LPDISPATCH dispatch = m_lpDispatch;
    m_lpDispatch = NULL;
    return dispatch;
}

void COleDispatchDriver::ReleaseDispatch()
{
    if (m_lpDispatch != NULL && m_bAutoRelease)
        m_lpDispatch->Release();
    m_lpDispatch = NULL;
}

void AFX_CDECL COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                                const BYTE* pbParamInfo, ...)
{
    va_list argList;
    va_start(argList, pbParamInfo);
    try
    {
        InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
    }
    catch (...)
    {
        va_end(argList);
        throw;
    }
    va_end(argList);
}

namespace {

// The arguments in the member's order, each cleared when the list goes.
struct ArgumentList
{
    std::vector<VARIANT> values;
    ~ArgumentList()
    {
        for (VARIANT& v : values)
            ::VariantClear(&v);
    }
};

void ReadArguments(const BYTE* pbParamInfo, va_list& argList, ArgumentList& args)
{
    for (const BYTE* p = pbParamInfo; p != NULL && *p != 0; ++p)
    {
        VARIANT v;
        ::VariantInit(&v);
        switch (*p)
        {
        case VT_I2:
            v.vt = VT_I2;
            v.iVal = short(va_arg(argList, int));
            break;
        case VT_I4:
            v.vt = VT_I4;
            v.lVal = va_arg(argList, long);
            break;
        case VT_R8:
            v.vt = VT_R8;
            v.dblVal = va_arg(argList, double);
            break;
        case VT_BSTR:
            v.vt = VT_BSTR;
            v.bstrVal = NarrowToBstr(va_arg(argList, LPCSTR));
            break;
        case VT_DISPATCH:
            v.vt = VT_DISPATCH;
            v.pdispVal = va_arg(argList, LPDISPATCH);
            if (v.pdispVal != NULL)
                v.pdispVal->AddRef();
            break;
        case VT_BOOL:
            v.vt = VT_BOOL;
            v.boolVal = va_arg(argList, BOOL) ? VARIANT_TRUE : VARIANT_FALSE;
            break;
        case VT_VARIANT:
        {
            const VARIANT* source = va_arg(argList, const VARIANT*);
            if (source != NULL)
                ::VariantCopy(&v, const_cast<VARIANT*>(source));
            break;
        }
        default:
            AfxThrowInvalidArgException(); // a type this layer does not pass
        }
        args.values.push_back(v);
    }
}

void StoreResult(VARTYPE vtRet, void* pvRet, VARIANT& result)
{
    if (vtRet == VT_VARIANT)
    {
        VARIANT* out = static_cast<VARIANT*>(pvRet);
        ::VariantInit(out);
        *out = result; // handed over whole
        ::VariantInit(&result);
        return;
    }
    if (result.vt != vtRet)
    {
        const SCODE sc = ::VariantChangeType(&result, &result, 0, vtRet);
        if (FAILED(sc))
        {
            ::VariantClear(&result);
            AfxThrowOleException(sc);
        }
    }
    switch (vtRet)
    {
    case VT_I2:
        *static_cast<short*>(pvRet) = result.iVal;
        break;
    case VT_I4:
        *static_cast<long*>(pvRet) = result.lVal;
        break;
    case VT_R8:
        *static_cast<double*>(pvRet) = result.dblVal;
        break;
    case VT_BOOL:
        *static_cast<BOOL*>(pvRet) = result.boolVal != VARIANT_FALSE;
        break;
    case VT_BSTR:
        *static_cast<CString*>(pvRet) = BstrToNarrow(result.bstrVal);
        break;
    case VT_DISPATCH:
        // The reference the call returned now belongs to the caller.
        *static_cast<LPDISPATCH*>(pvRet) = result.pdispVal;
        ::VariantInit(&result);
        return;
    default:
        break;
    }
    ::VariantClear(&result);
}

} // namespace

void COleDispatchDriver::InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                       const BYTE* pbParamInfo, va_list argList)
{
    if (m_lpDispatch == NULL)
        return;
    ArgumentList args;
    va_list copy;
    va_copy(copy, argList);
    try
    {
        ReadArguments(pbParamInfo, copy, args);
    }
    catch (...)
    {
        va_end(copy);
        throw;
    }
    va_end(copy);

    // IDispatch takes the arguments last first.
    std::vector<VARIANT> reversed(args.values.rbegin(), args.values.rend());
    DISPPARAMS params = {reversed.empty() ? NULL : reversed.data(), NULL, UINT(reversed.size()), 0};
    DISPID named = DISPID_PROPERTYPUT;
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))
    {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    VARIANT result;
    ::VariantInit(&result);
    EXCEPINFO info;
    memset(&info, 0, sizeof info);
    UINT argError = 0;
    const SCODE sc = m_lpDispatch->Invoke(dwDispID, IID_NULL, 0, wFlags, &params,
                                          vtRet != VT_EMPTY ? &result : NULL, &info, &argError);
    if (FAILED(sc))
    {
        ::VariantClear(&result);
        if (sc == DISP_E_EXCEPTION)
        {
            if (info.pfnDeferredFillIn != NULL)
                info.pfnDeferredFillIn(&info);
            COleDispatchException* e = new COleDispatchException(BstrToNarrow(info.bstrDescription),
                                                                 UINT(info.dwHelpContext), info.wCode);
            e->m_strSource = BstrToNarrow(info.bstrSource);
            e->m_strHelpFile = BstrToNarrow(info.bstrHelpFile);
            e->m_scError = info.scode != 0 ? info.scode : sc;
            ::SysFreeString(info.bstrDescription);
            ::SysFreeString(info.bstrSource);
            ::SysFreeString(info.bstrHelpFile);
            throw e;
        }
        AfxThrowOleException(sc);
    }
    if (vtRet != VT_EMPTY && pvRet != NULL)
        StoreResult(vtRet, pvRet, result);
    else
        ::VariantClear(&result);
}

void AFX_CDECL COleDispatchDriver::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...)
{
    va_list argList;
    va_start(argList, vtProp);
    const BYTE info[2] = {BYTE(vtProp), 0};
    const WORD flags = vtProp == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    try
    {
        InvokeHelperV(dwDispID, flags, VT_EMPTY, NULL, info, argList);
    }
    catch (...)
    {
        va_end(argList);
        throw;
    }
    va_end(argList);
}

void COleDispatchDriver::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const
{
    const_cast<COleDispatchDriver*>(this)->InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, NULL);
}
