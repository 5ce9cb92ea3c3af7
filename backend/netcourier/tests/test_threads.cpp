// The link's threads: the receive thread hands frames over in order, can be stopped while it
// waits on this thread, and carries on when started again before a stop has ended it; the
// socket keeps frames in order when the peer does not read, so that sends pile up in the send
// queue; a failed connection attempt is reported, and a close never turns into connected.
#include <gtest/gtest.h>

#include <winsock2.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "LinkTable.h"
#include "LinkTestSupport.h"

using namespace link_test;

namespace {

std::string Frame(int code, int total)
{
    char head[17];
    snprintf(head, sizeof head, "%08d%08d", total, code);
    std::string frame(head, 16);
    frame.resize(total, static_cast<char>('A' + code % 26));
    return frame;
}

TEST(ReceivePump, HandsEveryFrameToTheReceiverInOrder)
{
    RecordingWindow window;
    CReceivePump pump;
    pump.SetReceiver(window.Handle());
    ASSERT_TRUE(pump.Start());
    for (int i = 0; i < 100; ++i) {
        const std::string frame = Frame(i, 16 + i * 13);
        pump.Push(reinterpret_cast<const BYTE*>(frame.data()), static_cast<int>(frame.size()));
    }
    ASSERT_TRUE(PumpUntil([&] { return window.copies.size() == 100; }));
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(static_cast<ULONG_PTR>(i), window.copies[i].dwData);
        EXPECT_EQ(Frame(i, 16 + i * 13), window.copies[i].data);
    }
    EXPECT_TRUE(pump.WaitDelivered(1000));
    EXPECT_EQ(0, pump.GetPending());
}

TEST(ReceivePump, StopsWhileItsThreadWaitsOnThisThread)
{
    RecordingWindow window;
    window.onCopy = [](const CopyRecord&) { Sleep(20); };
    CReceivePump pump;
    pump.SetReceiver(window.Handle());
    ASSERT_TRUE(pump.Start());
    for (int i = 0; i < 50; ++i) {
        const std::string frame = Frame(i, 40);
        pump.Push(reinterpret_cast<const BYTE*>(frame.data()), 40);
    }
    ASSERT_TRUE(PumpUntil([&] { return !window.copies.empty(); }));
    const DWORD start = GetTickCount();
    EXPECT_TRUE(pump.Stop(2000));
    EXPECT_LT(GetTickCount() - start, 500u);
    EXPECT_FALSE(pump.IsRunning());
    EXPECT_LT(window.copies.size(), 50u);
}

// A receiver on a thread of its own, slow enough that a stop cannot wait for the frame in hand.
class SlowReceiverThread
{
public:
    explicit SlowReceiverThread(DWORD delayMs)
    {
        HANDLE ready = CreateEventA(NULL, TRUE, FALSE, NULL);
        m_thread = std::thread([this, delayMs, ready] {
            RecordingWindow window;
            window.onCopy = [this, delayMs](const CopyRecord& record) {
                SetEvent(m_entered);
                Sleep(delayMs);
                std::lock_guard<std::mutex> hold(m_lock);
                m_codes.push_back(static_cast<int>(record.dwData));
            };
            MSG msg;
            PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE); // the thread's queue exists from here on
            m_threadId = GetCurrentThreadId();
            m_hWnd = window.Handle();
            SetEvent(ready);
            while (GetMessageA(&msg, NULL, 0, 0) > 0)
                DispatchMessageA(&msg);
        });
        WaitForSingleObject(ready, 5000);
        CloseHandle(ready);
    }

    ~SlowReceiverThread()
    {
        PostThreadMessageA(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
        CloseHandle(m_entered);
    }

    HWND Handle() const { return m_hWnd; }
    // TRUE once a frame is being handled.
    bool WaitEntered() { return WaitForSingleObject(m_entered, 5000) == WAIT_OBJECT_0; }

    std::vector<int> Codes()
    {
        std::lock_guard<std::mutex> hold(m_lock);
        return m_codes;
    }

private:
    HANDLE m_entered = CreateEventA(NULL, TRUE, FALSE, NULL);
    std::thread m_thread;
    DWORD m_threadId = 0;
    HWND m_hWnd = NULL;
    std::mutex m_lock;
    std::vector<int> m_codes;
};

