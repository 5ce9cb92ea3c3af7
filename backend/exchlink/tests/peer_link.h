// The exchange test peer as these tests see it: its HTTPS base address, and its control channel
// (testbed/client's PeerControl) with replies parsed as JSON.
#pragma once

#include <json/json.h>
#include <string>

namespace peer {

// "https://localhost:<MOLVANE_EXCHANGE_PORT>"; empty when the peer is not running.
std::string BaseURL();
// Sends one command and returns the peer's reply ({"ok":false,...} when unreachable).
Json::Value Command(const Json::Value& cmd);
Json::Value Command(const std::string& json);
inline Json::Value Command(const char* json) { return Command(std::string(json)); }
// Recorded requests for the exact path ("" for all).
Json::Value Requests(const std::string& path = "");
int CountRequests(const std::string& path, const char* method = "POST");
// Arms a fault: mode on path, for `times` replies (-1: unlimited), optional extra members.
void Fault(const std::string& mode, const std::string& path, int times = -1,
           const Json::Value& extra = Json::Value(Json::objectValue));

} // namespace peer
