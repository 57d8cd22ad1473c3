// Writes the stand-in RAM-utility image and a stand-in program image of
// every model into a directory (the build's program directory).
#include <cstdio>
#include <fstream>
#include <string>

#include "zav/sim/stand_in_image.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    const auto write = [&](const std::string& name, const std::vector<std::uint8_t>& image) {
        const std::string path = std::string(argv[1]) + "/" + name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
        if (!out) std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return static_cast<bool>(out);
    };
    // Main code of eight 4096-byte blocks.
    constexpr std::uint32_t kProgramMainLength = 8 * 4096;
    for (const std::string_view model : zav::sim::models()) {
        if (!write(zav::sim::image_file_name(model), zav::sim::stand_in_image(model)) ||
            !write(zav::sim::program_file_name(model),
                   zav::sim::stand_in_program_image(zav::sim::program_firmware(model),
                                                    kProgramMainLength)))
            return 1;
    }
    return 0;
}
