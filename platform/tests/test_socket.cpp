// CAsyncSocket over real loopback sockets: notifications in order on the owning thread, options,
// refused connects, stale notifications, and a socket owned by a second user-interface thread.
#include <afxsock.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Runs this thread's messages until done() holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    return true;
}

void Pump(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

// Records every notification (with its error and thread) and what it read.
class RecordingSocket : public CAsyncSocket
{
public:
    std::vector<std::string> Events() const
    {
        std::lock_guard<std::mutex> hold(m_lock);
        return m_events;
    }
    bool Saw(const std::string& event) const
    {
        for (const std::string& e : Events())
            if (e == event)
                return true;
        return false;
    }
    std::string Received() const
    {
        std::lock_guard<std::mutex> hold(m_lock);
        return m_received;
    }
    int LastError(const std::string& kind) const
    {
        std::lock_guard<std::mutex> hold(m_lock);
        auto it = m_errors.find(kind);
        return it == m_errors.end() ? -1 : it->second;
    }
    DWORD NotifiedThread() const { return m_thread; }

    CAsyncSocket* m_pAcceptInto = NULL; // OnAccept accepts into this object when set
    DWORD m_waitingAtFirstRead = 0;     // FIONREAD in the first OnReceive

protected:
    void Record(const std::string& kind, int nErrorCode)
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_events.push_back(nErrorCode == 0 ? kind : kind + "!" + std::to_string(nErrorCode));
        m_errors[kind] = nErrorCode;
        m_thread = GetCurrentThreadId();
    }
    void OnAccept(int nErrorCode) override
    {
        Record("accept", nErrorCode);
        if (m_pAcceptInto != NULL)
            Accept(*m_pAcceptInto);
    }
    void OnConnect(int nErrorCode) override { Record("connect", nErrorCode); }
    void OnSend(int nErrorCode) override { Record("send", nErrorCode); }
    void OnClose(int nErrorCode) override { Record("close", nErrorCode); }
    void OnReceive(int nErrorCode) override
    {
        DWORD waiting = 0;
        IOCtl(FIONREAD, &waiting);
        char buf[256];
        const int n = Receive(buf, sizeof buf);
        std::lock_guard<std::mutex> hold(m_lock);
        if (m_received.empty() && m_waitingAtFirstRead == 0)
            m_waitingAtFirstRead = waiting;
        if (n > 0)
            m_received.append(buf, n);
        m_events.push_back(nErrorCode == 0 ? "receive" : "receive!" + std::to_string(nErrorCode));
        m_thread = GetCurrentThreadId();
    }

private:
    mutable std::mutex m_lock;
    std::vector<std::string> m_events;
    std::map<std::string, int> m_errors;
    std::string m_received;
    std::atomic<DWORD> m_thread{0};
};

int IndexOf(const std::vector<std::string>& events, const std::string& event)
{
    for (size_t i = 0; i < events.size(); ++i)
        if (events[i] == event)
            return static_cast<int>(i);
    return -1;
}

UINT PortOf(CAsyncSocket& socket)
{
    CString address;
    UINT port = 0;
    EXPECT_TRUE(socket.GetSockName(address, port));
    return port;
}

class SocketTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(AfxSocketInit());
        ASSERT_TRUE(listener.Create(0, SOCK_STREAM, FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE,
                                    "127.0.0.1"));
        ASSERT_TRUE(listener.Listen());
        port = PortOf(listener);
        listener.m_pAcceptInto = &server;
    }

    // Connects client to the listener and waits until both ends are up and writable.
    void Connect(RecordingSocket& client, LPCSTR host = "127.0.0.1")
    {
        ASSERT_TRUE(client.Create());
        const BOOL immediate = client.Connect(host, port);
        if (!immediate) {
            ASSERT_EQ(CAsyncSocket::GetLastError(), WSAEWOULDBLOCK);
        }
        ASSERT_TRUE(PumpUntil([&] { return client.Saw("send") && server.m_hSocket != INVALID_SOCKET; }));
    }

    RecordingSocket listener;
    RecordingSocket server;
    UINT port = 0;
};

