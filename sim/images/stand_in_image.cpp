#include "zav/sim/stand_in_image.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace zav::sim {
namespace {

constexpr std::string_view kModels[] = {"RX3", "RX5", "RX8", "TM6", "TM4", "TM5", "TM3"};
constexpr std::string_view kSignature = "ZAV RAM UTILITY STAND-IN MODEL=";
constexpr std::size_t kModelLength = 3;
constexpr std::size_t kHeaderSize = 128;
// The name text fits in the shortest program.
constexpr std::uint32_t kShortestProgram = 64;
constexpr std::uint8_t kRamOnlyType = 'b';
constexpr std::uint8_t kProgramType = 'a';
constexpr std::size_t kFirmwareWidth = 16;

void put_be32(std::uint32_t value, std::uint8_t* out) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

}  // namespace

const std::size_t kStandInMarkerEnd = kHeaderSize + kSignature.size();

std::span<const std::string_view> models() {
    return kModels;
}

std::string image_file_name(std::string_view model) {
    return std::string(model) + "_ram_ut.rx1";
}

std::uint8_t ram_checksum(std::span<const std::uint8_t> program) {
    return static_cast<std::uint8_t>(std::accumulate(program.begin(), program.end(), 0u));
}

namespace {

// Header and a RAM program that names `model`, with room for main_length
// more bytes.
std::vector<std::uint8_t> image_with_program(std::string_view model, std::uint8_t type,
                                             std::uint32_t program_length,
                                             std::uint32_t main_length) {
    program_length = std::max(program_length, kShortestProgram);
    std::vector<std::uint8_t> image(kHeaderSize + program_length + main_length, 0);
    std::uint8_t* header = image.data();
    std::copy_n("ZAV", 3, header);
    header[6] = type;
    put_be32(program_length, header + 7);
    put_be32(main_length, header + 17);

    std::uint8_t* program = header + kHeaderSize;
    const std::string text =
        std::string(kSignature) + std::string(model.substr(0, kModelLength)) + "\n";
    std::copy(text.begin(), text.end(), program);
    // A fixed filler that holds every byte value, 0x7F among them.
    for (std::size_t i = text.size(); i < program_length; ++i)
        program[i] = static_cast<std::uint8_t>(i * 31 + 7);
    header[16] = ram_checksum({program, program_length});
    return image;
}

}  // namespace

std::vector<std::uint8_t> stand_in_image(std::string_view model, std::uint32_t program_length) {
    // The main length repeats the RAM length, so the start call's block
    // count (main length / 128) matches the progress the transfer reports.
    std::vector<std::uint8_t> image = image_with_program(model, kRamOnlyType, program_length, 0);
    std::copy_n(image.begin() + 7, 4, image.begin() + 17);
    return image;
}

std::vector<std::uint8_t> stand_in_program_image(std::string_view firmware,
                                                 std::uint32_t main_length,
                                                 std::uint32_t program_length) {
    const std::string_view model =
        firmware.size() >= kModelLength ? firmware.substr(firmware.size() - kModelLength) : "";
    std::vector<std::uint8_t> image =
        image_with_program(model, kProgramType, program_length, main_length);
    std::uint8_t* main = image.data() + image.size() - main_length;
    for (std::uint32_t i = 0; i < main_length; ++i) main[i] = static_cast<std::uint8_t>(i * 13 + 5);
    std::copy_n(firmware.begin(),
                std::min<std::size_t>({firmware.size(), kFirmwareWidth, main_length}), main);
    return image;
}

std::string program_file_name(std::string_view model) {
    return std::string(model) + "_program.zav";
}

// "TM6" gives "TM0006 V0900 TM6": the simulated unit's model code and a
// version none of the simulator's units starts with.
std::string program_firmware(std::string_view model) {
    const std::string name(model.substr(0, kModelLength));
    return name.substr(0, 2) + "000" + name.substr(2) + " V0900 " + name;
}

std::string model_of_ram_program(std::span<const std::uint8_t> program) {
    if (program.size() < kSignature.size() + kModelLength ||
        !std::equal(kSignature.begin(), kSignature.end(), program.begin()))
        return {};
    const auto name = program.subspan(kSignature.size(), kModelLength);
    const std::string model(name.begin(), name.end());
    return std::find(std::begin(kModels), std::end(kModels), model) != std::end(kModels) ? model
                                                                                         : "";
}

bool is_stand_in_image(std::span<const std::uint8_t> image_start) {
    if (image_start.size() < kStandInMarkerEnd) return false;
    const auto signature = image_start.subspan(kHeaderSize, kSignature.size());
    return std::equal(kSignature.begin(), kSignature.end(), signature.begin());
}

}  // namespace zav::sim
