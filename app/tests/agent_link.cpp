#include "AgentLink.h"

#include "NetCourier.h"

using namespace link_test;

AgentLink::AgentLink() : m_setting("127.0.0.1", m_peer.Port())
{
    m_created = m_agent.Create() != 0;
}

AgentLink::~AgentLink()
{
    LCM_Close(-1);
    if (::IsWindow(m_agent.GetSafeHwnd()))
        m_agent.DestroyWindow();
}

bool AgentLink::Reset()
{
    if (m_peer.Port() <= 0 || !m_peer.Call("{\"cmd\":\"reset\"}")["ok"].asBool())
        return false;
    if (!LCM_IsConnected(0))
        LCM_ConnectServer(0, m_agent.GetSafeHwnd());
    return PumpUntil([] { return LCM_IsConnected(0) != 0; }, 5000);
}

std::vector<Json::Value> AgentLink::Queries(int code)
{
    std::vector<Json::Value> out;
    for (const Json::Value& r : m_peer.Records("query", code))
        out.push_back(r);
    return out;
}

std::vector<std::string> AgentLink::Bodies(int code)
{
    std::vector<std::string> bodies;
    for (const Json::Value& r : Queries(code))
        bodies.push_back(FromHex(r["body_hex"].asString()));
    return bodies;
}
