#include "zav/lang/window/message_once.h"

namespace zav::lang::window {

MessageOnce::MessageOnce() : next_(base::messageSink()) {
    base::setMessageSink(this);
}

MessageOnce::~MessageOnce() {
    base::setMessageSink(&next_);
}

void MessageOnce::showMessage(const QString& title, const QString& text, base::MessageIcon icon) {
    if (shown_.contains(text)) return;
    shown_ << text;
    next_.showMessage(title, text, icon);
}

}  // namespace zav::lang::window
