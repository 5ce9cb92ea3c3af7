// Receiving: the stream is cut into frames, which go whole and in order into the receive
// queue; a bad length field, a read error or the peer's close ends the connection and is
// reported to the main window.
#include "LinkTable.h"
#include "LinkTexts.h"

void CQuelmarSocket::PushFrame(void* context, const BYTE* frame, int length)
{
    static_cast<CQuelmarSocket*>(context)->m_pTable->GetPump().Push(frame, length);
}

BOOL CQuelmarSocket::ReadAvailable()
{
    if (m_hSocket == INVALID_SOCKET)
        return FALSE;
    DWORD waiting = 0;
    if (!IOCtl(FIONREAD, &waiting) || waiting == 0)
        return TRUE;
    const int want = waiting < static_cast<DWORD>(kReadBufferSize) ? static_cast<int>(waiting) : kReadBufferSize;
    const int r = Receive(m_pReadBuffer, want);
    if (r == SOCKET_ERROR) {
        const int nError = CAsyncSocket::GetLastError();
        if (nError == WSAEWOULDBLOCK)
            return TRUE;
        FailLink(link_texts::LossText(GetAddress(), GetPort()));
        return FALSE;
    }
    if (r == 0) {
        ReportLoss(link_texts::LossText(GetAddress(), GetPort()));
        return FALSE;
    }
    const frame_cut::Status status = m_assembler.Feed(m_pReadBuffer, r, &CQuelmarSocket::PushFrame, this);
    if (status != frame_cut::kNeedMore) {
        // The stream cannot be resynchronised after a bad length field.
        FailLink(link_texts::LossText(GetAddress(), GetPort()));
        return FALSE;
    }
    return TRUE;
}

void CQuelmarSocket::OnReceive(int nErrorCode)
{
    ReadAvailable();
    CAsyncSocket::OnReceive(nErrorCode);
}

void CQuelmarSocket::OnClose(int nErrorCode)
{
    // Frames that arrived before the close still go out whole.
    DWORD waiting = 0;
    while (m_hSocket != INVALID_SOCKET && IOCtl(FIONREAD, &waiting) && waiting > 0)
        if (!ReadAvailable())
            break;
    ReportLoss(link_texts::LossText(GetAddress(), GetPort()));
    CAsyncSocket::OnClose(nErrorCode);
}
