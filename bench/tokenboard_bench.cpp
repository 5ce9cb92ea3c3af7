// TokenBoard: the road of one automatic trade, from the server peer's push of a signal to the
// exchange peer's receipt of the market order, over the real socket link and loopback HTTPS.
// Needs both peers (testbed/peers.py --peers server,exchange sets MOLVANE_SERVER_* and
// MOLVANE_EXCHANGE_*). Buy and sell signals alternate so that the account stays level.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "TRAgent.h"
#include "trading_fixture.h"

namespace {

// Milliseconds since 1970 on the clock the peers stamp their records with.
double WallMs()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULONGLONG ticks = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return static_cast<double>(ticks - 116444736000000000ULL) / 10000.0;
}

struct Trip
{
    double toFrame;   // push -> the frame handed to the first window registered for it
    double toBalance; // push -> balance query received
    double toOrder;   // push -> market order received
    double toAlarm;   // push -> order event at the alarm window
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void Print(const char* what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    printf("  %-38s median %6.1f ms   best %6.1f ms   90th %6.1f ms\n", what, Median(values), values.front(),
           values[values.size() * 9 / 10]);
}

} // namespace

int main()
{
    trading::TradingRig rig;
    if (!rig.Error().empty())
    {
        printf("tokenboard signal-to-order: skipped (%s; run under testbed/peers.py --peers server,exchange)\n",
               rig.Error().c_str());
        return 0;
    }
    rig.exchange.Must(trading::Command("reset"));
    Json::Value frozen = trading::Command("market");
    frozen["mode"] = "frozen";
    rig.exchange.Must(frozen);
    // A window registered before the manager gets each signal frame just before it.
    link_test::RecordingWindow first;
    double frameAt = 0;
    first.onCopy = [&](const link_test::CopyRecord&) { frameAt = WallMs(); };
    char key[] = "BTC         ";
    CTRAgent::SetRealData(RD_AUTO_SIGNAL, 'G', first.Handle(), reinterpret_cast<BYTE*>(key), sizeof key);
    if (!rig.StartManager(4, 3)) // BTC's key is registered already
        return 1;
    CRcmdCoinManager::GetAutoAgent()->SetAutoAmountType(1000000);
    Json::Value available;
    available["KRW"] = Json::Int64(1000000000);
    available["BTC"] = "0";
    rig.exchange.SetBalance(available);
    if (!rig.SetPrice("BTC", 8000000))
    {
        printf("tokenboard signal-to-order: the manager never saw the BTC price\n");
        return 1;
    }

    const int warmUp = 4, measured = 40;
    std::vector<Trip> trips;
    int newConnections = 0; // orders that did not reuse the balance query's connection
    int lastSeq = 0;
    for (int i = 0; i < warmUp + measured; ++i)
    {
        const bool buy = i % 2 == 0;
        const size_t alarms = rig.alarmHost.alarms.size();
        double alarmAt = 0;
        rig.alarmHost.onAlarm = [&] { alarmAt = WallMs(); };
        frameAt = 0;
        const double pushedAt = WallMs();
        rig.server.PushSignal("BTC", buy ? '1' : '2', buy ? "B001" : "S001", "1");
        if (!rig.PumpUntil([&] { return rig.alarmHost.alarms.size() > alarms; }, 10000))
        {
            printf("tokenboard signal-to-order: no order event for signal %d\n", i);
            return 1;
        }
        Json::Value query = trading::Command("requests");
        query["since"] = lastSeq;
        double balanceAt = 0, orderAt = 0;
        int balanceConn = -1, orderConn = -2;
        const Json::Value reply = rig.exchange.Must(query);
        for (const Json::Value& r : reply["requests"])
        {
            lastSeq = std::max(lastSeq, r["seq"].asInt());
            const std::string path = r["path"].asString();
            if (path == "/info/balance")
            {
                balanceAt = r["time_ms"].asDouble();
                balanceConn = r["conn"].asInt();
            }
            else if (path.compare(0, 7, "/trade/") == 0)
            {
                orderAt = r["time_ms"].asDouble();
                orderConn = r["conn"].asInt();
            }
        }
        if (orderAt == 0 || balanceAt == 0)
        {
            printf("tokenboard signal-to-order: signal %d reached no order\n", i);
            return 1;
        }
        if (i >= warmUp && orderConn != balanceConn)
            ++newConnections;
        if (i >= warmUp)
            trips.push_back({frameAt - pushedAt, balanceAt - pushedAt, orderAt - pushedAt, alarmAt - pushedAt});
    }
    rig.alarmHost.onAlarm = nullptr;
    rig.StopManager();
    CTRAgent::ResetRealData(RD_AUTO_SIGNAL, key, first.Handle());

    std::vector<double> toFrame, frameToBalance, toBalance, toOrder, toAlarm, balanceToOrder;
    for (const Trip& t : trips)
    {
        toFrame.push_back(t.toFrame);
        frameToBalance.push_back(t.toBalance - t.toFrame);
        toBalance.push_back(t.toBalance);
        toOrder.push_back(t.toOrder);
        toAlarm.push_back(t.toAlarm);
        balanceToOrder.push_back(t.toOrder - t.toBalance);
    }
    printf("tokenboard signal-to-order over loopback HTTPS (%zu signals, buys and sells alternating):\n",
           trips.size());
    Print("push -> market order at exchange", toOrder);
    Print("push -> frame at the client's window", toFrame);
    Print("frame -> balance query at exchange", frameToBalance);
    Print("push -> balance query at exchange", toBalance);
    Print("balance query -> market order", balanceToOrder);
    Print("push -> order event at alarm window", toAlarm);
    printf("  orders on another connection than their balance query: %d of %zu\n", newConnections, trips.size());
    return 0;
}
