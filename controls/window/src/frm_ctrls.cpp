#include "zav/controls/window/frm_ctrls.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/lang/text_ids.h"
#include "zav/window/captions.h"
#include "zav/window/icons.h"
#include "zav/window/tool_window_parts.h"

namespace zav::controls::window {
namespace {

using zav::window::NewButton;
using zav::window::Pixels;

using app::Global::LangText;

constexpr int kSensorColumnTwips = 2000;
constexpr int kReadingMaximum = 255;
// Room for a status text that wraps.
constexpr int kStatusLines = 2;

std::size_t index(Control control) {
    return static_cast<std::size_t>(control);
}
std::size_t index(Group group) {
    return static_cast<std::size_t>(group);
}

// The face in exactly this colour: the style's own shading of a palette
// colour would show red as pink. A disabled button (the colour in use)
// keeps its face and greys its text.
void setBackColour(QPushButton* button, const QColor& colour) {
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black; "
                                         "border: 1px solid #606060; padding: 4px 10px; }"
                                         "QPushButton:disabled { color: #505050; }"
                                         "QPushButton:focus { border: 2px solid #202020; }")
                              .arg(colour.name()));
}

}  // namespace

FrmCtrls::FrmCtrls(zav::window::ToolWindowFrame& frame, std::chrono::milliseconds tickLength)
    : QWidget(&frame), frame_(frame), lblFeedback_(new QLabel(this)), view_(lblFeedback_) {
    setObjectName(QStringLiteral("frmCtrls"));
    buildControls();
    owned_ = std::make_unique<ControlsSession>(app::CurrentPort(), tickLength, view_);
    session_ = owned_.get();
    connect(session_, &ControlsSession::changed, this, &FrmCtrls::showPanel);
    ControlsSession* session = session_;
    for (int i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        connect(buttons_[index(control)], &QPushButton::clicked, this, [this, session, control] {
            frame_.runSessionCall([session, control] { session->press(control); });
        });
    }
    connect(lvSensor_, &QTreeWidget::currentItemChanged, this, &FrmCtrls::sensorSelected);
    frame_.setTitle(LangText(lang::text::kControls));
    frame_.setWindowIcon(zav::window::controlsIcon());
    showPanel();
}

FrmCtrls::~FrmCtrls() = default;

std::unique_ptr<app::ToolSession> FrmCtrls::takeSession() {
    return std::move(owned_);
}

QGroupBox* FrmCtrls::newGroup(Group group, const char* name, int textId) {
    auto* box = new QGroupBox(LangText(textId), this);
    box->setObjectName(QLatin1String(name));
    groups_[index(group)] = box;
    return box;
}

void FrmCtrls::addButton(Control control, const char* name, int textId) {
    const std::optional<Group> group = GroupOf(control);
    QWidget* parent = group ? static_cast<QWidget*>(groups_[index(*group)]) : this;
    buttons_[index(control)] = NewButton(name, textId, parent);
}

