#include "zav/app/session_lifetime.h"

namespace zav::app {

void SessionLifetime::ForwardingView::setStatusText(const QString& text) {
    if (target_) target_->setStatusText(text);
}

void SessionLifetime::ForwardingView::setMousePointer(MousePointer pointer) {
    if (target_) target_->setMousePointer(pointer);
}

SessionLifetime::SessionLifetime(TickClock& clock, SessionView& view, std::function<void()> unload)
    : clock_(clock), view_(view), unload_(std::move(unload)) {}

SessionLifetime::Busy::Busy(SessionLifetime& lifetime) : lifetime_(lifetime) {
    ++lifetime_.busyDepth_;
}

SessionLifetime::Busy::~Busy() {
    if (--lifetime_.busyDepth_ == 0 && lifetime_.closing_) lifetime_.finishClose();
}

void SessionLifetime::requestClose() {
    if (closing_) return;
    closing_ = true;
    clock_.halt();
    if (!busy()) finishClose();
}

void SessionLifetime::abandon() {
    view_.target_ = nullptr;
    requestClose();
}

void SessionLifetime::finishClose() {
    if (closed_) return;
    // The unload may wait itself (a link call); it counts as busy, so a
    // close cannot start it a second time.
    ++busyDepth_;
    unload_();
    --busyDepth_;
    closed_ = true;
    emit closed();
}

}  // namespace zav::app
