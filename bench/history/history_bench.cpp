// The service history on an SQLite file: recording one whole TM6 run (the
// time a run's end waits, under 5 ms), and the two lists an engineer asks
// for among 100 000 runs, the 50 newest and one serial number's (each
// under 20 ms).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "large_history.h"
#include "sample_run.h"
#include "zav/history/history.h"

namespace {

using zav::history::History;
using zav::history::Location;

constexpr int kRuns = 100000;
constexpr int kSerials = 1000;  // 100 runs each

std::unique_ptr<History> OpenAt(const QString& path) {
    Location location;
    QString error;
    zav::history::ParseLocation(path, &location, &error);
    return History::Open(location, &error);
}

void RecordTm6Run(benchmark::State& state) {
    QTemporaryDir dir;
    auto history = OpenAt(dir.filePath(QStringLiteral("history.sqlite")));
    if (!history) return state.SkipWithError("no history");
    const zav::history::HistoryRun run = zav::history::test::SampleRun();
    QString error;
    for (auto _ : state) {
        if (history->Record(run, &error) == 0)
            return state.SkipWithError("the run was not recorded");
    }
}
BENCHMARK(RecordTm6Run)->Unit(benchmark::kMillisecond);

History& LargeHistory() {
    static QTemporaryDir dir;
    static const std::unique_ptr<History> history = [] {
        const QString path = dir.filePath(QStringLiteral("large.sqlite"));
        zav::history::bench::FillHistory(path, kRuns, kSerials);
        return OpenAt(path);
    }();
    return *history;
}

void ListFiftyNewest(benchmark::State& state) {
    History& history = LargeHistory();
    QString error;
    for (auto _ : state) {
        const auto runs = history.List({}, &error);
        if (!runs || runs->size() != 50) return state.SkipWithError("not 50 runs");
        benchmark::DoNotOptimize(runs);
    }
}
BENCHMARK(ListFiftyNewest)->Unit(benchmark::kMillisecond);

void ListOneSerial(benchmark::State& state) {
    History& history = LargeHistory();
    zav::history::RunFilter filter;
    filter.serial = QStringLiteral("100042");
    filter.limit = 10000;
    QString error;
    for (auto _ : state) {
        const auto runs = history.List(filter, &error);
        if (!runs || runs->size() != kRuns / kSerials) return state.SkipWithError("wrong count");
        benchmark::DoNotOptimize(runs);
    }
}
BENCHMARK(ListOneSerial)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
