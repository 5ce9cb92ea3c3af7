// Automation calls through COleDispatchDriver against a recording IDispatch, the data object's
// global memory, the drop target's COM side and the drop source's rules.
#include <afxole.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring Wide(const VARIANT& v)
{
    return v.vt == VT_BSTR && v.bstrVal ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : std::wstring();
}

// One Invoke as the server saw it: arguments in the member's order.
struct SeenCall
{
    DISPID id;
    WORD flags;
    std::vector<VARIANT> args;
    UINT named;
    DISPID namedId;
};

// An IDispatch that records every call and answers with a preset result or failure.
class CRecordingDispatch : public IDispatch
{
public:
    ULONG refs = 1;
    std::vector<SeenCall> calls;
    VARIANT result;
    HRESULT failure = S_OK;
    CRecordingDispatch() { VariantInit(&result); }
    ~CRecordingDispatch()
    {
        for (SeenCall& c : calls)
            for (VARIANT& v : c.args)
                VariantClear(&v);
        VariantClear(&result);
    }
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* out, EXCEPINFO* info,
                        UINT*) override
    {
        SeenCall call = {id, flags, {}, params->cNamedArgs,
                         params->cNamedArgs ? params->rgdispidNamedArgs[0] : DISPID(0)};
        for (UINT i = params->cArgs; i-- > 0;) {
            VARIANT copy;
            VariantInit(&copy);
            VariantCopy(&copy, &params->rgvarg[i]);
            call.args.push_back(copy);
        }
        calls.push_back(call);
        if (failure == DISP_E_EXCEPTION) {
            info->wCode = 7;
            info->bstrDescription = SysAllocString(L"sheet is protected");
            info->bstrSource = SysAllocString(L"Recorder");
            return failure;
        }
        if (FAILED(failure))
            return failure;
        if (out)
            VariantCopy(out, &result);
        return S_OK;
    }
};

TEST(OleDispatchDriver, MethodArgumentsArriveInTheMembersOrderAsTheirTypes)
{
    ASSERT_EQ(949u, GetACP());
    CRecordingDispatch server;
    COleDispatchDriver driver(&server, FALSE);
    static BYTE parms[] = VTS_BSTR VTS_I2 VTS_I4 VTS_BOOL;
    driver.InvokeHelper(197, DISPATCH_METHOD, VT_EMPTY, NULL, parms, "가A1", short(1), 70000L, TRUE);
    ASSERT_EQ(1u, server.calls.size());
    const SeenCall& c = server.calls[0];
    EXPECT_EQ(197, c.id);
    EXPECT_EQ(0u, c.named);
    ASSERT_EQ(4u, c.args.size());
    EXPECT_EQ(L"\xAC00" L"A1", Wide(c.args[0]));
    EXPECT_EQ(VT_I2, c.args[1].vt);
    EXPECT_EQ(1, c.args[1].iVal);
    EXPECT_EQ(VT_I4, c.args[2].vt);
    EXPECT_EQ(70000, c.args[2].lVal);
    EXPECT_EQ(VT_BOOL, c.args[3].vt);
    EXPECT_EQ(VARIANT_TRUE, c.args[3].boolVal);
}

TEST(OleDispatchDriver, PropertyPutNamesItsValue)
{
    CRecordingDispatch server;
    COleDispatchDriver driver(&server, FALSE);
    driver.SetProperty(193, VT_BSTR, "#,##0.00");
    static BYTE parms[] = VTS_VARIANT;
    VARIANT missing;
    VariantInit(&missing);
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    driver.InvokeHelper(181, DISPATCH_METHOD, VT_EMPTY, NULL, parms, &missing);
    ASSERT_EQ(2u, server.calls.size());
    EXPECT_EQ(DISPATCH_PROPERTYPUT, server.calls[0].flags);
    EXPECT_EQ(1u, server.calls[0].named);
    EXPECT_EQ(DISPID_PROPERTYPUT, server.calls[0].namedId);
    EXPECT_EQ(L"#,##0.00", Wide(server.calls[0].args[0]));
    EXPECT_EQ(0u, server.calls[1].named);
    EXPECT_EQ(VT_ERROR, server.calls[1].args[0].vt);
    EXPECT_EQ(DISP_E_PARAMNOTFOUND, server.calls[1].args[0].scode);
}

