#include "record_sink.h"

#include "ZembraRecords.h"

namespace {

const char kClass[] = "ExchLinkTestSink";

size_t RecordLength(UINT msg, LPARAM lParam)
{
    return msg == WM_APIERROR_NOTICE ? sizeof(tagAPIErrorNotice) : static_cast<size_t>(lParam);
}

} // namespace

RecordSink::RecordSink(DWORD handlerDelayMs) : m_hWnd(NULL), m_delay(handlerDelayMs)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &RecordSink::WndProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc); // fails harmlessly once registered
    m_hWnd = CreateWindowExA(0, kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, this);
}

RecordSink::~RecordSink()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

std::vector<ReceivedRecord> RecordSink::Records(UINT msg) const
{
    std::vector<ReceivedRecord> out;
    for (const ReceivedRecord& r : m_records)
        if (r.msg == msg)
            out.push_back(r);
    return out;
}

LRESULT CALLBACK RecordSink::WndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
    {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<RecordSink*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (self && (msg == WM_APIDATA_TICKER || msg == WM_APIDATA_FILLLIST || msg == WM_APIDATA_HOGA ||
                 msg == WM_APIERROR_NOTICE))
    {
        ReceivedRecord r;
        r.msg = msg;
        r.lParam = lParam;
        r.bytes.assign(reinterpret_cast<const char*>(wParam), RecordLength(msg, lParam));
        r.threadId = GetCurrentThreadId();
        self->m_records.push_back(r);
        if (self->m_delay)
            Sleep(self->m_delay);
        return 0;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!done())
    {
        if (GetTickCount() - start >= timeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
        MSG m;
        while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    return true;
}

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}
