#pragma once
// Faults written as text, for the zavsim command line:
//   KIND[=VALUE][:COMMAND[:TIMES]]
#include <string>
#include <string_view>

#include "zav/sim/simulator.h"

namespace zav::sim {

// Reads one fault. Returns false with a reason in *error for text that does
// not follow the syntax; *key and *fault are then untouched.
bool parse_fault(std::string_view text, CommandKey* key, Fault* fault, std::string* error);

// The syntax explained, for --help.
const char* fault_syntax_help();

}  // namespace zav::sim
