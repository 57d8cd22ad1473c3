#pragma once
// The validator simulator: a pseudo-terminal whose far end answers as a
// validator of one model would. Used in-process by tests and benchmarks, and
// by the zavsim program.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zav::sim {

// Something to do wrong when answering a command.
struct Fault {
    enum class Kind {
        None,
        NoReply,        // stay silent
        BadCrc,         // reply with a corrupted CRC
        WrongSequence,  // reply with the sequence bit the host does not expect
        Delay,          // reply after delay_ms
        GenericCode,    // reply with only this generic code (0xF1, 0xF2, 0xF5, ...)
        JunkBefore,     // send junk bytes, then the proper reply
    };
    Kind kind = Kind::None;
    int delay_ms = 0;
    std::uint8_t code = 0;
    std::vector<std::uint8_t> junk{};
    int times = -1;  // how many commands it applies to; -1 = all of them
};

// Selects the commands a fault applies to: a VLP command code, or for the
// expansion command 0x30 0x05 <request> the key expansion(request).
using CommandKey = int;
constexpr CommandKey kAnyCommand = -1;
constexpr CommandKey expansion(std::uint8_t request) {
    return 0x3000 | request;
}

struct Options {
    std::string model = "TM6";  // a profile name (see profile_names())
    // Emulate the wire time of this baud rate (11 bits a byte); 0 = none.
    std::uint32_t wire_baud = 0;
};

class Simulator {
  public:
    explicit Simulator(Options options);
    ~Simulator();  // stops serving
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Opens the pseudo-terminal and starts serving on a thread of its own,
    // as a unit just powered up. False (with a reason) for an unknown model,
    // a pty that cannot be made, or a simulator already running.
    bool start(std::string* error = nullptr);
    // Stops serving and closes the pseudo-terminal; returns once the serving
    // thread has ended. Faults and counters stay.
    void stop();

    // Path of the slave side the host opens, e.g. /dev/pts/4.
    const std::string& slave_path() const;
    // Sets ZAV_COM<n> in this process so the libraries find the pty as COM<n>.
    void export_port(int n) const;

    // Thread-safe; a fault takes effect from the next command on.
    void set_fault(CommandKey key, Fault fault);
    void clear_faults();

    // Valid frames received so far (for one key, or all of them).
    std::size_t frames_received(CommandKey key = kAnyCommand) const;
    // Data bytes of the last valid frame received.
    std::vector<std::uint8_t> last_command() const;
    // The whole last valid frame, unstuffed: start byte, address/sequence,
    // length, data, CRCL, CRCH.
    std::vector<std::uint8_t> last_frame() const;

    // Event bytes (with their value bytes) for the following POLL replies,
    // in order. Thread-safe.
    void queue_poll_events(const std::vector<std::uint8_t>& events);

    struct State;

  private:
    std::unique_ptr<State> state_;
};

// The models the simulator knows: RX3 RX5 RX8 TM3 TM4 TM5 TM6, TM5-TM3 (a
// TM5 whose firmware text ends in TM3's characters) and PQ1 (not a
// validator).
std::vector<std::string> profile_names();

}  // namespace zav::sim
