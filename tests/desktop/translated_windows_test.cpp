// The program in German and Spanish: our own texts beside the language
// module's, in full, in the windows that show them.
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"
#include "zav/app/current_port.h"
#include "zav/base/settings.h"
#include "zav/desktop/frm_options.h"
#include "zav/desktop/mdi_form_main.h"
#include "zav/desktop/program.h"

using zav::desktop::Program;

namespace {

// Whether `widget` shows `text` without cutting it.
bool showsWhole(const QWidget& widget, const QString& text, int margin) {
    return widget.isVisible() &&
           widget.width() >= widget.fontMetrics().horizontalAdvance(text) + margin;
}

}  // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT
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
        zav::test::storeSetting(zav::base::settings::kCountryCodeKey, code);
        zav::test::storeSetting(zav::base::settings::kCountryCodeOptionKey, option);
        Program program;
        QString error;
        QVERIFY2(program.start({QStringLiteral("--simulate"), QStringLiteral("TM6")}, &error),
                 qPrintable(error));
        zav::desktop::MDIFormMain& main = program.mainWindow();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

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
};

QTEST_MAIN(TranslatedWindowsTest)
#include "translated_windows_test.moc"
