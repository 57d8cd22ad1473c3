#include "zav/app/tick_clock.h"

#include <limits>

namespace zav::app {

TickClock::TickClock(std::chrono::milliseconds tickLength, QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(tickLength);
    connect(&timer_, &QTimer::timeout, this, &TickClock::tick);
}

std::chrono::milliseconds TickClock::tickLength() const {
    return timer_.intervalAsDuration();
}

void TickClock::setTicks(std::int16_t ticks) {
    if (!halted_) ticks_ = ticks;
    emit changed();
}

void TickClock::start() {
    if (!halted_ && !timer_.isActive()) timer_.start();
}

void TickClock::halt() {
    timer_.stop();
    halted_ = true;
    ticks_ = std::numeric_limits<std::int16_t>::max();
    emit changed();
}

void TickClock::stop() {
    timer_.stop();
}

void TickClock::tick() {
    // The counter stops at its largest value instead of turning negative, so
    // a wait that is still running then ends.
    if (ticks_ < std::numeric_limits<std::int16_t>::max()) ++ticks_;
    emit changed();
}

}  // namespace zav::app
