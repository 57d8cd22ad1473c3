#include "messages.h"

#include <cstdio>
#include <utility>

namespace zav::link {

void Messages::show(const char* caption, const char* text) const {
    if (!enabled_.load(std::memory_order_relaxed)) return;
    if (const ZavVlpMessageHandler handler = handler_.load(std::memory_order_acquire)) {
        handler(caption, text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

DeferredMessages::~DeferredMessages() {
    for (const Held& message : held_) messages_.show(message.caption.c_str(), message.text.c_str());
}

void DeferredMessages::show(std::string caption, std::string text) {
    held_.push_back({std::move(caption), std::move(text)});
}

}  // namespace zav::link
