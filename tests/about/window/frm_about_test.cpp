// The About box: every label from the version data and the language table.
#include "zav/about/window/frm_about.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "gui_test_support.h"

using zav::about::window::FrmAbout;

namespace {

QString label(const FrmAbout& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name))->text();
}

}  // namespace

class FrmAboutTest : public QObject {
    Q_OBJECT
  private slots:
    void everyLabelInEnglish() {
        zav::test::setUpProgram();
        FrmAbout window;
        QCOMPARE(window.windowTitle(), QStringLiteral("About"));
        QCOMPARE(label(window, "lblCompany"), QStringLiteral("Kestrune Ltd"));
        QCOMPARE(label(window, "lblApp"), QStringLiteral("ZAV Diagnostics Tool"));
        // Text 58 loses its trailing blank in the fetch; the comments keep
        // both of theirs.
        QCOMPARE(label(window, "lblComments"),
                 QStringLiteral("Supported products: RX3, RX5, RX8, TM3 USB, TM4 USB, TM6 "));
        QCOMPARE(label(window, "lblVersion"), QStringLiteral("Version 1.0.4"));
        QCOMPARE(label(window, "lblCopy"), QStringLiteral("© Kestrune Ltd. All rights reserved."));
        QCOMPARE(window.bttnOK()->text(), QStringLiteral("OK"));
        QCOMPARE(zav::test::unnamedControls(window).join(u','), QString());
    }

    void anotherLanguageChangesOnlyItsWords() {
        zav::test::setUpProgram(QStringLiteral("es"));
        FrmAbout window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Acerca de"));
        QCOMPARE(label(window, "lblCompany"), QStringLiteral("Kestrune Ltd"));
        QCOMPARE(label(window, "lblVersion"), QStringLiteral("Versión 1.0.4"));
        QVERIFY(label(window, "lblComments")
                    .endsWith(QStringLiteral(" RX3, RX5, RX8, TM3 USB, TM4 USB, TM6 ")));
        QCOMPARE(window.bttnOK()->text(), QStringLiteral("Aceptar"));
    }

    void okCloses() {
        zav::test::setUpProgram();
        FrmAbout window;
        window.show();
        QTest::mouseClick(window.bttnOK(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(FrmAboutTest)
#include "frm_about_test.moc"
