#include "random_faults.h"

namespace zav::sim {
namespace {

constexpr int kDelayMs = 30;
constexpr std::uint8_t kRefusal = 0xF2;

}  // namespace

void RandomFaults::set(int percent, std::uint32_t seed) {
    std::lock_guard lock(mutex_);
    percent_ = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    generator_.seed(seed);
}

bool RandomFaults::strikes() {
    std::lock_guard lock(mutex_);
    if (percent_ == 0) return false;
    return std::uniform_int_distribution<int>(0, 99)(generator_) < percent_;
}

Fault RandomFaults::link_fault() {
    std::lock_guard lock(mutex_);
    switch (std::uniform_int_distribution<int>(0, 5)(generator_)) {
        case 0:
            return {.kind = Fault::Kind::NoReply};
        case 1:
            return {.kind = Fault::Kind::BadCrc};
        case 2:
            return {.kind = Fault::Kind::WrongSequence};
        case 3:
            return {.kind = Fault::Kind::GenericCode, .code = kRefusal};
        case 4:
            return {.kind = Fault::Kind::JunkBefore, .junk = {0x7F, 0x00, 0x55}};
        default:
            return {.kind = Fault::Kind::Delay, .delay_ms = kDelayMs};
    }
}

}  // namespace zav::sim
