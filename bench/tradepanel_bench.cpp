// TradePanel: one ticker poll of a 300-coin "/public/ticker/ALL" reply from the feed's parse
// thread to the painted board of screen 1000 (parse, SendMessage to the view, cell texts and
// the board's repaint). The board must never lag the feed's 250 ms cadence.
#include <afxwin.h>
#include <objbase.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "BaseView.h"
#include "InstallFolders.h"
#include "SharedKit.h"
#include "ZembraParser.h"
#include "ZembraRecords.h"

namespace {

typedef CBaseView*(__cdecl* CreateScreenFn)(CWnd*, const char*);

double Seconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

// The twelve listed coins and `extra` others; prices moved by `step` so every poll changes
// the board's texts.
std::string TickerReply(int extra, int step)
{
    const char* listed[] = {"BTC", "BCH", "BTG", "ETH", "ETC", "XRP", "LTC", "DASH", "XMR", "ZEC", "QTUM", "EOS"};
    std::vector<std::string> coins(listed, listed + 12);
    for (int i = 0; i < extra; ++i) {
        char sz[16];
        snprintf(sz, sizeof(sz), "SYN%04d", i + 1);
        coins.push_back(sz);
    }
    std::string json = "{\"status\":\"0000\",\"data\":{";
    for (size_t i = 0; i < coins.size(); ++i) {
        char sz[512];
        snprintf(sz, sizeof(sz),
                 "\"%s\":{\"opening_price\":\"%zu\",\"closing_price\":\"%zu\",\"min_price\":\"%zu\","
                 "\"max_price\":\"%zu\",\"average_price\":\"%zu.1234\",\"units_traded\":\"%zu.12345678\","
                 "\"volume_1day\":\"%zu.12345678\",\"volume_7day\":\"%zu.12345678\",\"buy_price\":\"%zu\","
                 "\"sell_price\":\"%zu\"},",
                 coins[i].c_str(), 9000000 + i, 9000000 + i * 7 + step, 8990000 + i, 9100000 + i, 9005000 + i,
                 77 + i + step, 88 + i, 99 + i, 9000000 + i, 9000010 + i);
        json += sz;
    }
    return json + "\"date\":\"1700000000123\"}}";
}

struct Job
{
    const std::string* replies;
    HWND view;
    int rounds;
    double seconds;
    int records;
};

// As the ticker feed's parse thread does it: parse, then one "ALL" batch to the window.
DWORD WINAPI ParseThread(LPVOID p)
{
    Job* job = static_cast<Job*>(p);
    std::vector<tagTickerInfo> recs(400);
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < job->rounds; ++i) {
        const std::string& reply = job->replies[i & 1];
        int n = 0;
        CString msg;
        CZembraParser::ParseTicker(reply.data(), (int)reply.size(), recs.data(), (int)recs.size(), n, msg);
        job->records = n;
        SendMessageA(job->view, WM_APIDATA_TICKER, (WPARAM)recs.data(), (LPARAM)(n * sizeof(tagTickerInfo)));
    }
    QueryPerformanceCounter(&b);
    job->seconds = Seconds(a, b);
    return 0;
}

} // namespace

int main()
{
    ::CoInitialize(NULL);
    GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");
    GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");
    CWnd frame;
    frame.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1100, 900), NULL, 0);
    HMODULE module = ::LoadLibraryA("TradePanel.dll");
    CreateScreenFn create = module ? (CreateScreenFn)::GetProcAddress(module, "CreateScreen") : NULL;
    CBaseView* view = create ? create(&frame, "1000") : NULL;
    if (view == NULL) {
        printf("tradepanel: the screen could not be made\n");
        return 1;
    }
    view->ShowWindow(SW_SHOWNOACTIVATE); // a hidden board would not paint
    view->UpdateWindow();

    const std::string replies[2] = {TickerReply(288, 0), TickerReply(288, 1)};
    const int rounds = 200;
    Job warm = {replies, view->m_hWnd, 5, 0.0, 0};
    Job job = {replies, view->m_hWnd, rounds, 0.0, 0};
    for (Job* j : {&warm, &job}) {
        HANDLE h = CreateThread(NULL, 0, ParseThread, j, 0, NULL);
        while (MsgWaitForMultipleObjects(1, &h, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
            MSG m;
            while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE))
                DispatchMessageA(&m);
        }
        CloseHandle(h);
    }
    printf("tradepanel: ticker ALL, 300 coins (%zu bytes, %d records parsed, 12 on the board): %.3f ms per poll "
           "(parse thread -> window -> board repaint); aim under 5 ms\n",
           replies[0].size(), job.records, job.seconds * 1000.0 / rounds);
    // The parts: the parse alone, and the board's handling and repaint alone.
    std::vector<tagTickerInfo> recs(400);
    int n = 0;
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i) {
        CString msg;
        CZembraParser::ParseTicker(replies[i & 1].data(), (int)replies[i & 1].size(), recs.data(), (int)recs.size(), n,
                                   msg);
    }
    QueryPerformanceCounter(&b);
    const double parse = Seconds(a, b) * 1000.0 / rounds;
    std::vector<tagTickerInfo> other(recs.begin(), recs.begin() + n);
    CString msg;
    CZembraParser::ParseTicker(replies[0].data(), (int)replies[0].size(), other.data(), n, n, msg);
    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i)
        view->SendMessage(WM_APIDATA_TICKER, (WPARAM)((i & 1) ? recs.data() : other.data()),
                          (LPARAM)(n * sizeof(tagTickerInfo)));
    QueryPerformanceCounter(&b);
    printf("tradepanel: parse alone %.3f ms, board handling and repaint alone %.3f ms per poll\n", parse,
           Seconds(a, b) * 1000.0 / rounds);
    view->DestroyWindow();
    delete view;
    frame.DestroyWindow();
    ::FreeLibrary(module);
    GetColorMap()->Release();
    GetResourceMap()->Release();
    ::CoUninitialize();
    return 0;
}
