// The main window: start-up, captions, the toolbar's shared actions, and
// one tool window at a time with the main menus disabled while it exists,
// however it closes.
#include "zav/desktop/mdi_form_main.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "fake_tool_window.h"
#include "gui_test_support.h"
#include "zav/app/current_port.h"
#include "zav/base/program_directory.h"
#include "zav/base/settings.h"
#include "zav/desktop/help_window.h"
#include "zav/lang/module_files.h"
#include "zav/version.h"
#include "zav/window/tool_window_frame.h"

using zav::desktop::MDIFormMain;
using zav::desktop::ToolKind;
using zav::window::ToolWindowFrame;

namespace {

zav::lang::LanguageEnvironment shippedLanguages(std::uint16_t userLanguage = 0x409) {
    return {zav::lang::defaultModuleDirectory(), userLanguage};
}

QAction* action(const MDIFormMain& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}
QMenu* menu(const MDIFormMain& window, const char* name) {
    return window.findChild<QMenu*>(QLatin1String(name));
}
bool menusEnabled(const MDIFormMain& window) {
    bool all = true;
    for (const char* name : {"mnuFile", "mnuOptions", "mnuUtilities", "mnuHelp"}) {
        all = all && menu(window, name)->menuAction()->isEnabled();
    }
    return all;
}
bool menusDisabled(const MDIFormMain& window) {
    bool none = true;
    for (const char* name : {"mnuFile", "mnuOptions", "mnuUtilities", "mnuHelp"}) {
        none = none && !menu(window, name)->menuAction()->isEnabled();
    }
    return none;
}
QToolBar* toolbar(const MDIFormMain& window) {
    return window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { zav::test::setUpProgram(); }

    void startUpCaptionsAndMenusInEnglish() {
        zav::test::storeSetting(zav::base::settings::kPortKey, QStringLiteral("5"));
        MDIFormMain window;
        QVERIFY(window.startUp(shippedLanguages()));
        QCOMPARE(zav::app::CurrentPort(), 5);
        QCOMPARE(window.windowTitle(), QStringLiteral("Kestrune Ltd - Diagnostics Tool - 1.0.4 ") +
                                           QString::fromUtf8(zav::version::kFileDescription));
        const struct {
            const char* name;
            const char* caption;
        } menus[] = {{"mnuFile", "File"},
                     {"mnuOptions", "Options"},
                     {"mnuUtilities", "Utilities"},
                     {"mnuHelp", "Help"}};
        for (const auto& entry : menus) {
            QCOMPARE(menu(window, entry.name)->title(), QLatin1String(entry.caption));
        }
        const struct {
            const char* name;
            const char* caption;
        } entries[] = {{"mnuFileExit", "Exit"},     {"mnuSerialPort", "Serial Port"},
                       {"mnuLang", "Language"},     {"mnuDiagnostics", "Diagnostics"},
                       {"mnuControls", "Controls"}, {"mnuInitialise", "Initialise"},
                       {"mnuContent", "Content"},   {"mnuAbout", "About"}};
        for (const auto& entry : entries) {
            QCOMPARE(action(window, entry.name)->text(), QLatin1String(entry.caption));
        }
        QVERIFY(action(window, "mnuInitialise")->isVisible());
        QVERIFY(toolbar(window)->isEnabled());
        QCOMPARE(zav::test::unnamedControls(window).join(u','), QString());
        // The status line is read out as what it says.
        window.showRunNotice(QStringLiteral("Simulated TM6 on COM97"));
        QCOMPARE(
            zav::test::accessibleName(window.findChild<QLabel*>(QStringLiteral("lblRunNotice"))),
            QStringLiteral("Simulated TM6 on COM97"));
    }

    void frenchCaptionsKeepTheirAccessKeyMarkers() {
        zav::test::storeSetting(zav::base::settings::kCountryCodeOptionKey, QStringLiteral("4"));
        zav::test::storeSetting(zav::base::settings::kCountryCodeKey, QStringLiteral("fr"));
        MDIFormMain window;
        QVERIFY(window.startUp(shippedLanguages()));
        QCOMPARE(window.languageCode(), QStringLiteral("fr"));
        QCOMPARE(menu(window, "mnuFile")->title(), QStringLiteral("&Fichier"));
        QCOMPARE(action(window, "mnuAbout")->text(), QStringLiteral("A P&ropos"));
        QVERIFY(window.windowTitle().startsWith(
            QStringLiteral("Kestrune Ltd - Outil de Diagnostics - 1.0.4")));
    }

    void garbageSettingsStartInTheDefaultsSilently() {
        zav::test::storeSetting(zav::base::settings::kPortKey, QStringLiteral("abc"));
        zav::test::storeSetting(zav::base::settings::kCountryCodeOptionKey, QStringLiteral("99"));
        zav::test::MessageRecorder shown;
        MDIFormMain window;
        QVERIFY(window.startUp(shippedLanguages(0x407)));
        QCOMPARE(zav::app::CurrentPort(), 0);
        QCOMPARE(window.languageCode(), QStringLiteral("en"));
        QCOMPARE(shown.lines(), QStringList());
    }

    void anUnreadableSettingsFileStartsInTheDefaultsSilently() {
        const QString path = zav::base::settings::openUserSettings()->fileName();
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xff\xfe[Startup\x00Port=\x01\x02\nCountryCodeOption==\xc3(", 28));
        file.close();
        zav::test::MessageRecorder shown;
        MDIFormMain window;
        QVERIFY(window.startUp(shippedLanguages(0x407)));
        QCOMPARE(zav::app::CurrentPort(), 0);
        QCOMPARE(window.languageCode(), QStringLiteral("de"));
        QCOMPARE(shown.lines(), QStringList());
    }

    void missingLanguageFolderEndsStartUpWithItsMessage() {
        zav::test::MessageRecorder shown;
        MDIFormMain window;
        QVERIFY(!window.startUp({QStringLiteral("/nonexistent/Lang/"), 0x409}));
        QCOMPARE(shown.lines(),
                 QStringList{"Critical: Unable to find any language dlls. Program will now exit"});
    }

    void theDialogEntriesOpenTheirWindowsModally_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("window");
        QTest::newRow("port options") << "mnuSerialPort"
                                      << "frmOptions";
        QTest::newRow("language") << "mnuLang"
                                  << "frmLang";
        QTest::newRow("about") << "mnuAbout"
                               << "frmAbout";
    }
    void theDialogEntriesOpenTheirWindowsModally() {
        QFETCH(QString, entry);
        QFETCH(QString, window);
        MDIFormMain main;
        QVERIFY(main.startUp(shippedLanguages()));
        main.show();
        // The entry returns at once; the dialog is modal over the program.
        action(main, entry.toLatin1().constData())->trigger();
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), window);
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        QCOMPARE(zav::test::unnamedControls(*dialog).join(u','), QString());
        QPointer<QWidget> open = dialog;
        dialog->close();
        QTRY_VERIFY(!open);
    }

