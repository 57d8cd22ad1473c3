// A command line into zavsim's argument and fault syntax (both fault kinds),
// and each argument alone into the fault reader as zavdiag's --fault hands
// them over.
#include <cstdint>
#include <string>
#include <vector>

#include "arguments.h"
#include "zav/sim/fault_text.h"
#include "zav/sim/program_arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> arguments = zav::fuzz::Arguments(data, size);
    std::vector<const char*> argv{"zavsim"};
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    zav::sim::ProgramArguments parsed;
    std::string error;
    // A refusal always says why.
    if (!zav::sim::parse_program_arguments(static_cast<int>(argv.size()), argv.data(), &parsed,
                                           &error) &&
        error.empty()) {
        __builtin_trap();
    }

    zav::sim::FaultList faults;
    for (const std::string& argument : arguments) {
        std::string why;
        if (!faults.add(argument, &why) && why.empty()) __builtin_trap();
    }
    return 0;
}
