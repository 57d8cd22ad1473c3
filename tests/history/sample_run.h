#pragma once
// A whole diagnostic run of a TM6 as the history records it, made without a
// unit, for the history's tests and benchmarks.
#include <QByteArray>
#include <QString>

#include "zav/history/history.h"
#include "zav/history/history_run.h"

namespace zav::history::test {

// A finished run of 26 sensors and 4 mechanical rows; `seed` varies the
// readings, `serial` the unit. Row `failedRow` fails when it is a row.
HistoryRun SampleRun(int seed = 0, double serial = 3289480992.0, int failedRow = -1);

// The results file of a run as the diagnostic wrote it.
QByteArray Csv(const HistoryRun& run);

// A filter set by `set`, e.g. Filter([](RunFilter& f) { f.type = "TM6"; }).
template <typename Set>
RunFilter Filter(Set set) {
    RunFilter filter;
    set(filter);
    return filter;
}

}  // namespace zav::history::test
