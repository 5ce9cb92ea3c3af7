// The frame queues: growth and consumption of the byte stream, whole-block consumption of the
// locked list, the push event, and many producers against one consumer.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "QueueObj.h"

namespace {

std::vector<BYTE> Bytes(int n, BYTE first = 0)
{
    std::vector<BYTE> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = static_cast<BYTE>(first + i);
    return v;
}

struct GrowthCase
{
    int held;
    int push;
    int capacity;
};

class QueueArrGrowth : public ::testing::TestWithParam<GrowthCase>
{
};

TEST_P(QueueArrGrowth, GrowsToTheNextStepAboveTheNeedAndKeepsTheBytes)
{
    const GrowthCase c = GetParam();
    CQueueArr queue;
    const std::vector<BYTE> first = Bytes(c.held, 1);
    const std::vector<BYTE> second = Bytes(c.push, 7);
    ASSERT_EQ(1, queue.Push(first.data(), c.held));
    ASSERT_EQ(1, queue.Push(second.data(), c.push));
    EXPECT_EQ(c.capacity, queue.GetCapacity());
    ASSERT_EQ(c.held + c.push, queue.GetCount());
    const BYTE* held = static_cast<const BYTE*>(queue.Peek());
    EXPECT_EQ(0, memcmp(held, first.data(), c.held));
    EXPECT_EQ(0, memcmp(held + c.held, second.data(), c.push));
}

INSTANTIATE_TEST_SUITE_P(Steps, QueueArrGrowth,
                         ::testing::Values(GrowthCase{102400, 0, 102400}, GrowthCase{102399, 1, 102400},
                                           GrowthCase{102400, 1, 204800}, GrowthCase{102400, 102400, 307200},
                                           GrowthCase{1, 250000, 307200}));

TEST(QueueArr, PopCopiesWhatIsHeldAndMovesTheRestToTheFront)
{
    CQueueArr queue;
    const std::vector<BYTE> data = Bytes(300);
    queue.Push(data.data(), 300);
    BYTE first[100];
    EXPECT_EQ(100, queue.Pop(first, 100));
    EXPECT_EQ(0, memcmp(first, data.data(), 100));
    EXPECT_EQ(0, queue.Pop(NULL, 0));
    // Discarding bytes already used.
    EXPECT_EQ(50, queue.Pop(NULL, 50));
    BYTE rest[500];
    EXPECT_EQ(150, queue.Pop(rest, 500));
    EXPECT_EQ(0, memcmp(rest, data.data() + 150, 150));
    EXPECT_EQ(0, queue.GetCount());
    EXPECT_NE(nullptr, queue.Peek());
}

TEST(QueueArr, RefusesBadArgumentsWithoutChange)
{
    CQueueArr queue;
    EXPECT_EQ(0, queue.Push(NULL, 5));
    EXPECT_EQ(0, queue.Push("x", -1));
    EXPECT_EQ(0, queue.GetCount());
    queue.Push("abc", 3);
    char out[4] = {'z', 'z', 'z', 'z'};
    EXPECT_EQ(0, queue.Pop(out, -4));
    EXPECT_EQ('z', out[0]);
    EXPECT_EQ(3, queue.GetCount());
}

TEST(QueueList, EmptyQueueGivesNothingAndTouchesNothing)
{
    CQueueList queue;
    char dst[4] = {'q', 'q', 'q', 'q'};
    EXPECT_EQ(0, queue.Pop(dst, 4));
    EXPECT_EQ('q', dst[0]);
    EXPECT_EQ(nullptr, queue.Peek());
    EXPECT_EQ(0, queue.GetCount());
}

TEST(QueueList, BlocksAreConsumedWholeInOrder)
{
    CQueueList queue;
    const std::vector<BYTE> a = Bytes(50, 10);
    const std::vector<BYTE> b = Bytes(20, 90);
    queue.Push(a.data(), 50);
    queue.Push(b.data(), 20);
    EXPECT_EQ(2, queue.GetCount());
    EXPECT_EQ(0, memcmp(queue.Peek(), a.data(), 50));
    BYTE dst[10];
    // The other 40 bytes of the first block go with it.
    EXPECT_EQ(10, queue.Pop(dst, 10));
    EXPECT_EQ(0, memcmp(dst, a.data(), 10));
    BYTE next[64];
    EXPECT_EQ(20, queue.Pop(next, 64));
    EXPECT_EQ(0, memcmp(next, b.data(), 20));
    EXPECT_EQ(0, queue.GetCount());
}

TEST(QueueList, PopWithoutDestinationFreesTheHead)
{
    CQueueList queue;
    queue.Push("one", 3);
    queue.Push("two", 3);
    EXPECT_EQ(0, queue.Pop(NULL, 0));
    EXPECT_EQ(1, queue.GetCount());
    EXPECT_EQ(0, memcmp(queue.Peek(), "two", 3));
}

TEST(QuelmarQueue, PushesBeforeTheWaitReleaseTheConsumerOnce)
{
    CQuelmarQueue<CQueueList> queue;
    for (int i = 0; i < 3; ++i)
        queue.Push(&i, sizeof i);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(queue.GetEventHandle(), 0));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(queue.GetEventHandle(), 0));
    EXPECT_EQ(3, queue.GetCount());
}

TEST(QuelmarQueue, ManyProducersOneConsumerLoseNothingAndKeepEachProducersOrder)
{
    const int kProducers = 4;
    const int kPerProducer = 5000;
    CQuelmarQueue<CQueueList> queue;
    std::vector<std::thread> producers;
    for (int p = 0; p < kProducers; ++p)
        producers.emplace_back([&queue, p] {
            for (int i = 0; i < kPerProducer; ++i) {
                const int item[2] = {p, i};
                queue.Push(item, sizeof item);
            }
        });
    std::vector<int> next(kProducers, 0);
    int received = 0;
    while (received < kProducers * kPerProducer) {
        if (WaitForSingleObject(queue.GetEventHandle(), 5000) != WAIT_OBJECT_0)
            break;
        while (const int* item = static_cast<const int*>(queue.Peek())) {
            ASSERT_GE(item[0], 0);
            ASSERT_LT(item[0], kProducers);
            ASSERT_EQ(next[item[0]], item[1]);
            ++next[item[0]];
            ++received;
            queue.Pop(NULL, 0);
        }
    }
    for (std::thread& t : producers)
        t.join();
    EXPECT_EQ(kProducers * kPerProducer, received);
}

} // namespace
