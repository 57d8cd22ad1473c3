#pragma once
// Helpers for driving the simulator through the real link library.
#include <cstdint>
#include <string>
#include <vector>

#include "ZavtekVLP.h"

namespace zav::sim::test {

struct LinkReply {
    std::uint16_t status = 0;
    std::vector<std::uint8_t> data;  // filled for status 1 only
};

// One Command transaction to address 0.
LinkReply link_command(const std::vector<std::uint8_t>& data);

// Reply time-out in seconds and retry count of the library.
void set_retries(std::uint8_t seconds, std::uint8_t retries);

// Text of count bytes from data, as the host reads a fixed-width field.
std::string field_text(const std::vector<std::uint8_t>& data, std::size_t first, std::size_t count);

}  // namespace zav::sim::test
