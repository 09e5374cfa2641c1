// Reading one Xba signal file (58,960 SNPs): the document's reader against the direct route
// (fgets into a 4096-byte buffer, strstr/memmove to drop the "null" fields, sscanf with forty
// "%f"), which it must match bit for bit, and against the floor of merely reading the bytes and
// finding the lines.
#include "BenchSupport.h"

#include "document/CVARNDoc.h"
#include "document/SampleFileCheck.h"

#include <benchmark/benchmark.h>

#include <bit>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace varn::bench {
namespace {

constexpr int kXbaCount = 58960;

struct Setup {
    ScratchFolder folder;
    std::filesystem::path file = folder.path() / "sample_X.txt";
    CollectingUserInterface ui;
    std::unique_ptr<CVARNDoc> doc;
    Setup() {
        writeSignalFile(file, kXbaCount, 7);
        doc = std::make_unique<CVARNDoc>(InstallRoot(folder.path() / "VARN"), ui);
    }
};

Setup& setup() {
    static Setup s;
    return s;
}

// The direct route, into the same document tables and with the same sums.
int baselineReadSignalFile(CVARNDoc& doc, int t, const std::filesystem::path& path, int row, int slot) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (file == nullptr) return 1;
    char buffer[4096 + 8];
    float* p[kProbes];
    for (int k = doc.snpFirst[t] - 3; std::fgets(buffer, 4096, file) != nullptr;) {
        ++k;
        if (k < doc.snpFirst[t]) continue;
        if (k > doc.snpLast[t]) break;
        std::strcat(buffer, "\t");
        for (int i = 0; i < 16; ++i) {
            char* at = std::strstr(buffer, "null");
            if (at == nullptr) break;
            std::memmove(at, at + 5, std::strlen(at + 5) + 1);
        }
        for (int i = 0; i < kProbes; ++i) p[i] = &doc.probeIntensity[i][k];
        std::sscanf(buffer,
                    "%*d %*s %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f %f "
                    "%f %f %f %f %f %f %f %f %f %f",
                    p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10], p[11], p[12], p[13], p[14],
                    p[15], p[16], p[17], p[18], p[19], p[20], p[21], p[22], p[23], p[24], p[25], p[26], p[27], p[28],
                    p[29], p[30], p[31], p[32], p[33], p[34], p[35], p[36], p[37], p[38], p[39]);
    }
    std::fclose(file);
    const int first = doc.snpFirst[t], last = doc.snpLast[t];
    float total = 0.0f;
    for (int j = 0; j < 10; ++j)
        for (int k = first; k <= last; ++k) total += doc.probeIntensity[4 * j][k] + doc.probeIntensity[4 * j + 1][k];
    const float mean = total / static_cast<float>((last - first + 1) * 20);
    doc.poolRowMean[t][row] = mean;
    for (int i = 0; i < kProbes; ++i)
        for (int k = first; k <= last; ++k) doc.probeIntensity[i][k] /= mean;
    for (int k = first; k <= last; ++k) {
        float sum = 0.0f, sumA = 0.0f, sumB = 0.0f;
        for (int j = 0; j < 10; ++j) {
            sum += doc.probeIntensity[4 * j][k] + doc.probeIntensity[4 * j + 1][k];
            sumA += doc.probeIntensity[4 * j][k];
            sumB += doc.probeIntensity[4 * j + 1][k];
        }
        doc.poolSignal[row][k] = sum;
        if (slot != 0) {
            doc.alleleASignal[slot - 1][k] = sumA;
            doc.alleleBSignal[slot - 1][k] = sumB;
        }
    }
    return 0;
}

bool sameBits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

