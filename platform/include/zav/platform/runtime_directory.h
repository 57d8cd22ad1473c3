#pragma once
// The per-user runtime directory a Qt GUI application wants
// ($XDG_RUNTIME_DIR). Under su, sudo or cron it is unset or belongs to
// another user, and Qt warns on standard error at every start, to a user
// who did nothing wrong.
#include <string>

namespace zav::platform {

// Keeps XDG_RUNTIME_DIR when it names a directory of this user with mode
// 0700; otherwise points it at a private directory of the program's own
// (${TMPDIR:-/tmp}/zav-diagnostics-runtime-<uid>, made 0700 and checked to
// be ours, or a fresh one when that name is taken). Call before the
// application object is made and before any thread starts. Returns the
// directory in use, empty when none could be made (the variable is then
// left as it was).
std::string ensure_runtime_directory();

}  // namespace zav::platform
