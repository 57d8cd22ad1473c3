#include "large_history.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include "zav/history/history.h"

namespace zav::history::bench {

bool FillHistory(const QString& path, int runs, int serials) {
    Location location;
    QString error;
    ParseLocation(path, &location, &error);
    if (!History::Open(location, &error)) return false;
    bool filled = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
        db.setDatabaseName(path);
        if (db.open() && db.transaction()) {
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral(
                "INSERT INTO runs (started_utc, tool, host, unit_type, serial, firmware, dataset, "
                "verdict, run_end, status_text, simulated, verdicts_shown, sensor_count, "
                "mechanism_count) VALUES (?, 'diagnostic', 'bench', 'TM6', ?, "
                "'TM0006 V0118 TM6', 'EUR06110', ?, 4, '', 0, 1, 26, 4)"));
            const QDateTime start(QDate(2020, 1, 1), QTime(8, 0), Qt::UTC);
            filled = true;
            for (int i = 0; i < runs && filled; ++i) {
                insert.addBindValue(start.addSecs(600LL * i).toString(Qt::ISODateWithMs));
                insert.addBindValue(100000 + (i * 7919) % serials);
                insert.addBindValue(i % 13 == 0 ? QStringLiteral("FAILED")
                                                : QStringLiteral("PASSED"));
                filled = insert.exec();
            }
            filled = db.commit() && filled;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("fill");
    return filled;
}

}  // namespace zav::history::bench
