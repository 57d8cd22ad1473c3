#pragma once
// The validator a zavdiag command works with: the unit on a serial port
// (--port N, or the port stored in the settings), or a simulated unit
// started in this process on a pseudo-terminal (--simulate MODEL, with
// --fault F and --paper-delay S passed to the simulator).
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "zav/sim/simulator.h"

namespace zav::cli {

// The options TargetUnit takes, for usage texts.
inline constexpr char kTargetUnitOptions[] =
    "[--port N | --simulate MODEL [--fault F]... [--paper-delay S]]";

// The channels a command talks to the unit through: the link alone, or the
// link and the RAM utility's channel, which reaches COM1 to COM127 only.
enum class Channels { Link, RamUtility };

class TargetUnit {
  public:
    TargetUnit();
    // Stops a simulated unit. When the port could not be opened, or cannot
    // be now, prints a line with its device path and the reason, after
    // whatever the command has shown.
    ~TargetUnit();
    TargetUnit(const TargetUnit&) = delete;
    TargetUnit& operator=(const TargetUnit&) = delete;

    // What each command does first: takes the options, refuses arguments
    // left over (with the usage of `command`), connects, and refuses a port
    // the `channels` cannot reach. Prints why and returns false when the
    // command cannot run.
    bool Open(const char* command, QStringList& arguments, Channels channels);

    // Takes --port, --simulate, --fault and --paper-delay out of
    // `arguments`. Returns false with the reason in `*error` when they do
    // not parse or do not go together.
    bool TakeOptions(QStringList& arguments, QString* error);

    // Makes the unit's port the program's current port: starts the
    // simulated unit on the first free COM<n> of 97..127 and points that
    // number at it, or takes --port, or keeps the stored port. Returns false
    // with the reason when there is no port to use or the simulator cannot
    // start.
    bool Connect(QString* error);

    // The simulated unit once connected, else nullptr.
    sim::Simulator* Simulator() const { return simulator_.get(); }

  private:
    std::optional<int> port_;
    std::optional<sim::Options> simulation_;
    std::vector<std::pair<sim::CommandKey, sim::Fault>> faults_;
    std::vector<sim::RawFault> rawFaults_;
    std::unique_ptr<sim::Simulator> simulator_;
    bool opened_ = false;  // Open() went through
    QString portProblem_;  // why the port will not open, when it will not
};

}  // namespace zav::cli
