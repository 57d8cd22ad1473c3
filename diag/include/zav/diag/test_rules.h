#pragma once
// The rules that judge each result packet of the RAM utility against the
// unit's sensor targets and the per-model limits, writing limits, readings
// and verdicts into the result table. Pure computations: nothing is sent.
#include <cstdint>
#include <span>

#include "zav/app/model_table.h"
#include "zav/app/validator_data.h"
#include "zav/diag/model_test_limits.h"
#include "zav/diag/result_table.h"

namespace zav::diag {

class TestRules {
  public:
    // The rules read `unit` and `limits` and write `table`; all three must
    // outlive this object. Sensor and mechanical rows the table does not
    // have are skipped; packet bytes past the end of `data` read as 0.
    TestRules(const app::ValidatorData& unit, const ModelTestLimits& limits, ResultTable& table);

    // Stacker packet, bytes 0..5: the stacker sensor and the stacker row;
    // on "TM3" and "TM5" also sensors 21 and 23.
    void EvaluateStacker(std::span<const std::uint8_t> data);
    // Opto-wheel packet, bytes 0..3: the motor forward and reverse rows; on
    // "TM3" and "TM5" also sensor 22.
    void EvaluateOptoWheel(std::span<const std::uint8_t> data);
    // Straightener packet, bytes 0..2: the straightener row and sensor 19.
    void EvaluateStraightener(std::span<const std::uint8_t> data);
    // Paper-less test: one reading per sensor from sensor 0 on. Then passes
    // the green-paper column of the sensors that test does not judge.
    void EvaluatePathTest(std::span<const std::uint8_t> readings);
    // Green-paper test: one reading per sensor from sensor 0 on.
    void EvaluatePaperTest(std::span<const std::uint8_t> readings);

  private:
    void EvaluatePaperThreshold(int sensor, ResultRow& row, std::uint8_t reading);

    const app::ValidatorData& unit_;
    const app::ModelTraits* model_;  // nullptr for a type without rules
    const ModelTestLimits& limits_;
    ResultTable& table_;
};

}  // namespace zav::diag
