// A transaction agent connected to the server peer, shared by the agent's tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "LinkTestSupport.h"
#include "NetCourier.h"
#include "TRAgent.h"

class AgentTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Waits until the peer has answered everything sent so far: a query of its own goes last
    // and its reply is awaited.
    void Settle();
    static std::string FromHexField(const Json::Value& record, const char* field);

    static std::unique_ptr<link_test::ServerPeer> s_peer;
    static std::unique_ptr<link_test::ServerSetting> s_setting;
    static std::unique_ptr<link_test::RecordingWindow> s_main;
    static std::unique_ptr<link_test::MessageBoxRecorder> s_boxes;
    static CTRAgent* s_agent;
};
