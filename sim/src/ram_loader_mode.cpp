#include "ram_loader_mode.h"

#include <algorithm>

#include "zav/platform/clock.h"
#include "zav/sim/stand_in_image.h"

namespace zav::sim {
namespace {

constexpr std::uint8_t kPrompt = '2';
// Enough of a RAM program to hold the name of its model.
constexpr std::size_t kProgramStartKept = 64;
constexpr std::int64_t kBitsPerByte = 11;  // start, 8 data, 2 stop
// A RAM utility's loader always runs at this rate.
constexpr std::uint32_t kRamUtilityBaud = 38400;

std::int64_t byte_time_ns(std::uint32_t baud) {
    return baud ? kBitsPerByte * 1'000'000'000 / baud : 0;
}

std::uint32_t blocks_of(std::uint32_t length) {
    return static_cast<std::uint32_t>((std::uint64_t{length} + LoaderSession::kMainBlockSize - 1) /
                                      LoaderSession::kMainBlockSize);
}

}  // namespace

RamLoaderMode::RamLoaderMode(const Profile& profile, SimulatorControl& control,
                             LoaderSession& session, std::uint32_t wire_baud)
    : profile_(profile),
      control_(control),
      session_(session),
      byte_time_ns_(byte_time_ns(wire_baud == 0       ? 0
                                 : session.ram_only() ? kRamUtilityBaud
                                                      : session.loader_baud())) {}

void RamLoaderMode::receive(const std::uint8_t* bytes, std::size_t count, DeviceOutput& out) {
    now_ns_ = platform::monotonic_ms() * 1'000'000;
    line_free_ns_ = std::max(line_free_ns_, now_ns_);
    for (std::size_t i = 0; i < count; ++i) {
        line_free_ns_ += byte_time_ns_;
        if (!take(bytes[i], out)) return;
    }
}

bool RamLoaderMode::take(std::uint8_t byte, DeviceOutput& out) {
    switch (stage_) {
        case Stage::RamProgram:
            program_sum_ = static_cast<std::uint8_t>(program_sum_ + byte);
            if (program_start_.size() < kProgramStartKept) program_start_.push_back(byte);
            if (++program_count_ < session_.ram_length()) return true;
            return end_of_ram_program(out);
        case Stage::TypeLetter:
            // Anything else is noise on the line before the host's letter.
            if (byte != session_.type_letter()) return true;
            echo(kPrompt, out);
            stage_ = Stage::Header;
            return true;
        case Stage::Header:
            received_.push_back(byte);
            if (received_.size() < LoaderSession::kHeaderSize) return true;
            received_.clear();
            echo(kPrompt, out);
            stage_ = Stage::MainBlock;
            if (main_blocks_left_ > 0) return true;
            out.switch_to(Program::LinkProtocol);
            return false;
        case Stage::MainBlock: {
            if (firmware_.size() < LoaderSession::kFirmwareWidth)
                firmware_.push_back(static_cast<char>(byte));
            received_.push_back(byte);
            if (received_.size() <= LoaderSession::kMainBlockSize) return true;
            std::uint8_t check = 0;
            for (std::size_t i = 0; i < LoaderSession::kMainBlockSize; ++i) check ^= received_[i];
            received_.clear();
            const bool echoed = echo(check, out);
            if (--main_blocks_left_ > 0) return true;
            if (echoed && check == static_cast<std::uint8_t>(byte)) install_firmware();
            out.switch_to(Program::LinkProtocol);  // restarts into the new firmware
            return false;
        }
    }
    return false;
}

bool RamLoaderMode::end_of_ram_program(DeviceOutput& out) {
    const bool own_utility = sim::model_of_ram_program(program_start_) == utility_model();
    if (!session_.ram_only()) {
        echo(program_sum_, out);
        stage_ = Stage::TypeLetter;
        main_blocks_left_ = blocks_of(session_.main_length());
        return true;
    }
    if (!own_utility) {
        // Another model's program, or none of ours: the unit does not start
        // it, says so with a wrong echo and restarts into its firmware.
        echo(static_cast<std::uint8_t>(~session_.checksum()), out);
        out.switch_to(Program::LinkProtocol);
        return false;
    }
    echo(program_sum_, out);
    out.switch_to(program_sum_ == session_.checksum() ? Program::RamUtility
                                                      : Program::LinkProtocol);
    return false;
}

// The model whose RAM utility this unit runs: the one its firmware text
// ends with, which is the model the host takes it for.
std::string RamLoaderMode::utility_model() const {
    const std::string_view firmware = profile_.firmware;
    return std::string(
        firmware.substr(firmware.size() - std::min<std::size_t>(3, firmware.size())));
}

// A firmware text is printable throughout.
void RamLoaderMode::install_firmware() {
    const bool printable = firmware_.size() == LoaderSession::kFirmwareWidth &&
                           std::all_of(firmware_.begin(), firmware_.end(),
                                       [](char c) { return c >= 0x20 && c < 0x7F; });
    if (printable) session_.firmware = firmware_;
}

bool RamLoaderMode::echo(std::uint8_t byte, DeviceOutput& out) {
    const Fault fault = control_.take_fault(kLoaderEcho);
    if (fault.kind == Fault::Kind::NoReply) return false;
    const bool as_is = fault.kind != Fault::Kind::GenericCode || fault.code == byte;
    if (fault.kind == Fault::Kind::GenericCode) byte = fault.code;
    Transmission transmission;
    transmission.bytes = {byte};
    const std::int64_t wait_ns = line_free_ns_ - now_ns_;
    transmission.delay_ms = static_cast<int>((wait_ns + 999'999) / 1'000'000);
    if (fault.kind == Fault::Kind::Delay) transmission.delay_ms += fault.delay_ms;
    out.send(std::move(transmission));
    return as_is;
}

}  // namespace zav::sim
