#pragma once
// A fuzz input as a command line: arguments separated by NUL bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace zav::fuzz {

inline std::vector<std::string> Arguments(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back().push_back(static_cast<char>(data[i]));
        }
    }
    return arguments;
}

}  // namespace zav::fuzz