TEST(OleDispatchDriver, ResultsAreConvertedToTheAskedType)
{
    CRecordingDispatch server;
    COleDispatchDriver driver(&server, FALSE);
    server.result.vt = VT_BSTR;
    server.result.bstrVal = SysAllocString(L"42");
    long number = 0;
    driver.GetProperty(6, VT_I4, &number);
    EXPECT_EQ(42, number);
    CString text;
    driver.GetProperty(6, VT_BSTR, &text);
    EXPECT_STREQ("42", text);

    // A returned interface is the caller's reference.
    CRecordingDispatch child;
    VariantClear(&server.result);
    server.result.vt = VT_DISPATCH;
    server.result.pdispVal = &child;
    child.AddRef();
    LPDISPATCH got = NULL;
    driver.InvokeHelper(572, DISPATCH_PROPERTYGET, VT_DISPATCH, &got, NULL);
    EXPECT_EQ(&child, got);
    EXPECT_EQ(3u, child.refs); // ours, the preset result's, the caller's
    {
        COleDispatchDriver books(got); // released with the driver
    }
    EXPECT_EQ(2u, child.refs);
}

TEST(OleDispatchDriver, FailuresThrowTheMatchingException)
{
    CRecordingDispatch server;
    COleDispatchDriver driver(&server, FALSE);
    server.failure = DISP_E_EXCEPTION;
    try {
        driver.SetProperty(6, VT_BSTR, "x");
        FAIL() << "no exception";
    } catch (COleDispatchException* e) {
        EXPECT_EQ(7, e->m_wCode);
        EXPECT_STREQ("sheet is protected", e->m_strDescription);
        EXPECT_STREQ("Recorder", e->m_strSource);
        e->Delete();
    }
    server.failure = E_ACCESSDENIED;
    try {
        driver.SetProperty(6, VT_BSTR, "x");
        FAIL() << "no exception";
    } catch (COleException* e) {
        EXPECT_EQ(E_ACCESSDENIED, e->m_sc);
        EXPECT_EQ(E_ACCESSDENIED, COleException::Process(e));
        e->Delete();
    }
    // A result that cannot be what was asked for is a failure too.
    server.failure = S_OK;
    server.result.vt = VT_BSTR;
    server.result.bstrVal = SysAllocString(L"not a number");
    long number = 0;
    EXPECT_THROW(driver.GetProperty(6, VT_I4, &number), COleException*);
}

TEST(OleDispatchDriver, ReleasesOnlyWhatItOwnsAndCallsNothingWithoutAnInterface)
{
    CRecordingDispatch server;
    {
        COleDispatchDriver owned;
        owned.AttachDispatch(&server, TRUE);
        server.AddRef();
    }
    EXPECT_EQ(1u, server.refs);
    {
        COleDispatchDriver borrowed(&server, FALSE);
        EXPECT_EQ(&server, borrowed.DetachDispatch());
        EXPECT_EQ(NULL, borrowed.m_lpDispatch);
    }
    EXPECT_EQ(1u, server.refs);
    COleDispatchDriver empty;
    long number = 5;
    empty.GetProperty(6, VT_I4, &number);
    EXPECT_EQ(5, number);
    COleException error;
    EXPECT_FALSE(empty.CreateDispatch("Molvane.NoSuchApplication", &error));
    EXPECT_TRUE(FAILED(error.m_sc));
}

