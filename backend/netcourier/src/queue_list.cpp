#include "QueueObj.h"

#include <cstring>

CQueueList::CQueueList() : m_list(10)
{
}

CQueueList::~CQueueList()
{
    while (!m_list.IsEmpty())
        delete[] m_list.RemoveHead().pData;
}

int CQueueList::Push(const void* data, int len)
{
    if (len < 0 || (data == NULL && len > 0))
        return 0;
    tagLSTITEM item;
    item.pData = new BYTE[len > 0 ? len : 1];
    item.nLen = len;
    if (len > 0)
        memcpy(item.pData, data, len);
    CSingleLock hold(&m_lock, TRUE);
    m_list.AddTail(item);
    return 1;
}

int CQueueList::Pop(void* dst, int len)
{
    tagLSTITEM item;
    {
        // The emptiness test and the removal under one lock: a count read outside it could be
        // stale by the time the head is taken.
        CSingleLock hold(&m_lock, TRUE);
        if (m_list.IsEmpty())
            return 0;
        item = m_list.RemoveHead();
    }
    const int n = len < 0 ? 0 : (len < item.nLen ? len : item.nLen);
    if (dst != NULL && n > 0)
        memcpy(dst, item.pData, n);
    delete[] item.pData;
    return n;
}

const void* CQueueList::Peek()
{
    CSingleLock hold(&m_lock, TRUE);
    if (m_list.IsEmpty())
        return NULL;
    return m_list.GetHead().pData;
}

int CQueueList::GetCount()
{
    CSingleLock hold(&m_lock, TRUE);
    return static_cast<int>(m_list.GetCount());
}
