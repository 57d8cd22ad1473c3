#pragma once
// The meeting point of the simulator's owner and the RAM utility on the
// serving thread: the faults of the run, the green paper, and what the
// utility saw and sent. Every member function may be called from either
// thread.
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "random_faults.h"
#include "zav/sim/raw_channel.h"

namespace zav::sim {

// The raw-channel faults in force, as the RAM utility consults them.
struct RawFaultSet {
    std::bitset<256> no_ack;      // by command byte
    std::bitset<5> bad_check;     // by ResultPacket
    std::bitset<5> wrong_code;    // by ResultPacket
    std::bitset<256> path_fails;  // by sensor
    std::bitset<256> paper_fails;
    std::bitset<4> mechanisms;  // by Mechanism
    bool no_green_paper = false;

    bool sensor_fails(std::size_t sensor, SensorTest test) const;
    bool mechanism_fails(Mechanism mechanism) const;
};

class RawChannelControl {
  public:
    // Adds a fault for the rest of the run. False for a sensor outside
    // 0..255, which no packet can carry.
    bool add_fault(const RawFault& fault);
    void clear_faults();
    RawFaultSet faults() const;

    // The green paper: inserted by the owner, taken by the green-paper step,
    // withdrawn when a diagnostic stops.
    void insert_green_paper();
    bool take_green_paper();
    void withdraw_green_paper();

    void count_command(std::uint8_t command);
    std::size_t commands_received(std::uint8_t command) const;
    void record_gain_packet(const std::vector<std::uint8_t>& packet, bool accepted);
    std::size_t gain_packets(bool accepted) const;
    std::vector<std::uint8_t> last_gain_packet() const;
    void count_result_packet();
    std::size_t result_packets_sent() const;

    // Acknowledges and result packets lost at random (`percent` of them).
    void set_random_losses(int percent, std::uint32_t seed) { random_.set(percent, seed); }
    bool random_loss() { return random_.strikes(); }

  private:
    RandomFaults random_;
    mutable std::mutex mutex_;  // guards every member below
    RawFaultSet faults_;
    bool green_paper_ = false;
    std::array<std::size_t, 256> commands_{};
    std::size_t gains_accepted_ = 0;
    std::size_t gains_refused_ = 0;
    std::vector<std::uint8_t> last_gain_packet_;
    std::size_t result_packets_ = 0;
};

}  // namespace zav::sim
