#pragma once
// The library's user messages: shown only in message mode, through a
// handler the host may replace (by default one line on standard error).
#include <atomic>

#include "ZavtekVLP.h"

namespace zav::link {

class Messages {
  public:
    // Message mode is on at load.
    void set_enabled(bool on) { enabled_.store(on, std::memory_order_relaxed); }
    // Null restores the default handler.
    void set_handler(ZavVlpMessageHandler handler) {
        handler_.store(handler, std::memory_order_release);
    }
    // Passes the message to the handler when message mode is on.
    void show(const char* caption, const char* text) const;

  private:
    std::atomic<bool> enabled_{true};
    std::atomic<ZavVlpMessageHandler> handler_{nullptr};
};

}  // namespace zav::link
