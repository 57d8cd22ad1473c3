// The program as a whole: its command line, the training mode's simulated
// unit and the port it leaves stored.
#include "zav/desktop/program.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "zav/app/current_port.h"
#include "zav/app/port_list.h"
#include "zav/base/settings.h"
#include "zav/desktop/frm_options.h"
#include "zav/lang/language_settings.h"
#include "zav/window/tool_window_frame.h"

using zav::desktop::Program;

class ProgramTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { zav::test::setUpProgram(); }

    void versionAndHelpAnswerWithoutAWindowSystem_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("answer");
        QTest::newRow("version") << "--version"
                                 << "ZAVDiagnostics 1.0.4\n";
        QTest::newRow("help") << "--help"
                              << "Usage: ZAVDiagnostics [OPTIONS]\n";
    }
    void versionAndHelpAnswerWithoutAWindowSystem() {
        QFETCH(QString, option);
        QFETCH(QString, answer);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QLatin1String(name));
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZAV_PROGRAM_PATH), {option});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
        QVERIFY2(output.startsWith(answer), qPrintable(output));
    }

    void trainingModeWorksOnASimulatedUnitForThisRunOnly() {
        zav::test::storeSetting(zav::base::settings::kPortKey, QStringLiteral("5"));
        Program program;
        QString error;
        QVERIFY2(program.start({QStringLiteral("--simulate"), QStringLiteral("TM6"),
                                QStringLiteral("--fault"), QStringLiteral("pathfail=3")},
                               &error),
                 qPrintable(error));
        const int port = zav::app::CurrentPort();
        QVERIFY(port >= 97 && port <= 127);
        QVERIFY(qEnvironmentVariableIsSet(qPrintable(QStringLiteral("ZAV_COM%1").arg(port))));
        auto* notice = program.mainWindow().findChild<QLabel*>(QStringLiteral("lblRunNotice"));
        QCOMPARE(notice->text(), QStringLiteral("Simulated TM6 on COM%1").arg(port));
        QCOMPARE(zav::test::storedSetting(zav::base::settings::kPortKey), QStringLiteral("5"));

        // The port options show the simulated port; OK keeps it for this run
        // and leaves the stored one as it was, so the next real start finds
        // its own port, not a simulator that is gone.
        zav::desktop::FrmOptions options(&program.mainWindow());
        QCOMPARE(zav::app::PortNumberFromText(options.cmbCom()->currentText()), port);
        QTest::mouseClick(options.bttnOK(), Qt::LeftButton);
        QCOMPARE(zav::app::CurrentPort(), port);
        QCOMPARE(zav::test::storedSetting(zav::base::settings::kPortKey), QStringLiteral("5"));
        // Nor does the language choice reach the settings.
        zav::lang::storeCountryCode(QStringLiteral("de"));
        QCOMPARE(zav::test::storedSetting(zav::base::settings::kCountryCodeKey), QString());
    }

    // A quit that bypasses the main window's close (the desktop session
    // ending) leaves a tool window open: the program's end closes it and
    // lets its session unload before the windows are destroyed.
    void endingWithAToolWindowOpenClosesItFirst() {
        QPointer<zav::window::ToolWindowFrame> frame;
        {
            Program program;
            QString error;
            QVERIFY2(program.start({QStringLiteral("--simulate"), QStringLiteral("TM6")}, &error),
                     qPrintable(error));
            program.mainWindow().show();
            program.mainWindow().findChild<QAction*>(QStringLiteral("mnuDiagnostics"))->trigger();
            frame = program.mainWindow().toolWindow();
            QVERIFY(frame);
            QTest::qWait(50);  // the window shows and its session starts up
        }
        QVERIFY(!frame);
    }

    void withoutOptionsTheStoredPortIsUsedAndNothingIsNoticed() {
        zav::test::storeSetting(zav::base::settings::kPortKey, QStringLiteral("3"));
        Program program;
        QString error;
        QVERIFY(program.start({}, &error));
        QCOMPARE(zav::app::CurrentPort(), 3);
        QCOMPARE(program.mainWindow().findChild<QLabel*>(QStringLiteral("lblRunNotice"))->text(),
                 QString());
    }

    void argumentsThatCannotWorkAreRefusedWithTheReason_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown model") << QStringList{"--simulate", "XX9"} << "unknown model XX9";
        QTest::newRow("bad fault") << QStringList{"--simulate", "TM6", "--fault", "melt"} << "melt";
        QTest::newRow("fault alone") << QStringList{"--fault", "noreply"} << "need --simulate";
        QTest::newRow("port and model")
            << QStringList{"--port", "3", "--simulate", "TM6"} << "do not go together";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "--frobnicate";
    }
    void argumentsThatCannotWorkAreRefusedWithTheReason() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        Program program;
        QString error;
        QVERIFY(!program.start(arguments, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
