#include "zav/diag/results_model.h"

#include <QStringList>
#include <algorithm>

#include "zav/app/global.h"
#include "zav/app/model_table.h"
#include "zav/lang/text_ids.h"

namespace zav::diag {
namespace {

constexpr int kColumnWidthTwips = 2000;

RowStatus StatusOfRow(const ResultTable& table, int row, bool evaluated) {
    if (!evaluated) return RowStatus::NotTested;
    const ResultRow* result = table.Row(row);
    return result && result->Passes() ? RowStatus::Ok : RowStatus::Fail;
}

std::vector<ResultListColumn> Columns(const QString& firstKey, int firstCaptionId) {
    return {
        {firstKey, app::Global::LangText(firstCaptionId), kColumnWidthTwips},
        {QStringLiteral("Status"), app::Global::LangText(lang::text::kStatus), kColumnWidthTwips}};
}

QString IdentityText(const DiagnosticResults& results) {
    const auto line = [](int id, const QString& value) {
        return app::Global::LangText(id) + u' ' + value;
    };
    return QStringList{line(lang::text::kType, results.unit.UnitType),
                       line(lang::text::kSerialNumber, SerialNumberText(results.unit.SerialNumber)),
                       line(lang::text::kFirmware, results.version.FullFirmware),
                       line(lang::text::kDataset, results.dataset.DatasetCode)}
        .join(QLatin1String("\r\n"));
}

std::vector<ResultListRow> MotorRows(const DiagnosticResults& results, bool evaluated) {
    const app::ModelTraits* model = app::FindModel(results.unit.UnitType);
    std::vector<ResultListRow> rows = {
        {QStringLiteral("Motor Fwd"), app::Global::LangText(lang::text::kMotorFwd),
         RowStatus::Blank},
        {QStringLiteral("Motor Rev"), app::Global::LangText(lang::text::kMotorRev),
         RowStatus::Blank}};
    // A type without a row lists a stacker, as the unit may well have one.
    if (!model || model->stacker) {
        rows.push_back({QStringLiteral("Stacker"), app::Global::LangText(lang::text::kStacker),
                        RowStatus::Blank});
    }
    if (model && model->straightener) {
        rows.push_back({QStringLiteral("Straightener"),
                        app::Global::LangText(lang::text::kStraightener), RowStatus::Blank});
    }
    const int firstMechanicalRow = results.unit.SensorCount;
    const int count = std::min<int>(results.table.MechanismCount(), static_cast<int>(rows.size()));
    for (int k = 0; k < count; ++k) {
        rows[static_cast<std::size_t>(k)].status =
            StatusOfRow(results.table, firstMechanicalRow + k, evaluated);
    }
    return rows;
}

}  // namespace

QString StatusText(RowStatus status) {
    switch (status) {
        case RowStatus::NotTested:
            return app::Global::LangText(lang::text::kNotTested);
        case RowStatus::Ok:
            return app::Global::LangText(lang::text::kOk);
        case RowStatus::Fail:
            return app::Global::LangText(lang::text::kFail);
        case RowStatus::Blank:
            break;
    }
    return {};
}

std::optional<RgbColour> StatusColour(RowStatus status) {
    if (status == RowStatus::Ok) return RgbColour{0x00, 0xC0, 0x00};
    if (status == RowStatus::Fail) return RgbColour{0xFF, 0x00, 0x00};
    return std::nullopt;
}

ResultsView ShowResults(const DiagnosticResults& results, bool evaluated) {
    ResultsView view;
    view.identityText = IdentityText(results);
    view.sensorColumns = Columns(QStringLiteral("Sensor"), lang::text::kSensor);
    for (int i = 0; i < results.unit.SensorCount; ++i) {
        const QString name = app::ValueAt(results.unit.SensorName, i);
        view.sensorRows.push_back({name, name, StatusOfRow(results.table, i, evaluated)});
    }
    view.motorColumns = Columns(QStringLiteral("Motor"), lang::text::kMotor);
    view.motorRows = MotorRows(results, evaluated);
    return view;
}

QString SerialNumberText(double serialNumber) {
    return QString::number(serialNumber, 'f', 0);
}

}  // namespace zav::diag
