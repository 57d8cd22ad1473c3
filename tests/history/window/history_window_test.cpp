// The History window as an engineer uses it: the newest runs first, more as
// the list scrolls, filters, a run opened read-only with its results as the
// diagnostics window showed them, and a unit's trend.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "gui_test_support.h"
#include "sample_run.h"
#include "zav/desktop/mdi_form_main.h"
#include "zav/diag/window/frm_diag.h"
#include "zav/history/window/frm_history.h"
#include "zav/lang/module_files.h"

using zav::desktop::MDIFormMain;

class HistoryWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        before_ = qgetenv("ZAV_HISTORY");
        const QString path = dir_.filePath(QStringLiteral("history.sqlite"));
        qputenv("ZAV_HISTORY", path.toLocal8Bit());
        zav::history::Location location;
        QString error;
        QVERIFY(zav::history::ParseLocation(path, &location, &error));
        auto history = zav::history::History::Open(location, &error);
        QVERIFY(history);
        const QDateTime start(QDate(2026, 1, 5), QTime(8, 0), Qt::UTC);
        for (int i = 0; i < kRuns; ++i) {
            // Unit 7 fails its sensor 3 every fourth run.
            const bool seven = i % 10 == 0;
            auto run = zav::history::test::SampleRun(i, seven ? 7.0 : 1000.0 + i,
                                                     seven && i % 40 == 0 ? 2 : -1);
            run.record.started = start.addSecs(3600LL * i);
            QVERIFY(history->Record(run, &error) > 0);
        }
    }
    void cleanupTestCase() { qputenv("ZAV_HISTORY", before_); }

    void init() {
        zav::test::setUpProgram();
        main_ = std::make_unique<MDIFormMain>();
        QVERIFY(main_->startUp({zav::lang::defaultModuleDirectory(), 0x409}));
        main_->setToolWindowFactory(zav::desktop::ToolKind::History, [](auto& controls) {
            return zav::history::window::openHistoryWindow(
                controls, [](const zav::diag::RunRecord& run, QWidget* parent) {
                    return new zav::diag::window::RecordedRunView(run, parent);
                });
        });
        main_->show();
        main_->findChild<QAction*>(QStringLiteral("mnuHistory"))->trigger();
        QVERIFY(main_->toolWindow());
    }
    void cleanup() {
        if (main_->toolWindow()) main_->toolWindow()->close();
        QTRY_VERIFY(!main_->toolWindow());
        main_.reset();
    }

    // The first page at once, newest first, and the rest as the list scrolls.
    void newestFirstAndMoreAsItScrolls() {
        QTableView* table = runs();
        QCOMPARE(table->model()->rowCount(), zav::history::HistoryListModel::kPage);
        QCOMPARE(cell(0, 0), QDateTime(QDate(2026, 1, 5), QTime(8, 0), Qt::UTC)
                                 .addSecs(3600LL * (kRuns - 1))
                                 .toLocalTime()
                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        for (int page = 0; page < 5 && table->model()->rowCount() < kRuns; ++page) {
            table->scrollToBottom();
            QTest::qWait(50);
        }
        QCOMPARE(table->model()->rowCount(), kRuns);
        QCOMPARE(cell(kRuns - 1, 3), QStringLiteral("7"));
    }

    void filtersPickTheirRuns() {
        auto* serial = window()->findChild<QLineEdit*>(QStringLiteral("txtSerial"));
        serial->setText(QStringLiteral("7"));
        emit serial->editingFinished();
        QCOMPARE(runs()->model()->rowCount(), kRuns / 10);
        auto* verdict = window()->findChild<QComboBox*>(QStringLiteral("cboVerdict"));
        verdict->setCurrentIndex(verdict->findData(QStringLiteral("FAILED")));
        QCOMPARE(runs()->model()->rowCount(), kRuns / 40);
        for (int row = 0; row < runs()->model()->rowCount(); ++row)
            QCOMPARE(cell(row, 5), QStringLiteral("FAILED"));
    }

    // The newest failed run of unit 7 opens with sensor 3 red, Save and
    // Report at hand; Back returns to the list.
    void runOpensReadOnlyWithItsResults() {
        auto* serial = window()->findChild<QLineEdit*>(QStringLiteral("txtSerial"));
        serial->setText(QStringLiteral("7"));
        emit serial->editingFinished();
        auto* verdict = window()->findChild<QComboBox*>(QStringLiteral("cboVerdict"));
        verdict->setCurrentIndex(verdict->findData(QStringLiteral("FAILED")));
        runs()->selectRow(0);
        QTest::mouseClick(button("bttnOpen"), Qt::LeftButton);
        auto* view = window()->findChild<zav::diag::window::RecordedRunView*>();
        QVERIFY(view && view->isVisible());
        auto* sensors = view->findChild<QTreeWidget*>(QStringLiteral("lvSensor"));
        QCOMPARE(sensors->topLevelItemCount(), 26);
        QCOMPARE(sensors->topLevelItem(2)->text(1), QStringLiteral("FAIL"));
        QCOMPARE(sensors->topLevelItem(3)->text(1), QStringLiteral("OK"));
        QVERIFY(view->findChild<QLabel*>(QStringLiteral("lblRXType"))
                    ->text()
                    .contains(QStringLiteral("7")));
        QVERIFY(view->findChild<QPushButton*>(QStringLiteral("bttnSaveCSV"))->isEnabled());
        QVERIFY(view->findChild<QPushButton*>(QStringLiteral("bttnReport"))->isEnabled());
        QTest::mouseClick(button("bttnBack"), Qt::LeftButton);
        QTRY_VERIFY(!window()->findChild<zav::diag::window::RecordedRunView*>());
        QVERIFY(runs()->isVisible());
    }

    // The trend of the selected unit lists its sensors.
    void trendOffersTheUnitsSensors() {
        auto* serial = window()->findChild<QLineEdit*>(QStringLiteral("txtSerial"));
        serial->setText(QStringLiteral("7"));
        emit serial->editingFinished();
        auto* sensor = window()->findChild<QComboBox*>(QStringLiteral("cboSensor"));
        QCOMPARE(sensor->count(), 26);
        auto* history = window()->findChild<zav::history::window::FrmHistory*>();
        QCOMPARE(history->session().trend(QStringLiteral("7"), sensor->currentText()).size(),
                 static_cast<std::size_t>(kRuns / 10));
    }

  private:
    static constexpr int kRuns = 600;
    QWidget* window() const { return main_->toolWindow(); }
    QTableView* runs() const { return window()->findChild<QTableView*>(QStringLiteral("tblRuns")); }
    QPushButton* button(const char* name) const {
        return window()->findChild<QPushButton*>(QLatin1String(name));
    }
    QString cell(int row, int column) const {
        return runs()->model()->index(row, column).data().toString();
    }

    QTemporaryDir dir_;
    QByteArray before_;
    std::unique_ptr<MDIFormMain> main_;
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
