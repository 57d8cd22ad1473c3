// zavsim: a simulated validator on a pseudo-terminal, for demos, training
// and tests. Prints the port to use and serves until interrupted.
#include <cstdio>
#include <string>

#include "zav/platform/termination.h"
#include "zav/sim/fault_syntax.h"
#include "zav/sim/profile.h"
#include "zav/sim/program_arguments.h"
#include "zav/sim/raw_fault_syntax.h"
#include "zav/sim/simulator.h"
#include "zav/version.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;

void print_usage(std::FILE* to) {
    std::fprintf(to,
                 "Usage: zavsim --model MODEL [--port-number N] [--wire-baud B] [--fault F]...\n"
                 "              [--ram-utility | --cctalk] [--paper-delay S]\n"
                 "              [--capability HH] [--calibration-fails K]...\n"
                 "       zavsim --list-models | --version\n"
                 "Serves as a validator of MODEL on a new pseudo-terminal until Ctrl-C,\n"
                 "and prints the port as \"COM<N> <path>\" and as the export line that\n"
                 "points COM<N> at it (N from 1 to 256, default 100).\n"
                 "  --wire-baud B    take as long as a line at B baud would (11 bits a byte)\n"
                 "  --fault F        answer some commands wrongly; may be repeated\n"
                 "  --ram-utility    start with the RAM utility running, as after a download\n"
                 "  --cctalk         be a ccTalk peer on a shared line instead (its faults are\n"
                 "                   noreply, badcrc, delay, junk and code=HH for a reply\n"
                 "                   header, with the request header as COMMAND)\n"
                 "  --paper-delay S  the green paper goes in S seconds (0 to 600, default 3)\n"
                 "                   after the paper-less readings\n"
                 "  --capability HH  report this capability byte (hexadecimal; bit 3 = the\n"
                 "                   initialisation data function)\n"
                 "  --calibration-fails K  sensor K (from 0) ends its calibration FAILED\n\n"
                 "%s\n%s",
                 zav::sim::fault_syntax_help(), zav::sim::raw_fault_syntax_help());
}

void list_models() {
    for (const zav::sim::Profile* p : zav::sim::all_profiles())
        std::printf("%-8s firmware \"%s\", %zu sensors, %zu motors\n", p->name, p->firmware,
                    p->sensors.size(), p->motors.size());
}

}  // namespace

int main(int argc, char** argv) {
    zav::sim::ProgramArguments args;
    std::string error;
    if (!zav::sim::parse_program_arguments(argc, argv, &args, &error)) {
        std::fprintf(stderr, "zavsim: %s\n", error.c_str());
        print_usage(stderr);
        return kExitUsage;
    }
    if (args.help) {
        print_usage(stdout);
        return 0;
    }
    if (args.version) {
        std::printf("zavsim %s\n", zav::version::kVersion);
        return 0;
    }
    if (args.list_models) {
        list_models();
        return 0;
    }

    // Before the serving thread starts, so that it inherits the mask and the
    // signals reach the wait below.
    zav::platform::block_termination_signals();
    zav::sim::Simulator simulator(args.options);
    if (!args.faults.apply_to(simulator, &error) || !simulator.start(&error)) {
        std::fprintf(stderr, "zavsim: %s\n", error.c_str());
        return kExitFailure;
    }
    std::printf("COM%ld %s\nexport ZAV_COM%ld=%s\n", args.port_number,
                simulator.slave_path().c_str(), args.port_number, simulator.slave_path().c_str());
    std::fflush(stdout);
    zav::platform::wait_for_termination_signal();
    simulator.stop();
    return 0;
}
