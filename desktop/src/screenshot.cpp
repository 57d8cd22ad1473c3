// zav_screenshot OUTDIR [program options]: runs the program (from the
// build's program directory), opens each of its windows in turn and writes
// one PNG per window to OUTDIR. A window joins with one line in kShots.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <set>

#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/base/program_directory.h"
#include "zav/desktop/program.h"
#include "zav/history/recording.h"
#include "zav/lang/text_ids.h"
#include "zav/programming/window/frm_program.h"
#include "zav/sim/simulator.h"
#include "zav/window/tool_window_frame.h"

namespace {

using zav::desktop::MDIFormMain;

struct Shot {
    const char* file;    // OUTDIR/<file>.png
    const char* opener;  // object name of the menu entry that opens it; a
                         // menu's own name shows the menu open; null: the
                         // main window as it starts
};

constexpr Shot kShots[] = {
    {"main", nullptr},
    {"menu-file", "mnuFile"},
    {"menu-options", "mnuOptions"},
    {"menu-utilities", "mnuUtilities"},
    {"menu-help", "mnuHelp"},
    {"port-options", "mnuSerialPort"},
    {"language", "mnuLang"},
    {"about", "mnuAbout"},
    {"help", "mnuContent"},
};

constexpr int kSettleMs = 400;

// The whole screen around `area`, so a popup and the window under it show.
QPixmap grabScreen(const QRect& area) {
    return QGuiApplication::primaryScreen()->grabWindow(0).copy(area.adjusted(-2, -2, 2, 2));
}

QWidget* newTopLevel(const QWidgetList& before) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !before.contains(widget)) return widget;
    }
    return nullptr;
}

bool takeShot(MDIFormMain& main, const Shot& shot, const QDir& out) {
    QPixmap picture;
    if (!shot.opener) {
        picture = main.grab();
    } else if (auto* menu = main.findChild<QMenu*>(QLatin1String(shot.opener))) {
        const QRect entry = main.menuBar()->actionGeometry(menu->menuAction());
        menu->popup(main.menuBar()->mapToGlobal(entry.bottomLeft()));
        QTest::qWait(kSettleMs);
        picture = grabScreen(main.frameGeometry().united(menu->geometry()));
        menu->hide();
    } else if (auto* action = main.findChild<QAction*>(QLatin1String(shot.opener))) {
        const QWidgetList before = QApplication::topLevelWidgets();
        action->trigger();
        QTest::qWait(kSettleMs);
        QWidget* window = newTopLevel(before);
        picture = (window ? window : &main)->grab();
        if (window) {
            window->close();
        } else if (main.toolWindow()) {
            main.toolWindow()->close();
        }
        QTest::qWait(kSettleMs);
    } else {
        std::fprintf(stderr, "zav_screenshot: no window opens with %s\n", shot.opener);
        return false;
    }
    const QString path = out.filePath(QLatin1String(shot.file) + QStringLiteral(".png"));
    if (!picture.save(path)) {
        std::fprintf(stderr, "zav_screenshot: cannot write %s\n", path.toLocal8Bit().constData());
        return false;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
    return true;
}

bool savePicture(const QPixmap& picture, const QDir& out, const char* file) {
    const QString path = out.filePath(QLatin1String(file) + QStringLiteral(".png"));
    if (!picture.save(path)) {
        std::fprintf(stderr, "zav_screenshot: cannot write %s\n", path.toLocal8Bit().constData());
        return false;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
    return true;
}

constexpr int kPrepareLimitMs = 60000;

// Opens the controls window on the current port and waits until it is
// ready; null when it does not get there.
QWidget* openReadyControls(MDIFormMain& main) {
    main.findChild<QAction*>(QStringLiteral("mnuControls"))->trigger();
    QWidget* window = main.toolWindow();
    auto* ok = window ? window->findChild<QPushButton*>(QStringLiteral("bttnOK")) : nullptr;
    if (!ok || !QTest::qWaitFor([ok] { return ok->isEnabled(); }, kPrepareLimitMs)) {
        std::fprintf(stderr, "zav_screenshot: the controls window does not get ready\n");
        return nullptr;
    }
    QTest::qWait(kSettleMs);
    return window;
}

bool closeToolWindow(MDIFormMain& main) {
    if (main.toolWindow()) main.toolWindow()->close();
    return QTest::qWaitFor([&main] { return !main.toolWindow(); }, kPrepareLimitMs);
}

// The controls window of the program's unit ready and while it polls a
// sensor, then that of a simulated RX3 (its motor group only).
bool takeControlsShots(MDIFormMain& main, const QDir& out) {
    QWidget* window = openReadyControls(main);
    if (!window) return false;
    bool taken = savePicture(window->grab(), out, "controls-ready");
    auto* sensors = window->findChild<QTreeWidget*>(QStringLiteral("lvSensor"));
    if (sensors->topLevelItemCount() > 4) sensors->setCurrentItem(sensors->topLevelItem(4));
    window->findChild<QPushButton*>(QStringLiteral("bttnPingSensor"))->click();
    QTest::qWait(1500);
    taken = savePicture(window->grab(), out, "controls-polling") && taken;
    closeToolWindow(main);

    constexpr int kRx3Port = 120;
    zav::sim::Simulator rx3(zav::sim::Options{"RX3"});
    std::string why;
    if (!rx3.start(&why)) {
        std::fprintf(stderr, "zav_screenshot: no simulated RX3: %s\n", why.c_str());
        return false;
    }
    rx3.export_port(kRx3Port);
    const std::int16_t port = zav::app::CurrentPort();
    zav::app::SetCurrentPort(kRx3Port);
    window = openReadyControls(main);
    if (window) taken = savePicture(window->grab(), out, "controls-rx3") && taken;
    closeToolWindow(main);
    zav::app::SetCurrentPort(port);
    return window && taken;
}

// The initialise window of the program's unit mid-run (rows in several
// states) and at its end, under its closing message.
bool takeInitialiseShots(MDIFormMain& main, const QDir& out) {
    main.findChild<QAction*>(QStringLiteral("mnuInitialise"))->trigger();
    QWidget* window = main.toolWindow();
    auto* list = window ? window->findChild<QTreeWidget*>(QStringLiteral("lv1")) : nullptr;
    auto* start =
        window ? window->findChild<QPushButton*>(QStringLiteral("bttnInitStart")) : nullptr;
    if (!list || !start) {
        std::fprintf(stderr, "zav_screenshot: the initialise window does not open\n");
        return false;
    }
    QTest::qWait(kSettleMs);
    // The run returns only at its end: the pictures are taken from a timer
    // that runs inside its waits.
    bool midRun = false;
    bool end = false;
    bool taken = true;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            if (end) return;
            end = true;
            QTest::qWait(kSettleMs);
            taken = savePicture(grabScreen(main.frameGeometry().united(box->frameGeometry())), out,
                                "initialise-end") &&
                    taken;
            box->close();
            return;
        }
        std::set<QString> states;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            states.insert(list->topLevelItem(i)->text(1));
        if (!midRun && states.size() >= 4) {
            midRun = true;
            taken = savePicture(window->grab(), out, "initialise-running") && taken;
        }
    });
    watch.start(20);
    QTimer::singleShot(0, start, &QPushButton::click);
    const bool ended = QTest::qWaitFor([&] { return end && start->isEnabled(); }, kPrepareLimitMs);
    watch.stop();
    closeToolWindow(main);
    if (!ended || !midRun) {
        std::fprintf(stderr, "zav_screenshot: the simulated initialisation did not finish\n");
        return false;
    }
    return taken;
}

