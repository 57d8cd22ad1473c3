#pragma once
// The validator simulator: a pseudo-terminal whose far end answers as a
// validator of one model would. Used in-process by tests and benchmarks, and
// by the zavsim program.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "zav/sim/initialisation.h"
#include "zav/sim/raw_channel.h"

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
        Reply,          // reply with exactly the data bytes `junk` (generic code first)
        ZeroPadded,     // the reply's text field holds `text`, padded with zero bytes
    };
    Kind kind = Kind::None;
    int delay_ms = 0;
    std::uint8_t code = 0;
    std::vector<std::uint8_t> junk{};
    std::string text{};
    int times = -1;  // how many commands it applies to; -1 = all of them
    int after = 0;   // how many of its commands pass unharmed before it applies
};

// Selects the commands a fault applies to: a VLP command code, or for the
// expansion command 0x30 0x05 <request> the key expansion(request).
using CommandKey = int;
constexpr CommandKey kAnyCommand = -1;
constexpr CommandKey expansion(std::uint8_t request) {
    return 0x3000 | request;
}
// The echoes of the RAM loader (its checksum echo, the prompts '2', the
// block checks): NoReply leaves one out, GenericCode sends `code` instead,
// Delay holds it back by delay_ms.
constexpr CommandKey kLoaderEcho = 0x10000;
// The 128-byte blocks of an old-format image, each sent as one command.
constexpr CommandKey kDownloadBlock = 0x10001;

// What the simulated device runs, and so how it answers the host.
enum class Program {
    LinkProtocol,  // the validator's own firmware: VLP frames
    RamUtility,    // the downloaded RAM utility: one-byte commands, 0x80
    RamLoader,     // the loader the firmware starts for a download: raw bytes, echoes
    CcTalkPeer,    // a ccTalk peer on a shared line
};

struct Options {
    std::string model = "TM6";  // a profile name (see model_names())
    // Emulate the wire time of this baud rate (11 bits a byte); 0 = none.
    std::uint32_t wire_baud = 0;
    // What the device runs after start(): a unit just powered up speaks the
    // link protocol; RamUtility skips the download for tests of the channel.
    Program program = Program::LinkProtocol;
    // RAM utility: how long each test of a diagnostic takes before its
    // result packet goes out (parking takes a few of these).
    int test_step_ms = 500;
    // RAM utility: a green paper goes in this long after the paper-less
    // readings went out; negative: only when insert_green_paper() is called.
    int paper_delay_ms = 3000;
    // The unit's own initialisation and calibration.
    InitialisationOptions initialisation{};
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

    // What the device runs now. Thread-safe.
    Program running_program() const;

    // Path of the slave side the host opens, e.g. /dev/pts/4.
    const std::string& slave_path() const;
    // Sets ZAV_COM<n> in this process so the libraries find the pty as COM<n>.
    void export_port(int n) const;

    // Thread-safe; a fault takes effect from the next command on.
    void set_fault(CommandKey key, Fault fault);
    // A fault written as text (fault_text.h) switched on: false with the
    // reason in *why for text that does not read as a fault.
    bool add_fault_text(std::string_view text, std::string* why);
    void clear_faults();
    // Faults at random for `percent` of the link commands without a fault
    // of their own (silence, bad CRC, wrong sequence bit, refusal, junk,
    // delay), and as many RAM utility acknowledges and result packets lost
    // or corrupted; the same seed gives the same run. Thread-safe.
    void set_random_faults(int percent, std::uint32_t seed);

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

    // The RAM utility's raw channel. Faults hold for the rest of the run;
    // add_raw_fault is false for a sensor outside 0..255. Thread-safe.
    bool add_raw_fault(const RawFault& fault);
    void clear_raw_faults();
    // The engineer inserts a green paper: the paper readings go out as soon
    // as the diagnostic has sent its paper-less readings. Thread-safe.
    void insert_green_paper();
    // Command bytes the RAM utility took, one by one (packet bytes aside).
    std::size_t raw_commands_received(std::uint8_t command) const;
    // Sensor-gain packets it acknowledged or refused, and the last one whole.
    std::size_t gain_packets_accepted() const;
    std::size_t gain_packets_refused() const;
    std::vector<std::uint8_t> last_gain_packet() const;
    // Result packets it has sent.
    std::size_t result_packets_sent() const;

    struct State;

  private:
    std::unique_ptr<State> state_;
};

}  // namespace zav::sim
