// Synchronisation objects: events, mutexes, semaphores, critical sections and the lock helpers.
#include <afxmt.h>
#include <gtest/gtest.h>

#include "exception_probe.h"

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Whether another thread can acquire the object within timeout ms.
BOOL LockableFromOtherThread(CSyncObject& object, DWORD timeout = 0)
{
    BOOL result = FALSE;
    std::thread t([&] {
        result = object.Lock(timeout);
        if (result)
            object.Unlock();
    });
    t.join();
    return result;
}

TEST(SyncTest, EventsResetAutomaticallyOrByHand)
{
    CEvent autoReset;
    EXPECT_FALSE(autoReset.Lock(0)) << "not signalled at construction";
    autoReset.SetEvent();
    EXPECT_TRUE(autoReset.Lock(0));
    EXPECT_FALSE(autoReset.Lock(0)) << "one waiter takes the signal";

    CEvent manual(FALSE, TRUE);
    manual.SetEvent();
    EXPECT_TRUE(manual.Lock(0));
    EXPECT_TRUE(manual.Lock(0)) << "stays signalled";
    manual.ResetEvent();
    EXPECT_FALSE(manual.Lock(0));
    manual.PulseEvent();
    EXPECT_FALSE(manual.Lock(0)) << "a pulse with nobody waiting leaves it reset";

    CEvent initially(TRUE, TRUE);
    EXPECT_TRUE(initially.Lock(0));
    EXPECT_TRUE(initially.Unlock());

    CEvent named(FALSE, TRUE, "MolvaneSyncTestEvent");
    CEvent sameName(FALSE, TRUE, "MolvaneSyncTestEvent");
    named.SetEvent();
    EXPECT_TRUE(sameName.Lock(0)) << "a name refers to one object";
}

TEST(SyncTest, AnEventWakesAWaitingThread)
{
    CEvent ready;
    std::atomic<bool> woke{false};
    std::thread waiter([&] {
        if (ready.Lock(5000))
            woke = true;
    });
    Sleep(20);
    EXPECT_FALSE(woke.load());
    ready.SetEvent();
    waiter.join();
    EXPECT_TRUE(woke.load());
}

TEST(SyncTest, MutexAndSemaphoreCount)
{
    CMutex mutex;
    ASSERT_TRUE(mutex.Lock());
    EXPECT_FALSE(LockableFromOtherThread(mutex));
    EXPECT_TRUE(mutex.Lock(0)) << "the owner may lock again";
    mutex.Unlock();
    mutex.Unlock();
    EXPECT_TRUE(LockableFromOtherThread(mutex));

    CMutex abandoned;
    std::thread([&] { abandoned.Lock(); }).join(); // the owner ends without unlocking
    EXPECT_TRUE(abandoned.Lock(0)) << "an abandoned mutex is acquired";
    abandoned.Unlock();

    CSemaphore semaphore(2, 2);
    EXPECT_TRUE(semaphore.Lock(0));
    EXPECT_TRUE(semaphore.Lock(0));
    EXPECT_FALSE(semaphore.Lock(0));
    LONG previous = -1;
    EXPECT_TRUE(semaphore.Unlock(2, &previous));
    EXPECT_EQ(previous, 0);
    EXPECT_FALSE(semaphore.Unlock(1, NULL)) << "beyond the maximum count";
}

TEST(SyncTest, CriticalSectionSerialisesThreads)
{
    CCriticalSection section;
    long counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 10000; ++i) {
                CSingleLock lock(&section, TRUE);
                long v = counter;
                if ((i & 255) == 0)
                    Sleep(0);
                counter = v + 1;
            }
        });
    }
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(counter, 40000);
}

TEST(SyncTest, SingleLockReleasesAtScopeEnd)
{
    CMutex mutex;
    {
        CSingleLock lock(&mutex);
        EXPECT_FALSE(lock.IsLocked());
        EXPECT_TRUE(lock.Lock());
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(LockableFromOtherThread(mutex));
        EXPECT_TRUE(lock.Unlock());
        EXPECT_FALSE(lock.IsLocked());
        lock.Lock();
    }
    EXPECT_TRUE(LockableFromOtherThread(mutex));
}

TEST(SyncTest, MultiLockWaitsForAnyOrAll)
{
    CEvent first, second(FALSE, TRUE);
    CSyncObject* objects[] = {&first, &second};
    CMultiLock lock(objects, 2);
    EXPECT_EQ(lock.Lock(0, FALSE), DWORD(WAIT_TIMEOUT));
    second.SetEvent();
    EXPECT_EQ(lock.Lock(0, FALSE), DWORD(WAIT_OBJECT_0 + 1));
    EXPECT_FALSE(lock.IsLocked(0));
    EXPECT_TRUE(lock.IsLocked(1));
    EXPECT_EQ(lock.Lock(0, TRUE), DWORD(WAIT_TIMEOUT)) << "the first is still reset";
    first.SetEvent();
    EXPECT_EQ(lock.Lock(100, TRUE), DWORD(WAIT_OBJECT_0));
    EXPECT_TRUE(lock.IsLocked(0));
    EXPECT_TRUE(lock.Unlock());

    CCriticalSection section;
    CSyncObject* withSection[] = {&first, &section};
    EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>([&] { CMultiLock bad(withSection, 2); }))
        << "critical sections cannot be waited for";
}

} // namespace