    void contentOpensTheManualInsideTheProgram() {
        zav::test::MessageRecorder shown;
        MDIFormMain main;
        QVERIFY(main.startUp(shippedLanguages()));
        main.show();
        action(main, "mnuContent")->trigger();
        auto* help = main.findChild<zav::desktop::HelpWindow*>();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(zav::test::unnamedControls(*help).join(u','), QString());
        // Content again shows the same window.
        action(main, "mnuContent")->trigger();
        QCOMPARE(main.findChildren<zav::desktop::HelpWindow*>().size(), 1);
        QCOMPARE(shown.lines(), QStringList());
        zav::base::SetProgramDirectory(QStringLiteral("/nonexistent"));
        help->close();
        QTRY_VERIFY(!main.findChild<zav::desktop::HelpWindow*>());
        action(main, "mnuContent")->trigger();
        QCOMPARE(shown.lines(), QStringList{"Warning: Can't find help files."});
    }

    void toolbarButtonsAreTheMenuEntries() {
        MDIFormMain window;
        QVERIFY(window.startUp(shippedLanguages()));
        const QList<QAction*> buttons = toolbar(window)->actions();
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons[0], action(window, "mnuDiagnostics"));
        QCOMPARE(buttons[1], action(window, "mnuControls"));
        QCOMPARE(buttons[0]->toolTip(), QStringLiteral("Open Diagnostics Tools"));
        QCOMPARE(buttons[1]->toolTip(), QStringLiteral("Open Controls Tools"));
        QVERIFY(menu(window, "mnuUtilities")->actions().contains(buttons[0]));
        QVERIFY(menu(window, "mnuUtilities")->actions().contains(buttons[1]));
    }

    void toolEntriesOpenOnlyWindowsThatExist() {
        MDIFormMain window;
        QVERIFY(window.startUp(shippedLanguages()));
        for (const char* name : {"mnuDiagnostics", "mnuControls", "mnuInitialise"}) {
            QVERIFY(!action(window, name)->isEnabled());
        }
        QStringList log;
        window.setToolWindowFactory(ToolKind::Initialise, [&](auto& main) {
            return zav::test::openFakeToolWindow(main, log);
        });
        QVERIFY(action(window, "mnuInitialise")->isEnabled());
        QVERIFY(action(window, "mnuInitialise")->isVisible());
    }

    void everyWayOfClosingEnablesTheMainWindowAgain_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "bttnOK";
        QTest::newRow("Cancel") << "bttnCancel";
        QTest::newRow("close box") << "";
    }
    void everyWayOfClosingEnablesTheMainWindowAgain() {
        QFETCH(QString, how);
        MDIFormMain window;
        QVERIFY(window.startUp(shippedLanguages()));
        window.show();
        QStringList log;
        window.setToolWindowFactory(ToolKind::Diagnostics, [&](auto& main) {
            return zav::test::openFakeToolWindow(main, log);
        });
        // The toolbar button is the menu entry: pressing it opens the window.
        auto* button = qobject_cast<QToolButton*>(
            toolbar(window)->widgetForAction(action(window, "mnuDiagnostics")));
        QTest::mouseClick(button, Qt::LeftButton);
        QPointer<ToolWindowFrame> frame = window.toolWindow();
        QVERIFY(frame);
        QVERIFY(frame->isVisible());
        QVERIFY(menusDisabled(window));
        QVERIFY(!toolbar(window)->isEnabled());
        // Only one tool window at a time.
        action(window, "mnuDiagnostics")->trigger();
        QCOMPARE(window.findChildren<ToolWindowFrame*>().size(), 1);

        if (how.isEmpty()) {
            frame->close();
        } else {
            QTest::mouseClick(frame->findChild<QPushButton*>(how), Qt::LeftButton);
        }
        QVERIFY(!frame || !frame->isVisible());
        QVERIFY(menusEnabled(window));
        QVERIFY(toolbar(window)->isEnabled());
        QVERIFY(!window.toolWindow());
        QTRY_VERIFY(!frame);
        QCOMPARE(log.filter(QStringLiteral("0x82")).size(), 1);
        QCOMPARE(log.last(), QStringLiteral("session deleted"));
    }

    void closingTheProgramDuringAWaitUnloadsTheToolWindowFirst() {
        MDIFormMain window;
        QVERIFY(window.startUp(shippedLanguages()));
        window.show();
        QStringList log;
        window.setToolWindowFactory(ToolKind::Controls, [&](auto& main) {
            return zav::test::openFakeToolWindow(main, log);
        });
        QSignalSpy ended(&window, &MDIFormMain::programEnded);
        connect(&window, &MDIFormMain::programEnded, this, [&] { log << "program ended"; });
        action(window, "mnuControls")->trigger();
        QPointer<ToolWindowFrame> frame = window.toolWindow();
        // The user closes the main window while the tool waits for the unit.
        QTimer::singleShot(30, &window, [&] {
            window.close();
            log << (window.isVisible() ? "main window shown" : "main window hidden");
        });
        QTest::mouseClick(frame->findChild<QPushButton*>(QStringLiteral("bttnWait")),
                          Qt::LeftButton);
        QTRY_COMPARE(ended.count(), 1);
        QTRY_VERIFY(!frame);
        QTRY_VERIFY(log.contains(QStringLiteral("session deleted")));
        // The session goes only after its wait has returned and it unloaded.
        log.removeAll(QStringLiteral("session deleted"));
        QCOMPARE(log, (QStringList{"wait begins", "close requested", "main window hidden",
                                   "wait ends", "0x82 sent", "program ended"}));
    }

    void exitEndsTheProgramAndStoresNothing() {
        MDIFormMain window;
        QVERIFY(window.startUp(shippedLanguages()));
        window.show();
        zav::test::clearSettings();
        QSignalSpy ended(&window, &MDIFormMain::programEnded);
        action(window, "mnuFileExit")->trigger();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(zav::base::settings::openUserSettings()->allKeys(), QStringList());
    }
};

QTEST_MAIN(MainWindowTest)
#include "mdi_form_main_test.moc"
