#pragma once
// The RAM utility's end of a pseudo-terminal, for the channel tests: records
// every byte the program writes and answers as a small script says.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "zav/platform/pseudo_terminal.h"
#include "zav/platform/serial_device.h"

namespace zav::app::test {

using Bytes = std::vector<std::uint8_t>;

class BytePeer {
  public:
    // Given every byte received so far (after each read), returns the bytes
    // to send back, often none.
    using Script = std::function<Bytes(const Bytes& received)>;

    // Answers `command` with `answer` each time it arrives as the last byte.
    static Script answer(std::uint8_t command, Bytes answer);

    BytePeer() = default;
    ~BytePeer();
    BytePeer(const BytePeer&) = delete;
    BytePeer& operator=(const BytePeer&) = delete;

    // Opens the pty, makes it COM<portNumber> for this process and starts
    // answering. False when no pty can be made.
    bool start(int portNumber, Script script);
    // Sends bytes to the program unasked.
    void send(const Bytes& bytes);

    Bytes received() const;
    // Blocks until `count` bytes have arrived or `ms` pass.
    bool waitReceived(std::size_t count, int ms) const;

  private:
    void serve();
    void writeAll(const Bytes& bytes);

    platform::PseudoTerminal pty_;
    platform::Waker stopWaker_;
    std::thread thread_;
    mutable std::mutex mutex_;  // guards received_ and serialises writes
    mutable std::condition_variable arrived_;
    Bytes received_;
    Script script_;
    bool stopping_ = false;  // guarded by mutex_
};

}  // namespace zav::app::test
