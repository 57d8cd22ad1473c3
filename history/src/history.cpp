#include "zav/history/history.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <limits>

#include "schema.h"

namespace zav::history {
namespace {

// What a read row may hold at most; anything beyond is cut.
constexpr int kMaxSensors = 255;
constexpr int kMaxMechanisms = 16;
constexpr int kMaxTextLength = 1000;
constexpr int kMaxListed = 10000;
constexpr int kBusyTimeoutMs = 5000;
constexpr int kConnectTimeoutS = 5;
// SQLite's result codes of a file that is not, or no longer, a database.
const QString kSqliteCorrupt = QStringLiteral("11");
const QString kSqliteNotADatabase = QStringLiteral("26");

QString TimeText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime ReadTime(const QVariant& value) {
    QDateTime time = QDateTime::fromString(value.toString().left(64), Qt::ISODateWithMs);
    if (time.isValid()) time = time.toUTC();
    return time;
}

QString ReadText(const QVariant& value) {
    return value.toString().left(kMaxTextLength);
}

template <typename T>
T ReadNumber(const QVariant& value) {
    const qint64 number = value.toLongLong();
    return static_cast<T>(
        std::clamp<qint64>(number, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

// A text to bind: an empty one, never SQL's NULL, for a null QString.
QString Bound(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

QString SerialText(qint64 serial) {
    return QString::number(serial);
}

QString NextConnectionName() {
    static QAtomicInteger<quint64> next;
    return QStringLiteral("zav_history_%1").arg(next.fetchAndAddRelaxed(1));
}

bool IsDamaged(const QSqlError& error) {
    return error.nativeErrorCode() == kSqliteCorrupt ||
           error.nativeErrorCode() == kSqliteNotADatabase;
}

// "history.sqlite" becomes "history.damaged-20260131-120000.sqlite" beside
// it, with its write-ahead log and index if there are any.
QString MoveAside(const QString& path, QString* error) {
    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = info.dir().filePath(info.completeBaseName() + QStringLiteral(".damaged-") +
                                         stamp + u'.' + info.suffix());
    for (int n = 2; QFile::exists(target); ++n) {
        target = info.dir().filePath(QStringLiteral("%1.damaged-%2-%3.%4")
                                         .arg(info.completeBaseName(), stamp)
                                         .arg(n)
                                         .arg(info.suffix()));
    }
    if (!QFile::rename(path, target)) {
        *error =
            QCoreApplication::translate("zav", "the damaged history %1 could not be moved aside")
                .arg(path);
        return {};
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        if (QFile::exists(path + QLatin1String(suffix)))
            QFile::rename(path + QLatin1String(suffix), target + QLatin1String(suffix));
    }
    return target;
}

bool Exec(QSqlQuery& query, QString* error) {
    if (query.exec()) return true;
    *error = query.lastError().text();
    return false;
}

}  // namespace

struct History::Impl {
    Location location;
    QString connection = NextConnectionName();
    QSqlDatabase db;
    schema::Dialect dialect = schema::Dialect::Sqlite;
    int version = 0;

    ~Impl() {
        if (db.isValid()) db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
    }

    bool run(const QString& sql, QString* error) {
        QSqlQuery query(db);
        if (query.exec(sql)) return true;
        *error = query.lastError().text();
        lastError = query.lastError();
        return false;
    }

    QSqlError lastError;
};

History::History(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
History::~History() = default;

int History::schemaVersion() const {
    return impl_->version;
}

const Location& History::location() const {
    return impl_->location;
}

namespace {

// The SQLite file: created readable by its user only, then opened with a
// write-ahead log and a busy time-out so several programs can write.
std::unique_ptr<History::Impl> OpenSqlite(const Location& location, QString* error, bool* damaged) {
    auto impl = std::make_unique<History::Impl>();
    impl->location = location;
    const QFileInfo info(location.path);
    if (!QDir().mkpath(info.absolutePath())) {
        *error = QCoreApplication::translate("zav", "the folder %1 cannot be created")
                     .arg(info.absolutePath());
        return nullptr;
    }
    if (!info.exists()) {
        QFile file(location.path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
    impl->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), impl->connection);
    if (!impl->db.isValid()) {
        *error = QCoreApplication::translate("zav", "Qt's SQLite driver is not installed");
        return nullptr;
    }
    impl->db.setDatabaseName(location.path);
    impl->db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!impl->db.open()) {
        *error = impl->db.lastError().text();
        *damaged = IsDamaged(impl->db.lastError());
        return nullptr;
    }
    for (const char* pragma :
         {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA foreign_keys=ON"}) {
        if (!impl->run(QLatin1String(pragma), error)) {
            *damaged = IsDamaged(impl->lastError);
            return nullptr;
        }
    }
    return impl;
}

std::unique_ptr<History::Impl> OpenPostgres(const Location& location, QString* error) {
    auto impl = std::make_unique<History::Impl>();
    impl->location = location;
    impl->dialect = schema::Dialect::Postgres;
    impl->db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), impl->connection);
    if (!impl->db.isValid()) {
        *error = QCoreApplication::translate("zav", "Qt's PostgreSQL driver is not installed");
        return nullptr;
    }
    impl->db.setHostName(location.host);
    if (location.port > 0) impl->db.setPort(location.port);
    impl->db.setUserName(location.user);
    impl->db.setDatabaseName(location.database);
    QStringList options = location.options;
    const bool timeoutGiven = std::any_of(options.begin(), options.end(), [](const QString& o) {
        return o.startsWith(QLatin1String("connect_timeout="));
    });
    if (!timeoutGiven) options << QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutS);
    impl->db.setConnectOptions(options.join(u';'));
    if (!impl->db.open()) {
        *error = impl->db.lastError().text().trimmed();
        return nullptr;
    }
    return impl;
}

}  // namespace

std::unique_ptr<History> History::Open(const Location& location, QString* error,
                                       QString* movedAside) {
    error->clear();
    if (movedAside) movedAside->clear();
    std::unique_ptr<Impl> impl;
    if (location.kind == Location::Kind::Postgres) {
        impl = OpenPostgres(location, error);
        if (!impl) return nullptr;
        if (!schema::Migrate(impl->db, impl->dialect, kSchemaVersion, error)) return nullptr;
    } else {
        for (int attempt = 0; attempt < 2 && !impl; ++attempt) {
            bool damaged = false;
            impl = OpenSqlite(location, error, &damaged);
            if (impl && !schema::Migrate(impl->db, impl->dialect, kSchemaVersion, error)) {
                damaged = IsDamaged(impl->db.lastError()) ||
                          error->contains(QLatin1String("not a database")) ||
                          error->contains(QLatin1String("malformed"));
                impl.reset();
            }
            if (impl || !damaged || attempt > 0) break;
            // A damaged file is kept under a name that says so, and a new
            // history is started in its place.
            QString why;
            const QString aside = MoveAside(location.path, &why);
            if (aside.isEmpty()) {
                *error = why;
                return nullptr;
            }
            if (movedAside) *movedAside = aside;
        }
        if (!impl) return nullptr;
    }
    QString ignored;
    impl->version = schema::StoredVersion(impl->db, &ignored);
    error->clear();
    return std::unique_ptr<History>(new History(std::move(impl)));
}

std::int64_t History::Record(const HistoryRun& run, QString* error) {
    Impl& d = *impl_;
    const diag::RunRecord& record = run.record;
    const app::ValidatorData& unit = record.unit;
    const int sensors = std::clamp<int>(unit.SensorCount, 0, kMaxSensors);
    if (!d.run(d.dialect == schema::Dialect::Sqlite ? QStringLiteral("BEGIN IMMEDIATE")
                                                    : QStringLiteral("BEGIN"),
               error)) {
        return 0;
    }
    const auto fail = [&] {
        QString ignored;
        d.run(QStringLiteral("ROLLBACK"), &ignored);
        return std::int64_t{0};
    };

    QSqlQuery insertRun(d.db);
    insertRun.prepare(QStringLiteral(
        "INSERT INTO runs (started_utc, tool, host, unit_type, serial, firmware, dataset, "
        "verdict, run_end, status_text, simulated, verdicts_shown, sensor_count, "
        "mechanism_count) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    const QDateTime started =
        record.started.isValid() ? record.started : QDateTime::currentDateTime();
    insertRun.addBindValue(TimeText(started));
    insertRun.addBindValue(ToolName(run.tool));
    insertRun.addBindValue(Bound(record.hostName));
    insertRun.addBindValue(Bound(unit.UnitType));
    insertRun.addBindValue(static_cast<qint64>(unit.SerialNumber));
    insertRun.addBindValue(Bound(record.version.FullFirmware));
    insertRun.addBindValue(Bound(record.dataset.DatasetCode));
    insertRun.addBindValue(VerdictName(record.end));
    insertRun.addBindValue(static_cast<int>(record.end));
    insertRun.addBindValue(Bound(record.statusText));
    insertRun.addBindValue(run.simulated ? 1 : 0);
    insertRun.addBindValue(VerdictsShown(record.shown) ? 1 : 0);
    insertRun.addBindValue(sensors);
    insertRun.addBindValue(record.table.MechanismCount());
    if (!Exec(insertRun, error)) return fail();
    if (!insertRun.next()) {
        *error = QCoreApplication::translate("zav", "the new run was given no number");
        return fail();
    }
    const qint64 id = insertRun.value(0).toLongLong();
    insertRun.finish();

    QSqlQuery insertSensor(d.db);
    insertSensor.prepare(QStringLiteral(
        "INSERT INTO run_sensors (run_id, sensor_index, name, code, type, gain1, gain2, "
        "path_tgt, paper_tgt, cal_divide, config_byte27, detect, detect_thresh, first_g1, "
        "first_g2, path_ach, paper_ach, clear_thresh, phase_delay, cal_status, cal_gain1, "
        "cal_gain2, cal_failed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?)"));
    for (int i = 0; i < sensors; ++i) {
        using app::ValueAt;
        const CalibrationRow calibration = static_cast<std::size_t>(i) < run.calibration.size()
                                               ? run.calibration[static_cast<std::size_t>(i)]
                                               : CalibrationRow{};
        const QVariantList values = {id,
                                     i,
                                     Bound(ValueAt(unit.SensorName, i)),
                                     ValueAt(unit.Code, i),
                                     ValueAt(unit.Type, i),
                                     ValueAt(unit.Gain1, i),
                                     ValueAt(unit.Gain2, i),
                                     ValueAt(unit.PathTgt, i),
                                     ValueAt(unit.PaperTgt, i),
                                     ValueAt(unit.CalDivide, i),
                                     ValueAt(unit.ConfigByte27, i),
                                     ValueAt(unit.Detect, i),
                                     ValueAt(unit.DetectThresh, i),
                                     ValueAt(unit.FirstG1, i),
                                     ValueAt(unit.FirstG2, i),
                                     ValueAt(unit.PathAch, i),
                                     ValueAt(unit.PaperAch, i),
                                     ValueAt(unit.ClearThresh, i),
                                     ValueAt(unit.PhaseDelay, i),
                                     Bound(calibration.status),
                                     Bound(calibration.gain1),
                                     Bound(calibration.gain2),
                                     calibration.failed ? 1 : 0};
        for (const QVariant& value : values) insertSensor.addBindValue(value);
        if (!Exec(insertSensor, error)) return fail();
    }

    QSqlQuery insertRow(d.db);
    insertRow.prepare(QStringLiteral(
        "INSERT INTO run_rows (run_id, row_index, path_min, path_read, path_max, path_pass, "
        "paper_min, paper_read, paper_max, paper_pass) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < record.table.RowCount(); ++i) {
        const diag::ResultRow& row = *record.table.Row(i);
        for (const QVariant& value :
             QVariantList{id, i, row.PathMin, row.PathRead, row.PathMax, row.PathPass ? 1 : 0,
                          row.PaperMin, row.PaperRead, row.PaperMax, row.PaperPass ? 1 : 0}) {
            insertRow.addBindValue(value);
        }
        if (!Exec(insertRow, error)) return fail();
    }
    if (!d.run(QStringLiteral("COMMIT"), error)) return fail();
    return id;
}

std::optional<std::vector<RunSummary>> History::List(const RunFilter& filter, QString* error) {
    QString sql = QStringLiteral(
        "SELECT id, started_utc, tool, unit_type, serial, firmware, verdict, simulated, host "
        "FROM runs WHERE 1 = 1");
    QVariantList values;
    if (!filter.serial.isEmpty()) {
        bool ok = false;
        const qint64 serial = filter.serial.toLongLong(&ok);
        if (!ok) return std::vector<RunSummary>{};
        sql += QStringLiteral(" AND serial = ?");
        values << serial;
    }
    if (!filter.unitType.isEmpty()) {
        sql += QStringLiteral(" AND unit_type = ?");
        values << filter.unitType;
    }
    if (!filter.verdict.isEmpty()) {
        sql += QStringLiteral(" AND verdict = ?");
        values << filter.verdict;
    }
    if (filter.since.isValid()) {
        sql += QStringLiteral(" AND started_utc >= ?");
        values << TimeText(filter.since);
    }
    if (filter.until.isValid()) {
        sql += QStringLiteral(" AND started_utc < ?");
        values << TimeText(filter.until);
    }
    if (filter.before) {
        sql += QStringLiteral(" AND (started_utc < ? OR (started_utc = ? AND id < ?))");
        values << TimeText(filter.before->time) << TimeText(filter.before->time)
               << static_cast<qint64>(filter.before->id);
    }
    sql += QStringLiteral(" ORDER BY started_utc DESC, id DESC LIMIT ?");
    values << std::clamp(filter.limit, 0, kMaxListed);

    QSqlQuery query(impl_->db);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values) query.addBindValue(value);
    if (!Exec(query, error)) return std::nullopt;
    std::vector<RunSummary> runs;
    while (query.next()) {
        RunSummary line;
        line.id = query.value(0).toLongLong();
        line.time = ReadTime(query.value(1));
        line.tool = query.value(2).toString() == ToolName(Tool::Initialise) ? Tool::Initialise
                                                                            : Tool::Diagnostic;
        line.unitType = ReadText(query.value(3));
        line.serial = SerialText(query.value(4).toLongLong());
        line.firmware = ReadText(query.value(5));
        line.verdict = ReadText(query.value(6));
        line.simulated = query.value(7).toLongLong() != 0;
        line.host = ReadText(query.value(8));
        runs.push_back(line);
    }
    return runs;
}

std::optional<HistoryRun> History::Load(std::int64_t id, QString* error) {
    error->clear();
    QSqlQuery query(impl_->db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT started_utc, tool, host, unit_type, serial, firmware, dataset, run_end, "
        "status_text, simulated, verdicts_shown, sensor_count, mechanism_count FROM runs "
        "WHERE id = ?"));
    query.addBindValue(static_cast<qint64>(id));
    if (!Exec(query, error) || !query.next()) return std::nullopt;
    HistoryRun run;
    run.id = id;
    diag::RunRecord& record = run.record;
    app::ValidatorData& unit = record.unit;
    const QDateTime started = ReadTime(query.value(0));
    record.started = started.isValid() ? started.toLocalTime() : started;
    run.tool = query.value(1).toString() == ToolName(Tool::Initialise) ? Tool::Initialise
                                                                       : Tool::Diagnostic;
    record.hostName = ReadText(query.value(2));
    unit.UnitType = ReadText(query.value(3));
    unit.SerialNumber = static_cast<double>(
        std::clamp<qint64>(query.value(4).toLongLong(), 0, std::numeric_limits<quint32>::max()));
    record.version.FullFirmware = ReadText(query.value(5));
    record.dataset.DatasetCode = ReadText(query.value(6));
    record.end = static_cast<diag::RunEnd>(
        std::clamp<qint64>(query.value(7).toLongLong(), static_cast<int>(diag::RunEnd::None),
                           static_cast<int>(diag::RunEnd::Failed)));
    record.statusText = ReadText(query.value(8));
    run.simulated = query.value(9).toLongLong() != 0;
    const bool verdictsShown = query.value(10).toLongLong() != 0;
    const int sensors =
        static_cast<int>(std::clamp<qint64>(query.value(11).toLongLong(), 0, kMaxSensors));
    const int mechanisms =
        static_cast<int>(std::clamp<qint64>(query.value(12).toLongLong(), 0, kMaxMechanisms));
    query.finish();

    unit.SensorCount = static_cast<std::int16_t>(sensors);
    unit.ResizeSensorLists(sensors);
    run.calibration.assign(static_cast<std::size_t>(run.tool == Tool::Initialise ? sensors : 0),
                           CalibrationRow{});
    QSqlQuery sensorQuery(impl_->db);
    sensorQuery.setForwardOnly(true);
    sensorQuery.prepare(QStringLiteral(
        "SELECT sensor_index, name, code, type, gain1, gain2, path_tgt, paper_tgt, cal_divide, "
        "config_byte27, detect, detect_thresh, first_g1, first_g2, path_ach, paper_ach, "
        "clear_thresh, phase_delay, cal_status, cal_gain1, cal_gain2, cal_failed "
        "FROM run_sensors WHERE run_id = ?"));
    sensorQuery.addBindValue(static_cast<qint64>(id));
    if (!Exec(sensorQuery, error)) return std::nullopt;
    while (sensorQuery.next()) {
        const qint64 index = sensorQuery.value(0).toLongLong();
        if (index < 0 || index >= sensors) continue;
        const auto i = static_cast<std::size_t>(index);
        const auto byte = [&](int column) {
            return ReadNumber<std::uint8_t>(sensorQuery.value(column));
        };
        const auto word = [&](int column) {
            return ReadNumber<std::int16_t>(sensorQuery.value(column));
        };
        unit.SensorName[i] = ReadText(sensorQuery.value(1));
        unit.Code[i] = byte(2);
        unit.Type[i] = byte(3);
        unit.Gain1[i] = byte(4);
        unit.Gain2[i] = byte(5);
        unit.PathTgt[i] = byte(6);
        unit.PaperTgt[i] = byte(7);
        unit.CalDivide[i] = byte(8);
        unit.ConfigByte27[i] = byte(9);
        unit.Detect[i] = byte(10);
        unit.DetectThresh[i] = word(11);
        unit.FirstG1[i] = byte(12);
        unit.FirstG2[i] = byte(13);
        unit.PathAch[i] = byte(14);
        unit.PaperAch[i] = byte(15);
        unit.ClearThresh[i] = word(16);
        unit.PhaseDelay[i] = word(17);
        if (i < run.calibration.size()) {
            run.calibration[i] = {ReadText(sensorQuery.value(18)), ReadText(sensorQuery.value(19)),
                                  ReadText(sensorQuery.value(20)),
                                  sensorQuery.value(21).toLongLong() != 0};
        }
    }
    sensorQuery.finish();

    // An initialisation has no result table.
    if (run.tool == Tool::Diagnostic) record.table.Recreate(sensors, mechanisms);
    QSqlQuery rowQuery(impl_->db);
    rowQuery.setForwardOnly(true);
    rowQuery.prepare(QStringLiteral(
        "SELECT row_index, path_min, path_read, path_max, path_pass, paper_min, paper_read, "
        "paper_max, paper_pass FROM run_rows WHERE run_id = ?"));
    rowQuery.addBindValue(static_cast<qint64>(id));
    if (!Exec(rowQuery, error)) return std::nullopt;
    while (rowQuery.next()) {
        diag::ResultRow* row = record.table.Row(static_cast<int>(
            std::clamp<qint64>(rowQuery.value(0).toLongLong(), -1, record.table.RowCount())));
        if (!row) continue;
        const auto byte = [&](int column) {
            return ReadNumber<std::uint8_t>(rowQuery.value(column));
        };
        *row = {byte(1), byte(2), byte(3), rowQuery.value(4).toLongLong() != 0,
                byte(5), byte(6), byte(7), rowQuery.value(8).toLongLong() != 0};
    }
    record.shown = diag::ShowResults(record.results(), verdictsShown);
    return run;
}

std::vector<QString> History::SensorNames(const QString& serial, QString* error) {
    QSqlQuery query(impl_->db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT DISTINCT s.name FROM run_sensors s JOIN runs r ON r.id = s.run_id "
                       "WHERE r.serial = ? AND r.tool = ? ORDER BY s.name LIMIT ?"));
    query.addBindValue(serial.toLongLong());
    query.addBindValue(ToolName(Tool::Diagnostic));
    query.addBindValue(kMaxSensors);
    std::vector<QString> names;
    if (!Exec(query, error)) return names;
    while (query.next()) names.push_back(ReadText(query.value(0)));
    return names;
}

std::vector<TrendPoint> History::SensorTrend(const QString& serial, const QString& name,
                                             QString* error) {
    QSqlQuery query(impl_->db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT r.id, r.started_utc, w.path_min, w.path_read, w.path_max, w.path_pass, "
        "w.paper_min, w.paper_read, w.paper_max, w.paper_pass FROM runs r "
        "JOIN run_sensors s ON s.run_id = r.id "
        "JOIN run_rows w ON w.run_id = r.id AND w.row_index = s.sensor_index "
        "WHERE r.serial = ? AND r.tool = ? AND s.name = ? AND r.verdict IN (?, ?) "
        "ORDER BY r.started_utc, r.id LIMIT ?"));
    query.addBindValue(serial.toLongLong());
    query.addBindValue(ToolName(Tool::Diagnostic));
    query.addBindValue(name);
    query.addBindValue(VerdictName(diag::RunEnd::Passed));
    query.addBindValue(VerdictName(diag::RunEnd::Failed));
    query.addBindValue(kMaxListed);
    std::vector<TrendPoint> points;
    if (!Exec(query, error)) return points;
    while (query.next()) {
        const auto byte = [&](int column) { return ReadNumber<std::uint8_t>(query.value(column)); };
        points.push_back({query.value(0).toLongLong(),
                          ReadTime(query.value(1)),
                          {byte(2), byte(3), byte(4), query.value(5).toLongLong() != 0, byte(6),
                           byte(7), byte(8), query.value(9).toLongLong() != 0}});
    }
    return points;
}

}  // namespace zav::history
