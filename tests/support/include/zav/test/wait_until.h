#pragma once
// Waiting for a condition instead of for a fixed time.
#include <chrono>
#include <functional>

namespace zav::test {

// Checks `done` until it holds or `timeout` has passed, and says whether it
// held. Between checks the thread blocks: in a local event loop when it is
// the thread of a Qt application object (so timers, queued calls and the
// sessions' waits go on), otherwise in a short sleep. Checks every few
// milliseconds, so a condition that another thread makes true is seen soon.
bool waitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace zav::test