void FrmCtrls::buildControls() {
    newGroup(Group::Motor, "frameMotor", lang::text::kMotor);
    newGroup(Group::Stacker, "frameStacker", lang::text::kStacker);
    newGroup(Group::Straightener, "frameStraightener", lang::text::kStraightener);
    newGroup(Group::BezelLed, "frameBezelLED", lang::text::kBezelColour);
    newGroup(Group::Reading, "frameReading", lang::text::kReading);

    addButton(Control::MotorForward, "bttnMotorFwd", lang::text::kForward);
    addButton(Control::MotorReverse, "bttnMotorRev", lang::text::kReverse);
    addButton(Control::MotorStop, "bttnMotorStop", lang::text::kMotorStop);
    addButton(Control::StackerOn, "bttnSTACKON", lang::text::kOn);
    addButton(Control::StackerOff, "bttnSTACKOFF", lang::text::kOff);
    addButton(Control::StackerPark, "bttnSTACKPark", lang::text::kPark);
    addButton(Control::StraightenerOn, "bttnSTRAIGHTON", lang::text::kOn);
    addButton(Control::StraightenerOff, "bttnSTRAIGHTOFF", lang::text::kOff);
    addButton(Control::StraightenerPark, "bttnSTRAIGHTPark", lang::text::kPark);
    addButton(Control::BezelRed, "bttnRed", lang::text::kRed);
    addButton(Control::BezelGreen, "bttnGreen", lang::text::kGreen);
    addButton(Control::BezelBlue, "bttnBlue", lang::text::kBlue);
    addButton(Control::BezelWhite, "bttnWhite", lang::text::kWhite);
    addButton(Control::StartPolling, "bttnPingSensor", lang::text::kStart);
    addButton(Control::StopPolling, "bttnStopPingSensor", lang::text::kStop);
    addButton(Control::Ok, "bttnOK", lang::text::kOk);
    addButton(Control::Cancel, "bttnCancel", lang::text::kCancel);
    setBackColour(buttons_[index(Control::BezelRed)], QColor(0xFF, 0x00, 0x00));
    setBackColour(buttons_[index(Control::BezelGreen)], QColor(0x00, 0xC0, 0x00));
    setBackColour(buttons_[index(Control::BezelBlue)], QColor(0xC0, 0xC0, 0xFF));

    // Each actuator frame holds its buttons in one row.
    for (int i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        const std::optional<Group> group = GroupOf(control);
        if (!group || *group == Group::Reading) continue;
        QGroupBox* box = groups_[index(*group)];
        if (!box->layout()) new QHBoxLayout(box);
        box->layout()->addWidget(buttons_[index(control)]);
    }

    QGroupBox* reading = groups_[index(Group::Reading)];
    lvSensor_ = new QTreeWidget(reading);
    lvSensor_->setObjectName(QStringLiteral("lvSensor"));
    lvSensor_->setRootIsDecorated(false);
    lvSensor_->setColumnCount(1);
    lvSensor_->setHeaderLabels({LangText(lang::text::kSensor)});
    lvSensor_->setAccessibleName(LangText(lang::text::kSensor));
    lvSensor_->header()->setStretchLastSection(false);
    lvSensor_->setColumnWidth(0, Pixels(kSensorColumnTwips));
    lvSensor_->setMinimumHeight(10 * fontMetrics().lineSpacing());
    barSensorReading_ = new QProgressBar(reading);
    barSensorReading_->setObjectName(QStringLiteral("barSensorReading"));
    barSensorReading_->setRange(0, kReadingMaximum);
    barSensorReading_->setTextVisible(false);
    barSensorReading_->setAccessibleName(LangText(lang::text::kReading));
    lblSensorVal_ = new QLabel(reading);
    lblSensorVal_->setObjectName(QStringLiteral("lblSensorVal"));
    lblSensorVal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblSensorVal_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")));

    auto* pollButtons = new QHBoxLayout;
    pollButtons->addWidget(buttons_[index(Control::StartPolling)]);
    pollButtons->addWidget(buttons_[index(Control::StopPolling)]);
    auto* value = new QHBoxLayout;
    value->addWidget(barSensorReading_, 1);
    value->addWidget(lblSensorVal_);
    auto* readingLayout = new QVBoxLayout(reading);
    readingLayout->addWidget(lvSensor_, 1);
    readingLayout->addLayout(pollButtons);
    readingLayout->addLayout(value);

    lblFeedback_->setObjectName(QStringLiteral("lblFeedback"));
    zav::window::MakeStatusLine(*lblFeedback_);
    lblFeedback_->setWordWrap(true);
    lblFeedback_->setMinimumHeight(kStatusLines * fontMetrics().lineSpacing());

    auto* actuators = new QVBoxLayout;
    for (Group group : {Group::Motor, Group::Stacker, Group::Straightener, Group::BezelLed}) {
        actuators->addWidget(groups_[index(group)]);
    }
    actuators->addStretch(1);
    auto* groupsRow = new QHBoxLayout;
    groupsRow->addLayout(actuators);
    groupsRow->addWidget(reading, 1);

    auto* closeButtons = new QHBoxLayout;
    closeButtons->addStretch(1);
    closeButtons->addWidget(buttons_[index(Control::Ok)]);
    closeButtons->addWidget(buttons_[index(Control::Cancel)]);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groupsRow, 1);
    layout->addWidget(lblFeedback_);
    layout->addLayout(closeButtons);

    // The keyboard goes through the actuators first, then the reading, then
    // OK and Cancel.
    const auto button = [this](Control control) { return buttons_[index(control)]; };
    zav::window::SetTabOrder(
        {button(Control::MotorForward), button(Control::MotorReverse), button(Control::MotorStop),
         button(Control::StackerOn), button(Control::StackerOff), button(Control::StackerPark),
         button(Control::StraightenerOn), button(Control::StraightenerOff),
         button(Control::StraightenerPark), button(Control::BezelRed), button(Control::BezelGreen),
         button(Control::BezelBlue), button(Control::BezelWhite), lvSensor_,
         button(Control::StartPolling), button(Control::StopPolling), button(Control::Ok),
         button(Control::Cancel)});
}

