#pragma once
// A whole diagnostic run of a TM6 as the history records it, made without a
// unit, for the history's tests and benchmarks.
#include <QString>

#include "zav/history/history_run.h"

namespace zav::history::test {

// A finished run of 26 sensors and 4 mechanical rows; `seed` varies the
// readings, `serial` the unit. Row `failedRow` fails when it is a row.
HistoryRun SampleRun(int seed = 0, double serial = 3289480992.0, int failedRow = -1);

}  // namespace zav::history::test
