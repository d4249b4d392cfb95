#pragma once
// The bytes the reader has taken from the line and the display has not yet
// decoded: a circular buffer that grows instead of dropping a byte, under a
// lock, with an auto-reset "data" signal for the consumer and an end signal
// that the producer gives when it stops.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace kiv {

class CReceiveQueue {
  public:
    static constexpr std::size_t kInitialCapacity = 100;
    static constexpr std::size_t kMinGrowth = 10;

    CReceiveQueue();

    // Appends the bytes in order (growing when full) and signals data.
    void Add(const std::uint8_t* data, std::size_t count);
    // Moves every waiting byte to the end of out, oldest first; false when
    // none waited.
    bool TakeAll(std::vector<std::uint8_t>& out);

    // Blocks until data has been signalled since the last wake (true; the
    // signal is consumed) or the producer has ended (false).
    bool WaitData();
    // The producer's end: wakes the consumer for good.
    void Finish();

    std::size_t Size() const;
    std::size_t Capacity() const;

  private:
    void Grow();

    mutable std::mutex mutex_;
    std::condition_variable signal_;
    std::vector<std::uint8_t> buffer_;
    std::size_t read_ = 0;  // position of the oldest byte
    std::size_t count_ = 0; // bytes waiting
    bool data_ = false;
    bool finished_ = false;
};

} // namespace kiv
