#include "zav/cli/target_unit.h"

#include <string>

#include "zav/app/current_port.h"
#include "zav/app/port_access_text.h"
#include "zav/app/ram_channel.h"
#include "zav/cli/arguments.h"
#include "zav/cli/printing_front_end.h"
#include "zav/cli/subcommand.h"
#include "zav/platform/port_access.h"
#include "zav/platform/ports.h"
#include "zav/sim/fault_syntax.h"
#include "zav/sim/raw_fault_syntax.h"

namespace zav::cli {
namespace {

// Port numbers without a device of their own, free for the simulator.
constexpr int kFirstFreePort = 97;
constexpr int kLastFreePort = 127;
// The serial library addresses ports 1 to 127 and the port list 1 to 255.
constexpr int kHighestPort = 255;
constexpr double kMaxPaperDelaySeconds = 600;
// A simulated unit answers each test at once; the waits of the run are then
// those it makes itself, and the green paper's delay.
constexpr int kSimulatedTestStepMs = 0;

bool ParseFault(const QString& text, std::vector<std::pair<sim::CommandKey, sim::Fault>>& faults,
                std::vector<sim::RawFault>& rawFaults, QString* error) {
    const std::string fault = text.toStdString();
    std::string why;
    if (sim::names_raw_fault(fault)) {
        sim::RawFault raw;
        if (!sim::parse_raw_fault(fault, &raw, &why)) {
            *error = QString::fromStdString(why);
            return false;
        }
        rawFaults.push_back(raw);
        return true;
    }
    sim::CommandKey key = sim::kAnyCommand;
    sim::Fault link;
    if (!sim::parse_fault(fault, &key, &link, &why)) {
        *error = QString::fromStdString(why);
        return false;
    }
    faults.emplace_back(key, std::move(link));
    return true;
}

bool KnownModel(const std::string& model) {
    for (const std::string& name : sim::profile_names()) {
        if (name == model) return true;
    }
    return false;
}

QString ModelList() {
    QStringList names;
    for (const std::string& name : sim::profile_names()) names << QString::fromStdString(name);
    return names.join(u' ');
}

// "COM5 (/dev/ttyS4): no such device" when the port cannot be opened now,
// else nothing.
QString PortProblem(int port) {
    const std::string path = platform::port_device_path(port);
    const platform::PortAccessReport access = platform::probe_port_access(path);
    if (access.access == platform::PortAccess::Ready) return QString();
    return QStringLiteral("COM%1 (%2): %3")
        .arg(port)
        .arg(path.empty() ? QStringLiteral("no device") : QString::fromStdString(path),
             app::portAccessText(access));
}

}  // namespace

TargetUnit::TargetUnit() = default;

TargetUnit::~TargetUnit() {
    // A port that opened may have gone with its unit (an adaptor pulled out).
    if (portProblem_.isEmpty() && opened_) portProblem_ = PortProblem(app::CurrentPort());
    if (simulator_) simulator_->stop();
    if (!portProblem_.isEmpty()) PrintError(portProblem_);
}

bool TargetUnit::Open(const char* command, QStringList& arguments, Channels channels) {
    QString error;
    if (!TakeOptions(arguments, &error) || !NoArgumentsLeft(arguments, &error)) {
        RefuseArguments(command, error);
        return false;
    }
    if (!Connect(&error)) {
        PrintError(QStringLiteral("zavdiag %1: %2").arg(QLatin1String(command), error));
        return false;
    }
    const int port = app::CurrentPort();
    if (channels == Channels::RamUtility && port > app::kHighestRamChannelPort) {
        PrintError(QStringLiteral("zavdiag %1: COM%2 cannot carry the RAM utility, whose channel "
                                  "reaches COM1 to COM%3 only; give a port of 1 to %3")
                       .arg(QLatin1String(command))
                       .arg(port)
                       .arg(app::kHighestRamChannelPort));
        return false;
    }
    // The command runs all the same, so that its own messages say what the
    // window's would; the reason follows them.
    portProblem_ = PortProblem(port);
    opened_ = true;
    return true;
}

bool TargetUnit::TakeOptions(QStringList& arguments, QString* error) {
    QString why;
    const auto port = TakeValue(arguments, QStringLiteral("--port"), &why);
    const auto model = TakeValue(arguments, QStringLiteral("--simulate"), &why);
    const QStringList faults = TakeValues(arguments, QStringLiteral("--fault"), &why);
    const auto paperDelay = TakeValue(arguments, QStringLiteral("--paper-delay"), &why);
    if (!why.isEmpty()) {
        *error = why;
        return false;
    }
    if (port && model) {
        *error = QStringLiteral("--port and --simulate do not go together");
        return false;
    }
    if (!model && (!faults.isEmpty() || paperDelay)) {
        *error = QStringLiteral("--fault and --paper-delay need --simulate");
        return false;
    }
    if (port) {
        port_ = ParseInteger(*port, 1, kHighestPort);
        if (!port_) {
            *error = QStringLiteral("the port number must be 1 to %1").arg(kHighestPort);
            return false;
        }
    }
    if (!model) return true;

    sim::Options options;
    options.model = model->toStdString();
    options.test_step_ms = kSimulatedTestStepMs;
    if (!KnownModel(options.model)) {
        *error =
            QStringLiteral("unknown model %1; the simulator knows %2").arg(*model, ModelList());
        return false;
    }
    if (paperDelay) {
        bool ok = false;
        const double seconds = paperDelay->toDouble(&ok);
        if (!ok || !(seconds >= 0 && seconds <= kMaxPaperDelaySeconds)) {  // NaN too
            *error = QStringLiteral("the paper delay must be 0 to 600 seconds");
            return false;
        }
        options.paper_delay_ms = static_cast<int>(seconds * 1000);
    }
    for (const QString& fault : faults) {
        if (!ParseFault(fault, faults_, rawFaults_, error)) return false;
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
        *error = QStringLiteral(
            "no serial port is stored in the settings; give --port N or "
            "--simulate MODEL");
        return false;
    }
    int number = kFirstFreePort;
    while (number <= kLastFreePort && !platform::port_device_path(number).empty()) ++number;
    if (number > kLastFreePort) {
        *error = QStringLiteral("COM%1 to COM%2 are all taken; no port is left for the simulator")
                     .arg(kFirstFreePort)
                     .arg(kLastFreePort);
        return false;
    }
    simulator_ = std::make_unique<sim::Simulator>(*simulation_);
    for (const auto& [key, fault] : faults_) simulator_->set_fault(key, fault);
    for (const sim::RawFault& fault : rawFaults_) simulator_->add_raw_fault(fault);
    std::string why;
    if (!simulator_->start(&why)) {
        *error = QStringLiteral("the simulator cannot start: ") + QString::fromStdString(why);
        simulator_.reset();
        return false;
    }
    simulator_->export_port(number);
    app::SetCurrentPort(static_cast<std::int16_t>(number));
    PrintError(QStringLiteral("Simulated %1 on COM%2 (%3)")
                   .arg(QString::fromStdString(simulation_->model))
                   .arg(number)
                   .arg(QString::fromStdString(simulator_->slave_path())));
    return true;
}

}  // namespace zav::cli