TEST_F(SocketTest, ExchangeRunsTheNotificationsInOrder)
{
    RecordingSocket client;
    Connect(client);

    auto clientEvents = client.Events();
    ASSERT_GE(IndexOf(clientEvents, "connect"), 0);
    EXPECT_LT(IndexOf(clientEvents, "connect"), IndexOf(clientEvents, "send")) << "connect before the first send";
    EXPECT_EQ(listener.Events().front(), "accept");

    // The accepted socket knows its peer: the client's own address.
    CString peerAddress, clientAddress;
    UINT peerPort = 0, clientPort = 0;
    ASSERT_TRUE(server.GetPeerName(peerAddress, peerPort));
    ASSERT_TRUE(client.GetSockName(clientAddress, clientPort));
    EXPECT_STREQ(peerAddress, "127.0.0.1");
    EXPECT_EQ(peerPort, clientPort);

    ASSERT_EQ(client.Send("ping!", 5), 5);
    ASSERT_TRUE(PumpUntil([&] { return server.Received() == "ping!"; }));
    EXPECT_EQ(server.m_waitingAtFirstRead, 5u) << "FIONREAD before the read";

    ASSERT_EQ(server.Send("pong", 4), 4);
    ASSERT_TRUE(PumpUntil([&] { return client.Received() == "pong"; }));

    // Shutting down the sending side reaches the other end as OnClose without an error, after
    // the data; the way back stays open.
    ASSERT_TRUE(client.ShutDown(CAsyncSocket::sends));
    ASSERT_TRUE(PumpUntil([&] { return server.Saw("close"); }));
    auto serverEvents = server.Events();
    EXPECT_LT(IndexOf(serverEvents, "receive"), IndexOf(serverEvents, "close"));
    EXPECT_EQ(serverEvents.back(), "close");
    char byte;
    EXPECT_EQ(server.Receive(&byte, 1), 0) << "end of stream";
    ASSERT_EQ(server.Send("bye", 3), 3);
    ASSERT_TRUE(PumpUntil([&] { return client.Received() == "pongbye"; }));

    client.Close();
    EXPECT_EQ(client.m_hSocket, INVALID_SOCKET);
}

TEST_F(SocketTest, ConnectsByHostName)
{
    RecordingSocket client;
    Connect(client, "localhost");
    EXPECT_EQ(client.LastError("connect"), 0);
}

TEST_F(SocketTest, LingerOptionRoundTripsAndTheClosedPeerIsNotified)
{
    RecordingSocket client;
    Connect(client);

    const linger off = {1, 0}; // close resets at once instead of lingering
    ASSERT_TRUE(client.SetSockOpt(SO_LINGER, &off, sizeof off));
    linger read = {0, 7};
    int len = sizeof read;
    ASSERT_TRUE(client.GetSockOpt(SO_LINGER, &read, &len));
    EXPECT_EQ(read.l_onoff, 1);
    EXPECT_EQ(read.l_linger, 0);

    client.Close();
    ASSERT_TRUE(PumpUntil([&] { return server.LastError("close") >= 0; }));
    EXPECT_FALSE(client.SetSockOpt(SO_LINGER, &off, sizeof off)) << "no socket after Close";
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAENOTSOCK);
}

TEST(Socket, RefusedConnectReportsItsErrorInOnConnect)
{
    ASSERT_TRUE(AfxSocketInit());
    // A port that was just free and has no listener.
    CAsyncSocket probe;
    ASSERT_TRUE(probe.Create(0, SOCK_STREAM, 0, "127.0.0.1"));
    const UINT port = PortOf(probe);
    probe.Close();

    RecordingSocket client;
    ASSERT_TRUE(client.Create());
    EXPECT_FALSE(client.Connect("127.0.0.1", port));
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEWOULDBLOCK);
    ASSERT_TRUE(PumpUntil([&] { return client.Saw("connect!" + std::to_string(WSAECONNREFUSED)); }))
        << "events: " << (client.Events().empty() ? "none" : client.Events().front());
}

TEST(Socket, BadAddressesFailWithoutASocketCall)
{
    ASSERT_TRUE(AfxSocketInit());
    CAsyncSocket socket;
    EXPECT_FALSE(socket.Create(0, SOCK_STREAM, 0, "not-an-address"));
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEINVAL);
    EXPECT_EQ(socket.m_hSocket, INVALID_SOCKET) << "a failed Create leaves no socket behind";

    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect("no-such-host.invalid", 80));
    EXPECT_EQ(CAsyncSocket::GetLastError(), WSAEINVAL);
}

// Whether this thread's queue holds the notification event for hSocket, without running anything:
// the notifications are taken off and put back in the same order.
bool Queued(SOCKET hSocket, long event)
{
    std::vector<MSG> taken;
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0x0373, 0x0373, PM_REMOVE))
        taken.push_back(msg);
    bool found = false;
    for (const MSG& m : taken) {
        found = found || (m.wParam == hSocket && WSAGETSELECTEVENT(m.lParam) == event);
        PostMessageA(m.hwnd, m.message, m.wParam, m.lParam);
    }
    return found;
}

