#pragma once
// Stand-in RAM-utility images, one per model. The real RAM utilities run
// inside the validator and come from its maker; these carry a RAM program
// that only names its model, in the same image format (mark "ZAV", type
// letter 'b', RAM program length, checksum byte at offset 16), so the tool
// can load them into the simulator. The simulator recognises them by the
// model they name.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zav::sim {

// The models with a RAM utility, in the order of the tool's file table.
std::span<const std::string_view> models();

// "<model>_ram_ut.rx1", the name the tool looks for in its directory.
std::string image_file_name(std::string_view model);

// The length of the RAM program in the images the build ships.
constexpr std::uint32_t kStandInProgramLength = 3000;

// The image for a model: 128-byte header, then a RAM program of
// program_length bytes (at least 64) that names the model.
std::vector<std::uint8_t> stand_in_image(std::string_view model,
                                         std::uint32_t program_length = kStandInProgramLength);

// A stand-in program image for the simulator's download (type letter 'a'):
// a RAM loader of program_length bytes that carries the stand-in marker,
// then main_length bytes of main code that open with `firmware` (16
// characters: what the simulated unit reports once it has taken the image).
std::vector<std::uint8_t> stand_in_program_image(std::string_view firmware,
                                                 std::uint32_t main_length,
                                                 std::uint32_t program_length = 512);
// "<model>_program.zav", its file in the simulator's folder; the firmware
// text the build's image of that model carries.
std::string program_file_name(std::string_view model);
std::string program_firmware(std::string_view model);

// The checksum byte of a RAM program: the sum of its bytes, modulo 256.
std::uint8_t ram_checksum(std::span<const std::uint8_t> program);

// The model a stand-in RAM program names, or empty for any other program.
std::string model_of_ram_program(std::span<const std::uint8_t> program);

// The marker the tool checks before a download: a stand-in image's RAM
// program begins with a signature no maker's file carries. The marker lies
// within an image's first kStandInMarkerEnd bytes; true when `image_start`
// (an image, or at least that many of its first bytes) carries it.
extern const std::size_t kStandInMarkerEnd;
bool is_stand_in_image(std::span<const std::uint8_t> image_start);

}  // namespace zav::sim
