#pragma once
// What the user-interface benchmarks share: a 10 ms heartbeat on the
// user-interface thread that notes its largest gap, the same heartbeat on an
// idle event loop as the floor to compare with, and a view and a message
// sink that show nothing.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include "zav/app/messages.h"
#include "zav/app/session_view.h"

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

// The largest heartbeat gap of an idle event loop over `durationMs`.
inline qint64 IdleFloor(qint64 durationMs) {
    const Heartbeat heartbeat;
    QEventLoop loop;
    QTimer::singleShot(durationMs, &loop, &QEventLoop::quit);
    loop.exec();
    return heartbeat.largestGapMs();
}

class SilentView final : public app::SessionView {
  public:
    void setStatusText(const QString&) override {}
    void setMousePointer(app::MousePointer) override {}
};

class SilentMessages final : public app::MessageSink {
  public:
    void showMessage(const QString&, const QString&, app::MessageIcon) override {}
};

}  // namespace zav::bench
