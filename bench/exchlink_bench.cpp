// ExchLink: parse and dispatch of one "/public/ticker/ALL" reply (12 and 300 coins), and
// signatures per second.
#include <windows.h>
#include <stdio.h>
#include <string>
#include <vector>
#include "ZembraParser.h"
#include "ZembraSigner.h"

namespace {

double Seconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

// A reply shaped like the exchange's: the twelve listed coins plus `extra` others.
std::string TickerReply(int extra)
{
    const char* listed[] = {"BTC", "BCH", "BTG", "ETH", "ETC", "XRP", "LTC", "DASH", "XMR", "ZEC", "QTUM", "EOS"};
    std::vector<std::string> coins(listed, listed + 12);
    for (int i = 0; i < extra; ++i)
    {
        char sz[16];
        snprintf(sz, sizeof(sz), "SYN%04d", i + 1);
        coins.push_back(sz);
    }
    std::string json = "{\"status\":\"0000\",\"data\":{";
    for (size_t i = 0; i < coins.size(); ++i)
    {
        char sz[512];
        snprintf(sz, sizeof(sz),
                 "\"%s\":{\"opening_price\":\"%zu\",\"closing_price\":\"%zu\",\"min_price\":\"%zu\","
                 "\"max_price\":\"%zu\",\"average_price\":\"%zu.1234\",\"units_traded\":\"%zu.12345678\","
                 "\"volume_1day\":\"%zu.12345678\",\"volume_7day\":\"%zu.12345678\",\"buy_price\":\"%zu\","
                 "\"sell_price\":\"%zu\"},",
                 coins[i].c_str(), 1000 + i, 1010 + i, 990 + i, 1020 + i, 1005 + i, 77 + i, 88 + i, 99 + i, 1009 + i,
                 1011 + i);
        json += sz;
    }
    return json + "\"date\":\"1700000000123\"}}";
}

LRESULT CALLBACK CountProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    static volatile LONG sink;
    if (m == WM_APIDATA_TICKER)
    {
        sink += static_cast<LONG>(l) + reinterpret_cast<const char*>(w)[0];
        return 0;
    }
    return DefWindowProcA(h, m, w, l);
}

// The feed's work on one reply: parse, one message per coin window, one "ALL" batch.
void ParseAndDispatch(const std::string& reply, const HWND* coinWnds, HWND allWnd)
{
    tagTickerInfo recs[20];
    int n = 0;
    CString msg;
    CZembraParser::ParseTicker(reply.data(), (int)reply.size(), recs, 20, n, msg);
    for (int i = 0; i < n; ++i)
        SendMessageA(coinWnds[i], WM_APIDATA_TICKER, (WPARAM)&recs[i], sizeof(tagTickerInfo));
    SendMessageA(allWnd, WM_APIDATA_TICKER, (WPARAM)recs, n * sizeof(tagTickerInfo));
}

struct Job
{
    const std::string* reply;
    const HWND* wnds;
    int rounds;
    double seconds;
};

// As the feed does it: a worker thread parses and sends to windows of the pumping main thread.
DWORD WINAPI Worker(LPVOID p)
{
    Job* job = static_cast<Job*>(p);
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < job->rounds; ++i)
        ParseAndDispatch(*job->reply, job->wnds, job->wnds[12]);
    QueryPerformanceCounter(&b);
    job->seconds = Seconds(a, b);
    return 0;
}

void BenchTicker(int extra)
{
    std::string reply = TickerReply(extra);
    HWND wnds[13];
    for (HWND& h : wnds)
        h = CreateWindowExA(0, "ExchLinkBenchSink", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    const int rounds = extra > 100 ? 200 : 2000;
    ParseAndDispatch(reply, wnds, wnds[12]);
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i)
        ParseAndDispatch(reply, wnds, wnds[12]);
    QueryPerformanceCounter(&b);
    printf("ticker ALL, %3d coins (%6zu bytes): %8.3f ms per poll (parse + 13 sends, one thread)\n", 12 + extra,
           reply.size(), Seconds(a, b) * 1000.0 / rounds);

    Job job = {&reply, wnds, rounds, 0.0};
    HANDLE h = CreateThread(NULL, 0, Worker, &job, 0, NULL);
    while (MsgWaitForMultipleObjects(1, &h, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
    {
        MSG m;
        while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&m);
    }
    CloseHandle(h);
    printf("ticker ALL, %3d coins (%6zu bytes): %8.3f ms per poll (parse thread -> UI thread)\n", 12 + extra,
           reply.size(), job.seconds * 1000.0 / rounds);
    for (HWND w : wnds)
        DestroyWindow(w);
}

void BenchSign()
{
    ZEMBRA_SIGNED_REQUEST req;
    const int rounds = 20000;
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i)
        CZembraSigner::Sign("https://api.zembra.com", "/trade/market_buy", "units=0.001&currency=BTC",
                            "molvane-demo-key", "molvane-demo-secret", CZembraSigner::NextNonce(), req);
    QueryPerformanceCounter(&b);
    printf("signatures: %.0f per second (%.2f us each)\n", rounds / Seconds(a, b), Seconds(a, b) * 1e6 / rounds);
}

} // namespace

int main()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = CountProc;
    wc.lpszClassName = "ExchLinkBenchSink";
    RegisterClassA(&wc);
    BenchTicker(0);
    BenchTicker(288);
    BenchSign();
    return 0;
}
