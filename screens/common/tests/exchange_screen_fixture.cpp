// The fixture of the exchange-query screens' tests.
#include "exchange_screen_fixture.h"

#include <objbase.h>

#include <fstream>
#include <sstream>

#include "ColorMap.h"
#include "Grid.h"
#include "InstallFolders.h"
#include "MsgCtrl.h"
#include "ResourceMap.h"
#include "SharedKit.h"
#include "Utils.h"
#include "ZembraAPIAgent.h"

namespace {

typedef CBaseView*(__cdecl* CreateScreenFn)(CWnd*, const char*);

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

const std::string& LogFolder()
{
    static const std::string folder = [] {
        char temp[MAX_PATH] = {0};
        ::GetTempPathA(MAX_PATH, temp);
        std::string path = std::string(temp) + "screens_log_" + std::to_string(::GetCurrentProcessId()) + "_" +
                           std::to_string(::GetTickCount());
        CUtils::LogServer_SetFilePath(path.c_str(), "System");
        return path;
    }();
    return folder;
}

std::string WholeLog()
{
    std::ifstream in((LPCSTR)CUtils::m_ServerLogger.GetFilePath(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::string ToUtf8(const char* text)
{
    wchar_t wide[512];
    const int n = ::MultiByteToWideChar(949, 0, text, -1, wide, 512);
    char utf8[1024];
    ::WideCharToMultiByte(CP_UTF8, 0, wide, n, utf8, sizeof utf8, NULL, NULL);
    return utf8;
}

size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

void ExchangeScreenTest::SetUpTestSuite()
{
    ::CoInitialize(NULL);
    LogFolder();
    GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");
    GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");
}

void ExchangeScreenTest::TearDownTestSuite()
{
    GetColorMap()->Release();
    GetResourceMap()->Release();
    ::CoUninitialize();
}

void ExchangeScreenTest::SetUp()
{
    ASSERT_EQ(949u, ::GetACP());
    ASSERT_FALSE(peer::BaseURL().empty()) << "the exchange peer is not running";
    ASSERT_TRUE(peer::Command("{\"cmd\":\"reset\"}")["ok"].asBool());
    ASSERT_TRUE(peer::Command("{\"cmd\":\"market\",\"mode\":\"frozen\"}")["ok"].asBool());
    CZembraAPIAgent::SetBaseURL(peer::BaseURL().c_str());
    CZembraAPIAgent::SetKeys("molvane-demo-key", "molvane-demo-secret");
    m_nLogStart = WholeLog().size();
    ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1100, 700), NULL,
                                 0));
    ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW, CRect(0, 0, 1020, 260), NULL,
                                 0));
    ASSERT_TRUE(m_strip.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1000, 210), &m_owner,
                                 1000));
    // Loaded once for the process: TradePanel.dll brings NetCourier.dll, whose receive thread
    // is not waited for when the library is unloaded, and may still run its code afterwards.
    static const HMODULE tradePanel = ::LoadLibraryA("TradePanel.dll");
    m_hTradePanel = tradePanel;
    ASSERT_TRUE(m_hTradePanel != NULL);
}

void ExchangeScreenTest::TearDown()
{
    if (m_pScreen != NULL) {
        if (m_pScreen->GetSafeHwnd() != NULL)
            m_pScreen->DestroyWindow();
        delete m_pScreen;
        m_pScreen = NULL;
    }
    m_owner.DestroyWindow();
    m_frame.DestroyWindow();
    if (m_hPlugin != NULL)
        ::FreeLibrary(m_hPlugin);
}

CBaseView* ExchangeScreenTest::OpenScreen(const char* dll, const char* id)
{
    m_hPlugin = ::LoadLibraryA(dll);
    if (m_hPlugin == NULL)
        return NULL;
    CreateScreenFn create = reinterpret_cast<CreateScreenFn>(::GetProcAddress(m_hPlugin, "CreateScreen"));
    if (create == NULL)
        return NULL;
    m_pScreen = create(&m_frame, id);
    return m_pScreen;
}

void ExchangeScreenTest::Click(CWnd* button)
{
    ASSERT_TRUE(button != NULL);
    button->SendMessage(BM_CLICK);
    Pump();
}

CString ExchangeScreenTest::Cell(CWnd* grid, UINT col, UINT row)
{
    CGrid* g = dynamic_cast<CGrid*>(grid);
    return g != NULL ? g->GetCellText(col, row) : CString("<no grid>");
}

std::string ExchangeScreenTest::ServerLog() const
{
    const std::string all = WholeLog();
    return all.size() > m_nLogStart ? all.substr(m_nLogStart) : std::string();
}

void ExchangeScreenTest::CannedReply(const char* path, const char* json)
{
    Json::Value cmd;
    cmd["cmd"] = "set_reply";
    cmd["path"] = path;
    Json::Value parsed;
    if (Json::Reader().parse(json, parsed))
        cmd["json"] = parsed;
    else
        cmd["text"] = json;
    ASSERT_TRUE(peer::Command(cmd)["ok"].asBool());
}

void ExchangeScreenTest::FaultReply(const char* path, const char* mode)
{
    Json::Value cmd;
    cmd["cmd"] = "fault";
    cmd["mode"] = mode;
    cmd["path"] = path;
    ASSERT_TRUE(peer::Command(cmd)["ok"].asBool());
}

CString ExchangeScreenTest::MessageLine(CBaseView* view)
{
    return view != NULL && view->GetMsgCtrl() != NULL ? CString(view->GetMsgCtrl()->GetMessage()) : CString();
}
