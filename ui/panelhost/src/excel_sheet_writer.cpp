// The spreadsheet writer over Excel's automation object: connection (running instance, COM
// local server, or the program started from its registry path) and late-bound calls by
// dispatch id.
#include "SheetWriter.h"

#include <ole2.h>

#include <vector>

namespace {

const char kProgId[] = "Excel.Application";
const char* const kInstallKeys[] = {
    "SOFTWARE\\Microsoft\\Office\\9.0\\Excel\\InstallRoot",
    "SOFTWARE\\Microsoft\\Office\\8.0\\Excel\\InstallRoot",
};
// Only the first values of the key are looked at.
const DWORD kValuesLooked = 5;
const DWORD kStartWaitMs = 15000;

const char kNotInstalled[] = "Excel이 설치 되지 않았거나 설치된 경로가 올바르지 않습니다.";
const char kTimedOut[] = "Timed out waiting for Excel.";
const char kCannotStart[] = "Excel을 실행할 수 없습니다....";
const char kNotFound[] = "실행된 Excel객체를 찾을 수 없습니다.";

// Dispatch ids of Excel's type library.
enum : DISPID {
    DISPID_XL_VISIBLE = 558,
    DISPID_XL_USERCONTROL = 343,
    DISPID_XL_WORKBOOKS = 572,
    DISPID_XL_ADD = 181,
    DISPID_XL_ACTIVESHEET = 307,
    DISPID_XL_RANGE = 197,
    DISPID_XL_VALUE2 = 1388,
};

// A BSTR of narrow text in the thread's code page.
BSTR ToBstr(const char* text)
{
    const int n = ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, NULL, 0);
    if (n <= 0)
        return ::SysAllocString(L"");
    std::vector<WCHAR> wide(n);
    ::MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, wide.data(), n);
    return ::SysAllocString(wide.data());
}

// One late-bound call; args in the order the member takes them (reversed for Invoke here).
HRESULT Invoke(IDispatch* target, WORD kind, DISPID id, VARIANT* result, std::vector<VARIANT> args)
{
    if (target == NULL)
        return E_POINTER;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params = {reversed.empty() ? NULL : reversed.data(), NULL, (UINT)reversed.size(), 0};
    DISPID named = DISPID_PROPERTYPUT;
    if (kind & DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    if (result != NULL)
        ::VariantInit(result);
    return target->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, NULL, NULL);
}

VARIANT Bool(bool on)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

// The dispatch interface a call returned, or null.
IDispatch* TakeDispatch(VARIANT& v)
{
    IDispatch* out = NULL;
    if (v.vt == VT_DISPATCH && v.pdispVal != NULL) {
        out = v.pdispVal;
        out->AddRef();
    }
    ::VariantClear(&v);
    return out;
}

void Release(IDispatch*& p)
{
    if (p != NULL)
        p->Release();
    p = NULL;
}

void ShowMessage(const char* text)
{
    AfxMessageBox(text, MB_OK);
}

} // namespace

CString CSheetWriter::ColumnName(int index)
{
    CString name;
    if (index < 0)
        return name;
    // Bijective base 26: after "Z" comes "AA".
    char letters[16];
    int n = 0;
    for (long long i = (long long)index + 1; i > 0 && n < (int)sizeof letters; i = (i - 1) / 26)
        letters[n++] = (char)('A' + (i - 1) % 26);
    while (n > 0)
        name += letters[--n];
    return name;
}

CExcelSheetWriter::CExcelSheetWriter() : m_pApp(NULL), m_pSheet(NULL), m_bComInit(FALSE) {}

CExcelSheetWriter::~CExcelSheetWriter()
{
    Close();
}

CString CExcelSheetWriter::StartCommand(const CString& path)
{
    CString folder = path;
    folder.TrimRight('\\');
    return "\"" + folder + "\\excel.exe\" /automation";
}

BOOL CExcelSheetWriter::ReadInstallPath(CString& path)
{
    for (const char* name : kInstallKeys) {
        HKEY key;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, name, 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        BOOL found = FALSE;
        for (DWORD i = 0; i < kValuesLooked && !found; ++i) {
            char valueName[256];
            DWORD nameLen = sizeof valueName, type = 0, size = 0;
            if (::RegEnumValueA(key, i, valueName, &nameLen, NULL, &type, NULL, &size) != ERROR_SUCCESS)
                break;
            if (_stricmp(valueName, "Path") != 0 || (type != REG_SZ && type != REG_EXPAND_SZ))
                continue;
            // The data need not end in a terminator: read it into one more byte than it has.
            std::vector<char> data(size + 1, '\0');
            DWORD got = size;
            if (::RegQueryValueExA(key, valueName, NULL, NULL, (BYTE*)data.data(), &got) != ERROR_SUCCESS)
                break;
            data[std::min<size_t>(got, size)] = '\0';
            path = data.data();
            found = !path.IsEmpty();
        }
        ::RegCloseKey(key);
        if (found)
            return TRUE;
    }
    return FALSE;
}

