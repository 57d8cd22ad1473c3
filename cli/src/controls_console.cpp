#include "controls_console.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <utility>

#include "zav/app/arguments.h"
#include "zav/cli/printing_front_end.h"

namespace zav::cli {
namespace {

using controls::Control;
using controls::Group;

// Longest command line taken whole; a longer one is read in pieces, each
// refused as a command nobody knows.
constexpr qint64 kMaxLineLength = 1024;
constexpr int kBarWidth = 20;
// Where the help's descriptions start.
constexpr qsizetype kHelpColumn = 36;
constexpr double kMaxWaitSeconds = 600;

struct ActuatorWords {
    const char* words;
    Control control;
    const char* whenDisabled;  // why the button is not usable now
};

constexpr ActuatorWords kActuatorWords[] = {
    {"fwd", Control::MotorForward, QT_TRANSLATE_NOOP("zav", "the motor is running; stop it first")},
    {"rev", Control::MotorReverse, QT_TRANSLATE_NOOP("zav", "the motor is running; stop it first")},
    {"stop", Control::MotorStop, QT_TRANSLATE_NOOP("zav", "the motor is not running")},
    {"stacker on", Control::StackerOn,
     QT_TRANSLATE_NOOP("zav", "the stacker is running; switch it off first")},
    {"stacker off", Control::StackerOff, QT_TRANSLATE_NOOP("zav", "the stacker is not running")},
    {"stacker park", Control::StackerPark,
     QT_TRANSLATE_NOOP("zav", "the stacker is running; switch it off first")},
    {"straightener on", Control::StraightenerOn,
     QT_TRANSLATE_NOOP("zav", "the straightener is running; switch it off first")},
    {"straightener off", Control::StraightenerOff,
     QT_TRANSLATE_NOOP("zav", "the straightener is not running")},
    {"straightener park", Control::StraightenerPark,
     QT_TRANSLATE_NOOP("zav", "the straightener is running; switch it off first")},
    {"bezel red", Control::BezelRed, QT_TRANSLATE_NOOP("zav", "the bezel is red already")},
    {"bezel green", Control::BezelGreen, QT_TRANSLATE_NOOP("zav", "the bezel is green already")},
    {"bezel blue", Control::BezelBlue, QT_TRANSLATE_NOOP("zav", "the bezel is blue already")},
    {"bezel white", Control::BezelWhite, QT_TRANSLATE_NOOP("zav", "the bezel is white already")},
};

QString GroupName(Group group) {
    switch (group) {
        case Group::Stacker:
            return QCoreApplication::translate("zav", "stacker");
        case Group::Straightener:
            return QCoreApplication::translate("zav", "straightener");
        case Group::BezelLed:
            return QCoreApplication::translate("zav", "bezel light");
        case Group::Motor:
        case Group::Reading:
            break;
    }
    return QCoreApplication::translate("zav", "such control");
}

QString Bar(int value) {
    const int filled = value * kBarWidth / 255;
    return QString(filled, u'#') + QString(kBarWidth - filled, u'.');
}

}  // namespace

ControlsConsole::ControlsConsole(controls::ControlsSession& session) : session_(session) {
    QObject::connect(&session_, &controls::ControlsSession::changed, &loop_,
                     [this] { showReading(); });
}

QStringList ControlsConsole::help() {
    // The commands as typed, and what each does in the user's language.
    static constexpr std::pair<const char*, const char*> kCommands[] = {
        {"fwd | rev | stop", QT_TRANSLATE_NOOP("zav", "transport motor")},
        {"stacker on|off|park", QT_TRANSLATE_NOOP("zav", "stacker")},
        {"straightener on|off|park", QT_TRANSLATE_NOOP("zav", "note straightener")},
        {"bezel red|green|blue|white", QT_TRANSLATE_NOOP("zav", "bezel colour")},
        {"poll SENSOR", QT_TRANSLATE_NOOP("zav", "live reading of a sensor (name or number)")},
        {"unpoll", QT_TRANSLATE_NOOP("zav", "stop the reading")},
        {"wait SECONDS", QT_TRANSLATE_NOOP("zav", "let time pass (for scripts)")},
        {"quit", QT_TRANSLATE_NOOP("zav", "leave (also at end of input)")},
    };
    QStringList lines;
    for (const auto& [words, what] : kCommands) {
        lines << QString::fromLatin1(words).leftJustified(kHelpColumn) +
                     QCoreApplication::translate("zav", what);
    }
    return lines;
}

void ControlsConsole::run() {
    if (session_.isClosed()) return;
    if (!input_.open(stdin, QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        PrintError(
            QCoreApplication::translate("zav", "zavdiag controls: standard input cannot be read"));
        session_.requestClose();
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(input_.handle(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, &loop_, [this] { readLine(); });
    loop_.exec();
    notifier_.reset();
    session_.requestClose();
}

void ControlsConsole::stop() {
    session_.requestClose();
    if (pause_) pause_->quit();
    loop_.quit();
}

// One line per wake-up; the notifier stays off while a command runs, so a
// command's wait never starts another command.
void ControlsConsole::readLine() {
    notifier_->setEnabled(false);
    // A stop in the same pass of the loop only asked it to quit: no command
    // may start after it.
    if (session_.isClosed()) {
        loop_.quit();
        return;
    }
    const QByteArray line = input_.readLine(kMaxLineLength);
    if (line.isEmpty()) {
        loop_.quit();
        return;
    }
    execute(QString::fromLocal8Bit(line));
    if (session_.isClosed()) {
        loop_.quit();
    } else {
        notifier_->setEnabled(true);
    }
}

void ControlsConsole::execute(const QString& line) {
    const QString command = line.simplified().toLower();
    if (command.isEmpty()) return;
    const QString verb = command.section(u' ', 0, 0);
    const QString rest = line.simplified().section(u' ', 1);
    if (verb == QLatin1String("quit") || verb == QLatin1String("exit")) {
        session_.requestClose();
    } else if (verb == QLatin1String("help")) {
        for (const QString& text : help()) PrintLine(text);
    } else if (verb == QLatin1String("poll")) {
        poll(rest);
    } else if (command == QLatin1String("unpoll")) {
        if (!session_.press(Control::StopPolling))
            PrintError(QCoreApplication::translate("zav", "unpoll: not polling"));
    } else if (verb == QLatin1String("wait")) {
        wait(rest);
    } else {
        for (const ActuatorWords& words : kActuatorWords) {
            if (command == QLatin1String(words.words)) {
                press(words.control, command);
                return;
            }
        }
        PrintError(
            QCoreApplication::translate("zav", "unknown command \"%1\"; type help for the commands")
                .arg(line.simplified()));
    }
}

void ControlsConsole::press(Control control, const QString& what) {
    const controls::ControlPanel& panel = session_.panel();
    const std::optional<Group> group = controls::GroupOf(control);
    if (group && !panel.group(*group).visible) {
        PrintError(QCoreApplication::translate("zav", "%1: this unit has no %2")
                       .arg(what, GroupName(*group)));
        return;
    }
    if (session_.press(control)) return;
    for (const ActuatorWords& words : kActuatorWords) {
        if (words.control == control) {
            PrintError(QCoreApplication::translate("zav", "%1: not now, %2")
                           .arg(what, QCoreApplication::translate("zav", words.whenDisabled)));
        }
    }
}

void ControlsConsole::poll(const QString& sensor) {
    const QStringList& sensors = session_.panel().sensors;
    std::optional<int> position = app::ParseInteger(sensor, 1, static_cast<int>(sensors.size()));
    for (int i = 0; !position && i < sensors.size(); ++i) {
        if (sensors[i].simplified().compare(sensor, Qt::CaseInsensitive) == 0) position = i + 1;
    }
    if (sensor.isEmpty() || !position) {
        PrintError(QCoreApplication::translate("zav", "poll: no sensor \"%1\"; the sensors are:")
                       .arg(sensor));
        for (int i = 0; i < sensors.size(); ++i) {
            PrintError(QStringLiteral("  %1 %2").arg(i + 1, 2).arg(sensors[i]));
        }
        return;
    }
    session_.selectSensor(*position);
    shownReading_.clear();
    PrintLine(QCoreApplication::translate("zav", "polling %1 %2")
                  .arg(*position)
                  .arg(sensors[*position - 1]));
    if (!session_.panel().control(Control::StopPolling).enabled) {
        session_.press(Control::StartPolling);
    }
}

void ControlsConsole::wait(const QString& seconds) {
    bool ok = false;
    const double value = seconds.toDouble(&ok);
    // Written so that a NaN, which fails every comparison, is refused too.
    if (!ok || !(value >= 0 && value <= kMaxWaitSeconds)) {
        PrintError(QCoreApplication::translate(
                       "zav", "wait: \"%1\" is not a number of seconds from 0 to 600")
                       .arg(seconds));
        return;
    }
    QEventLoop pause;
    QTimer::singleShot(static_cast<int>(value * 1000), &pause, &QEventLoop::quit);
    pause_ = &pause;
    pause.exec();
    pause_ = nullptr;
}

// A new reading while polling: the sensor, the number and a bar.
void ControlsConsole::showReading() {
    const controls::ControlPanel& panel = session_.panel();
    if (!panel.control(Control::StopPolling).enabled || panel.readingText.isEmpty() ||
        panel.readingText == shownReading_) {
        return;
    }
    shownReading_ = panel.readingText;
    PrintLine(QStringLiteral("%1 %2 [%3]")
                  .arg(panel.sensors.value(panel.selectedSensor - 1).leftJustified(20))
                  .arg(panel.readingValue, 3)
                  .arg(Bar(panel.readingValue)));
}

}  // namespace zav::cli
