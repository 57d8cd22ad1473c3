#include "zav/cli/interruption.h"

#include <QCoreApplication>

#include "zav/cli/printing_front_end.h"
#include "zav/cli/subcommand.h"
#include "zav/platform/termination.h"

namespace zav::cli {
namespace {

// The user-interface thread may be anywhere: nothing of ours runs.
void EndAtOnce() {
    platform::end_process_now("zavdiag: interrupted again; ending at once\n", kExitCouldNotRun);
}

}  // namespace

Interruption::Interruption() {
    platform::block_termination_signals();
    watcher_ = std::thread([this] { watch(); });
}

Interruption::~Interruption() {
    stop_.wake();
    watcher_.join();
}

int Interruption::EndInterrupted(const char* command) const {
    PrintError(
        QCoreApplication::translate("zav", "zavdiag %1: interrupted").arg(QLatin1String(command)));
    return kExitCouldNotRun;
}

void Interruption::watch() {
    while (platform::wait_for_termination_signal(stop_) != 0) {
        if (interrupted_ || !armed_) EndAtOnce();
        interrupted_ = true;
        signalled_.wake();
    }
}

// Made while a handler is armed, when the event loop exists.
void Interruption::listen() {
    notifier_ = std::make_unique<QSocketNotifier>(signalled_.fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        signalled_.clear();
        deliver();
    });
}

void Interruption::deliver() {
    if (!handler_) return;  // the command has finished meanwhile
    const std::function<void()> handler = std::move(handler_);
    handler_ = nullptr;
    handler();
}

InterruptHandler::InterruptHandler(Interruption& interruption, std::function<void()> handler)
    : interruption_(interruption) {
    interruption_.listen();
    interruption_.handler_ = std::move(handler);
    interruption_.armed_ = true;
}

InterruptHandler::~InterruptHandler() {
    interruption_.armed_ = false;
    interruption_.handler_ = nullptr;
    interruption_.notifier_.reset();
}

}  // namespace zav::cli
