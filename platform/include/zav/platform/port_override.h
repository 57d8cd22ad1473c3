#pragma once
// Pointing a port number at a device of the caller's choosing.
#include <string>

namespace zav::platform {

// Makes COM<n> resolve to path in this process and in programs it starts
// afterwards (sets the environment variable ZAV_COM<n>). False when the
// environment cannot take it.
bool set_port_override(int port_number, const std::string& path);

}  // namespace zav::platform
