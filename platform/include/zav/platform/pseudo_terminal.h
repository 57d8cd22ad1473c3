#pragma once
// The master side of a pseudo-terminal, for a program that plays the device
// end of a serial line (the validator simulator). Hosts open the slave path
// as they would a serial port.
#include <cstddef>
#include <cstdint>
#include <string>

#include "zav/platform/clock.h"
#include "zav/platform/serial_device.h"

namespace zav::platform {

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates a pseudo-terminal with a raw line (no echo, no translation)
    // and keeps a descriptor of its slave side open, so hosts may open and
    // close the slave path at will without the master seeing a hang-up.
    // False (errno kept) on failure.
    bool open();
    void close();
    bool is_open() const { return master_ >= 0; }
    // Path of the slave side, e.g. /dev/pts/4; empty while closed.
    const std::string& slave_path() const { return slave_path_; }

    // Non-blocking read of what the host sent; bytes read (0 when nothing is
    // queued), or -1 on failure.
    long read_some(std::uint8_t* data, std::size_t count);
    // Non-blocking write towards the host; bytes written (0 when the line
    // takes no more just now), or -1 on failure.
    long write_some(const std::uint8_t* data, std::size_t count);

    struct Readiness {
        bool input = false;  // the host has sent bytes
        bool room = false;   // the line takes more bytes
        bool woken = false;  // the waker fired (it stays pending until cleared)
    };
    // Blocks until input arrives, (with want_room) the line has room, the
    // deadline passes or the waker fires. False when the wait itself fails
    // or the line reports an error or hang-up.
    bool wait(const Deadline& deadline, bool want_room, const Waker& waker, Readiness* ready) const;

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slave_path_;
};

}  // namespace zav::platform
