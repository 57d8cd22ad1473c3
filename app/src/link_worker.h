#pragma once
// The one thread that makes the program's blocking link library calls. The
// user-interface thread hands it a call and waits for the result in a local
// event loop, so windows repaint, timers tick and the engineer can close a
// window while the unit is slow to answer. Exactly one worker keeps the
// library's contract of one calling thread at a time.
#include <QPointer>
#include <QSocketNotifier>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "zav/platform/serial_device.h"

namespace zav::app {

class LinkWorker {
  public:
    LinkWorker();
    // Ends the thread once it is idle (no call can be waiting then: every
    // caller waits for its own call).
    ~LinkWorker();
    LinkWorker(const LinkWorker&) = delete;
    LinkWorker& operator=(const LinkWorker&) = delete;

    // Makes `call` on the worker and returns once it has been made. On the
    // application's thread the wait runs a local event loop; the messages
    // `call` raised (see Hold) are then shown on that thread, in order,
    // before this returns. On any other thread, or without an application
    // object, `call` runs at once on the calling thread.
    void Run(const std::function<void()>& call);

    // For the library's message handler: on the worker during a call, keeps
    // `show` for the caller to run after the call and returns true; false on
    // any other thread.
    static bool Hold(std::function<void()> show);

  private:
    struct Job;
    void Serve();
    void ListenForDone();

    std::mutex mutex_;  // guards queue_, stopping_ and each queued job's done
    std::condition_variable work_;
    std::deque<std::shared_ptr<Job>> queue_;
    bool stopping_ = false;
    // Fires when a job is done; read by a notifier on the application's
    // thread, which the application object owns.
    platform::Waker done_;
    QPointer<QSocketNotifier> doneNotifier_;
    std::thread thread_;
};

}  // namespace zav::app
