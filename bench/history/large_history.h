#pragma once
// A large history for the benchmarks, made in one transaction: `runs`
// diagnostic runs of `serials` units, ten minutes apart, every 13th failed.
#include <QString>

namespace zav::history::bench {

// Makes the history at `path` (its schema too) and fills it; false when it
// cannot be made.
bool FillHistory(const QString& path, int runs, int serials);

}  // namespace zav::history::bench
