// The automatic-trading manager in a rig of real parts: the transaction agent connected to the
// server peer, the exchange agent polling the exchange peer over HTTPS, and two recording
// windows in the roles of the main frame and the order-alarm host.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "LinkTestSupport.h"
#include "RcmdCoinManager.h"
#include "RelayMsg.h"
#include "trading_peers.h"

class CTRAgent;
class CZembraAPIAgent;

namespace trading {

// What the main frame was asked to relay to the screens.
struct Relay
{
    tagRelayMsg msg;
    bool hasSignal;
    _AUTO_SIGNAL signal; // copy of the log entry lParam pointed at
};

// A window that records order alarms, relays and forced logouts, copying them during the call.
class HostWindow
{
public:
    HostWindow();
    ~HostWindow();
    HWND Handle() const { return m_hWnd; }
    void Clear();

    std::vector<COIN_ORD_INFO> alarms;
    std::vector<Relay> relays;
    int forceLogouts = 0;
    // Runs inside WM_ORDER_ALARM after the record was copied.
    std::function<void()> onAlarm;

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd;
};

// A trimmed text field of a record.
std::string Text(const char* field, size_t width);
// The relays whose signal is of this coin.
std::vector<Relay> RelaysOf(const std::vector<Relay>& relays, const char* coin);

class TradingRig
{
public:
    TradingRig();
    ~TradingRig();
    // Empty when the rig stands; else what failed.
    const std::string& Error() const { return m_error; }

    // Forgets every setting and signal of earlier runs, then creates the manager and waits until
    // it has the recommended coins (`coins` of them) and their registrations reached the server
    // (`newKeys` registration frames; -1: one per coin).
    CRcmdCoinManager* StartManager(int coins, int newKeys = -1);
    void StopManager();
    CRcmdCoinManager* Manager() const { return m_manager.get(); }

    // Pins the coin's price at the exchange and waits until the manager has it from the ticker.
    bool SetPrice(const char* coin, long long price);
    // Handles messages until done() or the time-out.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 8000);
    // Waits, handling messages, until the server peer holds `count` records of a kind and code.
    bool WaitRecords(const char* kind, int code, size_t count);
    // Pushes a signal for the marker coin and waits for its relay: every frame pushed before it
    // has then been handled.
    bool Settle();
    // The text of the server log so far.
    std::string ServerLog() const;

    ServerPeer server;
    ExchangePeer exchange;
    HostWindow mainFrame;
    HostWindow alarmHost;
    static const char* const kMarkerCoin;

private:
    std::unique_ptr<link_test::ServerSetting> m_setting;
    std::unique_ptr<CTRAgent> m_agent;
    std::unique_ptr<CZembraAPIAgent> m_exchange;
    std::unique_ptr<CRcmdCoinManager> m_manager;
    std::string m_logFolder;
    std::string m_error;
};

} // namespace trading

// Tests share one rig per suite; each test starts its own manager over it.
class TradingTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    static trading::TradingRig& Rig() { return *s_rig; }
    // The default coins of the server peer plus the marker coin.
    static const int kCoins = 4;

    static std::unique_ptr<trading::TradingRig> s_rig;
    static std::unique_ptr<link_test::MessageBoxRecorder> s_boxes;
};
