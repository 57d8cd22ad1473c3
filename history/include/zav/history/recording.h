#pragma once
// Recording a run after its result is known, as both front ends do it. A
// history that cannot be written gives one warning through the program's
// messages; the run's own result is never changed. A server that cannot be
// reached gives the warning and the run goes to the local SQLite history.
#include "zav/history/history_run.h"

namespace zav::history {

// Records `run` where ChosenLocation() says; true when it was recorded
// there or, for a server out of reach, in the local file instead. A run
// that never met a unit (ReachedUnit) is not recorded.
bool RecordRun(const HistoryRun& run);

// RecordRun() on a worker thread, so the window never waits for a slow
// server; its warning is shown on the program's main thread.
void RecordRunInBackground(HistoryRun run);

// Waits until every recording RecordRunInBackground() started has ended,
// at most `timeoutMs` (-1: no limit); true when they have. For the program's
// end, so no run is lost when it closes right after one.
bool WaitForRecordings(int timeoutMs = -1);

}  // namespace zav::history
