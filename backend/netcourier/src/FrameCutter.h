// Framing of the server byte stream. Every frame starts with its total length (these 8 bytes
// included) and its code, each as 8 ASCII decimal digits read the way atoi reads them.
#pragma once

#include <windows.h>

namespace frame_cut {

const int kLengthField = 8;
const int kHeaderLength = 16;   // length and code: the shortest frame there can be
const int kFrameLimit = 102400; // the longest frame the link accepts

// Value of an 8-byte decimal field: copied into a zeroed buffer and converted with atoi, so
// leading blanks and zeros are accepted and the conversion stops at the first non-digit.
int ReadNumberField(const void* field);

enum Status
{
    kNeedMore,  // not enough bytes yet to tell, or the frame is incomplete
    kComplete,  // a whole frame of `length` bytes starts the data
    kTooShort,  // the length field reads below the header's length (or is no number)
    kTooLong    // the length field reads above the limit
};

struct Cut
{
    Status status;
    int length; // the frame's length for kComplete, else the length field's value (0 for kNeedMore)
};

// Looks at the start of `held` bytes of stream. Pure: reads nothing beyond `held`.
Cut CutFrame(const BYTE* data, int held, int limit = kFrameLimit);

} // namespace frame_cut

// The receive buffer of one connection: bytes go in as they arrive, whole frames come out in
// order. After a bad length field the stream cannot be resynchronised, so the assembler stops
// and reports the fault; the frames before it have been handed out whole.
class CFrameAssembler
{
public:
    // Receives each complete frame (valid only during the call).
    typedef void (*FrameSink)(void* context, const BYTE* frame, int length);

    explicit CFrameAssembler(int limit = frame_cut::kFrameLimit);
    ~CFrameAssembler();

    // Appends len bytes and hands every frame they complete to sink. Returns kNeedMore when
    // all is well, or kTooShort / kTooLong when a length field was bad: then the bytes from
    // that frame on are dropped and further input is refused until Reset.
    frame_cut::Status Feed(const BYTE* data, int len, FrameSink sink, void* context);

    void Reset();
    int GetHeld() const { return m_nHeld; }
    frame_cut::Status GetFault() const { return m_fault; }
    // The bad length field's value after a fault.
    int GetFaultLength() const { return m_nFaultLength; }

private:
    BYTE* m_pBuffer;
    int m_nHeld;
    int m_nLimit;
    frame_cut::Status m_fault;
    int m_nFaultLength;

    CFrameAssembler(const CFrameAssembler&) = delete;
    CFrameAssembler& operator=(const CFrameAssembler&) = delete;
};
