// Driver of the system server's byte stream: the frame cutter takes it in reads of any size,
// each whole frame goes to the transaction agent as the receive thread hands it over, and the
// agent routes query replies and real-time frames to the windows that asked for them. The
// receiving window checks that what it is given lies inside the frame, and reads a signal body
// the way automatic trading does and a score reply the way screen 3000 does.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include "FrameCutter.h"
#include "FuzzHarness.h"
#include "SignalScores.h"
#include "TRAgent.h"
#include "signal_records.h"

namespace {

// Stands for the reply window's number in the fixtures; replaced after mutation, so that a
// mutated field names some other window.
const char kWindowMark[] = "@WINDOW@";

struct Receiver
{
    HWND hwnd = NULL;
    const BYTE* frame = nullptr; // the frame being delivered
    int length = 0;
    int deliveries = 0;
};
Receiver g_receiver;
CTRAgent* g_agent = nullptr;
std::string g_windowToken = kWindowMark;

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_COPYDATA)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    const COPYDATASTRUCT* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (cds->dwData == CDS_STATUS_TEXT) {
        EXPECT_EQ(0u, wParam);
        EXPECT_EQ(strlen(static_cast<const char*>(cds->lpData)) + 1, cds->cbData);
        return TRUE;
    }
    // A reply or a real-time frame: the whole frame in wParam, the body behind its header.
    ++g_receiver.deliveries;
    const BYTE* whole = reinterpret_cast<const BYTE*>(wParam);
    const BYTE* body = static_cast<const BYTE*>(cds->lpData);
    EXPECT_EQ(g_receiver.frame, whole);
    EXPECT_GE(body, whole);
    EXPECT_LE(body + cds->cbData, g_receiver.frame + g_receiver.length);
    if (cds->dwData == 100 && cds->cbData >= AUTO_SIGNAL_BODY_LEN) {
        _AUTO_SIGNAL signal;
        tokenboard::ReadSignalBody(body, signal);
        tokenboard::CoinDisplayName(tokenboard::SignalCoinCode(signal));
    }
    if (cds->dwData == TR_SIGNAL_SCORE) {
        SIGNAL_SCORE_RECORD records[SIGNAL_MAX_RECORDS];
        const int n = ReadSignalScores(body, static_cast<int>(cds->cbData), records);
        EXPECT_LE(n * SIGNAL_RECORD_SIZE, static_cast<int>(cds->cbData));
        for (int k = 0; k < n; ++k) {
            // Five characters hold no more than that.
            EXPECT_LE(records[k].trend, 99999);
            EXPECT_GE(records[k].chart, -9999);
            EXPECT_LE(records[k].code.GetLength(), 24);
            EXPECT_EQ(SignalScoreValue(records[k].supply) + SignalScoreValue(records[k].trend) +
                          SignalScoreValue(records[k].chart),
                      SignalScoreTotal(records[k].supply, records[k].trend, records[k].chart));
            EXPECT_LE(SignalScoreTotal(records[k].supply, records[k].trend, records[k].chart), 300);
        }
    }
    return TRUE;
}

// As the receive thread hands a frame to the agent's window.
void Sink(void*, const BYTE* frame, int length)
{
    g_receiver.frame = frame;
    g_receiver.length = length;
    COPYDATASTRUCT cds;
    cds.dwData = static_cast<ULONG_PTR>(frame_cut::ReadNumberField(frame + frame_cut::kLengthField));
    cds.cbData = static_cast<DWORD>(frame_cut::ReadNumberField(frame));
    cds.lpData = const_cast<BYTE*>(frame);
    EXPECT_EQ(cds.cbData, DWORD(length));
    ::SendMessageA(g_agent->GetSafeHwnd(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds));
    g_receiver.frame = nullptr;
}

std::string Field(const char* text, size_t width)
{
    std::string s(text);
    s.resize(width, ' ');
    return s;
}

std::string Number8(int n)
{
    char text[16];
    snprintf(text, sizeof text, "%08d", n);
    return std::string(text, 8);
}

std::string QueryReply(int code, char type, const std::string& body)
{
    std::string head(IQ_HEADER_SIZE, ' ');
    head.replace(0, 8, Number8(IQ_HEADER_SIZE + int(body.size())));
    head.replace(8, 8, Number8(code));
    head[16] = type;
    head.replace(26, 8, Number8(1));
    head.replace(50, 8, kWindowMark);
    head[59] = 0;
    head.replace(250, 8, Field("tester", 8));
    head.replace(258, 8, Field("QZ", 8));
    return head + body;
}

std::string RealFrame(int code, const char* key, const std::string& body)
{
    std::string head(REAL_HEADER_SIZE, ' ');
    head.replace(0, 8, Number8(REAL_HEADER_SIZE + int(body.size())));
    head.replace(8, 8, Number8(code));
    head[16] = 'R';
    char len[4];
    snprintf(len, sizeof len, "%02d", int(strlen(key) < 12 ? strlen(key) : 12));
    head.replace(18, 2, len);
    head.replace(20, 12, Field(key, 12));
    return head + body;
}

