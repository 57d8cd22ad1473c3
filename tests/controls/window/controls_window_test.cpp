// The controls and initialise windows against the in-process simulator with
// short ticks: what the engineer sees on each model (frames, buttons, their
// colours, status texts, readings, status rows), the bytes each button
// sends, and closing at every stage.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <memory>

#include "gui_test_support.h"
#include "zav/app/current_port.h"
#include "zav/app/link_api.h"
#include "zav/app/serial_api.h"
#include "zav/controls/window/frm_ctrls.h"
#include "zav/controls/window/frm_rx_init_status.h"
#include "zav/desktop/mdi_form_main.h"
#include "zav/lang/module_files.h"
#include "zav/sim/simulator.h"

using namespace std::chrono_literals;
using zav::desktop::MDIFormMain;
using zav::desktop::ToolKind;
using zav::window::ToolWindowFrame;

namespace {

constexpr std::int16_t kPort = 116;
constexpr auto kTick = 20ms;
constexpr int kPrepareLimitMs = 60000;

const QString kSelectSensor = QStringLiteral("Select a sensor and start reading.");
const QColor kGreen(0, 192, 0);
const QColor kRed(255, 0, 0);

}  // namespace

class ControlsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        zav::test::setUpProgram();
        messages_ = std::make_unique<zav::test::MessageRecorder>();
        main_ = std::make_unique<MDIFormMain>();
        QVERIFY(main_->startUp({zav::lang::defaultModuleDirectory(), 0x409}));
        main_->setToolWindowFactory(ToolKind::Controls, [](auto& controls) {
            return zav::controls::window::openControlsWindow(controls, kTick);
        });
        main_->setToolWindowFactory(ToolKind::Initialise, [](auto& controls) {
            return zav::controls::window::openInitialiseWindow(controls, kTick);
        });
        main_->show();
    }
    void cleanup() {
        if (main_->toolWindow()) main_->toolWindow()->close();
        QTRY_VERIFY_WITH_TIMEOUT(!main_->toolWindow(), 10000);
        main_.reset();
        unit_.reset();
        messages_.reset();
        zav::app::Link().CloseComm();
        zav::app::Serial().ClosePort();
    }

    // Opened from the toolbar, the window shows each preparation step on
    // its status line, then the groups of the unit's sensors and model with
    // the buttons a ready window offers.
    void groupsFollowTheUnit_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("stacker");
        QTest::addColumn<bool>("straightener");
        QTest::addColumn<bool>("bezel");
        QTest::newRow("RX3") << "RX3" << false << false << false;
        QTest::newRow("RX5") << "RX5" << true << false << false;
        QTest::newRow("TM4") << "TM4" << false << false << false;
        QTest::newRow("TM6 (Z and R sensors)") << "TM6" << true << true << true;
    }
    void groupsFollowTheUnit() {
        QFETCH(QString, model);
        QFETCH(bool, stacker);
        QFETCH(bool, straightener);
        QFETCH(bool, bezel);
        startUnit(model.toStdString());
        auto* toolbar = main_->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QAction* controls = main_->findChild<QAction*>(QStringLiteral("mnuControls"));
        QTest::mouseClick(toolbar->widgetForAction(controls), Qt::LeftButton);
        QVERIFY(window());
        QCOMPARE(window()->windowTitle(), QStringLiteral("Controls"));
        QVERIFY(!toolbar->isEnabled());
        QVERIFY(!main_->findChild<QMenu*>(QStringLiteral("mnuFile"))->menuAction()->isEnabled());
        // Shown at once, with everything disabled while it prepares.
        QVERIFY(window()->isVisible());
        for (const char* name : {"bttnMotorFwd", "bttnOK", "bttnCancel", "bttnPingSensor"}) {
            QVERIFY2(!button(name)->isEnabled(), name);
        }
        for (const char* name : {"frameStacker", "frameStraightener", "frameBezelLED"}) {
            QVERIFY2(!group(name)->isVisibleTo(window()), name);
        }
        const QStringList statuses = prepare();
        QCOMPARE(window()->pos(), QPoint(7, 7));
        const QStringList steps{"Getting sensor data from device...", "Data fetched!",
                                "Ram file download completed!", "Download sensor gains!",
                                kSelectSensor};
        QCOMPARE(statuses.join('|'), steps.join('|'));
        QVERIFY2(messages_->lines().isEmpty(), qPrintable(messages_->lines().join('\n')));

        QVERIFY(group("frameMotor")->isVisibleTo(window()));
        QVERIFY(group("frameReading")->isVisibleTo(window()));
        QCOMPARE(group("frameStacker")->isVisibleTo(window()), stacker);
        QCOMPARE(group("frameStraightener")->isVisibleTo(window()), straightener);
        QCOMPARE(group("frameBezelLED")->isVisibleTo(window()), bezel);
        QCOMPARE(group("frameMotor")->title(), QStringLiteral("Motor"));
        QCOMPARE(enabledButtons(), enabledExpected(stacker, straightener, bezel));
        QCOMPARE(button("bttnMotorFwd")->text(), QStringLiteral("FWD"));
        QCOMPARE(button("bttnStopPingSensor")->text(), QStringLiteral("Stop"));
        QVERIFY(bar()->isEnabled());
        QCOMPARE(bar()->minimum(), 0);
        QCOMPARE(bar()->maximum(), 255);
        QCOMPARE(label("lblSensorVal")->text(), QString());
        QCOMPARE(sensors()->headerItem()->text(0), QStringLiteral("Sensor"));
        QCOMPARE(sensors()->columnWidth(0), 133);  // 2000 twips
        QVERIFY(sensors()->topLevelItemCount() >= 14);
        if (bezel) {
            // The faces as drawn, not lightened by the style's shading.
            const auto face = [this](const char* name) {
                QPushButton* shown = button(name);
                return shown->grab().toImage().pixelColor(4, shown->height() / 2);
            };
            QCOMPARE(face("bttnRed"), kRed);
            QCOMPARE(face("bttnGreen"), kGreen);
            QCOMPARE(face("bttnBlue"), QColor(192, 192, 255));
            QCOMPARE(button("bttnWhite")->palette().color(QPalette::Button),
                     QApplication::palette(button("bttnWhite")).color(QPalette::Button));
        }
        QCOMPARE(zav::test::unnamedControls(*window()).join(u','), QString());
        // Tab goes through the actuators before the sensor list.
        const QStringList order = zav::test::tabOrder(*window());
        QVERIFY2(order.indexOf("bttnMotorFwd") >= 0 &&
                     order.indexOf("bttnMotorFwd") < order.indexOf("lvSensor") &&
                     order.indexOf("lvSensor") < order.indexOf("bttnPingSensor") &&
                     order.indexOf("bttnPingSensor") < order.indexOf("bttnOK"),
                 qPrintable(order.join(u' ')));
        QCOMPARE(zav::test::accessibleName(label("lblFeedback")), label("lblFeedback")->text());
    }

    // The French caption of the window is also a menu entry's: the title
    // shows it without its access key.
    void frenchTitleHasNoAccessKey() {
        zav::test::setUpProgram(QStringLiteral("fr"));
        startUnit("RX3");
        openControls();
        QCOMPARE(window()->windowTitle(), QStringLiteral("Contrôles"));
        QCOMPARE(button("bttnMotorFwd")->text(), QStringLiteral("Avant"));
    }

    // Each button sends its byte and leaves the disabled button of its group
    // showing the actuator's state; a park the utility acknowledges within
    // its limit clears the status line, one acknowledged after it says the
    // connection was lost.
    void buttonsSendTheirBytes() {
        // The stacker parks in three test steps, within its 80 ticks; the
        // straightener in one, beyond its 10.
        startUnit("TM6", 300);
        openControls();
        prepare();

        press("bttnMotorFwd", 0x91, "Testing motor...");
        QCOMPARE(enabledIn({"bttnMotorFwd", "bttnMotorRev", "bttnMotorStop"}), "bttnMotorStop");
        press("bttnMotorStop", 0x90, "");
        QCOMPARE(enabledIn({"bttnMotorFwd", "bttnMotorRev", "bttnMotorStop"}),
                 "bttnMotorFwd bttnMotorRev");
        press("bttnMotorRev", 0x92, "Testing motor...");
        QCOMPARE(enabledIn({"bttnMotorFwd", "bttnMotorRev", "bttnMotorStop"}), "bttnMotorStop");

        press("bttnSTACKON", 0x94, "Testing stacker...");
        QCOMPARE(enabledIn({"bttnSTACKON", "bttnSTACKOFF", "bttnSTACKPark"}), "bttnSTACKOFF");
        press("bttnSTACKOFF", 0x93, "");
        QCOMPARE(enabledIn({"bttnSTACKON", "bttnSTACKOFF", "bttnSTACKPark"}),
                 "bttnSTACKON bttnSTACKPark");
        press("bttnSTACKPark", 0x9A, "");
        QCOMPARE(enabledIn({"bttnSTACKON", "bttnSTACKOFF", "bttnSTACKPark"}),
                 "bttnSTACKON bttnSTACKPark");

        press("bttnSTRAIGHTON", 0x97, "Testing straightener…");
        QCOMPARE(enabledIn({"bttnSTRAIGHTON", "bttnSTRAIGHTOFF", "bttnSTRAIGHTPark"}),
                 "bttnSTRAIGHTOFF");
        press("bttnSTRAIGHTOFF", 0x96, "");
        press("bttnSTRAIGHTPark", 0x9B, "Connection lost!");
        QCOMPARE(enabledIn({"bttnSTRAIGHTON", "bttnSTRAIGHTOFF", "bttnSTRAIGHTPark"}),
                 "bttnSTRAIGHTON bttnSTRAIGHTPark");

        const char* const bezel[] = {"bttnRed", "bttnGreen", "bttnBlue", "bttnWhite"};
        const std::uint8_t bytes[] = {0x9C, 0x9D, 0x9E, 0x9F};
        for (int i = 0; i < 4; ++i) {
            press(bezel[i], bytes[i], "Changing bezel color!");
            QStringList others;
            for (int j = 0; j < 4; ++j) {
                if (j != i) others << QLatin1String(bezel[j]);
            }
            QCOMPARE(enabledIn({"bttnRed", "bttnGreen", "bttnBlue", "bttnWhite"}),
                     others.join(' '));
        }
        QVERIFY(messages_->lines().isEmpty());
    }

    // Start polls the selected sensor with the model's request byte, the bar
    // and the label show the reading, a new selection changes the request,
    // and Stop resets the display.
    void pollingShowsTheReading_data() {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("seventeenth");
        QTest::newRow("RX5") << "RX5" << 0xB3;
        QTest::newRow("TM3") << "TM3" << 0xD0;
    }
    void pollingShowsTheReading() {
        QFETCH(QString, model);
        QFETCH(int, seventeenth);
        startUnit(model.toStdString());
        openControls();
        prepare();
        selectSensor(17);
        QTest::mouseClick(button("bttnPingSensor"), Qt::LeftButton);
        QCOMPARE(label("lblFeedback")->text(), QStringLiteral("Polling sensor..."));
        QCOMPARE(enabledIn({"bttnPingSensor", "bttnStopPingSensor"}), "bttnStopPingSensor");
        QTRY_VERIFY(unit_->raw_commands_received(static_cast<std::uint8_t>(seventeenth)) >= 3);
        QTRY_VERIFY(!label("lblSensorVal")->text().isEmpty());
        QCOMPARE(bar()->value(), label("lblSensorVal")->text().toInt());

        selectSensor(2);
        const std::size_t before = unit_->raw_commands_received(0xC1);
        QTRY_VERIFY(unit_->raw_commands_received(0xC1) >= before + 3);

        QTest::mouseClick(button("bttnStopPingSensor"), Qt::LeftButton);
        QCOMPARE(bar()->value(), 0);
        QCOMPARE(label("lblSensorVal")->text(), QString());
        QCOMPARE(label("lblFeedback")->text(), kSelectSensor);
        QCOMPARE(enabledIn({"bttnPingSensor", "bttnStopPingSensor"}), "bttnPingSensor");
        const std::size_t stopped = unit_->raw_commands_received(0xC1);
        // Silence is the point: five ticks without a poll.
        QTest::qWait(5 * kTick.count());
        QCOMPARE(unit_->raw_commands_received(0xC1), stopped);
    }

    // However and whenever the window closes, the utility gets 0x82 once,
    // the main window is usable again and nothing more reaches the unit.
    void closingAtEveryStage_data() {
        QTest::addColumn<QString>("stage");
        QTest::addColumn<QString>("how");
        QTest::newRow("preparing, close box") << "preparing"
                                              << "box";
        QTest::newRow("ready, OK") << "ready"
                                   << "bttnOK";
        QTest::newRow("ready, Cancel") << "ready"
                                       << "bttnCancel";
        QTest::newRow("polling, close box") << "polling"
                                            << "box";
        QTest::newRow("park waiting, close box") << "park"
                                                 << "box";
        QTest::newRow("ready, program exit") << "ready"
                                             << "exit";
    }
    void closingAtEveryStage() {
        QFETCH(QString, stage);
        QFETCH(QString, how);
        startUnit("TM6", 200);
        openControls();
        QPointer<ToolWindowFrame> frame = window();
        const auto close = [&] {
            if (how == QLatin1String("box")) {
                frame->close();
            } else if (how == QLatin1String("exit")) {
                main_->close();
            } else {
                QTest::mouseClick(button(how.toLatin1().constData()), Qt::LeftButton);
            }
        };
        // Inside a wait of the window, closing comes from a timer.
        QString closeAt;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (frame && frame->isVisible() && label("lblFeedback")->text() == closeAt) close();
        });
        closer.start(1);
        if (stage == QLatin1String("preparing")) closeAt = QStringLiteral("Data fetched!");
        if (stage != QLatin1String("preparing")) prepare();
        if (stage == QLatin1String("polling")) {
            selectSensor(1);
            QTest::mouseClick(button("bttnPingSensor"), Qt::LeftButton);
            QTRY_VERIFY(unit_->raw_commands_received(0xC0) >= 2);
        }
        if (stage == QLatin1String("park")) {
            closeAt = QStringLiteral("Parking staker…");
            QTimer::singleShot(0, button("bttnSTACKPark"), &QPushButton::click);
        }
        if (closeAt.isEmpty()) close();
        const bool utilityRunning = stage != QLatin1String("preparing");
        QTRY_VERIFY_WITH_TIMEOUT(!frame, 10000);
        closer.stop();
        auto* toolbar = main_->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QVERIFY(toolbar->isEnabled());
        QVERIFY(main_->findChild<QMenu*>(QStringLiteral("mnuFile"))->menuAction()->isEnabled());
        if (utilityRunning) {
            QTRY_COMPARE(unit_->raw_commands_received(0x82), std::size_t{1});
            QCOMPARE(unit_->running_program(), zav::sim::Program::LinkProtocol);
        }
        const std::size_t frames = unit_->frames_received();
        const std::size_t polls = unit_->raw_commands_received(0xC0);
        // Silence is the point: nothing reaches the unit after the close.
        QTest::qWait(20 * kTick.count());
        QCOMPARE(unit_->frames_received(), frames);
        QCOMPARE(unit_->raw_commands_received(0xC0), polls);
        QCOMPARE(unit_->raw_commands_received(0x82), std::size_t{utilityRunning ? 1u : 0u});
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    // A whole run: the caption names the unit, the rows change colour per
    // status reply while Start is disabled and the hourglass shows, and the
    // end shows every sensor's final state with its gains. The status
    // colour is a swatch beside text in the list's own colour; the failed
    // sensor's row (the last one) is in sight and every name is whole.
    void initialiseRunShowsEachSensor() {
        constexpr int kFailing = 25;
        zav::sim::InitialisationOptions initialisation;
        initialisation.failing_sensors = {kFailing};
        initialisation.step_ms = 40;
        startUnit("TM6", 30, initialisation);
        main_->findChild<QAction*>(QStringLiteral("mnuInitialise"))->trigger();
        QVERIFY(window());
        QCOMPARE(window()->windowTitle(), QStringLiteral("Initialise and Status"));
        QTreeWidget* list = window()->findChild<QTreeWidget*>(QStringLiteral("lv1"));
        const QStringList titles{"Sensor", "Calibration Status", "Gain 1", "Gain 2"};
        const int widths[] = {100, 140, 53, 53};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(list->headerItem()->text(i), titles[i]);
            QCOMPARE(list->columnWidth(i), widths[i]);  // before the names are known
        }
        QCOMPARE(button("bttnInitStart")->text(), QStringLiteral("Start"));
        QVERIFY(button("bttnInitStart")->isEnabled());
        QCOMPARE(zav::test::unnamedControls(*window()).join(u','), QString());

        QSet<QString> seen;
        bool waitShown = true;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (list->topLevelItemCount() == 0) return;
            seen << list->topLevelItem(0)->text(1);
            waitShown = waitShown && !button("bttnInitStart")->isEnabled() &&
                        QApplication::overrideCursor() &&
                        QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        });
        watch.start(5);
        QTest::mouseClick(button("bttnInitStart"), Qt::LeftButton);
        watch.stop();
        QCOMPARE(messages_->lines(), QStringList{"Information: Initialisation process complete"});
        QVERIFY(waitShown);
        QVERIFY2(seen.contains(QStringLiteral("Initialisation busy")),
                 qPrintable(QStringList(seen.values()).join(',')));
        QCOMPARE(window()->windowTitle(), QStringLiteral("Validator: TM6"));
        QVERIFY(button("bttnInitStart")->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(list->topLevelItemCount(), kFailing + 1);
        const QRect shown = list->viewport()->rect();
        QVERIFY(shown.contains(list->visualItemRect(list->topLevelItem(kFailing))));
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list->topLevelItem(i);
            const bool failed = i == kFailing;
            QCOMPARE(row->text(1),
                     failed ? QStringLiteral("FAILED") : QStringLiteral("Calibration complete"));
            const QImage swatch = row->icon(1).pixmap(12, 12).toImage();
            QCOMPARE(swatch.pixelColor(6, 6), failed ? kRed : kGreen);
            QVERIFY(!row->data(1, Qt::ForegroundRole).isValid());
            QVERIFY2(list->fontMetrics().horizontalAdvance(row->text(0)) < list->columnWidth(0),
                     qPrintable(row->text(0)));
            bool number = false;
            QVERIFY(row->text(2).toInt(&number) >= 0 && number);
            QVERIFY(row->text(3).toInt(&number) <= 255 && number);
        }
    }

    // A unit without the data function is told so and hears nothing more;
    // one without EEPROM data is refused with the critical icon.
    void initialiseRefusals() {
        zav::sim::InitialisationOptions noFunction;
        noFunction.capability = 0xF7;
        startUnit("TM6", 30, noFunction);
        main_->findChild<QAction*>(QStringLiteral("mnuInitialise"))->trigger();
        QTest::mouseClick(button("bttnInitStart"), Qt::LeftButton);
        QCOMPARE(messages_->lines(),
                 QStringList{"Warning: This validator version does not support initialisation "
                             "data function"});
        QCOMPARE(unit_->last_command(), (std::vector<std::uint8_t>{0x30, 0x05, 0x74}));
        QCOMPARE(window()->findChild<QTreeWidget*>(QStringLiteral("lv1"))->topLevelItemCount(), 0);
        window()->close();
        QTRY_VERIFY(!window());

        messages_->messages.clear();
        startUnit("TM6");
        zav::sim::Fault noEeprom;
        noEeprom.kind = zav::sim::Fault::Kind::GenericCode;
        noEeprom.code = 0xF5;
        unit_->set_fault(zav::sim::expansion(0x0F), noEeprom);
        main_->findChild<QAction*>(QStringLiteral("mnuInitialise"))->trigger();
        QTest::mouseClick(button("bttnInitStart"), Qt::LeftButton);
        QCOMPARE(messages_->lines(), QStringList{"Critical: Can not initialise. No EEPROM data"});
        QCOMPARE(unit_->last_command(), (std::vector<std::uint8_t>{0x30, 0x05, 0x0F}));
    }

    // Closing during a run is never refused: the run stops at its next
    // check, the window goes and the link hears nothing more.
    void closingDuringAnInitialisation() {
        zav::sim::InitialisationOptions slow;
        slow.step_ms = 2000;
        startUnit("TM6", 30, slow);
        main_->findChild<QAction*>(QStringLiteral("mnuInitialise"))->trigger();
        QPointer<ToolWindowFrame> frame = window();
        QTreeWidget* list = frame->findChild<QTreeWidget*>(QStringLiteral("lv1"));
        // The run returns at its end: the close comes from a timer inside it.
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            if (frame && frame->isVisible() && list->topLevelItemCount() > 0 &&
                !list->topLevelItem(0)->text(1).isEmpty()) {
                frame->close();
            }
        });
        closer.start(5);
        QTest::mouseClick(button("bttnInitStart"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!frame, 10000);
        QVERIFY(main_->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isEnabled());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        const std::size_t frames = unit_->frames_received();
        // Silence is the point: nothing reaches the unit after the close.
        QTest::qWait(300);
        QCOMPARE(unit_->frames_received(), frames);
        QVERIFY2(messages_->lines().isEmpty(), qPrintable(messages_->lines().join('\n')));
    }

  private:
    void startUnit(const std::string& model, int testStepMs = 30,
                   zav::sim::InitialisationOptions initialisation = {}) {
        unit_.reset();
        zav::sim::Options options{model};
        options.test_step_ms = testStepMs;
        options.initialisation = initialisation;
        unit_ = std::make_unique<zav::sim::Simulator>(options);
        std::string why;
        QVERIFY2(unit_->start(&why), why.c_str());
        unit_->export_port(kPort);
        zav::app::SetCurrentPort(kPort);
    }
    void openControls() {
        main_->findChild<QAction*>(QStringLiteral("mnuControls"))->trigger();
        QVERIFY(window());
    }
    // The status texts until the window is ready, each once.
    QStringList prepare() {
        QStringList statuses;
        const auto note = [&] {
            const QString text = label("lblFeedback")->text();
            if (statuses.isEmpty() || statuses.last() != text) statuses << text;
        };
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, note);
        watch.start(1);
        const bool ready = QTest::qWaitFor(
            [&] {
                return button("bttnOK")->isEnabled() &&
                       label("lblFeedback")->text() == kSelectSensor;
            },
            kPrepareLimitMs);
        watch.stop();
        note();
        if (!ready) statuses << QStringLiteral("(not ready)");
        return statuses;
    }
    // Clicks a button and waits until the utility has taken its byte.
    void press(const char* name, std::uint8_t byte, const char* status) {
        const std::size_t before = unit_->raw_commands_received(byte);
        QTest::mouseClick(button(name), Qt::LeftButton);
        QTRY_COMPARE(unit_->raw_commands_received(byte), before + 1);
        QCOMPARE(label("lblFeedback")->text(), QString::fromUtf8(status));
    }
    void selectSensor(int position) {
        QTreeWidget* list = sensors();
        QTreeWidgetItem* item = list->topLevelItem(position - 1);
        QVERIFY(item);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        QCOMPARE(list->currentItem(), item);
    }
    QString enabledIn(std::initializer_list<const char*> names) const {
        QStringList enabled;
        for (const char* name : names) {
            if (button(name)->isEnabled()) enabled << QLatin1String(name);
        }
        return enabled.join(' ');
    }
    // The buttons a user can press, in the window's order.
    QStringList enabledButtons() const {
        QStringList names;
        for (QPushButton* b : window()->findChildren<QPushButton*>()) {
            if (b->isVisibleTo(window()) && b->isEnabled()) names << b->objectName();
        }
        names.sort();
        return names;
    }
    static QStringList enabledExpected(bool stacker, bool straightener, bool bezel) {
        QStringList names{"bttnMotorFwd", "bttnMotorRev", "bttnPingSensor", "bttnOK", "bttnCancel"};
        if (stacker)
            names << "bttnSTACKON"
                  << "bttnSTACKPark";
        if (straightener)
            names << "bttnSTRAIGHTON"
                  << "bttnSTRAIGHTPark";
        if (bezel)
            names << "bttnRed"
                  << "bttnGreen"
                  << "bttnBlue"
                  << "bttnWhite";
        names.sort();
        return names;
    }
    ToolWindowFrame* window() const { return main_->toolWindow(); }
    QPushButton* button(const char* name) const {
        return window() ? window()->findChild<QPushButton*>(QLatin1String(name)) : nullptr;
    }
    QLabel* label(const char* name) const {
        return window() ? window()->findChild<QLabel*>(QLatin1String(name)) : nullptr;
    }
    QGroupBox* group(const char* name) const {
        return window()->findChild<QGroupBox*>(QLatin1String(name));
    }
    QProgressBar* bar() const {
        return window()->findChild<QProgressBar*>(QStringLiteral("barSensorReading"));
    }
    QTreeWidget* sensors() const {
        return window()->findChild<QTreeWidget*>(QStringLiteral("lvSensor"));
    }

    std::unique_ptr<zav::test::MessageRecorder> messages_;
    std::unique_ptr<MDIFormMain> main_;
    std::unique_ptr<zav::sim::Simulator> unit_;
};

QTEST_MAIN(ControlsWindowTest)
#include "controls_window_test.moc"
