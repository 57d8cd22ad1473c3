#pragma once
// The diagnostic result table: one row per sensor, then one per mechanical
// item, each with the limits, reading and verdict of the paper-less test
// (Path) and of the green-paper test (Paper).
#include <cstdint>
#include <vector>

namespace zav::diag {

// Mechanical rows in table order, after the sensor rows.
enum class MechanicalRow { MotorFwd = 0, MotorRev = 1, Stacker = 2, Straightener = 3 };

struct ResultRow {
    std::uint8_t PathMin = 0;
    std::uint8_t PathRead = 0;
    std::uint8_t PathMax = 0;
    bool PathPass = false;
    std::uint8_t PaperMin = 0;
    std::uint8_t PaperRead = 0;
    std::uint8_t PaperMax = 0;
    bool PaperPass = false;

    // A row passes when both tests passed it; an undecided row fails.
    bool Passes() const { return PathPass && PaperPass; }
    // Gives the row one verdict in both columns.
    void SetVerdict(bool pass) { PathPass = PaperPass = pass; }
};

class ResultTable {
  public:
    // Re-creates the table with `sensorCount` + `mechanismCount` rows, all 0
    // and failed. Negative counts count as 0.
    void Recreate(int sensorCount, int mechanismCount);

    int SensorCount() const { return sensorCount_; }
    int MechanismCount() const { return mechanismCount_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }

    // Row `index` (sensors first, then mechanical rows), or nullptr when the
    // table has no such row. Every rule goes through these, so a fixed index
    // beyond a small unit's table is skipped rather than written.
    ResultRow* Row(int index);
    const ResultRow* Row(int index) const;
    // Sensor row `sensor`, or nullptr when it is not a sensor of the table.
    ResultRow* SensorRow(int sensor);
    const ResultRow* SensorRow(int sensor) const;
    // The mechanical row, or nullptr when the unit has no such item.
    ResultRow* Mechanism(MechanicalRow item);

    // Sets every PathRead and PaperRead to 0, keeping limits and verdicts.
    void ClearReadings();

    // The overall verdict: true when every row passes. A table without rows
    // tested nothing and does not pass.
    bool OverallVerdict() const;

  private:
    int sensorCount_ = 0;
    int mechanismCount_ = 0;
    std::vector<ResultRow> rows_;
};

}  // namespace zav::diag
