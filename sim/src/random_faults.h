#pragma once
// Faults that strike a chosen share of commands at random, as a noisy line
// or a flaky unit would: a repeatable sequence for a given seed.
#include <cstdint>
#include <mutex>
#include <random>

#include "zav/sim/simulator.h"

namespace zav::sim {

class RandomFaults {
  public:
    // percent from 0 (off) to 100.
    void set(int percent, std::uint32_t seed);
    // True for about `percent` of the calls.
    bool strikes();
    // A link fault of a random kind: silence, a bad CRC, the wrong sequence
    // bit, a refusal (0xF2), junk first or a short delay.
    Fault link_fault();

  private:
    std::mutex mutex_;  // guards both below
    int percent_ = 0;
    std::mt19937 generator_;
};

}  // namespace zav::sim
