// Real-time registrations: the server hears only of keys that gain their first window or lose
// their last one; every real-time frame reaches each window registered for its code and key.
#include "TRAgent.h"

#include <cstring>
#include <vector>

#include "AgentWindows.h"
#include "HandleManager.h"
#include "NetCourier.h"
#include "QueryFrames.h"

namespace {

const int kRealCodeAt = 8;
const int kRealKeyLengthAt = 18;
const int kRealKeyAt = 20;

// The non-empty pieces of text between commas.
void SplitKeys(const CString& text, CStringArray& pieces)
{
    pieces.RemoveAll();
    int start = 0;
    for (;;) {
        const int comma = text.Find(',', start);
        const CString piece = comma < 0 ? text.Mid(start) : text.Mid(start, comma - start);
        if (!piece.IsEmpty())
            pieces.Add(piece);
        if (comma < 0)
            return;
        start = comma + 1;
    }
}

CString Join(const CStringArray& keys)
{
    CString joined;
    for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
        if (i > 0)
            joined += ',';
        joined += keys[i];
    }
    return joined;
}

void SendRegistration(WORD code, BYTE type, int windowToken, const CString& body, const char* tag)
{
    query_frames::Frame frame = query_frames::Build(code, type, (LPCTSTR)body, body.GetLength());
    _IQ_HEADER* header = reinterpret_cast<_IQ_HEADER*>(frame.data);
    query_frames::PutNumber(header->szConnNo, 1);
    query_frames::PutWindowToken(header, windowToken);
    header->cKeyLength = 0;
    LCM_RequestQueryData(0, static_cast<char>(type), reinterpret_cast<const char*>(frame.data), frame.length);
    CTRAgent::LogData(tag, frame.data, frame.length);
    delete[] frame.data;
}

} // namespace

void CTRAgent::SetRealData(WORD code, BYTE type, HWND window, BYTE* keys, int len)
{
    if (m_Manager == NULL || keys == NULL || len <= 0)
        return;
    CStringArray pieces;
    // The keys end at the first NUL within len.
    const char* text = reinterpret_cast<const char*>(keys);
    SplitKeys(CString(text, static_cast<int>(strnlen(text, len))), pieces);
    if (pieces.GetSize() == 0)
        return;
    CStringArray added;
    for (INT_PTR i = 0; i < pieces.GetSize(); ++i)
        if (m_Manager->Add(code, pieces[i], window))
            added.Add(pieces[i]);
    const int token = agent_windows::Register(window);
    // Recorded locally even when the link refuses the frame.
    if (added.GetSize() > 0)
        SendRegistration(code, type, token, Join(added), "ADV_REAL");
}

void CTRAgent::ResetRealData(WORD code, const CString& keys, HWND window)
{
    if (m_Manager == NULL)
        return;
    CStringArray pieces;
    SplitKeys(keys, pieces);
    CStringArray emptied;
    for (INT_PTR i = 0; i < pieces.GetSize(); ++i)
        if (m_Manager->Remove(code, pieces[i], window))
            emptied.Add(pieces[i]);
    if (!m_Manager->HasWindow(window))
        agent_windows::Unregister(window);
    if (emptied.GetSize() > 0)
        DeleteTRCodeKey(code, Join(emptied));
}

void CTRAgent::DeleteTRCodeKey(WORD code, const CString& keys)
{
    SendRegistration(code, 'F', 0, keys, "UNADV_REAL");
}

void CTRAgent::ResetAll()
{
    if (m_Manager == NULL)
        return;
    CArray<WORD, WORD> codes;
    CStringArray keys;
    m_Manager->GetPairs(codes, keys);
    for (INT_PTR i = 0; i < codes.GetSize(); ++i)
        DeleteTRCodeKey(codes[i], keys[i]);
    // The server has been told: the store starts empty again.
    m_Manager->RemoveEverything();
    agent_windows::UnregisterAll();
}

void CTRAgent::SetRealAll()
{
    if (m_Manager == NULL)
        return;
    CArray<WORD, WORD> codes;
    CStringArray keys;
    m_Manager->GetPairs(codes, keys);
    for (INT_PTR i = 0; i < codes.GetSize(); ++i) {
        query_frames::Frame frame = query_frames::Build(codes[i], 'G', (LPCTSTR)keys[i], keys[i].GetLength());
        _IQ_HEADER* header = reinterpret_cast<_IQ_HEADER*>(frame.data);
        query_frames::PutNumber(header->szConnNo, 0);
        LCM_RequestQueryData(0, 'G', reinterpret_cast<const char*>(frame.data), frame.length);
        LogData("ADV_REAL_ALL", frame.data, frame.length);
        delete[] frame.data;
    }
}

void CTRAgent::ReceiveRealData(BYTE* frame, int len)
{
    LogData("RECV_REAL", frame, len);
    if (m_Manager == NULL || frame == NULL || len < REAL_HEADER_SIZE)
        return;
    const WORD code = static_cast<WORD>(query_frames::ReadNumber(frame + kRealCodeAt, 8));
    const int keyLength = query_frames::ReadNumber(frame + kRealKeyLengthAt, 2);
    if (keyLength < 0 || keyLength > REAL_KEY_MAX)
        return;
    const char* keyText = reinterpret_cast<const char*>(frame + kRealKeyAt);
    const CString key(keyText, static_cast<int>(strnlen(keyText, keyLength)));
    const CHandleArray* live = m_Manager->Find(code, key);
    if (live == NULL)
        return;
    // A receiver may register or unregister while it handles the frame, or even destroy the
    // agent: walk a copy, and skip a window that has been taken off meanwhile.
    std::vector<HWND> windows(live->GetData(), live->GetData() + live->GetSize());
    for (HWND window : windows) {
        if (m_Manager == NULL || !m_Manager->Contains(code, key, window) || !::IsWindow(window))
            continue;
        query_frames::Deliver(window, code, frame, len, REAL_HEADER_SIZE);
    }
}