BOOL CExcelSheetWriter::StartProgram()
{
    CString path;
    if (!ReadInstallPath(path)) {
        ShowMessage(kNotInstalled);
        return FALSE;
    }
    CString command = StartCommand(path);
    STARTUPINFOA si;
    memset(&si, 0, sizeof si);
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWMAXIMIZED;
    PROCESS_INFORMATION pi;
    memset(&pi, 0, sizeof pi);
    std::vector<char> line(command.GetLength() + 1);
    memcpy(line.data(), (LPCSTR)command, line.size());
    if (!::CreateProcessA(NULL, line.data(), NULL, NULL, TRUE, NORMAL_PRIORITY_CLASS, NULL, NULL, &si, &pi)) {
        ShowMessage(kCannotStart);
        return FALSE;
    }
    const DWORD waited = ::WaitForInputIdle(pi.hProcess, kStartWaitMs);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    if (waited == WAIT_TIMEOUT) {
        AfxPlatformMessageBox(NULL, kTimedOut, NULL, MB_OK);
        return FALSE;
    }
    return TRUE;
}

BOOL CExcelSheetWriter::Connect()
{
    CLSID clsid;
    const BSTR progId = ToBstr(kProgId);
    const bool known = SUCCEEDED(::CLSIDFromProgID(progId, &clsid));
    ::SysFreeString(progId);
    IUnknown* unknown = NULL;
    if (known && FAILED(::GetActiveObject(clsid, NULL, &unknown)))
        unknown = NULL;
    if (unknown == NULL && known &&
        FAILED(::CoCreateInstance(clsid, NULL, CLSCTX_LOCAL_SERVER, IID_IUnknown, (void**)&unknown)))
        unknown = NULL;
    if (unknown == NULL) {
        if (!StartProgram())
            return FALSE;
        if (!known || FAILED(::GetActiveObject(clsid, NULL, &unknown)) || unknown == NULL) {
            ShowMessage(kNotFound);
            return FALSE;
        }
    }
    const HRESULT hr = unknown->QueryInterface(IID_IDispatch, (void**)&m_pApp);
    unknown->Release();
    if (FAILED(hr) || m_pApp == NULL) {
        m_pApp = NULL;
        ShowMessage(kNotFound);
        return FALSE;
    }
    return TRUE;
}

BOOL CExcelSheetWriter::Open()
{
    Close();
    // A thread whose COM is already of another kind keeps it: only a successful call here is
    // undone by Close.
    m_bComInit = SUCCEEDED(::CoInitialize(NULL));
    if (!Connect()) {
        Close();
        return FALSE;
    }
    // Each call below that fails leaves out only itself.
    Invoke(m_pApp, DISPATCH_PROPERTYPUT, DISPID_XL_VISIBLE, NULL, {Bool(true)});
    Invoke(m_pApp, DISPATCH_PROPERTYPUT, DISPID_XL_USERCONTROL, NULL, {Bool(true)});
    VARIANT v;
    IDispatch* books = NULL;
    if (SUCCEEDED(Invoke(m_pApp, DISPATCH_PROPERTYGET, DISPID_XL_WORKBOOKS, &v, {})))
        books = TakeDispatch(v);
    IDispatch* book = NULL;
    if (books != NULL && SUCCEEDED(Invoke(books, DISPATCH_METHOD | DISPATCH_PROPERTYGET, DISPID_XL_ADD, &v, {})))
        book = TakeDispatch(v);
    if (book != NULL && SUCCEEDED(Invoke(book, DISPATCH_PROPERTYGET, DISPID_XL_ACTIVESHEET, &v, {})))
        m_pSheet = TakeDispatch(v);
    Release(book);
    Release(books);
    return TRUE;
}

void CExcelSheetWriter::WriteRow(int row, const std::vector<CString>& cells)
{
    if (m_pSheet == NULL)
        return;
    for (size_t col = 0; col < cells.size(); ++col) {
        const CString name = ColumnName((int)col);
        CString address;
        address.Format("%s%d:%s%d", (LPCSTR)name, row, (LPCSTR)name, row);
        VARIANT arg;
        ::VariantInit(&arg);
        arg.vt = VT_BSTR;
        arg.bstrVal = ToBstr(address);
        VARIANT v;
        IDispatch* range = NULL;
        if (SUCCEEDED(Invoke(m_pSheet, DISPATCH_PROPERTYGET, DISPID_XL_RANGE, &v, {arg})))
            range = TakeDispatch(v);
        ::VariantClear(&arg);
        if (range == NULL)
            continue;
        VARIANT text;
        ::VariantInit(&text);
        text.vt = VT_BSTR;
        text.bstrVal = ToBstr(cells[col]);
        Invoke(range, DISPATCH_PROPERTYPUT, DISPID_XL_VALUE2, NULL, {text});
        ::VariantClear(&text);
        Release(range);
    }
}

void CExcelSheetWriter::Close()
{
    Release(m_pSheet);
    Release(m_pApp);
    if (m_bComInit)
        ::CoUninitialize();
    m_bComInit = FALSE;
}
