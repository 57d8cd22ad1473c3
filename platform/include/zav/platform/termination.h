#pragma once
// Waiting for the user's request to stop a program (Ctrl-C or a kill).
#include "zav/platform/serial_device.h"

namespace zav::platform {

// Holds SIGINT and SIGTERM back in the calling thread and in every thread it
// starts afterwards, so that wait_for_termination_signal() can take them,
// also when the program inherited them as ignored. Call it before starting
// threads.
void block_termination_signals();

// Blocks until SIGINT or SIGTERM arrives; returns the signal's number, or 0
// when the wait cannot be made.
int wait_for_termination_signal();

// The same, but also returns 0 when `waker` fires (the wake stays pending),
// so a thread that watches for the signals can be stopped.
int wait_for_termination_signal(const Waker& waker);

// Writes `line` to standard error and ends the process at once with
// `status`, running no destructors and no exit handlers: safe from any
// thread at any moment (a second Ctrl-C while the program is busy).
[[noreturn]] void end_process_now(const char* line, int status);

}  // namespace zav::platform
