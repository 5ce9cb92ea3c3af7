// Building the frames the agent sends and reading the fields of the frames it receives.
#pragma once

#include "TRAgent.h"

namespace query_frames {

// Writes "%08d" of value, cut to 8 characters, into an 8-byte field.
void PutNumber(char* field, int value);
// atoi of a field of `width` bytes copied into a zeroed buffer.
int ReadNumber(const BYTE* field, int width);

struct Frame
{
    BYTE* data;
    int length;
};

// A blank-filled header with the length, code and type letter written, followed by `len`
// bytes of body. The caller frees data with delete[].
Frame Build(WORD code, BYTE type, const void* body, int len);

// Hands a received frame to a window: WM_COPYDATA with wParam the whole frame, dwData the
// code and the data behind the header of `headerSize` bytes.
void Deliver(HWND window, WORD code, BYTE* frame, int len, int headerSize);

// The window field (bytes [50,58)) holds the window's token, never its handle
// (WindowTokens.h).
int ReadWindowToken(const BYTE* frame);
void PutWindowToken(_IQ_HEADER* header, int token);

} // namespace query_frames
