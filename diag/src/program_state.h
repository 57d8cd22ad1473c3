#pragma once
// What the diagnostics keep for the whole program run, beyond any window.
#include <QString>

#include "zav/app/validator_data.h"
#include "zav/diag/model_test_limits.h"

namespace zav::diag {

struct DiagnosticProgramState {
    bool sensorDataLoaded = false;
    // The records of the last identification that succeeded. A later window
    // that finds the RAM utility still running skips identification and
    // works with these, so its lists and rules know the unit.
    app::ValidatorData unit;
    app::VersionData version;
    app::DatasetData dataset;
    ModelTestLimits limits;
    QString lastCsvPath;
};

DiagnosticProgramState& ProgramState();

}  // namespace zav::diag
