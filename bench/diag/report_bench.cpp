// Time to produce the service report of a whole simulated TM6 diagnostic,
// as PDF and as HTML (goal: under 300 ms each), beside the results file of
// the same run as the floor: the report makes the same table and more.
// The first PDF of a process also starts the font machinery; its time is
// reported on its own as "first_pdf_ms".
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <memory>

#include "zav/app/current_port.h"
#include "zav/app/session_view.h"
#include "zav/base/program_directory.h"
#include "zav/diag/diagnostic_session.h"
#include "zav/diag/results_csv.h"
#include "zav/diag/service_report.h"
#include "zav/lang/language_module.h"
#include "zav/lang/language_text.h"
#include "zav/sim/simulator.h"
#include "zav/test/message_recorder.h"

namespace {

using namespace std::chrono_literals;

constexpr double kGoalSeconds = 0.3;
constexpr std::int16_t kPort = 114;

class QuietView final : public zav::app::SessionView {
  public:
    void setStatusText(const QString&) override {}
    void setMousePointer(zav::app::MousePointer) override {}
};

// One whole diagnostic of a healthy simulated TM6 in this process.
struct Tm6Run {
    Tm6Run() {
        zav::base::SetProgramDirectory(QStringLiteral(ZAV_DIST_DIR));
        zav::lang::installLanguageModule(
            zav::lang::LanguageModule::create(QStringLiteral(ZAV_DIST_DIR "/Lang/kvo_lang_en.so"),
                                              QStringLiteral("kvo_lang_en.clsResources")),
            QStringLiteral("en"));
        zav::sim::Options options;
        options.model = "TM6";
        options.test_step_ms = 0;
        options.paper_delay_ms = 0;
        unit = std::make_unique<zav::sim::Simulator>(options);
        std::string why;
        if (!unit->start(&why)) return;
        unit->export_port(kPort);
        zav::app::SetCurrentPort(kPort);
        session =
            std::make_unique<zav::diag::DiagnosticSession>(zav::app::CurrentPort(), 20ms, view);
        session->start();
    }
    bool Passed() const { return session && session->lastRunEnd() == zav::diag::RunEnd::Passed; }

    const zav::test::MessageRecorder messages;  // kept, not shown
    QuietView view;
    std::unique_ptr<zav::sim::Simulator> unit;
    std::unique_ptr<zav::diag::DiagnosticSession> session;
};

Tm6Run* run = nullptr;
double firstPdfMs = 0;

void Report(benchmark::State& state, zav::diag::ReportFormat format) {
    if (!run->Passed()) return state.SkipWithError("the simulated TM6 run did not pass");
    const zav::diag::RunRecord input = run->session->lastRun();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray report = zav::diag::ServiceReport(input, format);
        bytes = report.size();
        benchmark::DoNotOptimize(report.constData());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["goal_s"] = kGoalSeconds;
    if (format == zav::diag::ReportFormat::Pdf) state.counters["first_pdf_ms"] = firstPdfMs;
}

void ResultsFileFloor(benchmark::State& state) {
    if (!run->Passed()) return state.SkipWithError("the simulated TM6 run did not pass");
    for (auto _ : state) {
        const QByteArray csv =
            zav::diag::ResultsCsv(run->session->resultData(), run->session->results());
        benchmark::DoNotOptimize(csv.constData());
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    Tm6Run tm6;
    run = &tm6;
    if (tm6.Passed()) {
        const auto start = std::chrono::steady_clock::now();
        zav::diag::ServiceReport(tm6.session->lastRun(), zav::diag::ReportFormat::Pdf);
        firstPdfMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
    benchmark::RegisterBenchmark("ResultsFileFloor", ResultsFileFloor)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ServiceReportPdf", Report, zav::diag::ReportFormat::Pdf)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ServiceReportHtml", Report, zav::diag::ReportFormat::Html)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