// A data object with one format in global memory, kept by the source or handed over.
class CBlockDataObject : public IDataObject
{
public:
    ULONG refs = 1;
    CLIPFORMAT format;
    std::vector<BYTE> bytes;
    bool keepMemory; // the medium names the source as its releaser
    DWORD tymed = TYMED_HGLOBAL;
    HGLOBAL lastGiven = NULL;
    CBlockDataObject(CLIPFORMAT f, std::vector<BYTE> b, bool keep) : format(f), bytes(b), keepMemory(keep) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
    STDMETHODIMP_(ULONG) Release() override { return --refs; }
    STDMETHODIMP GetData(FORMATETC* f, STGMEDIUM* m) override
    {
        if (f->cfFormat != format || !(f->tymed & TYMED_HGLOBAL))
            return DV_E_FORMATETC;
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        memcpy(GlobalLock(h), bytes.data(), bytes.size());
        GlobalUnlock(h);
        lastGiven = h;
        m->tymed = tymed;
        m->hGlobal = h;
        m->pUnkForRelease = NULL;
        if (keepMemory) {
            m->pUnkForRelease = this;
            AddRef();
        }
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* f) override { return f->cfFormat == format ? S_OK : DV_E_FORMATETC; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP DUnadvise(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
};

const CLIPFORMAT kFormat = CLIPFORMAT(0xC123);

struct GlobalCase
{
    const char* name;
    bool keepMemory;
    bool copied; // the caller gets a copy, not the source's memory
};

class OleDataObjectGlobal : public ::testing::TestWithParam<GlobalCase>
{
};

TEST_P(OleDataObjectGlobal, HandsTheCallerMemoryItOwns)
{
    const GlobalCase& c = GetParam();
    CBlockDataObject source(kFormat, {1, 2, 3, 4, 5}, c.keepMemory);
    COleDataObject data;
    data.Attach(&source, FALSE);
    EXPECT_TRUE(data.IsDataAvailable(kFormat));
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    HGLOBAL h = data.GetGlobalData(kFormat);
    ASSERT_TRUE(h != NULL);
    EXPECT_EQ(c.copied, h != source.lastGiven);
    ASSERT_EQ(5u, GlobalSize(h));
    EXPECT_EQ(0, memcmp(GlobalLock(h), source.bytes.data(), 5));
    GlobalUnlock(h);
    GlobalFree(h);
    EXPECT_EQ(1u, source.refs); // the medium's reference went back
    if (c.keepMemory)
        GlobalFree(source.lastGiven); // what the source's release would do
}

INSTANTIATE_TEST_SUITE_P(Media, OleDataObjectGlobal,
                         ::testing::Values(GlobalCase{"HandedOver", false, false},
                                           GlobalCase{"KeptBySource", true, true}),
                         [](const ::testing::TestParamInfo<GlobalCase>& info) { return info.param.name; });

TEST(OleDataObject, NoGlobalMemoryForAMissingFormatOrAnotherMedium)
{
    CBlockDataObject source(kFormat, {9}, false);
    COleDataObject data;
    data.Attach(&source, FALSE);
    EXPECT_EQ(NULL, data.GetGlobalData(CF_TEXT));
    source.tymed = TYMED_GDI; // a wrong answer from the source: the handle is not memory
    source.keepMemory = true; // released through the source, which leaves the handle alone
    EXPECT_EQ(NULL, data.GetGlobalData(kFormat));
    GlobalFree(source.lastGiven);
    COleDataObject none;
    EXPECT_FALSE(none.IsDataAvailable(kFormat));
    EXPECT_EQ(NULL, none.GetGlobalData(kFormat));
}

// Records what the target's handlers were given.
class CRecordingTarget : public COleDropTarget
{
public:
    CPoint lastPoint{-1, -1};
    DWORD lastKeys = 0;
    DROPEFFECT answer = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    DROPEFFECT dropEffect = 0;
    BOOL dropResult = TRUE;
    int enters = 0, overs = 0, leaves = 0, drops = 0;
    bool sawData = false;
    DROPEFFECT OnDragEnter(CWnd* w, COleDataObject* d, DWORD k, CPoint p) override
    {
        ++enters;
        return OnDragOver(w, d, k, p);
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* d, DWORD k, CPoint p) override
    {
        ++overs;
        lastPoint = p;
        lastKeys = k;
        sawData = d && d->IsDataAvailable(kFormat);
        return answer;
    }
    void OnDragLeave(CWnd*) override { ++leaves; }
    BOOL OnDrop(CWnd*, COleDataObject*, DROPEFFECT e, CPoint p) override
    {
        ++drops;
        dropEffect = e;
        lastPoint = p;
        return dropResult;
    }
};

class OleDropTarget : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(OleInitialize(NULL)));
        ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "target", WS_POPUP | WS_VISIBLE, CRect(100, 50, 300, 250),
                                 NULL, 0));
        CPoint origin(0, 0);
        wnd.ClientToScreen(&origin);
        screenOrigin = origin;
    }
    void TearDown() override
    {
        target.Revoke();
        wnd.DestroyWindow();
        OleUninitialize();
    }
    IDropTarget* Com() { return static_cast<IDropTarget*>(target.GetInterface(&IID_IDropTarget)); }
    POINTL At(int x, int y) { return POINTL{screenOrigin.x + x, screenOrigin.y + y}; }

    CWnd wnd;
    CPoint screenOrigin;
    CRecordingTarget target;
};

