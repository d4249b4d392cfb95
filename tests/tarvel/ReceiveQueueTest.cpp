// The receive queue: order kept through wrap-around and growth, the data
// signal's auto-reset, and the producer's end waking the consumer.

#include "tarvel/ReceiveQueue.h"

#include <gtest/gtest.h>

#include <future>
#include <numeric>
#include <thread>

using namespace kiv;
using namespace std::chrono_literals;

namespace {

std::vector<std::uint8_t> Bytes(std::uint8_t first, std::size_t count) {
    std::vector<std::uint8_t> v(count);
    std::iota(v.begin(), v.end(), first);
    return v;
}

} // namespace

TEST(ReceiveQueue, KeepsOrderThroughWrapAndGrowth) {
    CReceiveQueue queue;
    EXPECT_EQ(queue.Capacity(), 100u);
    std::vector<std::uint8_t> taken;
    // Move the read position to 60 so that the next adds wrap around.
    auto a = Bytes(0, 60);
    queue.Add(a.data(), a.size());
    ASSERT_TRUE(queue.TakeAll(taken));
    ASSERT_EQ(taken, a);
    taken.clear();
    // 100 bytes fill the ring exactly across its end; one more grows it.
    auto b = Bytes(100, 100);
    queue.Add(b.data(), b.size());
    EXPECT_EQ(queue.Capacity(), 100u);
    const std::uint8_t extra[] = {0xAA, 0xBB};
    queue.Add(extra, 2);
    EXPECT_GT(queue.Capacity(), 100u);
    EXPECT_EQ(queue.Size(), 102u);
    ASSERT_TRUE(queue.TakeAll(taken));
    auto expected = b;
    expected.push_back(0xAA);
    expected.push_back(0xBB);
    EXPECT_EQ(taken, expected);
    EXPECT_FALSE(queue.TakeAll(taken));
}

TEST(ReceiveQueue, NeverDropsWhileTheConsumerIsAway) {
    CReceiveQueue queue;
    std::vector<std::uint8_t> all;
    for (int burst = 0; burst < 1000; ++burst) {
        auto b = Bytes(static_cast<std::uint8_t>(burst), 1 + burst % 97);
        queue.Add(b.data(), b.size());
        all.insert(all.end(), b.begin(), b.end());
        // Take now and then, part-way through, so reads land mid-ring.
        if (burst % 131 == 0) {
            std::vector<std::uint8_t> part;
            queue.TakeAll(part);
            ASSERT_TRUE(std::equal(part.begin(), part.end(), all.begin()));
            all.erase(all.begin(), all.begin() + static_cast<long>(part.size()));
        }
    }
    std::vector<std::uint8_t> rest;
    queue.TakeAll(rest);
    EXPECT_EQ(rest, all);
}

TEST(ReceiveQueue, DataSignalResetsOnWakeAndFinishEndsTheWait) {
    CReceiveQueue queue;
    const std::uint8_t one = 1;
    queue.Add(&one, 1);
    queue.Add(&one, 1);
    EXPECT_TRUE(queue.WaitData()); // two adds, one signal
    auto waiter = std::async(std::launch::async, [&] { return queue.WaitData(); });
    EXPECT_EQ(waiter.wait_for(100ms), std::future_status::timeout);
    queue.Finish();
    ASSERT_EQ(waiter.wait_for(5s), std::future_status::ready);
    EXPECT_FALSE(waiter.get());
    // Once ended, every wait returns at once, even with data signalled.
    queue.Add(&one, 1);
    EXPECT_FALSE(queue.WaitData());
}

TEST(ReceiveQueue, ProducerAndConsumerOnTwoThreads) {
    CReceiveQueue queue;
    constexpr std::size_t total = 200000;
    std::thread producer([&] {
        for (std::size_t sent = 0; sent < total;) {
            std::uint8_t chunk[37];
            for (auto& c : chunk)
                c = static_cast<std::uint8_t>(sent++ * 7);
            queue.Add(chunk, sizeof chunk);
        }
        queue.Finish();
    });
    std::vector<std::uint8_t> got;
    while (queue.WaitData())
        queue.TakeAll(got);
    producer.join();
    queue.TakeAll(got);
    ASSERT_EQ(got.size(), total - total % 37 + (total % 37 ? 37 : 0));
    for (std::size_t i = 0; i < got.size(); ++i)
        ASSERT_EQ(got[i], static_cast<std::uint8_t>(i * 7)) << i;
}
