// A whole Sort on an Xba pool of 199 references (SD of every reference with and without
// compensation, ranking, profile against all of them, HMM, moving average, LOH score): the
// engine's command against the same steps written literally with fresh scratch per call.
#include "EngineBenchSupport.h"
#include "LiteralEngine.h"

#include "view/CVARNView.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace varn::bench {
namespace {

struct SortSetup {
    AcceptingUi ui;
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;

    SortSetup() : doc(std::make_unique<CVARNDoc>(InstallRoot("/nonexistent/VARN"), ui)) {
        view = std::make_unique<CVARNView>(*doc);
        fillGenome(*doc);
        makePool(*doc, kXba, 200);
        runEngine();
        literal::SortResult r;
        literal::sort(*doc, kXba, r);
        int differ = 0;
        for (int i = 1; i < 200; ++i) {
            differ += r.sdCompensated[i] != doc->refSdCompensated[i];
            differ += r.sdRaw[i] != doc->refSdRaw[i];
            differ += r.rankOrder[i] != view->rankOrder[i];
        }
        differ += r.pivot != doc->pivotRow[kXba];
        differ += r.sd != doc->rowSd[kXba][0];
        for (int pos = doc->snpFirst[kXba]; pos <= doc->snpLast[kXba]; ++pos) {
            differ += r.profile[pos] != doc->logRatio[0][pos];
            differ += r.states[pos] != doc->hmmState[0][pos];
            differ += r.average[pos] != doc->averageRatio[0][pos];
            differ += r.loh[pos] != doc->lohScore[pos];
        }
        std::printf("Sort results identical: %s (%d values differ); profile SD %f, pivot row %d\n",
                    differ == 0 ? "yes" : "NO", differ, static_cast<double>(doc->rowSd[kXba][0]), doc->pivotRow[kXba]);
        if (differ != 0) std::exit(1);
    }

    void runEngine() {
        view->shownArrayType = kXba;
        view->referenceSdTable[kXba] = nullptr; // measured by the Sort itself
        view->OnSort();
    }
};

SortSetup& setup() {
    static SortSetup s;
    return s;
}

void BM_SortEngine(benchmark::State& state) {
    SortSetup& s = setup();
    for (auto _ : state) {
        s.runEngine();
        benchmark::DoNotOptimize(s.doc->lohScore[60000]);
    }
}
BENCHMARK(BM_SortEngine)->Unit(benchmark::kMillisecond);

void BM_SortLiteral(benchmark::State& state) {
    SortSetup& s = setup();
    for (auto _ : state) {
        literal::SortResult r;
        literal::sort(*s.doc, kXba, r);
        benchmark::DoNotOptimize(r.loh[60000]);
    }
}
BENCHMARK(BM_SortLiteral)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
