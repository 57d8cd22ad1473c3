#pragma once
// A 10 ms timer on the user-interface thread that keeps the largest gap
// between its ticks while it lives: how long the event loop was kept from
// running (a window that could not repaint).
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>

namespace zav::bench {

class Heartbeat {
  public:
    Heartbeat() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { largestGapMs_ = std::max(largestGapMs_, sinceLast_.restart()); });
        sinceLast_.start();
        timer_.start(10);
    }
    qint64 largestGapMs() const { return std::max(largestGapMs_, sinceLast_.elapsed()); }

  private:
    QTimer timer_;
    QElapsedTimer sinceLast_;
    qint64 largestGapMs_ = 0;
};

}  // namespace zav::bench
