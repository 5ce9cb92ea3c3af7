#include "QueryFrames.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace query_frames {

void PutNumber(char* field, int value)
{
    char text[16];
    snprintf(text, sizeof text, "%08d", value);
    memcpy(field, text, 8);
}

int ReadNumber(const BYTE* field, int width)
{
    char text[16] = {0};
    memcpy(text, field, width < 15 ? width : 15);
    return atoi(text);
}

Frame Build(WORD code, BYTE type, const void* body, int len)
{
    if (len < 0 || (body == NULL && len > 0))
        len = 0;
    Frame frame;
    frame.length = IQ_HEADER_SIZE + len;
    frame.data = new BYTE[frame.length];
    memset(frame.data, ' ', IQ_HEADER_SIZE);
    _IQ_HEADER* header = reinterpret_cast<_IQ_HEADER*>(frame.data);
    PutNumber(header->szLength, frame.length);
    PutNumber(header->szTrCode, code);
    header->cDataType = static_cast<char>(type);
    if (len > 0)
        memcpy(frame.data + IQ_HEADER_SIZE, body, len);
    return frame;
}

void Deliver(HWND window, WORD code, BYTE* frame, int len, int headerSize)
{
    COPYDATASTRUCT cds;
    cds.dwData = code;
    cds.cbData = static_cast<DWORD>(len - headerSize);
    cds.lpData = frame + headerSize;
    ::SendMessage(window, WM_COPYDATA, reinterpret_cast<WPARAM>(frame), reinterpret_cast<LPARAM>(&cds));
}

int ReadWindowToken(const BYTE* frame)
{
    return ReadNumber(frame + offsetof(_IQ_HEADER, szWindow), 8);
}

void PutWindowToken(_IQ_HEADER* header, int token)
{
    PutNumber(header->szWindow, token);
}

} // namespace query_frames
