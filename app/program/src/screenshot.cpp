// zav_screenshot OUTDIR [program options]: runs the program (from the
// build's program directory), opens each of its windows in turn and writes
// one PNG per window to OUTDIR. A window joins with one line in kShots.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "zav/app/program_directory.h"
#include "zav/app/window/tool_window_frame.h"
#include "zav/program/program.h"

namespace {

using zav::app::window::MDIFormMain;

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

}  // namespace

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
    zav::app::SetProgramDirectory(QStringLiteral(ZAV_DIST_DIR));
    zav::program::Program program;
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
    return allTaken ? 0 : 1;
}
