// Queues of byte blocks between threads: one abstract interface, a growable byte stream
// (no lock) and a locked list of separately owned blocks, plus a variant that signals an
// event on every push so that a consumer thread can sleep until data arrives.
#pragma once

#include <afx.h>
#include <afxmt.h>
#include <afxtempl.h>

class CQueueObj
{
public:
    virtual ~CQueueObj() {}
    // Appends len bytes; 1 when taken.
    virtual int Push(const void* data, int len) = 0;
    // Takes data from the front and copies at most len bytes to dst (nothing when dst is null);
    // returns the number of bytes copied.
    virtual int Pop(void* dst, int len) = 0;
    // The data at the front, still owned by the queue.
    virtual const void* Peek() = 0;
    // Bytes held (byte stream) or blocks held (block list).
    virtual int GetCount() = 0;
};

// A byte stream in one heap buffer that grows in steps of kGrowStep and never shrinks.
// Whoever shares one between threads guards it.
class CQueueArr : public CQueueObj
{
public:
    enum { kGrowStep = 102400 };

    explicit CQueueArr(int capacity = kGrowStep);
    virtual ~CQueueArr();

    int Push(const void* data, int len) override;
    int Pop(void* dst, int len) override;
    const void* Peek() override;
    int GetCount() override;
    int GetCapacity() const { return m_nCapacity; }

private:
    BYTE* m_pBuffer;
    int m_nHeld;
    int m_nCapacity;

    CQueueArr(const CQueueArr&) = delete;
    CQueueArr& operator=(const CQueueArr&) = delete;
};

// One queued block: a heap copy of the pushed bytes, owned by the queue until popped.
struct tagLSTITEM
{
    BYTE* pData;
    int nLen;
};

// A locked list of blocks; each block is consumed whole. Any number of producers, one
// consumer: a block seen by Peek stays valid until that consumer pops it.
class CQueueList : public CQueueObj
{
public:
    CQueueList();
    virtual ~CQueueList();

    int Push(const void* data, int len) override;
    int Pop(void* dst, int len) override;
    const void* Peek() override;
    int GetCount() override;

private:
    CList<tagLSTITEM, tagLSTITEM&> m_list;
    CCriticalSection m_lock;

    CQueueList(const CQueueList&) = delete;
    CQueueList& operator=(const CQueueList&) = delete;
};

// T's queue that also sets an auto-reset event on every push.
template <class T>
class CQuelmarQueue : public T
{
public:
    CQuelmarQueue() : m_event(FALSE, FALSE) {}

    int Push(const void* data, int len) override
    {
        int result = T::Push(data, len);
        m_event.SetEvent();
        return result;
    }

    CEvent& GetEvent() { return m_event; }
    HANDLE GetEventHandle() const { return m_event.m_hObject; }

private:
    CEvent m_event;
};
