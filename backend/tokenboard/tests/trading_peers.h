// The two test peers as the trading tests drive them: the system's server (frames in) and the
// exchange (orders out), both through their JSON-lines control channels.
#pragma once

#include <json/json.h>

#include <string>
#include <vector>

#include "peer_control.h"

namespace trading {

// One JSON-lines control channel; replies are parsed, a failure reads {"ok":false,"error"}.
class PeerChannel
{
public:
    explicit PeerChannel(const char* controlVariable);
    Json::Value Call(const Json::Value& command);
    // Call, and a test failure when the reply is not ok.
    Json::Value Must(const Json::Value& command);

private:
    PeerControl m_control;
};

Json::Value Command(const char* name);

class ExchangePeer : public PeerChannel
{
public:
    ExchangePeer();
    // "https://localhost:<port>"; empty when the peer is not running.
    static std::string BaseURL();
    // Recorded POSTs, in arrival order; "" for every private path.
    std::vector<Json::Value> Posts(const std::string& path = std::string());
    void SetPrice(const char* coin, long long price);
    // {"KRW":..., "BTC":"0.5"}
    void SetBalance(const Json::Value& available);
    // Arms a fault on one path for `times` replies (0: every reply).
    void Fault(const char* mode, const char* path, int times = 1);
};

class ServerPeer : public PeerChannel
{
public:
    ServerPeer();
    static int Port();
    // Records of a kind (query, register, unregister, ...), optionally of one code.
    std::vector<Json::Value> Records(const char* kind, int code = 0);
    // A code-100 signal of the peer's own layout; the number of connections it reached.
    int PushSignal(const char* coin, char kind, const char* signal, const char* percent);
    int PushSettlement(bool on, bool newVersion = false);
    int PushForcedSell(const char* coin);
    // A raw real-time frame: code, key and body bytes.
    int Push(int code, const char* key, const std::string& body);
};

// The form value of `name` in a recorded request; empty when absent.
std::string FormValue(const Json::Value& request, const char* name);

} // namespace trading