TEST_F(OleDropTarget, RegistersOnceAndHandsHandlersClientPoints)
{
    ASSERT_TRUE(target.Register(&wnd));
    CRecordingTarget second;
    EXPECT_FALSE(second.Register(&wnd)); // the window has its target
    EXPECT_EQ(NULL, target.GetInterface(&IID_IDataObject));
    IDropTarget* com = Com();
    ASSERT_TRUE(com != NULL);

    CBlockDataObject data(kFormat, {1}, false);
    DWORD effect = DROPEFFECT_COPY; // the source allows copying only
    EXPECT_EQ(S_OK, com->DragEnter(&data, MK_LBUTTON | MK_SHIFT, At(12, 34), &effect));
    EXPECT_EQ(DROPEFFECT_COPY, effect);
    EXPECT_EQ(CPoint(12, 34), target.lastPoint);
    EXPECT_EQ(DWORD(MK_LBUTTON | MK_SHIFT), target.lastKeys);
    EXPECT_TRUE(target.sawData);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.answer = DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, com->DragOver(MK_LBUTTON, At(40, 5), &effect));
    EXPECT_EQ(DROPEFFECT_MOVE, effect);
    EXPECT_EQ(CPoint(40, 5), target.lastPoint);
    EXPECT_EQ(S_OK, com->DragLeave());
    EXPECT_EQ(1, target.leaves);
    EXPECT_EQ(1u, data.refs); // the drag's reference went with the leave
}

struct DropCase
{
    const char* name;
    DROPEFFECT answer;  // what the target's drag-over says
    BOOL dropResult;    // what OnDrop returns
    int drops;          // OnDrop calls
    DROPEFFECT reported;
};

class OleDropTargetDrop : public OleDropTarget, public ::testing::WithParamInterface<DropCase>
{
};

TEST_P(OleDropTargetDrop, ReportsTheEffectOnlyOfAnAcceptedDrop)
{
    const DropCase& c = GetParam();
    target.answer = c.answer;
    target.dropResult = c.dropResult;
    ASSERT_TRUE(target.Register(&wnd));
    CBlockDataObject data(kFormat, {1}, false);
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, Com()->Drop(&data, 0, At(7, 8), &effect));
    EXPECT_EQ(c.drops, target.drops);
    EXPECT_EQ(c.reported, effect);
    if (c.drops) {
        EXPECT_EQ(c.answer, target.dropEffect);
        EXPECT_EQ(CPoint(7, 8), target.lastPoint);
    }
    EXPECT_EQ(1u, data.refs);
}

INSTANTIATE_TEST_SUITE_P(Drops, OleDropTargetDrop,
                         ::testing::Values(DropCase{"Accepted", DROPEFFECT_COPY, TRUE, 1, DROPEFFECT_COPY},
                                           DropCase{"RefusedByOnDrop", DROPEFFECT_COPY, FALSE, 1, DROPEFFECT_NONE},
                                           DropCase{"NoEffectNoDrop", DROPEFFECT_NONE, TRUE, 0, DROPEFFECT_NONE}),
                         [](const ::testing::TestParamInfo<DropCase>& info) { return info.param.name; });

TEST(OleDropSource, DropsOnReleaseAndCancelsOnEscape)
{
    struct Case
    {
        BOOL escape;
        DWORD keys;
        SCODE expected;
    } cases[] = {
        {FALSE, MK_LBUTTON, S_OK},
        {FALSE, MK_RBUTTON | MK_SHIFT, S_OK},
        {FALSE, MK_SHIFT, DRAGDROP_S_DROP},
        {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
    };
    COleDropSource source;
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, source.QueryContinueDrag(c.escape, c.keys)) << c.keys;
    EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source.GiveFeedback(DROPEFFECT_COPY));
}

} // namespace
