#include "zav/lang/window/message_once.h"

namespace zav::lang::window {

MessageOnce::MessageOnce() : next_(app::messageSink()) {
    app::setMessageSink(this);
}

MessageOnce::~MessageOnce() {
    app::setMessageSink(&next_);
}

void MessageOnce::showMessage(const QString& title, const QString& text, app::MessageIcon icon) {
    if (shown_.contains(text)) return;
    shown_ << text;
    next_.showMessage(title, text, icon);
}

}  // namespace zav::lang::window