TEST(ReceivePump, StartedAgainBeforeAStoppedThreadHasEndedItCarriesOn)
{
    SlowReceiverThread receiver(300);
    CReceivePump pump;
    pump.SetReceiver(receiver.Handle());
    ASSERT_TRUE(pump.Start());
    const std::string first = Frame(0, 40);
    pump.Push(reinterpret_cast<const BYTE*>(first.data()), 40);
    ASSERT_TRUE(receiver.WaitEntered());
    EXPECT_FALSE(pump.Stop(20)) << "the thread is still inside SendMessage";
    ASSERT_TRUE(pump.Start());
    for (int i = 1; i < 4; ++i) {
        const std::string frame = Frame(i, 40);
        pump.Push(reinterpret_cast<const BYTE*>(frame.data()), 40);
    }
    EXPECT_TRUE(pump.WaitDelivered(5000));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), receiver.Codes());
    EXPECT_TRUE(pump.Stop(2000));
}

TEST(ReceivePump, OutlivingItsOwnerTheThreadStillFindsItsQueue)
{
    RecordingWindow window;
    CReceivePump* pump = new CReceivePump;
    pump->SetReceiver(window.Handle());
    ASSERT_TRUE(pump->Start());
    for (int i = 0; i < 20; ++i) {
        const std::string frame = Frame(i, 3000);
        pump->Push(reinterpret_cast<const BYTE*>(frame.data()), 3000);
    }
    // The thread now waits in SendMessage on this thread, which is not pumping.
    Sleep(50);
    delete pump;
    PumpFor(300);
    ASSERT_FALSE(window.copies.empty());
    EXPECT_LT(window.copies.size(), 20u);
    for (size_t i = 0; i < window.copies.size(); ++i)
        EXPECT_EQ(Frame(static_cast<int>(i), 3000), window.copies[i].data);
}

// A listener that accepts one connection and reads nothing until told to.
class SilentListener
{
public:
    SilentListener()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        m_listen = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(m_listen, reinterpret_cast<sockaddr*>(&address), sizeof address);
        int size = sizeof address;
        getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
        listen(m_listen, 1);
        m_read = CreateEventA(NULL, TRUE, FALSE, NULL);
    }

    ~SilentListener()
    {
        SetEvent(m_read);
        if (m_thread.joinable())
            m_thread.join();
        closesocket(m_listen);
        CloseHandle(m_read);
    }

    int Port() const { return m_port; }

    // Accepts, waits for StartReading, then reads `frames` frames and checks each against
    // Frame(i, size).
    void Serve(int frames, int size)
    {
        m_thread = std::thread([this, frames, size] {
            SOCKET s = accept(m_listen, NULL, NULL);
            WaitForSingleObject(m_read, 30000);
            std::string held;
            char buffer[65536];
            int good = 0;
            while (good < frames) {
                const int n = recv(s, buffer, sizeof buffer, 0);
                if (n <= 0)
                    break;
                held.append(buffer, n);
                while (held.size() >= static_cast<size_t>(size)) {
                    if (held.compare(0, size, Frame(good, size)) != 0) {
                        m_result = "frame " + std::to_string(good) + " differs";
                        closesocket(s);
                        return;
                    }
                    held.erase(0, size);
                    ++good;
                }
            }
            m_received = good;
            closesocket(s);
        });
    }

    void StartReading() { SetEvent(m_read); }
    void Join() { m_thread.join(); }

    std::atomic<int> m_received{0};
    std::string m_result;

private:
    SOCKET m_listen;
    int m_port;
    HANDLE m_read;
    std::thread m_thread;
};

