// The allele analysis of one array beside the analysis it reads, in one run on the demo tumour
// with 50 % normal cells (ten references): the analysis is everything Sort does once the pool
// and the sample are read (reference SDs, ranking, the profile against every reference, the HMM,
// the moving average and the LOH score); the allele analysis is the B-allele fraction of every
// SNP, the informative SNPs, the log-ratio segments cut where the alleles step and the
// allele-specific copy numbers (the B-allele fraction and the informative SNPs kept from its first
// run while the sample stays the same), each stage also on its own and from scratch.
#include "EngineBenchSupport.h"

#include "engine/alleles/AlleleModelCentres.h"
#include "engine/analysis/AlleleAnalysis.h"
#include "engine/analysis/DocumentProfile.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/PurityEstimate.h"
#include "export/Segments.h"

#include <benchmark/benchmark.h>

namespace varn::bench {
namespace {

struct AlleleSetup : DemoTumour {
    ArrayCentres centres[3];
    AlleleAnalysis analysis;

    AlleleSetup() : DemoTumour({kXba}) {
        PurityEstimate e;
        std::string reason;
        estimatePurity(*doc, kXba, false, e, reason);
        setHmmMeansForPurity(*doc, e.purity, false);
        analyse();
        centres[kXba] = centresOfModel(*doc, kXba);
        analysis = analyseAlleles(*doc, kXba, false);
        if (!analysis.available) {
            std::fprintf(stderr, "allele analysis: %s\n", analysis.why.c_str());
            std::exit(1);
        }
        std::printf("Tumor4 Xba (50 %% normal cells, p = %.2f): %zu SNPs, %d informative, %zu segments\n",
                    e.purity, analysis.baf.snps.size(), analysis.informative.count,
                    analysis.segments.segments.size());
    }

    void analyse() { DemoTumour::analyse(kXba); }
};

AlleleSetup& setup() {
    static AlleleSetup s;
    return s;
}

void BM_AnalysisOneArray(benchmark::State& state) {
    AlleleSetup& s = setup();
    for (auto _ : state) {
        s.analyse();
        benchmark::DoNotOptimize(s.doc->lohScore[60000]);
    }
}
BENCHMARK(BM_AnalysisOneArray)->Unit(benchmark::kMillisecond);

void BM_AlleleAnalysisOneArray(benchmark::State& state) {
    AlleleSetup& s = setup();
    for (auto _ : state) {
        const AlleleAnalysis a = analyseAlleles(*s.doc, kXba, false);
        benchmark::DoNotOptimize(a.copyNumbers.segments.data());
    }
}
BENCHMARK(BM_AlleleAnalysisOneArray)->Unit(benchmark::kMillisecond);

void BM_BAlleleFraction(benchmark::State& state) {
    AlleleSetup& s = setup();
    for (auto _ : state) {
        const BAlleleFraction baf = bAlleleFraction(*s.doc, kXba, s.centres);
        benchmark::DoNotOptimize(baf.snps.data());
    }
}
BENCHMARK(BM_BAlleleFraction)->Unit(benchmark::kMillisecond);

void BM_InformativeSnps(benchmark::State& state) {
    AlleleSetup& s = setup();
    for (auto _ : state) {
        const InformativeSnps informative = informativeFromSample(s.analysis.profile);
        benchmark::DoNotOptimize(informative.informative.data());
    }
}
BENCHMARK(BM_InformativeSnps)->Unit(benchmark::kMillisecond);

void BM_ImbalanceSegmentation(benchmark::State& state) {
    AlleleSetup& s = setup();
    for (auto _ : state) {
        const AlleleSegments segments =
            alleleSegments(s.analysis.profile, s.analysis.informative, buildSegments(*s.doc, kXba),
                           documentLohScores(*s.doc, s.analysis.baf));
        benchmark::DoNotOptimize(segments.segments.data());
    }
}
BENCHMARK(BM_ImbalanceSegmentation)->Unit(benchmark::kMillisecond);

void BM_AlleleCopyNumbers(benchmark::State& state) {
    AlleleSetup& s = setup();
    for (auto _ : state) {
        const AlleleFitInput fit = alleleFitInput(*s.doc, kXba, false, s.analysis.informative.homozygousNoise);
        const AlleleCopyNumbers copies = alleleCopyNumbers(s.analysis.segments, fit);
        benchmark::DoNotOptimize(copies.segments.data());
    }
}
BENCHMARK(BM_AlleleCopyNumbers)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