// Both routes into two fresh documents; every float written must agree to the bit.
bool resultsIdentical() {
    Setup& s = setup();
    CollectingUserInterface ui;
    CVARNDoc mine(InstallRoot(s.folder.path() / "VARN"), ui);
    CVARNDoc direct(InstallRoot(s.folder.path() / "VARN"), ui);
    if (mine.ReadSignalFile(kXba, s.file, 0, 1) != 0) return false;
    if (baselineReadSignalFile(direct, kXba, s.file, 0, 1) != 0) return false;
    if (!sameBits(mine.poolRowMean[kXba][0], direct.poolRowMean[kXba][0])) return false;
    for (int k = 57244; k <= 116203; ++k) {
        if (!sameBits(mine.poolSignal[0][k], direct.poolSignal[0][k])) return false;
        if (!sameBits(mine.alleleASignal[0][k], direct.alleleASignal[0][k])) return false;
        if (!sameBits(mine.alleleBSignal[0][k], direct.alleleBSignal[0][k])) return false;
        for (int i = 0; i < kProbes; ++i)
            if (!sameBits(mine.probeIntensity[i][k], direct.probeIntensity[i][k])) return false;
    }
    return true;
}

void BM_ReadSignalFile(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) benchmark::DoNotOptimize(s.doc->ReadSignalFile(kXba, s.file, 0, 1));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(s.file)));
}
BENCHMARK(BM_ReadSignalFile)->Unit(benchmark::kMillisecond);

void BM_BaselineSscanf(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) benchmark::DoNotOptimize(baselineReadSignalFile(*s.doc, kXba, s.file, 0, 1));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(s.file)));
}
BENCHMARK(BM_BaselineSscanf)->Unit(benchmark::kMillisecond);

// The floor: the file's bytes into memory and its lines found, nothing parsed.
void BM_ReadBytesAndSplitLines(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        std::FILE* file = std::fopen(s.file.c_str(), "rb");
        std::string bytes(std::filesystem::file_size(s.file), '\0');
        const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        std::size_t lines = 0;
        for (const char* p = bytes.data(); const void* nl = std::memchr(p, '\n', static_cast<std::size_t>(bytes.data() + got - p));
             p = static_cast<const char*>(nl) + 1)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(s.file)));
}
BENCHMARK(BM_ReadBytesAndSplitLines)->Unit(benchmark::kMillisecond);

// The look at the whole file that the reader takes before reading it (line count, header, kind of
// the first lines): part of BM_ReadSignalFile, shown alone to tell its share.
void BM_SurveySignalFile(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) benchmark::DoNotOptimize(surveySampleFile(s.file, kSampleLineBuffer).dataLines);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(s.file)));
}
BENCHMARK(BM_SurveySignalFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace varn::bench

namespace varn::bench {
namespace {

// Prints the usual table and then, from the fastest repetition of each route, the two figures
// that matter: how much faster the reader is than the direct route, and how far it stays above
// the floor.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const std::string name = run.run_name.function_name;
            const double ms = run.GetAdjustedCPUTime(); // the benchmarks report milliseconds
            if (name == "BM_SurveySignalFile") continue;
            auto& best = name == "BM_ReadSignalFile" ? reader_ : name == "BM_BaselineSscanf" ? baseline_ : floor_;
            if (best == 0.0 || ms < best) best = ms;
        }
    }
    void printSummary() const {
        if (reader_ <= 0.0 || baseline_ <= 0.0 || floor_ <= 0.0) return;
        std::printf("CPU ms (fastest run): reader %.2f, baseline %.2f, floor %.2f\n", reader_, baseline_, floor_);
        std::printf("speed-up over baseline %.1fx (target >= 8), reader/floor %.1f (target <= 4)\n",
                    baseline_ / reader_, reader_ / floor_);
    }

private:
    double reader_ = 0.0;
    double baseline_ = 0.0;
    double floor_ = 0.0;
};

} // namespace
} // namespace varn::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const bool identical = varn::bench::resultsIdentical();
    std::printf("signal file %.1f MB, results of both routes bit-identical: %s\n",
                static_cast<double>(std::filesystem::file_size(varn::bench::setup().file)) / 1e6,
                identical ? "yes" : "NO");
    if (!identical) return 1;
    varn::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
