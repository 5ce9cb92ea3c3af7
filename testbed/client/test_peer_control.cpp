// The control-channel client against a live peer, and its JSON text helpers.
#include <gtest/gtest.h>

#include "peer_control.h"

namespace {

TEST(PeerControl, SendsALineAndReadsTheReplyLine)
{
    int port = PeerControl::PortFromEnv("MOLVANE_VERSION_CONTROL");
    ASSERT_NE(0, port) << "run under testbed/peers.py --peers version";
    PeerControl control(port);
    EXPECT_EQ("{\"ok\": true, \"pong\": true}", control.Call("{\"cmd\":\"ping\"}"));
    EXPECT_TRUE(control.Command("{\"cmd\":\"reset\"}"));
    EXPECT_FALSE(control.Command("{\"cmd\":\"no such command\"}"));
    EXPECT_NE(std::string::npos, control.LastError().find("unknown command"));
    // Korean text and binary content arrive as sent.
    EXPECT_TRUE(control.Command("{\"cmd\":\"set_file\",\"folder\":\"Bin\",\"name\":" + JsonString("한글.zip") +
                                ",\"base64\":\"" + Base64(std::string("\0\xff\x10", 3)) + "\"}"));
    EXPECT_NE(std::string::npos, control.LastReply().find("\"bytes\": 3"));
}

TEST(PeerControl, UnreachablePortFailsWithAReason)
{
    PeerControl control(1);
    EXPECT_EQ("", control.Call("{\"cmd\":\"ping\"}"));
    EXPECT_FALSE(control.LastError().empty());
}

TEST(JsonText, EscapesQuotesControlsAndNonAscii)
{
    EXPECT_EQ("\"a\\\"b\\\\c\\u000a\"", JsonString("a\"b\\c\n"));
    EXPECT_EQ("\"\\ud55c\"", JsonString("한"));
}

TEST(JsonText, Base64OfEveryPaddingLength)
{
    EXPECT_EQ("", Base64(""));
    EXPECT_EQ("Zg==", Base64("f"));
    EXPECT_EQ("Zm8=", Base64("fo"));
    EXPECT_EQ("Zm9v", Base64("foo"));
    EXPECT_EQ("AP8Q", Base64(std::string("\0\xff\x10", 3)));
}

} // namespace
