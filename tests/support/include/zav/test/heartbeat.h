#pragma once
// A 10 ms timer on the user-interface thread that keeps the largest gap
// between its ticks while it lives: how long the event loop was kept from
// running (a window that could not repaint).
#include <QElapsedTimer>
#include <QTimer>

namespace zav::test {

class Heartbeat {
  public:
    Heartbeat();
    qint64 largestGapMs() const;

  private:
    QTimer timer_;
    QElapsedTimer sinceLast_;
    qint64 largestGapMs_ = 0;
};

// The largest heartbeat gap of an otherwise idle event loop over
// `durationMs`: the floor a measured gap is compared against.
qint64 idleGapFloorMs(qint64 durationMs);

}  // namespace zav::test
