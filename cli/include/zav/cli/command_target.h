#pragma once
// The validator a zavdiag command works with, chosen by its options (see
// unit::TargetUnit), and the line that says why its port does not open.
#include <QStringList>

#include "zav/unit/target_unit.h"

namespace zav::cli {

// The channels a command talks to the unit through: the link alone, or the
// link and the RAM utility's channel, which reaches COM1 to COM127 only.
enum class Channels { Link, RamUtility };

// The ports a command on the RAM utility's channel takes, as one text.
QString RamChannelPortRule();

class CommandTarget {
  public:
    CommandTarget();
    // Stops a simulated unit. When the port opened but cannot be opened now
    // (its unit went away), prints a line with its device path and the
    // reason, after whatever the command has shown.
    ~CommandTarget();
    CommandTarget(const CommandTarget&) = delete;
    CommandTarget& operator=(const CommandTarget&) = delete;

    // What each command does first: takes the options, refuses arguments
    // left over (with the usage of `command`), connects, and refuses a port
    // the `channels` cannot reach (given or stored: RamChannelPortRule) or
    // that cannot be opened. Prints why and returns false when the command
    // cannot run.
    bool Open(const char* command, QStringList& arguments, Channels channels);

    // The options alone (see unit::TargetUnit::TakeOptions).
    bool TakeOptions(QStringList& arguments, QString* error) {
        return unit_.TakeOptions(arguments, error);
    }

    // The simulated unit once connected, else nullptr.
    sim::Simulator* Simulator() const { return unit_.Simulator(); }

  private:
    unit::TargetUnit unit_;
    bool opened_ = false;  // Open() went through
};

}  // namespace zav::cli
