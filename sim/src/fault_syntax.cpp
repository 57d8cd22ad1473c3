#include "zav/sim/fault_syntax.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "command_codes.h"

namespace zav::sim {
namespace {

constexpr int kMaxDelayMs = 600000;
constexpr std::size_t kMaxJunkBytes = 64;
constexpr std::size_t kMaxTextLength = 20;

struct CommandName {
    std::string_view name;
    CommandKey key;
};

constexpr CommandName kCommandNames[] = {
    {"any", kAnyCommand},
    {"sync", kSync},
    {"poll", kPoll},
    {"serial", kGetSerialNumber},
    {"sensor-config", expansion(kGetSensorConfig)},
    {"sensor-info", expansion(kGetSensorInfo)},
    {"motor-config", expansion(kGetMotorConfig)},
    {"motor-info", expansion(kGetMotorInfo)},
    {"firmware", expansion(kGetFullFirmware)},
    {"dataset", expansion(kGetDatasetCode)},
    // A download: the program command, the header command (its first data
    // byte is the image mark's 'Z'), the RAM loader's echoes, the old
    // format's blocks, its end-of-download command and RESET.
    {"program", 0x0B},
    {"header", 'Z'},
    {"loader-echo", kLoaderEcho},
    {"block", kDownloadBlock},
    {"end", 0x16},
    {"reset", 0x01},
    {"memory", expansion(0x15)},
    {"flash-type", expansion(0x3E)},
};

// "0x3F" or "3F": one byte in hexadecimal.
std::optional<std::uint8_t> parse_hex_byte(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) text.remove_prefix(2);
    unsigned value = 0;
    if (text.empty() || text.size() > 2) return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::optional<int> parse_decimal(std::string_view text, int min, int max) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < min ||
        value > max)
        return std::nullopt;
    return value;
}

std::optional<CommandKey> parse_command(std::string_view text) {
    for (const CommandName& c : kCommandNames) {
        if (text == c.name) return c.key;
    }
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        const auto code = parse_hex_byte(text);
        return code ? std::optional<CommandKey>(*code) : std::nullopt;
    }
    const auto code = parse_hex_byte(text.substr(0, slash));
    const auto request = parse_hex_byte(text.substr(slash + 1));
    if (!code || *code != kExpansion || !request) return std::nullopt;
    return expansion(*request);
}

std::optional<std::vector<std::uint8_t>> parse_junk(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const auto byte = parse_hex_byte(text.substr(0, comma));
        if (!byte || bytes.size() == kMaxJunkBytes) return std::nullopt;
        bytes.push_back(*byte);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
        if (text.empty()) return std::nullopt;
    }
    return bytes;
}

// KIND[=VALUE]
bool parse_kind(std::string_view text, Fault* fault, std::string* error) {
    const std::size_t equals = text.find('=');
    const std::string_view kind = text.substr(0, equals);
    const bool has_value = equals != std::string_view::npos;
    const std::string_view value = has_value ? text.substr(equals + 1) : std::string_view();
    const auto refuse = [&](const char* why) {
        *error = std::string(why) + " in '" + std::string(text) + "'";
        return false;
    };
    if (kind == "noreply" || kind == "badcrc" || kind == "wrongseq") {
        if (has_value) return refuse("this fault takes no value");
        fault->kind = kind == "noreply"  ? Fault::Kind::NoReply
                      : kind == "badcrc" ? Fault::Kind::BadCrc
                                         : Fault::Kind::WrongSequence;
        return true;
    }
    if (kind == "delay") {
        const auto ms = parse_decimal(value, 0, kMaxDelayMs);
        if (!ms) return refuse("delay needs milliseconds from 0 to 600000");
        fault->kind = Fault::Kind::Delay;
        fault->delay_ms = *ms;
        return true;
    }
    if (kind == "code") {
        const auto code = parse_hex_byte(value);
        if (!code) return refuse("code needs one hexadecimal byte");
        fault->kind = Fault::Kind::GenericCode;
        fault->code = *code;
        return true;
    }
    if (kind == "zeropad") {
        if (!has_value || value.size() > kMaxTextLength) {
            return refuse("zeropad needs a text of up to 20 characters");
        }
        fault->kind = Fault::Kind::ZeroPadded;
        fault->text = std::string(value);
        return true;
    }
    if (kind == "junk") {
        const auto junk = parse_junk(value);
        if (!junk) return refuse("junk needs up to 64 hexadecimal bytes separated by commas");
        fault->kind = Fault::Kind::JunkBefore;
        fault->junk = *junk;
        return true;
    }
    if (kind == "reply") {
        const auto bytes = parse_junk(value);
        if (!bytes || bytes->empty()) {
            return refuse("reply needs 1 to 64 hexadecimal bytes separated by commas");
        }
        fault->kind = Fault::Kind::Reply;
        fault->junk = *bytes;
        return true;
    }
    return refuse("unknown fault kind");
}

}  // namespace

