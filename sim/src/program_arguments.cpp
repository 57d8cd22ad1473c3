#include "zav/sim/program_arguments.h"

#include <charconv>
#include <string_view>

namespace zav::sim {
namespace {

constexpr double kMaxPaperDelaySeconds = 600;

template <typename Number>
bool parse_number(std::string_view text, Number min, Number max, Number* value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size() &&
           *value >= min && *value <= max;
}

bool takes_value(std::string_view option) {
    constexpr std::string_view kValueOptions[] = {
        "--model",      "--port-number",       "--wire-baud", "--paper-delay",
        "--capability", "--calibration-fails", "--fault"};
    for (std::string_view known : kValueOptions) {
        if (option == known) return true;
    }
    return false;
}

}  // namespace

bool parse_program_arguments(int argc, const char* const* argv, ProgramArguments* args,
                             std::string* error) {
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
            args->options.program = arg == "--cctalk" ? Program::CcTalkPeer : Program::RamUtility;
            continue;
        }
        if (!takes_value(arg)) {
            *error = "unknown option " + std::string(arg);
            return false;
        }
        if (i + 1 >= argc) {
            *error = std::string(arg) + " needs a value";
            return false;
        }
        const std::string_view value = argv[++i];
        long number = 0;
        if (arg == "--model") {
            args->options.model = std::string(value);
            have_model = true;
        } else if (arg == "--port-number") {
            if (!parse_number(value, 1L, 256L, &args->port_number)) {
                *error = "the port number must be 1 to 256";
                return false;
            }
        } else if (arg == "--wire-baud") {
            if (!parse_number(value, 1L, 4'000'000L, &number)) {
                *error = "the wire baud rate must be 1 to 4000000";
                return false;
            }
            args->options.wire_baud = static_cast<std::uint32_t>(number);
        } else if (arg == "--paper-delay") {
            double seconds = 0;
            if (!parse_number(value, 0.0, kMaxPaperDelaySeconds, &seconds)) {
                *error = "the paper delay must be 0 to 600 seconds";
                return false;
            }
            args->options.paper_delay_ms = static_cast<int>(seconds * 1000);
        } else if (arg == "--capability") {
            unsigned byte = 0;
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), byte, 16);
            if (value.empty() || ec != std::errc() || end != value.data() + value.size() ||
                byte > 0xFF) {
                *error = "the capability must be a hexadecimal byte";
                return false;
            }
            args->options.initialisation.capability = static_cast<std::uint8_t>(byte);
        } else if (arg == "--calibration-fails") {
            if (!parse_number(value, 0L, 255L, &number)) {
                *error = "the failing sensor must be 0 to 255";
                return false;
            }
            args->options.initialisation.failing_sensors.push_back(static_cast<int>(number));
        } else if (arg == "--fault") {
            if (!args->faults.add(value, error)) return false;
        }
    }
    if (!have_model && !args->list_models && !args->help && !args->version) {
        *error = "--model is required";
        return false;
    }
    return true;
}

}  // namespace zav::sim
