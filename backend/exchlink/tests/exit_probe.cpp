// A program that runs the exchange agent as the terminal does, against an exchange that has
// stopped answering, destroys it and ends: started by the agent tests, which read its exit code.
//   ExchLinkExitProbe exit     destroy the agent while every feed waits for a reply, then return
//   ExchLinkExitProbe linger   the same, then wait until the feed threads have ended on their
//                              own and run a fresh agent before returning
// The exchange peer must hold its replies back (a "slow" fault with a long delay) before it starts.
#include <windows.h>
#include <tlhelp32.h>

#include <stdio.h>
#include <string.h>

#include <set>
#include <string>
#include <vector>

#include "ZembraAPIAgent.h"
#include "peer_link.h"
#include "record_sink.h"

namespace {

// Generous bounds of steps that end within a few seconds: a probe never hangs its test.
const DWORD kStepLimitMs = 30000;

enum ExitCode
{
    EXIT_DONE = 0,
    EXIT_USAGE = 2,
    EXIT_NO_PEER = 3,
    EXIT_NOT_STALLED = 4,
    EXIT_THREADS_STAYED = 5,
    EXIT_NO_RECORDS = 6,
};

int AFXAPI DismissMessageBox(HWND, LPCTSTR lpszText, LPCTSTR, UINT)
{
    fprintf(stderr, "exit probe: [message box] %s\n", lpszText ? lpszText : "");
    return IDOK;
}

int Fail(int code, const char* what)
{
    fprintf(stderr, "exit probe: %s\n", what);
    return code;
}

std::set<DWORD> ThreadsOfThisProcess()
{
    std::set<DWORD> ids;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return ids;
    THREADENTRY32 te = {sizeof(te)};
    for (BOOL ok = Thread32First(snap, &te); ok; ok = Thread32Next(snap, &te))
        if (te.th32OwnerProcessID == GetCurrentProcessId())
            ids.insert(te.th32ThreadID);
    CloseHandle(snap);
    return ids;
}

bool EveryFeedWaitsForAReply()
{
    for (const char* path : {"/public/ticker/ALL", "/public/orderbook/BTC", "/public/transaction_history/ETH"})
        if (peer::CountRequests(path, "GET") == 0)
            return false;
    return true;
}

// Waits, running this thread's messages, until every handle is signalled.
bool WaitForAll(const std::vector<HANDLE>& handles, DWORD limitMs)
{
    return PumpUntil(
        [&] {
            for (HANDLE h : handles)
                if (WaitForSingleObject(h, 0) != WAIT_OBJECT_0)
                    return false;
            return true;
        },
        limitMs);
}

} // namespace

int main(int argc, char** argv)
{
    AfxSetMessageBoxHandler(&DismissMessageBox);
    const bool linger = argc == 2 && strcmp(argv[1], "linger") == 0;
    if (argc != 2 || (!linger && strcmp(argv[1], "exit") != 0))
        return Fail(EXIT_USAGE, "usage: ExchLinkExitProbe exit|linger");
    if (peer::BaseURL().empty())
        return Fail(EXIT_NO_PEER, "the exchange peer is not running");
    CZembraAPIAgent::SetBaseURL(peer::BaseURL().c_str());

    RecordSink sink;
    const std::set<DWORD> before = ThreadsOfThisProcess();
    CZembraAPIAgent* agent = new CZembraAPIAgent;
    if (!agent->Create())
        return Fail(EXIT_NO_PEER, "the agent's window was not created");
    agent->Start();
    // The feed threads, opened before anything is fetched.
    std::vector<HANDLE> feedThreads;
    for (DWORD id : ThreadsOfThisProcess())
        if (!before.count(id))
            if (HANDLE h = OpenThread(SYNCHRONIZE, FALSE, id))
                feedThreads.push_back(h);
    CZembraAPIAgent::SetMainHWND(sink.hwnd());
    CZembraAPIAgent::RequestTickerData("ALL", sink.hwnd());
    CZembraAPIAgent::RequestHogaData("BTC", sink.hwnd());
    CZembraAPIAgent::RequestFillListData("ETH", sink.hwnd());
    if (!PumpUntil(EveryFeedWaitsForAReply, kStepLimitMs))
        return Fail(EXIT_NOT_STALLED, "the feeds did not reach the exchange");

    const DWORD start = GetTickCount();
    agent->DestroyWindow();
    delete agent;
    fprintf(stderr, "exit probe: agent destroyed in %lu ms\n", GetTickCount() - start);
    if (!linger)
        return EXIT_DONE; // the feed threads are still inside their fetches

    // Each stray thread ends once its fetch gives up, touching only what it holds itself.
    if (!WaitForAll(feedThreads, kStepLimitMs))
        return Fail(EXIT_THREADS_STAYED, "feed threads still running");
    fprintf(stderr, "exit probe: feed threads ended %lu ms after the agent's destruction began\n",
            GetTickCount() - start);
    for (HANDLE h : feedThreads)
        CloseHandle(h);

    // The library carries on as before: a fresh agent gets its records.
    peer::Command("{\"cmd\":\"fault\",\"mode\":\"none\"}");
    RecordSink fresh;
    CZembraAPIAgent again;
    if (!again.Create())
        return Fail(EXIT_NO_RECORDS, "a second agent's window was not created");
    again.Start();
    CZembraAPIAgent::RequestTickerData("ALL", fresh.hwnd());
    const bool received = PumpUntil([&] { return fresh.Count(WM_APIDATA_TICKER) > 0; }, kStepLimitMs);
    again.DestroyWindow();
    return received ? EXIT_DONE : Fail(EXIT_NO_RECORDS, "no ticker records after the restart");
}
