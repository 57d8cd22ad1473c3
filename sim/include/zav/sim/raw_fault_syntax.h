#pragma once
// Faults of the RAM utility's raw channel written as text, for the zavsim
// command line: KIND[=VALUE].
#include <string>
#include <string_view>

#include "zav/sim/raw_channel.h"

namespace zav::sim {

// True when the text names a raw-channel fault kind (its syntax may still be
// wrong), so a caller knows which parser the text belongs to.
bool names_raw_fault(std::string_view text);

// Reads one raw-channel fault. Returns false with a reason in *error for text
// that does not follow the syntax; *fault is then untouched.
bool parse_raw_fault(std::string_view text, RawFault* fault, std::string* error);

// The syntax explained, for --help.
const char* raw_fault_syntax_help();

}  // namespace zav::sim