TEST_F(SocketTest, NotificationsQueuedForAClosedSocketAreDropped)
{
    RecordingSocket client;
    Connect(client);
    Pump(100);
    const SOCKET closedHandle = server.m_hSocket;
    EXPECT_EQ(CAsyncSocket::FromHandle(closedHandle), &server);

    // The peer closes: the close notice is queued but not yet run when the socket closes here.
    client.Close();
    const DWORD start = GetTickCount();
    while (!Queued(closedHandle, FD_CLOSE) && GetTickCount() - start < 5000)
        Sleep(10);
    ASSERT_TRUE(Queued(closedHandle, FD_CLOSE));
    const size_t eventsBefore = server.Events().size();
    server.Close();
    EXPECT_EQ(CAsyncSocket::FromHandle(closedHandle), nullptr);

    // A new socket that gets the same handle value must not inherit the old notice.
    std::vector<std::unique_ptr<RecordingSocket>> fresh;
    for (int i = 0; i < 8; ++i) {
        fresh.push_back(std::make_unique<RecordingSocket>());
        ASSERT_TRUE(fresh.back()->Create(0, SOCK_STREAM, FD_READ | FD_CLOSE));
        if (fresh.back()->m_hSocket == closedHandle)
            break;
    }
    Pump(300);
    EXPECT_EQ(server.Events().size(), eventsBefore);
    for (auto& s : fresh)
        EXPECT_TRUE(s->Events().empty()) << "handle " << s->m_hSocket << (s->m_hSocket == closedHandle ? " (reused)" : "");
}

TEST_F(SocketTest, DetachedHandleNotifiesTheObjectItIsAttachedTo)
{
    RecordingSocket client;
    Connect(client);
    const SOCKET handle = client.Detach();
    ASSERT_NE(handle, INVALID_SOCKET);
    EXPECT_EQ(client.m_hSocket, INVALID_SOCKET);

    RecordingSocket adopter;
    ASSERT_TRUE(adopter.Attach(handle));
    EXPECT_EQ(CAsyncSocket::FromHandle(handle), &adopter);
    ASSERT_EQ(server.Send("hello", 5), 5);
    ASSERT_TRUE(PumpUntil([&] { return adopter.Received() == "hello"; }));
    EXPECT_FALSE(client.Saw("receive"));
}

TEST(Socket, DatagramsCarryTheSendersAddress)
{
    ASSERT_TRUE(AfxSocketInit());
    CAsyncSocket a, b;
    ASSERT_TRUE(a.Create(0, SOCK_DGRAM, FD_READ, "127.0.0.1"));
    ASSERT_TRUE(b.Create(0, SOCK_DGRAM, 0, "127.0.0.1"));
    ASSERT_EQ(b.SendTo("dgram", 5, PortOf(a), "127.0.0.1"), 5);
    char buf[16];
    CString from;
    UINT fromPort = 0;
    int n = SOCKET_ERROR;
    ASSERT_TRUE(PumpUntil([&] { return (n = a.ReceiveFrom(buf, sizeof buf, from, fromPort)) != SOCKET_ERROR; }));
    EXPECT_EQ(std::string(buf, n), "dgram");
    EXPECT_STREQ(from, "127.0.0.1");
    EXPECT_EQ(fromPort, PortOf(b));
}

// The system's server link: the socket is created on its own user-interface thread, Connect is
// called from the main thread, and every notification runs on the socket's thread.
class SocketThread : public CWinThread
{
public:
    SocketThread() { m_bAutoDelete = FALSE; }
    BOOL InitInstance() override
    {
        created = socket.Create() ? 1 : -1;
        return TRUE;
    }
    int ExitInstance() override
    {
        socket.Close();
        return CWinThread::ExitInstance();
    }
    RecordingSocket socket;
    std::atomic<int> created{0};
};

TEST_F(SocketTest, SocketOfASecondThreadIsNotifiedOnThatThread)
{
    SocketThread thread;
    ASSERT_TRUE(thread.CreateThread());
    ASSERT_TRUE(PumpUntil([&] { return thread.created != 0; }));
    ASSERT_EQ(thread.created, 1);

    if (!thread.socket.Connect("127.0.0.1", port)) {
        ASSERT_EQ(CAsyncSocket::GetLastError(), WSAEWOULDBLOCK);
    }
    ASSERT_TRUE(PumpUntil([&] { return thread.socket.Saw("connect") && server.m_hSocket != INVALID_SOCKET; }));
    EXPECT_EQ(thread.socket.NotifiedThread(), thread.m_nThreadID);
    EXPECT_EQ(listener.NotifiedThread(), GetCurrentThreadId());
    EXPECT_EQ(CAsyncSocket::FromHandle(thread.socket.m_hSocket), nullptr) << "another thread's socket";

    ASSERT_EQ(server.Send("to the thread", 13), 13);
    ASSERT_TRUE(PumpUntil([&] { return thread.socket.Received() == "to the thread"; }));
    EXPECT_EQ(thread.socket.NotifiedThread(), thread.m_nThreadID);

    thread.PostThreadMessage(WM_QUIT, 0, 0);
    ASSERT_EQ(WaitForSingleObject(thread.m_hThread, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(thread.socket.m_hSocket, INVALID_SOCKET) << "closed by ExitInstance";
    ASSERT_TRUE(PumpUntil([&] { return server.Saw("close"); }));
}

} // namespace
