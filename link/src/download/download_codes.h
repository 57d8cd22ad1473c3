#pragma once
// The reply codes the program download looks for; its results and stages
// are named in ZavtekVLP.h.
#include <cstdint>

#include "ZavtekVLP.h"

namespace zav::link::download {

// The reply code that accepts a command, and the one that refuses a header
// or block with its own result.
constexpr std::uint8_t kReplyOk = 0xF0;
constexpr std::uint8_t kReplyRefused = 0xF9;

}  // namespace zav::link::download
