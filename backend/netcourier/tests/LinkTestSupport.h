// Test helpers for the link's and the agent's tests: message pumping with a deadline, a
// recording window, a recorder for the layer's message boxes, the server setting in the staged
// tree, and calls to the server peer's control channel.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <json/json.h>

#include "peer_control.h"

namespace link_test {

// Handles the calling thread's messages until done() or the deadline; the result of done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
void PumpFor(DWORD ms);

// What a window received with WM_COPYDATA (copied during the call).
struct CopyRecord
{
    WPARAM wParam;
    ULONG_PTR dwData;
    std::string data;  // cbData bytes at lpData
    std::string frame; // the frame wParam points at (its length field's bytes), when not 0
};

// A plain top-level window on the calling thread that records what it is sent.
class RecordingWindow
{
public:
    RecordingWindow();
    ~RecordingWindow();

    HWND Handle() const { return m_hWnd; }
    void Clear();
    // Only the replies and frames with data (status texts left out).
    std::vector<CopyRecord> DataRecords() const;
    std::vector<std::string> StatusTexts() const;

    std::vector<CopyRecord> copies;
    std::vector<std::pair<WPARAM, LPARAM>> commands; // WM_COMMAND
    int linkClosed = 0;
    int forceLogout = 0;
    LRESULT linkClosedResult = 0;
    // Runs inside WM_COPYDATA after the record was taken.
    std::function<void(const CopyRecord&)> onCopy;
    // Runs inside WM_LINK_CLOSED.
    std::function<void()> onLinkClosed;

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd;
};

// A 24-bit bitmap file of one colour.
void WriteBitmapFile(const std::string& path, int width, int height, COLORREF color);
// A fresh folder under the system's temporary folder, removed with its files at the end.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Replaces the layer's message-box function while it lives; answers IDOK.
class MessageBoxRecorder
{
public:
    struct Box
    {
        std::string text;
        UINT type;
    };
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    std::vector<Box> Boxes() const;
    void Clear();
};

// The install root the running program sees (the folder above its own), trailing backslash.
std::string InstallRoot();

// A key of an INI file set while it lives; what was there before comes back afterwards.
class IniValue
{
public:
    IniValue(const std::string& path, const char* section, const char* key, const std::string& value);
    ~IniValue();

private:
    std::string m_path, m_section, m_key, m_previous;
    bool m_existed;
};

// User\system.ini [SERVER] IP and PORT while it lives.
class ServerSetting
{
public:
    ServerSetting(const std::string& address, int port);

private:
    IniValue m_ip, m_port;
};

// The server peer's control channel (MOLVANE_SERVER_CONTROL).
class ServerPeer
{
public:
    ServerPeer();
    int Port() const;
    // Sends a command; the parsed reply (ok false on failure).
    Json::Value Call(const std::string& json);
    // Sends a command and fails the test when the reply is not ok.
    Json::Value Must(const std::string& json);
    Json::Value Records(const std::string& kind, int code = 0);

private:
    PeerControl m_control;
};

// A query frame as a client sends it: blank 297-byte header, length, code, type and window.
std::string QueryFrame(int code, char type, HWND window, const std::string& body = std::string());
std::string Hex(const std::string& bytes);
std::string FromHex(const std::string& hex);

} // namespace link_test
