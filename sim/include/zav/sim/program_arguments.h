#pragma once
// zavsim's command line: the simulated unit's options, its faults and the
// port number to print.
#include <string>

#include "zav/sim/fault_text.h"
#include "zav/sim/simulator.h"

namespace zav::sim {

struct ProgramArguments {
    Options options;
    long port_number = 100;
    FaultList faults;
    bool list_models = false;
    bool help = false;
    bool version = false;
};

// Reads argv[1] to argv[argc - 1]. False with the reason in *error for
// arguments that do not parse, an unknown option, or no --model (unless
// only the model list, the help or the version is asked for).
bool parse_program_arguments(int argc, const char* const* argv, ProgramArguments* args,
                             std::string* error);

}  // namespace zav::sim
