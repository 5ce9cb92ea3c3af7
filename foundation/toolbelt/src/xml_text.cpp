#include "xml_text.h"

CString BstrToText(BSTR text)
{
    CString out;
    const int wide = text ? static_cast<int>(SysStringLen(text)) : 0;
    if (wide == 0)
        return out;
    // Sized by the conversion itself, on the heap: a large text cannot overflow anything.
    const int bytes = WideCharToMultiByte(CP_THREAD_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return out;
    char* buffer = out.GetBuffer(bytes);
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, wide, buffer, bytes, nullptr, nullptr);
    out.ReleaseBuffer(bytes);
    return out;
}

BSTR TextToBstr(const char* text)
{
    if (text == nullptr)
        text = "";
    const int wide = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (wide <= 0)
        return SysAllocString(L"");
    BSTR out = SysAllocStringLen(nullptr, wide - 1);
    if (out)
        MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, out, wide);
    return out;
}

CString VariantToText(const VARIANT& value)
{
    CString out;
    switch (value.vt) {
    case VT_BSTR:
        out = BstrToText(value.bstrVal);
        break;
    case VT_I4:
        out.Format("%d", static_cast<int>(value.lVal));
        break;
    case VT_R8:
        out.Format("%f", value.dblVal);
        break;
    default:
        break;
    }
    return out;
}
