#pragma once
// An open service history: records runs and reads them back. One object per
// thread that uses it; each has a database connection of its own. Every
// value is bound as a parameter of a prepared statement.
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "zav/history/history_run.h"
#include "zav/history/location.h"

namespace zav::history {

// The newest schema this program writes.
inline constexpr int kSchemaVersion = 2;

// One line of the list of runs.
struct RunSummary {
    std::int64_t id = 0;
    QDateTime time;  // UTC; invalid when the stored time cannot be read
    Tool tool = Tool::Diagnostic;
    QString unitType;
    QString serial;  // decimal digits
    QString firmware;
    QString verdict;  // VerdictName()
    bool simulated = false;
    QString host;
};

// Which runs to list, newest first. Empty texts and an invalid time match
// every run. `before` continues a list after its last line.
struct RunFilter {
    QString serial;
    QString unitType;
    QString verdict;
    QDateTime since;  // runs at or after
    QDateTime until;  // runs before
    int limit = 50;   // at most 10000
    struct Cursor {
        QDateTime time;
        std::int64_t id = 0;
    };
    std::optional<Cursor> before;
};

// One reading of a sensor across a serial number's diagnostic runs.
struct TrendPoint {
    std::int64_t runId = 0;
    QDateTime time;
    diag::ResultRow row;
};

class History {
  public:
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Opens the history at `location`, creating it or bringing its schema
    // up to date. A damaged SQLite file is moved aside (its new name is in
    // `*movedAside`) and a new one started. Nothing and the reason when it
    // cannot be opened or is newer than this program.
    static std::unique_ptr<History> Open(const Location& location, QString* error,
                                         QString* movedAside = nullptr);

    // Records `run` in one transaction; its id, or 0 and the reason.
    std::int64_t Record(const HistoryRun& run, QString* error);

    // The runs `filter` picks, newest first; nothing and the reason when
    // the history cannot be read.
    std::optional<std::vector<RunSummary>> List(const RunFilter& filter, QString* error);
    // Run `id` whole; nothing when there is none (`*error` says when the
    // history could not be read). Values out of range are cut to range.
    std::optional<HistoryRun> Load(std::int64_t id, QString* error);
    // The names of the sensors in `serial`'s diagnostic runs, sorted.
    std::vector<QString> SensorNames(const QString& serial, QString* error);
    // Sensor `name`'s rows in `serial`'s diagnostic runs that reached a
    // verdict, oldest first.
    std::vector<TrendPoint> SensorTrend(const QString& serial, const QString& name, QString* error);

    int schemaVersion() const;
    const Location& location() const;

    struct Impl;  // the connection; history.cpp's own

  private:
    explicit History(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace zav::history
