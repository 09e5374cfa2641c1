// The allele model's cost on top of building a pool: an Xba pool of 10 and of 199 references
// built as MakeReference builds it (every signal file read, the pool file saved) without and with
// its model (each reference's contrasts taken after its read, the clusters learned, the model
// file saved beside the pool); then the learning alone, and AddReference's update of a model
// against learning the grown pool's model anew. The 199 references are ten demo signal files
// under many names (hard links), so the files cost no disk.
#include "BenchSupport.h"

#include "demo/DemoAnnotation.h"
#include "demo/DemoGenome.h"
#include "demo/DemoSamples.h"
#include "demo/SignalFileWriter.h"
#include "document/CVARNDoc.h"
#include "engine/alleles/PoolAlleleModel.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <sstream>

namespace varn::bench {
namespace {

constexpr int kFiles = 10;

struct ModelSetup {
    ScratchFolder folder;
    CollectingUserInterface ui;
    std::unique_ptr<CVARNDoc> doc;
    std::vector<std::string> names; // 199, the first ten are the files themselves

    ModelSetup() {
        const std::filesystem::path root = folder.path() / "VARN";
        const demo::DemoGenome genome = demo::makeDemoGenome(1);
        std::ostringstream err;
        demo::writeDemoAnnotation(root / "data", genome, err);
        const demo::ArrayModel model = demo::makeArrayModel(1, kXba);
        std::filesystem::create_directories(root / "sampledataX");
        for (int i = 1; i <= 199; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "Ref%03d", i);
            names.push_back(name);
            const auto path = root / "sampledataX" / (std::string(name) + "X.txt");
            if (i <= kFiles) {
                const auto germline = demo::drawGermline(genome, model, 1, name);
                demo::writeSignalFile(path, genome, model,
                                      demo::synthesiseSample(genome, model, germline, nullptr, 1, name, 1.0),
                                      name);
            } else {
                std::filesystem::create_hard_link(root / "sampledataX" / (names[(i - 1) % kFiles] + "X.txt"),
                                                  path);
            }
        }
        doc = std::make_unique<CVARNDoc>(InstallRoot(root), ui);
    }

    std::filesystem::path signalPath(int row) const {
        return doc->fixedPath("c:\\VARN\\sampledataX\\" + names[static_cast<std::size_t>(row - 1)] + "X.txt");
    }

    // MakeReference's work for the first n names; with the model when asked.
    void buildPool(int n, bool withModel) {
        ReferenceAlleles alleles = startReferenceAlleles(*doc, kXba);
        for (int row = 1; row <= n; ++row) {
            std::snprintf(doc->poolSampleName[kXba][row], kNameSize, "%s",
                          names[static_cast<std::size_t>(row - 1)].c_str());
            doc->ReadSignalFile(kXba, signalPath(row), row, 0);
            if (withModel) collectReferenceAlleles(alleles, *doc, signalPath(row));
        }
        doc->refCount[kXba] = n + 1;
        doc->arrayType = kXba;
        if (withModel)
            learnPoolAlleleModel(*doc, kXba, alleles);
        else
            doc->alleleModel[kXba] = AlleleModel{};
        doc->OnSaveDocument(folder.path() / "Pool.ref");
    }

    // The contrasts of the first n references, as the model's learning receives them.
    ReferenceAlleles alleles(int n) {
        ReferenceAlleles a = startReferenceAlleles(*doc, kXba);
        for (int row = 1; row <= n; ++row) {
            float mean = 0.0f;
            doc->ReadProbeIntensities(kXba, signalPath(row), mean);
            collectReferenceAlleles(a, *doc, signalPath(row));
        }
        return a;
    }
};

ModelSetup& setup() {
    static ModelSetup s;
    return s;
}

void BM_PoolBuild(benchmark::State& state) {
    ModelSetup& s = setup();
    for (auto _ : state) s.buildPool(static_cast<int>(state.range(0)), false);
}
BENCHMARK(BM_PoolBuild)->Arg(10)->Arg(199)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_PoolBuildWithModel(benchmark::State& state) {
    ModelSetup& s = setup();
    for (auto _ : state) s.buildPool(static_cast<int>(state.range(0)), true);
    if (s.doc->alleleModel[kXba].empty()) state.SkipWithError("the pool got no allele model");
}
BENCHMARK(BM_PoolBuildWithModel)->Arg(10)->Arg(199)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_LearnModel(benchmark::State& state) {
    ModelSetup& s = setup();
    const ReferenceAlleles a = s.alleles(static_cast<int>(state.range(0)));
    const std::vector<float> rate = heteroRateByRecord(*s.doc, kXba);
    for (auto _ : state) {
        AlleleModel m;
        std::string problem;
        benchmark::DoNotOptimize(learnAlleleModel(a, rate, m, problem));
    }
}
BENCHMARK(BM_LearnModel)->Arg(10)->Arg(199)->Unit(benchmark::kMillisecond);

// AddReference of ten references to a pool of 189: the model updated with them (the old
// references' files unread), to set beside BM_LearnModel/199 (which would also need all 199 read).
void BM_UpdateModel(benchmark::State& state) {
    ModelSetup& s = setup();
    const ReferenceAlleles all = s.alleles(199);
    ReferenceAlleles old = startReferenceAlleles(*s.doc, kXba), added = old;
    for (int r = 0; r < 199; ++r)
        (r < 189 ? old : added)
            .add(&all.contrast[static_cast<std::size_t>(r) * static_cast<std::size_t>(all.count)], nullptr);
    const std::vector<float> rate = heteroRateByRecord(*s.doc, kXba);
    AlleleModel base;
    std::string problem;
    learnAlleleModel(old, rate, base, problem);
    for (auto _ : state) {
        AlleleModel m = base;
        updateAlleleModel(m, added, rate);
        benchmark::DoNotOptimize(m.centreAB.data());
    }
}
BENCHMARK(BM_UpdateModel)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
