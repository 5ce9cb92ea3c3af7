#include "trading_fixture.h"

#include <stdio.h>
#include <string.h>

#include "NetCourier.h"
#include "SharedData.h"
#include "TRAgent.h"
#include "Utils.h"
#include "ZembraAPIAgent.h"

namespace trading {

namespace {

const char kHostClass[] = "TokenBoardTestHost";
const char kApiKey[] = "molvane-demo-key";
const char kSecret[] = "molvane-demo-secret";

// The server log of this process: a folder of its own, chosen and opened once (the log channel
// is opened once per process, like the program does).
const std::string& LogFolder()
{
    static const std::string folder = [] {
        char temp[MAX_PATH] = {0};
        GetTempPathA(MAX_PATH, temp);
        std::string path = std::string(temp) + "tokenboard_log_" + std::to_string(GetCurrentProcessId()) + "_" +
                           std::to_string(GetTickCount());
        CUtils::LogServer_SetFilePath(path.c_str(), "System");
        return path;
    }();
    return folder;
}

} // namespace

const char* const TradingRig::kMarkerCoin = "EOS";

// --- host windows ------------------------------------------------------------------------

HostWindow::HostWindow()
{
    static const bool registered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &HostWindow::WndProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = kHostClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    m_hWnd = CreateWindowExA(0, kHostClass, "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, GetModuleHandleA(NULL), this);
}

HostWindow::~HostWindow()
{
    if (m_hWnd != NULL)
        DestroyWindow(m_hWnd);
}

void HostWindow::Clear()
{
    alarms.clear();
    relays.clear();
    forceLogouts = 0;
}

LRESULT CALLBACK HostWindow::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(hWnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    HostWindow* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (self == NULL)
        return DefWindowProcA(hWnd, message, wParam, lParam);
    switch (message)
    {
    case WM_ORDER_ALARM:
        self->alarms.push_back(*reinterpret_cast<const COIN_ORD_INFO*>(wParam));
        if (self->onAlarm)
            self->onAlarm();
        return 0;
    case WM_RELAY_TO_SCREENS: {
        Relay relay = {};
        relay.msg = *reinterpret_cast<const tagRelayMsg*>(lParam);
        relay.hasSignal = relay.msg.nMessage == WM_AUTOSIGNAL_CHANGED && relay.msg.lParam != 0;
        if (relay.hasSignal)
            relay.signal = *reinterpret_cast<const _AUTO_SIGNAL*>(relay.msg.lParam);
        self->relays.push_back(relay);
        return 0;
    }
    case WM_FORCE_LOGOUT:
        ++self->forceLogouts;
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

std::string Text(const char* field, size_t width)
{
    std::string text(field, width);
    size_t zero = text.find('\0');
    if (zero != std::string::npos)
        text.resize(zero);
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<Relay> RelaysOf(const std::vector<Relay>& relays, const char* coin)
{
    std::vector<Relay> out;
    for (const Relay& r : relays)
        if (r.hasSignal && Text(r.signal.szCoinCode, sizeof r.signal.szCoinCode) == coin)
            out.push_back(r);
    return out;
}

// --- the rig -----------------------------------------------------------------------------

TradingRig::TradingRig()
{
    if (ServerPeer::Port() == 0 || ExchangePeer::BaseURL().empty())
    {
        m_error = "the server and exchange peers are not running";
        return;
    }
    m_logFolder = LogFolder();

    // The server's default coins and the marker coin.
    Json::Value coins = Command("set_coins");
    for (const char* coin : {"BTC", "ETH", "XRP", kMarkerCoin})
        coins["coins"].append(coin);
    server.Must(Command("reset"));
    server.Must(coins);

    m_setting.reset(new link_test::ServerSetting("127.0.0.1", ServerPeer::Port()));
    m_agent.reset(new CTRAgent);
    if (!m_agent->Create())
    {
        m_error = "the transaction agent's window could not be made";
        return;
    }
    LCM_SetMainHwnd(mainFrame.Handle());
    LCM_ConnectServer(0, m_agent->GetSafeHwnd());
    if (!PumpUntil([] { return LCM_IsConnected(0) == 1; }))
    {
        m_error = "no connection to the server peer";
        return;
    }

    CZembraAPIAgent::SetBaseURL(ExchangePeer::BaseURL().c_str());
    CZembraAPIAgent::SetKeys(kApiKey, kSecret);
    m_exchange.reset(new CZembraAPIAgent);
    if (!m_exchange->Create())
    {
        m_error = "the exchange agent's window could not be made";
        return;
    }
    m_exchange->Start();
    CZembraAPIAgent::SetMainHWND(mainFrame.Handle());
    CSharedData::SetMainFrameHandle(mainFrame.Handle());
    CSharedData::SetOrdAlarmHandel(alarmHost.Handle());
}

TradingRig::~TradingRig()
{
    StopManager();
    CSharedData::SetMainFrameHandle(NULL);
    CSharedData::SetOrdAlarmHandel(NULL);
    if (m_exchange && m_exchange->GetSafeHwnd())
        m_exchange->DestroyWindow();
    m_exchange.reset();
    LCM_Close(0);
    PumpUntil([] { return LCM_IsTerminated(0) == 1; }, 3000);
    if (m_agent && m_agent->GetSafeHwnd())
        m_agent->DestroyWindow();
    m_agent.reset();
    m_setting.reset();
}

CRcmdCoinManager* TradingRig::StartManager(int coins, int newKeys)
{
    StopManager();
    CAutoAgent* settings = CRcmdCoinManager::GetAutoAgent();
    settings->ResetAutoAmountType();
    settings->ResetAllCoinType();
    settings->SetRcmdCoinList(CStringArray());
    CRcmdCoinManager::GetAutoSignalList()->RemoveAll();
    CRcmdCoinManager::m_bOnSettlementAcnt = 0;
    mainFrame.Clear();
    alarmHost.Clear();

    const size_t registered = server.Records("register", RD_AUTO_SIGNAL).size();
    m_manager.reset(new CRcmdCoinManager);
    if (!m_manager->Create())
    {
        ADD_FAILURE() << "the manager's window could not be made";
        m_manager.reset();
        return NULL;
    }
    EXPECT_TRUE(PumpUntil([&] { return settings->GetRcmdCoinCount() == coins; }))
        << "the reply to 1110 did not arrive";
    EXPECT_TRUE(WaitRecords("register", RD_AUTO_SIGNAL, registered + (newKeys < 0 ? coins : newKeys)))
        << "the code-100 registrations did not reach the server";
    return m_manager.get();
}

void TradingRig::StopManager()
{
    if (!m_manager)
        return;
    if (m_manager->GetSafeHwnd())
        m_manager->DestroyWindow();
    m_manager.reset();
}

bool TradingRig::SetPrice(const char* coin, long long price)
{
    exchange.SetPrice(coin, price);
    return PumpUntil([&] {
        LONGLONG known = 0;
        return m_manager && m_manager->GetCoinPrice(coin, known) && known == price;
    });
}

bool TradingRig::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    return link_test::PumpUntil(done, timeoutMs);
}

bool TradingRig::WaitRecords(const char* kind, int code, size_t count)
{
    return PumpUntil([&] { return server.Records(kind, code).size() >= count; });
}

bool TradingRig::Settle()
{
    const size_t before = RelaysOf(mainFrame.relays, kMarkerCoin).size();
    if (server.PushSignal(kMarkerCoin, '0', "M000", "0") != 1)
        return false;
    return PumpUntil([&] { return RelaysOf(mainFrame.relays, kMarkerCoin).size() > before; });
}

std::string TradingRig::ServerLog() const
{
    std::string text;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_logFolder + "\\*.log").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return text;
    do
    {
        FILE* file = fopen((m_logFolder + "\\" + found.cFileName).c_str(), "rb");
        if (file == NULL)
            continue;
        char chunk[4096];
        size_t n;
        while ((n = fread(chunk, 1, sizeof chunk, file)) > 0)
            text.append(chunk, n);
        fclose(file);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return text;
}

} // namespace trading

// --- the fixture -------------------------------------------------------------------------

std::unique_ptr<trading::TradingRig> TradingTest::s_rig;
std::unique_ptr<link_test::MessageBoxRecorder> TradingTest::s_boxes;

void TradingTest::SetUpTestSuite()
{
    s_boxes.reset(new link_test::MessageBoxRecorder);
    s_rig.reset(new trading::TradingRig);
}

void TradingTest::TearDownTestSuite()
{
    s_rig.reset();
    s_boxes.reset();
}

void TradingTest::SetUp()
{
    ASSERT_TRUE(s_rig->Error().empty()) << s_rig->Error();
    trading::ExchangePeer& exchange = Rig().exchange;
    exchange.Must(trading::Command("reset"));
    Json::Value frozen = trading::Command("market");
    frozen["mode"] = "frozen";
    exchange.Must(frozen);
    s_boxes->Clear();
    ASSERT_TRUE(Rig().StartManager(kCoins) != NULL);
    exchange.Must(trading::Command("clear_requests"));
}

void TradingTest::TearDown()
{
    Rig().StopManager();
}
