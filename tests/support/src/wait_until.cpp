#include "zav/test/wait_until.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include "zav/platform/clock.h"

namespace zav::test {
namespace {

constexpr int kCheckIntervalMs = 2;

}  // namespace

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    if (done()) return true;
    QElapsedTimer elapsed;
    elapsed.start();
    const QCoreApplication* application = QCoreApplication::instance();
    if (!application || application->thread() != QThread::currentThread()) {
        while (elapsed.elapsed() < timeout.count()) {
            platform::sleep_ms(kCheckIntervalMs);
            if (done()) return true;
        }
        return done();
    }
    QEventLoop loop;
    QTimer check;
    check.setTimerType(Qt::PreciseTimer);
    bool held = false;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        held = done();
        if (held || elapsed.elapsed() >= timeout.count()) loop.quit();
    });
    check.start(kCheckIntervalMs);
    loop.exec();
    return held;
}

}  // namespace zav::test