bool parse_fault(std::string_view text, CommandKey* key, Fault* fault, std::string* error) {
    const std::size_t first_colon = text.find(':');
    Fault parsed;
    if (!parse_kind(text.substr(0, first_colon), &parsed, error)) return false;
    CommandKey parsed_key = kAnyCommand;
    if (first_colon != std::string_view::npos) {
        std::string_view rest = text.substr(first_colon + 1);
        const std::size_t second_colon = rest.find(':');
        const auto command = parse_command(rest.substr(0, second_colon));
        if (!command) {
            *error = "unknown command '" + std::string(rest.substr(0, second_colon)) + "'";
            return false;
        }
        parsed_key = *command;
        if (second_colon != std::string_view::npos) {
            rest.remove_prefix(second_colon + 1);
            const std::size_t third_colon = rest.find(':');
            const std::string_view times_text = rest.substr(0, third_colon);
            const auto times = parse_decimal(times_text, 1, 1'000'000);
            if (times_text != "all" && !times) {
                *error = "times must be all or a number from 1 to 1000000 in '" +
                         std::string(text) + "'";
                return false;
            }
            if (times) parsed.times = *times;
            if (third_colon != std::string_view::npos) {
                const auto after = parse_decimal(rest.substr(third_colon + 1), 0, 1'000'000);
                if (!after) {
                    *error =
                        "after must be a number from 0 to 1000000 in '" + std::string(text) + "'";
                    return false;
                }
                parsed.after = *after;
            }
        }
    }
    *key = parsed_key;
    *fault = std::move(parsed);
    return true;
}

const char* fault_syntax_help() {
    return "A fault is KIND[=VALUE][:COMMAND[:TIMES[:AFTER]]]\n"
           "  KIND     noreply        stay silent\n"
           "           badcrc         reply with a corrupted CRC\n"
           "           wrongseq       reply with the other sequence bit\n"
           "           delay=MS       reply after MS milliseconds (0 to 600000)\n"
           "           code=HH        reply with only the generic code HH (e.g. F2)\n"
           "           junk[=HH,...]  send these bytes (or a few of our own) first\n"
           "           reply=HH,...   reply with exactly these data bytes (code first)\n"
           "           zeropad=TEXT   the reply's text (firmware, dataset, sensor or\n"
           "                          motor name) is TEXT padded with zero bytes\n"
           "  COMMAND  any (the default), sync, poll, serial, sensor-config,\n"
           "           sensor-info, motor-config, motor-info, firmware, dataset,\n"
           "           program, header, loader-echo (a download's RAM loader:\n"
           "           noreply, code=HH echoes HH instead, delay=MS), block (an\n"
           "           old-format block), end, reset, memory, flash-type,\n"
           "           a command code such as 0x0C, or an expansion request 0x30/0x61\n"
           "  TIMES    apply to that many commands, then stop (all, the default, or 1 to\n"
           "           1000000)\n"
           "  AFTER    let that many of the commands pass first (default 0)\n"
           "Examples: --fault noreply:sync  --fault code=F2:0x30/0x61:1\n"
           "          --fault code=F2:sync:1:4  --fault zeropad=TM5:firmware\n";
}

}  // namespace zav::sim
