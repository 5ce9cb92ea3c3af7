// The transaction agent linked to the server peer as start-up links it: the test tree's
// User\system.ini names the peer, the agent's window receives the frames.
#pragma once

#include <json/json.h>

#include <memory>
#include <string>
#include <vector>

#include "LinkTestSupport.h"
#include "TRAgent.h"

class AgentLink
{
public:
    AgentLink();
    ~AgentLink(); // closes the link and destroys the agent's window
    AgentLink(const AgentLink&) = delete;
    AgentLink& operator=(const AgentLink&) = delete;

    link_test::ServerPeer& Peer() { return m_peer; }
    bool Created() const { return m_created; }
    // Peer back to its defaults and the link up (connected again when it is down).
    bool Reset();
    // The bodies of the queries of a code the peer received, in order, and their records.
    std::vector<std::string> Bodies(int code);
    std::vector<Json::Value> Queries(int code);

private:
    link_test::ServerPeer m_peer;
    link_test::ServerSetting m_setting;
    CTRAgent m_agent;
    bool m_created = false;
};
