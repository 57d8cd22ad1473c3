// The program in German and Spanish: our own texts beside the language
// module's, in full, in the windows that show them.
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "gui_test_support.h"
#include "zav/app/current_port.h"
#include "zav/base/settings.h"
#include "zav/desktop/frm_options.h"
#include "zav/desktop/mdi_form_main.h"
#include "zav/desktop/program.h"
#include "zav/window/tool_window_frame.h"

using zav::desktop::Program;

namespace {

// Whether `widget` shows `text` without cutting it.
bool showsWhole(const QWidget& widget, const QString& text, int margin) {
    return widget.isVisible() &&
           widget.width() >= widget.fontMetrics().horizontalAdvance(text) + margin;
}

// The tool window's frame around `content`: it carries the title.
QWidget* frameOf(QWidget* content) {
    QWidget* widget = content;
    while (widget && !qobject_cast<zav::window::ToolWindowFrame*>(widget))
        widget = widget->parentWidget();
    return widget;
}

}  // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT
    // The program on a simulated TM6 in the language module `code` (its
    // option in the Language window), its main window shown.
    static void startTrainingRun(Program& program, const QString& code, const QString& option) {
        zav::test::storeSetting(zav::base::settings::kCountryCodeKey, code);
        zav::test::storeSetting(zav::base::settings::kCountryCodeOptionKey, option);
        QString error;
        QVERIFY2(program.start({QStringLiteral("--simulate"), QStringLiteral("TM6")}, &error),
                 qPrintable(error));
        program.mainWindow().show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.mainWindow()));
    }

  private slots:
    void init() { zav::test::setUpProgram(); }

    void trainingRunShowsOurTextsInTheChosenLanguage_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("ready");
        // Options in the Language window's order: DE, en, es, fr.
        QTest::newRow("de") << "DE"
                            << "1"
                            << "Simulierter TM6 an COM%1"
                            << "Bericht…"
                            << " - bereit";
        QTest::newRow("es") << "es"
                            << "3"
                            << "TM6 simulado en COM%1"
                            << "Informe…"
                            << " - lista";
    }
    void trainingRunShowsOurTextsInTheChosenLanguage() {
        QFETCH(QString, code);
        QFETCH(QString, option);
        QFETCH(QString, notice);
        QFETCH(QString, report);
        QFETCH(QString, ready);
        Program program;
        startTrainingRun(program, code, option);
        if (QTest::currentTestFailed()) return;
        zav::desktop::MDIFormMain& main = program.mainWindow();

        const QString expected = notice.arg(zav::app::CurrentPort());
        auto* status = main.findChild<QLabel*>(QStringLiteral("lblRunNotice"));
        QCOMPARE(status->text(), expected);
        QVERIFY2(showsWhole(*status, expected, 0), qPrintable(QString::number(status->width())));

        main.findChild<QAction*>(QStringLiteral("mnuDiagnostics"))->trigger();
        QPushButton* button = nullptr;
        QTRY_VERIFY((button = main.findChild<QPushButton*>(QStringLiteral("bttnReport"))));
        QCOMPARE(button->text(), report);
        QTRY_VERIFY(showsWhole(*button, report, 4));

        zav::desktop::FrmOptions options(&main);
        auto* description = options.findChild<QLabel*>(QStringLiteral("lblPortDescription"));
        QVERIFY2(description->text().endsWith(ready), qPrintable(description->text()));

        // The engineer closes the program, which closes the tool window first.
        QPointer<QPushButton> open = button;
        main.close();
        QTRY_VERIFY(!open);
    }

    // The two newest tools carry our texts alone: none of them may stay
    // English in a German program.
    void programDownloadAndHistorySpeakGerman() {
        Program program;
        startTrainingRun(program, QStringLiteral("DE"), QStringLiteral("1"));
        if (QTest::currentTestFailed()) return;
        zav::desktop::MDIFormMain& main = program.mainWindow();

        main.findChild<QAction*>(QStringLiteral("mnuProgram"))->trigger();
        QPointer<QWidget> content;
        QTRY_VERIFY((content = main.findChild<QWidget*>(QStringLiteral("frmProgram"))));
        QCOMPARE(frameOf(content)->windowTitle(), QStringLiteral("Programm laden"));
        auto* file = content->findChild<QPushButton*>(QStringLiteral("bttnFile"));
        QCOMPARE(file->text(), QStringLiteral("Abbilddatei..."));
        QTRY_VERIFY(showsWhole(*file, file->text(), 4));
        QCOMPARE(content->findChild<QPushButton*>(QStringLiteral("bttnCancel"))->text(),
                 QStringLiteral("Abbrechen"));
        frameOf(content)->close();
        QTRY_VERIFY(!content);

        main.findChild<QAction*>(QStringLiteral("mnuHistory"))->trigger();
        QTRY_VERIFY((content = main.findChild<QWidget*>(QStringLiteral("frmHistory"))));
        QCOMPARE(frameOf(content)->windowTitle(), QStringLiteral("Historie"));
        auto* runs = content->findChild<QTableView*>(QStringLiteral("tblRuns"));
        QAbstractItemModel* model = runs->model();
        QStringList headers;
        for (int column = 0; column < model->columnCount(); ++column)
            headers << model->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headers.first(), QStringLiteral("Zeit"));
        QVERIFY2(headers.contains(QStringLiteral("Simuliert")), qPrintable(headers.join(u',')));
        auto* open = content->findChild<QPushButton*>(QStringLiteral("bttnOpen"));
        QCOMPARE(open->text(), QStringLiteral("Lauf öffnen"));
        QTRY_VERIFY(showsWhole(*open, open->text(), 4));
        main.close();
        QTRY_VERIFY(!content);
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "translated_windows_test.moc"
