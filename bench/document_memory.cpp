// Resident memory of the document: its tables hold about 218 MiB, but capacity that is never
// written must not become resident. Measured after constructing the document over a full
// installation and after loading a pool of 10 Xba references.
#include "BenchSupport.h"

#include "document/CVARNDoc.h"

#include <algorithm>
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace varn::bench {
namespace {

double residentMiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// A 10-reference Xba pool file, written through the document's own save path.
void writePoolFile(const std::filesystem::path& root, const std::filesystem::path& file) {
    CollectingUserInterface ui;
    CVARNDoc maker(InstallRoot(root), ui);
    maker.arrayType = kXba;
    maker.refCount[kXba] = 11;
    for (int r = 1; r <= 10; ++r)
        for (int k = 57244; k <= 116203; ++k) maker.poolSignal[r][k] = 20.0f + static_cast<float>((k + r) % 13);
    maker.OnSaveDocument(file);
}

void BM_DocumentResidentMemory(benchmark::State& state) {
    ScratchFolder folder;
    const auto root = folder.path() / "VARN";
    writeAnnotationTables(root);
    writePoolFile(root, folder.path() / "pool10.ref");
    CollectingUserInterface ui;
    const double before = residentMiB();
    double empty = 0, loaded = 0;
    for (auto _ : state) {
        auto doc = std::make_unique<CVARNDoc>(InstallRoot(root), ui);
        empty = residentMiB();
        doc->OnOpenDocument(folder.path() / "pool10.ref");
        loaded = residentMiB();
    }
    state.counters["process_before_MiB"] = before;
    state.counters["empty_document_MiB"] = empty;
    state.counters["with_10_ref_pool_MiB"] = loaded;
    state.counters["messages_shown"] = static_cast<double>(std::count(ui.messages.begin(), ui.messages.end(), '\n'));
}
BENCHMARK(BM_DocumentResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

BENCHMARK_MAIN();
