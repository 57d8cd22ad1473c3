// Writes the stand-in RAM-utility image of every model into a directory
// (the build's program directory).
#include <cstdio>
#include <fstream>
#include <string>

#include "zav/sim/stand_in_image.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    for (const std::string_view model : zav::sim::models()) {
        const std::string path = std::string(argv[1]) + "/" + zav::sim::image_file_name(model);
        const std::vector<std::uint8_t> image = zav::sim::stand_in_image(model);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
