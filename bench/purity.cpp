// The tumour cell fraction estimate beside the analysis it reads, in one run on the demo tumour
// with 50 % normal cells (ten references): the analysis is everything Sort does once the pool and
// the sample are read (reference SDs, ranking, the profile against every reference, the HMM, the
// moving average and the LOH score); the levels' estimate segments the profile and fits the levels
// over the 91 fractions with their likelihood-ratio interval. The joint fit reads the alleles
// too: the B-allele fraction against the pool's allele model, the informative SNPs, the segments
// cut where the alleles step, and the fit over 91 fractions by 201 ploidies with its solutions and
// intervals. The paired estimate (the same tumour against its own normal) is the joint fit with
// the normal's alleles.
#include "EngineBenchSupport.h"

#include "document/SetupDialogs.h"
#include "engine/analysis/ResultWording.h"
#include "engine/purity/PurityEstimate.h"

#include <benchmark/benchmark.h>

namespace varn::bench {
namespace {

// File New "Self reference" on Xba with Tumor4 and its normal.
class PairedUi : public AcceptingUi {
  public:
    std::filesystem::path root;

    DialogResult basicMode(CBasicMode& d) override {
        d.mode = kSelfReference;
        d.arrayChoice = kXba;
        return DialogResult::Ok;
    }
    DialogResult selfSampleSelect(CSelfSampleSelect& d) override {
        d.sampleChoice = 1;
        d.tumorSignalPath = (root / "tumorsampleX/Tumor4X.txt").string();
        d.tumorSnpPath = (root / "SNPtumorsampleX/Tumor4X.txt").string();
        d.normalSignalPath = (root / "sampledataX/Tumor4NX.txt").string();
        d.normalSnpPath = (root / "sampledataX/Tumor4NX_snp.txt").string();
        d.tumorSignalName = "Tumor4X";
        d.tumorSnpName = "Tumor4X";
        d.normalSignalName = "Tumor4NX";
        d.normalSnpName = "Tumor4NX_snp";
        return DialogResult::Ok;
    }
};

struct PuritySetup : DemoTumour {
    PairedUi pairedUi;
    std::unique_ptr<CVARNDoc> pairedDoc;
    std::unique_ptr<CVARNView> pairedView;

    PuritySetup() : DemoTumour({kXba, kHind}) {
        for (int t : {kXba, kHind, kCombined}) {
            PurityEstimate e;
            std::string reason;
            estimatePurity(*doc, t, false, e, reason);
            std::printf("Tumor4 (50 %% normal cells) %s: %s%s\n",
                        t == kXba    ? "Xba"
                        : t == kHind ? "Hind"
                                     : "both arrays",
                        purityText(e).c_str(),
                        e.joint ? "" : (" (levels only: " + e.alleleReason + ")").c_str());
        }
        pairedUi.root = root;
        pairedDoc = std::make_unique<CVARNDoc>(InstallRoot(root), pairedUi);
        pairedView = std::make_unique<CVARNView>(*pairedDoc);
        pairedDoc->OnFileNew();
        pairedView->applyRegionBaseline(
            kXba, kChromosomeStart[kXba][1],
            kChromosomeStart[kXba][1] + (kChromosomeStart[kXba][2] - kChromosomeStart[kXba][1]) / 3, 2);
        PurityEstimate e;
        std::string reason;
        if (!estimatePurity(*pairedDoc, kXba, true, e, reason)) {
            std::fprintf(stderr, "paired: %s\n", reason.c_str());
            std::exit(1);
        }
        std::printf("Tumor4 (50 %% normal cells) Xba against its normal: %s\n", purityText(e).c_str());
    }
};

PuritySetup& setup() {
    static PuritySetup s;
    return s;
}

void BM_AnalysisOneArray(benchmark::State& state) {
    PuritySetup& s = setup();
    for (auto _ : state) {
        s.analyse(kXba);
        benchmark::DoNotOptimize(s.doc->lohScore[60000]);
    }
}
BENCHMARK(BM_AnalysisOneArray)->Unit(benchmark::kMillisecond);

void BM_AnalysisBothArrays(benchmark::State& state) {
    PuritySetup& s = setup();
    for (auto _ : state) {
        s.analyse(kXba);
        s.analyse(kHind);
        benchmark::DoNotOptimize(s.doc->lohScore[60000]);
    }
}
BENCHMARK(BM_AnalysisBothArrays)->Unit(benchmark::kMillisecond);

// alleles false: the sample's allele sums set aside, so that the levels alone are fitted.
void estimate(benchmark::State& state, int t, bool alleles) {
    PuritySetup& s = setup();
    for (int a : {kXba, kHind}) s.doc->sampleAllelesHeld[a] = alleles;
    for (auto _ : state) {
        PurityEstimate e;
        std::string reason;
        estimatePurity(*s.doc, t, false, e, reason);
        benchmark::DoNotOptimize(e.purity);
    }
    for (int a : {kXba, kHind}) s.doc->sampleAllelesHeld[a] = true;
}

void BM_EstimateOneArray(benchmark::State& state) {
    estimate(state, kXba, false);
}
BENCHMARK(BM_EstimateOneArray)->Unit(benchmark::kMillisecond);

void BM_EstimateBothArrays(benchmark::State& state) {
    estimate(state, kCombined, false);
}
BENCHMARK(BM_EstimateBothArrays)->Unit(benchmark::kMillisecond);

void BM_JointFitOneArray(benchmark::State& state) {
    estimate(state, kXba, true);
}
BENCHMARK(BM_JointFitOneArray)->Unit(benchmark::kMillisecond);

void BM_JointFitBothArrays(benchmark::State& state) {
    estimate(state, kCombined, true);
}
BENCHMARK(BM_JointFitBothArrays)->Unit(benchmark::kMillisecond);

void BM_AnalysisPaired(benchmark::State& state) {
    PuritySetup& s = setup();
    for (auto _ : state) {
        s.pairedDoc->computePairedRatio(s.pairedDoc->regionStart[kXba], s.pairedDoc->regionEnd[kXba], kXba);
        benchmark::DoNotOptimize(s.pairedDoc->lohScore[60000]);
    }
}
BENCHMARK(BM_AnalysisPaired)->Unit(benchmark::kMillisecond);

void BM_EstimatePaired(benchmark::State& state) {
    PuritySetup& s = setup();
    for (auto _ : state) {
        PurityEstimate e;
        std::string reason;
        estimatePurity(*s.pairedDoc, kXba, true, e, reason);
        benchmark::DoNotOptimize(e.purity);
    }
}
BENCHMARK(BM_EstimatePaired)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
