#pragma once
// A pseudo-terminal that the serial library opens as COM<n>; the test holds
// the master end and plays the device on it.
#include <termios.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zav::serial::test {

class TestPort {
  public:
    // Creates the pty and points ZAV_COM<com_number> at its slave.
    explicit TestPort(int com_number);
    ~TestPort();
    TestPort(const TestPort&) = delete;
    TestPort& operator=(const TestPort&) = delete;

    int com_number() const { return com_number_; }
    int master() const { return master_; }
    const std::string& slave_path() const { return slave_path_; }

    // Bytes from the device to the library.
    void send(const std::vector<std::uint8_t>& bytes) const;
    // Everything the library writes within ms milliseconds.
    std::vector<std::uint8_t> receive_for(int ms) const;
    // True once count bytes sent to the library wait in its input queue.
    bool delivered(int count) const;

    // The line settings the library left on the terminal.
    termios line() const;
    void set_line(const termios& settings) const;

  private:
    int com_number_;
    int master_ = -1;
    // Kept open, as the simulator does, so the master never sees a hang-up
    // while the library has the port closed.
    int slave_ = -1;
    std::string slave_path_;
};

}  // namespace zav::serial::test
