#include "tarvel/ReceiveQueue.h"

#include <algorithm>

namespace kiv {

CReceiveQueue::CReceiveQueue() : buffer_(kInitialCapacity) {}

// Unrolls the ring into a larger buffer, oldest byte first. The growth is
// at least kMinGrowth and half the capacity, so a consumer that falls far
// behind costs amortised constant time per byte instead of a copy of the
// whole queue every few bytes.
void CReceiveQueue::Grow() {
    const std::size_t capacity = buffer_.size();
    std::vector<std::uint8_t> larger(capacity + std::max(kMinGrowth, capacity / 2));
    const std::size_t first = std::min(count_, capacity - read_);
    std::copy_n(buffer_.begin() + static_cast<long>(read_), first, larger.begin());
    std::copy_n(buffer_.begin(), count_ - first, larger.begin() + static_cast<long>(first));
    buffer_.swap(larger);
    read_ = 0;
}

void CReceiveQueue::Add(const std::uint8_t* data, std::size_t count) {
    if (count == 0) return;
    {
        std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < count; ++i) {
            if (count_ == buffer_.size()) Grow();
            buffer_[(read_ + count_) % buffer_.size()] = data[i];
            ++count_;
        }
        data_ = true;
    }
    signal_.notify_one();
}

bool CReceiveQueue::TakeAll(std::vector<std::uint8_t>& out) {
    std::lock_guard lock(mutex_);
    if (count_ == 0) return false;
    const std::size_t first = std::min(count_, buffer_.size() - read_);
    const auto begin = buffer_.begin() + static_cast<long>(read_);
    out.insert(out.end(), begin, begin + static_cast<long>(first));
    out.insert(out.end(), buffer_.begin(), buffer_.begin() + static_cast<long>(count_ - first));
    read_ = (read_ + count_) % buffer_.size();
    count_ = 0;
    return true;
}

bool CReceiveQueue::WaitData() {
    std::unique_lock lock(mutex_);
    signal_.wait(lock, [this] { return data_ || finished_; });
    if (finished_) return false;
    data_ = false;
    return true;
}

void CReceiveQueue::Finish() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    signal_.notify_all();
}

std::size_t CReceiveQueue::Size() const {
    std::lock_guard lock(mutex_);
    return count_;
}

std::size_t CReceiveQueue::Capacity() const {
    std::lock_guard lock(mutex_);
    return buffer_.size();
}

} // namespace kiv