// The program download window with the simulator's TM6 image and the unit
// identified, mid-transfer, and at its end.
bool takeProgramShots(MDIFormMain& main, const QDir& out) {
    using zav::programming::window::FrmProgram;
    main.findChild<QAction*>(QStringLiteral("mnuProgram"))->trigger();
    QWidget* window = main.toolWindow();
    auto* content = window ? window->findChild<FrmProgram*>() : nullptr;
    if (!content) {
        std::fprintf(stderr, "zav_screenshot: the program download window does not open\n");
        return false;
    }
    content->chooseFile(QStringLiteral(ZAV_DIST_DIR "/simulator/TM6_program.zav"));
    window->findChild<QPushButton*>(QStringLiteral("bttnIdentify"))->click();
    auto* start = window->findChild<QPushButton*>(QStringLiteral("bttnStart"));
    auto* bar = window->findChild<QProgressBar*>(QStringLiteral("progress"));
    if (!QTest::qWaitFor([&] { return start->isEnabled(); }, kPrepareLimitMs)) {
        std::fprintf(stderr, "zav_screenshot: the simulated unit was not identified\n");
        closeToolWindow(main);
        return false;
    }
    QTest::qWait(kSettleMs);
    window->adjustSize();
    bool taken = savePicture(window->grab(), out, "program-ready");
    bool midRun = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = window->findChild<QMessageBox*>(QStringLiteral("question"))) {
            if (box->isVisible()) {
                taken = savePicture(grabScreen(main.frameGeometry()), out, "program-confirm") &&
                        taken;
                box->button(QMessageBox::Yes)->click();
            }
        }
        if (!midRun && bar->value() >= 3) {
            midRun = true;
            taken = savePicture(window->grab(), out, "program-running") && taken;
        }
    });
    watch.start(20);
    QTimer::singleShot(0, start, &QPushButton::click);
    const bool ended = QTest::qWaitFor(
        [&] { return midRun && content->session().outcome() == zav::programming::Outcome::Programmed; },
        kPrepareLimitMs);
    watch.stop();
    QTest::qWait(kSettleMs);
    taken = savePicture(window->grab(), out, "program-end") && taken;
    closeToolWindow(main);
    if (!ended) std::fprintf(stderr, "zav_screenshot: the simulated download did not finish\n");
    return ended && taken;
}

