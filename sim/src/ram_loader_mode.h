#pragma once
// The validator's RAM loader, which runs once the firmware has accepted a
// download header. It takes the RAM program raw and echoes its checksum
// byte. A RAM-only image ('b') must be the RAM utility of this unit's
// model, which then runs; for any other image the loader goes on to take
// the main code: the type letter and the header again (each answered by
// the prompt '2'), then 4096-byte blocks, each followed by its XOR byte,
// which it echoes. Then the unit restarts into its firmware; when the main
// code opens with a printable firmware text, that is what it reports from
// then on.
//
// On an emulated line the loader keeps the time at which each received
// byte would have arrived at its own baud rate (the header's loader rate,
// 38400 for a RAM utility), so its echoes leave when they would on a real
// line, however fast the host wrote.
#include <cstdint>
#include <string>
#include <vector>

#include "device_mode.h"
#include "loader_session.h"
#include "simulator_control.h"
#include "zav/sim/profile.h"

namespace zav::sim {

class RamLoaderMode : public DeviceMode {
  public:
    // wire_baud 0: no emulated line; otherwise the loader runs at its own
    // rate.
    RamLoaderMode(const Profile& profile, SimulatorControl& control, LoaderSession& session,
                  std::uint32_t wire_baud);

    void receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) override;

  private:
    enum class Stage { RamProgram, TypeLetter, Header, MainBlock };

    // Takes one byte; false once the unit leaves the loader.
    bool take(std::uint8_t byte, DeviceOutput& out);
    bool end_of_ram_program(DeviceOutput& out);
    std::string utility_model() const;
    // Sends byte when the bytes taken so far would have crossed the line,
    // as the loader echo fault (if any) allows; true when it went out as it
    // is.
    bool echo(std::uint8_t byte, DeviceOutput& out);
    void install_firmware();

    const Profile& profile_;
    SimulatorControl& control_;
    LoaderSession& session_;
    const std::int64_t byte_time_ns_;

    Stage stage_ = Stage::RamProgram;
    // The RAM program as it arrives: its byte count, its checksum and its
    // opening bytes, which name the model of a RAM utility.
    std::uint32_t program_count_ = 0;
    std::uint8_t program_sum_ = 0;
    std::vector<std::uint8_t> program_start_;
    std::vector<std::uint8_t> received_;  // the header or main block so far
    std::uint32_t main_blocks_left_ = 0;
    std::string firmware_;  // the opening bytes of the main code
    std::int64_t now_ns_ = 0;        // when the bytes being taken arrived
    std::int64_t line_free_ns_ = 0;  // when the last byte taken was through
};

}  // namespace zav::sim
