#pragma once
// A session's tick counter and the timer that advances it: the clock every
// wait of a tool session counts in. The program ticks every 100 ms; tests
// pass a short tick.
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>

namespace zav::app {

class TickClock : public QObject {
    Q_OBJECT
  public:
    explicit TickClock(std::chrono::milliseconds tickLength, QObject* parent = nullptr);

    std::chrono::milliseconds tickLength() const;

    std::int16_t ticks() const { return ticks_; }
    // Writes the counter; a session's Cancel writes a large value so that a
    // running wait ends at once.
    void setTicks(std::int16_t ticks);
    void reset() { setTicks(0); }

    // Enables the timer (a timer already running keeps its phase).
    void start();
    void stop();
    bool isRunning() const { return timer_.isActive(); }

    // Ends every wait on this clock for good, the running one and all later
    // ones: the timer stops and the counter stays at its largest value
    // whatever is written. A session that closes halts its clock.
    void halt();

  signals:
    // The counter changed: a tick, or a write.
    void changed();

  private:
    void tick();

    QTimer timer_;
    std::int16_t ticks_ = 0;
    bool halted_ = false;
};

}  // namespace zav::app
