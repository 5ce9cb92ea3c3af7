// Query requests and the routing of their replies.
#include "TRAgent.h"

#include <cstring>

#include "AgentWindows.h"
#include "NetCourier.h"
#include "QueryFrames.h"
#include "SharedData.h"

namespace {

const char kSearching[] = "조회중입니다.....";
const char kOrderDone[] = "주문이 완료되었습니다.";
const char kQueryDone[] = "조회가 완료되었습니다.";
const char kOtherDone[] = "조회완료되었습니다.";
const int kUserIDField = IQ_HEADER_SIZE - offsetof(_IQ_HEADER, szUserID);
// The login request: member ID [0,20) and password [20,40) of its body.
const WORD kLoginTrCode = 1100;
const int kLoginPasswordAt = 20;
const int kLoginPasswordSize = 20;

} // namespace

int CTRAgent::RequestQueryData(WORD trCode, BYTE type, HWND reply, const char* key, BYTE* data, int len, int conn)
{
    // Empty until the user has logged in; once filled it stays. The last byte stays zero.
    if (m_szID[0] == '\0')
        CSharedData::GetUserID(m_szID, sizeof m_szID - 1);

    // The token first: the reply may come back before SendMessage below returns to the
    // caller's loop.
    const int replyToken = agent_windows::Ask(reply);
    SendMsgToControl(reply, type == 'O' ? kOrderDone : kSearching);

    if (conn == -1)
        conn = GetSocketIndex(type);
    if (len < 0 || (data == NULL && len > 0))
        len = 0;

    query_frames::Frame frame = query_frames::Build(trCode, type, data, len);
    _IQ_HEADER* header = reinterpret_cast<_IQ_HEADER*>(frame.data);
    query_frames::PutNumber(header->szConnNo, conn > 0 ? conn : 1);
    query_frames::PutWindowToken(header, replyToken);
    // The key field holds 190 bytes, its length byte at most 127.
    const size_t keyLength = key == NULL ? 0 : strnlen(key, IQ_KEY_MAX);
    header->cKeyLength = static_cast<BYTE>(keyLength);
    if (keyLength > 0)
        memcpy(header->szKey, key, keyLength);
    // The site ID first: a user ID of more than 8 characters runs on over it.
    CString site = m_strSiteID.Left(8);
    memcpy(header->szSiteID, (LPCTSTR)site, site.GetLength());
    const size_t idLength = strnlen(m_szID, kUserIDField);
    memcpy(header->szUserID, m_szID, idLength);

    const int result = LCM_RequestQueryData(conn, static_cast<char>(type), reinterpret_cast<const char*>(frame.data),
                                            frame.length);
    // The frame has gone out: the password is blanked before the trace sees the frame and
    // before its memory is freed.
    if (trCode == kLoginTrCode && frame.length >= IQ_HEADER_SIZE + kLoginPasswordAt + kLoginPasswordSize)
        memset(frame.data + IQ_HEADER_SIZE + kLoginPasswordAt, '*', kLoginPasswordSize);
    LogData("RQ_SEND", frame.data, frame.length);
    delete[] frame.data;
    return result;
}

void CTRAgent::ReceiveQueryData(BYTE* frame, int len)
{
    LogData("RECV_RQ", frame, len);
    // A reply shorter than its header has no body and no window field to trust.
    if (frame == NULL || len < IQ_HEADER_SIZE)
        return;
    const WORD code = static_cast<WORD>(query_frames::ReadNumber(frame + offsetof(_IQ_HEADER, szTrCode), 8));
    const HWND window = agent_windows::ReplyWindow(query_frames::ReadWindowToken(frame));
    if (window == NULL)
        return;
    const char type = static_cast<char>(frame[offsetof(_IQ_HEADER, cDataType)]);
    SendMsgToControl(window, type == 'I' ? kQueryDone : (type == 'O' ? kOrderDone : kOtherDone));
    if (!::IsWindow(window))
        return;
    query_frames::Deliver(window, code, frame, len, IQ_HEADER_SIZE);
}
