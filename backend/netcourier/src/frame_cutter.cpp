#include "FrameCutter.h"

#include <cstdlib>
#include <cstring>

namespace frame_cut {

int ReadNumberField(const void* field)
{
    char text[kLengthField + 1] = {0};
    memcpy(text, field, kLengthField);
    return atoi(text);
}

Cut CutFrame(const BYTE* data, int held, int limit)
{
    Cut cut = {kNeedMore, 0};
    if (data == NULL || held < kLengthField)
        return cut;
    const int total = ReadNumberField(data);
    cut.length = total;
    if (total < kHeaderLength)
        cut.status = kTooShort;
    else if (total > limit)
        cut.status = kTooLong;
    else if (total <= held)
        cut.status = kComplete;
    else
        cut.length = 0;
    return cut;
}

} // namespace frame_cut

CFrameAssembler::CFrameAssembler(int limit)
    : m_pBuffer(NULL), m_nHeld(0), m_nLimit(limit > frame_cut::kHeaderLength ? limit : frame_cut::kHeaderLength),
      m_fault(frame_cut::kNeedMore), m_nFaultLength(0)
{
    m_pBuffer = new BYTE[m_nLimit];
}

CFrameAssembler::~CFrameAssembler()
{
    delete[] m_pBuffer;
}

void CFrameAssembler::Reset()
{
    m_nHeld = 0;
    m_fault = frame_cut::kNeedMore;
    m_nFaultLength = 0;
}

frame_cut::Status CFrameAssembler::Feed(const BYTE* data, int len, FrameSink sink, void* context)
{
    if (m_fault != frame_cut::kNeedMore)
        return m_fault;
    while (len > 0) {
        // Every accepted frame fits the buffer, so a full buffer always holds a complete one
        // and there is room again after cutting.
        const int take = len < m_nLimit - m_nHeld ? len : m_nLimit - m_nHeld;
        memcpy(m_pBuffer + m_nHeld, data, take);
        m_nHeld += take;
        data += take;
        len -= take;

        int start = 0;
        for (;;) {
            const frame_cut::Cut cut = frame_cut::CutFrame(m_pBuffer + start, m_nHeld - start, m_nLimit);
            if (cut.status == frame_cut::kComplete) {
                if (sink != NULL)
                    sink(context, m_pBuffer + start, cut.length);
                start += cut.length;
                continue;
            }
            if (cut.status != frame_cut::kNeedMore) {
                m_fault = cut.status;
                m_nFaultLength = cut.length;
                m_nHeld = 0;
                return m_fault;
            }
            break;
        }
        memmove(m_pBuffer, m_pBuffer + start, m_nHeld - start);
        m_nHeld -= start;
    }
    return frame_cut::kNeedMore;
}
