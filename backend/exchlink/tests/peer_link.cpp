#include "peer_link.h"

#include <memory>
#include "peer_control.h"

namespace peer {
namespace {

std::string Exchange(const std::string& line)
{
    static PeerControl control(PeerControl::PortFromEnv("MOLVANE_EXCHANGE_CONTROL"));
    return control.Call(line);
}

} // namespace

std::string BaseURL()
{
    int port = PeerControl::PortFromEnv("MOLVANE_EXCHANGE_PORT");
    return port ? "https://localhost:" + std::to_string(port) : std::string();
}

Json::Value Command(const std::string& json)
{
    std::string reply = Exchange(json);
    Json::Value root;
    Json::CharReaderBuilder builder;
    std::string errors;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    if (reply.empty() || !reader->parse(reply.data(), reply.data() + reply.size(), &root, &errors))
    {
        root = Json::Value(Json::objectValue);
        root["ok"] = false;
        root["error"] = "no reply from the peer's control channel";
    }
    return root;
}

Json::Value Command(const Json::Value& cmd)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Command(Json::writeString(builder, cmd));
}

Json::Value Requests(const std::string& path)
{
    Json::Value cmd;
    cmd["cmd"] = "requests";
    if (!path.empty())
        cmd["path"] = path;
    return Command(cmd)["requests"];
}

int CountRequests(const std::string& path, const char* method)
{
    int n = 0;
    for (const Json::Value& r : Requests(path))
        if (r["method"].asString() == method)
            ++n;
    return n;
}

void Fault(const std::string& mode, const std::string& path, int times, const Json::Value& extra)
{
    Json::Value cmd = extra;
    cmd["cmd"] = "fault";
    cmd["mode"] = mode;
    if (!path.empty())
        cmd["path"] = path;
    if (times >= 0)
        cmd["times"] = times;
    Command(cmd);
}

} // namespace peer
