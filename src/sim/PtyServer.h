#pragma once
// Serves a simulated unit on a pseudo-terminal (POSIX): the system opens the
// slave device as its serial port. When the system closes the port the
// simulated unit sees a line break.

#include "sim/UnitSim.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <string>

namespace kiv::sim {

class CPtyServer {
  public:
    explicit CPtyServer(CUnitSim& sim);
    ~CPtyServer();
    CPtyServer(const CPtyServer&) = delete;
    CPtyServer& operator=(const CPtyServer&) = delete;

    // Creates the pseudo-terminal in raw mode; false (with Error()) on failure.
    bool Open();
    const std::string& SlavePath() const { return slavePath_; }
    const std::string& Error() const { return error_; }

    // Serves until Stop() is called (from any thread or a signal handler).
    void Run();
    void Stop();

    // Closes the master: the device disappears under an open port.
    void CloseMaster();

    // Guards the simulated unit while Run() works on it.
    std::mutex& Mutex() { return mutex_; }

  private:
    // One round of I/O after poll; false when no one holds the port.
    bool Serve(short revents, bool& peerOpen);

    CUnitSim& sim_;
    int master_ = -1;
    int wake_[2] = {-1, -1};
    std::atomic<bool> stop_{false};
    std::string slavePath_;
    std::string error_;
    std::mutex mutex_;
    // When a read last found the line drained; unknown at first.
    std::optional<CUnitSim::Time> emptySince_;
};

} // namespace kiv::sim
