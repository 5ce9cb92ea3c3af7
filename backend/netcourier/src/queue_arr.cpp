#include "QueueObj.h"

#include <climits>
#include <cstring>

CQueueArr::CQueueArr(int capacity) : m_pBuffer(NULL), m_nHeld(0), m_nCapacity(capacity > 0 ? capacity : kGrowStep)
{
    m_pBuffer = new BYTE[m_nCapacity];
}

CQueueArr::~CQueueArr()
{
    delete[] m_pBuffer;
}

int CQueueArr::Push(const void* data, int len)
{
    if (len <= 0)
        return len == 0 ? 1 : 0;
    if (data == NULL || len > INT_MAX - kGrowStep - m_nHeld)
        return 0;
    const int needed = m_nHeld + len;
    if (m_nCapacity < needed) {
        // The next multiple of the step strictly above the need.
        const int capacity = (needed / kGrowStep + 1) * kGrowStep;
        BYTE* grown = new BYTE[capacity];
        memcpy(grown, m_pBuffer, m_nHeld);
        delete[] m_pBuffer;
        m_pBuffer = grown;
        m_nCapacity = capacity;
    }
    memcpy(m_pBuffer + m_nHeld, data, len);
    m_nHeld = needed;
    return 1;
}

int CQueueArr::Pop(void* dst, int len)
{
    const int n = len < 0 ? 0 : (len < m_nHeld ? len : m_nHeld);
    if (dst != NULL && n > 0)
        memcpy(dst, m_pBuffer, n);
    memmove(m_pBuffer, m_pBuffer + n, m_nHeld - n);
    m_nHeld -= n;
    return n;
}

const void* CQueueArr::Peek()
{
    return m_pBuffer;
}

int CQueueArr::GetCount()
{
    return m_nHeld;
}
