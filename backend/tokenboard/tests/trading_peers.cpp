#include "trading_peers.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <memory>

namespace trading {

namespace {

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes)
    {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string Line(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Json::writeString(builder, value);
}

std::vector<Json::Value> List(const Json::Value& array)
{
    std::vector<Json::Value> out;
    if (array.isArray())
        for (const Json::Value& item : array)
            out.push_back(item);
    return out;
}

} // namespace

Json::Value Command(const char* name)
{
    Json::Value command(Json::objectValue);
    command["cmd"] = name;
    return command;
}

PeerChannel::PeerChannel(const char* controlVariable) : m_control(PeerControl::PortFromEnv(controlVariable))
{
}

Json::Value PeerChannel::Call(const Json::Value& command)
{
    const std::string reply = m_control.Call(Line(command));
    Json::Value value;
    Json::CharReaderBuilder builder;
    std::string errors;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    if (reply.empty() || !reader->parse(reply.data(), reply.data() + reply.size(), &value, &errors) ||
        !value.isObject())
    {
        value = Json::Value(Json::objectValue);
        value["ok"] = false;
        value["error"] = reply.empty() ? m_control.LastError() : reply;
    }
    return value;
}

Json::Value PeerChannel::Must(const Json::Value& command)
{
    Json::Value reply = Call(command);
    EXPECT_TRUE(reply["ok"].asBool()) << Line(command) << " -> " << Line(reply);
    return reply;
}

ExchangePeer::ExchangePeer() : PeerChannel("MOLVANE_EXCHANGE_CONTROL")
{
}

std::string ExchangePeer::BaseURL()
{
    int port = PeerControl::PortFromEnv("MOLVANE_EXCHANGE_PORT");
    return port ? "https://localhost:" + std::to_string(port) : std::string();
}

std::vector<Json::Value> ExchangePeer::Posts(const std::string& path)
{
    Json::Value command = Command("requests");
    if (!path.empty())
        command["path"] = path;
    std::vector<Json::Value> posts;
    for (const Json::Value& r : List(Must(command)["requests"]))
        if (r["method"].asString() == "POST" && (!path.empty() || r["kind"].asString() == "private"))
            posts.push_back(r);
    return posts;
}

void ExchangePeer::SetPrice(const char* coin, long long price)
{
    Json::Value command = Command("set_ticker");
    command["coin"] = coin;
    command["fields"]["closing_price"] = std::to_string(price); // the exchange sends texts
    Must(command);
}

void ExchangePeer::SetBalance(const Json::Value& available)
{
    Json::Value command = Command("set_balance");
    command["available"] = available;
    Must(command);
}

void ExchangePeer::Fault(const char* mode, const char* path, int times)
{
    Json::Value command = Command("fault");
    command["mode"] = mode;
    command["path"] = path;
    if (times > 0)
        command["times"] = times;
    Must(command);
}

ServerPeer::ServerPeer() : PeerChannel("MOLVANE_SERVER_CONTROL")
{
}

int ServerPeer::Port()
{
    return PeerControl::PortFromEnv("MOLVANE_SERVER_PORT");
}

std::vector<Json::Value> ServerPeer::Records(const char* kind, int code)
{
    Json::Value command = Command("requests");
    command["kind"] = kind;
    if (code)
        command["code"] = code;
    return List(Must(command)["requests"]);
}

int ServerPeer::PushSignal(const char* coin, char kind, const char* signal, const char* percent)
{
    Json::Value command = Command("push_signal");
    command["coin"] = coin;
    command["kind"] = std::string(1, kind);
    command["signal"] = signal;
    command["percent"] = percent;
    return Must(command)["sent"].asInt();
}

int ServerPeer::PushSettlement(bool on, bool newVersion)
{
    Json::Value command = Command("push_settlement");
    command["on"] = on;
    command["new_version"] = newVersion;
    return Must(command)["sent"].asInt();
}

int ServerPeer::PushForcedSell(const char* coin)
{
    Json::Value command = Command("push_forced_sell");
    command["coin"] = coin;
    return Must(command)["sent"].asInt();
}

int ServerPeer::Push(int code, const char* key, const std::string& body)
{
    Json::Value command = Command("push");
    command["code"] = code;
    command["key"] = key;
    command["body_hex"] = Hex(body);
    return Must(command)["sent"].asInt();
}

std::string FormValue(const Json::Value& request, const char* name)
{
    for (const Json::Value& pair : request["form"])
        if (pair.isArray() && pair.size() == 2 && pair[0].asString() == name)
            return pair[1].asString();
    return std::string();
}

} // namespace trading
