#include "zav/app/tool_session.h"

namespace zav::app {

ToolSession::ToolSession(std::shared_ptr<SessionLifetime> lifetime, QObject* parent)
    : QObject(parent), lifetime_(std::move(lifetime)) {
    connect(lifetime_.get(), &SessionLifetime::closed, this, &ToolSession::closed);
}

ToolSession::~ToolSession() {
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
