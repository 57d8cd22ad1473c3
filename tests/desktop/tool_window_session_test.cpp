// A tool window over a real session against the simulator: the user closes
// the main window while the diagnostic waits for the green paper; the
// window unloads (0x82 to the RAM utility) before the program ends, and the
// session goes only after its wait has unwound.
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "gui_test_support.h"
#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/desktop/mdi_form_main.h"
#include "zav/diag/diagnostic_session.h"
#include "zav/lang/module_files.h"
#include "zav/sim/simulator.h"
#include "zav/window/status_line_view.h"
#include "zav/window/tool_window_frame.h"

using namespace std::chrono_literals;
using zav::desktop::MDIFormMain;
using zav::window::ToolWindowFrame;

namespace {

constexpr std::int16_t kPort = 113;

// A frame with a status line over a diagnostic session: as thin as a window
// gets.
struct DiagnosticWindow {
    explicit DiagnosticWindow(zav::window::MainWindowControls& main)
        : frame(new ToolWindowFrame(main)), status(new QLabel), view(status) {
        auto owned =
            std::make_unique<zav::diag::DiagnosticSession>(zav::app::CurrentPort(), 20ms, view);
        session = owned.get();
        frame->attachSession(std::move(owned));
        frame->setWidget(status);
    }
    ToolWindowFrame* frame;
    QLabel* status;
    zav::window::StatusLineView view;
    zav::diag::DiagnosticSession* session;
};

}  // namespace

class ToolWindowSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void closingTheProgramDuringTheGreenPaperWaitUnloadsFirst() {
        zav::test::setUpProgram();
        zav::test::MessageRecorder shown;
        zav::sim::Options options;
        options.model = "TM6";
        options.test_step_ms = 0;
        options.paper_delay_ms = -1;  // nobody inserts the paper
        zav::sim::Simulator unit(options);
        QVERIFY(unit.start());
        unit.export_port(kPort);

        MDIFormMain main;
        QVERIFY(main.startUp({zav::lang::defaultModuleDirectory(), 0x409}));
        zav::app::SetCurrentPort(kPort);
        main.show();
        std::unique_ptr<DiagnosticWindow> window;
        main.setToolWindowFactory(zav::desktop::ToolKind::Diagnostics, [&](auto& controls) {
            window = std::make_unique<DiagnosticWindow>(controls);
            return window->frame;
        });
        QSignalSpy ended(&main, &MDIFormMain::programEnded);
        QStringList log;
        connect(&main, &MDIFormMain::programEnded, this,
                [&] { log << QStringLiteral("program ended"); });
        main.findChild<QAction*>(QStringLiteral("mnuDiagnostics"))->trigger();
        QPointer<ToolWindowFrame> frame = main.toolWindow();
        QPointer<zav::diag::DiagnosticSession> session = window->session;
        connect(session, &zav::diag::DiagnosticSession::closed, this,
                [&] { log << QStringLiteral("session closed"); });

        // The engineer gives up waiting for the green paper and closes the
        // program.
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (window->status->text() == QStringLiteral("Please now insert a green paper.")) {
                watch.stop();
                log << QStringLiteral("closing");
                main.close();
            }
        });
        watch.start(10);
        frame->runSessionCall([&] { session->start(); });
        log << QStringLiteral("run returned, session %1").arg(session ? "kept" : "gone");
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 10000);
        QTRY_VERIFY(!session);
        QTRY_VERIFY(!frame);
        QCOMPARE(log, (QStringList{"closing", "session closed", "run returned, session kept",
                                   "program ended"}));
        // The leave command went to the RAM utility, once.
        QTRY_COMPARE(unit.raw_commands_received(0x82), std::size_t{1});
        QVERIFY(!main.isVisible());
        zav::app::Link().CloseComm();
        zav::app::Serial().ClosePort();
    }
};

QTEST_MAIN(ToolWindowSessionTest)
#include "tool_window_session_test.moc"
