// A message-only window that keeps a copy of every record message it is sent, and a pump that
// runs this thread's messages until a condition holds.
#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

struct ReceivedRecord
{
    UINT msg;
    LPARAM lParam;
    std::string bytes; // the record(s) as handed over
    DWORD threadId;    // the thread the handler ran on
};

class RecordSink
{
public:
    // handlerDelayMs: time each record message takes to handle (a slow receiver).
    explicit RecordSink(DWORD handlerDelayMs = 0);
    ~RecordSink();
    HWND hwnd() const { return m_hWnd; }

    std::vector<ReceivedRecord> Records(UINT msg) const;
    size_t Count(UINT msg) const { return Records(msg).size(); }
    void Clear() { m_records.clear(); }

private:
    static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hWnd;
    DWORD m_delay;
    std::vector<ReceivedRecord> m_records;
};

// Runs messages until done() or timeoutMs passed; the final value of done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
void PumpFor(DWORD ms);
