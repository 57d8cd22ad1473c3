#pragma once
// What kind of device a port's path leads to.
#include <string>

namespace zav::platform {

// True when path (after following links) is the slave side of a
// pseudo-terminal, as the simulator serves; false for serial devices, other
// files and paths that do not exist.
bool is_pseudo_terminal(const std::string& path);

}  // namespace zav::platform
