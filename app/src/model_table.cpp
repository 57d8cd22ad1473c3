#include "zav/app/model_table.h"

namespace zav::app {
namespace {

constexpr int kRx35WithoutPaperTest[] = {8, 9};
constexpr int kRx8WithoutPaperTest[] = {14, 15};
constexpr int kTm4WithoutPaperTest[] = {12, 13};
constexpr int kTm35WithoutPaperTest[] = {14, 15, 19, 23};
constexpr int kTm6WithoutPaperTest[] = {23};

using Rule = PaperThresholdRule;
constexpr auto kNone = std::nullopt;

// clang-format off
constexpr ModelTraits kModels[] = {
//  type   stack  strai  bezel  clear  mech   s17    no paper test           paper=path  threshold rule    TM5 as  opto tol: stacker rise  %
    {"RX3", false, false, false, false, false, true,  kRx35WithoutPaperTest,  kNone, Rule::AllFall,   nullptr, 64,  kNone, kNone, 30},
    {"RX5", true,  false, false, false, false, true,  kRx35WithoutPaperTest,  kNone, Rule::RxRising,  nullptr, 64,  16,    15,    30},
    {"RX8", true,  false, false, false, false, false, kRx8WithoutPaperTest,   kNone, Rule::RxRising,  nullptr, 64,  19,    17,    30},
    {"TM6", true,  true,  true,  true,  false, false, kTm6WithoutPaperTest,   23,    Rule::Tm6,       nullptr, 120, 22,    21,    40},
    {"TM4", false, false, false, false, false, false, kTm4WithoutPaperTest,   kNone, Rule::AllFall,   nullptr, 64,  kNone, kNone, 40},
    {"TM5", true,  false, false, false, true,  false, kTm35WithoutPaperTest,  kNone, Rule::Tm3Family, "TM3",   64,  20,    kNone, 40},
    {"TM3", true,  false, false, false, true,  false, kTm35WithoutPaperTest,  kNone, Rule::Tm3Family, nullptr, 64,  20,    kNone, 40},
};
// clang-format on

}  // namespace

const ModelTraits* FindModel(const QString& unitType) {
    for (const ModelTraits& model : kModels) {
        if (unitType == QLatin1String(model.unitType)) return &model;
    }
    return nullptr;
}

std::span<const ModelTraits> AllModels() {
    return kModels;
}

}  // namespace zav::app
