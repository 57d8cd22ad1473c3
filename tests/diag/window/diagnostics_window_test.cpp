// The diagnostics window against the in-process simulator with short ticks:
// what the engineer sees at each step of a run (texts, rows, colours,
// enabled buttons), Cancel, the green-paper time-out, saving, and closing
// the window at any moment of a run.
#include <sys/resource.h>

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <csignal>
#include <functional>
#include <memory>

#include "gui_test_support.h"
#include "serial_recorder.h"
#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/desktop/mdi_form_main.h"
#include "zav/diag/diagnostic_session.h"
#include "zav/diag/results_csv.h"
#include "zav/diag/window/frm_diag.h"
#include "zav/history/history.h"
#include "zav/history/recording.h"
#include "zav/lang/module_files.h"
#include "zav/sim/simulator.h"

using namespace std::chrono_literals;
using zav::desktop::MDIFormMain;
using zav::window::ToolWindowFrame;

namespace {

constexpr std::int16_t kPort = 114;
constexpr auto kTick = 20ms;

const QString kMakeSure =
    QStringLiteral("Make sure the equipment is ON and connected before starting diagnostic.");
const QString kGreenPaper = QStringLiteral("Please now insert a green paper.");
const QColor kGreen(0, 192, 0);
const QColor kRed(255, 0, 0);

// What the window shows at one moment.
struct Moment {
    QString status;
    bool start, ok, cancel, save;
    bool progressShown;
    QString countdown;  // empty while hidden
    friend bool operator==(const Moment&, const Moment&) = default;
};

struct Row {
    QString text;
    QString status;
    QColor colour;  // invalid: the list's own colour
};

QList<Row> rows(const QTreeWidget* list) {
    QList<Row> result;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        const QVariant brush = item->data(1, Qt::ForegroundRole);
        result << Row{item->text(0), item->text(1),
                      brush.isValid() ? brush.value<QBrush>().color() : QColor()};
    }
    return result;
}

}  // namespace

class DiagnosticsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        statusSqueezed_ = false;
        zav::test::setUpProgram();
        messages_ = std::make_unique<zav::test::MessageRecorder>();
        main_ = std::make_unique<MDIFormMain>();
        QVERIFY(main_->startUp({zav::lang::defaultModuleDirectory(), 0x409}));
        main_->setToolWindowFactory(zav::desktop::ToolKind::Diagnostics, [](auto& controls) {
            return zav::diag::window::openDiagnosticsWindow(controls, kTick);
        });
        main_->show();
    }
    void cleanup() {
        if (main_->toolWindow()) main_->toolWindow()->close();
        QTRY_VERIFY(!main_->toolWindow());
        main_.reset();
        unit_.reset();
        messages_.reset();
        zav::app::Link().CloseComm();
        zav::app::Serial().ClosePort();
    }

    // Tab starts at Start Diagnostic and reaches the lists last; every
    // control has a name, and the status line's name is what it says.
    void keyboardAndScreenReadersFindTheirWay() {
        openFromMenu();
        QCOMPARE(zav::test::tabOrder(*window()),
                 (QStringList{"bttnDIAG", "bttnSaveCSV", "bttnReport", "bttnOK", "bttnCancel",
                              "lvSensor", "lvMotor"}));
        QCOMPARE(window()->widget()->focusProxy(), button("bttnDIAG"));
        QCOMPARE(zav::test::unnamedControls(*window()).join(u','), QString());
        QCOMPARE(zav::test::accessibleName(label("lblDownload")), kMakeSure);
        QCOMPARE(zav::test::accessibleName(window()->findChild<QProgressBar*>()),
                 QStringLiteral("RAM utility download"));
    }

    // The French text 9 is "&Diagnostics", for the menu's access key; the
    // window's title drops it.
    void titleHasNoAccessKey() {
        zav::test::setUpProgram(QStringLiteral("fr"));
        openFromMenu();
        QCOMPARE(window()->windowTitle(), QStringLiteral("Diagnostics"));
    }

    // Opened from the toolbar: placed, titled and captioned as it loads;
    // a passed run of each model shows its rows in green, the buttons of
    // each step, and OK unloads it.
    void passedRunShowsEveryStep_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("motors");
        QTest::newRow("RX3") << "RX3" << QStringList{"Motor Fwd", "Motor Rev"};
        QTest::newRow("TM4") << "TM4" << QStringList{"Motor Fwd", "Motor Rev"};
        QTest::newRow("TM6") << "TM6"
                             << QStringList{"Motor Fwd", "Motor Rev", "Stacker", "Straightener"};
    }
    void passedRunShowsEveryStep() {
        QFETCH(QString, model);
        QFETCH(QStringList, motors);
        // The engineer takes a moment to insert the green paper.
        startUnit(model.toStdString(), {}, 0, 300);
        auto* toolbar = main_->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QAction* diagnostics = main_->findChild<QAction*>(QStringLiteral("mnuDiagnostics"));
        QTest::mouseClick(toolbar->widgetForAction(diagnostics), Qt::LeftButton);
        QVERIFY(window());
        QCOMPARE(window()->pos(), QPoint(7, 7));
        QCOMPARE(window()->windowTitle(), QStringLiteral("Diagnostics"));
        QVERIFY(!menu("mnuFile")->isEnabled() && !toolbar->isEnabled());
        QCOMPARE(button("bttnDIAG")->text(), QStringLiteral("Start Diagnostic"));
        QCOMPARE(button("bttnOK")->text(), QStringLiteral("OK"));
        QCOMPARE(button("bttnCancel")->text(), QStringLiteral("Cancel"));
        QCOMPARE(button("bttnSaveCSV")->text(), QStringLiteral("Save"));
        QCOMPARE(now(), (Moment{kMakeSure, true, true, true, false, false, {}}));
        QCOMPARE(list("lvSensor")->headerItem()->text(0), QStringLiteral("Sensor"));
        QCOMPARE(list("lvMotor")->headerItem()->text(0), QStringLiteral("Motor"));
        QCOMPARE(list("lvMotor")->headerItem()->text(1), QStringLiteral("Status"));
        QCOMPARE(list("lvSensor")->columnWidth(0), 133);  // 2000 twips
        QCOMPARE(list("lvSensor")->topLevelItemCount(), 0);

        zav::test::SerialRecorder serial;
        const QList<Moment> moments = runWatching();
        // During the run only Cancel of the green-paper step is enabled.
        bool downloadShown = false;
        bool countdownShown = false;
        // Cancel from the green-paper step on.
        bool greenPaperAsked = false;
        for (const Moment& m : moments.mid(0, moments.size() - 1)) {
            QVERIFY2(!m.start && !m.ok && !m.save, qPrintable(m.status));
            greenPaperAsked = greenPaperAsked || m.status == kGreenPaper;
            QCOMPARE(m.cancel, greenPaperAsked);
            downloadShown = downloadShown || m.progressShown;
            QVERIFY(!statusSqueezed_);
            countdownShown = countdownShown || !m.countdown.isEmpty();
        }
        QVERIFY(downloadShown);
        QVERIFY(greenPaperAsked && countdownShown);
        QCOMPARE(moments.last(), (Moment{"\nPASSED", true, true, true, true, false, {}}));
        QCOMPARE(label("lblDownload")->text(), QStringLiteral("\nPASSED"));
        const QStringList identity = label("lblRXType")->text().split(u'\n');
        QCOMPARE(identity.size(), 4);
        QVERIFY(identity[0].startsWith(QLatin1String(" Type")) &&
                identity[0].endsWith(u' ' + model));

        const QList<Row> sensors = rows(list("lvSensor"));
        QVERIFY(sensors.size() >= 16);
        for (const Row& row : sensors) {
            QCOMPARE(row.status, QStringLiteral("OK"));
            QCOMPARE(row.colour, kGreen);
        }
        QStringList motorNames;
        for (const Row& row : rows(list("lvMotor"))) {
            motorNames << row.text;
            QCOMPARE(row.colour, kGreen);
        }
        QCOMPARE(motorNames, motors);
        QVERIFY(messages_->lines().isEmpty());

        QPointer<ToolWindowFrame> frame = window();
        QTest::mouseClick(button("bttnOK"), Qt::LeftButton);
        QTRY_VERIFY(!frame);
        QCOMPARE(serial.sent(0x82), 1);
        QCOMPARE(serial.callsAfterLeave(), QStringList{"close"});
        QVERIFY(menu("mnuFile")->isEnabled() && toolbar->isEnabled());
    }

    // A reading out of its limits: the run fails and shows that row in red.
    void failedRunShowsRedRows() {
        startUnit("TM6", {"pathfail=3"});
        openFromMenu();
        const QList<Moment> moments = runWatching();
        QCOMPARE(moments.last().status, QStringLiteral("\nFAILED"));
        QVERIFY(moments.last().save);
        const QList<Row> sensors = rows(list("lvSensor"));
        QCOMPARE(sensors[3].status, QStringLiteral("FAIL"));
        QCOMPARE(sensors[3].colour, kRed);
        QCOMPARE(sensors[2].colour, kGreen);
    }

    // Cancel in the green-paper step stops the utility (0x87) and shows the
    // verdicts reached; without Cancel the time-out enables Save.
    void greenPaperCancelAndTimeOut() {
        startUnit("TM6", {"nopaper"});
        openFromMenu();
        zav::test::SerialRecorder serial;
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, this, [&] {
            if (button("bttnCancel")->isEnabled() && !button("bttnOK")->isEnabled()) {
                cancel.stop();
                QCOMPARE(label("lblPaperCountdown")->isVisible(), true);
                QVERIFY(label("lblPaperCountdown")->text().endsWith(QLatin1String(" s")));
                QTest::mouseClick(button("bttnCancel"), Qt::LeftButton);
            }
        });
        cancel.start(5);
        QList<Moment> moments = runWatching();
        QCOMPARE(moments.last(), (Moment{"FAILED", true, true, true, false, false, {}}));
        QCOMPARE(serial.sent(0x87), 1);
        for (const Row& row : rows(list("lvMotor"))) QCOMPARE(row.status, QStringLiteral("OK"));
        QCOMPARE(rows(list("lvSensor"))[0].status, QStringLiteral("FAIL"));

        moments = runWatching();
        QCOMPARE(moments.last(),
                 (Moment{"No green paper. Test timeout!", true, true, true, true, false, {}}));
        QVERIFY(moments.contains(
            Moment{kGreenPaper, false, false, true, false, false, QStringLiteral("6 s")}));
        QCOMPARE(serial.sent(0x87), 2);
    }

    // A second run while the RAM utility still runs: no identification, no
    // download, "Not Tested" rows until the verdict.
    void utilityStillRunningSkipsToTheTests() {
        startUnit("TM4");
        openFromMenu();
        QCOMPARE(runWatching().last().status, QStringLiteral("\nPASSED"));

        QStringList notTested;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            const QList<Row> sensors = rows(list("lvSensor"));
            if (!sensors.isEmpty() && sensors[0].status == QLatin1String("Not Tested")) {
                notTested << label("lblDownload")->text();
            }
        });
        watch.start(2);
        const QList<Moment> moments = runWatching();
        QVERIFY(!notTested.isEmpty());
        for (const Moment& m : moments) {
            QVERIFY(m.status != QLatin1String("Getting sensor data from device..."));
            QVERIFY(!m.progressShown);
        }
        QCOMPARE(moments.last().status, QStringLiteral("\nPASSED"));
        QCOMPARE(rows(list("lvSensor"))[0].status, QStringLiteral("OK"));
    }

    // Save: the dialog as named, the same bytes as zavdiag writes for the
    // same unit, an overwrite only after a confirmation, and Cancel writes
    // nothing.
    // The run goes to the history after its verdict, as its results file
    // would have it; a history that cannot be written warns once and the
    // verdict stands.
    void runIsRecordedInTheHistory() {
        QTemporaryDir folder;
        const QByteArray before = qgetenv("ZAV_HISTORY");
        const QString path = folder.filePath(QStringLiteral("history.sqlite"));
        qputenv("ZAV_HISTORY", path.toLocal8Bit());
        startUnit("TM6");
        openFromMenu();
        QCOMPARE(runWatching().last().status, QStringLiteral("\nPASSED"));
        const zav::diag::DiagnosticSession& session =
            window()->findChild<zav::diag::window::FrmDiag*>()->session();
        zav::history::Location location;
        QString error;
        QVERIFY(zav::history::ParseLocation(path, &location, &error));
        std::optional<std::vector<zav::history::RunSummary>> runs;
        QTRY_VERIFY((runs = zav::history::History::Open(location, &error)->List({}, &error)) &&
                    runs->size() == 1);
        QCOMPARE(runs->front().verdict, QStringLiteral("PASSED"));
        QVERIFY(runs->front().simulated);
        const auto run =
            zav::history::History::Open(location, &error)->Load(runs->front().id, &error);
        QVERIFY(run);
        QCOMPARE(zav::diag::ResultsCsv(run->record.results(), run->record.shown),
                 zav::diag::ResultsCsv(session.resultData(), session.results()));
        QVERIFY(messages_->lines().isEmpty());

        const QString blocked = folder.filePath(QStringLiteral("history.sqlite/no/history.sqlite"));
        qputenv("ZAV_HISTORY", blocked.toLocal8Bit());
        QCOMPARE(runWatching().last().status, QStringLiteral("\nPASSED"));
        QTRY_COMPARE(messages_->lines().size(), 1);
        QVERIFY(messages_->lines()[0].contains(blocked));
        QCOMPARE(label("lblDownload")->text(), QStringLiteral("\nPASSED"));
        qputenv("ZAV_HISTORY", before);
    }

    void saveWritesWhatZavdiagWrites() {
        startUnit("TM6");
        openFromMenu();
        QCOMPARE(runWatching().last().status, QStringLiteral("\nPASSED"));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tm6.csv"));
        // A home of the test's own: without a Documents folder the dialog
        // opens in the home folder, which exists; with one, in it.
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", folder.path().toLocal8Bit());
        QFileDialog* dialog = openSaveDialog();
        QCOMPARE(QDir(dialog->directory()).absolutePath(), QDir(folder.path()).absolutePath());
        dialog->reject();
        QTRY_VERIFY(!window()->findChild<QFileDialog*>());
        QDir(folder.path()).mkpath(QStringLiteral("Documents"));

        dialog = openSaveDialog();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Save test data"));
        QCOMPARE(dialog->nameFilters(), QStringList{"*.csv"});
        QCOMPARE(QDir(dialog->directory()).absolutePath(),
                 QDir(folder.filePath(QStringLiteral("Documents"))).absolutePath());
        qputenv("HOME", home);
        const QString proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        QVERIFY2(QRegularExpression(QStringLiteral("^TM6_\\d{8}_\\d{6}\\.csv$"))
                     .match(proposed)
                     .hasMatch(),
                 qPrintable(proposed));
        chooseFile(dialog, path);
        // The verdict stays in sight, the saved note below it.
        QCOMPARE(label("lblDownload")->text(),
                 QStringLiteral("\nPASSED\nDiagnostics results saved in .CSV file."));
        QVERIFY(messages_->lines().isEmpty());

        QProcess zavdiag;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), QStringLiteral("en_GB.UTF-8"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath("config"));
        zavdiag.setProcessEnvironment(environment);
        const QString expected = folder.filePath(QStringLiteral("zavdiag.csv"));
        zavdiag.start(QStringLiteral(ZAVDIAG_PATH),
                      {"diagnose", "--simulate", "TM6", "--csv", expected});
        QVERIFY(zavdiag.waitForFinished(60000));
        QCOMPARE(zavdiag.exitCode(), 0);
        QCOMPARE(contents(path), contents(expected));

        // The same name again: the dialog opens in the folder last used and
        // asks before it overwrites; No keeps the file.
        QFile::resize(path, 10);
        dialog = openSaveDialog();
        QCOMPARE(QDir(dialog->directory()).absolutePath(), QDir(folder.path()).absolutePath());
        QStringList asked;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked << box->text();
                box->button(QMessageBox::No)->click();
            }
        });
        answer.start(5);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // the Save button
        answer.stop();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(QFileInfo(path).size(), 10);
        dialog->reject();
        QTRY_VERIFY(!window()->findChild<QFileDialog*>());
        QCOMPARE(QFileInfo(path).size(), 10);
        QCOMPARE(label("lblDownload")->text(),
                 QStringLiteral("\nPASSED\nDiagnostics results saved in .CSV file."));
        QVERIFY(messages_->lines().isEmpty());
    }

    // Report… beside Save: enabled with it, PDF or HTML by the chosen filter
    // under the results file's name.
    void reportBesideSave() {
        startUnit("RX3");
        openFromMenu();
        QVERIFY(!button("bttnReport")->isEnabled());
        QCOMPARE(runWatching().last().status, QStringLiteral("\nPASSED"));
        QVERIFY(button("bttnReport")->isEnabled());
        QTemporaryDir folder;

        QTest::mouseClick(button("bttnReport"), Qt::LeftButton);
        QFileDialog* dialog = window()->findChild<QFileDialog*>();
        QVERIFY(dialog);
        QCOMPARE(dialog->nameFilters(), (QStringList{"*.pdf", "*.html"}));
        const QString proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        QVERIFY2(QRegularExpression(QStringLiteral("^RX3_\\d{8}_\\d{6}\\.pdf$"))
                     .match(proposed)
                     .hasMatch(),
                 qPrintable(proposed));
        chooseFile(dialog, folder.filePath(QStringLiteral("report.pdf")));
        QVERIFY(contents(folder.filePath(QStringLiteral("report.pdf"))).startsWith("%PDF"));

        QTest::mouseClick(button("bttnReport"), Qt::LeftButton);
        dialog = window()->findChild<QFileDialog*>();
        QVERIFY(dialog);
        dialog->selectNameFilter(QStringLiteral("*.html"));
        emit dialog->filterSelected(QStringLiteral("*.html"));
        chooseFile(dialog, folder.filePath(QStringLiteral("report")));
        QVERIFY(contents(folder.filePath(QStringLiteral("report.html"))).contains("<html"));
        QVERIFY(messages_->lines().isEmpty());
    }

    // A folder the file cannot be written to: text 89, and no file.
    void saveThatFailsShowsItsTextAndLeavesNoFile() {
        startUnit("RX3");
        openFromMenu();
        runWatching();
        // The run's recording is written before files are limited.
        QVERIFY(zav::history::WaitForRecordings(10000));
        QTemporaryDir folder;
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        // Root writes into a read-only folder anyway; a file size limit of
        // nothing stops the write itself.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = saved;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
        const QString path = folder.filePath(QStringLiteral("rx3.csv"));
        chooseFile(openSaveDialog(), path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Text 89 with the file and the system's reason.
        QCOMPARE(messages_->lines().size(), 1);
        QVERIFY2(
            messages_->lines()[0].startsWith(QStringLiteral("Warning: Couldn't save results!\n") +
                                             path + QStringLiteral(": ")),
            qPrintable(messages_->lines()[0]));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
        QVERIFY(button("bttnSaveCSV")->isEnabled());
    }

    // The close box at any step: the window goes at once, the green-paper
    // step ends as Cancel ends it, the unload sends 0x82 once with nothing
    // after it, the session and its timers go, the
    // main window is usable again, and no message appears.
    void closingDuringEveryStep_data() {
        QTest::addColumn<QString>("when");
        QTest::newRow("0 probe") << "";
        QTest::newRow("1 download") << "Data fetched!";
        QTest::newRow("2 entry") << "Ram file download completed!";
        QTest::newRow("4 start of tests") << "Download sensor gains!";
        QTest::newRow("5 stacker") << QString::fromUtf8("Testing\u2026");
        QTest::newRow("6 opto wheel") << "Stacker tested!";
        QTest::newRow("7 straightener") << "Optowheel tested!";
        QTest::newRow("8 paper-less") << "Straightener tested!";
        QTest::newRow("9 green paper") << kGreenPaper;
    }
    void closingDuringEveryStep() {
        QFETCH(QString, when);
        // The green paper never comes, so its step lasts.
        if (when == kGreenPaper) {
            startUnit("TM6", {"nopaper"}, 200);
        } else {
            startUnit("TM6", {}, 200);
        }
        openFromMenu();
        QPointer<ToolWindowFrame> frame = window();
        QPointer<QObject> session = &frame->findChild<zav::diag::window::FrmDiag*>()->session();
        zav::test::SerialRecorder serial;
        bool hiddenAtOnce = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (window() && label("lblDownload")->text() == when && button("bttnOK") &&
                !button("bttnOK")->isEnabled()) {
                watch.stop();
                frame->close();
                hiddenAtOnce = !frame->isVisible();
            }
        });
        watch.start(1);
        QTest::mouseClick(button("bttnDIAG"), Qt::LeftButton);
        QTRY_VERIFY(!frame);
        QVERIFY(hiddenAtOnce);
        QVERIFY(!session);
        QCOMPARE(serial.sent(0x82), 1);
        // The green-paper step ends as its Cancel would, with 0x87 first.
        QCOMPARE(serial.sent(0x87), when == kGreenPaper ? 1 : 0);
        QCOMPARE(serial.callsAfterLeave(), QStringList{"close"});
        QVERIFY(messages_->lines().isEmpty());
        QVERIFY(menu("mnuFile")->isEnabled());
        // Nothing is left running that could still send.
        QTest::qWait(100);
        QCOMPARE(serial.callsAfterLeave(), QStringList{"close"});
    }

    // A unit that vanishes in the middle of a run, then a port that is no
    // serial device: each ends with its text and the next run can start.
    void vanishedUnitAndAPortThatIsNoDevice() {
        Simulator& unit = startUnit("TM6", {"nopaper"});
        openFromMenu();
        QTimer pull;
        connect(&pull, &QTimer::timeout, this, [&] {
            if (label("lblDownload")->text() == kGreenPaper) {
                pull.stop();
                unit.stop();
            }
        });
        pull.start(2);
        QCOMPARE(runWatching().last().start, true);
        QVERIFY(button("bttnDIAG")->isEnabled());

        qputenv("ZAV_COM115", "/dev/null");
        zav::app::SetCurrentPort(115);
        const QList<Moment> moments = runWatching();
        QVERIFY(!moments.last().status.isEmpty());
        QCOMPARE(moments.last().start, true);
        QCOMPARE(moments.last().ok, true);
        qunsetenv("ZAV_COM115");
    }

  private:
    using Simulator = zav::sim::Simulator;

    Simulator& startUnit(const std::string& model, std::initializer_list<const char*> faults = {},
                         int testStepMs = 0, int paperDelayMs = 0) {
        zav::sim::Options options;
        options.model = model;
        options.test_step_ms = testStepMs;
        options.paper_delay_ms = paperDelayMs;
        unit_ = std::make_unique<Simulator>(options);
        for (const char* text : faults) {
            std::string why;
            if (!unit_->add_fault_text(text, &why)) {
                const QByteArray failure = QByteArray(text) + ": " + why.c_str();
                QTest::qFail(failure.constData(), __FILE__, __LINE__);
            }
        }
        unit_->start();
        unit_->export_port(kPort);
        zav::app::SetCurrentPort(kPort);
        return *unit_;
    }

    void openFromMenu() { main_->findChild<QAction*>(QStringLiteral("mnuDiagnostics"))->trigger(); }
    ToolWindowFrame* window() const { return main_->toolWindow(); }
    QPushButton* button(const char* name) const {
        return window() ? window()->findChild<QPushButton*>(QLatin1String(name)) : nullptr;
    }
    QLabel* label(const char* name) const {
        return window()->findChild<QLabel*>(QLatin1String(name));
    }
    QTreeWidget* list(const char* name) const {
        return window()->findChild<QTreeWidget*>(QLatin1String(name));
    }
    QAction* menu(const char* name) const {
        return main_->findChild<QMenu*>(QLatin1String(name))->menuAction();
    }

    Moment now() const {
        const QLabel* countdown = label("lblPaperCountdown");
        return {label("lblDownload")->text(),
                button("bttnDIAG")->isEnabled(),
                button("bttnOK")->isEnabled(),
                button("bttnCancel")->isEnabled(),
                button("bttnSaveCSV")->isEnabled(),
                window()->findChild<QProgressBar*>()->isVisible(),
                countdown->isVisible() ? countdown->text() : QString()};
    }

    // Starts a run with the button and records every new moment until it
    // has ended; the last one is the window after the run.
    QList<Moment> runWatching() {
        QList<Moment> moments;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!window()) return;
            const Moment m = now();
            if (moments.isEmpty() || !(moments.last() == m)) moments << m;
            // The status line keeps its room and stays below the lists,
            // also while the download's bar shows.
            const QLabel* status = label("lblDownload");
            if (status->height() < status->minimumHeight() ||
                status->geometry().top() < list("lvSensor")->geometry().bottom()) {
                statusSqueezed_ = true;
            }
        });
        watch.start(1);
        QTest::mouseClick(button("bttnDIAG"), Qt::LeftButton);
        watch.stop();
        moments << now();
        return moments;
    }

    QFileDialog* openSaveDialog() {
        QTest::mouseClick(button("bttnSaveCSV"), Qt::LeftButton);
        QFileDialog* dialog = window()->findChild<QFileDialog*>();
        [&] { QVERIFY(dialog && dialog->isVisible()); }();
        return dialog;
    }
    void chooseFile(QFileDialog* dialog, const QString& path) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // the Save button
        QTRY_VERIFY(!window()->findChild<QFileDialog*>());
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    std::unique_ptr<zav::test::MessageRecorder> messages_;
    std::unique_ptr<Simulator> unit_;
    std::unique_ptr<MDIFormMain> main_;
    bool statusSqueezed_ = false;
};

QTEST_MAIN(DiagnosticsWindowTest)
#include "diagnostics_window_test.moc"
