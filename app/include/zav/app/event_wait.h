#pragma once
// The waits of a tool session. The user-interface thread blocks in a local
// event loop, so timers, the download poll and the user's Cancel keep running,
// and looks at its end condition after each wake-up: a tick or a write of the
// session's clock, a signal named with wakeOn, or a short poll interval for
// a serial queue, which has no notifier of its own. No core is kept busy.
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

#include "zav/app/tick_clock.h"

namespace zav::app {

// How often a wait looks at a serial input queue.
constexpr std::chrono::milliseconds kSerialPollInterval{3};

class EventWait {
  public:
    explicit EventWait(const TickClock& clock);

    // Also wakes every `interval`.
    EventWait& pollEvery(std::chrono::milliseconds interval);

    // Also wakes whenever `sender` emits `signal`.
    template <typename Sender, typename Signal>
    EventWait& wakeOn(const Sender* sender, Signal signal) {
        QObject::connect(sender, signal, &loop_, &QEventLoop::quit);
        return *this;
    }

    // Processes pending events, then asks `done`; repeats after every
    // wake-up until `done` returns true.
    void until(const std::function<bool()>& done);

  private:
    QEventLoop loop_;
    QTimer poll_;
};

// The sessions' plain pause: counter to 0, timer on, wait until the counter
// reaches `ticks` (or something writes a value at least that large, as
// Cancel does), timer off.
void PauseTicks(TickClock& clock, int ticks);

}  // namespace zav::app
