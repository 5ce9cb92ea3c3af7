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

// The window a reply names in its header (bytes [50,58)).
HWND ReplyWindow(const BYTE* frame);
void PutWindow(_IQ_HEADER* header, HWND window);

} // namespace query_frames
