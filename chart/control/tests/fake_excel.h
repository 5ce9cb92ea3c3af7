// A stand-in for Excel's automation objects: every IDispatch call is logged, every object the
// export asks for is made, and the cells keep what was put into them.
#pragma once

#include <oaidl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

struct FakeExcelCall
{
    std::string object; // "app", "books", "book", "sheets", "sheet" or "range <cell>"
    DISPID id;
    WORD flags;
    std::vector<std::string> args; // each as "<vt>:<text>"
};

struct FakeExcelCell
{
    std::string format;
    std::string value;
    int formatSet = 0;
    int valueSet = 0;
    bool formatBeforeValue = true;
};

struct FakeExcelState
{
    std::vector<FakeExcelCall> calls;
    std::map<std::string, FakeExcelCell> cells;
    int live = 0;         // objects not yet released by the export
    int failAfter = -1;   // the call with this number (from 0) fails with E_FAIL
};

inline std::string Narrow(const wchar_t* text, UINT length)
{
    const int n = ::WideCharToMultiByte(CP_ACP, 0, text, int(length), NULL, 0, NULL, NULL);
    std::string out(size_t(n > 0 ? n : 0), '\0');
    if (n > 0)
        ::WideCharToMultiByte(CP_ACP, 0, text, int(length), &out[0], n, NULL, NULL);
    return out;
}

inline std::string VariantText(const VARIANT& v)
{
    switch (v.vt)
    {
    case VT_BSTR:
        return "bstr:" + (v.bstrVal ? Narrow(v.bstrVal, ::SysStringLen(v.bstrVal)) : std::string());
    case VT_I2:
        return "i2:" + std::to_string(v.iVal);
    case VT_BOOL:
        return std::string("bool:") + (v.boolVal ? "true" : "false");
    case VT_ERROR:
        return "error:" + std::to_string(long(v.scode));
    default:
        return "vt" + std::to_string(v.vt);
    }
}

class CFakeExcelObject : public IDispatch
{
public:
    CFakeExcelObject(FakeExcelState* state, std::string role) : m_state(state), m_role(role) { ++m_state->live; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
    STDMETHODIMP_(ULONG) Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
        {
            --m_state->live;
            delete this;
        }
        return left;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* n) override
    {
        *n = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override
    {
        FakeExcelCall call = {m_role, id, flags, {}};
        for (UINT i = params->cArgs; i-- > 0;)
            call.args.push_back(VariantText(params->rgvarg[i]));
        const int number = int(m_state->calls.size());
        m_state->calls.push_back(call);
        if (number == m_state->failAfter)
            return E_FAIL;
        const char* child = nullptr;
        switch (id)
        {
        case 572: child = "books"; break;
        case 181: child = "book"; break;
        case 485: child = "sheets"; break;
        case 170: child = "sheet"; break;
        case 197: break;
        case 193:
        case 6:
        {
            FakeExcelCell& cell = m_state->cells[m_role.substr(6)];
            const std::string text = call.args.empty() ? std::string() : call.args.back().substr(5);
            if (id == 193)
            {
                cell.format = text;
                ++cell.formatSet;
            }
            else
            {
                cell.value = text;
                ++cell.valueSet;
                cell.formatBeforeValue = cell.formatBeforeValue && cell.formatSet > 0;
            }
            return S_OK;
        }
        default:
            return S_OK;
        }
        if (result)
        {
            ::VariantInit(result);
            result->vt = VT_DISPATCH;
            result->pdispVal = new CFakeExcelObject(
                m_state, child ? std::string(child) : "range " + call.args[0].substr(5));
        }
        return S_OK;
    }

private:
    virtual ~CFakeExcelObject() {}
    FakeExcelState* m_state;
    std::string m_role;
    ULONG m_refs = 1;
};
