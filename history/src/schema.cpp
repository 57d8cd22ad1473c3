#include "schema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include "zav/history/history.h"

namespace zav::history::schema {
namespace {

// "%ID%" stands for each dialect's own growing key.
const char* const kVersion1[] = {
    "CREATE TABLE schema_version (version INTEGER NOT NULL)",
    "INSERT INTO schema_version (version) VALUES (0)",
    "CREATE TABLE runs ("
    " id %ID%,"
    " started_utc TEXT NOT NULL,"
    " tool TEXT NOT NULL,"
    " host TEXT NOT NULL,"
    " unit_type TEXT NOT NULL,"
    " serial BIGINT NOT NULL,"
    " firmware TEXT NOT NULL,"
    " dataset TEXT NOT NULL,"
    " verdict TEXT NOT NULL,"
    " run_end INTEGER NOT NULL,"
    " status_text TEXT NOT NULL,"
    " simulated INTEGER NOT NULL,"
    " verdicts_shown INTEGER NOT NULL,"
    " sensor_count INTEGER NOT NULL,"
    " mechanism_count INTEGER NOT NULL)",
    // The unit's configuration of each sensor.
    "CREATE TABLE run_sensors ("
    " run_id BIGINT NOT NULL REFERENCES runs(id) ON DELETE CASCADE,"
    " sensor_index INTEGER NOT NULL,"
    " name TEXT NOT NULL,"
    " code INTEGER NOT NULL, type INTEGER NOT NULL,"
    " gain1 INTEGER NOT NULL, gain2 INTEGER NOT NULL,"
    " path_tgt INTEGER NOT NULL, paper_tgt INTEGER NOT NULL,"
    " cal_divide INTEGER NOT NULL, config_byte27 INTEGER NOT NULL,"
    " detect INTEGER NOT NULL, detect_thresh INTEGER NOT NULL,"
    " first_g1 INTEGER NOT NULL, first_g2 INTEGER NOT NULL,"
    " path_ach INTEGER NOT NULL, paper_ach INTEGER NOT NULL,"
    " clear_thresh INTEGER NOT NULL, phase_delay INTEGER NOT NULL,"
    " PRIMARY KEY (run_id, sensor_index))",
    // The result table: the sensors' rows, then the mechanical rows.
    "CREATE TABLE run_rows ("
    " run_id BIGINT NOT NULL REFERENCES runs(id) ON DELETE CASCADE,"
    " row_index INTEGER NOT NULL,"
    " path_min INTEGER NOT NULL, path_read INTEGER NOT NULL, path_max INTEGER NOT NULL,"
    " path_pass INTEGER NOT NULL,"
    " paper_min INTEGER NOT NULL, paper_read INTEGER NOT NULL, paper_max INTEGER NOT NULL,"
    " paper_pass INTEGER NOT NULL,"
    " PRIMARY KEY (run_id, row_index))",
};

// Version 2: each sensor's calibration status of an initialisation, and the
// indexes the lists by time and by serial number read.
const char* const kVersion2[] = {
    "ALTER TABLE run_sensors ADD COLUMN cal_status TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE run_sensors ADD COLUMN cal_gain1 TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE run_sensors ADD COLUMN cal_gain2 TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE run_sensors ADD COLUMN cal_failed INTEGER NOT NULL DEFAULT 0",
    "CREATE INDEX runs_by_time ON runs (started_utc, id)",
    "CREATE INDEX runs_by_serial ON runs (serial, started_utc, id)",
};

struct Step {
    const char* const* statements;
    std::size_t count;
};

constexpr Step kSteps[] = {
    {kVersion1, std::size(kVersion1)},
    {kVersion2, std::size(kVersion2)},
};
static_assert(std::size(kSteps) == kSchemaVersion);

QString Statement(const char* text, Dialect dialect) {
    QString sql = QString::fromLatin1(text);
    sql.replace(QLatin1String("%ID%"), dialect == Dialect::Sqlite
                                           ? QLatin1String("INTEGER PRIMARY KEY")
                                           : QLatin1String("BIGSERIAL PRIMARY KEY"));
    return sql;
}

bool Exec(QSqlDatabase& db, const QString& sql, QString* error) {
    QSqlQuery query(db);
    if (query.exec(sql)) return true;
    *error = query.lastError().text();
    return false;
}

bool HasVersionTable(QSqlDatabase& db, QString* error) {
    QSqlQuery query(db);
    if (db.driverName() == QLatin1String("QSQLITE")) {
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                       "AND name = 'schema_version'")) ||
            !query.next()) {
            *error = query.lastError().text();
            return false;
        }
    } else if (!query.exec(QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE "
                                          "table_schema = current_schema() AND "
                                          "table_name = 'schema_version'")) ||
               !query.next()) {
        *error = query.lastError().text();
        return false;
    }
    error->clear();
    return query.value(0).toInt() > 0;
}

}  // namespace

int StoredVersion(QSqlDatabase& db, QString* error) {
    const bool exists = HasVersionTable(db, error);
    if (!error->isEmpty()) return -1;
    if (!exists) return 0;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT max(version) FROM schema_version")) || !query.next()) {
        *error = query.lastError().text();
        return -1;
    }
    return query.value(0).toInt();
}

bool Migrate(QSqlDatabase& db, Dialect dialect, int target, QString* error) {
    // One program migrates at a time: SQLite takes the write lock at once,
    // PostgreSQL a lock of the transaction's own.
    if (dialect == Dialect::Sqlite) {
        if (!Exec(db, QStringLiteral("BEGIN IMMEDIATE"), error)) return false;
    } else if (!Exec(db, QStringLiteral("BEGIN"), error) ||
               !Exec(db, QStringLiteral("SELECT pg_advisory_xact_lock(7212031)"), error)) {
        return false;
    }
    const auto fail = [&] {
        QString ignored;
        Exec(db, QStringLiteral("ROLLBACK"), &ignored);
        return false;
    };
    const int stored = StoredVersion(db, error);
    if (stored < 0) return fail();
    if (stored > kSchemaVersion) {
        *error = QCoreApplication::translate(
                     "zav",
                     "the history was written by a newer program (schema %1, this "
                     "program knows %2)")
                     .arg(stored)
                     .arg(kSchemaVersion);
        return fail();
    }
    for (int version = stored + 1; version <= target; ++version) {
        const Step& step = kSteps[version - 1];
        for (std::size_t i = 0; i < step.count; ++i) {
            if (!Exec(db, Statement(step.statements[i], dialect), error)) return fail();
        }
        QSqlQuery update(db);
        update.prepare(QStringLiteral("UPDATE schema_version SET version = ?"));
        update.addBindValue(version);
        if (!update.exec()) {
            *error = update.lastError().text();
            return fail();
        }
    }
    if (!Exec(db, QStringLiteral("COMMIT"), error)) return fail();
    return true;
}

}  // namespace zav::history::schema
