#include "packet_log_format.h"

#include <algorithm>
#include <cstdio>

namespace zav::link {
namespace {

struct Named {
    std::uint8_t code;
    const char* text;
};

constexpr Named kCommands[] = {
    {0x01, " RESET"},
    {0x02, " SET INHIBITS"},
    {0x03, " DISPLAY ON"},
    {0x04, " DISPLAY OFF"},
    {0x05, " SETUP REQUEST"},
    {0x06, " HOST PROTOCOL"},
    {0x07, " POLL"},
    {0x08, " REJECT NOTE"},
    {0x09, " DISABLE"},
    {0x0A, " ENABLE"},
    {0x0C, " GET SERIAL NUMBER"},
    {0x0D, " UINT DATA"},
    {0x0E, " CHANNEL VALUE DATA"},
    {0x0F, " CHANNEL SECURITY DATA"},
    {0x10, " CHANNEL RE-TEACH DATA"},
    {0x11, " SYNC"},
    {0x17, " LAST REJECT CODE"},
    {0x18, " HOLD"},
    {0x19, " ENABLE PROTOCOL VERSION EVENTS"},
    {0x30, " EXPANSION COMMAND"},
};

struct Event {
    std::uint8_t code;
    const char* text;
    bool has_value;  // the next byte is printed in decimal after the text
};

constexpr Event kEvents[] = {
    {0xCC, "STACKING,", false},
    {0xE1, "NOTE CLEARED FRONT ", true},
    {0xE2, "NOTE CLEARED CASH BOX ", true},
    {0xE3, "CASH BOX OPEN,", false},
    {0xE4, "CASH BOX CLOSED,", false},
    {0xE6, "FRAUD ATTEMPT ", true},
    {0xE7, "STACKER FULL, ", false},
    {0xE8, "DISABLED,", false},
    {0xE9, "UNSAFE JAM,", false},
    {0xEA, "SAFE JAM,", false},
    {0xEB, "STACKED,", false},
    {0xEC, "REJECTED,", false},
    {0xED, "REJECTING,", false},
    {0xEE, "CREDIT ", true},
    {0xEF, "READ NOTE ", true},
    {0xF1, "SLAVE RESET,", false},
};

constexpr const char* kUnknownEvent = "UNKNOWN EVENT,";

const Event* find_event(std::uint8_t code) {
    for (const auto& e : kEvents)
        if (e.code == code) return &e;
    return nullptr;
}

std::string hex(std::uint8_t b) {
    static constexpr char kDigits[] = "0123456789abcdef";
    return {kDigits[b >> 4], kDigits[b & 0x0F]};
}

// Offsets of the fields in a frame.
constexpr std::size_t kAddressOffset = 1;
constexpr std::size_t kLengthOffset = 2;
constexpr std::size_t kCodeOffset = 3;

void field(std::string& out, const char* label, ByteSpan frame, std::size_t offset) {
    if (offset < frame.size()) out += label + hex(frame[offset]) + "\n";
}

}  // namespace

const char* command_name(std::uint8_t code) {
    for (const auto& c : kCommands)
        if (c.code == code) return c.text;
    return " UNKNOWN COMMAND";
}

std::string poll_events(ByteSpan events) {
    std::string out;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const Event* e = find_event(events[i]);
        if (!e) {
            out += kUnknownEvent;
            continue;
        }
        out += e->text;
        if (!e->has_value) continue;
        if (i + 1 < events.size()) out += std::to_string(events[++i]);
        out += ",";
    }
    return out;
}

std::string transmit_header(std::uint32_t sequence, const platform::LocalTime& when) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d/%02d/%02d %02d:%02d:%02d", when.month % 100,
                  when.day % 100, when.year % 100, when.hour % 100, when.minute % 100,
                  when.second % 100);
    return std::string(80, '-') + "\nPacket sequence number: " + std::to_string(sequence) +
           " Datestamp: " + stamp + "\n";
}

std::string frame_block(FrameDirection direction, std::int64_t ms_since_previous, ByteSpan wire,
                        ByteSpan frame, bool after_poll) {
    const bool transmit = direction == FrameDirection::Transmit;
    std::string out = transmit ? "Transmit packet:      +" : "Received packet:      +";
    out += std::to_string(ms_since_previous) + " ms\n[";
    for (const std::uint8_t b : wire) out += hex(b) + " ";
    out += "]\n";

    field(out, "Start byte:         ", frame, 0);
    field(out, "Address/seq byte:   ", frame, kAddressOffset);
    field(out, "Data length:        ", frame, kLengthOffset);
    if (frame.size() <= kCodeOffset) return out;

    const std::size_t n = frame[kLengthOffset];
    const std::uint8_t code = frame[kCodeOffset];
    out += transmit ? "Command:            " + hex(code) + command_name(code) + "\n"
                    : "Generic reply:      " + hex(code) + "\n";
    if (n < 2) {
        out += "No data in packet\n";
    } else {
        const std::size_t end = std::min(kCodeOffset + n, frame.size());
        const ByteSpan rest = frame.subspan(kCodeOffset + 1, end - kCodeOffset - 1);
        out += transmit ? "Command Data:       " : "Reply Data:         ";
        for (const std::uint8_t b : rest) out += hex(b) + ",";
        if (!transmit && after_poll) out += " Event data: " + poll_events(rest);
        out += "\n";
    }
    field(out, "CRCL:               ", frame, kCodeOffset + n);
    field(out, "CRCH:               ", frame, kCodeOffset + n + 1);
    return out;
}

}  // namespace zav::link
