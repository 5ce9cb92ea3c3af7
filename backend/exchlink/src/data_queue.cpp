#include "data_queue.h"

#include <string.h>

CDataQueue::CDataQueue() : m_list(10)
{
}

CDataQueue::~CDataQueue()
{
    RemoveAll();
}

int CDataQueue::Push(const void* pData, int nLen)
{
    tagLSTITEM item;
    item.nLen = nLen > 0 ? nLen : 0;
    item.pData = new BYTE[item.nLen > 0 ? item.nLen : 1];
    if (pData && item.nLen > 0)
        memcpy(item.pData, pData, item.nLen);
    CSingleLock lock(&m_cs, TRUE);
    m_list.AddTail(item);
    return 1;
}

int CDataQueue::Pop(void* pDst, int nLen)
{
    tagLSTITEM item;
    {
        CSingleLock lock(&m_cs, TRUE);
        if (m_list.IsEmpty())
            return 0;
        item = m_list.RemoveHead();
    }
    int n = nLen < item.nLen ? nLen : item.nLen;
    if (n < 0)
        n = 0;
    if (pDst && n > 0)
        memcpy(pDst, item.pData, n);
    delete[] static_cast<BYTE*>(item.pData);
    return n;
}

const void* CDataQueue::Peek()
{
    CSingleLock lock(&m_cs, TRUE);
    return m_list.IsEmpty() ? NULL : m_list.GetHead().pData;
}

BOOL CDataQueue::PeekItem(tagLSTITEM& item)
{
    CSingleLock lock(&m_cs, TRUE);
    if (m_list.IsEmpty())
        return FALSE;
    item = m_list.GetHead();
    return TRUE;
}

int CDataQueue::GetCount()
{
    CSingleLock lock(&m_cs, TRUE);
    return static_cast<int>(m_list.GetCount());
}

void CDataQueue::RemoveAll()
{
    CSingleLock lock(&m_cs, TRUE);
    while (!m_list.IsEmpty())
    {
        tagLSTITEM item = m_list.RemoveHead();
        delete[] static_cast<BYTE*>(item.pData);
    }
}
