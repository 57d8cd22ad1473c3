#include "link_worker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <vector>

namespace zav::app {

struct LinkWorker::Job {
    const std::function<void()>* call;
    std::vector<std::function<void()>> heldMessages;  // written by the worker during the call
    bool done = false;
};

namespace {
// The job the worker is making now; set on the worker thread only.
thread_local std::vector<std::function<void()>>* heldByCurrentJob = nullptr;
}  // namespace

LinkWorker::LinkWorker() : thread_([this] { Serve(); }) {}

LinkWorker::~LinkWorker() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    work_.notify_one();
    thread_.join();
    delete doneNotifier_.data();
}

bool LinkWorker::Hold(std::function<void()> show) {
    if (!heldByCurrentJob) return false;
    heldByCurrentJob->push_back(std::move(show));
    return true;
}

void LinkWorker::Run(const std::function<void()>& call) {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() != application->thread()) {
        call();
        return;
    }
    ListenForDone();
    auto job = std::make_shared<Job>();
    job->call = &call;
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(job);
    }
    work_.notify_one();

    // Timers, repaints and the engineer's clicks run here meanwhile; a call
    // made from one of them waits in its own loop behind this one.
    QEventLoop loop;
    QObject::connect(doneNotifier_.data(), &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (job->done) break;
        }
        loop.exec();
    }
    for (const auto& show : job->heldMessages) show();
}

// One notifier serves every wait: nested waits each look at their own job.
void LinkWorker::ListenForDone() {
    if (doneNotifier_) return;
    doneNotifier_ =
        new QSocketNotifier(done_.fd(), QSocketNotifier::Read, QCoreApplication::instance());
    // Connected first, so the wake is consumed before any wait looks again.
    QObject::connect(doneNotifier_.data(), &QSocketNotifier::activated, doneNotifier_.data(),
                     [this] { done_.clear(); });
}

void LinkWorker::Serve() {
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock lock(mutex_);
            work_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) return;
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        heldByCurrentJob = &job->heldMessages;
        (*job->call)();
        heldByCurrentJob = nullptr;
        {
            std::lock_guard lock(mutex_);
            job->done = true;
        }
        done_.wake();
    }
}

}  // namespace zav::app
