// SegmentOut against IGBFileOut on the same decoded Xba profile: building the segments and
// writing the SEG file, the segment table and the BED file, beside writing the two tracks.
#include "EngineBenchSupport.h"

#include "export/Segments.h"
#include "view/CVARNView.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace varn::bench {
namespace {

struct SegmentSetup {
    AcceptingUi ui;
    std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("varn-bench-segments-" + std::to_string(::getpid()));
    std::unique_ptr<CVARNDoc> doc;
    std::unique_ptr<CVARNView> view;

    // A profile with a gain on every fifth chromosome and a loss on every seventh, decoded by
    // the HMM, and the LOH score of calls that lose heterozygosity on every third chromosome.
    SegmentSetup() {
        std::filesystem::create_directories(root / "IGBfiles");
        doc = std::make_unique<CVARNDoc>(InstallRoot(root), ui);
        view = std::make_unique<CVARNView>(*doc);
        fillGenome(*doc);
        const int t = kXba;
        doc->arrayType = t;
        std::strcpy(doc->poolSampleName[t][0], "BenchSample");
        for (int pos = doc->snpFirst[t]; pos <= doc->snpLast[t]; ++pos) {
            const int ch = doc->snpChromosome[pos];
            const int state = ch % 5 == 0 ? 3 : ch % 7 == 0 ? 1 : 2;
            doc->logRatio[0][pos] = doc->hmmMean[state] + 0.15f * noise(0, pos);
            const bool lost = ch % 3 == 0 && pos % 1000 < 600;
            doc->snpCall[pos] = lost || pos % 3 != 0 ? kCallAA : kCallAB;
        }
        doc->rowSd[t][0] = 0.15f;
        doc->runHmm(t, 0);
        doc->computeLohScore(t);
        view->displayMode = ModeGenomeSingle;
        std::printf("%zu segments\n", buildSegments(*doc, t).size());
    }
    ~SegmentSetup() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

SegmentSetup& setup() {
    static SegmentSetup s;
    return s;
}

void BM_TrackExport(benchmark::State& state) {
    SegmentSetup& s = setup();
    for (auto _ : state) s.doc->OnIgbFileOut();
}
BENCHMARK(BM_TrackExport)->Unit(benchmark::kMillisecond);

void BM_SegmentExport(benchmark::State& state) {
    SegmentSetup& s = setup();
    for (auto _ : state) s.doc->OnSegmentOut();
}
BENCHMARK(BM_SegmentExport)->Unit(benchmark::kMillisecond);

void BM_SegmentBuild(benchmark::State& state) {
    SegmentSetup& s = setup();
    for (auto _ : state) benchmark::DoNotOptimize(buildSegments(*s.doc, kXba));
}
BENCHMARK(BM_SegmentBuild)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
