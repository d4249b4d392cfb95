#include "sim/PtyServer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace kiv::sim {

namespace {

// How long the terminal may hold bytes between the writer and this side. The
// unit gives the system that much benefit of the doubt when it judges a pause.
constexpr std::chrono::milliseconds kTerminalSlack{50};
// Time between looks at an idle line.
constexpr std::chrono::milliseconds kLookPeriod{10};

// poll() with a time-out to the microsecond where the system offers it.
int PollFor(pollfd* fds, nfds_t count, std::chrono::nanoseconds timeout) {
#ifdef __linux__
    const auto secs = std::chrono::duration_cast<std::chrono::seconds>(timeout);
    const timespec ts{static_cast<time_t>(secs.count()),
                      static_cast<long>((timeout - secs).count())};
    return ::ppoll(fds, count, &ts, nullptr);
#else
    return ::poll(fds, count,
                  static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(timeout).count()));
#endif
}

// The rate a pseudo-terminal was set to by whoever holds it. A Linux
// pseudo-terminal keeps the speed (and the stop bits) it is given, though not
// the character size or parity.
int LineRate(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return 0;
    switch (::cfgetospeed(&tio)) {
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    default:
        return 0;
    }
}

} // namespace

CPtyServer::CPtyServer(CUnitSim& sim) : sim_(sim) {}

CPtyServer::~CPtyServer() {
    CloseMaster();
    for (int& fd : wake_)
        if (fd >= 0) ::close(fd);
}

bool CPtyServer::Open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error_ = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    char name[128];
    if (::ptsname_r(master_, name, sizeof name) != 0) {
        error_ = std::string("ptsname: ") + std::strerror(errno);
        return false;
    }
    slavePath_ = name;
    // Raw bytes both ways: no echo, no line editing, no translation.
    termios tio{};
    if (::tcgetattr(master_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        ::tcsetattr(master_, TCSANOW, &tio);
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (::pipe(wake_) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    ::fcntl(wake_[0], F_SETFL, ::fcntl(wake_[0], F_GETFL) | O_NONBLOCK);
    return true;
}

void CPtyServer::Stop() {
    stop_ = true;
    if (wake_[1] >= 0) {
        const char c = 0;
        [[maybe_unused]] const auto n = ::write(wake_[1], &c, 1);
    }
}

void CPtyServer::CloseMaster() {
    std::lock_guard lock(mutex_);
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

void CPtyServer::Run() {
    using Clock = CUnitSim::Clock;
    bool peerOpen = false;
    while (!stop_) {
        int fd;
        // Look at the line at least every few milliseconds: each look that
        // finds it empty narrows when the next bytes may have come. A reply
        // byte due sooner is waited for to the microsecond: a wait rounded
        // up to whole milliseconds would answer up to a millisecond late,
        // and a transfer of many short exchanges would add that up.
        auto timeout = std::chrono::duration_cast<std::chrono::nanoseconds>(kLookPeriod);
        {
            std::lock_guard lock(mutex_);
            fd = master_;
            if (const auto due = sim_.NextDue())
                timeout = std::clamp(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(*due - Clock::now()),
                    std::chrono::nanoseconds{0}, timeout);
        }
        if (fd < 0) {
            // The device is gone; wait to be stopped.
            pollfd p{wake_[0], POLLIN, 0};
            ::poll(&p, 1, -1);
            continue;
        }
        pollfd fds[2] = {{fd, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        const auto looked = Clock::now();
        if (PollFor(fds, 2, timeout) == 0) {
            std::lock_guard lock(mutex_);
            emptySince_ = looked;
        }
        if (stop_) break;
        if (Serve(fds[0].revents, peerOpen)) continue;
        // No one holds the port: the system closed it. Idle gently until it
        // opens the port again (a pseudo-terminal signals hang-up at once).
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool CPtyServer::Serve(short revents, bool& peerOpen) {
    using Clock = CUnitSim::Clock;
    std::lock_guard lock(mutex_);
    if (master_ < 0) return true;
    if (revents & POLLIN) {
        std::uint8_t buf[512];
        // The master's view of the terminal settings is the holder's.
        sim_.SetLineRate(LineRate(master_));
        const auto before = Clock::now();
        const auto n = ::read(master_, buf, sizeof buf);
        const auto after = Clock::now();
        if (n > 0) {
            peerOpen = true;
            // What this read took came after the previous read found the line
            // empty (a read that filled the buffer may have left bytes behind),
            // less what the terminal may have held them; before the first such
            // read, at any time.
            sim_.Receive(buf, static_cast<std::size_t>(n), after,
                         emptySince_ ? *emptySince_ - kTerminalSlack : CUnitSim::Time{});
        }
        if (n >= 0 && static_cast<std::size_t>(n) < sizeof buf) emptySince_ = before;
    }
    if ((revents & POLLHUP) && !(revents & POLLIN)) {
        // Closing the port puts the line into break.
        if (peerOpen) sim_.LineBreak();
        peerOpen = false;
        return false;
    }
    const auto due = sim_.TakeDue(Clock::now());
    std::size_t done = 0;
    while (done < due.size()) {
        const auto n = ::write(master_, due.data() + done, due.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            pollfd w{master_, POLLOUT, 0};
            ::poll(&w, 1, 100);
        } else {
            break;
        }
    }
    return true;
}

} // namespace kiv::sim
