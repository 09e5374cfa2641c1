// What keeping the analysis shown costs a command that can be cancelled: taking the snapshot and
// putting it back, beside the reading of one Xba signal file that a File New does anyway.
#include "BenchSupport.h"

#include "document/AnalysisSnapshot.h"
#include "document/CVARNDoc.h"
#include "view/CVARNView.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace varn::bench {
namespace {

struct Setup {
    ScratchFolder folder;
    std::filesystem::path file = folder.path() / "sample_X.txt";
    CollectingUserInterface ui;
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;
    Setup() {
        writeSignalFile(file, 58960, 7);
        doc = std::make_unique<CVARNDoc>(InstallRoot(folder.path() / "VARN"), ui);
        view = std::make_unique<CVARNView>(*doc);
        // Every row the snapshot holds written once, so that its pages are resident as after an
        // analysis.
        doc->ReadSignalFile(kXba, file, 0, 1);
        doc->ReadSignalFile(kXba, file, 1, 2);
        const AnalysisSnapshot s = takeAnalysisSnapshot(*doc);
        restoreAnalysisSnapshot(*doc, s);
    }
};

Setup& setup() {
    static Setup s;
    return s;
}

void BM_TakeSnapshot(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        AnalysisSnapshot kept = takeAnalysisSnapshot(*s.doc);
        benchmark::DoNotOptimize(kept.floatRows.data());
    }
}
BENCHMARK(BM_TakeSnapshot)->Unit(benchmark::kMillisecond);

void BM_TakeAndRestoreSnapshot(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        const AnalysisSnapshot kept = takeAnalysisSnapshot(*s.doc);
        restoreAnalysisSnapshot(*s.doc, kept);
        benchmark::DoNotOptimize(s.doc->poolSignal[0][60000]);
    }
}
BENCHMARK(BM_TakeAndRestoreSnapshot)->Unit(benchmark::kMillisecond);

void BM_ReadOneSignalFile(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) benchmark::DoNotOptimize(s.doc->ReadSignalFile(kXba, s.file, 0, 0));
}
BENCHMARK(BM_ReadOneSignalFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
