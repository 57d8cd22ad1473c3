// zavsim: a simulated validator on a pseudo-terminal, for demos, training
// and tests. Prints the port to use and serves until interrupted.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "zav/app/version.h"
#include "zav/platform/termination.h"
#include "zav/sim/fault_syntax.h"
#include "zav/sim/profile.h"
#include "zav/sim/raw_fault_syntax.h"
#include "zav/sim/simulator.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitFailure = 1;
constexpr double kMaxPaperDelaySeconds = 600;

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

template <typename Number>
bool parse_number(std::string_view text, Number min, Number max, Number* value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size() &&
           *value >= min && *value <= max;
}

struct Arguments {
    zav::sim::Options options;
    long port_number = 100;
    std::vector<std::pair<zav::sim::CommandKey, zav::sim::Fault>> faults;
    std::vector<zav::sim::RawFault> raw_faults;
    bool list_models = false;
    bool help = false;
    bool version = false;
};

bool takes_value(std::string_view option) {
    constexpr std::string_view kValueOptions[] = {
        "--model",      "--port-number",       "--wire-baud", "--paper-delay",
        "--capability", "--calibration-fails", "--fault"};
    for (std::string_view known : kValueOptions) {
        if (option == known) return true;
    }
    return false;
}

// False (with a message on standard error) for arguments that do not parse.
bool parse_arguments(int argc, char** argv, Arguments* args) {
    bool have_model = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--list-models") {
            args->list_models = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            args->help = true;
            continue;
        }
        if (arg == "--version") {
            args->version = true;
            continue;
        }
        if (arg == "--ram-utility" || arg == "--cctalk") {
            args->options.program =
                arg == "--cctalk" ? zav::sim::Program::CcTalkPeer : zav::sim::Program::RamUtility;
            continue;
        }
        if (!takes_value(arg)) {
            std::fprintf(stderr, "zavsim: unknown option %s\n", argv[i]);
            return false;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "zavsim: %s needs a value\n", argv[i]);
            return false;
        }
        const std::string_view value = argv[++i];
        long number = 0;
        if (arg == "--model") {
            args->options.model = std::string(value);
            have_model = true;
        } else if (arg == "--port-number") {
            if (!parse_number(value, 1L, 256L, &args->port_number)) {
                std::fprintf(stderr, "zavsim: the port number must be 1 to 256\n");
                return false;
            }
        } else if (arg == "--wire-baud") {
            if (!parse_number(value, 1L, 4'000'000L, &number)) {
                std::fprintf(stderr, "zavsim: the wire baud rate must be 1 to 4000000\n");
                return false;
            }
            args->options.wire_baud = static_cast<std::uint32_t>(number);
        } else if (arg == "--paper-delay") {
            double seconds = 0;
            if (!parse_number(value, 0.0, kMaxPaperDelaySeconds, &seconds)) {
                std::fprintf(stderr, "zavsim: the paper delay must be 0 to 600 seconds\n");
                return false;
            }
            args->options.paper_delay_ms = static_cast<int>(seconds * 1000);
        } else if (arg == "--capability") {
            unsigned byte = 0;
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), byte, 16);
            if (value.empty() || ec != std::errc() || end != value.data() + value.size() ||
                byte > 0xFF) {
                std::fprintf(stderr, "zavsim: the capability must be a hexadecimal byte\n");
                return false;
            }
            args->options.initialisation.capability = static_cast<std::uint8_t>(byte);
        } else if (arg == "--calibration-fails") {
            if (!parse_number(value, 0L, 255L, &number)) {
                std::fprintf(stderr, "zavsim: the failing sensor must be 0 to 255\n");
                return false;
            }
            args->options.initialisation.failing_sensors.push_back(static_cast<int>(number));
        } else if (arg == "--fault" && zav::sim::names_raw_fault(value)) {
            zav::sim::RawFault fault;
            std::string error;
            if (!zav::sim::parse_raw_fault(value, &fault, &error)) {
                std::fprintf(stderr, "zavsim: %s\n", error.c_str());
                return false;
            }
            args->raw_faults.push_back(fault);
        } else if (arg == "--fault") {
            zav::sim::CommandKey key;
            zav::sim::Fault fault;
            std::string error;
            if (!zav::sim::parse_fault(value, &key, &fault, &error)) {
                std::fprintf(stderr, "zavsim: %s\n", error.c_str());
                return false;
            }
            args->faults.emplace_back(key, std::move(fault));
        }
    }
    if (!have_model && !args->list_models && !args->help && !args->version) {
        std::fprintf(stderr, "zavsim: --model is required\n");
        return false;
    }
    return true;
}

void list_models() {
    for (const zav::sim::Profile* p : zav::sim::all_profiles())
        std::printf("%-8s firmware \"%s\", %zu sensors, %zu motors\n", p->name, p->firmware,
                    p->sensors.size(), p->motors.size());
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!parse_arguments(argc, argv, &args)) {
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
    for (auto& [key, fault] : args.faults) simulator.set_fault(key, std::move(fault));
    for (const zav::sim::RawFault& fault : args.raw_faults) simulator.add_raw_fault(fault);
    std::string error;
    if (!simulator.start(&error)) {
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
