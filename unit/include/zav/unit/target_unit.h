#pragma once
// The validator a front end works with, as its command line chooses it: the
// unit on a serial port (--port N, or the port stored in the settings), or a
// simulated unit started in this process on a pseudo-terminal (--simulate
// MODEL, with --fault F and --paper-delay S passed to the simulator).
// zavdiag and the desktop program's training mode both choose through it.
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "zav/sim/fault_text.h"
#include "zav/sim/simulator.h"

namespace zav::unit {

class TargetUnit {
  public:
    TargetUnit();
    ~TargetUnit();  // stops a simulated unit
    TargetUnit(const TargetUnit&) = delete;
    TargetUnit& operator=(const TargetUnit&) = delete;

    // Takes --port, --simulate, --fault and --paper-delay out of
    // `arguments`. Returns false with the reason in `*error` when they do
    // not parse or do not go together.
    bool TakeOptions(QStringList& arguments, QString* error);

    // True when TakeOptions found --port or --simulate: the unit of this run
    // is not the stored port's.
    bool Given() const { return port_ || simulation_; }

    // Makes the unit's port the program's current port: starts the
    // simulated unit on the first free COM<n> of 97..127 and points that
    // number at it, or takes --port, or keeps the stored port. Returns false
    // with the reason when there is no port to use or the simulator cannot
    // start.
    bool Connect(QString* error);

    // The simulated unit once connected, else nullptr.
    sim::Simulator* Simulator() const { return simulator_.get(); }
    // The simulated model, when --simulate was given.
    std::optional<QString> SimulatedModel() const;
    // "Simulated TM6 on COM97 (/dev/pts/4)" once a simulated unit is
    // connected, else empty.
    QString ConnectionNotice() const;

  private:
    std::optional<int> port_;
    std::optional<sim::Options> simulation_;
    sim::FaultList faults_;
    std::unique_ptr<sim::Simulator> simulator_;
    int simulatedPort_ = 0;
};

}  // namespace zav::unit
