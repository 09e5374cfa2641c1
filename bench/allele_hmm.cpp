// The allele-specific decoding beside the analysis it follows, in one run on the demo tumour with
// 50 % normal cells (ten references): the analysis is everything Sort does once the pool and the
// sample are read; the decoding reads the sample's alleles against the pool's allele model
// (B-allele fraction, informative SNPs, their segments for the noise figures), then runs the
// sixteen-state HMM over every chromosome, X included; "both arrays" decodes Xba and Hind in one
// chain per chromosome.
#include "BenchSupport.h"
#include "EngineBenchSupport.h"

#include "demo/DemoInstallation.h"
#include "engine/AlleleSpecificDecoding.h"
#include "engine/HmmMeansPurity.h"
#include "view/CVARNView.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace varn::bench {
namespace {

struct DecodingSetup {
    ScratchFolder folder;
    AcceptingUi ui;
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;

    DecodingSetup() {
        const std::filesystem::path root = folder.path() / "VARN";
        std::string report;
        std::ostringstream err;
        if (!demo::writeDemoInstallation(root, demo::DemoOptions{}, report, err)) {
            std::fprintf(stderr, "%s", err.str().c_str());
            std::exit(1);
        }
        doc = std::make_unique<CVARNDoc>(InstallRoot(root), ui);
        view = std::make_unique<CVARNView>(*doc);
        for (int t : {kXba, kHind}) {
            const std::string a = t == kXba ? "X" : "H";
            doc->OnOpenDocument(root / (t == kXba ? "XbaPool.ref" : "HindPool.ref"));
            doc->ReadSignalFile(t, root / ("tumorsample" + a) / ("Tumor4" + a + ".txt"), 0, 1);
            doc->sampleAllelesHeld[t] = true;
            doc->ReadSnpCallFile(t, root / ("SNPtumorsample" + a) / ("Tumor4" + a + ".txt"), 0);
            // The short arm of chromosome 1 (diploid) as the baseline region.
            doc->regionStart[t] = kChromosomeStart[t][1];
            doc->regionEnd[t] = kChromosomeStart[t][1] + (kChromosomeStart[t][2] - kChromosomeStart[t][1]) / 3;
            doc->analysedRow[t] = 0;
            analyse(t);
        }
        setHmmMeansForPurity(*doc, 0.5, false);
        doc->baseCopyNumber = 2;
        const AlleleDecoding d = decodeAlleleSpecific(*doc, kCombined, false);
        if (!d.decoded) {
            std::fprintf(stderr, "allele-specific decoding: %s\n", d.why.c_str());
            std::exit(1);
        }
    }

    void analyse(int t) {
        view->shownArrayType = t;
        view->referenceSdTable[t] = nullptr; // measured by the Sort itself
        view->OnSort();
    }
};

DecodingSetup& setup() {
    static DecodingSetup s;
    return s;
}

void BM_AnalysisOneArray(benchmark::State& state) {
    DecodingSetup& s = setup();
    for (auto _ : state) {
        s.analyse(kXba);
        benchmark::DoNotOptimize(s.doc->lohScore[60000]);
    }
}
BENCHMARK(BM_AnalysisOneArray)->Unit(benchmark::kMillisecond);

void BM_AnalysisBothArrays(benchmark::State& state) {
    DecodingSetup& s = setup();
    for (auto _ : state) {
        s.analyse(kXba);
        s.analyse(kHind);
        benchmark::DoNotOptimize(s.doc->lohScore[60000]);
    }
}
BENCHMARK(BM_AnalysisBothArrays)->Unit(benchmark::kMillisecond);

void decode(benchmark::State& state, int t) {
    DecodingSetup& s = setup();
    for (auto _ : state) {
        const AlleleDecoding d = decodeAlleleSpecific(*s.doc, t, false);
        benchmark::DoNotOptimize(d.decoded);
    }
}

void BM_AlleleDecodingOneArray(benchmark::State& state) { decode(state, kXba); }
BENCHMARK(BM_AlleleDecodingOneArray)->Unit(benchmark::kMillisecond);

void BM_AlleleDecodingBothArrays(benchmark::State& state) { decode(state, kCombined); }
BENCHMARK(BM_AlleleDecodingBothArrays)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
