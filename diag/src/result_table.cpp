#include "zav/diag/result_table.h"

#include <algorithm>

namespace zav::diag {

void ResultTable::Recreate(int sensorCount, int mechanismCount) {
    sensorCount_ = std::max(sensorCount, 0);
    mechanismCount_ = std::max(mechanismCount, 0);
    rows_.assign(static_cast<std::size_t>(sensorCount_ + mechanismCount_), ResultRow{});
}

ResultRow* ResultTable::Row(int index) {
    return const_cast<ResultRow*>(static_cast<const ResultTable*>(this)->Row(index));
}

const ResultRow* ResultTable::Row(int index) const {
    if (index < 0 || index >= RowCount()) return nullptr;
    return &rows_[static_cast<std::size_t>(index)];
}

ResultRow* ResultTable::SensorRow(int sensor) {
    return const_cast<ResultRow*>(static_cast<const ResultTable*>(this)->SensorRow(sensor));
}

const ResultRow* ResultTable::SensorRow(int sensor) const {
    return sensor < sensorCount_ ? Row(sensor) : nullptr;
}

ResultRow* ResultTable::Mechanism(MechanicalRow item) {
    const int k = static_cast<int>(item);
    return k < mechanismCount_ ? Row(sensorCount_ + k) : nullptr;
}

void ResultTable::ClearReadings() {
    for (ResultRow& row : rows_) row.PathRead = row.PaperRead = 0;
}

bool ResultTable::OverallVerdict() const {
    return !rows_.empty() && std::all_of(rows_.begin(), rows_.end(),
                                         [](const ResultRow& row) { return row.Passes(); });
}

}  // namespace zav::diag
