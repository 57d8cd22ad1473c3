#include "zav/unit/target_unit.h"

#include <QCoreApplication>
#include <string>

#include "zav/app/arguments.h"
#include "zav/app/current_port.h"
#include "zav/platform/ports.h"

namespace zav::unit {
namespace {

// Port numbers without a device of their own, free for the simulator.
constexpr int kFirstFreePort = 97;
constexpr int kLastFreePort = 127;
constexpr double kMaxPaperDelaySeconds = 600;
// A simulated unit answers each test at once; the waits of the run are then
// those it makes itself, and the green paper's delay.
constexpr int kSimulatedTestStepMs = 0;

}  // namespace

TargetUnit::TargetUnit() = default;

TargetUnit::~TargetUnit() {
    if (simulator_) simulator_->stop();
}

bool TargetUnit::TakeOptions(QStringList& arguments, QString* error) {
    QString why;
    const auto port = app::TakeValue(arguments, QStringLiteral("--port"), &why);
    const auto model = app::TakeValue(arguments, QStringLiteral("--simulate"), &why);
    const QStringList faults = app::TakeValues(arguments, QStringLiteral("--fault"), &why);
    const auto paperDelay = app::TakeValue(arguments, QStringLiteral("--paper-delay"), &why);
    if (!why.isEmpty()) {
        *error = why;
        return false;
    }
    if (port && model) {
        *error = QCoreApplication::translate("zav", "--port and --simulate do not go together");
        return false;
    }
    if (!model && (!faults.isEmpty() || paperDelay)) {
        *error = QCoreApplication::translate("zav", "--fault and --paper-delay need --simulate");
        return false;
    }
    if (port) {
        port_ = app::ParseInteger(*port, 1, app::kHighestPortNumber);
        if (!port_) {
            *error = QCoreApplication::translate("zav", "the port number must be 1 to %1")
                         .arg(app::kHighestPortNumber);
            return false;
        }
    }
    if (!model) return true;

    sim::Options options;
    options.model = model->toStdString();
    options.test_step_ms = kSimulatedTestStepMs;
    if (!sim::known_model(options.model)) {
        *error = QCoreApplication::translate("zav", "unknown model %1; the simulator knows %2")
                     .arg(*model, QString::fromStdString(sim::model_names()));
        return false;
    }
    if (paperDelay) {
        bool ok = false;
        const double seconds = paperDelay->toDouble(&ok);
        if (!ok || !(seconds >= 0 && seconds <= kMaxPaperDelaySeconds)) {  // NaN too
            *error = QCoreApplication::translate("zav", "the paper delay must be 0 to 600 seconds");
            return false;
        }
        options.paper_delay_ms = static_cast<int>(seconds * 1000);
    }
    for (const QString& fault : faults) {
        std::string reason;
        if (!faults_.add(fault.toStdString(), &reason)) {
            *error = QString::fromStdString(reason);
            return false;
        }
    }
    simulation_ = options;
    return true;
}

bool TargetUnit::Connect(QString* error) {
    if (port_) {
        app::SetCurrentPort(static_cast<std::int16_t>(*port_));
        return true;
    }
    if (!simulation_) {
        if (app::CurrentPort() > 0) return true;
        *error = QCoreApplication::translate(
            "zav",
            "no serial port is stored in the settings; give --port N or "
            "--simulate MODEL");
        return false;
    }
    int number = kFirstFreePort;
    while (number <= kLastFreePort && !platform::port_device_path(number).empty()) ++number;
    if (number > kLastFreePort) {
        *error = QCoreApplication::translate(
                     "zav", "COM%1 to COM%2 are all taken; no port is left for the simulator")
                     .arg(kFirstFreePort)
                     .arg(kLastFreePort);
        return false;
    }
    simulator_ = std::make_unique<sim::Simulator>(*simulation_);
    std::string why;
    if (!faults_.apply_to(*simulator_, &why) || !simulator_->start(&why)) {
        *error = QCoreApplication::translate("zav", "the simulator cannot start: %1")
                     .arg(QString::fromStdString(why));
        simulator_.reset();
        return false;
    }
    simulator_->export_port(number);
    simulatedPort_ = number;
    app::SetCurrentPort(static_cast<std::int16_t>(number));
    return true;
}

std::optional<QString> TargetUnit::SimulatedModel() const {
    if (!simulation_) return std::nullopt;
    return QString::fromStdString(simulation_->model);
}

QString TargetUnit::ConnectionNotice() const {
    if (!simulator_) return {};
    return QCoreApplication::translate("zav", "Simulated %1 on COM%2 (%3)")
        .arg(QString::fromStdString(simulation_->model))
        .arg(simulatedPort_)
        .arg(QString::fromStdString(simulator_->slave_path()));
}

}  // namespace zav::unit
