#pragma once
// The history's tables, version by version. Step N brings a history of
// version N - 1 to version N; a new history runs every step from 0.
#include <QSqlDatabase>
#include <QString>

namespace zav::history::schema {

enum class Dialect { Sqlite, Postgres };

// The schema version stored in `db`: 0 when it has no tables yet; -1 and
// the reason when it cannot be read.
int StoredVersion(QSqlDatabase& db, QString* error);

// Brings `db` to `target` (at most kSchemaVersion) in one transaction that
// keeps other programs from migrating at the same time. True when it is at
// `target` afterwards, or was already further; false and the reason when a
// step failed (the history is left as it was) or when it was written by a
// newer program.
bool Migrate(QSqlDatabase& db, Dialect dialect, int target, QString* error);

}  // namespace zav::history::schema
