#include "messages.h"

#include <cstdio>

namespace zav::link {

void Messages::show(const char* caption, const char* text) const {
    if (!enabled_.load(std::memory_order_relaxed)) return;
    if (const ZavVlpMessageHandler handler = handler_.load(std::memory_order_acquire)) {
        handler(caption, text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

}  // namespace zav::link
