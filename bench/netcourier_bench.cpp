// NetCourier and QueryBroker figures: frames per second through the framer, and the median
// round trip of a query from the agent to the server peer and back to the asking window.
// The round trip needs the server peer (MOLVANE_SERVER_PORT / MOLVANE_SERVER_CONTROL, as
// testbed/peers.py --peers server sets them); without it only the framer is measured.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FrameCutter.h"
#include "LinkTestSupport.h"
#include "NetCourier.h"
#include "TRAgent.h"

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Frame(int total, int code)
{
    char head[17];
    snprintf(head, sizeof head, "%08d%08d", total, code);
    std::string frame(head, 16);
    frame.resize(total, 'x');
    return frame;
}

void CountFrame(void* context, const BYTE*, int)
{
    ++*static_cast<long long*>(context);
}

// A stream of replies of typical sizes, fed in reads of `chunk` bytes.
void BenchFramer(int chunk)
{
    std::string stream;
    const int sizes[] = {301, 330, 33 + 195, 297 + 72, 297 + 468};
    int frames = 0;
    while (stream.size() < 4 * 1024 * 1024)
        stream += Frame(sizes[frames++ % 5], 1200);
    CFrameAssembler assembler;
    long long handed = 0;
    const int rounds = 20;
    const double start = Now();
    for (int round = 0; round < rounds; ++round)
        for (size_t at = 0; at < stream.size(); at += chunk) {
            const int n = static_cast<int>(std::min<size_t>(chunk, stream.size() - at));
            assembler.Feed(reinterpret_cast<const BYTE*>(stream.data() + at), n, CountFrame, &handed);
        }
    const double seconds = Now() - start;
    printf("framer, reads of %6d bytes: %10.0f frames/s  %7.1f MB/s  (%lld frames)\n", chunk, handed / seconds,
           rounds * stream.size() / seconds / 1e6, handed);
}

void BenchRoundTrip()
{
    link_test::ServerPeer peer;
    if (peer.Port() == 0) {
        printf("query round trip: skipped (no server peer; run under testbed/peers.py --peers server)\n");
        return;
    }
    link_test::ServerSetting setting("127.0.0.1", peer.Port());
    CTRAgent agent;
    if (!agent.Create()) {
        printf("query round trip: the agent window could not be made\n");
        return;
    }
    LCM_ConnectServer(0, agent.GetSafeHwnd());
    if (!LCM_IsConnected(0)) {
        printf("query round trip: not connected to 127.0.0.1:%d\n", peer.Port());
        return;
    }
    link_test::RecordingWindow window;
    std::vector<double> trips;
    const int warmUp = 20, measured = 500;
    BYTE body[] = "bench";
    for (int i = 0; i < warmUp + measured; ++i) {
        window.copies.clear();
        const double start = Now();
        CTRAgent::RequestQueryData(1200, 'I', window.Handle(), NULL, body, 5);
        if (!link_test::PumpUntil([&] { return !window.DataRecords().empty(); }, 5000)) {
            printf("query round trip: no reply to query %d\n", i);
            break;
        }
        if (i >= warmUp)
            trips.push_back((Now() - start) * 1000.0);
    }
    LCM_Close(-1);
    agent.DestroyWindow();
    if (trips.empty())
        return;
    std::sort(trips.begin(), trips.end());
    printf("query round trip (%zu queries): median %.3f ms, 90th %.3f ms, best %.3f ms\n", trips.size(),
           trips[trips.size() / 2], trips[trips.size() * 9 / 10], trips.front());
}

} // namespace

int main()
{
    for (int chunk : {1460, 8192, 65536})
        BenchFramer(chunk);
    BenchRoundTrip();
    return 0;
}
