// The service history's readers over what another program may have left:
// the first byte chooses a hostile file (the rest is the whole SQLite file)
// or hostile rows (the rest fills the columns of one run of a good history,
// by type, with any value). Each run is listed, loaded and turned into its
// results file and report, as zavdiag history --show does.
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdint>
#include <cstdlib>

#include "qt_fuzz_support.h"
#include "zav/diag/results_csv.h"
#include "zav/diag/service_report.h"
#include "zav/history/history.h"

namespace {

using zav::history::History;

// Reads values off the input, by type, until it runs out.
class Values {
  public:
    Values(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    QVariant Next() {
        if (at_ >= size_) return QVariant(0);
        const std::uint8_t kind = data_[at_++] % 4;
        if (kind == 0) return QVariant();  // NULL
        if (kind == 1) return QVariant(static_cast<qint64>(Number()));
        if (kind == 2) return QVariant(static_cast<double>(Number()) / 3.0);
        const std::size_t length = at_ < size_ ? data_[at_++] % 64 : 0;
        QByteArray text;
        for (std::size_t i = 0; i < length && at_ < size_; ++i)
            text += static_cast<char>(data_[at_++]);
        return QString::fromUtf8(text);
    }

  private:
    std::int64_t Number() {
        std::uint64_t value = 0;
        for (int i = 0; i < 8 && at_ < size_; ++i) value = (value << 8) | data_[at_++];
        return static_cast<std::int64_t>(value);
    }
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void ReadEverything(History& history) {
    QString error;
    const auto runs = history.List({}, &error);
    if (!runs) return;
    for (const zav::history::RunSummary& line : *runs) {
        const auto run = history.Load(line.id, &error);
        if (!run) continue;
        zav::diag::ResultsCsv(run->record.results(), run->record.shown);
        zav::diag::ServiceReport(run->record, zav::diag::ReportFormat::Html);
        for (const QString& name : history.SensorNames(line.serial, &error))
            history.SensorTrend(line.serial, name, &error);
    }
}

std::unique_ptr<History> OpenAt(const QString& path) {
    zav::history::Location location;
    QString error;
    zav::history::ParseLocation(path, &location, &error);
    return History::Open(location, &error);
}

void HostileRows(const QString& path, const std::uint8_t* data, std::size_t size) {
    if (!OpenAt(path)) return;  // the schema
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fuzz");
        db.setDatabaseName(path);
        if (db.open()) {
            Values values(data, size);
            const char* const inserts[] = {
                "INSERT INTO runs VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                "INSERT INTO run_sensors VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                "?, ?, ?, ?, ?, ?, ?)",
                "INSERT INTO run_rows VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"};
            const int columns[] = {15, 23, 10};
            // One run's rows; the run's id and the rows' run are the first value.
            for (int table = 0; table < 3; ++table) {
                const int repeats = table == 0 ? 1 : 4;
                for (int r = 0; r < repeats; ++r) {
                    QSqlQuery insert(db);
                    insert.prepare(QLatin1String(inserts[table]));
                    insert.addBindValue(1);
                    for (int c = 1; c < columns[table]; ++c) insert.addBindValue(values.Next());
                    insert.exec();
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase("fuzz");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zav::fuzz::StartQtCore();
    if (size < 1) return 0;
    QTemporaryDir dir(QStringLiteral("/tmp/zav_fuzz_history_XXXXXX"));
    if (!dir.isValid()) std::abort();
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    if (data[0] % 2 == 0) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return 0;
        file.write(reinterpret_cast<const char*>(data + 1), static_cast<qint64>(size - 1));
    } else {
        HostileRows(path, data + 1, size - 1);
    }
    if (auto history = OpenAt(path)) ReadEverything(*history);
    return 0;
}
