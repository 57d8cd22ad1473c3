#pragma once
// Ctrl-C (SIGINT) and SIGTERM while zavdiag runs. The first one asks the
// running command to end as its window's Cancel and close would, on the
// user-interface thread and in its event loop; a second one, or one that
// comes while no command has asked to hear of it, ends the program at once
// with the status "could not run".
#include <QSocketNotifier>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "zav/platform/serial_device.h"

namespace zav::cli {

class Interruption {
  public:
    // Holds the signals back from every thread (so make it before any
    // thread starts) and watches for them on a thread of its own.
    Interruption();
    ~Interruption();
    Interruption(const Interruption&) = delete;
    Interruption& operator=(const Interruption&) = delete;

    // Whether a signal came while a handler was armed.
    bool interrupted() const { return interrupted_; }

    // Prints "zavdiag COMMAND: interrupted" and returns kExitCouldNotRun.
    int EndInterrupted(const char* command) const;

  private:
    friend class InterruptHandler;
    void watch();
    void deliver();

    // The watcher hands a signal over through an event descriptor that the
    // user-interface thread's event loop watches, so nothing of the watcher's
    // is touched on the other thread.
    void listen();
    platform::Waker signalled_;
    std::unique_ptr<QSocketNotifier> notifier_;  // user-interface thread only
    std::function<void()> handler_;              // user-interface thread only
    std::atomic<bool> armed_{false};
    std::atomic<bool> interrupted_{false};
    platform::Waker stop_;
    std::thread watcher_;
};

// While it lives, the first signal calls `handler` on the user-interface
// thread (once). Make it after the session it stops, so that it goes first.
class InterruptHandler {
  public:
    InterruptHandler(Interruption& interruption, std::function<void()> handler);
    ~InterruptHandler();
    InterruptHandler(const InterruptHandler&) = delete;
    InterruptHandler& operator=(const InterruptHandler&) = delete;

  private:
    Interruption& interruption_;
};

}  // namespace zav::cli
