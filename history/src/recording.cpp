#include "zav/history/recording.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

#include "zav/base/messages.h"
#include "zav/history/history.h"

namespace zav::history {
namespace {

struct Outcome {
    bool recorded = false;
    QString warning;  // empty when there is nothing to say
};

// Records in the SQLite file at `location`; the warning names the file.
Outcome RecordInFile(const HistoryRun& run, const Location& location) {
    QString error;
    QString movedAside;
    Outcome outcome;
    const auto history = History::Open(location, &error, &movedAside);
    if (history && history->Record(run, &error) != 0) outcome.recorded = true;
    if (!movedAside.isEmpty()) {
        outcome.warning = QCoreApplication::translate(
                              "zav",
                              "The service history %1 was damaged. It was kept as %2 and a new "
                              "history was started.")
                              .arg(location.path, movedAside);
    }
    if (!outcome.recorded) {
        if (!outcome.warning.isEmpty()) outcome.warning += u'\n';
        outcome.warning += QCoreApplication::translate(
                               "zav",
                               "The run could not be recorded in the service history %1: %2. "
                               "The run's result stands.")
                               .arg(location.path, error);
    }
    return outcome;
}

Outcome Record(const HistoryRun& run) {
    Location location;
    QString error;
    if (!ChosenLocation(&location, &error)) {
        Outcome local = RecordInFile(run, location);
        const QString where = local.recorded
                                  ? QCoreApplication::translate(
                                        "zav", "The run was kept in the local history %1 instead.")
                                        .arg(location.path)
                                  : local.warning;
        return {local.recorded,
                QCoreApplication::translate("zav", "The service history cannot be used: %1.")
                        .arg(error) +
                    u'\n' + where};
    }
    if (location.kind == Location::Kind::Sqlite) return RecordInFile(run, location);

    const auto server = History::Open(location, &error);
    if (server && server->Record(run, &error) != 0) return {true, {}};
    // Nothing is lost: the run goes to this computer's own history.
    Location local;
    QString ignored;
    ParseLocation(QString(), &local, &ignored);
    Outcome kept = RecordInFile(run, local);
    QString warning = QCoreApplication::translate(
                          "zav", "The history server %1 could not be reached or written: %2.")
                          .arg(location.shown, error) +
                      u'\n';
    warning += kept.recorded ? QCoreApplication::translate(
                                   "zav", "The run was kept in the local history %1 instead.")
                                   .arg(local.path)
                             : kept.warning;
    return {kept.recorded, warning};
}

// One worker: recordings of one program are made in the order of their
// runs. It belongs to the application, which waits for it and ends its
// thread before the program's own ending tears Qt down.
QThreadPool& Recorder() {
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setMaxThreadCount(1);
    }
    return *pool;
}

void Warn(const QString& warning) {
    if (!warning.isEmpty()) base::showMessage(warning, base::MessageIcon::Warning);
}

}  // namespace

bool RecordRun(const HistoryRun& run) {
    if (!ReachedUnit(run)) return false;
    const Outcome outcome = Record(run);
    Warn(outcome.warning);
    return outcome.recorded;
}

void RecordRunInBackground(HistoryRun run) {
    if (!ReachedUnit(run)) return;
    if (!QCoreApplication::instance()) {
        RecordRun(run);
        return;
    }
    Recorder().start([run = std::move(run)] {
        const Outcome outcome = Record(run);
        if (outcome.warning.isEmpty()) return;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(
                app, [warning = outcome.warning] { Warn(warning); }, Qt::QueuedConnection);
        }
    });
}

bool WaitForRecordings(int timeoutMs) {
    return Recorder().waitForDone(timeoutMs);
}

}  // namespace zav::history
