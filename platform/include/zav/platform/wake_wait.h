#pragma once
// Waiting for a Waker alone, for a thread that has nothing to read just now.
#include "zav/platform/clock.h"
#include "zav/platform/serial_device.h"

namespace zav::platform {

// Blocks until the waker fires or the deadline passes. Returns Woken or
// Timeout (Error only if the system refuses to wait). Leaves the wake
// pending; the caller clears it.
WaitResult wait_for_wake(const Waker& waker, const Deadline& deadline);

}  // namespace zav::platform
