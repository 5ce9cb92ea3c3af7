// Test-side client of a peer's control channel: newline-delimited JSON over TCP on 127.0.0.1.
// One command line out, one reply line back. The peers run under testbed/peers.py, which
// exports MOLVANE_<NAME>_PORT and MOLVANE_<NAME>_CONTROL.
#pragma once

#include <stdint.h>
#include <string>

class PeerControl
{
public:
    // The port in an environment variable (e.g. "MOLVANE_VERSION_CONTROL"); 0 when unset.
    static int PortFromEnv(const char* variable);

    explicit PeerControl(int port);
    ~PeerControl();
    PeerControl(const PeerControl&) = delete;
    PeerControl& operator=(const PeerControl&) = delete;

    // Connects on first use; every call reuses the connection.
    bool Connect();
    // Sends one JSON object (a newline is added) and returns the reply line without its
    // newline; empty when the channel fails (see LastError).
    std::string Call(const std::string& json);
    // Call, true when the reply says {"ok":true,...}.
    bool Command(const std::string& json);

    void SetTimeout(unsigned long milliseconds) { m_nTimeoutMs = milliseconds; }
    const std::string& LastError() const { return m_strError; }
    const std::string& LastReply() const { return m_strReply; }

    static bool IsOk(const std::string& reply);

private:
    void Disconnect();
    bool Fail(const std::string& text);

    int m_nPort;
    uintptr_t m_socket;
    unsigned long m_nTimeoutMs;
    std::string m_strPending; // bytes after the last reply line
    std::string m_strReply;
    std::string m_strError;
};

// A JSON string literal (quotes included) of text in the given code page (default: the
// program's ANSI code page, 949 here); characters beyond ASCII become \uXXXX escapes.
std::string JsonString(const std::string& text, unsigned codePage = 0);
// Standard base64 of any bytes.
std::string Base64(const std::string& bytes);