TEST(QuelmarSocket, KeepsFramesWholeAndInOrderWhenThePeerFallsBehind)
{
    const int kFrames = 400;
    const int kSize = 30000;
    RecordingWindow window;
    CLinkTable table;
    table.SetMainWnd(window.Handle());
    SilentListener listener;
    listener.Serve(kFrames, kSize);
    CQuelmarSocket* socket = table.GetSocket(0);
    socket->ConnectTo("127.0.0.1", listener.Port());
    ASSERT_EQ(LCM_STATE_CONNECTED, socket->GetState());

    int mostQueued = 0;
    for (int i = 0; i < kFrames; ++i) {
        const std::string frame = Frame(i, kSize);
        ASSERT_EQ(kSize, socket->Send(frame.data(), kSize)) << i;
        mostQueued = std::max(mostQueued, socket->GetQueuedSendBytes());
    }
    EXPECT_GT(mostQueued, 0) << "the peer took everything at once; the queue was never used";
    listener.StartReading();
    listener.Join();
    EXPECT_EQ("", listener.m_result);
    EXPECT_EQ(kFrames, listener.m_received.load());
    EXPECT_EQ(0, socket->GetQueuedSendBytes());
    socket->Close();
    EXPECT_FALSE(socket->IsThreadRunning());
    EXPECT_EQ(LCM_STATE_TERMINATED, socket->GetState());
}

TEST(QuelmarSocket, ReportsARefusedConnectionAndSendsNothing)
{
    MessageBoxRecorder boxes;
    int port = 0;
    {
        SilentListener closed;
        port = closed.Port();
    }
    CLinkTable table;
    CQuelmarSocket* socket = table.GetSocket(0);
    EXPECT_EQ(0, socket->ConnectTo("127.0.0.1", port));
    ASSERT_TRUE(PumpUntil([&] { return socket->GetState() == LCM_STATE_CLOSED && !boxes.Boxes().empty(); }));
    const std::vector<MessageBoxRecorder::Box> shown = boxes.Boxes();
    ASSERT_EQ(1u, shown.size());
    EXPECT_NE(std::string::npos, shown[0].text.find("ip(127.0.0.1), port(" + std::to_string(port) + ")"));
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST), shown[0].type);
    EXPECT_EQ(SOCKET_ERROR, socket->Send("0000001600000001", 16));
    socket->Close();
    EXPECT_FALSE(socket->IsThreadRunning());
}

// A socket whose connect notification waits, on the socket thread, until the test lets it go.
class HeldConnectSocket : public CQuelmarSocket
{
public:
    HeldConnectSocket() : arrived(CreateEventA(NULL, TRUE, FALSE, NULL)), release(CreateEventA(NULL, TRUE, FALSE, NULL))
    {
    }
    ~HeldConnectSocket()
    {
        SetEvent(release);
        Close();
        CloseHandle(arrived);
        CloseHandle(release);
    }

    HANDLE arrived;
    HANDLE release;

protected:
    void OnConnect(int nErrorCode) override
    {
        SetEvent(arrived);
        WaitForSingleObject(release, 30000);
        CQuelmarSocket::OnConnect(nErrorCode);
    }
};

TEST(QuelmarSocket, AConnectionCompletedAfterACloseStaysClosed)
{
    SilentListener listener;
    HeldConnectSocket socket;
    std::thread connecting([&] { socket.ConnectTo("127.0.0.1", listener.Port()); });
    // The connection is made; its notification waits on the socket thread.
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(socket.arrived, 10000));
    ASSERT_EQ(LCM_STATE_CREATED, socket.GetState());
    // Close() lands first: once it has marked the link closed, the notification goes on.
    std::thread releasing([&] {
        while (socket.GetState() != LCM_STATE_TERMINATED)
            Sleep(1);
        SetEvent(socket.release);
    });
    socket.Close();
    releasing.join();
    connecting.join();
    ASSERT_TRUE(PumpUntil([&] { return !socket.IsThreadRunning(); }));
    EXPECT_EQ(LCM_STATE_TERMINATED, socket.GetState());
    EXPECT_EQ(SOCKET_ERROR, socket.Send("0000001600000001", 16));
}

} // namespace
