// The port options window: the list it shows and selects, and what OK and
// Cancel leave in the current port and the settings.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>

#include "gui_test_support.h"
#include "zav/app/current_port.h"
#include "zav/base/settings.h"
#include "zav/desktop/frm_options.h"
#include "zav/platform/pseudo_terminal.h"

using zav::desktop::FrmOptions;
using zav::platform::PortEntry;

namespace {

zav::desktop::PortSource ports(std::vector<PortEntry> entries) {
    return [entries] { return entries; };
}

QStringList entries(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i) texts << box.itemText(i);
    return texts;
}

const std::vector<PortEntry> kSerialAndDirectUsb = {{"\\Device\\Serial0", "COM1"},
                                                    {"\\Device\\USBSER000", "COM5"}};

}  // namespace

class PortOptionsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { zav::test::setUpProgram(); }

    void showsItsTextsInTheProgramLanguage() {
        zav::test::setUpProgram(QStringLiteral("DE"));
        FrmOptions window(nullptr, ports(kSerialAndDirectUsb));
        QCOMPARE(window.windowTitle(), QStringLiteral("COM Port"));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblOptions"))->text(),
                 QStringLiteral("Bitte COM Port wählen."));
        QCOMPARE(window.bttnOK()->text(), QStringLiteral("OK"));
        QCOMPARE(window.bttnCancel()->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(zav::test::unnamedControls(window).join(u','), QString());
    }

    void marksTheMakersDevicesAndSelectsTheCurrentPort() {
        zav::app::SetCurrentPort(5);
        FrmOptions window(nullptr, ports({{"\\Device\\Serial0", "COM1"},
                                          {"\\Device\\USBSER000", "COM5"},
                                          {"\\Device\\VCP0", "COM33"},
                                          {"\\Device\\slabser0", "COM34"}}));
        QCOMPARE(entries(*window.cmbCom()),
                 (QStringList{"COM1", "COM5 (RX)", "COM33 (LK7)", "COM34 (Hopper)"}));
        QCOMPARE(window.cmbCom()->currentText(), QStringLiteral("COM5 (RX)"));
    }

    void okStoresTheChosenPort() {
        zav::app::SetCurrentPort(5);
        FrmOptions window(nullptr, ports(kSerialAndDirectUsb));
        window.cmbCom()->setCurrentIndex(0);
        QTest::mouseClick(window.bttnOK(), Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(zav::app::CurrentPort(), 1);
        QCOMPARE(zav::test::storedSetting(zav::base::settings::kPortKey), QStringLiteral("1"));
    }

    void anUnregisteredCurrentPortIsOfferedAsInactiveAndKept() {
        zav::app::SetCurrentPort(7);
        FrmOptions window(nullptr, ports(kSerialAndDirectUsb));
        QCOMPARE(entries(*window.cmbCom()), (QStringList{"COM1", "COM5 (RX)", "COM7 (INACTIVE)"}));
        QCOMPARE(window.cmbCom()->currentText(), QStringLiteral("COM7 (INACTIVE)"));
        QTest::mouseClick(window.bttnOK(), Qt::LeftButton);
        QCOMPARE(zav::app::CurrentPort(), 7);
        QCOMPARE(zav::test::storedSetting(zav::base::settings::kPortKey), QStringLiteral("7"));
    }

    void aSinglePortWithNoCurrentPortIsNotSelectedAndOkStoresNone() {
        zav::app::SetCurrentPort(0);
        FrmOptions window(nullptr, ports({{"\\Device\\Serial0", "COM1"}}));
        QCOMPARE(entries(*window.cmbCom()), QStringList{"COM1"});
        QCOMPARE(window.cmbCom()->currentIndex(), -1);
        QTest::mouseClick(window.bttnOK(), Qt::LeftButton);
        QCOMPARE(zav::app::CurrentPort(), 0);
        QCOMPARE(zav::test::storedSetting(zav::base::settings::kPortKey), QStringLiteral("0"));
    }

    void theSelectedPortIsDescribedWithoutDisturbingIt() {
        // COM120: a pseudo-terminal as a USB CDC device; COM121: a plain
        // file; COM122: nothing at all.
        zav::platform::PseudoTerminal unit;
        QVERIFY(unit.open());
        QTemporaryFile plain;
        QVERIFY(plain.open());
        qputenv("ZAV_COM120", QByteArray::fromStdString(unit.slave_path()));
        qputenv("ZAV_COM121", QFile::encodeName(plain.fileName()));
        qputenv("ZAV_COM122", "/nonexistent/ttyUSB9");
        zav::app::SetCurrentPort(120);
        FrmOptions window(nullptr, ports({{"\\Device\\USBSER000", "COM120"},
                                          {"\\Device\\Serial1", "COM121"},
                                          {"\\Device\\Serial2", "COM122"}}));
        QLabel* description = window.lblPortDescription();
        QCOMPARE(description->text(), QString::fromStdString(unit.slave_path()) +
                                          QStringLiteral(" - USB CDC device (cdc_acm) - ready"));
        QElapsedTimer clock;
        clock.start();
        window.cmbCom()->setCurrentIndex(1);
        QCOMPARE(description->text(),
                 plain.fileName() + QStringLiteral(" - serial port - not a serial device"));
        window.cmbCom()->setCurrentIndex(2);
        QCOMPARE(description->text(),
                 QStringLiteral("/nonexistent/ttyUSB9 - serial port - no such device"));
        QVERIFY(clock.elapsed() < 200);
        // Nothing reached the unit.
        std::uint8_t byte = 0;
        QCOMPARE(unit.read_some(&byte, 1), 0L);
        for (const char* name : {"ZAV_COM120", "ZAV_COM121", "ZAV_COM122"}) qunsetenv(name);
    }

    void cancelAndTheCloseBoxChangeNothing() {
        zav::app::SetCurrentPort(5);
        {
            FrmOptions window(nullptr, ports(kSerialAndDirectUsb));
            window.cmbCom()->setCurrentIndex(0);
            QTest::mouseClick(window.bttnCancel(), Qt::LeftButton);
            QCOMPARE(window.result(), int(QDialog::Rejected));
        }
        {
            FrmOptions window(nullptr, ports(kSerialAndDirectUsb));
            window.show();
            window.cmbCom()->setCurrentIndex(0);
            window.close();
        }
        QCOMPARE(zav::app::CurrentPort(), 5);
        QCOMPARE(zav::test::storedSetting(zav::base::settings::kPortKey), QString());
    }
};

QTEST_MAIN(PortOptionsTest)
#include "port_options_test.moc"
