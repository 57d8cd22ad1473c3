#include "zav/test/heartbeat.h"

#include <QEventLoop>
#include <algorithm>

namespace zav::test {

Heartbeat::Heartbeat() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout,
                     [this] { largestGapMs_ = std::max(largestGapMs_, sinceLast_.restart()); });
    sinceLast_.start();
    timer_.start(10);
}

qint64 Heartbeat::largestGapMs() const {
    return std::max(largestGapMs_, sinceLast_.elapsed());
}

qint64 idleGapFloorMs(qint64 durationMs) {
    const Heartbeat heartbeat;
    QEventLoop loop;
    QTimer::singleShot(durationMs, &loop, &QEventLoop::quit);
    loop.exec();
    return heartbeat.largestGapMs();
}

}  // namespace zav::test
