// The demo installation's generation costs: the annotation, one Xba sample's synthesis and its
// signal file written with the fast number output against the same file through printf("%.1f"),
// and the final-report tumour at demo-data's 700,000 SNPs and at the 2.5 million of the largest
// arrays (the array, the germline, the sample and its report). Files go to /dev/null so that the
// figures are the CPU's, not the disk's.
#include "demo/DemoFinalReports.h"
#include "demo/DemoGenome.h"
#include "demo/DemoSamples.h"
#include "demo/DemoTumours.h"
#include "demo/SignalFileWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>

namespace varn::bench {
namespace {

struct DemoSetup {
    demo::DemoGenome genome = demo::makeDemoGenome(1);
    demo::ArrayModel model = demo::makeArrayModel(1, 1);
    demo::DemoTumour tumour = demo::demoTumours().front();
    std::vector<signed char> germline = demo::drawGermline(genome, model, 1, tumour.name);
    demo::SampleData sample = demo::synthesiseSample(genome, model, germline, &tumour, 1, tumour.name, 1.0);
};

DemoSetup& setup() {
    static DemoSetup s;
    return s;
}

// The literal way: every field through fprintf.
void writeSignalFilePrintf(const char* path, const DemoSetup& s) {
    std::FILE* f = std::fopen(path, "wb");
    std::fprintf(f, "header\nheader\n");
    for (int i = 0; i < s.model.count(); ++i) {
        std::fprintf(f, "%d\t%s", i, demo::snpIdentifier(s.genome, s.model.first + i).c_str());
        const float* values = &s.sample.intensity[static_cast<std::size_t>(i) * demo::kProbesPerSnp];
        int next = 0;
        for (std::size_t k = 0; k < demo::kFieldsAfterId; ++k) {
            if (s.model.nullField[k]) std::fprintf(f, "\tnull");
            else std::fprintf(f, "\t%.1f", static_cast<double>(values[next++]));
        }
        std::fprintf(f, "\n");
    }
    std::fclose(f);
}

void BM_MakeDemoGenome(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(demo::makeDemoGenome(1));
}
BENCHMARK(BM_MakeDemoGenome)->Unit(benchmark::kMillisecond);

void BM_SynthesiseXbaTumour(benchmark::State& state) {
    DemoSetup& s = setup();
    for (auto _ : state)
        benchmark::DoNotOptimize(demo::synthesiseSample(s.genome, s.model, s.germline, &s.tumour, 1, "T", 1.0));
}
BENCHMARK(BM_SynthesiseXbaTumour)->Unit(benchmark::kMillisecond);

void BM_WriteXbaSignalFile(benchmark::State& state) {
    DemoSetup& s = setup();
    for (auto _ : state) demo::writeSignalFile("/dev/null", s.genome, s.model, s.sample, "T");
}
BENCHMARK(BM_WriteXbaSignalFile)->Unit(benchmark::kMillisecond);

void BM_WriteXbaSignalFilePrintf(benchmark::State& state) {
    DemoSetup& s = setup();
    for (auto _ : state) writeSignalFilePrintf("/dev/null", s);
}
BENCHMARK(BM_WriteXbaSignalFilePrintf)->Unit(benchmark::kMillisecond);

// Target: 2.5 million SNPs in a few seconds, so that a benchmark of the readers makes its input.
void BM_WriteFinalReport(benchmark::State& state) {
    demo::FinalReportFiles files;
    files.tumour = "/dev/null";
    std::ostringstream err;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            demo::writeDemoFinalReports(files, 1, static_cast<int>(state.range(0)), "bench", err));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteFinalReport)->Arg(700000)->Arg(2500000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
