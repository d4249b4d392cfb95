// The monitor over the QSerialPort adapter, with the test on the master side
// of a pseudo-terminal: every byte of a long burst decoded while the queue
// grows, Stop() prompt while bytes keep arriving, and the adapter's wait
// woken from another thread.

#include "sim/QtEnvironment.h"
#include "tarvel/LineMonitor.h"
#include "tarvel/ui/QtThreads.h"
#include "unit/link/ui/QtSerialPort.h"

#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <thread>
#include <unistd.h>

using namespace kiv;
using namespace std::chrono_literals;

namespace {

// The far end of the line: the master of a fresh pseudo-terminal.
struct PtyMaster {
    PtyMaster() {
        fd = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (fd < 0 || ::grantpt(fd) != 0 || ::unlockpt(fd) != 0) return;
        slave = ::ptsname(fd);
    }
    ~PtyMaster() {
        if (fd >= 0) ::close(fd);
    }
    // Writes everything, waiting while the terminal's buffer is full.
    bool WriteAll(const std::uint8_t* data, std::size_t count) {
        while (count > 0) {
            const auto n = ::write(fd, data, count);
            if (n < 0) {
                if (errno != EAGAIN && errno != EINTR) return false;
                pollfd p{fd, POLLOUT, 0};
                ::poll(&p, 1, 100);
                continue;
            }
            data += n;
            count -= static_cast<std::size_t>(n);
        }
        return true;
    }
    int fd = -1;
    std::string slave;
};

// The event of one line, as the unit sends it, and as the monitor shows it.
std::vector<std::uint8_t> EventBytes(int i) {
    const auto line = static_cast<std::uint8_t>(i % 4);
    const auto code = static_cast<std::uint8_t>(0x80 + i % 10);
    if (i % 2) return {0x40, 0x5E, line, code};
    return {0x5E, 0x40, line, code};
}
std::string EventShown(int i) {
    return std::to_string(i % 4 + 1) + ":" + std::to_string(i % 10) + " ";
}

struct Recorder {
    std::mutex mutex;
    std::vector<std::string> shown;
    std::atomic<bool> hold{false}; // a display that cannot keep up
    void Add(const CLineDecoder::Event& e) {
        while (hold)
            std::this_thread::sleep_for(1ms);
        std::lock_guard lock(mutex);
        shown.push_back(std::to_string(e.line + 1) + ":" + e.text);
    }
    std::size_t Count() {
        std::lock_guard lock(mutex);
        return shown.size();
    }
};

} // namespace

TEST(MonitorPty, BurstsOfAHundredThousandBytesAllDecoded) {
    PtyMaster master;
    ASSERT_FALSE(master.slave.empty());
    Recorder recorder;
    CLineMonitor monitor(
        CQtSerialPort::Factory(), [&](const CLineDecoder::Event& e) { recorder.Add(e); },
        QtThreads());
    ASSERT_TRUE(monitor.Start(master.slave));
    constexpr int events = 25000; // 100 000 bytes
    std::vector<std::uint8_t> all;
    for (int i = 0; i < events; ++i) {
        const auto b = EventBytes(i);
        all.insert(all.end(), b.begin(), b.end());
    }
    // The display holds back while the first half arrives, so the queue
    // has to grow to keep it; then bursts of uneven sizes.
    recorder.Add({0, "start "});
    recorder.hold = true;
    std::size_t sent = 0;
    for (int burst = 0; sent < all.size(); ++burst) {
        const std::size_t size = std::min<std::size_t>(1 + (burst * 977) % 4093, all.size() - sent);
        ASSERT_TRUE(master.WriteAll(all.data() + sent, size));
        sent += size;
        if (burst % 7 == 0) std::this_thread::sleep_for(1ms);
        if (sent > all.size() / 2 && recorder.hold) {
            // Let the reader empty the terminal into the queue first.
            for (int i = 0; i < 500 && monitor.BytesReceived() < sent; ++i)
                std::this_thread::sleep_for(10ms);
            recorder.hold = false;
        }
    }
    recorder.hold = false;
    for (int i = 0; i < 3000 && recorder.Count() < events + 1; ++i)
        std::this_thread::sleep_for(10ms);
    monitor.Stop();
    EXPECT_EQ(monitor.BytesReceived(), all.size());
    EXPECT_EQ(monitor.BytesDecoded(), all.size());
    ASSERT_EQ(recorder.shown.size(), events + 1u);
    for (int i = 0; i < events; ++i)
        ASSERT_EQ(recorder.shown[static_cast<std::size_t>(i) + 1], EventShown(i)) << i;
}

