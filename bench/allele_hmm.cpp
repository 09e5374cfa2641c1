// The joint fit of purity and ploidy and the allele-specific decoding beside the analysis they
// follow, in one run on the demo tumour with 50 % normal cells (ten references), for one array
// and for both arrays merged. The analysis is everything Sort does once the pool and the sample
// are read. The joint fit reads the alleles (B-allele fraction, informative SNPs, the segments cut
// where the alleles step) and fits 91 fractions by 201 ploidies; the decoding reads the same
// alleles, cuts the analysis's segments, reads the sexes and runs the allele-specific HMM (sixteen
// clonal states and the subclonal steps between them) over every chromosome, the autosomes side
// by side on the machine's cores, X included ("both arrays": one chain per chromosome for Xba
// and Hind together).
// "Fit + decoding" is the pair as a new sample meets them: its allele readings are read once, by
// the fit, and the decoding reuses them; the pool's sexes are kept from an earlier sample ("new
// sample") or read as well ("new pool"). The fit and the decoding on their own run as they do
// again on the same sample, everything kept. The target: fit + decoding within twice the analysis.
#include "EngineBenchSupport.h"

#include "engine/analysis/AlleleReadings.h"
#include "engine/analysis/AlleleSpecificDecoding.h"
#include "engine/hmm/HmmMeansPurity.h"
#include "engine/purity/PurityEstimate.h"

#include <benchmark/benchmark.h>

namespace varn::bench {
namespace {

struct DecodingSetup : DemoTumour {
    DecodingSetup() : DemoTumour({kXba, kHind}) {
        setHmmMeansForPurity(*doc, 0.5, false);
        doc->baseCopyNumber = 2;
        const AlleleDecoding d = decodeAlleleSpecific(*doc, kCombined, false);
        if (!d.decoded) {
            std::fprintf(stderr, "allele-specific decoding: %s\n", d.why.c_str());
            std::exit(1);
        }
    }
};

DecodingSetup& setup() {
    static DecodingSetup s;
    return s;
}

void analysis(benchmark::State& state, int t) {
    DecodingSetup& s = setup();
    for (auto _ : state) {
        if (t == kCombined) {
            s.analyse(kXba);
            s.analyse(kHind);
        } else {
            s.analyse(t);
        }
        benchmark::DoNotOptimize(s.doc->lohScore[60000]);
    }
}

void fit(CVARNDoc& doc, int t) {
    PurityEstimate e;
    std::string reason;
    estimatePurity(doc, t, false, e, reason);
    benchmark::DoNotOptimize(e.purity);
}

void decode(CVARNDoc& doc, int t) {
    const AlleleDecoding d = decodeAlleleSpecific(doc, t, false);
    benchmark::DoNotOptimize(d.decoded);
}

void jointFit(benchmark::State& state, int t) {
    DecodingSetup& s = setup();
    for (auto _ : state) fit(*s.doc, t);
}

void decoding(benchmark::State& state, int t) {
    DecodingSetup& s = setup();
    for (auto _ : state) decode(*s.doc, t);
}

void fitAndDecoding(benchmark::State& state, int t, bool newPool) {
    DecodingSetup& s = setup();
    for (auto _ : state) {
        forgetKeptAlleles(newPool);
        fit(*s.doc, t);
        decode(*s.doc, t);
    }
}

void BM_AnalysisOneArray(benchmark::State& state) { analysis(state, kXba); }
void BM_JointFitOneArray(benchmark::State& state) { jointFit(state, kXba); }
void BM_AlleleDecodingOneArray(benchmark::State& state) { decoding(state, kXba); }
void BM_FitAndDecodingNewSampleOneArray(benchmark::State& state) { fitAndDecoding(state, kXba, false); }
void BM_FitAndDecodingNewPoolOneArray(benchmark::State& state) { fitAndDecoding(state, kXba, true); }
void BM_AnalysisBothArrays(benchmark::State& state) { analysis(state, kCombined); }
void BM_JointFitBothArrays(benchmark::State& state) { jointFit(state, kCombined); }
void BM_AlleleDecodingBothArrays(benchmark::State& state) { decoding(state, kCombined); }
void BM_FitAndDecodingNewSampleBothArrays(benchmark::State& state) { fitAndDecoding(state, kCombined, false); }
void BM_FitAndDecodingNewPoolBothArrays(benchmark::State& state) { fitAndDecoding(state, kCombined, true); }
BENCHMARK(BM_AnalysisOneArray)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JointFitOneArray)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlleleDecodingOneArray)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitAndDecodingNewSampleOneArray)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitAndDecodingNewPoolOneArray)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalysisBothArrays)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JointFitBothArrays)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlleleDecodingBothArrays)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitAndDecodingNewSampleBothArrays)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FitAndDecodingNewPoolBothArrays)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
