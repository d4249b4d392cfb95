#pragma once
// Serial trace: one line per byte sent or received, per time-out and per
// open, close and break, each with a timestamp, so that an installer can
// attach the exchange to a bug report.

#include <cstdint>
#include <fstream>
#include <iosfwd>
#include <mutex>
#include <string>

namespace kiv {

class CSerialTrace {
  public:
    // Appends to the file at path; Good() tells whether it opened.
    explicit CSerialTrace(const std::string& path);
    // Writes to a stream owned by the caller.
    explicit CSerialTrace(std::ostream& out);

    bool Good() const;

    void Opened(const std::string& device, bool ok);
    void Closed(const std::string& device);
    void Break(bool on);
    void Sent(std::uint8_t byte);
    void Received(std::uint8_t byte);
    void TimeOut(int seconds, std::size_t wanted, std::size_t waiting);
    void Note(const std::string& text);

  private:
    void Line(const std::string& text);
    static std::string ByteText(std::uint8_t byte);

    std::ofstream file_;
    std::ostream* out_;
    std::mutex mutex_;
};

} // namespace kiv