TEST(MonitorPty, StopIsPromptWhileBytesArrive) {
    PtyMaster master;
    ASSERT_FALSE(master.slave.empty());
    ::fcntl(master.fd, F_SETFL, O_NONBLOCK);
    std::atomic<std::size_t> events{0};
    CLineMonitor monitor(
        CQtSerialPort::Factory(), [&](const CLineDecoder::Event&) { ++events; }, QtThreads());
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(monitor.Start(master.slave));
        std::atomic<bool> writing{true};
        std::thread writer([&] {
            for (int i = 0; writing; ++i) {
                const auto b = EventBytes(i);
                if (::write(master.fd, b.data(), b.size()) < 0) std::this_thread::sleep_for(1ms);
            }
        });
        const std::size_t before = events;
        for (int i = 0; i < 500 && events < before + 100; ++i)
            std::this_thread::sleep_for(10ms);
        EXPECT_GE(events, before + 100);
        auto stopped = std::async(std::launch::async, [&] { monitor.Stop(); });
        const bool prompt = stopped.wait_for(10s) == std::future_status::ready;
        writing = false;
        writer.join();
        ASSERT_TRUE(prompt) << "Stop() hangs while bytes arrive";
        EXPECT_FALSE(monitor.IsRunning());
        // Drain what the terminal still holds for the next round.
        std::uint8_t sink[4096];
        while (::read(master.fd, sink, sizeof sink) > 0) {
        }
    }
}

TEST(MonitorPty, PortHeldByAnotherProgramStartsNothing) {
    PtyMaster master;
    ASSERT_FALSE(master.slave.empty());
    CQtSerialPort other;
    ASSERT_TRUE(other.Open(master.slave, {}));
    CLineMonitor monitor(CQtSerialPort::Factory(), [](const CLineDecoder::Event&) {});
    EXPECT_FALSE(monitor.Start(master.slave));
    EXPECT_FALSE(monitor.IsRunning());
    EXPECT_FALSE(monitor.Start("/nonexistent/tty"));
}

TEST(QtSerialPortInterrupt, WakesAWaitOnAnotherThread) {
    PtyMaster master;
    ASSERT_FALSE(master.slave.empty());
    // QSerialPort wants a thread that Qt started.
    std::string result = "not run";
    std::unique_ptr<QThread> thread(QThread::create([&] {
        result = [&] {
            CQtSerialPort port;
            if (!port.Open(master.slave, {})) return std::string("no open");
            auto waited = std::async(std::launch::async, [&] {
                // Interrupt() is the one call another thread may make.
                std::this_thread::sleep_for(100ms);
                port.Interrupt();
            });
            const auto t0 = std::chrono::steady_clock::now();
            const bool got = port.WaitForBytes(1, 20s);
            const auto took = std::chrono::steady_clock::now() - t0;
            waited.get();
            if (got) return std::string("bytes claimed");
            if (took > 10s) return std::string("not woken");
            // Sticky until opened again; then bytes are waited for as before.
            if (port.WaitForBytes(1, 60s)) return std::string("second wait");
            port.Close();
            if (!port.Open(master.slave, {})) return std::string("no reopen");
            const std::uint8_t b = 0x5E;
            if (::write(master.fd, &b, 1) != 1) return std::string("no write");
            if (!port.WaitForBytes(1, 5s)) return std::string("byte not seen");
            return std::string("ok");
        }();
    }));
    thread->start();
    ASSERT_TRUE(thread->wait(60000));
    EXPECT_EQ(result, "ok");
}

TEST(MonitorPty, LineThatHangsUpEndsTheReaderAndKeepsItsEvents) {
    auto master = std::make_unique<PtyMaster>();
    ASSERT_FALSE(master->slave.empty());
    Recorder recorder;
    std::atomic<int> ended{0};
    CLineMonitor monitor(
        CQtSerialPort::Factory(), [&](const CLineDecoder::Event& e) { recorder.Add(e); },
        QtThreads());
    monitor.SetEndSink([&] { ++ended; });
    ASSERT_TRUE(monitor.Start(master->slave));
    const auto event = EventBytes(3);
    ASSERT_TRUE(master->WriteAll(event.data(), event.size()));
    for (int i = 0; i < 500 && recorder.Count() < 1; ++i)
        std::this_thread::sleep_for(10ms);
    // The far end closes: the terminal hangs up under the reader, which
    // must end rather than wait on a line that is "ready" for ever.
    master.reset();
    for (int i = 0; i < 1000 && !monitor.ReaderEnded(); ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(monitor.ReaderEnded());
    EXPECT_EQ(ended, 1);
    monitor.Stop();
    EXPECT_FALSE(monitor.IsRunning());
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0], EventShown(3));

    // A new line is monitored as before, and "Fine" ends it without the end sink.
    PtyMaster again;
    ASSERT_TRUE(monitor.Start(again.slave));
    EXPECT_FALSE(monitor.ReaderEnded());
    monitor.Stop();
    EXPECT_EQ(ended, 1);
}