// The diagnostics window before Start, while it waits for the green paper
// (its countdown running) and at the PASSED verdict of the simulated unit.
bool takeDiagnosticsShots(MDIFormMain& main, const QDir& out) {
    using zav::app::Global::LangText;
    constexpr int kRunLimitMs = 120000;
    main.findChild<QAction*>(QStringLiteral("mnuDiagnostics"))->trigger();
    QTest::qWait(kSettleMs);
    QWidget* window = main.toolWindow();
    auto* status = window ? window->findChild<QLabel*>(QStringLiteral("lblDownload")) : nullptr;
    auto* start = window ? window->findChild<QPushButton*>(QStringLiteral("bttnDIAG")) : nullptr;
    if (!status || !start) {
        std::fprintf(stderr, "zav_screenshot: the diagnostics window does not open\n");
        return false;
    }
    bool taken = savePicture(window->grab(), out, "diagnostics-start");
    // The run returns only at its end: the pictures are taken from a timer
    // that runs inside its waits.
    bool greenPaper = false;
    bool done = false;
    QElapsedTimer paperShown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!greenPaper && status->text() == LangText(zav::lang::text::kInsertGreenPaper)) {
            if (!paperShown.isValid()) paperShown.start();
            if (paperShown.elapsed() >= 1200) {
                greenPaper = true;
                taken = savePicture(window->grab(), out, "diagnostics-green-paper") && taken;
            }
        } else if (!done && status->text().endsWith(LangText(zav::lang::text::kPassed)) &&
                   start->isEnabled()) {
            done = true;
            QTest::qWait(kSettleMs);
            taken = savePicture(window->grab(), out, "diagnostics-passed") && taken;
        }
    });
    watch.start(20);
    QTimer::singleShot(0, start, &QPushButton::click);
    const bool ended = QTest::qWaitFor([&] { return done; }, kRunLimitMs);
    watch.stop();
    window->close();
    QTest::qWait(kSettleMs);
    if (!ended || !greenPaper) {
        std::fprintf(stderr, "zav_screenshot: the simulated diagnostic did not pass\n");
        return false;
    }
    return taken;
}

}  // namespace

// The History window with the runs so far (the trend of the newest run's
// unit below), and its newest diagnostic run opened.
bool takeHistoryShots(MDIFormMain& main, const QDir& out) {
    zav::history::WaitForRecordings();
    main.findChild<QAction*>(QStringLiteral("mnuHistory"))->trigger();
    QWidget* window = main.toolWindow();
    auto* open = window ? window->findChild<QPushButton*>(QStringLiteral("bttnOpen")) : nullptr;
    if (!open) {
        std::fprintf(stderr, "zav_screenshot: the history window does not open\n");
        return false;
    }
    QTest::qWait(kSettleMs);
    bool taken = savePicture(window->grab(), out, "history");
    auto* runs = window->findChild<QTableView*>(QStringLiteral("tblRuns"));
    for (int row = 0; runs && row < runs->model()->rowCount(); ++row) {
        runs->selectRow(row);
        if (open->isEnabled()) break;
    }
    open->click();
    QTest::qWait(kSettleMs);
    taken = savePicture(window->grab(), out, "history-run") && taken;
    return closeToolWindow(main) && taken;
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "Usage: zav_screenshot OUTDIR [ZAVDiagnostics options]\n");
        return 2;
    }
    const QDir out(arguments.takeFirst());
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "zav_screenshot: cannot make %s\n",
                     out.path().toLocal8Bit().constData());
        return 2;
    }
    zav::base::SetProgramDirectory(QStringLiteral(ZAV_DIST_DIR));
    zav::desktop::Program program;
    QString error;
    if (!program.start(arguments, &error)) {
        std::fprintf(stderr, "zav_screenshot: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    MDIFormMain& main = program.mainWindow();
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) return 1;
    QTest::qWait(kSettleMs);
    bool allTaken = true;
    for (const Shot& shot : kShots) allTaken = takeShot(main, shot, out) && allTaken;
    allTaken = takeControlsShots(main, out) && allTaken;
    allTaken = takeInitialiseShots(main, out) && allTaken;
    allTaken = takeProgramShots(main, out) && allTaken;
    allTaken = takeDiagnosticsShots(main, out) && allTaken;
    allTaken = takeHistoryShots(main, out) && allTaken;
    return allTaken ? 0 : 1;
}
