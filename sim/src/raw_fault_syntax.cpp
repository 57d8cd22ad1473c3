#include "zav/sim/raw_fault_syntax.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace zav::sim {
namespace {

using Kind = RawFault::Kind;

constexpr int kMaxSensorIndex = 255;

struct KindName {
    std::string_view name;
    Kind kind;
    SensorTest test;  // SensorFails only
};

constexpr KindName kKinds[] = {
    {"noack", Kind::NoAck, SensorTest::PaperLess},
    {"badcheck", Kind::BadCheck, SensorTest::PaperLess},
    {"wrongcode", Kind::WrongCode, SensorTest::PaperLess},
    {"nopaper", Kind::NoGreenPaper, SensorTest::PaperLess},
    {"pathfail", Kind::SensorFails, SensorTest::PaperLess},
    {"paperfail", Kind::SensorFails, SensorTest::GreenPaper},
    {"mechfail", Kind::MechanismFails, SensorTest::PaperLess},
};

constexpr std::pair<std::string_view, ResultPacket> kPackets[] = {
    {"stacker", ResultPacket::Stacker},           {"opto", ResultPacket::OptoWheel},
    {"straightener", ResultPacket::Straightener}, {"paperless", ResultPacket::PaperLess},
    {"paper", ResultPacket::GreenPaper},
};

constexpr std::pair<std::string_view, Mechanism> kMechanisms[] = {
    {"stacker", Mechanism::Stacker},
    {"forward", Mechanism::MotorForward},
    {"reverse", Mechanism::MotorReverse},
    {"straightener", Mechanism::Straightener},
};

template <typename T, std::size_t N>
std::optional<T> lookup(const std::pair<std::string_view, T> (&table)[N], std::string_view name) {
    for (const auto& [text, value] : table) {
        if (text == name) return value;
    }
    return std::nullopt;
}

const KindName* find_kind(std::string_view text) {
    const std::string_view kind = text.substr(0, text.find('='));
    for (const KindName& k : kKinds) {
        if (k.name == kind) return &k;
    }
    return nullptr;
}

std::optional<int> parse_number(std::string_view text, int base, int max) {
    if (base == 16 && (text.starts_with("0x") || text.starts_with("0X"))) text.remove_prefix(2);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < 0 ||
        value > max)
        return std::nullopt;
    return value;
}

// The command byte of noack: hexadecimal, or "gains" for the gain packet.
std::optional<std::uint8_t> parse_command(std::string_view text) {
    if (text == "gains") return 0x7F;
    const auto value = parse_number(text, 16, 0xFF);
    return value ? std::optional<std::uint8_t>(static_cast<std::uint8_t>(*value)) : std::nullopt;
}

}  // namespace

bool names_raw_fault(std::string_view text) {
    return find_kind(text) != nullptr;
}

bool parse_raw_fault(std::string_view text, RawFault* fault, std::string* error) {
    const auto refuse = [&](const char* why) {
        *error = std::string(why) + " in '" + std::string(text) + "'";
        return false;
    };
    const KindName* kind = find_kind(text);
    if (!kind) return refuse("unknown raw-channel fault");
    const std::size_t equals = text.find('=');
    const bool has_value = equals != std::string_view::npos;
    const std::string_view value = has_value ? text.substr(equals + 1) : std::string_view();

    RawFault parsed;
    parsed.kind = kind->kind;
    parsed.test = kind->test;
    switch (kind->kind) {
        case Kind::NoAck: {
            const auto command = parse_command(value);
            if (!command) return refuse("noack needs a command byte in hexadecimal, or gains");
            parsed.command = *command;
            break;
        }
        case Kind::BadCheck:
        case Kind::WrongCode:
            if (has_value) {
                parsed.packet = lookup(kPackets, value);
                if (!parsed.packet)
                    return refuse("the packet is stacker, opto, straightener, paperless or paper");
            }
            break;
        case Kind::NoGreenPaper:
            if (has_value) return refuse("nopaper takes no value");
            break;
        case Kind::SensorFails: {
            const auto sensor = parse_number(value, 10, kMaxSensorIndex);
            if (!sensor) return refuse("the sensor is an index from 0 to 255");
            parsed.sensor = *sensor;
            break;
        }
        case Kind::MechanismFails: {
            const auto mechanism = lookup(kMechanisms, value);
            if (!mechanism)
                return refuse("the mechanism is stacker, forward, reverse or straightener");
            parsed.mechanism = *mechanism;
            break;
        }
    }
    *fault = parsed;
    return true;
}

const char* raw_fault_syntax_help() {
    return "RAM utility faults (for the rest of the run): KIND[=VALUE]\n"
           "  noack=HH          never acknowledge command byte HH (gains: the gain packet)\n"
           "  badcheck[=P]      send packet P (default: every packet) with a wrong check byte\n"
           "  wrongcode[=P]     send packet P (default: every packet) with a wrong code\n"
           "                    P: stacker, opto, straightener, paperless, paper\n"
           "  nopaper           the green paper never arrives\n"
           "  pathfail=N        sensor N (from 0) reads out of limits with an empty path\n"
           "  paperfail=N       sensor N reads out of limits with the green paper\n"
           "  mechfail=M        M fails its test: stacker, forward, reverse, straightener\n"
           "Examples: --fault noack=86  --fault pathfail=3  --fault mechfail=stacker\n";
}

}  // namespace zav::sim
