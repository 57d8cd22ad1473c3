#pragma once
// The library's user messages: shown only in message mode, through a
// handler the host may replace (by default one line on standard error).
#include <atomic>
#include <string>
#include <vector>

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

// Messages raised while a lock is held, shown in order when this goes out
// of scope. Declared before the lock guard, it outlives the lock, so a
// handler that calls back into the library (or runs an event loop that
// does) finds the lock free.
class DeferredMessages {
  public:
    explicit DeferredMessages(const Messages& messages) : messages_(messages) {}
    ~DeferredMessages();
    DeferredMessages(const DeferredMessages&) = delete;
    DeferredMessages& operator=(const DeferredMessages&) = delete;

    void show(std::string caption, std::string text);

  private:
    struct Held {
        std::string caption;
        std::string text;
    };
    const Messages& messages_;
    std::vector<Held> held_;
};

}  // namespace zav::link
