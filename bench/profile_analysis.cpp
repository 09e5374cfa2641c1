// The whole analysis of an array profile of N SNPs (VARN_BENCH_SNPS, default 2,500,000: the
// final-report demo tumour as demo-report writes it at that density): its preparation, the
// informative SNPs, the segments cut where the alleles step, the joint fit with the compression
// measured at its solution, the allele-specific HMM over every SNP and the segments of its
// states; the tumour alone and with its paired normal. Targets: within 10 s on this two-core
// machine and 1.5 GB at the peak (the process's, after the reading; printed as counters).
//
// Beside it, the 50K analysis through the same stages: the allele analysis of the demo tumour with
// 50 % normal cells (Tumor4, Xba) as the window's B-allele fraction panel and the exports ask for
// it, and the profile it fills from the document alone, the part of the road the 50K analysis
// gained by going through a profile. (The same allele analysis on the road before, where each
// stage read the document, is bench_alleles' AlleleAnalysisOneArray on the branch before it.)
#include "BenchSupport.h"
#include "EngineBenchSupport.h"

#include "demo/DemoFinalReports.h"
#include "document/profile/ProfileReading.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "engine/analysis/AlleleReadings.h"
#include "engine/analysis/DocumentProfile.h"
#include "engine/analysis/ProfileAnalysis.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <sstream>

namespace varn::bench {
namespace {

int snpCount() {
    const char* text = std::getenv("VARN_BENCH_SNPS");
    const long n = text != nullptr ? std::atol(text) : 0;
    return n > 0 ? static_cast<int>(n) : 2'500'000;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct Reports {
    ScratchFolder folder;
    Profile tumour, paired;
    Reports() {
        const demo::FinalReportFiles files{
            folder.path() / "Tumor8.txt", folder.path() / "Tumor8N.txt", {}, {}};
        std::ostringstream err;
        if (!demo::writeDemoFinalReports(files, 1, snpCount(), "bench", err)) {
            std::fprintf(stderr, "%s", err.str().c_str());
            std::exit(1);
        }
        ProfileOptions options;
        tumour = *readProfile(files.tumour, options).profile;
        options.normal = files.normal;
        paired = *readProfile(files.tumour, options).profile;
        std::filesystem::remove(files.tumour);
        std::filesystem::remove(files.normal);
    }
};

Reports& reports() {
    static Reports r;
    return r;
}

void profileAnalysis(benchmark::State& state, const Profile& profile) {
    double purity = 0.0;
    for (auto _ : state) {
        const ProfileAnalysis a = analyseProfile(profile, {});
        purity = a.purity;
        benchmark::DoNotOptimize(a.calls.data());
    }
    state.counters["SNPs"] = static_cast<double>(profile.size());
    state.counters["purity"] = purity;
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_ProfileAnalysis(benchmark::State& state) {
    profileAnalysis(state, reports().tumour);
}
BENCHMARK(BM_ProfileAnalysis)->Unit(benchmark::kSecond)->Iterations(1);

void BM_ProfileAnalysisWithNormal(benchmark::State& state) {
    profileAnalysis(state, reports().paired);
}
BENCHMARK(BM_ProfileAnalysisWithNormal)->Unit(benchmark::kSecond)->Iterations(1);

DemoTumour& fiftyK() {
    static DemoTumour t({kXba});
    return t;
}

void BM_FiftyKAlleleAnalysis(benchmark::State& state) {
    DemoTumour& t = fiftyK();
    for (auto _ : state) {
        const AlleleAnalysis a = analyseAlleles(*t.doc, kXba, false);
        benchmark::DoNotOptimize(a.copyNumbers.segments.data());
    }
}
BENCHMARK(BM_FiftyKAlleleAnalysis)->Unit(benchmark::kMillisecond);

void BM_FiftyKDocumentProfile(benchmark::State& state) {
    DemoTumour& t = fiftyK();
    const std::shared_ptr<const AlleleReadings> readings = keptAlleleReadings(*t.doc, kXba, false);
    for (auto _ : state) {
        const Profile p = documentProfile(*t.doc, readings->baf, false, true);
        benchmark::DoNotOptimize(p.logRatio.data());
    }
}
BENCHMARK(BM_FiftyKDocumentProfile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
