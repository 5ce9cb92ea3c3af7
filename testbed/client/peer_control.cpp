#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include "peer_control.h"

#include <algorithm>
#include <stdio.h>
#include <stdlib.h>

int PeerControl::PortFromEnv(const char* variable)
{
    const char* value = getenv(variable);
    return value ? atoi(value) : 0;
}

PeerControl::PeerControl(int port) : m_nPort(port), m_socket(INVALID_SOCKET), m_nTimeoutMs(60000)
{
}

PeerControl::~PeerControl()
{
    Disconnect();
}

void PeerControl::Disconnect()
{
    if (m_socket != INVALID_SOCKET)
        closesocket((SOCKET)m_socket);
    m_socket = INVALID_SOCKET;
    m_strPending.clear();
}

bool PeerControl::Fail(const std::string& text)
{
    m_strError = text + " (Winsock error " + std::to_string(WSAGetLastError()) + ")";
    Disconnect();
    return false;
}

bool PeerControl::Connect()
{
    if (m_socket != INVALID_SOCKET)
        return true;
    if (m_nPort <= 0)
        return Fail("no control port");
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return Fail("WSAStartup failed");
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return Fail("socket failed");
    m_socket = s;
    DWORD timeout = m_nTimeoutMs;
    setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, (const char*)&timeout, sizeof(timeout));
    setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, (const char*)&timeout, sizeof(timeout));
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons((u_short)m_nPort);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(s, (sockaddr*)&address, sizeof(address)) != 0)
        return Fail("cannot connect to 127.0.0.1:" + std::to_string(m_nPort));
    return true;
}

std::string PeerControl::Call(const std::string& json)
{
    m_strReply.clear();
    if (!Connect())
        return std::string();
    std::string line = json + "\n";
    for (size_t sent = 0; sent < line.size();)
    {
        int n = send((SOCKET)m_socket, line.data() + sent, (int)std::min<size_t>(line.size() - sent, 1 << 20), 0);
        if (n <= 0)
        {
            Fail("send failed");
            return std::string();
        }
        sent += (size_t)n;
    }
    for (;;)
    {
        size_t feed = m_strPending.find('\n');
        if (feed != std::string::npos)
        {
            m_strReply = m_strPending.substr(0, feed);
            m_strPending.erase(0, feed + 1);
            return m_strReply;
        }
        char buffer[65536];
        int n = recv((SOCKET)m_socket, buffer, sizeof(buffer), 0);
        if (n <= 0)
        {
            Fail(n == 0 ? "the peer closed the control channel" : "receive failed");
            return std::string();
        }
        m_strPending.append(buffer, (size_t)n);
    }
}

bool PeerControl::IsOk(const std::string& reply)
{
    size_t at = reply.find("\"ok\"");
    if (at == std::string::npos)
        return false;
    at = reply.find_first_not_of(" :", at + 4);
    return at != std::string::npos && reply.compare(at, 4, "true") == 0;
}

bool PeerControl::Command(const std::string& json)
{
    std::string reply = Call(json);
    if (!reply.empty() && !IsOk(reply))
        m_strError = reply;
    return IsOk(reply);
}

std::string JsonString(const std::string& text, unsigned codePage)
{
    int length = MultiByteToWideChar(codePage ? codePage : CP_ACP, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring wide(length > 0 ? length : 0, L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage ? codePage : CP_ACP, 0, text.data(), (int)text.size(), &wide[0], length);
    std::string out = "\"";
    for (wchar_t c : wide)
    {
        if (c == L'"' || c == L'\\')
        {
            out += '\\';
            out += (char)c;
        }
        else if (c >= 0x20 && c < 0x7F)
            out += (char)c;
        else
        {
            char escape[8];
            snprintf(escape, sizeof(escape), "\\u%04x", (unsigned)c);
            out += escape;
        }
    }
    return out + "\"";
}

std::string Base64(const std::string& bytes)
{
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3)
    {
        unsigned v = ((unsigned char)bytes[i] << 16) | ((unsigned char)bytes[i + 1] << 8) | (unsigned char)bytes[i + 2];
        out += kDigits[v >> 18];
        out += kDigits[(v >> 12) & 63];
        out += kDigits[(v >> 6) & 63];
        out += kDigits[v & 63];
    }
    if (i < bytes.size())
    {
        unsigned v = (unsigned char)bytes[i] << 16;
        if (i + 1 < bytes.size())
            v |= (unsigned char)bytes[i + 1] << 8;
        out += kDigits[v >> 18];
        out += kDigits[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}