std::string SignalBody(const char* coin, const char* kind)
{
    return Field(coin, 24) + kind + "B001" + "20261210" + "181500" + Field("8000000", 24) + Field("10", 6) +
           Field("0", 24) + Field("0", 2) + Field("8800000", 24) + Field("0", 24) + Field("0", 24) + Field("0", 24);
}

std::vector<std::string> Fixtures()
{
    std::string coins;
    for (const char* c : {"BTC", "ETH", "XRP", "QTUM"})
        coins += Field(c, 24);
    std::string scores;
    for (const char* c : {"BTC", "ETH"})
        scores += Field(c, 24) + "00095" + "00090" + "00085";
    const std::string login = "0000 20991231001001001" + Field("127.0.0.1", 15) + std::string(63, ' ');
    const std::string signal = RealFrame(100, "BTC         ", SignalBody("BTC", "1"));
    const std::string settlement = RealFrame(200, "SETTLE      ", "1" + std::string(24, ' ') + "0");
    const std::string forced = RealFrame(300, "BTC         ", Field("BTC", 38));
    return {
        QueryReply(1110, 'I', coins) + signal,
        QueryReply(1100, 'I', login) + QueryReply(1201, 'I', "0000"),
        signal + settlement + forced + QueryReply(1200, 'I', "0000"),
        QueryReply(1301, 'I', scores) + RealFrame(100, "ETH         ", SignalBody("ETH", "2")),
        QueryReply(100, 'I', Field("1.0.0", 10) + "N") + QueryReply(1110, 'O', ""),
    };
}

// The number the agent wrote for the receiver into its request, which the server echoes. The
// request never left (no connection), so the number is found by offering replies to the agent.
void FindWindowToken()
{
    for (int number = 1; number <= 1000; ++number) {
        std::string reply = QueryReply(1200, 'I', "0000");
        reply.replace(reply.find(kWindowMark), 8, Number8(number));
        const int before = g_receiver.deliveries;
        Sink(nullptr, reinterpret_cast<const BYTE*>(reply.data()), int(reply.size()));
        if (g_receiver.deliveries != before) {
            g_windowToken = Number8(number);
            return;
        }
    }
    ADD_FAILURE() << "no reply reached the receiver";
}

void Begin()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &ReceiverProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "MolvaneFuzzReceiver";
    RegisterClassA(&wc);
    g_receiver.hwnd = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, wc.hInstance, NULL);
    ASSERT_NE(g_receiver.hwnd, (HWND)NULL);
    g_agent = new CTRAgent;
    ASSERT_EQ(1, g_agent->Create());
    // Not connected: the link refuses the frames, but the agent knows the window and the keys.
    CTRAgent::RequestQueryData(1110, 'I', g_receiver.hwnd, NULL, NULL, 0);
    FindWindowToken();
    for (WORD code : {100, 200, 300}) {
        BYTE keys[] = "BTC         ,ETH         ,SETTLE      ";
        CTRAgent::SetRealData(code, 'A', g_receiver.hwnd, keys, int(sizeof keys - 1));
    }
}

void End()
{
    CTRAgent::ResetAll();
    if (g_agent) {
        g_agent->DestroyWindow();
        delete g_agent;
        g_agent = nullptr;
    }
    DestroyWindow(g_receiver.hwnd);
}

void Feed(const std::string& mutated, fuzz::Random& random)
{
    // The reply window's number as the agent wrote it into its request.
    std::string stream = mutated;
    for (size_t at = stream.find(kWindowMark); at != std::string::npos; at = stream.find(kWindowMark, at + 8))
        stream.replace(at, 8, g_windowToken);

    CFrameAssembler assembler;
    size_t at = 0;
    while (at < stream.size()) {
        size_t n = 1 + random.Below(random.OneIn(3) ? 8 : 4096);
        if (n > stream.size() - at)
            n = stream.size() - at;
        const frame_cut::Status status =
            assembler.Feed(reinterpret_cast<const BYTE*>(stream.data() + at), int(n), &Sink, nullptr);
        at += n;
        if (status != frame_cut::kNeedMore) {
            // The link closes after a bad length; a new connection starts clean.
            EXPECT_EQ(status, assembler.GetFault());
            assembler.Reset();
        }
        EXPECT_LE(assembler.GetHeld(), frame_cut::kFrameLimit);
    }
}

fuzz::Registration frames({"server_frames",
                           Fixtures,
                           {"00000016", "00000297", "00102400", "00102401", "-0000001", "        ", "R", "I", "O",
                            "00000100", "00000200", "00000300", "99", "12", std::string(1, '\0'), "BTC         "},
                           Begin,
                           End,
                           Feed,
                           256 * 1024,
                           3000});

} // namespace
