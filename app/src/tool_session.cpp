#include "zav/app/tool_session.h"

namespace zav::app {

ToolSession::ToolSession(std::shared_ptr<SessionLifetime> lifetime, const QObject* core,
                         QObject* parent)
    : QObject(parent), lifetime_(std::move(lifetime)), core_(core) {
    connect(lifetime_.get(), &SessionLifetime::closed, this, &ToolSession::closed);
}

ToolSession::~ToolSession() {
    // The unload below may still emit the core's signals; the derived
    // session that relayed them is destroyed already.
    if (core_) disconnect(core_, nullptr, this, nullptr);
    lifetime_->abandon();
}

void ToolSession::requestClose() {
    const auto lifetime = lifetime_;
    lifetime->requestClose();
}

bool ToolSession::isClosed() const {
    return lifetime_->isClosed();
}

}  // namespace zav::app
