#include "zav/app/event_wait.h"

namespace zav::app {

EventWait::EventWait(const TickClock& clock) {
    QObject::connect(&clock, &TickClock::changed, &loop_, &QEventLoop::quit);
    QObject::connect(&poll_, &QTimer::timeout, &loop_, &QEventLoop::quit);
}

EventWait& EventWait::pollEvery(std::chrono::milliseconds interval) {
    poll_.setInterval(interval);
    poll_.start();
    return *this;
}

void EventWait::until(const std::function<bool()>& done) {
    for (;;) {
        // A wake-up that comes while events are processed here is not lost:
        // `done` is asked right after, before the loop blocks again.
        loop_.processEvents();
        if (done()) break;
        loop_.exec();
    }
    poll_.stop();
}

void PauseTicks(TickClock& clock, int ticks) {
    clock.reset();
    clock.start();
    EventWait(clock).until([&] { return clock.ticks() >= ticks; });
    clock.stop();
}

}  // namespace zav::app
