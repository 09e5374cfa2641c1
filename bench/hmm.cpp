// Viterbi decoding of a whole Xba profile: the engine (transition costs once per step, emission
// costs once per position) against the literal evaluation of a tanh and a log per state pair.
#include "EngineBenchSupport.h"
#include "LiteralEngine.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace varn::bench {
namespace {

struct HmmSetup {
    AcceptingUi ui;
    std::unique_ptr<CVARNDoc> doc;
    std::vector<float> profile;
    double sigma = 0.15;

    HmmSetup() : doc(std::make_unique<CVARNDoc>(InstallRoot("/nonexistent/VARN"), ui)) {
        fillGenome(*doc);
        const int t = kXba;
        profile.assign(kSlots, 0.0f);
        for (int pos = doc->snpFirst[t]; pos <= doc->snpLast[t]; ++pos) {
            const int ch = doc->snpChromosome[pos];
            const int state = ch % 5 == 0 ? 3 : ch % 7 == 0 ? 1 : 2;
            profile[pos] = doc->hmmMean[state] + 0.15f * noise(0, pos);
            doc->logRatio[0][pos] = profile[pos];
        }
        doc->rowSd[t][0] = static_cast<float>(sigma);
        sigma = doc->rowSd[t][0];
        doc->runHmm(t, 0);
        std::vector<int> states(kSlots, 0);
        literal::runHmm(*doc, t, profile, sigma, states);
        int differ = 0;
        for (int pos = doc->snpFirst[t]; pos <= doc->autosomeLast[t]; ++pos)
            if (doc->positionUsable[pos] == 1 && states[pos] != doc->hmmState[0][pos]) ++differ;
        std::printf("HMM results identical: %s (%d positions differ)\n", differ == 0 ? "yes" : "NO", differ);
        if (differ != 0) std::exit(1);
    }
};

HmmSetup& setup() {
    static HmmSetup s;
    return s;
}

void BM_HmmEngine(benchmark::State& state) {
    HmmSetup& s = setup();
    for (auto _ : state) {
        s.doc->runHmm(kXba, 0);
        benchmark::DoNotOptimize(s.doc->hmmState[0][60000]);
    }
}
BENCHMARK(BM_HmmEngine)->Unit(benchmark::kMillisecond);

void BM_HmmLiteral(benchmark::State& state) {
    HmmSetup& s = setup();
    std::vector<int> states(kSlots, 0);
    for (auto _ : state) {
        literal::runHmm(*s.doc, kXba, s.profile, s.sigma, states);
        benchmark::DoNotOptimize(states[60000]);
    }
}
BENCHMARK(BM_HmmLiteral)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
