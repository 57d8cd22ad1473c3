// The program download window against the in-process simulator: opened from
// the Utilities menu with the main menus disabled, Start only once image and
// unit are both known, the confirmation naming both, the progress bar and
// the firmware before and after, a failure in words, Cancel after its
// warning, and the main window usable again once it closes.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "gui_test_support.h"
#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/desktop/mdi_form_main.h"
#include "zav/lang/module_files.h"
#include "zav/programming/window/frm_program.h"
#include "zav/sim/simulator.h"
#include "zav/sim/stand_in_image.h"

using namespace std::chrono_literals;
using zav::desktop::MDIFormMain;
using zav::desktop::ToolKind;
using zav::programming::window::FrmProgram;

namespace {

constexpr std::int16_t kPort = 117;
constexpr auto kTick = 10ms;
constexpr int kRunLimitMs = 60000;
const char kNewFirmware[] = "TM0006 V0901 TM6";

}  // namespace

class ProgramWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        zav::test::setUpProgram();
        messages_ = std::make_unique<zav::test::MessageRecorder>();
        unit_ = std::make_unique<zav::sim::Simulator>(zav::sim::Options{"TM6"});
        std::string why;
        QVERIFY2(unit_->start(&why), why.c_str());
        unit_->export_port(kPort);
        main_ = std::make_unique<MDIFormMain>();
        QVERIFY(main_->startUp({zav::lang::defaultModuleDirectory(), 0x409}));
        zav::app::SetCurrentPort(kPort);
        main_->setToolWindowFactory(ToolKind::Programming, [](auto& controls) {
            return zav::programming::window::openProgramWindow(controls, kTick);
        });
        main_->show();
        const auto image = zav::sim::stand_in_program_image(kNewFirmware, 20 * 4096);
        QFile file(dir_.filePath("tm6.zav"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size()));
        image_ = file.fileName();
    }
    void cleanup() {
        if (main_->toolWindow()) main_->toolWindow()->close();
        QTRY_VERIFY_WITH_TIMEOUT(!main_->toolWindow(), 10000);
        main_.reset();
        unit_.reset();
        messages_.reset();
    }

    void programsTheUnitAfterConfirmation() {
        FrmProgram& w = open();
        QVERIFY(
            !main_->findChild<QMenu*>(QStringLiteral("mnuUtilities"))->menuAction()->isEnabled());
        QVERIFY(!button("bttnStart")->isEnabled());
        QCOMPARE(label("lblFile")->text(), QStringLiteral("No image chosen."));
        QVERIFY(!bar()->isTextVisible());  // no "0 of 1 blocks" without an image
        w.chooseFile(image_);
        QVERIFY2(label("lblImage")->text().contains("Blocks: 20 of 4096 bytes"),
                 qPrintable(label("lblImage")->text()));
        QCOMPARE(bar()->text(), QStringLiteral("0 of 20 blocks"));
        QVERIFY(!button("bttnStart")->isEnabled());  // the unit is not known yet
        QTest::mouseClick(button("bttnIdentify"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(button("bttnStart")->isEnabled(), kRunLimitMs);
        QVERIFY(
            label("lblUnit")->text().startsWith("TM6, serial number 3289480992\nFirmware "
                                                "TM0006 V0118 TM6"));

        // No at the question sends nothing.
        QTest::mouseClick(button("bttnStart"), Qt::LeftButton);
        QMessageBox* box = question();
        QVERIFY(box);
        QVERIFY(box->text().startsWith(
            "Program TM6 3289480992 (firmware TM0006 V0118 TM6) with tm6.zav?"));
        box->button(QMessageBox::No)->click();
        QTest::qWait(50);
        QCOMPARE(unit_->frames_received(0x0B), 0u);

        QTest::mouseClick(button("bttnStart"), Qt::LeftButton);
        int highest = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            highest = std::max(highest, bar()->value());
            // The window repaints during the transfer: Cancel is offered.
            if (bar()->value() > 0 && bar()->value() < 20)
                QVERIFY(button("bttnCancel")->isEnabled());
        });
        watch.start(5);
        question()->button(QMessageBox::Yes)->click();
        QTRY_VERIFY_WITH_TIMEOUT(label("lblResult")->text().startsWith("Programmed in"),
                                 kRunLimitMs);
        QCOMPARE(bar()->maximum(), 20);
        QCOMPARE(bar()->value(), 20);
        QVERIFY(
            label("lblResult")
                ->text()
                .endsWith("Firmware before: TM0006 V0118 TM6\nFirmware after: TM0006 V0901 TM6"));
        QVERIFY(!button("bttnCancel")->isEnabled());
        QVERIFY2(messages_->lines().isEmpty(), qPrintable(messages_->lines().join('\n')));

        main_->toolWindow()->close();
        QTRY_VERIFY(!main_->toolWindow());
        QVERIFY(
            main_->findChild<QMenu*>(QStringLiteral("mnuUtilities"))->menuAction()->isEnabled());
    }

    void failureInWordsAndCancelAfterItsWarning() {
        FrmProgram& w = open();
        w.chooseFile(image_);
        QTest::mouseClick(button("bttnIdentify"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(button("bttnStart")->isEnabled(), kRunLimitMs);
        std::string why;
        QVERIFY(unit_->add_fault_text("code=F9:header:1", &why));
        QTest::mouseClick(button("bttnStart"), Qt::LeftButton);
        question()->button(QMessageBox::Yes)->click();
        QTRY_VERIFY_WITH_TIMEOUT(label("lblResult")->text().startsWith("Failed"), kRunLimitMs);
        QVERIFY(label("lblResult")
                    ->text()
                    .startsWith("Failed: the unit refused the header or a block (0xF9)."));
        QVERIFY(label("lblResult")->text().endsWith("Firmware after: unknown"));

        // The next download starts clean; Cancel mid-transfer after Yes. The
        // download runs inside the click on Yes, so a timer plays the user.
        QVERIFY(button("bttnStart")->isEnabled());
        bool warned = false;
        QTimer user;
        connect(&user, &QTimer::timeout, [&] {
            for (QMessageBox* box :
                 main_->toolWindow()->findChildren<QMessageBox*>(QStringLiteral("question"))) {
                if (!box->isVisible() || !box->text().contains("may then need programming again"))
                    continue;
                warned = true;
                box->button(QMessageBox::Yes)->click();
                return;
            }
            if (!warned && bar()->value() >= 2 && button("bttnCancel")->isEnabled())
                QTest::mouseClick(button("bttnCancel"), Qt::LeftButton);
        });
        user.start(10);
        QTest::mouseClick(button("bttnStart"), Qt::LeftButton);
        question()->button(QMessageBox::Yes)->click();
        QTRY_VERIFY_WITH_TIMEOUT(
            label("lblResult")->text().startsWith("Failed: stopped on request"), kRunLimitMs);
        QVERIFY(warned);
        QCOMPARE(zav::app::LibraryLink().GetDownloadData(), 0x100010);
    }

    void refusedFileIsShownAndStartStaysOff() {
        FrmProgram& w = open();
        w.chooseFile(dir_.path());
        QCOMPARE(label("lblImage")->text(),
                 QStringLiteral("Not sent: it is a folder, not a file."));
        QTest::mouseClick(button("bttnIdentify"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(label("lblUnit")->text().startsWith("TM6"), kRunLimitMs);
        QVERIFY(!button("bttnStart")->isEnabled());
        QVERIFY(zav::test::unnamedControls(*main_->toolWindow()).isEmpty());
    }

  private:
    FrmProgram& open() {
        main_->findChild<QAction*>(QStringLiteral("mnuProgram"))->trigger();
        auto* w = main_->toolWindow()->findChild<FrmProgram*>();
        Q_ASSERT(w);
        return *w;
    }
    QPushButton* button(const char* name) {
        return main_->toolWindow()->findChild<QPushButton*>(QLatin1String(name));
    }
    QLabel* label(const char* name) {
        return main_->toolWindow()->findChild<QLabel*>(QLatin1String(name));
    }
    QProgressBar* bar() {
        return main_->toolWindow()->findChild<QProgressBar*>(QStringLiteral("progress"));
    }
    QMessageBox* question() {
        QMessageBox* box = nullptr;
        // An answered box may linger until its deletion: the shown one.
        const bool shown = QTest::qWaitFor([&] {
            for (QMessageBox* each :
                 main_->toolWindow()->findChildren<QMessageBox*>(QStringLiteral("question")))
                if (each->isVisible()) box = each;
            return box != nullptr;
        });
        return shown ? box : nullptr;
    }

    QTemporaryDir dir_;
    QString image_;
    std::unique_ptr<zav::test::MessageRecorder> messages_;
    std::unique_ptr<MDIFormMain> main_;
    std::unique_ptr<zav::sim::Simulator> unit_;
};

QTEST_MAIN(ProgramWindowTest)
#include "program_window_test.moc"
