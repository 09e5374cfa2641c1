// Storing and reloading one Xba non-self temporary file (58,960 signal lines): the program's
// writer and reader against a plain fprintf / fgets + sscanf version of the same format. Both
// must produce the same bytes and read back the same values; the set-up checks that first.
#include "document/CollectingUserInterface.h"
#include "document/CVARNDoc.h"
#include "document/FileBytes.h"
#include "document/NonSelfTempFile.h"
#include "document/TextLines.h"
#include "document/UserInterface.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace {

using namespace varn;


// The fields of the file, as the plain version keeps them.
struct PlainAnalysis {
    int t = 0, analysedRow = 0;
    char name[32] = {};
    std::vector<float> signal = std::vector<float>(kSlots);
    std::vector<int> call = std::vector<int>(kSlots);
    int regionStart = 0, regionEnd = 0, baseCopyNumber = 0;
    float hmmMean[kStates] = {};
    int refSelected[200] = {};
    int refUsedCount = 0, pivotRow = 0;
};

struct Fixture {
    std::filesystem::path root;
    CollectingUserInterface ui;
    std::unique_ptr<CVARNDoc> doc;
    std::filesystem::path varnPath, plainPath;

    Fixture() {
        root = std::filesystem::temp_directory_path() / ("varn-bench-temp-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "VARN" / "temporary files");
        doc = std::make_unique<CVARNDoc>(InstallRoot(root / "VARN"), ui);
        const int t = kXba;
        std::mt19937 rng(1);
        std::uniform_real_distribution<float> signal(12.0f, 30.0f);
        for (int i = doc->snpFirst[t]; i <= doc->snpLast[t]; ++i) {
            doc->poolSignal[0][i] = signal(rng);
            doc->snpCall[i] = static_cast<int>(rng() % 4);
        }
        std::strcpy(doc->poolSampleName[t][0], "BenchSample");
        doc->refCount[t] = 11;
        doc->regionStart[t] = 60000;
        doc->regionEnd[t] = 70000;
        for (int k = 1; k < 11; ++k) doc->refSelected[t][k] = k % 2;
        doc->refUsedCount[t] = 5;
        varnPath = root / "VARN" / "temporary files" / "BenchSample.temp";
        plainPath = root / "plain.temp";
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void writePlain(const CVARNDoc& doc, int t, const std::filesystem::path& path) {
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (f == nullptr) return;
    std::fprintf(f, "%d \n %d \n %s \n", t, doc.analysedRow[t], doc.poolSampleName[t][doc.analysedRow[t]]);
    for (int i = doc.snpFirst[t]; i <= doc.snpLast[t]; ++i) std::fprintf(f, "%f\t%d\n", doc.poolSignal[0][i], doc.snpCall[i]);
    std::fprintf(f, "%d \t %d \t %d \n", doc.regionStart[t], doc.regionEnd[t], doc.baseCopyNumber);
    for (float m : doc.hmmMean) std::fprintf(f, "%f\n", m);
    for (int k = 0; k < 200; ++k) std::fprintf(f, "%d\n", doc.refSelected[t][k]);
    std::fprintf(f, "%d \t %d\n", doc.refUsedCount[t], doc.pivotRow[t]);
    std::fclose(f);
}

void readPlain(const std::filesystem::path& path, int first, int last, PlainAnalysis& a) {
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (f == nullptr) return;
    char buf[32];
    if (std::fgets(buf, sizeof buf, f)) std::sscanf(buf, "%d", &a.t);
    if (std::fgets(buf, sizeof buf, f)) std::sscanf(buf, "%d", &a.analysedRow);
    if (std::fgets(buf, sizeof buf, f)) std::sscanf(buf, "%31s", a.name);
    for (int i = first; i <= last; ++i)
        if (std::fgets(buf, sizeof buf, f)) std::sscanf(buf, "%f %d", &a.signal[i], &a.call[i]);
    if (std::fgets(buf, sizeof buf, f)) std::sscanf(buf, "%d  %d  %d ", &a.regionStart, &a.regionEnd, &a.baseCopyNumber);
    for (float& m : a.hmmMean)
        if (std::fgets(buf, sizeof buf, f)) std::sscanf(buf, "%f", &m);
    for (int& r : a.refSelected)
        if (std::fgets(buf, sizeof buf, f)) std::sscanf(buf, "%d", &r);
    if (std::fgets(buf, sizeof buf, f)) std::sscanf(buf, "%d %d", &a.refUsedCount, &a.pivotRow);
    std::fclose(f);
}

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Same bytes from both writers, and the program's reader gives the values sscanf gives.
bool identical(Fixture& fx) {
    CVARNDoc& doc = *fx.doc;
    const int t = kXba;
    if (doc.StoreNonSelfTempFile(t) != 0) return false;
    writePlain(doc, t, fx.plainPath);
    if (bytesOf(fx.varnPath) != bytesOf(fx.plainPath)) return false;
    PlainAnalysis plain;
    readPlain(fx.plainPath, doc.snpFirst[t], doc.snpLast[t], plain);
    if (doc.LoadNonSelfTempFile(fx.varnPath) != 0) return false;
    for (int i = doc.snpFirst[t]; i <= doc.snpLast[t]; ++i)
        if (std::memcmp(&plain.signal[i], &doc.poolSignal[0][i], sizeof(float)) != 0 || plain.call[i] != doc.snpCall[i])
            return false;
    return plain.regionStart == doc.regionStart[t] && plain.regionEnd == doc.regionEnd[t] &&
           std::memcmp(plain.hmmMean, doc.hmmMean, sizeof plain.hmmMean) == 0 &&
           std::memcmp(plain.refSelected, doc.refSelected[t], sizeof plain.refSelected) == 0 &&
           plain.refUsedCount == doc.refUsedCount[t] && std::strcmp(plain.name, doc.poolSampleName[t][0]) == 0;
}

void BM_StoreReloadXbaTempFile(benchmark::State& state) {
    Fixture& fx = fixture();
    if (!identical(fx)) {
        state.SkipWithError("the two versions differ");
        return;
    }
    for (auto _ : state) {
        fx.doc->StoreNonSelfTempFile(kXba);
        benchmark::DoNotOptimize(fx.doc->LoadNonSelfTempFile(fx.varnPath));
    }
}
BENCHMARK(BM_StoreReloadXbaTempFile)->Unit(benchmark::kMillisecond);

void BM_StoreReloadXbaTempFilePrintfScanf(benchmark::State& state) {
    Fixture& fx = fixture();
    PlainAnalysis plain;
    for (auto _ : state) {
        writePlain(*fx.doc, kXba, fx.plainPath);
        readPlain(fx.plainPath, fx.doc->snpFirst[kXba], fx.doc->snpLast[kXba], plain);
        benchmark::DoNotOptimize(plain.signal.data());
    }
}
BENCHMARK(BM_StoreReloadXbaTempFilePrintfScanf)->Unit(benchmark::kMillisecond);

// Where the time of the program's version goes: formatting, parsing, and the file system.
void BM_FormatXbaTempFile(benchmark::State& state) {
    Fixture& fx = fixture();
    for (auto _ : state) benchmark::DoNotOptimize(formatNonSelfTempFile(*fx.doc, kXba));
}
BENCHMARK(BM_FormatXbaTempFile)->Unit(benchmark::kMillisecond);

void BM_ParseXbaTempFile(benchmark::State& state) {
    Fixture& fx = fixture();
    const std::string text = formatNonSelfTempFile(*fx.doc, kXba);
    for (auto _ : state) benchmark::DoNotOptimize(parseNonSelfTempFile(*fx.doc, text));
}
BENCHMARK(BM_ParseXbaTempFile)->Unit(benchmark::kMillisecond);

void BM_WriteAndReadXbaTempFileBytes(benchmark::State& state) {
    Fixture& fx = fixture();
    const std::string text = formatNonSelfTempFile(*fx.doc, kXba);
    std::string back;
    for (auto _ : state) {
        replaceFileContents(fx.varnPath, text);
        loadWholeFile(fx.varnPath, back);
    }
}
BENCHMARK(BM_WriteAndReadXbaTempFileBytes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