// The preparation starts once the window is visible, so the status line
// shows each step.
void FrmCtrls::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (started_) return;
    started_ = true;
    ControlsSession* session = session_;
    QTimer::singleShot(0, this, [this, session] {
        if (!frame_.isClosing()) frame_.runSessionCall([session] { session->start(); });
    });
}

void FrmCtrls::showPanel() {
    const ControlPanel& panel = session_->panel();
    bool groupsChanged = false;
    for (int i = 0; i < kGroupCount; ++i) {
        const Visibility group = panel.group(static_cast<Group>(i));
        QGroupBox* box = groups_[static_cast<std::size_t>(i)];
        groupsChanged = groupsChanged || box->isVisibleTo(this) != group.visible;
        box->setVisible(group.visible);
        box->setEnabled(group.enabled);
    }
    for (int i = 0; i < kControlCount; ++i) {
        const Visibility control = panel.control(static_cast<Control>(i));
        QPushButton* button = buttons_[static_cast<std::size_t>(i)];
        button->setVisible(control.visible);
        button->setEnabled(control.enabled);
    }
    showSensors();
    barSensorReading_->setEnabled(panel.readingBarEnabled);
    barSensorReading_->setValue(panel.readingValue);
    lblSensorVal_->setText(panel.readingText);
    // Shown or hidden groups change the window's size once it holds this.
    if (groupsChanged && frame_.widget() == this) frame_.adjustSize();
}

// The list is built once the preparation has read the sensors; the
// selection follows the session's.
void FrmCtrls::showSensors() {
    const ControlPanel& panel = session_->panel();
    if (panel.sensors != shownSensors_) {
        const QSignalBlocker quiet(lvSensor_);
        lvSensor_->clear();
        for (const QString& sensor : panel.sensors) new QTreeWidgetItem(lvSensor_, {sensor});
        shownSensors_ = panel.sensors;
    }
    const int selected = panel.selectedSensor - 1;
    if (selected >= 0 && selected < lvSensor_->topLevelItemCount() &&
        lvSensor_->indexOfTopLevelItem(lvSensor_->currentItem()) != selected) {
        const QSignalBlocker quiet(lvSensor_);
        lvSensor_->setCurrentItem(lvSensor_->topLevelItem(selected));
    }
}

void FrmCtrls::sensorSelected() {
    const int row = lvSensor_->indexOfTopLevelItem(lvSensor_->currentItem());
    if (row >= 0) session_->selectSensor(row + 1);
}

zav::window::ToolWindowFrame* openControlsWindow(zav::window::MainWindowControls& mainWindow,
                                                 std::chrono::milliseconds tickLength) {
    return zav::window::openToolWindow<FrmCtrls>(mainWindow, tickLength);
}

}  // namespace zav::controls::window
