// The feeds' queues: a locked list of separately owned byte blocks, and the template that signals
// an auto-reset event on every push so that the consumer thread can sleep until data arrives.
#pragma once

#include <afx.h>
#include <afxtempl.h>
#include <afxmt.h>

struct tagLSTITEM
{
    void* pData; // heap copy, owned by the queue
    int nLen;
};

class CQueueObj
{
public:
    virtual ~CQueueObj() {}
    virtual int Push(const void* pData, int nLen) = 0;
    virtual int Pop(void* pDst, int nLen) = 0;
    virtual const void* Peek() = 0;
    virtual int GetCount() = 0;
};

class CDataQueue : public CQueueObj
{
public:
    CDataQueue();
    virtual ~CDataQueue();

    virtual int Push(const void* pData, int nLen);
    // Takes the head block whole; copies at most nLen bytes of it to pDst (when not null).
    virtual int Pop(void* pDst, int nLen);
    virtual const void* Peek();
    virtual int GetCount();
    // Frees every block.
    virtual void RemoveAll();
    // The head block (owned by the queue until popped); FALSE when the queue is empty.
    BOOL PeekItem(tagLSTITEM& item);

protected:
    CList<tagLSTITEM, tagLSTITEM&> m_list;
    CCriticalSection m_cs;
};

template <class T>
class CZembraApiQueue : public T
{
public:
    CZembraApiQueue() : m_event(FALSE, FALSE) {}

    // Appends a non-empty block, then signals the event in every case (a null push only wakes).
    virtual int Push(const void* pData, int nLen)
    {
        if (pData && nLen > 0)
            T::Push(pData, nLen);
        m_event.SetEvent();
        return 1;
    }
    HANDLE GetEvent() const { return m_event.m_hObject; }

protected:
    CEvent m_event;
};
